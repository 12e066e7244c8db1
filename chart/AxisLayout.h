#pragma once

#include "AxisMap.h"

#include <QString>
#include <vector>

// A label as the layout placed it along its axis.
struct TAxisLabel {
    int Position = 0;
    QString Text;
};

// What one layout decided for an axis: how it maps values to pixels, the lines across it where
// its title, labels and axis line go, and the labels and ticks along it.
struct TAxisLayout {
    TAxisMap Map;
    int TitlePos = 0;
    int LabelsPos = 0;
    int AxisPos = 0;
    // The axis shows date-time values.
    bool DateTimeActive = false;
    std::vector<TAxisLabel> Labels;
    // Where ticks and grid lines go.
    std::vector<int> TickPositions;
};
