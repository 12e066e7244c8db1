#include "FramePlacement.h"

#include <QWidget>

FramePlacement::FramePlacement(QWidget *window, std::function<QRect()> area)
    : window(window), area(std::move(area)) {}

FramePlacement::~FramePlacement() = default;

void FramePlacement::Place() {
    awaitingFrame = true;
    PlaceWith(ExpectedFrameMargins(window));
    if (!watch)
        watch = std::make_unique<FrameWatch>(window, [this] { FrameReported(); });
}

QRect FramePlacement::FrameOf(QWidget *window) {
    return window->geometry().marginsAdded(CurrentFrameMargins(window));
}

void FramePlacement::PlaceWith(const QMargins &frame) {
    const QRect target = area();
    const QSize size = window->size().grownBy(frame);
    const QPoint corner(target.x() + (target.width() - size.width()) / 2,
                        target.y() + (target.height() - size.height()) / 2);
    placed = QRect(corner + QPoint(frame.left(), frame.top()), window->size());
    window->setGeometry(placed);
}

void FramePlacement::FrameReported() {
    // Only the first report answers for the frame the window was placed with. Later ones come
    // with changes of the window's state: a window manager going to full screen drops the frame
    // before it moves the window, and puts the window back itself.
    if (!awaitingFrame)
        return;
    awaitingFrame = false;
    // A window the user or the window manager has moved meanwhile stays where it is.
    if (window->isVisible() && window->geometry() == placed)
        PlaceWith(CurrentFrameMargins(window));
}
