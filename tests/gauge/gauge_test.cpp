#include <gtest/gtest.h>

#include <utility>

#include <windows.h>

#include <climits>

#include "controls/gauge/gauge_layout.h"
#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl::PixelRect;
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

quorl::gauge::GaugeLayout LayoutOf(HWND gauge, HFONT font = nullptr) {
    RECT client;
    GetClientRect(gauge, &client);
    const SIZE x = CharExtent(gauge, font);
    const auto style = static_cast<unsigned>(GetWindowLongA(gauge, GWL_STYLE)) & 0xFF;
    return quorl::gauge::LayoutGauge({0, 0, client.right, client.bottom}, style,
                                     GetWindowTextLengthA(gauge) > 0, x.cx, x.cy);
}

RECT R(const PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

int MiddleRow(const PixelRect& r) {
    return (r.top + r.bottom) / 2;
}

class GaugeTest : public ::testing::Test {
protected:
    HWND Create(DWORD style, int width = 240, int height = 60, const char* title = "") {
        HWND gauge =
            parent_.child(GAUGE_CLASS, title, WS_VISIBLE | style, 0, 0, width, height, kGaugeId);
        PumpMessages();
        return gauge;
    }
    RecordingParent parent_{{WM_CTLCOLORSTATIC}};
};

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
    const auto layout = LayoutOf(gauge);
    const PixelRect bar = layout.barRect;
    const int y = MiddleRow(bar);
    ASSERT_GT(bar.height(), 8);
    EXPECT_EQ(ClientPixel(gauge, bar.left + 1, y), Face());

    // No message is dispatched between the send and the reads. At 1 % the
    // filled part is MulDiv(width, 1, 100) + 1 pixels wide; so narrow, its
    // edges cover its outline, and the trough's edge follows right after.
    const int right = bar.left + MulDiv(bar.width(), 1, 100) + 1;
    const COLORREF troughEdge = ClientPixel(gauge, right, y);
    ASSERT_EQ(ClientPixel(gauge, right - 1, y), Face());
    SendMessageA(gauge, GAUGE_SETPOS, 1, 0);
    EXPECT_NE(ClientPixel(gauge, right - 1, y), Face());
    EXPECT_EQ(ClientPixel(gauge, right, y), troughEdge);
    RECT pending;
    EXPECT_FALSE(GetUpdateRect(gauge, &pending, FALSE));

    SendMessageA(gauge, GAUGE_SETPOS, 10, 0);
    const int tenth = bar.left + MulDiv(bar.width(), 10, 100) + 1;
    EXPECT_EQ(ClientPixel(gauge, bar.left + 1, y), Light()); // raised upper-left edge
    EXPECT_EQ(ClientPixel(gauge, tenth - 1, y), Frame());
    EXPECT_EQ(ClientPixel(gauge, tenth - 2, y), Shadow()); // raised lower-right edge
    EXPECT_EQ(ClientPixel(gauge, tenth, y), Face());

    SendMessageA(gauge, GAUGE_ADDPOS, 40, 0);
    const int half = bar.left + MulDiv(bar.width(), 50, 100) + 1;
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
    const PixelRect bar = LayoutOf(gauge).barRect;
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
    const PixelRect bar = LayoutOf(gauge).barRect;
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
    void ExpectPercentText(int position, int range, const char* expected) {
        const SIZE x = CharExtent(parent_.hwnd());
        const int gap = x.cy / 4 + 1;
        // A bar 12 pixels higher than the text keeps the bevels off it.
        HWND gauge = Create(GAUGE_PERCENT, 200, x.cy + 12 + gap);
        SendMessageA(gauge, GAUGE_SETRANGE, static_cast<WPARAM>(range), 0);
        SendMessageA(gauge, GAUGE_SETPOS, static_cast<WPARAM>(position), 0);
        const auto layout = LayoutOf(gauge);
        ASSERT_EQ(layout.barHeight, x.cy + 12);
        const PixelRect area = {layout.barRect.left + 6, layout.percentRect.top,
                                layout.barRect.right - 6, layout.percentRect.bottom};

        HDC screen = GetDC(gauge);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, layout.barRect.bottom);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        RECT all = {0, 0, 200, layout.barRect.bottom};
        HBRUSH face = CreateSolidBrush(Face());
        FillRect(dc, &all, face);
        DeleteObject(face);
        SetBkMode(dc, TRANSPARENT);
        RECT textRect = {layout.percentRect.left, layout.percentRect.top, layout.percentRect.right,
                         layout.percentRect.bottom};
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

TEST_F(GaugeTest, PartsFollowTheStyle) {
    struct Case {
        DWORD style;
        bool ticks, scale, percent;
        int marks;
    };
    const Case cases[] = {
        {0, true, true, true, 3},
        {GAUGE_PERCENT, false, false, true, 0},
        {GAUGE_TICKS10 | GAUGE_SCALE, true, true, false, 11},
        {GAUGE_PERCENT | GAUGE_SCALE, false, true, true, 0},
        {GAUGE_TICKS25, true, false, false, 5},
    };
    for (const Case& c : cases) {
        HWND gauge = Create(c.style, 300, 90);
        const auto l = LayoutOf(gauge);
        SCOPED_TRACE(c.style);
        EXPECT_EQ(l.margin > 0, c.scale);
        // Trough outline at the bar's left edge.
        EXPECT_EQ(ClientPixel(gauge, l.barRect.left, MiddleRow(l.barRect)), Frame());
        const PixelRect inside = {l.barRect.left + 6, l.barRect.top + 6, l.barRect.right - 6,
                                  l.barRect.bottom - 6};
        EXPECT_EQ(CountPixels(gauge, R(inside), kBlack) > 0, c.percent);
        if (c.ticks) {
            for (int i = 0; i < c.marks; ++i) {
                const int x = quorl::gauge::TickX(l.tickRect, i, c.marks - 1);
                EXPECT_EQ(ClientPixel(gauge, x, l.tickRect.top), kBlack) << i;
                EXPECT_EQ(ClientPixel(gauge, x, l.tickRect.bottom - 1), kBlack) << i;
            }
            // Nothing between two marks.
            const int between = (quorl::gauge::TickX(l.tickRect, 0, c.marks - 1) +
                                 quorl::gauge::TickX(l.tickRect, 1, c.marks - 1)) /
                                2;
            EXPECT_NE(ClientPixel(gauge, between, l.tickRect.top), kBlack);
        }
        const PixelRect below = {0, l.barRect.bottom, 300, 90};
        const int underBar = CountPixels(gauge, R(below), kBlack);
        EXPECT_EQ(underBar > 0, c.ticks || c.scale);
        if (c.scale) {
            EXPECT_GT(CountPixels(gauge, R(l.scaleRow), kBlack), 0);
            EXPECT_GE(l.scaleRow.top, (c.ticks ? l.tickRect.bottom : l.barRect.bottom));
        }
        // Nothing above the bar without a title.
        EXPECT_EQ(CountPixels(gauge, R(PixelRect{0, 0, 300, l.barRect.top}), kBlack), 0);
        DestroyWindow(gauge);
    }
}

TEST_F(GaugeTest, TitleStandsAboveAndLowersTheBar) {
    HWND gauge = Create(0, 300, 100);
    const auto plain = LayoutOf(gauge);
    EXPECT_TRUE(SetWindowTextA(gauge, "Fortschritt"));
    RECT pending;
    EXPECT_TRUE(GetUpdateRect(gauge, &pending, FALSE));
    PumpMessages();
    const auto titled = LayoutOf(gauge);
    const SIZE x = CharExtent(gauge);
    EXPECT_EQ(plain.barHeight - titled.barHeight, 2 * plain.gap + x.cy);
    EXPECT_EQ(ClientPixel(gauge, titled.barRect.left, MiddleRow(titled.barRect)), Frame());
    EXPECT_EQ(ClientPixel(gauge, titled.barRect.left + 10, titled.barRect.top), Frame());
    const int titlePixels = CountPixels(gauge, R(titled.titleRect), kBlack);
    EXPECT_GT(titlePixels, 0);

    // A shorter title replaces the longer one completely.
    SetWindowTextA(gauge, "i");
    PumpMessages();
    const int replaced = CountPixels(gauge, R(titled.titleRect), kBlack);
    DestroyWindow(gauge);
    HWND fresh = Create(0, 300, 100, "i");
    EXPECT_EQ(replaced, CountPixels(fresh, R(titled.titleRect), kBlack));
    EXPECT_LT(replaced, titlePixels);
}

TEST_F(GaugeTest, SetFontStoresAndRepaintsOnlyWhenAsked) {
    HFONT big = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    ASSERT_NE(big, nullptr);
    HWND gauge = Create(GAUGE_TICKS50, 240, 80);
    const auto before = LayoutOf(gauge);
    const auto after = LayoutOf(gauge, big);
    ASSERT_NE(before.barRect.bottom, after.barRect.bottom);

    EXPECT_EQ(SendMessageA(gauge, WM_SETFONT, reinterpret_cast<WPARAM>(big), FALSE), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(GetWindowLongPtrA(gauge, GAUGEWL_FONT)), big);
    RECT pending;
    EXPECT_FALSE(GetUpdateRect(gauge, &pending, FALSE));
    EXPECT_EQ(ClientPixel(gauge, 10, before.barRect.bottom - 1), Frame());

    // The next paint uses the stored font.
    SendMessageA(gauge, GAUGE_SETPOS, 10, 0);
    EXPECT_EQ(ClientPixel(gauge, 10, after.barRect.bottom - 1), Frame());

    // With the redraw flag the whole gauge is invalidated and erased.
    SendMessageA(gauge, WM_SETFONT, 0, TRUE);
    EXPECT_TRUE(GetUpdateRect(gauge, &pending, FALSE));
    PumpMessages();
    EXPECT_EQ(ClientPixel(gauge, 10, before.barRect.bottom - 1), Frame());
    EXPECT_NE(ClientPixel(gauge, 10, after.barRect.bottom - 1), Frame());
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
