#include "controls/dialogframe/dialogframe.h"

namespace quorl::dialogframe {

namespace {

// Stand-in until the frame's own behaviour is built: the dialog manager's defaults.
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcA(window, message, wParam, lParam);
}

} // namespace

const ClassDescriptor kClass = {
    BORDLGPLAGIAT_CLASS,
    kRedrawOnResize,
    sizeof(WindowLongs),
    NoBrush,
    WindowProc,
    nullptr,
    nullptr,
    nullptr,
};

} // namespace quorl::dialogframe
