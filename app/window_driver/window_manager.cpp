#include "window_manager.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace qm::window {
namespace {

// Who asks, for the window manager: a pager, standing for the player.
constexpr std::uint32_t kSourcePager = 2;
// _NET_MOVERESIZE_WINDOW's flags: the width and height are given.
constexpr std::uint32_t kWidthAndHeight = (1u << 10) | (1u << 11);

xcb_connection_t* Connection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) std::abort();  // the driver runs only on X
    return x11->connection();
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t Root(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

void SendToWindowManager(const QWidget& window, const char* message, std::array<std::uint32_t, 5> data) {
    xcb_connection_t* connection = Connection();
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window.winId());
    event.type = Atom(connection, message);
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(connection, 0, Root(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
}

}  // namespace

void AskToResize(const QWidget& window, QSize size) {
    const std::uint32_t flags = kWidthAndHeight | (kSourcePager << 12);
    SendToWindowManager(
        window, "_NET_MOVERESIZE_WINDOW",
        {flags, 0, 0, static_cast<std::uint32_t>(size.width()), static_cast<std::uint32_t>(size.height())});
}

bool IsActive(const QWidget& window) {
    xcb_connection_t* connection = Connection();
    const auto cookie = xcb_get_property(connection, 0, Root(connection), Atom(connection, "_NET_ACTIVE_WINDOW"),
                                         XCB_ATOM_WINDOW, 0, 1);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) != sizeof(xcb_window_t)) return false;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get())) == window.winId();
}

void AskToActivate(const QWidget& window) {
    SendToWindowManager(window, "_NET_ACTIVE_WINDOW", {kSourcePager, XCB_CURRENT_TIME, 0, 0, 0});
}

void AskToClose(const QWidget& window) {
    SendToWindowManager(window, "_NET_CLOSE_WINDOW", {XCB_CURRENT_TIME, kSourcePager, 0, 0, 0});
}

}  // namespace qm::window
