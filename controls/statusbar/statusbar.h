// Status bar (class QuStsb) and status fields (class QuStsf).
#pragma once

#include <windows.h>

#include <cstddef>

#include "quorl32.h"

namespace quorl::statusbar {

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK FieldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#pragma pack(push, 1)
struct FieldLongs {
    LONG minWidth;
    LONG maxWidth;
    LONG width;
};
#pragma pack(pop)
static_assert(offsetof(FieldLongs, minWidth) == STSFWL_MINWIDTH);
static_assert(offsetof(FieldLongs, maxWidth) == STSFWL_MAXWIDTH);
static_assert(offsetof(FieldLongs, width) == STSFWL_WIDTH);
static_assert(sizeof(FieldLongs) == 12);

constexpr int kBarExtraBytes = 0;
constexpr int kFieldExtraBytes = sizeof(FieldLongs);

// Last step of the library initialisation: the status font and metrics,
// then the two classes (the field class only when the bar class registered).
void Setup();
// Part of the library teardown: deletes the status font.
void Teardown();

} // namespace quorl::statusbar
