#include "ChartPoints.h"

#include "AxisPanel.h"
#include "ChartSeries.h"

#include <QLocale>
#include <QPoint>
#include <limits>

int TChartPoints::Count() const {
    int count = 0;
    for (const TChartSeries *series : chart.SeriesList())
        count += series->PointCount();
    return count;
}

std::optional<TChartPointRef> TChartPoints::At(int position) const {
    if (position < 0)
        return std::nullopt;
    for (TChartSeries *series : chart.SeriesList()) {
        if (position < series->PointCount())
            return TChartPointRef{series, position};
        position -= series->PointCount();
    }
    return std::nullopt;
}

int TChartPoints::PositionOf(const TChartSeries *series, int index) const {
    int position = 0;
    for (const TChartSeries *each : chart.SeriesList()) {
        if (each == series)
            return position + index;
        position += each->PointCount();
    }
    return -1;
}

std::optional<TChartPointRef> TChartPoints::NearestShown(const QPoint &at) const {
    std::optional<TChartPointRef> nearest;
    double best = std::numeric_limits<double>::infinity();
    for (TChartSeries *series : chart.SeriesList()) {
        if (!series->Active() || series->FirstShown < 0)
            continue;
        // Points removed since the last paint are no longer shown.
        const int last = std::min(series->LastShown, series->PointCount() - 1);
        for (int i = series->FirstShown; i <= last; ++i) {
            const double dx = double(series->PointX(i)) - at.x();
            const double dy = double(series->PointY(i)) - at.y();
            const double distance = dx * dx + dy * dy;
            if (distance < best) {
                best = distance;
                nearest = TChartPointRef{series, i};
            }
        }
    }
    return nearest;
}

QString PlainPointDescription(const TChartSeries &series, int index) {
    const QLocale locale;
    return QStringLiteral("%1, %2").arg(locale.toString(series.XValueOf(index)),
                                        locale.toString(series.YValueOf(index)));
}
