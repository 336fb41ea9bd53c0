// Page switcher, class GSEITE.
#pragma once

#include <windows.h>

#include "quorl32.h"

namespace quorl::pageswitcher {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Extra window bytes: 32-bit numbers keep 4 bytes, handle slots are pointer-sized.
constexpr int kExtraBytes = static_cast<int>(GSWL_HOOKDATA + sizeof(LONG_PTR));
#ifdef _WIN64
static_assert(kExtraBytes == 28);
#else
static_assert(kExtraBytes == 16);
#endif

} // namespace quorl::pageswitcher
