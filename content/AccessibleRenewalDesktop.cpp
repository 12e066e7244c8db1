#include "AccessibleRenewal.h"

#include <QAccessible>

void RenewAccessibleIdentity(QObject *object) {
    if (!QAccessible::isActive())
        return;
    // Screen readers keep what they learnt of an object until told of each change, and a screen
    // reader told of a hundred changes at once falls seconds behind, or drops what comes next.
    // What they kept of the old identity is simply never asked for again.
    if (QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible));
}
