#include "controls/gauge/gauge.h"

#include <cstddef>

#include "controls/gauge/gauge_layout.h"
#include "core/accessible.h"
#include "core/library.h"
#include "core/paint_dc.h"
#include "core/rect_convert.h"

namespace quorl::gauge {

namespace {

// The range and position messages name the window long they set.
static_assert(GAUGE_SETRANGE - WM_USER == GAUGEWL_RANGE);
static_assert(GAUGE_SETPOS - WM_USER == GAUGEWL_POS);

constexpr LONG kInitialRange = 100;
constexpr LONG kInitialPosition = 0;
constexpr DWORD kStyleBits = 0xFF;
constexpr char kMeasureText[] = "x";
constexpr int kTitleBufferSize = 100; // the title shows at most 99 characters
constexpr int kNumberBufferSize = 16;
constexpr UINT kCentredFormat = DT_CENTER | DT_VCENTER;
constexpr UINT kScaleFormat = 0;
constexpr int kLineWidth = 1;

WindowLongs ReadLongs(HWND window) {
    return {GetWindowLongA(window, GAUGEWL_RANGE), GetWindowLongA(window, GAUGEWL_POS),
            reinterpret_cast<HFONT>(GetWindowLongPtrA(window, GAUGEWL_FONT))};
}

void DrawBevelLine(HDC dc, const BevelLine& bevelLine, int index) {
    for (int k = 0; k < bevelLine.thickness; ++k) {
        const BevelLine line = DeflatedBevelLine(bevelLine, index, k);
        MoveToEx(dc, line.points[0].x, line.points[0].y, nullptr);
        LineTo(dc, line.points[1].x, line.points[1].y);
        LineTo(dc, line.points[2].x, line.points[2].y);
    }
}

// Raised: light upper-left, dark lower-right; sunken the other way round.
void DrawBevel(HDC dc, const PixelRect& r, int inset, bool raised) {
    HPEN light = CreatePen(PS_SOLID, kLineWidth, GetSysColor(COLOR_WINDOW));
    HPEN dark = CreatePen(PS_SOLID, kLineWidth, GetSysColor(COLOR_BTNSHADOW));
    const Bevel bevel = BevelOf(r, inset, g_library.scale);
    HGDIOBJ previous = SelectObject(dc, raised ? light : dark);
    DrawBevelLine(dc, bevel.lines[0], 0);
    DrawBevelLine(dc, bevel.lines[1], 1);
    SelectObject(dc, raised ? dark : light);
    DrawBevelLine(dc, bevel.lines[2], 2);
    DrawBevelLine(dc, bevel.lines[3], 3);
    SelectObject(dc, previous);
    DeleteObject(light);
    DeleteObject(dark);
}

void DrawCentredText(HDC dc, const char* text, const PixelRect& where) {
    RECT r = ToRect(where);
    DrawTextA(dc, text, -1, &r, kCentredFormat);
}

// The frame of a rectangle drawn by Rectangle, thickened inward on a finer
// screen.
void ThickenFrame(HDC dc, const PixelRect& r) {
    HGDIOBJ previous = SelectObject(dc, GetStockObject(NULL_BRUSH));
    for (int k = 1; k < LineThickness(g_library.scale); ++k) {
        Rectangle(dc, r.left + k, r.top + k, r.right - k, r.bottom - k);
    }
    SelectObject(dc, previous);
}

// Trough and filled part share the face colour; the filled part stands out
// by its raised edge inside the sunken trough.
void DrawBar(HDC dc, const PixelRect& bar, int percent) {
    HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    HPEN frame = CreatePen(PS_SOLID, kLineWidth, GetSysColor(COLOR_WINDOWFRAME));
    HGDIOBJ previousBrush = SelectObject(dc, face);
    HGDIOBJ previousPen = SelectObject(dc, frame);
    Rectangle(dc, bar.left, bar.top, bar.right, bar.bottom);
    ThickenFrame(dc, bar);
    DrawBevel(dc, bar, kTroughBevelInset, false);
    if (percent > 0) {
        const PixelRect filled = {bar.left, bar.top, FilledRight(bar, percent), bar.bottom};
        Rectangle(dc, filled.left, filled.top, filled.right, filled.bottom);
        ThickenFrame(dc, filled);
        DrawBevel(dc, filled, kFilledBevelInset, true);
    }
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);
    DeleteObject(frame);
    DeleteObject(face);
}

void DrawTicks(HDC dc, const PixelRect& row, int intervals) {
    for (int i = 0; i <= intervals; ++i) {
        const int x = TickX(row, i, intervals, g_library.scale);
        for (int k = 0; k < LineThickness(g_library.scale); ++k) {
            MoveToEx(dc, x + k, row.top, nullptr);
            LineTo(dc, x + k, row.bottom);
        }
    }
}

void DrawScale(HDC dc, const GaugeLayout& layout, const PixelRect& client) {
    const int intervals = IntervalCount(layout.parts.step);
    for (int i = 0; i <= intervals; ++i) {
        char number[kNumberBufferSize];
        const int length = wsprintfA(number, "%d", i * layout.parts.step);
        SIZE extent{};
        GetTextExtentPointA(dc, number, length, &extent);
        const int left = ScaleTextLeft(client, layout.margin, i, intervals, extent.cx);
        RECT r = {left, layout.scaleRow.top, left + extent.cx, layout.scaleRow.bottom};
        DrawTextA(dc, number, length, &r, kScaleFormat);
    }
}

void Paint(HWND window, HDC dc) {
    const WindowLongs record = ReadLongs(window);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previousFont = record.font != nullptr ? SelectObject(dc, record.font) : nullptr;

    SIZE x{};
    GetTextExtentPointA(dc, kMeasureText, sizeof kMeasureText - 1, &x);
    char title[kTitleBufferSize] = "";
    GetWindowTextA(window, title, kTitleBufferSize);
    RECT clientRect;
    GetClientRect(window, &clientRect);
    const PixelRect client = ToPixelRect(clientRect);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & kStyleBits;
    const GaugeLayout layout = LayoutGauge(client, style, title[0] != '\0', x.cx, x.cy);

    if (layout.title) {
        DrawCentredText(dc, title, layout.titleRect);
    }
    const int percent = Percentage(record.position, record.range);
    DrawBar(dc, layout.barRect, percent);
    if (layout.parts.percent) {
        char text[kPercentTextSize];
        FormatPercent(percent, text);
        DrawCentredText(dc, text, layout.percentRect);
    }
    if (layout.parts.ticks) {
        DrawTicks(dc, layout.tickRect, IntervalCount(layout.parts.step));
    }
    if (layout.parts.scale) {
        DrawScale(dc, layout, client);
    }

    SetBkMode(dc, previousMode);
    if (previousFont != nullptr) {
        SelectObject(dc, previousFont);
    }
}

// Invalidates without erasing and paints before returning, so that a caller
// busy on this thread still sees the gauge move.
void RepaintNow(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

LRESULT OnCreate(HWND window) {
    SetWindowLongA(window, GAUGEWL_RANGE, kInitialRange);
    SetWindowLongA(window, GAUGEWL_POS, kInitialPosition);
    return 0;
}

// A new title can be narrower than the old one and the title is drawn
// without a background, so the area is erased first.
LRESULT OnSetText(HWND window, LPARAM text) {
    InvalidateRect(window, nullptr, TRUE);
    const LRESULT result = DefWindowProcA(window, WM_SETTEXT, 0, text);
    NotifyAccessible(EVENT_OBJECT_NAMECHANGE, window);
    return result;
}

LRESULT OnPaint(HWND window, WPARAM given) {
    if (PaintDC dc(window, given); dc) {
        Paint(window, dc.get());
    }
    return 0;
}

// The parent chooses the background like that of a static control; a
// parent that answers with no brush gets the same white as no parent.
LRESULT OnEraseBackground(HWND window, HDC dc) {
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    HBRUSH brush = white;
    if (HWND parent = GetParent(window)) {
        brush = reinterpret_cast<HBRUSH>(SendMessageA(parent, WM_CTLCOLORSTATIC,
                                                      reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(window)));
        if (brush == nullptr) {
            brush = white;
        }
    }
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, brush);
    if (brush != white) {
        DrawBevel(dc, ToPixelRect(client), kBackgroundBevelInset, false);
    }
    return 1;
}

LRESULT OnSetFont(HWND window, WPARAM font, LPARAM redraw) {
    SetWindowLongPtrA(window, GAUGEWL_FONT, static_cast<LONG_PTR>(font));
    if (redraw != 0) {
        InvalidateRect(window, nullptr, TRUE);
    }
    return 0;
}

int PercentageOf(HWND window) {
    const WindowLongs longs = ReadLongs(window);
    return Percentage(longs.position, longs.range);
}

// Repaints even when the value is the same: callers resend a position to
// bring the bar up to date after a font change without redraw. Screen
// readers hear only of a new percentage.
LRESULT OnSetValue(HWND window, int index, LONG value) {
    const int before = PercentageOf(window);
    SetWindowLongA(window, index, value);
    RepaintNow(window);
    if (PercentageOf(window) != before) {
        NotifyAccessible(EVENT_OBJECT_VALUECHANGE, window);
    }
    return 0;
}

// The amount is signed; the sum wraps like the 32-bit number it is.
LRESULT OnAddPosition(HWND window, WPARAM amount) {
    const auto position = static_cast<DWORD>(GetWindowLongA(window, GAUGEWL_POS));
    return OnSetValue(window, GAUGEWL_POS,
                      static_cast<LONG>(position + static_cast<DWORD>(amount)));
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_SETTEXT:
        return OnSetText(window, lParam);
    case WM_PAINT:
        return OnPaint(window, wParam);
    case WM_PRINTCLIENT:
        return PrintClient(window, wParam, lParam);
    case WM_ERASEBKGND:
        return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_SETFONT:
        return OnSetFont(window, wParam, lParam);
    case GAUGE_SETRANGE:
        return OnSetValue(window, GAUGEWL_RANGE, static_cast<LONG>(wParam));
    case GAUGE_SETPOS:
        return OnSetValue(window, GAUGEWL_POS, static_cast<LONG>(wParam));
    case GAUGE_ADDPOS:
        return OnAddPosition(window, wParam);
    default:
        return DefControlProc(kClass, window, message, wParam, lParam);
    }
}

LONG AccessibleRole(HWND) {
    return ROLE_SYSTEM_PROGRESSBAR;
}

LONG AccessibleState(HWND) {
    return STATE_SYSTEM_READONLY;
}

// The percentage as the bar writes it.
SpokenText AccessibleValue(HWND window) {
    char text[kPercentTextSize];
    FormatPercent(PercentageOf(window), text);
    return text;
}

constexpr AccessibleEntry kAccessible = {
    .role = AccessibleRole, .state = AccessibleState, .value = AccessibleValue};

} // namespace

const ClassDescriptor kClass = {.name = GAUGE_CLASSA,
                                .style = kRedrawOnResize,
                                .extraBytes = sizeof(WindowLongs),
                                .background = WindowColourBrush,
                                .procedure = WindowProc,
                                .accessible = &kAccessible};

} // namespace quorl::gauge
