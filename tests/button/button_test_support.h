// Helpers shared by the tests of the graphic push button.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace button_test {

// Ids of the test program's own bitmaps (tests/button/bitmaps).
constexpr int kRedBlockId = 300;  // 24 x 25, first column white, the rest red
constexpr int kEightBitId = 400;  // 16 x 16, 256 colours
constexpr int kNoPictureId = 500; // no bitmap anywhere

constexpr COLORREF kSilver = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(0xFF, 0, 0);

// A recording parent that watches WM_COMMAND and the focus notification.
class ButtonTest : public ::testing::Test {
protected:
    ButtonTest();
    HWND Make(const char* text, DWORD style, int id, int width = 75, int height = 23,
              HINSTANCE instance = nullptr);
    static LONG State(HWND button) { return GetWindowLongA(button, QBWL_STATE); }
    static void Press(HWND button, int x, int y);
    static void Move(HWND button, int x, int y);
    static void Release(HWND button, int x, int y);
    std::vector<quorl_test::RecordedMessage> Commands() const;

    UINT focusNotify_;
    quorl_test::RecordingParent parent_;
};

// Where a caption lands: measured in a memory DC with the given font, as
// the button measures it at its first paint.
struct Expected {
    int pictureLeft;
    int captionLeft;
    int captionWidth;
    int captionHeight;
};
Expected ExpectedLayout(int width, int height, int pictureWidth, const char* caption,
                        HFONT font = nullptr);

// Paints the window now, erasing first, as a WM_PAINT would.
void Redraw(HWND window);

using quorl_test::CountPixels;
using quorl_test::Snapshot;

} // namespace button_test
