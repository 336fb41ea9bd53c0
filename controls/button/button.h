// Graphic push button, class QUORL.
#pragma once

#include "core/class_descriptor.h"

namespace quorl::button {

extern const ClassDescriptor kClass;

} // namespace quorl::button
