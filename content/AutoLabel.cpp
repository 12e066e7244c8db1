#include "AutoLabel.h"

#include "AlertLabelAccessible.h"

#include <QAccessible>
#include <QEvent>
#include <algorithm>
#include <utility>

AutoLabel::AutoLabel(QWidget *parent, Qt::Alignment anchor) : QLabel(parent), anchor(anchor) {
    InstallAlertLabelAccessibility();
    setAlignment(anchor | Qt::AlignVCenter);
}

void AutoLabel::SetCaption(const QString &text) {
    const bool appears = text.isEmpty() != this->text().isEmpty();
    setText(text);
    FitWhenShown();
    // An empty message line is hidden from screen readers; tell them when it comes and goes.
    if (alert && appears && isVisible() && QAccessible::isActive()) {
        QAccessibleEvent event(this,
                               text.isEmpty() ? QAccessible::ObjectHide : QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&event);
    }
}

void AutoLabel::RaiseAlert() {
    QAccessibleEvent event(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
    emit AlertRaised();
}

void AutoLabel::SqueezeInto(int layoutWidth) {
    squeezeWidth = layoutWidth;
    FitWhenShown();
}

void AutoLabel::FitWhenShown() {
    fitPending = true;
    if (isVisible())
        EnsureFitted();
}

void AutoLabel::EnsureFitted() {
    if (!fitPending)
        return;
    fitPending = false;
    FitToText();
    Squeeze();
}

bool AutoLabel::event(QEvent *event) {
    if (event->type() == QEvent::Show)
        EnsureFitted();
    return QLabel::event(event);
}

void AutoLabel::SetFontColor(const QColor &color) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
}

QMargins AutoLabel::InkOverhang() const {
    // Some glyphs of the stand-in fonts reach a pixel above the font's ascent, and some letters
    // (a bold V) start left of their origin.
    const QFontMetrics metrics(font());
    const QRect ink = metrics.boundingRect(text());
    return {std::max(0, -ink.left()), std::max(0, -metrics.ascent() - ink.top()),
            std::max(0, ink.right() + 1 - metrics.horizontalAdvance(text())),
            std::max(0, ink.bottom() + 1 - metrics.descent())};
}

void AutoLabel::FitToText() {
    // The label's box is its text's; ink that reaches beyond it gets room outside the box,
    // with the text left where it was.
    const QRect box = TextBox();
    setContentsMargins({});
    QRect fitted(box.topLeft(), sizeHint());
    if (anchor & Qt::AlignRight)
        fitted.moveRight(box.right());
    const QMargins overhang = text().isEmpty() ? QMargins() : InkOverhang();
    setContentsMargins(overhang);
    setGeometry(fitted.marginsAdded(overhang));
}

void AutoLabel::Squeeze() {
    const int layoutWidth = std::exchange(squeezeWidth, 0);
    // Below this the letters get hard to read; a wider label is the lesser evil.
    constexpr int narrowestStretch = 75;
    // Stretches come in steps, so that the squeezed labels share a handful of fonts: every
    // distinct font costs a font load at start-up.
    constexpr int stretchStep = 4;
    // An empty caption has nothing to squeeze; a text shown later is shown at full width.
    if (layoutWidth <= 0 || text().isEmpty() || TextBox().width() <= layoutWidth)
        return;
    // Measured as the label sizes itself, which may be wider than the text's advance.
    QFont squeezed = font();
    int stretch = 100 * layoutWidth / TextBox().width();
    stretch = std::max(narrowestStretch, stretch - stretch % stretchStep);
    for (;;) {
        squeezed.setStretch(stretch);
        setFont(squeezed);
        FitToText();
        if (TextBox().width() <= layoutWidth || stretch == narrowestStretch)
            return;
        stretch = std::max(narrowestStretch, stretch - stretchStep);
    }
}
