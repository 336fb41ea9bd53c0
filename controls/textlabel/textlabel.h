// Text label, class GTEXT.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::textlabel {

extern const ClassDescriptor kClass;

#pragma pack(push, 1)
struct WindowLongs {
    HFONT font;       // not owned
    HLOCAL fieldName; // owned; null when the label has no field name
};
#pragma pack(pop)
static_assert(offsetof(WindowLongs, font) == GTWL_FONT);
static_assert(offsetof(WindowLongs, fieldName) == GTWL_FIELDNAME);
static_assert(Win32Is(GTWL_FIELDNAME, 4) && Win32Is(sizeof(WindowLongs), 8));

} // namespace quorl::textlabel
