#include <gtest/gtest.h>

#include <utility>

#include <windows.h>

#include <climits>
#include <vector>

#include "core/geometry.h"
#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::ClientPixel;
using quorl_test::CountPixels;
using quorl_test::PumpMessages;
using quorl_test::RecordingParent;

constexpr COLORREF kBlack = RGB(0, 0, 0);

constexpr int kGaugeId = 300;

COLORREF Face() {
    return GetSysColor(COLOR_BTNFACE);
}
COLORREF Frame() {
    return GetSysColor(COLOR_WINDOWFRAME);
}
COLORREF Shadow() {
    return GetSysColor(COLOR_BTNSHADOW);
}
COLORREF Light() {
    return GetSysColor(COLOR_WINDOW);
}

SIZE CharExtent(HWND window, HFONT font = nullptr) {
    HDC dc = GetDC(window);
    HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    SIZE size{};
    GetTextExtentPointA(dc, "x", 1, &size);
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    ReleaseDC(window, dc);
    return size;
}

int MiddleRow(const RECT& r) {
    return (r.top + r.bottom) / 2;
}

// The layouts below are worked out by hand for the fonts' "x": 8 x 16 in
// the system font, 18 x 35 in Arial of 30 pixels. The gap unit is a
// quarter of the height plus one (5, or 9); tick marks are half the height.
class GaugeTest : public quorl_test::ControlTest {
protected:
    GaugeTest() : ControlTest({WM_CTLCOLORSTATIC}) {}
    void SetUp() override {
        const SIZE x = CharExtent(parent_.hwnd());
        ASSERT_EQ(x.cx, 8);
        ASSERT_EQ(x.cy, 16);
    }
    HWND Create(DWORD style, int width = 240, int height = 60, const char* title = "") {
        HWND gauge =
            parent_.child(GAUGE_CLASS, title, WS_VISIBLE | style, 0, 0, width, height, kGaugeId);
        PumpMessages();
        return gauge;
    }
};

// 240 x 60 with ticks: the bar starts one gap down and is 60 - 5 - (2 + 8)
// = 45 high; it fills 240 * percent / 100, rounded, plus one pixel.
constexpr RECT kTickedBar = {0, 5, 240, 50};

TEST_F(GaugeTest, StartsAtRange100Position0AndMessagesSetTheLongs) {
    HWND gauge = Create(GAUGE_PERCENT);
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(GetWindowLongA(gauge, GAUGEWL_RANGE), 100);
    EXPECT_EQ(GetWindowLongA(gauge, GAUGEWL_POS), 0);
    EXPECT_EQ(GetWindowLongPtrA(gauge, GAUGEWL_FONT), 0);

    EXPECT_EQ(SendMessageA(gauge, GAUGE_SETRANGE, 400, 0), 0);
    EXPECT_EQ(SendMessageA(gauge, GAUGE_SETPOS, 40, 0), 0);
    EXPECT_EQ(SendMessageA(gauge, GAUGE_ADDPOS, 15, 0), 0);
    EXPECT_EQ(GetWindowLongA(gauge, GAUGEWL_RANGE), 400);
    EXPECT_EQ(GetWindowLongA(gauge, GAUGEWL_POS), 55);
    SendMessageA(gauge, GAUGE_ADDPOS, static_cast<WPARAM>(-60), 0);
    EXPECT_EQ(GetWindowLongA(gauge, GAUGEWL_POS), -5);
    SendMessageA(gauge, GAUGE_SETPOS, static_cast<WPARAM>(INT_MAX), 0);
    SendMessageA(gauge, GAUGE_ADDPOS, 1, 0);
    EXPECT_EQ(GetWindowLongA(gauge, GAUGEWL_POS), INT_MIN); // wraps, no trap
}

