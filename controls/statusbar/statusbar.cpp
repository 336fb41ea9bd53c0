#include "controls/statusbar/statusbar.h"

#include "controls/statusbar/statusbar_internal.h"
#include "core/library.h"

namespace quorl::statusbar {

namespace {

constexpr int kFontHeight = 16;
constexpr BYTE kVariablePitchSwiss = VARIABLE_PITCH | FF_SWISS; // 0x22
static_assert(kVariablePitchSwiss == 0x22);
constexpr char kFontFace[] = "Helv";

constexpr DWORD kBarStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
constexpr DWORD kFieldStyle = WS_CHILD | WS_VISIBLE;
static_assert(kBarStyle == 0x50800000 && kFieldStyle == 0x50000000);

void DeleteStatusFont() {
    if (g_status.font != nullptr) {
        DeleteObject(g_status.font);
        g_status.font = nullptr;
    }
}

// Made afresh at every initialisation; a font left from an initialisation
// that ended without teardown is deleted first rather than leaked.
void CreateStatusFont() {
    DeleteStatusFont();
    g_status.font =
        CreateFontA(Scaled(kFontHeight), 0, 0, 0, 0, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, kVariablePitchSwiss, kFontFace);
    // Every length of the bar counts thin borders, which grow with the screen.
    g_status.border = {Scaled(GetSystemMetrics(SM_CXBORDER)),
                       Scaled(GetSystemMetrics(SM_CYBORDER))};
    TEXTMETRICA metrics{};
    if (HDC dc = CreateCompatibleDC(nullptr)) {
        HGDIOBJ previous = g_status.font != nullptr ? SelectObject(dc, g_status.font) : nullptr;
        GetTextMetricsA(dc, &metrics);
        if (previous != nullptr) {
            SelectObject(dc, previous);
        }
        DeleteDC(dc);
    }
    g_status.averageCharWidth = metrics.tmAveCharWidth;
    g_status.metrics = MetricsOf(metrics.tmHeight, g_status.border);
}

} // namespace

StatusResources g_status;

void FillSystemColour(HDC dc, const PixelRect& r, int colourIndex) {
    if (HBRUSH brush = CreateSolidBrush(GetSysColor(colourIndex))) {
        const RECT area = ToRect(r);
        FillRect(dc, &area, brush);
        DeleteObject(brush);
    }
}

// The bar's class carries the status font and metrics.
const ClassDescriptor kBarClass = {.name = QUSTSB_CLASSA,
                                   .style = kRedrawOnResize,
                                   .extraBytes = 0,
                                   .background = ButtonFaceBrush,
                                   .procedure = BarWindowProc,
                                   .setup = CreateStatusFont,
                                   .teardown = DeleteStatusFont,
                                   .accessible = &kBarAccessible};

const ClassDescriptor kFieldClass = {.name = QUSTSF_CLASSA,
                                     .style = kRedrawOnResize,
                                     .extraBytes = sizeof(FieldLongs),
                                     .background = ButtonFaceBrush,
                                     .procedure = FieldWindowProc,
                                     .accessible = &kFieldAccessible};

} // namespace quorl::statusbar

using quorl::statusbar::g_status;

extern "C" {

HWND WINAPI StsbCreate(HWND parent, HINSTANCE instance, int id) {
    return CreateWindowExA(0, QUSTSB_CLASSA, QUSTSB_CLASSA, quorl::statusbar::kBarStyle, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           nullptr);
}

// Positions come with the bar's next WM_SIZE, which StsbAdjust brings about.
HWND WINAPI StsbAddField(HWND bar, HINSTANCE instance, int id, int minWidth, int maxWidth, LONG) {
    HWND field =
        CreateWindowExA(0, QUSTSF_CLASSA, "", quorl::statusbar::kFieldStyle, 0, 0, 0, 0, bar,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (field == nullptr) {
        return nullptr;
    }
    using quorl::statusbar::WidthInPixels;
    SendMessageA(field, STSF_SETLONG, STSFWL_MINWIDTH,
                 WidthInPixels(minWidth, g_status.averageCharWidth));
    SendMessageA(field, STSF_SETLONG, STSFWL_MAXWIDTH,
                 WidthInPixels(maxWidth, g_status.averageCharWidth));
    return field;
}

BOOL WINAPI StsbAdjust(HWND parent, HWND bar) {
    RECT client{};
    GetClientRect(parent, &client);
    if (bar != nullptr) {
        const quorl::statusbar::Placement p = quorl::statusbar::BarPlacement(
            quorl::ToPixelRect(client), g_status.border.height, g_status.metrics.barHeight);
        MoveWindow(bar, p.x, p.y, p.width, p.height, TRUE);
    }
    return TRUE;
}

int WINAPI StsbGetHeight(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client.bottom;
}

} // extern "C"
