#include "Fonts.h"

#include <QCoreApplication>
#include <QFontDatabase>

// Every Japanese Windows has the layout's fonts. A Windows without them (no Japanese
// supplemental fonts) gets the IPA fonts shipped in the program's fonts folder.
bool HasOwnFont(const QString &family) { return QFontDatabase::hasFamily(family); }

void LoadStandInFont(const QString &file) {
    QFontDatabase::addApplicationFont(QCoreApplication::applicationDirPath() +
                                      QStringLiteral("/fonts/") + file);
}

void StandInForSystemFont() {}
