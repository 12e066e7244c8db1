#pragma once

#include "WidgetRow.h"

#include <QHash>
#include <functional>
#include <vector>

class QWidget;

// Creates the widgets of the kinds that belong to other parts of the program (frames, charts).
using CustomWidgetFactory = std::function<QWidget *(const WidgetRow &row, QWidget *parent)>;

// Builds every row of a layout table under root, in table order, and returns the widgets by
// object name. A row whose parent is not built yet, or whose custom kind the factory does not
// make, is skipped.
QHash<QString, QWidget *> BuildWidgets(QWidget *root, const std::vector<WidgetRow> &rows,
                                       const CustomWidgetFactory &makeCustom);
