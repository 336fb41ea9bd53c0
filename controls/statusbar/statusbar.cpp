#include "controls/statusbar/statusbar.h"

namespace quorl::statusbar {

namespace {

// Stand-ins until the bar's own behaviour is built: the window system's defaults.
LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK FieldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// The status font and metrics, once the bar is built.
void CreateStatusFont() {}
void DeleteStatusFont() {}

} // namespace

const ClassDescriptor kBarClass = {
    QUSTSB_CLASS,  kRedrawOnResize,  0,       ButtonFaceBrush,
    BarWindowProc, CreateStatusFont, nullptr, DeleteStatusFont,
};

const ClassDescriptor kFieldClass = {
    QUSTSF_CLASS, kRedrawOnResize, sizeof(FieldLongs), ButtonFaceBrush, FieldWindowProc, nullptr,
    nullptr,      nullptr,
};

} // namespace quorl::statusbar

// The exported status-bar functions answer "nothing done" until the bar's
// behaviour is built.
extern "C" {

HWND WINAPI StsbCreate(HWND, HINSTANCE, int) {
    return nullptr;
}

BOOL WINAPI StsbAdjust(HWND, HWND) {
    return TRUE;
}

HWND WINAPI StsbAddField(HWND, HINSTANCE, int, int, int, LONG) {
    return nullptr;
}

int WINAPI StsbGetHeight(HWND) {
    return 0;
}

LRESULT WINAPI StsbAutoInfo(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

} // extern "C"
