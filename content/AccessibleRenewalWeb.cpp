#include "AccessibleRenewal.h"

#include <QAccessible>

void RenewAccessibleIdentity(QObject *object) {
    if (!QAccessible::isActive())
        return;
    // The page's mirror of the accessible objects reads an object whole on any change of it, and
    // gathers the changes of one moment into one update of the page.
    QAccessibleEvent event(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
