#include "core/picture_scale.h"

#include <algorithm>
#include <vector>

namespace quorl {

namespace {

constexpr int kChannels = 4;
constexpr int kChannelBits = 8;
constexpr std::uint32_t kChannelMask = 0xFF;

// Pixel for pixel: each source pixel becomes a factor x factor block.
std::vector<std::uint32_t> Enlarged(std::span<const std::uint32_t> source, int width, int height,
                                    int factor) {
    const int bigWidth = width * factor;
    std::vector<std::uint32_t> big(static_cast<std::size_t>(bigWidth) * height * factor);
    for (int y = 0; y < height * factor; ++y) {
        for (int x = 0; x < bigWidth; ++x) {
            big[static_cast<std::size_t>(y) * bigWidth + x] =
                source[static_cast<std::size_t>(y / factor) * width + x / factor];
        }
    }
    return big;
}

// How much of source pixel i lies in the span [from, to), in units of
// 1 / targetCount of a source pixel.
double Overlap(int i, long long from, long long to, int targetCount) {
    const long long start = static_cast<long long>(i) * targetCount;
    const long long end = start + targetCount;
    const long long lo = start > from ? start : from;
    const long long hi = end < to ? end : to;
    return hi > lo ? static_cast<double>(hi - lo) : 0.0;
}

// Box average of a big picture down to width x height (never larger).
void Reduce(const std::vector<std::uint32_t>& big, int bigWidth, int bigHeight,
            std::span<std::uint32_t> target, int width, int height) {
    for (int ty = 0; ty < height; ++ty) {
        // Target pixel ty covers [ty * bigHeight, (ty + 1) * bigHeight) in
        // units of 1 / height of a big pixel.
        const long long y0 = static_cast<long long>(ty) * bigHeight;
        const long long y1 = y0 + bigHeight;
        for (int tx = 0; tx < width; ++tx) {
            const long long x0 = static_cast<long long>(tx) * bigWidth;
            const long long x1 = x0 + bigWidth;
            double sum[kChannels] = {};
            double weight = 0;
            for (int y = static_cast<int>(y0 / height); y < bigHeight && y * height < y1; ++y) {
                const double wy = Overlap(y, y0, y1, height);
                for (int x = static_cast<int>(x0 / width); x < bigWidth && x * width < x1; ++x) {
                    const double w = wy * Overlap(x, x0, x1, width);
                    const std::uint32_t pixel = big[static_cast<std::size_t>(y) * bigWidth + x];
                    for (int c = 0; c < kChannels; ++c) {
                        sum[c] += w * ((pixel >> (c * kChannelBits)) & kChannelMask);
                    }
                    weight += w;
                }
            }
            std::uint32_t pixel = 0;
            for (int c = 0; c < kChannels; ++c) {
                const auto channel = static_cast<std::uint32_t>(sum[c] / weight + 0.5);
                pixel |= (channel > kChannelMask ? kChannelMask : channel) << (c * kChannelBits);
            }
            target[static_cast<std::size_t>(ty) * width + tx] = pixel;
        }
    }
}

} // namespace

PictureSize ScaledPictureSize(int width, int height, Scale scale) {
    return {scale(width), scale(height)};
}

bool ScalePicturePixels(std::span<const std::uint32_t> source, int width, int height, Scale scale,
                        std::span<std::uint32_t> target) {
    const PictureSize size = ScaledPictureSize(width, height, scale);
    if (width <= 0 || height <= 0 || size.width <= 0 || size.height <= 0 ||
        source.size() < static_cast<std::size_t>(width) * height ||
        target.size() < static_cast<std::size_t>(size.width) * size.height) {
        return false;
    }
    const int factor = scale.PictureFactor();
    const std::vector<std::uint32_t> big = Enlarged(source, width, height, factor);
    if (size.width == width * factor && size.height == height * factor) {
        std::copy(big.begin(), big.end(), target.begin());
        return true;
    }
    Reduce(big, width * factor, height * factor, target, size.width, size.height);
    return true;
}

} // namespace quorl
