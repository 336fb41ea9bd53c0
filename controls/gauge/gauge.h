// Progress gauge, class GAUGE.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::gauge {

extern const ClassDescriptor kClass;

#pragma pack(push, 1)
struct WindowLongs {
    LONG range;
    LONG position;
    HFONT font; // not owned
};
#pragma pack(pop)
static_assert(offsetof(WindowLongs, range) == GAUGEWL_RANGE);
static_assert(offsetof(WindowLongs, position) == GAUGEWL_POS);
static_assert(offsetof(WindowLongs, font) == GAUGEWL_FONT);
static_assert(Win32Is(GAUGEWL_POS, 4) && Win32Is(GAUGEWL_FONT, 8) &&
              Win32Is(sizeof(WindowLongs), 12));

} // namespace quorl::gauge
