#include "AppIcon.h"

#include <QPixmap>

#include "radixtrek.xpm"

QIcon AppIcon() { return QIcon(QPixmap(radixtrek_icon)); }
