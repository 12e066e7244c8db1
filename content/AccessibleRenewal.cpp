#include "AccessibleRenewal.h"

#include <QAccessible>
#include <QWidget>

namespace {

void Unheard(QAccessibleEvent *) {}

} // namespace

void RenameByRenewal(QWidget *widget, const QString &name) {
    if (widget->accessibleName() == name)
        return;
    // A rename is told to screen readers on its own, and a reader told of dozens at once, as a
    // drill's start makes them, falls behind; the widget's new identity tells it instead.
    const QAccessible::UpdateHandler handler = QAccessible::installUpdateHandler(&Unheard);
    widget->setAccessibleName(name);
    QAccessible::installUpdateHandler(handler);
    RenewAccessibleIdentity(widget);
}