TEST_F(GaugeTest, PositionChangeIsPaintedBeforeTheMessageReturns) {
    HWND gauge = Create(GAUGE_TICKS50);
    const RECT bar = kTickedBar;
    const int y = MiddleRow(bar);
    EXPECT_EQ(ClientPixel(gauge, bar.left + 1, y), Face());

    // No message is dispatched between the send and the reads. At 1 % the
    // filled part is 2.4 (2) + 1 pixels wide; so narrow, its edges cover its
    // outline, and the trough's edge follows right after.
    const int right = 3;
    const COLORREF troughEdge = ClientPixel(gauge, right, y);
    ASSERT_EQ(ClientPixel(gauge, right - 1, y), Face());
    SendMessageA(gauge, GAUGE_SETPOS, 1, 0);
    EXPECT_NE(ClientPixel(gauge, right - 1, y), Face());
    EXPECT_EQ(ClientPixel(gauge, right, y), troughEdge);
    RECT pending;
    EXPECT_FALSE(GetUpdateRect(gauge, &pending, FALSE));

    SendMessageA(gauge, GAUGE_SETPOS, 10, 0);
    const int tenth = 24 + 1;
    EXPECT_EQ(ClientPixel(gauge, bar.left + 1, y), Light()); // raised upper-left edge
    EXPECT_EQ(ClientPixel(gauge, tenth - 1, y), Frame());
    EXPECT_EQ(ClientPixel(gauge, tenth - 2, y), Shadow()); // raised lower-right edge
    EXPECT_EQ(ClientPixel(gauge, tenth, y), Face());

    SendMessageA(gauge, GAUGE_ADDPOS, 40, 0);
    const int half = 120 + 1;
    EXPECT_EQ(ClientPixel(gauge, half - 1, y), Frame());
    EXPECT_EQ(ClientPixel(gauge, half - 2, y), Shadow()); // raised lower-right edge

    // Moving back repaints the trough over the old filled part.
    SendMessageA(gauge, GAUGE_ADDPOS, static_cast<WPARAM>(-40), 0);
    EXPECT_EQ(ClientPixel(gauge, half - 1, y), Face());

    // A range that makes the same position 100 %: the bar is full.
    SendMessageA(gauge, GAUGE_SETRANGE, 1, 0);
    EXPECT_EQ(ClientPixel(gauge, bar.right - 2, y), Shadow());
}

TEST_F(GaugeTest, EveryValueMessageRepaintsEvenWithoutAChange) {
    HWND gauge = Create(GAUGE_TICKS50);
    const RECT bar = kTickedBar;
    const int x = bar.right - 20;
    const int y = MiddleRow(bar);
    SendMessageA(gauge, GAUGE_SETPOS, 30, 0);
    // Each message resends the current value; a mark only a repaint removes.
    const std::pair<UINT, WPARAM> sameValue[] = {
        {GAUGE_SETPOS, 30}, {GAUGE_ADDPOS, 0}, {GAUGE_SETRANGE, 100}};
    for (const auto& [message, value] : sameValue) {
        HDC dc = GetDC(gauge);
        SetPixel(dc, x, y, RGB(1, 2, 3));
        ReleaseDC(gauge, dc);
        SendMessageA(gauge, message, value, 0);
        EXPECT_EQ(ClientPixel(gauge, x, y), Face()) << message;
    }
}

TEST_F(GaugeTest, NoFilledPartForRangeZeroOrNegativePercentages) {
    HWND gauge = Create(GAUGE_TICKS50);
    const RECT bar = kTickedBar;
    const int y = MiddleRow(bar);
    SendMessageA(gauge, GAUGE_SETPOS, 50, 0);
    ASSERT_EQ(ClientPixel(gauge, bar.left + 1, y), Light());
    SendMessageA(gauge, GAUGE_SETRANGE, 0, 0);
    EXPECT_EQ(ClientPixel(gauge, bar.left + 1, y), Face());
    SendMessageA(gauge, GAUGE_SETRANGE, 100, 0);
    SendMessageA(gauge, GAUGE_SETPOS, static_cast<WPARAM>(-20), 0);
    EXPECT_EQ(ClientPixel(gauge, bar.left + 1, y), Face());
    // Far beyond the range the bar is full, not empty.
    SendMessageA(gauge, GAUGE_SETPOS, 1000000000, 0);
    EXPECT_EQ(ClientPixel(gauge, bar.right - 2, y), Shadow());
}

