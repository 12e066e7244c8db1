#include "AutoLabel.h"

#include <algorithm>

AutoLabel::AutoLabel(QWidget *parent, Qt::Alignment anchor) : QLabel(parent), anchor(anchor) {
    setAlignment(anchor | Qt::AlignVCenter);
}

void AutoLabel::SetCaption(const QString &text) {
    setText(text);
    FitToText();
}

void AutoLabel::SetFontColor(const QColor &color) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
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
    if (layoutWidth <= 0 || width() <= layoutWidth)
        return;
    // Measured as the label sizes itself, which may be wider than the text's advance.
    QFont squeezed = font();
    int stretch = std::max(narrowestStretch, 100 * layoutWidth / width());
    for (; stretch >= narrowestStretch; --stretch) {
        squeezed.setStretch(stretch);
        setFont(squeezed);
        FitToText();
        if (width() <= layoutWidth)
            break;
    }
}
