// The status bar through the DLL: geometry, field slots, painting and the
// no-repaint rule. Borders are one pixel under Wine.
#include <gtest/gtest.h>

#include <string>

#include <windows.h>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::ClientPixel;
using quorl_test::CountPixels;

constexpr COLORREF kDarkRed = RGB(0x80, 0, 0);
constexpr COLORREF kDarkGreen = RGB(0, 0x80, 0);

RECT RectInParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class StatusBarTest : public quorl_test::ControlTest {
protected:
    HWND Field(int minWidth, int maxWidth) {
        return StsbAddField(bar_, nullptr, 11, minWidth, maxWidth, 0);
    }
    void Adjust() {
        EXPECT_EQ(StsbAdjust(parent_.hwnd(), bar_), TRUE);
        quorl_test::PumpMessages();
    }
    HWND bar_ = StsbCreate(parent_.hwnd(), nullptr, 7);
};

TEST_F(StatusBarTest, BarAndFieldsTakeTheirPlaces) {
    // The status font as the platform measures it.
    HFONT font = CreateFontA(16, 0, 0, 0, 0, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0x22, "Helv");
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    DeleteObject(SelectObject(dc, previous));
    DeleteDC(dc);

    const RECT unplaced = RectInParent(bar_);
    EXPECT_EQ(StsbAdjust(parent_.hwnd(), nullptr), TRUE); // moves nothing
    EXPECT_EQ(RectInParent(bar_).bottom, unplaced.bottom);
    EXPECT_EQ(StsbGetHeight(nullptr), 0);

    HWND fields[] = {Field(-10, 0), Field(50, 150), Field(90, 90)};
    EXPECT_EQ(SendMessageA(fields[0], STSF_GETLONG, STSFWL_MINWIDTH, 0), 10 * tm.tmAveCharWidth);
    Adjust();
    // Field: text and a line above and below; bar: three lines more each
    // side, its lower border line just below the parent's client area.
    const RECT bar = RectInParent(bar_);
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.right, 400);
    EXPECT_EQ(bar.bottom, 301);
    EXPECT_EQ(bar.bottom - bar.top, tm.tmHeight + 8);
    EXPECT_EQ(StsbGetHeight(bar_), tm.tmHeight + 6);
    // 398 - 8 free, less 10 characters + 2, 52 and 92; the growing field
    // takes 100, the filler the rest: 144 in all.
    const int lefts[] = {4, 150, 302};
    const int widths[] = {144, 150, 90};
    for (int i = 0; i < 3; ++i) {
        const RECT r = RectInParent(fields[i]);
        EXPECT_EQ(r.left, lefts[i]);
        EXPECT_EQ(r.right - r.left, widths[i]);
        EXPECT_EQ(SendMessageA(fields[i], STSF_GETLONG, STSFWL_WIDTH, 0), widths[i]);
        EXPECT_EQ(r.top, 2);
        EXPECT_EQ(r.bottom - r.top, tm.tmHeight + 2);
    }
}

// Only the three width slots are reachable; other indexes answer 0.
TEST_F(StatusBarTest, FieldSlotsOnlyThroughTheirIndexes) {
    HWND field = Field(20, 30);
    const LONG_PTR procedure = GetWindowLongPtrA(field, GWLP_WNDPROC);
    const WPARAM procedureIndex = static_cast<WPARAM>(GWLP_WNDPROC);
    const struct {
        WPARAM index;
        LRESULT answer;
    } cases[] = {{STSFWL_MINWIDTH, 77}, {STSFWL_MAXWIDTH, 77}, {STSFWL_WIDTH, 77}, {12, 0}, {2, 0},
                 {procedureIndex, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(SendMessageA(field, STSF_SETLONG, c.index, 77), c.answer) << c.index;
        EXPECT_EQ(SendMessageA(field, STSF_GETLONG, c.index, 0), c.answer) << c.index;
    }
    EXPECT_EQ(GetWindowLongPtrA(field, GWLP_WNDPROC), procedure);
}

TEST_F(StatusBarTest, EdgesFrameAndColourMarkers) {
    Adjust(); // no fields: only the bar's two edge lines
    const int height = StsbGetHeight(bar_);
    EXPECT_EQ(ClientPixel(bar_, 10, 0), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ClientPixel(bar_, 10, height - 1), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(ClientPixel(bar_, 10, 3), GetSysColor(COLOR_BTNFACE));

    HWND field = Field(60, 60);
    SendMessageA(bar_, WM_SIZE, 0, 0); // same size: no layout without it
    const struct {
        const char* text;
        COLORREF shown;
        COLORREF absent;
    } cases[] = {
        {"!WW", kDarkRed, kDarkGreen},
        {"?WW", kDarkGreen, kDarkRed},
        {"WW", GetSysColor(COLOR_BTNTEXT), kDarkRed},
    };
    for (const auto& c : cases) {
        SetWindowTextA(field, c.text);
        UpdateWindow(field);
        EXPECT_GT(CountPixels(field, c.shown), 0) << c.text;
        EXPECT_EQ(CountPixels(field, c.absent), 0) << c.text;
    }
    // "!" alone: all face inside the shadow (top, left) and light lines.
    SetWindowTextA(field, "!");
    UpdateWindow(field);
    const int fieldHeight = height - 4;
    EXPECT_EQ(CountPixels(field, GetSysColor(COLOR_BTNFACE)), 58 * (fieldHeight - 2));
    EXPECT_EQ(ClientPixel(field, 0, 5), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(ClientPixel(field, 5, fieldHeight - 1), GetSysColor(COLOR_WINDOW));
}

// Nothing changed, nothing repainted; the same text again does not even
// reach the default handling, which would store it anew and redraw a
// caption: a mark on the caption stays.
TEST_F(StatusBarTest, SameTextIsNotRepainted) {
    HWND field = Make(QUSTSF_CLASSA, "", WS_CAPTION, {10, 10, 210, 70}, 12);
    constexpr COLORREF kMark = RGB(1, 2, 3);
    const int y = GetSystemMetrics(SM_CYBORDER) + GetSystemMetrics(SM_CYCAPTION) / 2;
    const struct {
        const char* text; // null: WM_SETTEXT without a text
        BOOL repaint;
        bool defaultHandling;
    } steps[] = {{"12:00:00", TRUE, true}, {"12:00:00", FALSE, false}, {"12:00:0", TRUE, true},
                 {"12:00:01", TRUE, true}, {"", TRUE, true},           {"", FALSE, false},
                 {nullptr, FALSE, true}};
    for (const auto& s : steps) {
        UpdateWindow(field);
        HDC dc = GetWindowDC(field);
        SetPixel(dc, 20, y, kMark);
        EXPECT_EQ(SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.text)), TRUE);
        EXPECT_EQ(GetPixel(dc, 20, y) != kMark, s.defaultHandling) << (s.text ? s.text : "null");
        ReleaseDC(field, dc);
        RECT update;
        EXPECT_EQ(GetUpdateRect(field, &update, FALSE), s.repaint) << (s.text ? s.text : "null");
    }
    // A text longer than the field shows, then only the part it shows: a change.
    const std::string longer(130, 'x');
    const std::string shown(119, 'x');
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longer.c_str()));
    UpdateWindow(field);
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    EXPECT_EQ(GetWindowTextLengthA(field), 119);
}

} // namespace
