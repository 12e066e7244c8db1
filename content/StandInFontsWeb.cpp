#include "Fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

// A browser offers its fonts to the page, not to the program, so the program carries the IPA
// fonts itself, cut down to the characters it can show.
bool HasOwnFont(const QString &family) { return QFontDatabase::hasFamily(family); }

void LoadStandInFont(const QString &file) {
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + file);
}

// The family the platform names for its user interface is none of the program's fonts.
void StandInForSystemFont() {
    const QString systemFont = QGuiApplication::font().family();
    if (!QFontDatabase::hasFamily(systemFont))
        QFont::insertSubstitution(systemFont, QStringLiteral("IPAPGothic"));
}
