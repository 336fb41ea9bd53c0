// The check button's private record and the drawing operations that the
// window procedure calls.
#pragma once

#include <windows.h>

#include <cstddef>

#include "controls/checkbutton/checkbutton_layout.h"
#include "core/text.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::checkbutton {

// Local-memory block of one control; handles widen on 64-bit Windows.
struct CheckButtonData {
    HBITMAP marks[kMarkCount]; // unchecked, unchecked pressed, checked, checked pressed
    HFONT font;                // caption font, not owned
    char fieldName[kFieldNameSize];
    HWND owner; // tab mode: receives GSM_TABACTIVATED
};

static_assert(Win32Is(offsetof(CheckButtonData, font), 16) &&
              Win32Is(offsetof(CheckButtonData, fieldName), 20) &&
              Win32Is(offsetof(CheckButtonData, owner), 40) &&
              Win32Is(sizeof(CheckButtonData), 44));

inline LONG StyleOf(HWND window) {
    return GetWindowLongA(window, GWL_STYLE);
}
inline LONG StateOf(HWND window) {
    return GetWindowLongA(window, QCWL_STATE);
}

// Caption text buffer: at most 254 characters are drawn.
constexpr int kCaptionBufferSize = 255;

// Drawing; data is null when the control has no block, and then nothing
// is drawn. The picture: mark and caption (not the focus frame, not the
// background).
void Paint(HWND window, const CheckButtonData* data, HDC dc);
// Paints at once into a window DC, without erasing; used after a change
// of the state word.
void RepaintNow(HWND window, CheckButtonData* data);
// Draws the dotted frame around the caption when focused; otherwise asks
// for its area to be repainted. dc may be null: then a window DC is used.
void UpdateFocusFrame(HWND window, CheckButtonData* data, HDC dc);
// BWM_PAINTDC: a plain box, crossed when checked, and the caption, in the
// caller's device context and logical units.
void PrintRender(HWND window, const CheckButtonData* data, HDC dc, const RECT& area);

} // namespace quorl::checkbutton
