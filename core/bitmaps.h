// Bitmap helpers the graphic buttons share: where a control looks for its
// pictures, and the half-tone look of a disabled picture.
#pragma once

#include <windows.h>

namespace quorl {

// Library bitmap: 8 x 8 black-and-white checkerboard for the disabled look.
constexpr WORD kHalftonePatternId = 113;

// Modules a control searches for a picture, first hit wins: the library
// (so its stock pictures win), the parent window's module, the control's
// own module. Null entries (no parent) are skipped by the callers.
struct ControlModules {
    HINSTANCE order[3];
};
ControlModules ControlModulesOf(HWND control);

// LoadBitmapA over ControlModulesOf; null when no module has the bitmap.
HBITMAP LoadControlBitmap(HWND control, LPCSTR name);

// A copy of a bitmap as a 32-bit DIB section, which a memory context takes
// far more cheaply at every paint than a device-dependent bitmap; null when
// it cannot be made. The source stays the caller's.
HBITMAP CopyAsDibSection(HBITMAP source);

// An owned bitmap in the form that paints fastest: without a palette
// display, its copy as a DIB section (the original is deleted); otherwise,
// or when no copy can be made, the bitmap itself.
HBITMAP KeepAsDibSection(HBITMAP owned);

// An owned picture of the library's own (a stock picture, a mark, a tab
// junction) at the screen's scale: the bitmap itself at 96 pixels per
// inch; otherwise a DIB-section copy, enlarged pixel for pixel by the
// whole factor and, where that overshoots, reduced smoothly to the scaled
// size (the original is deleted). When no copy can be made, the bitmap
// itself. Pictures an application supplies are drawn as given.
HBITMAP ScaleLibraryPicture(HBITMAP owned);

// Copies a whole bitmap to (x, y) of a context (SRCCOPY); cheap for a DIB
// section.
void DrawBitmap(HDC target, int x, int y, HBITMAP bitmap);
// True when the screen works with a palette (asked of the context that
// DrawBitmap keeps, rather than of a new one at every button's creation).
bool IsPaletteDisplay();
// Deletes what the drawing helpers keep for every control: the memory
// context they blit from and the checkerboard brush.
void ReleaseBlitSource();

// Draws a whole bitmap disabled at (x, y): the rectangle is filled light
// grey, then the bitmap is blitted through the checkerboard with
// destination AND (pattern OR source), so that every other pixel stays grey
// and the others are the picture ANDed with grey.
void DrawHalftone(HDC target, int x, int y, HBITMAP bitmap);

} // namespace quorl
