// WM_PAINT and WM_PRINTCLIENT draw through one path, so that a picture
// taken by PrintWindow, AnimateWindow or a double-buffered parent shows
// exactly what the screen shows.
#pragma once

#include <windows.h>

namespace quorl {

// The device context of one WM_PAINT: the one the sender handed over in
// wParam (drawn into as it is, nothing validated, and handed back with
// its colours, modes, objects and pen position as they were, since the
// caller goes on drawing with it), or otherwise the window's own between
// BeginPaint and EndPaint.
class PaintDC {
public:
    PaintDC(HWND window, WPARAM given);
    ~PaintDC();
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    // Null when BeginPaint failed.
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    // True when painting the window itself rather than a caller's context.
    bool onScreen() const { return window_ != nullptr; }

private:
    HWND window_ = nullptr; // set only when BeginPaint ran
    HDC dc_ = nullptr;
    int saved_ = 0; // the caller's state, for a given context
    PAINTSTRUCT ps_{};
};

// WM_PRINTCLIENT: the window's own WM_ERASEBKGND when PRF_ERASEBKGND asks
// for it, then its WM_PAINT, both into the given context, which the caller
// gets back as it handed it over. A null context draws nothing.
LRESULT PrintClient(HWND window, WPARAM dc, LPARAM flags);

} // namespace quorl
