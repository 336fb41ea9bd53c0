#include "controls/schedule/schedule.h"

namespace quorl::schedule {

namespace {

// Stand-in until the control's own behaviour is built: the window system's defaults.
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

const ClassDescriptor kClass = {
    GSHED_CLASS, kWithDoubleClicks, sizeof(WindowLongs), LightGreyBrush, WindowProc, nullptr,
    nullptr,     nullptr,
};

} // namespace quorl::schedule
