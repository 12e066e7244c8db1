#include "StartUp.h"

#include "AppIcon.h"
#include "Appearance.h"
#include "MainWindowLayout.h"

#include <QApplication>

void SetUpApplication() {
    QApplication::setApplicationName(MainCaption);
    SetUpAppearance();
    QApplication::setWindowIcon(AppIcon());
}
