#include "FastLineSeries.h"

TFastLineSeries::TFastLineSeries() {
    KeepPointBeyondEnd = true;
    LinePen.OnChange = [this] { RequestRepaint(); };
}

void TFastLineSeries::SetSeriesColor(TColor value) {
    TChartSeries::SetSeriesColor(value);
    LinePen.SetColor(value);
}

void TFastLineSeries::PointAdded(TChartSeries *sender, int valueIndex) {
    if (AutoRepaint)
        TChartSeries::PointAdded(sender, valueIndex);
}
