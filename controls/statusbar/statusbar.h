// Status bar (class QuStsb) and status fields (class QuStsf).
#pragma once

#include <windows.h>

#include "quorl32.h"

namespace quorl::statusbar {

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK FieldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

constexpr int kBarExtraBytes = 0;
constexpr int kFieldExtraBytes = static_cast<int>(STSFWL_WIDTH + sizeof(LONG));
static_assert(kFieldExtraBytes == 12);

// Last step of the library initialisation: the status font and metrics,
// then the two classes (the field class only when the bar class registered).
void Setup();
// Part of the library teardown: deletes the status font.
void Teardown();

} // namespace quorl::statusbar
