#include "controls/schedule/schedule.h"

namespace quorl::schedule {

// Until the control's own procedure is built, the window system's defaults.
const ClassDescriptor kClass = {GSHED_CLASS, kWithDoubleClicks, sizeof(WindowLongs), LightGreyBrush,
                                DefWindowProcA};

} // namespace quorl::schedule
