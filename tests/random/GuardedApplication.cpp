#include "GuardedApplication.h"

#include <exception>
#include <utility>

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        Record(receiver, event, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        Record(receiver, event, QStringLiteral("an exception of unknown type"));
    }
    return false;
}

void GuardedApplication::Record(QObject *receiver, const QEvent *event, const QString &what) {
    const QString name = receiver ? receiver->objectName() : QString();
    const QString type =
        receiver ? QLatin1String(receiver->metaObject()->className()) : QStringLiteral("nothing");
    escaped.append(
        QStringLiteral("event %1 to %2 \"%3\": %4").arg(int(event->type())).arg(type, name, what));
}

QStringList GuardedApplication::TakeEscaped() { return std::exchange(escaped, {}); }

GuardedApplication *GuardedApplication::Instance() {
    return qobject_cast<GuardedApplication *>(QCoreApplication::instance());
}
