#pragma once

#include <QLabel>

// A single-line label that sizes itself to its text, keeping its left edge in place (or its
// right edge, when right-aligned).
class AutoLabel : public QLabel {
    Q_OBJECT
public:
    explicit AutoLabel(QWidget *parent = nullptr, Qt::Alignment anchor = Qt::AlignLeft);

    void SetCaption(const QString &text);
    void SetFontColor(const QColor &color);
    // Re-fits the label to its text, for instance after a font change.
    void FitToText();
    // The stand-in fonts set some texts wider than the fonts the layout was drawn with; such
    // a text is squeezed horizontally to the width the layout gives it, so that it keeps its
    // distance from its neighbours. Narrower texts stay as they are.
    void SqueezeInto(int layoutWidth);

private:
    Qt::Alignment anchor;
};
