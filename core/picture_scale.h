// Enlarging the library's pixel-art pictures for a finer screen, without
// the window system: first pixel for pixel by a whole factor (the edges
// stay sharp), then, where that overshoots the wanted size, reduced by
// averaging the pixels each target pixel covers.
#pragma once

#include <cstdint>
#include <span>

#include "core/geometry.h"

namespace quorl {

// The size a picture of width x height has on a screen of this scale.
struct PictureSize {
    int width;
    int height;
    bool operator==(const PictureSize&) const = default;
};
PictureSize ScaledPictureSize(int width, int height, Scale scale);

// 32-bit pixels (four 8-bit channels, each averaged on its own) of a
// width x height picture into target, which holds the scaled size's
// pixels; rows may run either way as long as both run the same. Returns
// false, leaving target alone, when the sizes do not fit the spans.
bool ScalePicturePixels(std::span<const std::uint32_t> source, int width, int height, Scale scale,
                        std::span<std::uint32_t> target);

} // namespace quorl
