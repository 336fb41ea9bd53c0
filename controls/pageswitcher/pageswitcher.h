// Page switcher, class GSEITE.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::pageswitcher {

extern const ClassDescriptor kClass;

#pragma pack(push, 1)
struct WindowLongs {
    LONG reserved;
    HLOCAL block;
    WNDPROC oldProc;
    LONG_PTR hookData;
};
#pragma pack(pop)
static_assert(offsetof(WindowLongs, block) == GSWL_BLOCK);
static_assert(offsetof(WindowLongs, oldProc) == GSWL_OLDPROC);
static_assert(offsetof(WindowLongs, hookData) == GSWL_HOOKDATA);
static_assert(Win32Is(GSWL_OLDPROC, 8) && Win32Is(GSWL_HOOKDATA, 12) &&
              Win32Is(sizeof(WindowLongs), 16));

// The class atom, used as the switcher's property name; kept across a
// re-initialisation that finds the class already registered.
ATOM PropertyAtom();

} // namespace quorl::pageswitcher
