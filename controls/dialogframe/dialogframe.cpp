#include "controls/dialogframe/dialogframe.h"

namespace quorl::dialogframe {

// A dialog class: until the frame's own procedure is built, the dialog
// manager's.
const ClassDescriptor kClass = {BORDLGPLAGIAT_CLASS, kRedrawOnResize, sizeof(WindowLongs), NoBrush,
                                DefDlgProcA};

} // namespace quorl::dialogframe
