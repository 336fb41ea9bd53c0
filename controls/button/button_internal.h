// Private record and shared routines of the graphic push button, used by
// its message, painting and scrolling code.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/text.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::button {

// The low five style bits: the type of a system push button.
constexpr LONG kButtonTypeMask = 0x1F;
constexpr LONG kDefaultButtonType = BS_DEFPUSHBUTTON;

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
static_assert(Win32Is(offsetof(ButtonBlock, font), 4) &&
              Win32Is(offsetof(ButtonBlock, palette), 8) &&
              Win32Is(offsetof(ButtonBlock, pictureLeft), 12) &&
              Win32Is(offsetof(ButtonBlock, captionLeft), 16) &&
              Win32Is(offsetof(ButtonBlock, scrollY), 20) &&
              Win32Is(offsetof(ButtonBlock, captionSize), 24) &&
              Win32Is(offsetof(ButtonBlock, fieldName), 28) && Win32Is(sizeof(ButtonBlock), 48));

inline LONG StateOf(HWND window) {
    return GetWindowLongA(window, QBWL_STATE);
}
inline LONG StyleOf(HWND window) {
    return GetWindowLongA(window, GWL_STYLE);
}
inline bool IsPictureMode(HWND window) {
    return (StyleOf(window) & QBS_PICTURE) != 0;
}

// Painting (button_paint.cpp); block may be null. Paint returns the number
// of palette entries that realising the picture's palette changed.
UINT Paint(HWND window, ButtonBlock* block, HDC dc);
void RepaintNow(HWND window, ButtonBlock* block);
// Draws or removes the focus mark; dc may be null: then a window DC is used.
void DrawFocusMark(HWND window, const ButtonBlock* block, HDC dc);

// Picture panel (button_scroll.cpp); block may be null.
void RecomputeScrollRanges(HWND window, ButtonBlock* block);
void OnHScroll(HWND window, WPARAM wParam);
void OnVScroll(HWND window, ButtonBlock* block, WPARAM wParam);
void OnTimer(HWND window, ButtonBlock* block);
void OnPictureKey(HWND window, WPARAM key);

} // namespace quorl::button
