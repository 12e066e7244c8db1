#include "Contender.h"

#include "ChartFont.h"

#include <cstdlib>

QString ChartTitle() { return QStringLiteral("演習スピードグラフ"); }
QString BottomTitle() { return QStringLiteral("演習回数"); }
QString LeftTitle() { return QStringLiteral("演習時間"); }

QFont TextFont() {
    QFont font = TChartFont().Font();
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

TRange WheelShifted(TRange y, int notches) {
    for (int i = 0; i < std::abs(notches); ++i) {
        const double delta = (y.High - y.Low) * 3 * 0.01;
        const double shift = notches > 0 ? -delta : delta;
        y = {y.Low + shift, y.High + shift};
    }
    return y;
}

QString LibraryName(TLibrary library) {
    static const QString names[] = {QStringLiteral("Radixtrek"), QStringLiteral("QCustomPlot"),
                                    QStringLiteral("QtCharts")};
    return names[int(library)];
}

std::unique_ptr<TContender> MakeContender(TLibrary library) {
    static const QRect plotArea = RadixtrekPlotArea();
    switch (library) {
    case TLibrary::Radixtrek:
        return MakeRadixtrek();
    case TLibrary::QCustomPlot:
        return MakeQCustomPlot(plotArea);
    case TLibrary::QtCharts:
        return MakeQtCharts(plotArea);
    }
    return nullptr;
}
