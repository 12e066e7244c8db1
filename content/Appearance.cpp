#include "Appearance.h"

#include "Fonts.h"

#include <QApplication>
#include <QStyleFactory>

void SetUpAppearance() {
    InstallFontSubstitutions();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}
