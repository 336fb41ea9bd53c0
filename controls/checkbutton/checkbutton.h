// Graphic check box and radio button, class QUCHECK.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::checkbutton {

extern const ClassDescriptor kClass;

#pragma pack(push, 1)
struct WindowLongs {
    LONG reserved;
    LONG state;  // QSTATE_* and QCSTATE_*
    HLOCAL data; // the control's block
};
#pragma pack(pop)
static_assert(offsetof(WindowLongs, state) == QCWL_STATE);
static_assert(offsetof(WindowLongs, data) == QCWL_DATA);
static_assert(Win32Is(QCWL_DATA, 8) && Win32Is(sizeof(WindowLongs), 12));

} // namespace quorl::checkbutton
