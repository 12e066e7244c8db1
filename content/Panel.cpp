#include "Panel.h"

#include "PanelAccessible.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

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
    if (!click)
        return;
    // A screen reader that clicks for the learner may click twice at one spot when it takes the
    // first click for a failure, the two arriving here together even when the display server
    // stamped them too far apart to count as a double click. While a screen reader runs, two
    // clicks handled within the double-click time are one double click.
    const bool secondHalf =
        QAccessible::isActive() && lastClick.isValid() &&
        lastClick.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
    lastClick.start();
    if (!secondHalf)
        Click();
}

void Panel::mouseDoubleClickEvent(QMouseEvent *event) {
    // The second press of a double click: its release clicks nothing.
    lastClick.start();
    event->accept();
}
