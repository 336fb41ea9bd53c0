// Graphic push button, class QUORL.
#pragma once

#include <windows.h>

#include "quorl32.h"

namespace quorl::button {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Extra window bytes: 32-bit numbers keep 4 bytes, handle slots are pointer-sized.
constexpr int kExtraBytes = static_cast<int>(QBWL_DATA + sizeof(HLOCAL));
#ifdef _WIN64
static_assert(kExtraBytes == 16);
#else
static_assert(kExtraBytes == 12);
#endif

} // namespace quorl::button
