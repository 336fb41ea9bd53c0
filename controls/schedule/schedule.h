// Schedule control, class GSHED.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::schedule {

extern const ClassDescriptor kClass;

struct QUORL_WINDOW_LONGS WindowLongs {
    HLOCAL block; // GSHWL_BLOCK
    LONG focus;   // GSHWL_FOCUS
};
static_assert(offsetof(WindowLongs, focus) == GSHWL_FOCUS && Win32Is(sizeof(WindowLongs), 8));

} // namespace quorl::schedule
