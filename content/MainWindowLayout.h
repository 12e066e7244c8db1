#pragma once

#include "WidgetRow.h"

#include <QSize>
#include <vector>

inline constexpr QSize MainClientSize{1016, 594};
inline const QString MainCaption = QStringLiteral("Radixtrek");

// Every widget of the main window, the two tab controls with their six pages included.
std::vector<WidgetRow> MainWindowRows();

// The explanation pages of the left tab control.
std::vector<WidgetRow> ExplanationPageRows();
// The table of the values 0 to 15 in decimal, hexadecimal and binary.
std::vector<WidgetRow> NumberTableRows();

// The practice pages of the right tab control.
std::vector<WidgetRow> PracticePageRows();
// The 48 drill frames HFr1 to HFr48 on their 4 x 12 grid.
std::vector<WidgetRow> HexFrameGridRows();
// The 36 frames DHFr1 to DHFr36 in two blocks of 3 x 6.
std::vector<WidgetRow> DecHexFrameGridRows();
