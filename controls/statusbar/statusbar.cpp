#include "controls/statusbar/statusbar.h"

namespace quorl::statusbar {

namespace {

// The status font and metrics, once the bar is built.
void CreateStatusFont() {}
void DeleteStatusFont() {}

} // namespace

const ClassDescriptor kBarClass = {.name = QUSTSB_CLASS,
                                   .style = kRedrawOnResize,
                                   .extraBytes = 0,
                                   .background = ButtonFaceBrush,
                                   .procedure = DefWindowProcA, // until its own is built
                                   .setup = CreateStatusFont,
                                   .teardown = DeleteStatusFont};

const ClassDescriptor kFieldClass = {QUSTSF_CLASS, kRedrawOnResize, sizeof(FieldLongs),
                                     ButtonFaceBrush, DefWindowProcA};

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
