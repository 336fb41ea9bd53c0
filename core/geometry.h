// Plain rectangles and points for layout code that must build without the
// window system, and the platform's rounding multiply-divide reproduced
// exactly, so that pure layouts give the pixels the drawing code will get.
#pragma once

#include <cstdint>

namespace quorl {

struct PixelPoint {
    int x;
    int y;
    bool operator==(const PixelPoint&) const = default;
};

// Same meaning as a RECT: right and bottom are exclusive.
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const PixelRect&) const = default;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return left >= right || top >= bottom; }
};

inline PixelRect Inflated(const PixelRect& r, int dx, int dy) {
    return {r.left - dx, r.top - dy, r.right + dx, r.bottom + dy};
}

inline PixelRect Offset(const PixelRect& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// a * b / c computed in 64 bits and rounded half away from zero, as the
// platform does it: a divisor of 0, or a result beyond +-(2^31 - 1), gives -1.
constexpr int MulDivRounded(int a, int b, int c) {
    constexpr std::int64_t kLimit = 2147483647;
    if (c == 0) {
        return -1;
    }
    std::int64_t multiplicand = a;
    std::int64_t divisor = c;
    if (divisor < 0) {
        multiplicand = -multiplicand;
        divisor = -divisor;
    }
    const std::int64_t product = multiplicand * b;
    const bool positive = (multiplicand < 0) == (b < 0);
    const std::int64_t result =
        positive ? (product + divisor / 2) / divisor : (product - divisor / 2) / divisor;
    if (result > kLimit || result < -kLimit) {
        return -1;
    }
    return static_cast<int>(result);
}

// The pixel lengths the library fixes were made for a screen of 96 pixels
// per inch; on a finer screen each grows by its resolution over 96 (never
// shrinks on a coarser one), so that they stay in proportion to the text.
constexpr int kBaseDpi = 96;
// Resolutions beyond this (or none at all) are taken as this or as 96.
constexpr int kMaxDpi = 8 * kBaseDpi;

struct Scale {
    int dpi = kBaseDpi;
    constexpr int operator()(int px) const { return MulDivRounded(px, dpi, kBaseDpi); }
    // The whole multiple a picture of the library is first enlarged by:
    // the resolution's factor rounded up.
    constexpr int PictureFactor() const { return (dpi + kBaseDpi - 1) / kBaseDpi; }
    bool operator==(const Scale&) const = default;
};

// The scale for a screen resolution as the screen reports it.
constexpr Scale ScaleForDpi(int dpi) {
    if (dpi <= kBaseDpi) {
        return {kBaseDpi};
    }
    return {dpi < kMaxDpi ? dpi : kMaxDpi};
}

} // namespace quorl
