// The window procedures of the bar and its fields.
#include <cstring>

#include "controls/statusbar/statusbar.h"
#include "controls/statusbar/statusbar_internal.h"
#include "core/accessible.h"
#include "core/paint_dc.h"

namespace quorl::statusbar {

namespace {

// A field shows at most 119 characters of its text.
constexpr int kFieldTextSize = 120;
constexpr COLORREF kAlertColour = RGB(0x80, 0x00, 0x00);
constexpr COLORREF kHintColour = RGB(0x00, 0x80, 0x00);
static_assert(kAlertColour == 0x000080 && kHintColour == 0x008000);
constexpr UINT kTextOptions = ETO_CLIPPED | ETO_OPAQUE;

// Only the field's own three slots can be read and written through its
// messages; any other index (a negative one would reach the window's
// procedure or style) answers 0 and changes nothing.
bool IsFieldSlot(WPARAM index) {
    return index == STSFWL_MINWIDTH || index == STSFWL_MAXWIDTH || index == STSFWL_WIDTH;
}

PixelRect ClientOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return ToPixelRect(r);
}

LONG FieldLong(HWND field, int index) {
    return static_cast<LONG>(SendMessageA(field, STSF_GETLONG, index, 0));
}

FieldLimits LimitsOf(HWND field) {
    return {FieldLong(field, STSFWL_MINWIDTH), FieldLong(field, STSFWL_MAXWIDTH)};
}

HWND FirstField(HWND bar) {
    return GetWindow(bar, GW_CHILD);
}

HWND NextField(HWND field) {
    return GetWindow(field, GW_HWNDNEXT);
}

} // namespace

namespace bar {
namespace {

// Shares the bar's width among its fields in three passes over the child
// windows, then places them in a row.
LRESULT OnSize(HWND bar) {
    if (FirstField(bar) == nullptr) {
        return 0;
    }
    const PixelRect client = ClientOf(bar);
    WidthPlan plan(client.width(), g_status.border.width);
    for (HWND field = FirstField(bar); field != nullptr; field = NextField(field)) {
        plan.Count(LimitsOf(field));
    }
    for (HWND field = FirstField(bar); field != nullptr; field = NextField(field)) {
        plan.Grow(LimitsOf(field));
    }
    FieldRow row(client, g_status.border, g_status.metrics.fieldHeight);
    for (HWND field = FirstField(bar); field != nullptr; field = NextField(field)) {
        const int width = plan.Width(LimitsOf(field));
        SendMessageA(field, STSF_SETLONG, STSFWL_WIDTH, width);
        const Placement p = row.Next(width);
        MoveWindow(field, p.x, p.y, p.width, p.height, TRUE);
    }
    return 0;
}

// A light line along the top, a shadow along the bottom; the class
// background is the button face in between.
void OnPaint(HWND bar, WPARAM given) {
    PaintDC dc(bar, given);
    if (!dc) {
        return;
    }
    const EdgeStrips edges = EdgesOf(ClientOf(bar), g_status.border);
    FillSystemColour(dc.get(), edges.top, COLOR_WINDOW);
    FillSystemColour(dc.get(), edges.bottom, COLOR_BTNSHADOW);
}

} // namespace
} // namespace bar