// The percentage in the bar, compared with the same text drawn by hand.
class GaugePercentText : public GaugeTest {
protected:
    // A gauge 200 x 33: the bar from y 5 to 33, 12 pixels higher than the
    // text, keeps the bevels off it; the text row is (28 - 16) / 2 lower.
    void ExpectPercentText(int position, int range, const char* expected) {
        HWND gauge = Create(GAUGE_PERCENT, 200, 33);
        SendMessageA(gauge, GAUGE_SETRANGE, static_cast<WPARAM>(range), 0);
        SendMessageA(gauge, GAUGE_SETPOS, static_cast<WPARAM>(position), 0);
        const RECT textRow = {0, 11, 200, 27};
        const RECT area = {6, 11, 194, 27};

        HDC screen = GetDC(gauge);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 33);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        RECT all = {0, 0, 200, 33};
        HBRUSH face = CreateSolidBrush(Face());
        FillRect(dc, &all, face);
        DeleteObject(face);
        SetBkMode(dc, TRANSPARENT);
        RECT textRect = textRow;
        DrawTextA(dc, expected, -1, &textRect, DT_CENTER | DT_VCENTER);
        int expectedBlack = 0;
        int mismatches = 0;
        for (int py = area.top; py < area.bottom; ++py) {
            for (int px = area.left; px < area.right; ++px) {
                const bool want = GetPixel(dc, px, py) == kBlack;
                const bool have = GetPixel(screen, px, py) == kBlack;
                expectedBlack += want ? 1 : 0;
                mismatches += want != have ? 1 : 0;
            }
        }
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(gauge, screen);
        EXPECT_GT(expectedBlack, 10) << expected;
        EXPECT_EQ(mismatches, 0) << expected;
        DestroyWindow(gauge);
    }
};

TEST_F(GaugePercentText, ShowsTheTrueValue) {
    ExpectPercentText(0, 100, "0 %");
    ExpectPercentText(150, 100, "150 %");
    ExpectPercentText(7, 0, "-1 %");
    ExpectPercentText(-50, 100, "-50 %");
    ExpectPercentText(INT_MIN, 1, "-1 %"); // beyond 32 bits the multiply-divide gives -1
}

// 300 x 90. With the scale the side margin is 2.5 characters (20); the bar
// is 85 high less 2 + 8 for ticks and 16 + 5 for the scale, whose row
// starts half a gap below the ticks (or the bar).
TEST_F(GaugeTest, PartsFollowTheStyle) {
    struct Case {
        DWORD style;
        RECT bar;
        bool percent;
        std::vector<int> ticks; // x of each mark; the row below the bar is 8 high
        int between;            // x between the first two marks
        RECT scaleRow;          // empty without a scale
    };
    const Case cases[] = {
        {0, {20, 5, 280, 59}, true, {20, 150, 279}, 85, {0, 69, 300, 85}},
        {GAUGE_PERCENT, {0, 5, 300, 90}, true, {}, 0, {}},
        {GAUGE_TICKS10 | GAUGE_SCALE,
         {20, 5, 280, 59},
         false,
         {20, 46, 72, 98, 124, 150, 176, 202, 228, 254, 279},
         33,
         {0, 69, 300, 85}},
        {GAUGE_PERCENT | GAUGE_SCALE, {20, 5, 280, 69}, true, {}, 0, {0, 71, 300, 87}},
        {GAUGE_TICKS25, {0, 5, 300, 80}, false, {0, 75, 150, 225, 299}, 37, {}},
    };
    for (const Case& c : cases) {
        HWND gauge = Create(c.style, 300, 90);
        SCOPED_TRACE(c.style);
        // Trough outline at the bar's left edge.
        EXPECT_EQ(ClientPixel(gauge, c.bar.left, MiddleRow(c.bar)), Frame());
        EXPECT_NE(ClientPixel(gauge, c.bar.left - 1, MiddleRow(c.bar)), Frame());
        const RECT inside = {c.bar.left + 6, c.bar.top + 6, c.bar.right - 6, c.bar.bottom - 6};
        EXPECT_EQ(CountPixels(gauge, inside, kBlack) > 0, c.percent);
        for (int x : c.ticks) {
            EXPECT_EQ(ClientPixel(gauge, x, c.bar.bottom), kBlack) << x;
            EXPECT_EQ(ClientPixel(gauge, x, c.bar.bottom + 7), kBlack) << x;
            EXPECT_NE(ClientPixel(gauge, x, c.bar.bottom + 8), kBlack) << x;
        }
        if (!c.ticks.empty()) {
            EXPECT_NE(ClientPixel(gauge, c.between, c.bar.bottom), kBlack);
        }
        const RECT below = {0, c.bar.bottom, 300, 90};
        EXPECT_EQ(CountPixels(gauge, below, kBlack) > 0, !c.ticks.empty() || c.scaleRow.bottom > 0);
        if (c.scaleRow.bottom > 0) {
            EXPECT_GT(CountPixels(gauge, c.scaleRow, kBlack), 0);
            // Half a gap free between the marks (or the bar) and the numbers.
            const RECT aboveScale = {0, c.bar.bottom + (c.ticks.empty() ? 0 : 8), 300,
                                     c.scaleRow.top};
            EXPECT_EQ(CountPixels(gauge, aboveScale, kBlack), 0);
        }
        // Nothing above the bar without a title.
        EXPECT_EQ(CountPixels(gauge, {0, 0, 300, c.bar.top}, kBlack), 0);
        DestroyWindow(gauge);
    }
}

