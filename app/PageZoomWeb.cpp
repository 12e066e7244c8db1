// The browser's zoom changes how many screen pixels each of the page's pixels covers without
// resizing the window, so nothing in the program asks to be drawn again and the window would be
// shown stretched from its last picture. The page tells the program after each such change,
// once the new fineness is in force, and every widget is drawn again at it.
#include <QApplication>
#include <QWidget>
#include <emscripten/bind.h>

namespace {

void ZoomChanged() {
    for (QWidget *widget : QApplication::allWidgets())
        if (widget->isVisible())
            widget->update();
}

} // namespace

EMSCRIPTEN_BINDINGS(page_zoom) { emscripten::function("zoomChanged", &ZoomChanged); }
