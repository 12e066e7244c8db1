#include "RadixtrekContender.h"

#include "ProgressChart.h"

#include <QApplication>
#include <QWheelEvent>

TRadixtrekContender::TRadixtrekContender() {
    chart.resize(ChartWidth, ChartHeight);
    series = chart.AddFastLineSeries();
    SetUpProgressChart(chart, *series);
    FixProgressRange(chart);
    chart.show();
    QApplication::processEvents();
}

void TRadixtrekContender::Add(const TPoints &points) {
    for (qsizetype i = 0; i < points.x.size(); ++i)
        AddProgressPoint(*series, int(points.x[i]), points.y[i]);
}

void TRadixtrekContender::Show(TRange x, TRange y) {
    chart.BottomAxis.SetRange(x.Low, x.High);
    chart.LeftAxis.SetRange(y.Low, y.High);
    chart.Canvas.MarkNeedsRedraw();
    chart.repaint();
}

void TRadixtrekContender::Wheel(int notches) {
    const QPointF middle(ChartWidth / 2.0, ChartHeight / 2.0);
    QWheelEvent event(middle, chart.mapToGlobal(middle), QPoint(),
                      QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &event);
}

std::unique_ptr<TContender> MakeRadixtrek() { return std::make_unique<TRadixtrekContender>(); }

QRect RadixtrekPlotArea() {
    TRadixtrekContender reference;
    reference.Show({1, 2}, {0, FourMinutes});
    const TRect &plot = reference.chart.PlotRect;
    return QRect(QPoint(plot.Left, plot.Top), QPoint(plot.Right, plot.Bottom));
}
