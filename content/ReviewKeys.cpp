#include "ReviewKeys.h"

#include "ScreenReader.h"

#include <QCoreApplication>
#include <QKeyEvent>

ReviewKeyFilter::ReviewKeyFilter(QObject *owner) : QObject(owner) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool ReviewKeyFilter::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool digit = key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9;
    if (key->modifiers().testFlag(Qt::KeypadModifier) && !digit && ScreenReaderRunning())
        return true;
    return QObject::eventFilter(watched, event);
}
