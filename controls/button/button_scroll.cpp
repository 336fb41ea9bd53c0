// The picture panel (style QBS_PICTURE): scroll extents and ranges, the
// scroll messages, keys and automatic scrolling (QBS_AUTOSCROLL).
#include "controls/button/button_internal.h"
#include "controls/button/button_layout.h"
#include "core/helpers.h"
#include "core/library.h"

namespace quorl::button {

namespace {

// Set while the scroll ranges are being set: showing or hiding a bar
// resizes the client area and sends WM_SIZE back into the recompute.
// One flag for all buttons, as they all run on the thread of the windows.
bool g_settingRanges = false;

int RangeMax(HWND window, int bar) {
    int minimum = 0;
    int maximum = 0;
    GetScrollRange(window, bar, &minimum, &maximum);
    return maximum;
}

ScrollExtents ScrollExtentsOf(HWND window, const ButtonBlock* block) {
    if (block == nullptr || (StyleOf(window) & (QBS_PICTURE | QBS_AUTOSCROLL)) == 0 ||
        block->picture == nullptr) {
        return {0, 0};
    }
    BITMAP picture{};
    GetObjectA(block->picture, sizeof picture, &picture);
    RECT client;
    GetClientRect(window, &client);
    ScrollInput in{};
    in.pictureWidth = picture.bmWidth;
    in.pictureHeight = picture.bmHeight;
    in.clientWidth = client.right;
    in.clientHeight = client.bottom;
    in.horizontalRangeMax = RangeMax(window, SB_HORZ);
    in.verticalRangeMax = RangeMax(window, SB_VERT);
    in.verticalBarWidth = GetSystemMetrics(SM_CXVSCROLL);
    in.horizontalBarHeight = GetSystemMetrics(SM_CYHSCROLL);
    return ComputeScrollExtents(in);
}

void ScrollBy(HWND window, int dx, int dy) {
    ScrollWindow(window, dx, dy, nullptr, nullptr);
}

} // namespace

void RecomputeScrollRanges(HWND window, ButtonBlock* block) {
    if (block == nullptr || g_settingRanges) {
        return;
    }
    g_settingRanges = true;
    ScrollExtents extents = ScrollExtentsOf(window, block);
    const LONG style = StyleOf(window);
    if ((style & QBS_AUTOSCROLL) != 0) {
        extents.vertical = 0; // no vertical bar: the timer moves the picture
    }
    // Both ranges are set every time, also where a hidden bar seems to have
    // them already: skipping that left a panel whose picture was found at
    // its creation turning back after one pixel.
    SetScrollRange(window, SB_HORZ, 0, extents.horizontal, extents.horizontal == 0);
    SetScrollRange(window, SB_VERT, 0, extents.vertical, extents.vertical == 0);
    if (extents.vertical > 0) {
        SetScrollPos(window, SB_VERT, extents.vertical / 2, TRUE);
        block->scrollY = extents.vertical / 2;
    }
    if (extents.horizontal > 0) {
        SetScrollPos(window, SB_HORZ, extents.horizontal / 2, TRUE);
    }
    if ((style & QBS_PICTURE) != 0) {
        // A picture that fits cannot be scrolled, so it takes no focus.
        EnableWindow(window, extents.horizontal > 0 || extents.vertical > 0);
    }
    g_settingRanges = false;
}

void OnHScroll(HWND window, WPARAM wParam) {
    const int position = GetScrollPos(window, SB_HORZ);
    const int next = NewScrollPosition(LOWORD(wParam), HIWORD(wParam), position,
                                       RangeMax(window, SB_HORZ), g_library.scale);
    ScrollBy(window, position - next, 0);
    SetScrollPos(window, SB_HORZ, next, TRUE);
}

void OnVScroll(HWND window, ButtonBlock* block, WPARAM wParam) {
    if (block == nullptr) {
        return;
    }
    const int position = block->scrollY;
    // The computed extent, not the bar's range: automatic scrolling shows
    // no vertical bar.
    const int maximum = ScrollExtentsOf(window, block).vertical;
    const int next =
        NewScrollPosition(LOWORD(wParam), HIWORD(wParam), position, maximum, g_library.scale);
    ScrollBy(window, 0, position - next);
    block->scrollY = next;
    SetScrollPos(window, SB_VERT, next, TRUE);
}

void OnTimer(HWND window, ButtonBlock* block) {
    if (block == nullptr) {
        return;
    }
    const AutoScrollStep step =
        NextAutoScrollStep(block->scrollY, ScrollExtentsOf(window, block).vertical,
                           (StateOf(window) & QBSTATE_SCROLLUP) != 0);
    ChangeStateBits(window, QBSTATE_SCROLLUP, step.upward);
    SendMessageA(window, WM_VSCROLL, MAKEWPARAM(kScrollThumbTrack, step.position), 0);
}

void OnPictureKey(HWND window, WPARAM key) {
    const bool controlHeld = GetKeyState(VK_CONTROL) < 0;
    const KeyScroll scroll = KeyToScroll(static_cast<unsigned>(key), controlHeld);
    if (!scroll.handled) {
        return;
    }
    PostMessageA(window, scroll.vertical ? WM_VSCROLL : WM_HSCROLL, scroll.code, 0);
}

} // namespace quorl::button
