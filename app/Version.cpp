#include "Version.h"

#include "AppIcon.h"

TVersionF::TVersionF(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("VersionF"));
    setWindowTitle(QStringLiteral("Version"));
    setWindowIcon(AppIcon());
    setFixedSize(316, 132);
}
