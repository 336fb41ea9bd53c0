// Dialogs of the frame class from resource templates.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::ClientPixel;

constexpr COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kBlue = RGB(0, 0, 0xFF);

std::vector<UINT> g_seen; // messages the dialog procedure received

INT_PTR CALLBACK EmptyDialog(HWND, UINT message, WPARAM, LPARAM) {
    g_seen.push_back(message);
    return message == WM_INITDIALOG;
}

HWND OpenDialog(const char* name, HWND owner = nullptr) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), name, owner, EmptyDialog, 0);
    quorl_test::PumpMessages();
    return dialog;
}

COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

class FrameTest : public quorl_test::ControlTest {
protected:
    void TearDown() override { DestroyWindow(dialog_); }
    COLORREF Face() const { return ClientPixel(dialog_, 5, 150); }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam = 0) {
        g_seen.clear();
        return SendMessageA(dialog_, message, wParam, lParam);
    }
    HWND dialog_ = OpenDialog("FRAME", parent_.hwnd());
};

TEST_F(FrameTest, GreyFaceBrushAndControlColours) {
    EXPECT_EQ(Face(), kLightGrey);
    HWND text = GetDlgItem(dialog_, 102);
    EXPECT_EQ(ClientPixel(text, 90, 5), kLightGrey); // right of the static text
    // Both colour messages answer light grey, unseen by the dialog procedure.
    HDC dc = CreateCompatibleDC(nullptr);
    for (UINT message : {WM_CTLCOLORBTN, WM_CTLCOLORSTATIC}) {
        SetBkColor(dc, RGB(1, 2, 3));
        EXPECT_EQ(Send(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text)),
                  reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH)));
        EXPECT_EQ(GetBkColor(dc), kLightGrey);
        EXPECT_TRUE(g_seen.empty());
    }
    DeleteDC(dc);

    HBRUSH blue = CreateSolidBrush(kBlue);
    Send(BDM_SETBRUSH, reinterpret_cast<WPARAM>(blue));
    UpdateWindow(dialog_);
    EXPECT_EQ(Face(), kBlue);
    Send(BDM_SETBRUSH, 0);
    UpdateWindow(dialog_);
    EXPECT_EQ(Face(), kLightGrey);
    EXPECT_TRUE(DeleteObject(blue)); // the brush stayed the application's
}

// Values are kept whole; setters reach the dialog procedure, getters not.
TEST_F(FrameTest, SettersAndGetters) {
    auto icon = reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_APPLICATION));
    auto brush = reinterpret_cast<LPARAM>(GetStockObject(BLACK_BRUSH));
    const LPARAM wide = sizeof(LPARAM) == 8 ? static_cast<LPARAM>(0x123456789ABCLL) : -2;
    const struct {
        UINT set;
        UINT get;
        LPARAM value;
    } cases[] = {{BDM_SETBRUSH, BDM_GETBRUSH, brush},
                 {BDM_SETICON, BDM_GETICON, icon},
                 {BDM_SETUSERDATA, BDM_GETUSERDATA, wide}};
    for (const auto& c : cases) {
        const bool inLParam = c.set == BDM_SETUSERDATA;
        Send(c.set, inLParam ? 0 : c.value, inLParam ? c.value : 0);
        EXPECT_EQ(g_seen, std::vector<UINT>{c.set});
        EXPECT_EQ(Send(c.get, 0), c.value);
        EXPECT_TRUE(g_seen.empty());
    }
}

struct FrameLines {
    int w, h, b; // window size and border width
    int caption; // bottom line of the caption frame
};

FrameLines LinesOf(HWND dialog) {
    RECT window;
    RECT client;
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;
    const int b = (w - client.right) / 2;
    return {w, h, b, h - b - client.bottom - 1};
}

struct Expected {
    int x, y;
    COLORREF colour;
};

// Pixels of the raised border and the sunken caption frame, in window
// coordinates.
std::vector<Expected> BorderPixels(HWND dialog) {
    const auto [w, h, b, caption] = LinesOf(dialog);
    const COLORREF dark = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    return {{w - 1, h / 2, dark},   {1, h / 2, light},      {0, h / 2, shadow},
            {w - 2, h / 2, shadow}, {w / 2, h - 2, shadow}, {2, h / 2, kLightGrey},
            {w / 2, b, shadow},     {w / 2, caption, light}};
}

