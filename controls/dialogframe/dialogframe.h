// Dialog frame, class BORDLGPLAGIAT: a dialog class of its own.
#pragma once

#include <windows.h>

#include "quorl32.h"

namespace quorl::dialogframe {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The dialog manager's share of a dialog's extra bytes. MinGW's
// DLGWINDOWEXTRA says 30 for both targets, but on 64-bit Windows the dialog
// manager keeps a pointer at offset 24, so its share is 48 there.
#ifdef _WIN64
constexpr int kDialogManagerBytes = 48;
#else
constexpr int kDialogManagerBytes = 30;
#endif
static_assert(BDWL_BRUSH == kDialogManagerBytes);
static_assert(BDWL_ICON == BDWL_BRUSH + static_cast<int>(sizeof(HBRUSH)));
static_assert(BDWL_USER == BDWL_ICON + static_cast<int>(sizeof(HICON)));

constexpr int kExtraBytes = static_cast<int>(BDWL_USER + sizeof(LONG_PTR));
#ifdef _WIN64
static_assert(kExtraBytes == 72);
#else
static_assert(kExtraBytes == 42);
#endif

} // namespace quorl::dialogframe
