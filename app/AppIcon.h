#pragma once

#include <QIcon>

// The 32 x 32, 16-colour icon of the main window and the version dialog.
QIcon AppIcon();
