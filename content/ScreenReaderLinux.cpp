#include "ScreenReader.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusVariant>

// A screen reader announces itself on the session's accessibility bus launcher; any other
// client of the bus leaves ScreenReaderEnabled false.
bool ScreenReaderRunning() {
    if (!QAccessible::isActive())
        return false;
    QDBusInterface properties(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                              QStringLiteral("org.freedesktop.DBus.Properties"),
                              QDBusConnection::sessionBus());
    if (!properties.isValid())
        return false;
    const QDBusReply<QDBusVariant> reply =
        properties.call(QStringLiteral("Get"), QStringLiteral("org.a11y.Status"),
                        QStringLiteral("ScreenReaderEnabled"));
    return reply.isValid() && reply.value().variant().toBool();
}
