#include "MainWindowShowing.h"

#include "AccessibilityMirror.h"

#include <QWidget>

// The page's canvas has the window's size and the page is its frame: a title bar drawn inside
// the canvas would push the window's lower edge out of sight. Qt draws one for any window that
// asks for a title, frameless or not.
void ShowMainWindow(QWidget &window) {
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.show();
    // The page's screen reader reads the window from the page's elements.
    MirrorAccessibilityOnPage();
}
