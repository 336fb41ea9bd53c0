// Progress gauge, class GAUGE.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::gauge {

extern const ClassDescriptor kClass;

struct QUORL_WINDOW_LONGS WindowLongs {
    LONG range;    // GAUGEWL_RANGE
    LONG position; // GAUGEWL_POS
    HFONT font;    // GAUGEWL_FONT, not owned
};
static_assert(offsetof(WindowLongs, position) == GAUGEWL_POS &&
              offsetof(WindowLongs, font) == GAUGEWL_FONT && Win32Is(sizeof(WindowLongs), 12));

} // namespace quorl::gauge
