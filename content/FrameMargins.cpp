#include "FrameMargins.h"

#include <QWidget>
#include <QWindow>

QMargins KnownFrameMargins(const QWidget *window) {
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}
