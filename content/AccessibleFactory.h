#pragma once

#include <QAccessible>

// Installs, once for the whole run, a factory that gives every object of class Widget (the
// class itself, not its subclasses) the accessible interface that make returns; make may
// return nullptr to leave the object to Qt's own support.
template <typename Widget, QAccessibleInterface *(*Make)(Widget *)>
void InstallAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString &className, QObject *object) -> QAccessibleInterface * {
                if (className != QLatin1String(Widget::staticMetaObject.className()))
                    return nullptr;
                auto *widget = qobject_cast<Widget *>(object);
                return widget ? Make(widget) : nullptr;
            });
        return true;
    }();
    Q_UNUSED(installed);
}
