// StsbAutoInfo: a ready-made status bar for any dialog, with a help field
// for menu items, commands and focused controls, and a clock.
#include "controls/statusbar/statusbar_layout.h"
#include "core/library.h"
#include "quorl32.h"

namespace quorl::statusbar {

namespace {

constexpr int kHelpMinWidth = 50;
constexpr int kHelpMaxWidth = 1000;
constexpr int kClockWidth = 90;
constexpr UINT kClockInterval = 1000; // ms

// The wParam of the command or focus change whose help text was shown
// last; shared by every dialog of the process.
WPARAM g_lastHelpId = 0;

// Without a bar the text goes nowhere (a null parent would make the field
// lookup search among the top-level windows).
void ShowText(HWND bar, int fieldId, const char* text) {
    if (bar != nullptr) {
        SetWindowTextA(GetDlgItem(bar, fieldId), text);
    }
}

// A missing string leaves the text empty; a longer one is cut by the load.
void LoadHelp(HINSTANCE instance, UINT id, char (&text)[kHelpTextSize]) {
    if (LoadStringA(instance, id, text, kHelpResourceSize) <= 0) {
        text[0] = '\0';
    }
}

LRESULT OnInitDialog(HWND dialog, HINSTANCE instance) {
    HWND bar = StsbCreate(dialog, instance, STSB_AUTO_BAR);
    StsbAddField(bar, instance, STSB_AUTO_HELP, Scaled(kHelpMinWidth), Scaled(kHelpMaxWidth), 0);
    StsbAddField(bar, instance, STSB_AUTO_CLOCK, Scaled(kClockWidth), Scaled(kClockWidth), 0);
    SetTimer(dialog, STSB_AUTO_TIMER, kClockInterval, nullptr);
    return StsbAdjust(dialog, bar);
}

// A clock is read by people: local time.
void OnTimer(HWND bar, WPARAM timer) {
    if (timer != STSB_AUTO_TIMER) {
        return;
    }
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char text[kClockTextSize];
    FormatClock(now.wHour, now.wMinute, now.wSecond, text);
    ShowText(bar, STSB_AUTO_CLOCK, text);
}

// A popup, or the menu closing (flags 0xFFFF), clears the help field and
// forgets whose help it showed, so that the same command or control shows
// its help again afterwards.
void OnMenuSelect(HWND bar, HINSTANCE instance, WPARAM wParam) {
    const UINT flags = HIWORD(wParam);
    char text[kHelpTextSize] = "";
    if ((flags & MF_POPUP) != 0 && bar != nullptr) {
        g_lastHelpId = 0;
    }
    if ((flags & MF_POPUP) == 0) {
        LoadHelp(instance, LOWORD(wParam), text);
        if ((flags & MF_GRAYED) != 0) {
            AppendUnavailable(text);
        }
    }
    ShowText(bar, STSB_AUTO_HELP, text);
}

// The same command or focus change again (whole wParam) shows nothing new.
void OnHelpRequest(HWND bar, HINSTANCE instance, WPARAM wParam) {
    if (wParam == g_lastHelpId || bar == nullptr) {
        return;
    }
    char text[kHelpTextSize];
    LoadHelp(instance, LOWORD(wParam), text);
    ShowText(bar, STSB_AUTO_HELP, text);
    g_lastHelpId = wParam;
}

// A graphic button's focus change shows its help text like a command.
LRESULT OnRegistered(HWND bar, HINSTANCE instance, UINT message, WPARAM wParam) {
    if (IsRegisteredMessage(g_library.msgFocusNotify, message)) {
        OnHelpRequest(bar, instance, wParam);
    }
    return 0;
}

} // namespace

} // namespace quorl::statusbar

extern "C" LRESULT WINAPI StsbAutoInfo(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    using namespace quorl::statusbar;
    // No window, nothing to do: a timer on a null window would be the
    // thread's and tick forever.
    if (!IsWindow(dialog)) {
        return 0;
    }
    HWND bar = GetDlgItem(dialog, STSB_AUTO_BAR);
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, instance);
    case WM_SIZE:
        return StsbAdjust(dialog, bar);
    case WM_TIMER:
        OnTimer(bar, wParam);
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(bar, instance, wParam);
        return 0;
    case WM_COMMAND:
        OnHelpRequest(bar, instance, wParam);
        return 0;
    case WM_DESTROY:
        KillTimer(dialog, STSB_AUTO_TIMER);
        return 0;
    default:
        return OnRegistered(bar, instance, message, wParam);
    }
}
