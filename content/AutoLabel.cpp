#include "AutoLabel.h"

#include <QFontMetrics>
#include <algorithm>

AutoLabel::AutoLabel(QWidget *parent, Qt::Alignment anchor) : QLabel(parent), anchor(anchor) {
    setAlignment(anchor | Qt::AlignVCenter);
}

void AutoLabel::SetCaption(const QString &text) {
    setText(text);
    FitToText();
}

void AutoLabel::FitToText() {
    const int right = x() + width();
    resize(sizeHint());
    if (anchor & Qt::AlignRight)
        move(right - width(), y());
}

void AutoLabel::SqueezeInto(int layoutWidth) {
    // Below this the letters get hard to read; a wider label is the lesser evil.
    constexpr int narrowestStretch = 75;
    QFont squeezed = font();
    const int natural = QFontMetrics(squeezed).horizontalAdvance(text());
    if (layoutWidth <= 0 || natural <= layoutWidth)
        return;
    int stretch = std::max(narrowestStretch, 100 * layoutWidth / natural);
    for (;; --stretch) {
        squeezed.setStretch(stretch);
        if (stretch == narrowestStretch ||
            QFontMetrics(squeezed).horizontalAdvance(text()) <= layoutWidth)
            break;
    }
    setFont(squeezed);
    FitToText();
}
