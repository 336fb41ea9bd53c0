// Schedule control, class GSHED.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::schedule {

extern const ClassDescriptor kClass;

#pragma pack(push, 1)
struct WindowLongs {
    HLOCAL block;
    LONG focus;
};
#pragma pack(pop)
static_assert(offsetof(WindowLongs, block) == GSHWL_BLOCK);
static_assert(offsetof(WindowLongs, focus) == GSHWL_FOCUS);
static_assert(Win32Is(GSHWL_FOCUS, 4) && Win32Is(sizeof(WindowLongs), 8));

} // namespace quorl::schedule
