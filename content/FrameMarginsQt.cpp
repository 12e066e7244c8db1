#include "FrameMargins.h"

#include <QWidget>

// Where the platform gives a window its frame itself (Windows) or draws none, Qt knows the
// frame as soon as the native window exists.
QMargins ExpectedFrameMargins(QWidget *window) {
    window->winId();
    return KnownFrameMargins(window);
}

QMargins CurrentFrameMargins(QWidget *window) { return KnownFrameMargins(window); }

struct FrameWatch::Filter {};

FrameWatch::FrameWatch(QWidget *, std::function<void()>) : filter(nullptr) {}

FrameWatch::~FrameWatch() = default;
