// What the status bar's window code shares: the status font and metrics
// made at every initialisation, and the drawing of a flat colour strip.
#pragma once

#include <windows.h>

#include "controls/statusbar/statusbar_layout.h"
#include "core/accessible.h"
#include "core/geometry.h"
#include "core/rect_convert.h"

namespace quorl::statusbar {

struct StatusResources {
    HFONT font = nullptr;
    BorderSize border{};
    int averageCharWidth = 0;
    StatusMetrics metrics{};
};

extern StatusResources g_status;

// Fills r with a solid brush of a system colour made for this fill only.
void FillSystemColour(HDC dc, const PixelRect& r, int colourIndex);

// What screen readers hear of the bar and of a field.
extern const AccessibleEntry kBarAccessible;
extern const AccessibleEntry kFieldAccessible;

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK FieldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace quorl::statusbar
