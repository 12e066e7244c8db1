#pragma once

#include <QString>
#include <functional>
#include <optional>

class QPoint;
class TChartSeries;
class TCustomAxisPanel;

// A point of one of a chart's series.
struct TChartPointRef {
    TChartSeries *Series = nullptr;
    int Index = -1;
};

// The points of a chart's series as one list, series after series in the order of the series
// list, each in the order of its values: the order in which screen readers hear them.
class TChartPoints {
public:
    explicit TChartPoints(const TCustomAxisPanel &chart) : chart(chart) {}

    int Count() const;
    // The point at a place of the list; nothing when there is no such place.
    std::optional<TChartPointRef> At(int position) const;
    // The place of a series' point in the list.
    int PositionOf(const TChartSeries *series, int index) const;
    // The shown point whose pixel lies nearest to at, among the active series; nothing when
    // no point is shown.
    std::optional<TChartPointRef> NearestShown(const QPoint &at) const;

private:
    const TCustomAxisPanel &chart;
};

// How a point is told in words, in a tooltip and to screen readers.
using TPointDescriber = std::function<QString(const TChartSeries &series, int index)>;

// The point's X and Y values, as plain numbers.
QString PlainPointDescription(const TChartSeries &series, int index);
