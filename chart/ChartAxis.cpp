#include "ChartAxis.h"

#include "Chart.h"

#include <utility>

void TChartAxis::SetRange(double aMin, double aMax) {
    Automatic = false;
    AutomaticMinimum = false;
    AutomaticMaximum = false;
    if (aMin > aMax)
        std::swap(aMin, aMax);
    // An empty range would divide by zero when values become pixels.
    constexpr double minimumSpan = 1e-10;
    if (aMax - aMin < minimumSpan)
        aMax = aMin + minimumSpan;
    if (aMin == Minimum && aMax == Maximum)
        return;
    Minimum = aMin;
    Maximum = aMax;
    if (ParentChart)
        ParentChart->RequestRepaint();
}