TEST_F(FrameTest, RaisedBorderAndSunkenCaptionUnlessMaximised) {
    const auto [w, h, b, caption] = LinesOf(dialog_);
    for (const Expected& p : BorderPixels(dialog_)) {
        EXPECT_EQ(WindowPixel(dialog_, p.x, p.y), p.colour) << p.x << "," << p.y;
    }
    // Maximised, the caption shows where the caption frame would run.
    ShowWindow(dialog_, SW_MAXIMIZE);
    RedrawWindow(dialog_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const FrameLines maximised = LinesOf(dialog_);
    EXPECT_NE(WindowPixel(dialog_, w / 2, maximised.b), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_NE(WindowPixel(dialog_, w / 2, maximised.caption), GetSysColor(COLOR_BTNHIGHLIGHT));
}

// WM_PRINT draws the border into the context it hands over, at the pixels
// the screen shows it, and leaves the screen alone.
TEST_F(FrameTest, PrintDrawsTheBorderIntoTheGivenContext) {
    constexpr COLORREF kMarker = RGB(0xFF, 0x00, 0xFF);
    const FrameLines lines = LinesOf(dialog_);
    HDC screen = GetWindowDC(dialog_);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, lines.w, lines.h);
    HGDIOBJ previous = SelectObject(memory, picture);
    HBRUSH marker = CreateSolidBrush(kMarker);
    const RECT all = {0, 0, lines.w, lines.h};
    FillRect(memory, &all, marker);
    FillRect(screen, &all, marker);

    SendMessageA(dialog_, WM_PRINT, reinterpret_cast<WPARAM>(memory),
                 PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    for (const Expected& p : BorderPixels(dialog_)) {
        EXPECT_EQ(GetPixel(memory, p.x, p.y), p.colour) << p.x << "," << p.y;
        EXPECT_EQ(GetPixel(screen, p.x, p.y), kMarker) << p.x << "," << p.y;
    }
    // Without PRF_NONCLIENT nothing of the border is printed.
    FillRect(memory, &all, marker);
    SendMessageA(dialog_, WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    EXPECT_EQ(GetPixel(memory, 0, lines.h / 2), kMarker);

    DeleteObject(marker);
    SelectObject(memory, previous);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(dialog_, screen);
}

// A minimised window has no client area left to show pixels in, so the
// icon's painting shows by the dialog procedure not being asked to paint.
TEST_F(FrameTest, MinimisedWithIconPaintsItself) {
    ShowWindow(dialog_, SW_MINIMIZE);
    Send(BDM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_APPLICATION)));
    Send(WM_PAINT, 0);
    EXPECT_TRUE(g_seen.empty());
    Send(BDM_SETICON, 0);
    Send(WM_PAINT, 0);
    EXPECT_EQ(g_seen, std::vector<UINT>{WM_PAINT});
}

// The status bar's style bit is also the dialog manager's "centre under
// the mouse": such a dialog still opens in the middle of the work area,
// wherever the pointer is.
TEST_F(FrameTest, AutoStatusDialogOpensCentredNotAtThePointer) {
    RECT work;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    const POINT corners[] = {{work.left + 2, work.top + 2}, {work.right - 3, work.bottom - 3}};
    for (const POINT& pointer : corners) {
        SetCursorPos(pointer.x, pointer.y);
        HWND dialog = OpenDialog("FRAMEAUTO");
        ASSERT_NE(dialog, nullptr);
        RECT r;
        GetWindowRect(dialog, &r);
        EXPECT_NEAR(r.left + r.right, work.left + work.right, 1) << pointer.x;
        EXPECT_NEAR(r.top + r.bottom, work.top + work.bottom, 1) << pointer.x;
        DestroyWindow(dialog);
    }
}

TEST_F(FrameTest, StatusBarAndClockOnlyWithTheStyleBit) {
    for (const char* name : {"FRAMEAUTO", "FRAME"}) {
        const BOOL automatic = name[5] != '\0';
        HWND dialog = OpenDialog(name, parent_.hwnd());
        SendMessageA(dialog, WM_TIMER, STSB_AUTO_TIMER, 0);
        char clock[16] = "";
        if (HWND bar = GetDlgItem(dialog, STSB_AUTO_BAR)) {
            GetDlgItemTextA(bar, STSB_AUTO_CLOCK, clock, sizeof clock);
        }
        EXPECT_EQ(clock[0] != '\0', automatic) << name;
        EXPECT_EQ(KillTimer(dialog, STSB_AUTO_TIMER), automatic) << name;
        DestroyWindow(dialog);
    }
}

} // namespace
