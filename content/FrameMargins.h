#pragma once

#include <QMargins>
#include <functional>

class QWidget;

// What the window manager puts around a top-level window's client area (title bar and
// borders), in the widget's pixels. Each platform answers in its own file.

// The frame as Qt knows it now.
QMargins KnownFrameMargins(const QWidget *window);

// The frame as the window manager reports it now.
QMargins CurrentFrameMargins(QWidget *window);

// The frame the window will have, asked for before the window is first mapped when the window
// manager can say so in advance; otherwise what is known now (nothing before the first map).
QMargins ExpectedFrameMargins(QWidget *window);

// Calls changed whenever the window manager reports a new frame for the shown window, until the
// returned object is destroyed; nothing is called where frames are known in advance.
class FrameWatch {
public:
    FrameWatch(QWidget *window, std::function<void()> changed);
    ~FrameWatch();
    FrameWatch(const FrameWatch &) = delete;
    FrameWatch &operator=(const FrameWatch &) = delete;

private:
    struct Filter;
    [[maybe_unused]] Filter *filter; // only where the platform needs watching
};
