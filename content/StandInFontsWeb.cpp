#include "Fonts.h"

#include <QFontDatabase>

// A browser offers its fonts to the page, not to the program, so the program carries the IPA
// fonts itself, cut down to the characters it can show.
bool HasOwnFont(const QString &family) { return QFontDatabase::hasFamily(family); }

void LoadStandInFont(const QString &file) {
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + file);
}
