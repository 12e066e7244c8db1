// What a chart tells of its points: the tooltip of the point nearest the mouse, and the
// announcement of a new point to screen readers.
#include "ChartAccessible.h"
#include "CustomChart.h"

#include <QHelpEvent>
#include <QToolTip>

QString TCustomChart::DescribePoint(const TChartSeries &series, int index) const {
    return PointDescriber ? PointDescriber(series, index) : PlainPointDescription(series, index);
}

bool TCustomChart::event(QEvent *event) {
    if (event->type() != QEvent::ToolTip)
        return TCustomAxisPanel::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QRect plot(QPoint(PlotRect.Left, PlotRect.Top), QPoint(PlotRect.Right, PlotRect.Bottom));
    const std::optional<TChartPointRef> point =
        plot.contains(help->pos()) ? TChartPoints(*this).NearestShown(help->pos()) : std::nullopt;
    if (!point) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), DescribePoint(*point->Series, point->Index), this);
    return true;
}

void TCustomChart::SeriesPointAdded(TChartSeries *series, int valueIndex) {
    AnnouncePointAdded(this, series, valueIndex);
}
