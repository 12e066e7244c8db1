#pragma once

class QObject;

// Tells screen readers that everything about an object may have changed at once (its name,
// description and state), with as little as each platform allows.
void RenewAccessibleIdentity(QObject *object);
