#include "fixed_size_window.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include "xdg-shell-client-protocol.h"

// Qt only sends the states that differ from the compositor's last configuration, which
// still says "not maximised", so the withdrawal is sent here. Queued right behind the
// request, it reaches the compositor with it, and no maximised size is configured at all:
// once acknowledged, such a configuration could no longer be refused.
void WithdrawMaximizeRequest(QWindow& window)
{
    // Any of Qt's Wayland plugins: wayland, wayland-egl, wayland-generic and the like.
    if (!QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) return;
    auto* toplevel = static_cast<xdg_toplevel*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow("xdg_toplevel", &window));
    if (toplevel != nullptr) xdg_toplevel_unset_maximized(toplevel);
}
