#include "ChartSeries.h"

#include "Chart.h"

int TChartSeries::AddPointXY(double x, double y, const QString &label, TColor color) {
    std::size_t index = XValues.ValueCount();
    // Points usually arrive in order, so search backwards from the end.
    while (index > 0 && XValues.ValueAt(index - 1) > x)
        --index;
    XValues.InsertValueAt(index, x);
    YValues.InsertValueAt(index, y);
    PointColors.insert(PointColors.begin() + std::ptrdiff_t(index), color);
    PointLabels.insert(PointLabels.begin() + std::ptrdiff_t(index), label);
    RequestRepaint();
    return int(index);
}

void TChartSeries::ClearPoints() {
    XValues.ClearAllValues();
    YValues.ClearAllValues();
    PointColors.clear();
    PointLabels.clear();
    RequestRepaint();
}

void TChartSeries::RequestRepaint() {
    if (ParentChart)
        ParentChart->RequestRepaint();
}
