#include "key_state.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

std::optional<bool> KeyIsDown(quint32 nativeScanCode)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || nativeScanCode == 0 || nativeScanCode > 255) return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const std::unique_ptr<xcb_query_keymap_reply_t, decltype(&std::free)> keymap(
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr), &std::free);
    if (!keymap) return std::nullopt;
    // A bit per key code, in the order of the codes.
    return (keymap->keys[nativeScanCode / 8] >> (nativeScanCode % 8) & 1) != 0;
}
