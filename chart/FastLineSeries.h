#pragma once

#include "ChartSeries.h"

// A series drawn as one plain line through its points.
class TFastLineSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
};
