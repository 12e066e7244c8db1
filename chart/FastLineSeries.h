#pragma once

#include "ChartPen.h"
#include "ChartSeries.h"

// A series drawn as one plain line through its points, reaching past the right edge of the
// plot so that the line leaves it at the right slope.
class TFastLineSeries : public TChartSeries {
public:
    TFastLineSeries();

    // Also the colour of the line pen.
    void SetSeriesColor(TColor value) override;
    // With AutoRepaint off a new point does not repaint the chart.
    void PointAdded(TChartSeries *sender, int valueIndex) override;

    bool AutoRepaint = true;
    TChartPen LinePen;
};
