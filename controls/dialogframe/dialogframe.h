// Dialog frame, class BORDLGPLAGIAT: a dialog class of its own.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::dialogframe {

extern const ClassDescriptor kClass;

// The dialog manager's share of a dialog's extra bytes comes first. MinGW's
// DLGWINDOWEXTRA says 30 for both targets, but on 64-bit Windows the dialog
// manager keeps a pointer at offset 24, so its share is 48 there.
struct QUORL_WINDOW_LONGS WindowLongs {
    BYTE dialogManager[QUORL_DIALOG_MANAGER_BYTES];
    HBRUSH brush;  // BDWL_BRUSH
    HICON icon;    // BDWL_ICON
    LONG_PTR user; // BDWL_USER
};
static_assert(Win32Is(BDWL_BRUSH, 30) && offsetof(WindowLongs, icon) == BDWL_ICON &&
              offsetof(WindowLongs, user) == BDWL_USER && Win32Is(sizeof(WindowLongs), 42));

} // namespace quorl::dialogframe
