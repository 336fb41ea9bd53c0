// The status bar through the DLL: geometry, field slots, painting and the
// no-repaint rule.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::ClientPixel;
using quorl_test::PumpMessages;
using quorl_test::RecordingParent;

constexpr int kBarId = 7;
constexpr COLORREF kDarkRed = RGB(0x80, 0, 0);
constexpr COLORREF kDarkGreen = RGB(0, 0x80, 0);

// The status font as the platform measures it: "Helv", 16 pixels, 0x22.
TEXTMETRICA StatusFontMetrics() {
    HFONT font = CreateFontA(16, 0, 0, 0, 0, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0x22, "Helv");
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(font);
    return tm;
}

RECT RectInParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int CountPixels(HWND window, COLORREF colour) {
    RECT c;
    GetClientRect(window, &c);
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = 0; y < c.bottom; ++y) {
        for (int x = 0; x < c.right; ++x) {
            count += GetPixel(dc, x, y) == colour ? 1 : 0;
        }
    }
    ReleaseDC(window, dc);
    return count;
}

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
        ASSERT_EQ(GetSystemMetrics(SM_CYBORDER), 1);
        bar_ = StsbCreate(parent_.hwnd(), nullptr, kBarId);
        ASSERT_NE(bar_, nullptr);
    }
    HWND Field(int id, int minWidth, int maxWidth) {
        return StsbAddField(bar_, nullptr, id, minWidth, maxWidth, 0);
    }
    void Adjust() {
        EXPECT_EQ(StsbAdjust(parent_.hwnd(), bar_), TRUE);
        PumpMessages();
    }

    RecordingParent parent_{{}, 400, 300};
    HWND bar_ = nullptr;
    const TEXTMETRICA tm_ = StatusFontMetrics();
};

TEST_F(StatusBarTest, BarAndFieldsTakeTheirPlaces) {
    HWND filler = Field(11, -10, 0); // ten characters, then whatever is left
    HWND growing = Field(12, 50, 150);
    HWND fixed = Field(13, 90, 90);
    EXPECT_EQ(SendMessageA(filler, STSF_GETLONG, STSFWL_MINWIDTH, 0), 10 * tm_.tmAveCharWidth);
    EXPECT_EQ(GetWindowLongA(bar_, GWL_STYLE), 0x50800000);
    Adjust();

    // Field height: text and a line above and below; bar: three lines more
    // each side. Its lower border line lies just below the parent's client.
    const int barHeight = tm_.tmHeight + 8;
    const RECT bar = RectInParent(bar_);
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.top, 300 + 1 - barHeight);
    EXPECT_EQ(bar.right, 400);
    EXPECT_EQ(bar.bottom, 301);
    EXPECT_EQ(StsbGetHeight(bar_), barHeight - 2);

    // Client 398 - 8 = 390 free; minus 10 characters + 2, 52 and 92; the
    // growing field takes its 100, the filler everything else: 144 in all.
    const struct {
        HWND field;
        int left;
        int width;
    } expected[] = {{filler, 4, 144}, {growing, 150, 150}, {fixed, 302, 90}};
    for (const auto& e : expected) {
        const RECT r = RectInParent(e.field);
        EXPECT_EQ(r.left, e.left);
        EXPECT_EQ(r.right - r.left, e.width);
        EXPECT_EQ(r.top, 2);
        EXPECT_EQ(r.bottom - r.top, tm_.tmHeight + 2);
        EXPECT_EQ(SendMessageA(e.field, STSF_GETLONG, STSFWL_WIDTH, 0), e.width);
    }
}

TEST_F(StatusBarTest, AdjustAndHeightWithoutABar) {
    const RECT before = RectInParent(bar_);
    EXPECT_EQ(StsbAdjust(parent_.hwnd(), nullptr), TRUE);
    const RECT after = RectInParent(bar_);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(StsbGetHeight(nullptr), 0);
    // A bar without fields lays out nothing and still paints its edges.
    Adjust();
    EXPECT_EQ(ClientPixel(bar_, 10, 0), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ClientPixel(bar_, 10, StsbGetHeight(bar_) - 1), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(ClientPixel(bar_, 10, 3), GetSysColor(COLOR_BTNFACE));
}

TEST_F(StatusBarTest, FieldSlotsOnlyThroughTheirIndexes) {
    HWND field = Field(11, 20, 30);
    const LONG_PTR procedure = GetWindowLongPtrA(field, GWLP_WNDPROC);
    const struct {
        WPARAM index;
        LPARAM value;
        LRESULT answer;
    } cases[] = {
        {STSFWL_MINWIDTH, 77, 77},
        {STSFWL_MAXWIDTH, -5, -5},
        {STSFWL_WIDTH, 12, 12},
        {12, 99, 0},
        {2, 99, 0},
        {static_cast<WPARAM>(GWLP_WNDPROC), 0, 0},
        {static_cast<WPARAM>(GWL_STYLE), 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SendMessageA(field, STSF_SETLONG, c.index, c.value), c.answer) << c.index;
        EXPECT_EQ(SendMessageA(field, STSF_GETLONG, c.index, 0), c.answer) << c.index;
    }
    EXPECT_EQ(GetWindowLongPtrA(field, GWLP_WNDPROC), procedure);
    EXPECT_TRUE(IsWindowVisible(field));
}

TEST_F(StatusBarTest, SunkenFrameAndColourMarkers) {
    HWND field = Field(11, 200, 200);
    Adjust();
    const struct {
        const char* text;
        COLORREF shown; // colour that must appear
        int redPixels;  // -1: some, 0: none
        int greenPixels;
    } cases[] = {
        {"!WWWW", kDarkRed, -1, 0},
        {"?WWWW", kDarkGreen, 0, -1},
        {"WWWW", GetSysColor(COLOR_BTNTEXT), 0, 0},
        {"!", GetSysColor(COLOR_BTNFACE), 0, 0},
    };
    for (const auto& c : cases) {
        SetWindowTextA(field, c.text);
        UpdateWindow(field);
        EXPECT_GT(CountPixels(field, c.shown), 0) << c.text;
        if (c.redPixels == 0) {
            EXPECT_EQ(CountPixels(field, kDarkRed), 0) << c.text;
        }
        if (c.greenPixels == 0) {
            EXPECT_EQ(CountPixels(field, kDarkGreen), 0) << c.text;
        }
    }
    // "!" alone: the whole inner area is the face, inside shadow and light.
    const int height = tm_.tmHeight + 2;
    EXPECT_EQ(CountPixels(field, GetSysColor(COLOR_BTNFACE)), (200 - 2) * (height - 2));
    EXPECT_EQ(ClientPixel(field, 5, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(ClientPixel(field, 0, 5), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(ClientPixel(field, 5, height - 1), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ClientPixel(field, 199, 5), GetSysColor(COLOR_WINDOW));
}

TEST_F(StatusBarTest, SameTextIsNotRepainted) {
    HWND field = Field(11, 100, 100);
    Adjust();
    SetWindowTextA(field, "12:00:00");
    UpdateWindow(field);
    RECT update;
    SetWindowTextA(field, "12:00:00");
    EXPECT_FALSE(GetUpdateRect(field, &update, FALSE));
    SetWindowTextA(field, "12:00:01");
    EXPECT_TRUE(GetUpdateRect(field, &update, FALSE));
    UpdateWindow(field);
    // No text at all counts as the empty text.
    SetWindowTextA(field, "");
    UpdateWindow(field);
    SendMessageA(field, WM_SETTEXT, 0, 0);
    EXPECT_FALSE(GetUpdateRect(field, &update, FALSE));
}

} // namespace
