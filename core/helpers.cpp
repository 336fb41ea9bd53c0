#include "core/helpers.h"

namespace quorl {

namespace {

constexpr COLORREF kDotColour = RGB(0, 0, 0);
constexpr int kCaptionBufferSize = 260;
constexpr char kCaptionEnd = ',';
constexpr char kLineBreakMark = '~';

} // namespace

bool ChangeStateBits(HWND window, LONG mask, BOOL set) {
    const LONG old = GetWindowLongA(window, kStateWordIndex);
    const LONG updated = set ? (old | mask) : (old & ~mask);
    if (updated == old) {
        return false;
    }
    SetWindowLongA(window, kStateWordIndex, updated);
    return true;
}

bool HitTestClient(HWND window, LPARAM point) {
    RECT client;
    GetClientRect(window, &client);
    const POINT p = {static_cast<LONG>(LOWORD(point)), static_cast<LONG>(HIWORD(point))};
    return PtInRect(&client, p) != FALSE;
}

void FocusAsDialogItem(HWND control) {
    if (HWND parent = GetParent(control)) {
        SendMessageA(parent, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }
    if (GetFocus() != control) {
        SetFocus(control);
    }
}

void DrawDottedRect(HDC dc, int left, int top, int right, int bottom) {
    for (int x = left + 1; x <= right; x += 2) {
        SetPixel(dc, x, top, kDotColour);
        SetPixel(dc, x, bottom, kDotColour);
    }
    for (int y = top + 1; y <= bottom; y += 2) {
        SetPixel(dc, left, y, kDotColour);
        SetPixel(dc, right, y, kDotColour);
    }
}

HMODULE ProgramModuleHandle() {
    return GetModuleHandleA(nullptr);
}

LRESULT GetCaptionText(HWND window, WPARAM size, LPARAM buffer) {
    const LRESULT count = DefWindowProcA(window, WM_GETTEXT, size, buffer);
    if (!IsWindowVisible(window) && count != 0) {
        char* text = reinterpret_cast<char*>(buffer);
        for (LRESULT i = 0; i < count && text[i] != '\0'; ++i) {
            if (text[i] == '&') {
                text[i] = '$';
                break;
            }
        }
    }
    return count;
}

LRESULT TakeText(HWND window, LPARAM text, char* buffer, int size) {
    buffer[0] = '\0';
    const LRESULT taken = DefWindowProcA(window, WM_SETTEXT, 0, text);
    if (taken != FALSE) {
        DefWindowProcA(window, WM_GETTEXT, static_cast<WPARAM>(size),
                       reinterpret_cast<LPARAM>(buffer));
    }
    return taken;
}

int ReadCaption(HWND window, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    buffer[0] = '\0';
    return static_cast<int>(DefWindowProcA(window, WM_GETTEXT, static_cast<WPARAM>(size),
                                           reinterpret_cast<LPARAM>(buffer)));
}

LRESULT SetCaptionText(HWND window, LPCSTR text) {
    char caption[kCaptionBufferSize];
    const LRESULT taken = TakeText(window, reinterpret_cast<LPARAM>(text), caption, sizeof caption);
    if (text == nullptr || taken == FALSE) {
        return taken;
    }
    int length = 0;
    for (; length < kMaxCaptionLength && caption[length] != '\0' && caption[length] != kCaptionEnd;
         ++length) {
        if (caption[length] == kLineBreakMark) {
            caption[length] = '\n';
        }
    }
    caption[length] = '\0';
    return DefWindowProcA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption));
}

} // namespace quorl
