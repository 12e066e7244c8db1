#include "Appearance.h"

#include "Fonts.h"
#include "QtTranslations.h"

#include <QApplication>
#include <QStyleFactory>

void SetUpAppearance() {
    InstallFontSubstitutions();
    InstallQtTranslations();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}
