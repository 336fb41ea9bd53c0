#include "tests/button/button_test_support.h"

namespace button_test {

using quorl_test::RecordedMessage;

ButtonTest::ButtonTest()
    : focusNotify_(quorl_test::FocusNotifyMessage()),
      parent_({WM_COMMAND, quorl_test::FocusNotifyMessage()}) {}

HWND ButtonTest::Make(const char* text, DWORD style, int id, int width, int height,
                      HINSTANCE instance) {
    return parent_.child(QUORL_CLASS, text, style, 10, 10, width, height, id, instance);
}

void ButtonTest::Press(HWND button, int x, int y) {
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

void ButtonTest::Move(HWND button, int x, int y) {
    SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
}

void ButtonTest::Release(HWND button, int x, int y) {
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

std::vector<RecordedMessage> ButtonTest::Commands() const {
    std::vector<RecordedMessage> found;
    for (const RecordedMessage& m : parent_.messages()) {
        if (m.message == WM_COMMAND) {
            found.push_back(m);
        }
    }
    return found;
}

void Redraw(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

} // namespace button_test
