#include "Panel.h"

#include "AccessibleRenewal.h"
#include "PanelAccessible.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

Panel::Panel(QWidget *parent) : QWidget(parent), color(palette().color(QPalette::Button)) {
    InstallPanelAccessibility();
}

void Panel::AnnounceChecked() {
    if (!checkable || !QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void Panel::RenewAccessibleIdentity() { ::RenewAccessibleIdentity(this); }

void Panel::SetVerdict(const QString &text) {
    if (text == verdict)
        return;
    verdict = text;
    if (!text.isEmpty() && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void Panel::SetCaption(const QString &text) {
    if (text == caption)
        return;
    caption = text;
    update();
}

void Panel::SetColor(const QColor &value) {
    if (value == color)
        return;
    color = value;
    update();
}

void Panel::SetSingleBorder(bool on) {
    if (on == singleBorder)
        return;
    singleBorder = on;
    update();
}

void Panel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), color);
    QRect textArea = rect();
    if (singleBorder) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        textArea.adjust(1, 1, -1, -1);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textArea, Qt::AlignCenter, caption);
}

void Panel::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        pressed = true;
    event->accept();
}

void Panel::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        pressed = false;
    event->accept();
    if (click)
        Click();
}

void Panel::mouseDoubleClickEvent(QMouseEvent *event) {
    // The second press of a double click is a press like the first: a learner who clicks a bit
    // cell twice in quick succession wants it back, as with a check box.
    mousePressEvent(event);
}
