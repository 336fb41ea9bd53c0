// Private record and shared routines of the graphic push button, used by
// its message, painting and scrolling code.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/text.h"
#include "quorl32.h"

namespace quorl::button {

// Bits of the control state word.
constexpr LONG kDisabled = QSTATE_DISABLED;
constexpr LONG kFocused = QSTATE_FOCUSED;
constexpr LONG kPushed = QSTATE_PUSHED;
constexpr LONG kTracking = QSTATE_TRACKING;
constexpr LONG kOutside = QSTATE_OUTSIDE;
constexpr LONG kDefault = QBSTATE_DEFAULT;
constexpr LONG kScrollingUp = QBSTATE_SCROLLUP;

// Styles.
constexpr LONG kButtonTypeMask = 0x1F;
constexpr LONG kDefaultButtonType = BS_DEFPUSHBUTTON;
constexpr LONG kPictureMode = QBS_PICTURE;
constexpr LONG kSharedFont = QBS_SHAREDFONT;
constexpr LONG kAutoScroll = QBS_AUTOSCROLL;

constexpr UINT_PTR kAutoScrollTimer = QB_AUTOSCROLL_TIMER;
constexpr UINT kAutoScrollInterval = 100; // milliseconds

// The button's block of local memory. Handles are pointer-sized; on 32-bit
// Windows the record is laid out as the control has always kept it.
struct ButtonBlock {
    HBITMAP picture;   // owned; null when none was found
    HFONT font;        // caption font, not owned
    HPALETTE palette;  // the picture's palette, owned; may be null
    LONG pictureLeft;  // layout: x of the picture
    LONG captionLeft;  // layout: x of the caption, 0 until computed
    LONG scrollY;      // picture panel: vertical scroll position
    DWORD captionSize; // layout: width low 16 bits, height high 16 bits
    char fieldName[kFieldNameSize];
};
#ifndef _WIN64
static_assert(offsetof(ButtonBlock, picture) == 0);
static_assert(offsetof(ButtonBlock, font) == 4);
static_assert(offsetof(ButtonBlock, palette) == 8);
static_assert(offsetof(ButtonBlock, pictureLeft) == 12);
static_assert(offsetof(ButtonBlock, captionLeft) == 16);
static_assert(offsetof(ButtonBlock, scrollY) == 20);
static_assert(offsetof(ButtonBlock, captionSize) == 24);
static_assert(offsetof(ButtonBlock, fieldName) == 28);
static_assert(sizeof(ButtonBlock) == 48);
#endif

inline LONG StateOf(HWND window) {
    return GetWindowLongA(window, QBWL_STATE);
}
inline LONG StyleOf(HWND window) {
    return GetWindowLongA(window, GWL_STYLE);
}
inline bool IsPictureMode(HWND window) {
    return (StyleOf(window) & kPictureMode) != 0;
}

// Painting (button_paint.cpp); block may be null. Paint returns the number
// of palette entries that realising the picture's palette changed.
UINT Paint(HWND window, ButtonBlock* block, HDC dc);
void RepaintNow(HWND window, ButtonBlock* block);
void DrawFocusMark(HWND window, const ButtonBlock* block);

// Picture panel (button_scroll.cpp); block may be null.
void RecomputeScrollRanges(HWND window, ButtonBlock* block);
void OnHScroll(HWND window, WPARAM wParam);
void OnVScroll(HWND window, ButtonBlock* block, WPARAM wParam);
void OnTimer(HWND window, ButtonBlock* block);
void OnPictureKey(HWND window, WPARAM key);

} // namespace quorl::button
