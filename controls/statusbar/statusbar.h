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

struct QUORL_WINDOW_LONGS FieldLongs {
    LONG minWidth; // STSFWL_MINWIDTH
    LONG maxWidth; // STSFWL_MAXWIDTH
    LONG width;    // STSFWL_WIDTH
};
static_assert(offsetof(FieldLongs, width) == STSFWL_WIDTH && sizeof(FieldLongs) == 12);

} // namespace quorl::statusbar
