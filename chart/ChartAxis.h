#pragma once

class TChart;

// One axis of a chart: its value range and whether that range follows the series.
class TChartAxis {
public:
    explicit TChartAxis(TChart *parentChart) : ParentChart(parentChart) {}

    // Fixes the range (the ends are swapped when given the wrong way round) and turns
    // automatic scaling off.
    void SetRange(double aMin, double aMax);

    double Minimum = 0;
    double Maximum = 0;
    bool Automatic = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    TChart *ParentChart;
};
