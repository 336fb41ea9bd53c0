// Text label, class GTEXT.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::textlabel {

extern const ClassDescriptor kClass;

struct QUORL_WINDOW_LONGS WindowLongs {
    HFONT font;       // GTWL_FONT, not owned
    HLOCAL fieldName; // GTWL_FIELDNAME, owned; null when the label has no field name
};
static_assert(offsetof(WindowLongs, fieldName) == GTWL_FIELDNAME && Win32Is(GTWL_FIELDNAME, 4));

} // namespace quorl::textlabel
