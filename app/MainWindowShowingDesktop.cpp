#include "MainWindowShowing.h"

#include <QWidget>

void ShowMainWindow(QWidget &window) { window.show(); }
