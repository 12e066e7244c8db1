// How an axis chooses the step between its labels and writes their texts.
#include "AxisPanel.h"
#include "ChartAxis.h"
