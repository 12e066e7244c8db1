#include "FrameMargins.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>
#include <xcb/xcb.h>

// On X11 the window manager draws the frame and reports it in the window's _NET_FRAME_EXTENTS
// property, normally only once it has framed the mapped window. Most window managers fill in
// the property for a window not yet mapped when asked with _NET_REQUEST_FRAME_EXTENTS, which
// lets the window be placed right before it is first seen.

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t *Connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t Root(xcb_connection_t *connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

xcb_atom_t Atom(xcb_connection_t *connection, const char *name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, false, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

Reply<xcb_get_property_reply_t> Property(xcb_connection_t *connection, xcb_window_t window,
                                         xcb_atom_t property, xcb_atom_t type,
                                         std::uint32_t longs) {
    return {xcb_get_property_reply(
                connection, xcb_get_property(connection, false, window, property, type, 0, longs),
                nullptr),
            &std::free};
}

// The property in device pixels, left, right, top, bottom; nothing while it is not set.
std::optional<QMargins> Extents(xcb_connection_t *connection, xcb_window_t window,
                                xcb_atom_t extents) {
    const auto reply = Property(connection, window, extents, XCB_ATOM_CARDINAL, 4);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto *value = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return QMargins(int(value[0]), int(value[2]), int(value[1]), int(value[3]));
}

bool WindowManagerSupports(xcb_connection_t *connection, xcb_atom_t what) {
    const auto reply = Property(connection, Root(connection), Atom(connection, "_NET_SUPPORTED"),
                                XCB_ATOM_ATOM, 4096);
    if (!reply || reply->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, what) != atoms + count;
}

QMargins InWidgetPixels(const QMargins &device, const QWidget *window) {
    const qreal ratio = window->devicePixelRatioF();
    return {qRound(device.left() / ratio), qRound(device.top() / ratio),
            qRound(device.right() / ratio), qRound(device.bottom() / ratio)};
}

} // namespace

QMargins ExpectedFrameMargins(QWidget *window) {
    xcb_connection_t *connection = Connection();
    if (!connection)
        return KnownFrameMargins(window);
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (!WindowManagerSupports(connection, request))
        return CurrentFrameMargins(window);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_delete_property(connection, id, extents);
    xcb_send_event(connection, false, Root(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
    // The window manager answers at once; a busy one is given a fifth of a second, after which
    // the frame is taken as the window manager reports it once it has framed the window.
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 200ms;
    while (std::chrono::steady_clock::now() < deadline) {
        if (const auto answer = Extents(connection, id, extents))
            return InWidgetPixels(*answer, window);
        std::this_thread::sleep_for(2ms);
    }
    return KnownFrameMargins(window);
}

QMargins CurrentFrameMargins(QWidget *window) {
    xcb_connection_t *connection = Connection();
    if (!connection)
        return KnownFrameMargins(window);
    const auto reported =
        Extents(connection, xcb_window_t(window->winId()), Atom(connection, "_NET_FRAME_EXTENTS"));
    return reported ? InWidgetPixels(*reported, window) : KnownFrameMargins(window);
}

struct FrameWatch::Filter : QAbstractNativeEventFilter {
    xcb_window_t window = XCB_WINDOW_NONE;
    xcb_atom_t extents = XCB_ATOM_NONE;
    std::function<void()> changed;

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (notify->window == window && notify->atom == extents &&
            notify->state == XCB_PROPERTY_NEW_VALUE)
            changed();
        return false;
    }
};

FrameWatch::FrameWatch(QWidget *window, std::function<void()> changed) : filter(nullptr) {
    xcb_connection_t *connection = Connection();
    if (!connection)
        return;
    filter = new Filter;
    filter->window = xcb_window_t(window->winId());
    filter->extents = Atom(connection, "_NET_FRAME_EXTENTS");
    filter->changed = std::move(changed);
    qGuiApp->installNativeEventFilter(filter);
}

FrameWatch::~FrameWatch() {
    if (filter)
        qGuiApp->removeNativeEventFilter(filter);
    delete filter;
}
