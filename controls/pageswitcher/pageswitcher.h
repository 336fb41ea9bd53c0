// Page switcher, class GSEITE.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::pageswitcher {

extern const ClassDescriptor kClass;

struct QUORL_WINDOW_LONGS WindowLongs {
    LONG reserved;
    HLOCAL block;      // GSWL_BLOCK
    WNDPROC oldProc;   // GSWL_OLDPROC
    LONG_PTR hookData; // GSWL_HOOKDATA
};
static_assert(offsetof(WindowLongs, oldProc) == GSWL_OLDPROC &&
              offsetof(WindowLongs, hookData) == GSWL_HOOKDATA && Win32Is(GSWL_HOOKDATA, 12) &&
              offsetof(WindowLongs, block) == GSWL_BLOCK && Win32Is(sizeof(WindowLongs), 16));

// The class atom, used as the switcher's property name; kept across a
// re-initialisation that finds the class already registered.
ATOM PropertyAtom();

} // namespace quorl::pageswitcher
