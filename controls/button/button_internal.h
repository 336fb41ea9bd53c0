// Private record and shared routines of the graphic push button, used by
// its message, painting and scrolling code.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/local_block.h"
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
constexpr LONG kMouseAndSpaceBits = kPushed | kTracking | kOutside;

// Styles.
constexpr LONG kButtonTypeMask = 0x1F;
constexpr LONG kDefaultButtonType = BS_DEFPUSHBUTTON;
constexpr LONG kPictureMode = QBS_PICTURE;
constexpr LONG kSharedFont = QBS_SHAREDFONT;
constexpr LONG kAutoScroll = QBS_AUTOSCROLL;

constexpr UINT_PTR kAutoScrollTimer = QB_AUTOSCROLL_TIMER;
constexpr UINT kAutoScrollInterval = 100; // milliseconds

constexpr std::size_t kFieldNameSize = 20; // 19 characters and the terminator

// The button's block of local memory. Handles are pointer-sized; on 32-bit
// Windows the record is laid out as the control has always kept it.
struct ButtonBlock {
    HBITMAP picture;   // owned; null when none was found
    HFONT captionFont; // not owned
    HPALETTE palette;  // the picture's palette, owned; may be null
    LONG pictureLeft;  // layout: x of the picture
    LONG captionLeft;  // layout: x of the caption, 0 until computed
    LONG scrollY;      // picture panel: vertical scroll position
    DWORD captionSize; // layout: width low 16 bits, height high 16 bits
    char fieldName[kFieldNameSize];
};
#ifndef _WIN64
static_assert(offsetof(ButtonBlock, picture) == 0);
static_assert(offsetof(ButtonBlock, captionFont) == 4);
static_assert(offsetof(ButtonBlock, palette) == 8);
static_assert(offsetof(ButtonBlock, pictureLeft) == 12);
static_assert(offsetof(ButtonBlock, captionLeft) == 16);
static_assert(offsetof(ButtonBlock, scrollY) == 20);
static_assert(offsetof(ButtonBlock, captionSize) == 24);
static_assert(offsetof(ButtonBlock, fieldName) == 28);
static_assert(sizeof(ButtonBlock) == 48);
#endif

// The button's block, locked for the span of one message; null when the
// block is missing or cannot be locked.
struct LockedBlock : LocalBlock<ButtonBlock> {
    explicit LockedBlock(HWND window) : LocalBlock(window, QBWL_DATA) {}
};

LONG ButtonState(HWND window);
LONG ButtonStyle(HWND window);
inline bool IsPictureMode(HWND window) {
    return (ButtonStyle(window) & kPictureMode) != 0;
}

// Changes state bits and, only when a bit really changed, paints the
// button at once into its own device context.
void ButtonChangeStateAndRepaint(HWND window, LONG mask, bool set);

// Painting (button_paint.cpp). ButtonPaint returns the number of palette
// entries that realising the picture's palette changed.
UINT ButtonPaint(HWND window, HDC dc);
void ButtonDrawFocusMark(HWND window);

// Picture panel (button_scroll.cpp).
void ButtonRecomputeScrollRanges(HWND window);
void ButtonOnHScroll(HWND window, WPARAM wParam);
void ButtonOnVScroll(HWND window, WPARAM wParam);
void ButtonOnTimer(HWND window);
void ButtonOnPictureKey(HWND window, WPARAM key);

} // namespace quorl::button