// 300 x 100, all parts: the title takes two gaps and a line, 26 pixels, off
// the bar (64 high without, 38 with); the bar then starts at 5 + 16 + 5.
TEST_F(GaugeTest, TitleStandsAboveAndLowersTheBar) {
    HWND gauge = Create(0, 300, 100);
    const RECT plainBar = {20, 5, 280, 69};
    const RECT titleRow = {20, 5, 280, 21};
    const RECT titledBar = {20, 26, 280, 64};
    EXPECT_EQ(ClientPixel(gauge, 30, plainBar.top), Frame());
    EXPECT_EQ(ClientPixel(gauge, 30, plainBar.bottom - 1), Frame());
    EXPECT_TRUE(SetWindowTextA(gauge, "Fortschritt"));
    RECT pending;
    EXPECT_TRUE(GetUpdateRect(gauge, &pending, FALSE));
    PumpMessages();
    EXPECT_EQ(ClientPixel(gauge, titledBar.left, MiddleRow(titledBar)), Frame());
    EXPECT_EQ(ClientPixel(gauge, 30, titledBar.top), Frame());
    EXPECT_EQ(ClientPixel(gauge, 30, titledBar.bottom - 1), Frame());
    EXPECT_NE(ClientPixel(gauge, 30, titledBar.top - 1), Frame());
    const int titlePixels = CountPixels(gauge, titleRow, kBlack);
    EXPECT_GT(titlePixels, 0);

    // A shorter title replaces the longer one completely.
    SetWindowTextA(gauge, "i");
    PumpMessages();
    const int replaced = CountPixels(gauge, titleRow, kBlack);
    DestroyWindow(gauge);
    HWND fresh = Create(0, 300, 100, "i");
    EXPECT_EQ(replaced, CountPixels(fresh, titleRow, kBlack));
    EXPECT_LT(replaced, titlePixels);
}

TEST_F(GaugeTest, SetFontStoresAndRepaintsOnlyWhenAsked) {
    HFONT big = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    ASSERT_NE(big, nullptr);
    ASSERT_EQ(CharExtent(parent_.hwnd(), big).cy, 35);
    // 240 x 80 with ticks: the bar ends at 5 + (80 - 5 - 10) = 70 in the
    // system font, at 9 + (80 - 9 - 4 - 17) = 59 in the big one.
    HWND gauge = Create(GAUGE_TICKS50, 240, 80);
    const int beforeBottom = 70;
    const int afterBottom = 59;

    EXPECT_EQ(SendMessageA(gauge, WM_SETFONT, reinterpret_cast<WPARAM>(big), FALSE), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(GetWindowLongPtrA(gauge, GAUGEWL_FONT)), big);
    RECT pending;
    EXPECT_FALSE(GetUpdateRect(gauge, &pending, FALSE));
    EXPECT_EQ(ClientPixel(gauge, 10, beforeBottom - 1), Frame());

    // The next paint uses the stored font.
    SendMessageA(gauge, GAUGE_SETPOS, 10, 0);
    EXPECT_EQ(ClientPixel(gauge, 10, afterBottom - 1), Frame());

    // With the redraw flag the whole gauge is invalidated and erased.
    SendMessageA(gauge, WM_SETFONT, 0, TRUE);
    EXPECT_TRUE(GetUpdateRect(gauge, &pending, FALSE));
    PumpMessages();
    EXPECT_EQ(ClientPixel(gauge, 10, beforeBottom - 1), Frame());
    EXPECT_NE(ClientPixel(gauge, 10, afterBottom - 1), Frame());
    DestroyWindow(gauge);
    DeleteObject(big);
}

