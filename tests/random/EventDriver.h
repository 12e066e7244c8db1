#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class QWindow;

// Sends single input events as the window system would deliver them, to the window that holds
// the widget, and runs a check after every one. It stops taking events once the budget is spent
// or a check has failed; the caller asks Stopped() between steps.
class EventDriver {
public:
    // The check returns what is wrong after an event, or an empty text.
    using Check = std::function<QString()>;

    EventDriver(int budget, Check check);

    // Mouse events at a point of the widget, in its coordinates.
    void Click(QWidget *widget, QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {});
    void DoubleClick(QWidget *widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void Press(QWidget *widget, QPoint at, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = {});
    void Release(QWidget *widget, QPoint at, Qt::MouseButton button,
                 Qt::KeyboardModifiers modifiers = {});
    void Move(QWidget *widget, QPoint at);
    // A key typed into the window that holds the widget; it reaches that window's focus.
    void Key(QWidget *widget, Qt::Key key, const QString &text = {},
             Qt::KeyboardModifiers modifiers = {});
    // Wheel turns and leave notices are sent to the widget itself.
    void Wheel(QWidget *widget, QPoint at, QPoint angleDelta);
    void Leave(QWidget *widget);
    // Anything else that counts as one event (a clock step, a menu command): runs it and checks.
    void Other(const std::function<void()> &event);

    // Reports something wrong that the check cannot see; the first failure is the one kept.
    void Fail(const QString &what);

    // Names what the next events are for, in the record that a failure report shows.
    void Note(const QString &action);
    QStringList RecentActions() const { return recent; }

    bool Stopped() const { return !failure.isEmpty() || fired >= budget; }
    // The first failed check, with the number of the event after which it failed.
    QString Failure() const { return failure; }

private:
    static QWindow *WindowOf(QWidget *widget, QPoint &at);
    void AfterEvent();

    int budget;
    Check check;
    int fired = 0;
    QString failure;
    QStringList recent;
};
