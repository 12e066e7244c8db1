#include "EventDriver.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Enough of the record to see how the failing state came about.
constexpr int RecentKept = 24;

} // namespace

EventDriver::EventDriver(int budget, Check check) : budget(budget), check(std::move(check)) {}

QWindow *EventDriver::WindowOf(QWidget *widget, QPoint &at) {
    QWidget *window = widget->window();
    at = widget->mapTo(window, at);
    // Kept inside the window, where a pointer over it can be; QTest also reads (0, 0) as "the
    // middle of the window".
    at.setX(std::clamp(at.x(), 0, window->width() - 1));
    at.setY(std::clamp(at.y(), 0, window->height() - 1));
    if (at.isNull())
        at.setX(1);
    return window->windowHandle();
}

void EventDriver::Click(QWidget *widget, QPoint at, Qt::MouseButton button,
                        Qt::KeyboardModifiers modifiers) {
    QWindow *window = WindowOf(widget, at);
    QTest::mouseClick(window, button, modifiers, at);
    AfterEvent();
}

void EventDriver::DoubleClick(QWidget *widget, QPoint at, Qt::MouseButton button) {
    QWindow *window = WindowOf(widget, at);
    QTest::mouseDClick(window, button, {}, at);
    AfterEvent();
}

void EventDriver::Press(QWidget *widget, QPoint at, Qt::MouseButton button,
                        Qt::KeyboardModifiers modifiers) {
    QWindow *window = WindowOf(widget, at);
    QTest::mousePress(window, button, modifiers, at);
    AfterEvent();
}

void EventDriver::Release(QWidget *widget, QPoint at, Qt::MouseButton button,
                          Qt::KeyboardModifiers modifiers) {
    QWindow *window = WindowOf(widget, at);
    QTest::mouseRelease(window, button, modifiers, at);
    AfterEvent();
}

void EventDriver::Move(QWidget *widget, QPoint at) {
    QWindow *window = WindowOf(widget, at);
    QTest::mouseMove(window, at);
    AfterEvent();
}

void EventDriver::Key(QWidget *widget, Qt::Key key, const QString &text,
                      Qt::KeyboardModifiers modifiers) {
    QTest::sendKeyEvent(QTest::Click, widget->window()->windowHandle(), key, text, modifiers);
    AfterEvent();
}

void EventDriver::Wheel(QWidget *widget, QPoint at, QPoint angleDelta) {
    QWheelEvent event(at, widget->mapToGlobal(QPointF(at)), QPoint(), angleDelta, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
    AfterEvent();
}

void EventDriver::Leave(QWidget *widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
    AfterEvent();
}

void EventDriver::Other(const std::function<void()> &event) {
    event();
    AfterEvent();
}

void EventDriver::Note(const QString &action) {
    recent.append(QStringLiteral("%1: %2").arg(fired).arg(action));
    if (recent.size() > RecentKept)
        recent.removeFirst();
}

void EventDriver::Fail(const QString &what) {
    if (failure.isEmpty())
        failure = QStringLiteral("after event %1: %2").arg(fired).arg(what);
}

void EventDriver::AfterEvent() {
    ++fired;
    if (!failure.isEmpty())
        return;
    const QString wrong = check();
    if (!wrong.isEmpty())
        Fail(wrong);
}