namespace field {
namespace {

LRESULT OnGetLong(HWND field, WPARAM index) {
    if (!IsFieldSlot(index)) {
        return 0;
    }
    return GetWindowLongA(field, static_cast<int>(index));
}

LRESULT OnSetLong(HWND field, WPARAM index, LPARAM value) {
    if (!IsFieldSlot(index)) {
        return 0;
    }
    SetWindowLongA(field, static_cast<int>(index), static_cast<LONG>(value));
    return GetWindowLongA(field, static_cast<int>(index));
}

// Nothing changed, nothing repainted: a clock that sets its text every
// second does not flicker. Bytes are compared as they are, so any change
// of the text shows.
LRESULT OnSetText(HWND field, WPARAM wParam, LPARAM newText) {
    const char* text = newText != 0 ? reinterpret_cast<const char*>(newText) : "";
    char current[kFieldTextSize] = "";
    GetWindowTextA(field, current, sizeof current);
    const LRESULT result = DefWindowProcA(field, WM_SETTEXT, wParam, newText);
    if (std::strcmp(current, text) != 0) {
        InvalidateRect(field, nullptr, TRUE);
        NotifyAccessible(EVENT_OBJECT_NAMECHANGE, field);
    }
    return result;
}

COLORREF TextColourOf(TextColour colour) {
    switch (colour) {
    case TextColour::Alert:
        return kAlertColour;
    case TextColour::Hint:
        return kHintColour;
    case TextColour::Normal:
        break;
    }
    return GetSysColor(COLOR_BTNTEXT);
}

// Shadow above and to the left, light below and to the right.
void DrawSunkenFrame(HDC dc, const PixelRect& client) {
    const EdgeStrips edges = EdgesOf(client, g_status.border);
    FillSystemColour(dc, edges.top, COLOR_BTNSHADOW);
    FillSystemColour(dc, edges.left, COLOR_BTNSHADOW);
    FillSystemColour(dc, edges.bottom, COLOR_WINDOW);
    FillSystemColour(dc, edges.right, COLOR_WINDOW);
}

void DrawFieldText(HDC dc, const PixelRect& client, const char* text) {
    const MarkedText marked = SplitMarker(text);
    HGDIOBJ previous = g_status.font != nullptr ? SelectObject(dc, g_status.font) : nullptr;
    SetTextColor(dc, TextColourOf(marked.colour));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    const RECT inner = ToRect(TextRect(client, g_status.border));
    ExtTextOutA(dc, inner.left, inner.top, kTextOptions, &inner, marked.text,
                static_cast<UINT>(std::strlen(marked.text)), nullptr);
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
}

LRESULT OnPaint(HWND field, WPARAM given) {
    PaintDC dc(field, given);
    if (!dc) {
        return 0;
    }
    const PixelRect client = ClientOf(field);
    DrawSunkenFrame(dc.get(), client);
    char text[kFieldTextSize] = "";
    GetWindowTextA(field, text, sizeof text);
    if (text[0] != '\0') {
        DrawFieldText(dc.get(), client, text);
    }
    return 0;
}

} // namespace
} // namespace field

// The bar is named by nothing (its window text is its class name); its
// fields, its child windows, are its children. A field is named by its
// text without the colour marker.
namespace {

LONG BarRole(HWND) {
    return ROLE_SYSTEM_STATUSBAR;
}

std::string NoName(HWND) {
    return {};
}

LONG FieldRole(HWND) {
    return ROLE_SYSTEM_STATICTEXT;
}

LONG ReadOnly(HWND) {
    return STATE_SYSTEM_READONLY;
}

std::string FieldName(HWND window) {
    const std::string text = StoredWindowText(window);
    return SplitMarker(text.c_str()).text;
}

} // namespace

const AccessibleEntry kBarAccessible = {.role = BarRole, .state = ReadOnly, .name = NoName};
const AccessibleEntry kFieldAccessible = {.role = FieldRole, .state = ReadOnly, .name = FieldName};

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        return bar::OnSize(window);
    case WM_PAINT:
        bar::OnPaint(window, wParam);
        // The default would validate the window: not when painting a caller's context.
        return wParam != 0 ? 0 : DefWindowProcA(window, message, wParam, lParam);
    case WM_PRINTCLIENT:
        return PrintClient(window, wParam, lParam);
    default:
        return DefControlProc(kBarClass, window, message, wParam, lParam);
    }
}

LRESULT CALLBACK FieldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case STSF_GETLONG:
        return field::OnGetLong(window, wParam);
    case STSF_SETLONG:
        return field::OnSetLong(window, wParam, lParam);
    case WM_SETTEXT:
        return field::OnSetText(window, wParam, lParam);
    case WM_PAINT:
        return field::OnPaint(window, wParam);
    case WM_PRINTCLIENT:
        return PrintClient(window, wParam, lParam);
    default:
        return DefControlProc(kFieldClass, window, message, wParam, lParam);
    }
}

} // namespace quorl::statusbar
