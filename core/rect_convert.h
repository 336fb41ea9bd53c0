// Conversions between the window system's RECT and the pure PixelRect
// that the layout code works with.
#pragma once

#include <windows.h>

#include "core/geometry.h"

namespace quorl {

inline PixelRect ToPixelRect(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
            static_cast<int>(r.bottom)};
}

inline RECT ToRect(const PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace quorl
