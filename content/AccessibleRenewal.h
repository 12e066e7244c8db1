#pragma once

class QObject;
class QString;
class QWidget;

// Tells screen readers that everything about an object may have changed at once (its name,
// description and state), with as little as each platform allows.
void RenewAccessibleIdentity(QObject *object);

// Gives a widget a new accessible name, told to screen readers by a new identity rather than
// by a rename.
void RenameByRenewal(QWidget *widget, const QString &name);
