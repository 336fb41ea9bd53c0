// The text painter: draws a static text in a rectangle the way a text
// label's style word asks (3-D box, heading, edge line, group frame, single
// or several lines). Text labels and the page switcher's painted labels
// share it, so both look alike.
#pragma once

#include <windows.h>

namespace quorl {

// The caller selects the font and sets the text and background colours;
// the context's background mode and pen are used as they are. The style
// bits are those of a label (GTS_* in quorl32.h). A null text draws as an
// empty one. The caller's rectangle is never changed.
void PaintStaticText(HDC dc, DWORD style, const char* text, const RECT& rect);

} // namespace quorl