// Background: the brush of the parent's WM_CTLCOLORSTATIC with a sunken
// edge round the gauge, or white without an edge.
class GaugeBackground : public GaugeTest {
protected:
    // Rows 0 to 2 lie above the bar (the gap unit is at least 3 there).
    void Repaint(HWND gauge) {
        InvalidateRect(gauge, nullptr, TRUE);
        UpdateWindow(gauge);
    }
};

TEST_F(GaugeBackground, ParentBrushWithSunkenEdge) {
    HBRUSH brush = CreateSolidBrush(RGB(0x40, 0x90, 0x40));
    parent_.setStaticBrush(brush);
    HWND gauge = Create(GAUGE_PERCENT, 200, 60);
    parent_.clear();
    Repaint(gauge);
    ASSERT_FALSE(parent_.messages().empty());
    EXPECT_EQ(parent_.messages().front().lParam, reinterpret_cast<LPARAM>(gauge));
    EXPECT_EQ(ClientPixel(gauge, 20, 0), RGB(0x40, 0x90, 0x40));
    EXPECT_EQ(ClientPixel(gauge, 20, 1), Shadow());
    EXPECT_EQ(ClientPixel(gauge, 20, 2), Shadow());
    EXPECT_EQ(ClientPixel(gauge, 1, 2), Shadow());
    EXPECT_EQ(ClientPixel(gauge, 197, 1), Shadow());
    EXPECT_EQ(ClientPixel(gauge, 198, 1), Light());
    EXPECT_EQ(ClientPixel(gauge, 199, 1), RGB(0x40, 0x90, 0x40));
    DestroyWindow(gauge);
    DeleteObject(brush);
}

TEST_F(GaugeBackground, WhiteStockBrushHasNoEdge) {
    parent_.setStaticBrush(static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HWND gauge = Create(GAUGE_PERCENT, 200, 60);
    Repaint(gauge);
    EXPECT_EQ(ClientPixel(gauge, 20, 1), RGB(255, 255, 255));
    EXPECT_EQ(ClientPixel(gauge, 20, 2), RGB(255, 255, 255));
}

TEST_F(GaugeBackground, WithoutParentWhiteWithoutEdge) {
    HWND gauge = CreateWindowExA(0, GAUGE_CLASS, "", WS_POPUP | WS_VISIBLE | GAUGE_PERCENT, 0, 0,
                                 200, 60, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(gauge, nullptr);
    PumpMessages();
    Repaint(gauge);
    EXPECT_EQ(ClientPixel(gauge, 20, 0), RGB(255, 255, 255));
    EXPECT_EQ(ClientPixel(gauge, 20, 1), RGB(255, 255, 255));
    DestroyWindow(gauge);
}

LRESULT CALLBACK NoBrushParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC) {
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(GaugeBackground, ParentWithoutABrushCountsAsWhite) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = NoBrushParent;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GaugeNoBrushParent";
    RegisterClassA(&wc);
    HWND owner = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100,
                                 nullptr, nullptr, wc.hInstance, nullptr);
    HWND gauge = CreateWindowExA(0, GAUGE_CLASS, "", WS_CHILD | WS_VISIBLE | GAUGE_PERCENT, 0, 0,
                                 200, 60, owner, nullptr, wc.hInstance, nullptr);
    PumpMessages();
    Repaint(gauge);
    EXPECT_EQ(ClientPixel(gauge, 20, 0), RGB(255, 255, 255));
    EXPECT_EQ(ClientPixel(gauge, 20, 1), RGB(255, 255, 255));
    DestroyWindow(owner);
}

// The layout code's multiply-divide must agree with the platform's.
TEST(GaugeMulDiv, MatchesThePlatform) {
    const int values[] = {0,      1,       -1,      2,        -2,          3,
                          7,      -7,      50,      99,       100,         101,
                          -100,   150,     333,     65535,    -65536,      46341,
                          -46341, 1 << 20, INT_MAX, -INT_MAX, INT_MAX - 1, 1000000007};
    for (int a : values) {
        for (int b : values) {
            for (int c : values) {
                ASSERT_EQ(quorl::MulDivRounded(a, b, c), MulDiv(a, b, c))
                    << a << " * " << b << " / " << c;
            }
        }
    }
}

} // namespace
