#include "Fonts.h"

// On Linux the stand-ins are always used: the IPA fonts come installed with the program's
// package, and a Windows font copied onto the system would not be the one the layout was
// measured with on a Japanese Windows.
bool HasOwnFont(const QString &) { return false; }

void LoadStandInFont(const QString &) {}

void StandInForSystemFont() {}
