#include "close_request.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>
#include <string_view>

namespace qm::qt {
namespace {

// Asked of the X server once; Qt has made the atom by the time a window
// can be closed.
xcb_atom_t DeleteWindowAtom() {
    static const xcb_atom_t atom = [] {
        const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11) return xcb_atom_t{XCB_ATOM_NONE};
        xcb_connection_t* connection = x11->connection();
        constexpr std::string_view name = "WM_DELETE_WINDOW";
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, name.size(), name.data()), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return found;
    }();
    return atom;
}

}  // namespace

bool IsCloseRequest(const QByteArray& eventType, const void* message) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
    const auto* request = static_cast<const xcb_client_message_event_t*>(message);
    return request->format == 32 && request->data.data32[0] != XCB_ATOM_NONE &&
           request->data.data32[0] == DeleteWindowAtom();
}

}  // namespace qm::qt
