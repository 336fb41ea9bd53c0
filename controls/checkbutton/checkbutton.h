// Graphic check box and radio button, class QUCHECK.
#pragma once

#include "core/class_descriptor.h"

namespace quorl::checkbutton {

extern const ClassDescriptor kClass;

} // namespace quorl::checkbutton
