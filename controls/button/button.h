// Graphic push button, class QUORL.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::button {

extern const ClassDescriptor kClass;

#pragma pack(push, 1)
struct WindowLongs {
    LONG reserved;
    LONG state;  // QSTATE_* and QBSTATE_*
    HLOCAL data; // the button's block
};
#pragma pack(pop)
static_assert(offsetof(WindowLongs, state) == QBWL_STATE);
static_assert(offsetof(WindowLongs, data) == QBWL_DATA);
static_assert(Win32Is(QBWL_DATA, 8) && Win32Is(sizeof(WindowLongs), 12));

} // namespace quorl::button
