// Status bar (class QuStsb) and status fields (class QuStsf).
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::statusbar {

// The bar's class carries the status font: made at every initialisation
// (its setup hook), deleted with the library's shared objects (teardown).
extern const ClassDescriptor kBarClass;
extern const ClassDescriptor kFieldClass;

#pragma pack(push, 1)
struct FieldLongs {
    LONG minWidth;
    LONG maxWidth;
    LONG width;
};
#pragma pack(pop)
static_assert(offsetof(FieldLongs, minWidth) == STSFWL_MINWIDTH);
static_assert(offsetof(FieldLongs, maxWidth) == STSFWL_MAXWIDTH);
static_assert(offsetof(FieldLongs, width) == STSFWL_WIDTH);
static_assert(sizeof(FieldLongs) == 12);

} // namespace quorl::statusbar
