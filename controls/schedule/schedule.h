// Schedule control, class GSHED.
#pragma once

#include <windows.h>

#include "quorl32.h"

namespace quorl::schedule {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Extra window bytes: 32-bit numbers keep 4 bytes, handle slots are pointer-sized.
constexpr int kExtraBytes = static_cast<int>(GSHWL_FOCUS + sizeof(LONG));
#ifdef _WIN64
static_assert(kExtraBytes == 12);
#else
static_assert(kExtraBytes == 8);
#endif

} // namespace quorl::schedule
