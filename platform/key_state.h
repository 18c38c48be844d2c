#ifndef PLATFORM_KEY_STATE_H
#define PLATFORM_KEY_STATE_H

#include <QtGlobal>

#include <optional>

// Whether the key of a native scan code is held down at this moment, as the display server has it; nothing where
// the server cannot be asked (not on X11). A key event may come late, or, passed through a screen reader, without
// its auto-repeat mark: only the server still knows whether the key went up.
[[nodiscard]] std::optional<bool> KeyIsDown(quint32 nativeScanCode);

#endif
