#pragma once

// Lets screen readers find in a chart, besides its name and summary, one list item for every
// point, told in words by the chart and placed as a line of text over it. Safe to call more
// than once.
void InstallChartAccessibility();

class TCustomChart;
class TChartSeries;

// Tells screen readers that a point has joined the chart.
void AnnouncePointAdded(TCustomChart *chart, const TChartSeries *series, int index);
