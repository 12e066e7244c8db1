#pragma once

#include "FrameMargins.h"

#include <QRect>
#include <functional>
#include <memory>

class QWidget;

// Centres a top-level window's frame, title bar and borders included, on an area each time the
// window is shown. The window is placed before it is mapped with the frame that the window
// manager says it will draw, and placed again if the first frame the window manager then
// reports is a different one and nothing else has moved the window meanwhile.
class FramePlacement {
public:
    FramePlacement(QWidget *window, std::function<QRect()> area);
    ~FramePlacement();

    // For the window's show event, before the window is mapped.
    void Place();

    // The window's frame on the screen as the window manager reports it.
    static QRect FrameOf(QWidget *window);

private:
    void PlaceWith(const QMargins &frame);
    void FrameReported();

    QWidget *window;
    std::function<QRect()> area;
    QRect placed;               // the client area as last placed here
    bool awaitingFrame = false; // until the first report after placing
    std::unique_ptr<FrameWatch> watch;
};
