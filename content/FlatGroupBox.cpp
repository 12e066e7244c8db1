#include "FlatGroupBox.h"

#include <QPainter>

namespace {

// Where the caption starts, from the box's left edge.
constexpr int CaptionIndent = 8;

} // namespace

FlatGroupBox::FlatGroupBox(const QString &title, QWidget *parent) : QGroupBox(title, parent) {
    setFlat(true);
}

void FlatGroupBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, lineY, width() - 1, height() - 1 - lineY));
    if (title().isEmpty())
        return;
    const QRect caption(CaptionIndent, 0, metrics.horizontalAdvance(title()), metrics.height());
    painter.fillRect(caption, palette().color(backgroundRole()));
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title());
}
