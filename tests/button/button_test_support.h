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

// The shared fixture, watching WM_COMMAND and the focus notification.
class ButtonTest : public quorl_test::ControlTest {
protected:
    ButtonTest() : ControlTest({WM_COMMAND, quorl_test::FocusNotifyMessage()}) {}
    HWND Make(const char* text, DWORD style, int id, int width = 75, int height = 23,
              HINSTANCE instance = nullptr) {
        return parent_.child(QUORL_CLASS, text, style, 10, 10, width, height, id, instance);
    }
    static LONG State(HWND button) { return GetWindowLongA(button, QBWL_STATE); }
    std::vector<quorl_test::RecordedMessage> Commands() const { return Recorded(WM_COMMAND); }
};

using quorl_test::CountPixels;
using quorl_test::Redraw;
using quorl_test::Snapshot;

} // namespace button_test
