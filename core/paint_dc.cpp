#include "core/paint_dc.h"

namespace quorl {

PaintDC::PaintDC(HWND window, WPARAM given) {
    if (given != 0) {
        dc_ = reinterpret_cast<HDC>(given);
        return;
    }
    window_ = window;
    dc_ = BeginPaint(window, &ps_);
}

PaintDC::~PaintDC() {
    if (window_ != nullptr) {
        EndPaint(window_, &ps_);
    }
}

LRESULT PrintClient(HWND window, WPARAM dc, LPARAM flags) {
    if (dc == 0) {
        return 0;
    }
    if ((flags & PRF_ERASEBKGND) != 0) {
        SendMessageA(window, WM_ERASEBKGND, dc, 0);
    }
    SendMessageA(window, WM_PAINT, dc, 0);
    return 0;
}

} // namespace quorl
