#include "controls/pageswitcher/pageswitcher.h"

namespace quorl::pageswitcher {

// Stand-in until the control's own behaviour is built: the window system's defaults.
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace quorl::pageswitcher
