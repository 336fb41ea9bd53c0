// Text label, class GTEXT.
#pragma once

#include <windows.h>

#include "quorl32.h"

namespace quorl::textlabel {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Extra window bytes: 32-bit numbers keep 4 bytes, handle slots are pointer-sized.
constexpr int kExtraBytes = static_cast<int>(GTWL_FIELDNAME + sizeof(HLOCAL));
#ifdef _WIN64
static_assert(kExtraBytes == 16);
#else
static_assert(kExtraBytes == 8);
#endif

} // namespace quorl::textlabel
