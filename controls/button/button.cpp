#include "controls/button/button.h"

namespace quorl::button {

// Stand-in until the control's own behaviour is built: the window system's defaults.
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace quorl::button
