// Graphic push button, class QUORL.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/class_descriptor.h"
#include "core/push_behaviour.h"
#include "quorl32.h"

namespace quorl::button {

extern const ClassDescriptor kClass;

// The window longs of both button classes.
using WindowLongs = PushWindowLongs;
static_assert(offsetof(WindowLongs, state) == QBWL_STATE &&
              offsetof(WindowLongs, data) == QBWL_DATA);

} // namespace quorl::button
