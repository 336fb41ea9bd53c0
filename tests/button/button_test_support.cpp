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

Expected ExpectedLayout(int width, int height, int pictureWidth, const char* caption, HFONT font) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    RECT r = {pictureWidth, 2, width - 2, height - 2};
    DrawTextA(dc, caption, -1, &r, DT_CALCRECT | DT_NOCLIP | DT_WORDBREAK);
    SelectObject(dc, previous);
    DeleteDC(dc);
    const int tw = r.right - r.left;
    const int th = r.bottom - r.top;
    const int free = width - tw - pictureWidth - 10;
    return {free / 3 + 4, 2 * free / 3 + pictureWidth + 4, tw, th};
}

void Redraw(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

} // namespace button_test
