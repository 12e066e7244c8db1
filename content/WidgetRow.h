#pragma once

#include "Fonts.h"

#include <QRect>
#include <QString>

enum class WidgetKind {
    Label,
    Button,
    TabControl,
    Page,
    GroupBox,
    Rule,
    HexFrame,
    DecHexFrame,
    Chart
};

// One widget of a layout table. Rows are built in table order, so a parent comes before its
// children, and later rows lie above earlier ones.
struct WidgetRow {
    QString name; // the widget's object name
    WidgetKind kind;
    QString parent; // object name of the parent; empty for the window itself
    QRect geometry; // labels: the box of their text, which they resize to the font in use
    QString text = {};
    const FontSpec *font = nullptr; // none: the parent's font
    // Labels: the edge that stays in place when the label sizes itself to its text.
    Qt::Alignment alignment = Qt::AlignLeft;
    // Frames: where their inner part starts, and how high it is (0: as the frame makes it).
    // For a hexadecimal frame that is its row of cells, for a decimal/hex frame its answer
    // field.
    int innerLeft = 0;
    int innerHeight = 0;
};
