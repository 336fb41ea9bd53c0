#include "core/dib.h"

#include <cstring>

namespace quorl {

namespace {

constexpr std::uint16_t kPaletteBitCount = 8;
constexpr std::uint32_t kCompressionNone = 0; // BI_RGB
constexpr std::uint32_t kCompressionRle8 = 1; // BI_RLE8
constexpr std::size_t kColourEntrySize = 4;

// BITMAPINFOHEADER offsets.
constexpr std::size_t kOffWidth = 4;
constexpr std::size_t kOffHeight = 8;
constexpr std::size_t kOffBitCount = 14;
constexpr std::size_t kOffCompression = 16;
constexpr std::size_t kOffSizeImage = 20;
constexpr std::size_t kOffClrUsed = 32;

template <typename T>
T Read(const unsigned char* bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

} // namespace

PaletteDib ExaminePaletteDib(const void* data, std::size_t size) {
    PaletteDib result;
    if (data == nullptr || size < kDibHeaderSize) {
        return result;
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (Read<std::uint32_t>(bytes, 0) != kDibHeaderSize ||
        Read<std::uint16_t>(bytes, kOffBitCount) != kPaletteBitCount) {
        return result;
    }
    const std::uint32_t used = Read<std::uint32_t>(bytes, kOffClrUsed);
    const int colours =
        (used == 0 || used > kPaletteColours) ? kPaletteColours : static_cast<int>(used);
    const std::size_t pixelOffset = kDibHeaderSize + kColourEntrySize * colours;

    const std::int64_t width = Read<std::int32_t>(bytes, kOffWidth);
    std::int64_t height = Read<std::int32_t>(bytes, kOffHeight);
    if (height < 0) {
        height = -height;
    }
    std::uint64_t needed = 0;
    switch (Read<std::uint32_t>(bytes, kOffCompression)) {
    case kCompressionNone:
        if (width <= 0 || height == 0) {
            return result;
        }
        needed = static_cast<std::uint64_t>((width * kPaletteBitCount + 31) / 32 * 4) *
                 static_cast<std::uint64_t>(height);
        break;
    case kCompressionRle8:
        needed = Read<std::uint32_t>(bytes, kOffSizeImage);
        if (needed == 0) {
            return result;
        }
        break;
    default:
        return result;
    }
    if (pixelOffset > size || needed > size - pixelOffset) {
        return result;
    }
    result.usable = true;
    result.colours = colours;
    result.pixelOffset = pixelOffset;
    return result;
}

} // namespace quorl
