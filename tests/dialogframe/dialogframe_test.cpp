// Dialogs of the frame class from resource templates.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::ClientPixel;
using quorl_test::PumpMessages;

constexpr COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kBlue = RGB(0, 0, 0xFF);
constexpr int kButtonId = 101;
constexpr int kTextId = 102;

std::vector<UINT> g_seen; // messages the dialog procedure received

INT_PTR CALLBACK EmptyDialog(HWND, UINT message, WPARAM, LPARAM) {
    g_seen.push_back(message);
    return message == WM_INITDIALOG;
}

HWND OpenDialog(const char* name) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), name, nullptr, EmptyDialog, 0);
    PumpMessages();
    return dialog;
}

COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(dialog_, nullptr); }
    void TearDown() override { DestroyWindow(dialog_); }
    HWND dialog_ = OpenDialog("FRAME");
};

TEST_F(FrameTest, LightGreyFaceForDialogAndControls) {
    RECT client;
    GetClientRect(dialog_, &client);
    EXPECT_EQ(ClientPixel(dialog_, client.right - 5, client.bottom - 5), kLightGrey);
    // The static text draws on light grey right of its text.
    HWND text = GetDlgItem(dialog_, kTextId);
    RECT r;
    GetClientRect(text, &r);
    EXPECT_EQ(ClientPixel(text, r.right - 2, r.bottom / 2), kLightGrey);
    // Both colour messages answer the light grey brush and background.
    for (UINT message : {WM_CTLCOLORBTN, WM_CTLCOLORSTATIC}) {
        HDC dc = CreateCompatibleDC(nullptr);
        SetBkColor(dc, RGB(1, 2, 3));
        g_seen.clear();
        const LRESULT brush = SendMessageA(dialog_, message, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH)));
        EXPECT_EQ(GetBkColor(dc), kLightGrey);
        EXPECT_TRUE(g_seen.empty());
        DeleteDC(dc);
    }
}

TEST_F(FrameTest, BrushRepaintsTheBackground) {
    HBRUSH blue = CreateSolidBrush(kBlue);
    SendMessageA(dialog_, BDM_SETBRUSH, reinterpret_cast<WPARAM>(blue), 0);
    EXPECT_EQ(SendMessageA(dialog_, BDM_GETBRUSH, 0, 0), reinterpret_cast<LRESULT>(blue));
    UpdateWindow(dialog_);
    RECT client;
    GetClientRect(dialog_, &client);
    EXPECT_EQ(ClientPixel(dialog_, client.right - 5, client.bottom - 5), kBlue);
    EXPECT_EQ(ClientPixel(dialog_, 1, 1), kBlue);
    // Back to the default.
    SendMessageA(dialog_, BDM_SETBRUSH, 0, 0);
    UpdateWindow(dialog_);
    EXPECT_EQ(ClientPixel(dialog_, 1, 1), kLightGrey);
    DestroyWindow(dialog_);
    dialog_ = nullptr;
    // The brush stays the application's.
    EXPECT_TRUE(DeleteObject(blue));
}

TEST_F(FrameTest, SlotsKeepWholeValues) {
    HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    const LONG_PTR value =
        sizeof(LONG_PTR) == 8 ? static_cast<LONG_PTR>(0x123456789ABCLL) : 0x7654321;
    const struct {
        UINT set;
        UINT get;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT expected;
    } cases[] = {
        {BDM_SETICON, BDM_GETICON, reinterpret_cast<WPARAM>(icon), 0,
         reinterpret_cast<LRESULT>(icon)},
        {BDM_SETUSERDATA, BDM_GETUSERDATA, 0, value, value},
        {BDM_SETUSERDATA, BDM_GETUSERDATA, 0, -1, -1},
    };
    for (const auto& c : cases) {
        g_seen.clear();
        SendMessageA(dialog_, c.set, c.wParam, c.lParam);
        EXPECT_EQ(SendMessageA(dialog_, c.get, 0, 0), c.expected) << c.get;
        // The setter reaches the dialog procedure, the getter does not.
        EXPECT_EQ(g_seen, std::vector<UINT>{c.set});
    }
}

