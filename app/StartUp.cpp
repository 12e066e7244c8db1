#include "StartUp.h"

#include "AppIcon.h"
#include "Appearance.h"
#include "MainWindowLayout.h"

#include <QApplication>

void SetUpApplication() {
    QApplication::setApplicationName(MainCaption);
    // Lets the desktop match the window to the installed launcher entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral(RADIXTREK_APP_ID));
    SetUpAppearance();
    QApplication::setWindowIcon(AppIcon());
}
