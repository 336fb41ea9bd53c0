// Graphic check box and radio button, class QUCHECK.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/push_behaviour.h"
#include "quorl32.h"

namespace quorl::checkbutton {

extern const ClassDescriptor kClass;

// The window longs of both button classes.
using WindowLongs = PushWindowLongs;
static_assert(offsetof(WindowLongs, state) == QCWL_STATE &&
              offsetof(WindowLongs, data) == QCWL_DATA);

} // namespace quorl::checkbutton