TEST_F(FrameTest, RaisedBorderAndSunkenCaptionFrame) {
    RedrawWindow(dialog_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    RECT window;
    RECT client;
    GetWindowRect(dialog_, &window);
    GetClientRect(dialog_, &client);
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;
    const int b = (w - client.right) / 2;
    const int captionBottom = h - b - client.bottom - 1;
    ASSERT_GE(b, 3);
    const COLORREF dark = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const struct {
        int x;
        int y;
        COLORREF colour;
    } pixels[] = {
        {w - 1, h / 2, dark},
        {w / 2, h - 1, dark}, // outer bottom-right
        {1, h / 2, light},
        {w / 2, 1, light}, // inner top-left
        {0, h / 2, shadow},
        {w / 2, 0, shadow}, // outline
        {w - 2, h / 2, shadow},
        {w / 2, h - 2, shadow}, //
        {2, h / 2, kLightGrey},
        {w - 3, h / 2, kLightGrey}, // strips
        {w / 2, b, shadow},
        {b, captionBottom - 1, shadow}, // caption: sunken
        {w / 2, captionBottom, light},
        {w - b, b + 1, light},
    };
    for (const auto& p : pixels) {
        EXPECT_EQ(WindowPixel(dialog_, p.x, p.y), p.colour) << p.x << "," << p.y;
    }
}

TEST_F(FrameTest, NoBorderWhenMaximised) {
    ShowWindow(dialog_, SW_MAXIMIZE);
    RedrawWindow(dialog_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_TRUE(IsZoomed(dialog_));
    RECT window;
    RECT client;
    GetWindowRect(dialog_, &window);
    GetClientRect(dialog_, &client);
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;
    const int b = (w - client.right) / 2;
    // Where the caption frame would run, the caption shows.
    EXPECT_NE(WindowPixel(dialog_, w / 2, b), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_NE(WindowPixel(dialog_, w / 2, h - b - client.bottom - 1),
              GetSysColor(COLOR_BTNHIGHLIGHT));
}

// A minimised window has no client area left to show pixels in, so the
// icon's painting shows by the dialog procedure not being asked to paint.
TEST_F(FrameTest, MinimisedWithIconPaintsItself) {
    ShowWindow(dialog_, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(dialog_));
    HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    const struct {
        HICON icon;
        bool procedurePaints;
    } cases[] = {{icon, false}, {nullptr, true}};
    for (const auto& c : cases) {
        SendMessageA(dialog_, BDM_SETICON, reinterpret_cast<WPARAM>(c.icon), 0);
        g_seen.clear();
        SendMessageA(dialog_, WM_PAINT, 0, 0);
        EXPECT_EQ(g_seen == std::vector<UINT>{WM_PAINT}, c.procedurePaints);
    }
}

TEST(FrameAutoStatus, StatusBarAndClockOnlyWithTheStyleBit) {
    const struct {
        const char* name;
        bool bar;
    } cases[] = {{"FRAMEAUTO", true}, {"FRAME", false}};
    for (const auto& c : cases) {
        HWND dialog = OpenDialog(c.name);
        HWND bar = GetDlgItem(dialog, STSB_AUTO_BAR);
        SendMessageA(dialog, WM_TIMER, STSB_AUTO_TIMER, 0);
        SendMessageA(dialog, WM_COMMAND, kButtonId, 0);
        EXPECT_EQ(KillTimer(dialog, STSB_AUTO_TIMER), c.bar ? TRUE : FALSE) << c.name;
        if (!c.bar) {
            EXPECT_EQ(bar, nullptr);
        } else {
            char clock[16] = "";
            GetWindowTextA(GetDlgItem(bar, STSB_AUTO_CLOCK), clock, sizeof clock);
            EXPECT_NE(clock[0], '\0');
            char help[64] = "";
            GetWindowTextA(GetDlgItem(bar, STSB_AUTO_HELP), help, sizeof help);
            EXPECT_STREQ(help, "Knopf anklicken");
        }
        DestroyWindow(dialog);
    }
}

} // namespace
