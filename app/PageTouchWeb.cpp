// What touch does where Qt 6.4 for WebAssembly answers only the mouse. A touch held still on the
// program's window is a right click, as touch screens make it elsewhere: it opens the version
// dialog from the window's margin and an answer field's menu from the field. A tap on a window's
// close button closes the window. The page tells holds from taps.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <emscripten/bind.h>

namespace {

// A right click at a point of the page's canvas: the press, the release, then the menu request
// that a platform sends after them.
void HoldOnPage(int x, int y) {
    const QPoint global = QGuiApplication::primaryScreen()->geometry().topLeft() + QPoint(x, y);
    QWidget *target = QApplication::widgetAt(global);
    if (!target)
        return;
    const QPoint local = target->mapFromGlobal(global);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::RightButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, local, global);
    QApplication::sendEvent(target, &menu);
}

// A tap at a point of the page's canvas: on the close button at the right end of a window's
// title bar, the button's square, it closes the window.
void TapOnPage(int x, int y) {
    const QPoint global = QGuiApplication::primaryScreen()->geometry().topLeft() + QPoint(x, y);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        const QRect frame = window->frameGeometry();
        const int title = window->geometry().top() - frame.top();
        const QRect button(frame.right() + 1 - title, frame.top(), title, title);
        if (window->isVisible() && title > 0 && button.contains(global)) {
            window->close();
            return;
        }
    }
}

} // namespace

EMSCRIPTEN_BINDINGS(page_touch) {
    emscripten::function("holdOnPage", &HoldOnPage);
    emscripten::function("tapOnPage", &TapOnPage);
}
