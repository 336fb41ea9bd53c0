#include "core/paint_dc.h"

namespace quorl {

PaintDC::PaintDC(HWND window, WPARAM given) {
    if (given != 0) {
        dc_ = reinterpret_cast<HDC>(given);
        saved_ = SaveDC(dc_);
        return;
    }
    window_ = window;
    dc_ = BeginPaint(window, &ps_);
}

PaintDC::~PaintDC() {
    if (saved_ > 0) {
        RestoreDC(dc_, saved_);
    }
    if (window_ != nullptr) {
        EndPaint(window_, &ps_);
    }
}

LRESULT PrintClient(HWND window, WPARAM dc, LPARAM flags) {
    if (dc == 0) {
        return 0;
    }
    // Kept across the erase too, which may hand the context to the parent
    // for its colours.
    HDC context = reinterpret_cast<HDC>(dc);
    const int saved = SaveDC(context);
    if ((flags & PRF_ERASEBKGND) != 0) {
        SendMessageA(window, WM_ERASEBKGND, dc, 0);
    }
    SendMessageA(window, WM_PAINT, dc, 0);
    if (saved > 0) {
        RestoreDC(context, saved);
    }
    return 0;
}

} // namespace quorl
