// The window procedures of the bar and its fields.
#include <cstdint>
#include <cstring>

#include "controls/statusbar/statusbar.h"
#include "controls/statusbar/statusbar_internal.h"
#include "core/accessible.h"
#include "core/helpers.h"
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

// The text a window holds, when it is short enough to compare at once.
constexpr int kQuickCompareSize = kFieldTextSize + 2;
constexpr DWORD kReadableAccess = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY |
                                  PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE |
                                  PAGE_EXECUTE_WRITECOPY;

// Whether `size` bytes from `address` lie in one committed, readable region.
// The memory manager is asked, so a bad pointer raises no fault at all.
bool IsReadable(LPARAM address, std::size_t size) {
    MEMORY_BASIC_INFORMATION region;
    const auto* start = reinterpret_cast<const void*>(address);
    if (VirtualQuery(start, &region, sizeof region) != sizeof region ||
        region.State != MEM_COMMIT || (region.Protect & kReadableAccess) == 0 ||
        (region.Protect & PAGE_GUARD) != 0) {
        return false;
    }
    const auto end = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
    return size <= end - static_cast<std::uintptr_t>(address);
}

// Whether `newText` is exactly the text the field holds, the terminator
// included, so a longer text never compares equal. What cannot be told at
// once (no text, a long one, memory that is not plainly readable) counts as
// a change and goes to the default handling, which refuses a bad pointer.
bool IsHeldText(HWND field, LPARAM newText) {
    char held[kQuickCompareSize];
    const auto length = static_cast<int>(
        DefWindowProcA(field, WM_GETTEXT, sizeof held, reinterpret_cast<LPARAM>(held)));
    const auto compared = static_cast<std::size_t>(length) + 1;
    if (newText == 0 || length + 2 > kQuickCompareSize || !IsReadable(newText, compared)) {
        return false;
    }
    return std::strncmp(reinterpret_cast<const char*>(newText), held, compared) == 0;
}

// Nothing changed, nothing repainted: a clock that sets its text every
// second does not flicker, and the same text again costs no default
// handling at all. Otherwise the default handling takes the text first, so
// a pointer that is no readable string is refused there; bytes are then
// compared as they are, one character more than a field shows, to tell a
// longer text apart.
LRESULT OnSetText(HWND field, LPARAM newText) {
    if (IsHeldText(field, newText)) {
        return TRUE;
    }
    char current[kFieldTextSize + 1] = "";
    DefWindowProcA(field, WM_GETTEXT, sizeof current, reinterpret_cast<LPARAM>(current));
    char text[kFieldTextSize + 1];
    const LRESULT result = TakeText(field, newText, text, sizeof text);
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

SpokenText NoName(HWND) {
    return {};
}

LONG FieldRole(HWND) {
    return ROLE_SYSTEM_STATICTEXT;
}

LONG ReadOnly(HWND) {
    return STATE_SYSTEM_READONLY;
}

SpokenText FieldName(HWND window) {
    const SpokenText text = StoredWindowText(window);
    return text.failed() ? SpokenText::Failed() : SpokenText(SplitMarker(text.c_str()).text);
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
        return field::OnSetText(window, lParam);
    case WM_PAINT:
        return field::OnPaint(window, wParam);
    case WM_PRINTCLIENT:
        return PrintClient(window, wParam, lParam);
    default:
        return DefControlProc(kFieldClass, window, message, wParam, lParam);
    }
}

} // namespace quorl::statusbar
