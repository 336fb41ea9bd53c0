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

// BITMAPCOREHEADER: 16-bit sizes, RGB triples in the colour table.
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::size_t kCoreOffWidth = 4;
constexpr std::size_t kCoreOffHeight = 6;
constexpr std::size_t kCoreOffBitCount = 10;
constexpr std::uint64_t kCoreColourEntrySize = 3;
constexpr std::size_t kHeaderSizeFieldBytes = 4;

constexpr std::uint32_t kCompressionBitfields = 3; // BI_BITFIELDS
constexpr std::uint64_t kBitfieldMaskBytes = 12;   // three masks after a 40-byte header
constexpr std::uint64_t kMaxTableColours = 256;

bool IsKnownBitCount(std::uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Bytes of one row of pixels, padded to 32 bits.
std::uint64_t RowBytes(std::uint64_t width, std::uint32_t bits) {
    return (width * bits + 31) / 32 * 4;
}

// True when row bytes times rows fit in what is left, without overflowing.
bool RowsFit(std::uint64_t rowBytes, std::uint64_t rows, std::uint64_t left) {
    return rowBytes != 0 && rows <= left / rowBytes;
}

template <typename T>
T Read(const unsigned char* bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

} // namespace

bool DibFitsResource(const void* data, std::size_t size) {
    if (data == nullptr || size < kHeaderSizeFieldBytes) {
        return false;
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    const std::uint32_t headerSize = Read<std::uint32_t>(bytes, 0);
    if (headerSize == kCoreHeaderSize) {
        if (size < kCoreHeaderSize) {
            return false;
        }
        const std::uint32_t bits = Read<std::uint16_t>(bytes, kCoreOffBitCount);
        const std::uint64_t width = Read<std::uint16_t>(bytes, kCoreOffWidth);
        const std::uint64_t height = Read<std::uint16_t>(bytes, kCoreOffHeight);
        if (!IsKnownBitCount(bits) || width == 0 || height == 0) {
            return false;
        }
        const std::uint64_t table =
            bits <= 8 ? (std::uint64_t{1} << bits) * kCoreColourEntrySize : 0;
        if (table > size - kCoreHeaderSize) {
            return false;
        }
        return RowsFit(RowBytes(width, bits), height, size - kCoreHeaderSize - table);
    }
    if (headerSize < kDibHeaderSize || headerSize > size) {
        return false;
    }
    const std::uint32_t bits = Read<std::uint16_t>(bytes, kOffBitCount);
    const std::int64_t width = Read<std::int32_t>(bytes, kOffWidth);
    std::int64_t height = Read<std::int32_t>(bytes, kOffHeight);
    height = height < 0 ? -height : height;
    const std::uint32_t compression = Read<std::uint32_t>(bytes, kOffCompression);
    if (width <= 0 || height == 0) {
        return false;
    }
    std::uint64_t colours = Read<std::uint32_t>(bytes, kOffClrUsed);
    colours = colours > kMaxTableColours ? kMaxTableColours : colours;
    if (colours == 0 && bits <= 8) {
        colours = std::uint64_t{1} << bits;
    }
    std::uint64_t table = colours * kColourEntrySize;
    if (compression == kCompressionBitfields && headerSize == kDibHeaderSize) {
        table += kBitfieldMaskBytes;
    }
    if (table > size - headerSize) {
        return false;
    }
    const std::uint64_t left = size - headerSize - table;
    switch (compression) {
    case kCompressionNone:
    case kCompressionBitfields:
        return IsKnownBitCount(bits) && RowsFit(RowBytes(static_cast<std::uint64_t>(width), bits),
                                                static_cast<std::uint64_t>(height), left);
    default: { // run-length and embedded formats state their size
        const std::uint64_t image = Read<std::uint32_t>(bytes, kOffSizeImage);
        return image != 0 && image <= left;
    }
    }
}

PaletteDib ExaminePaletteDib(const void* data, std::size_t size) {
    PaletteDib result;
    if (!DibFitsResource(data, size)) {
        result.damaged = true;
        return result;
    }
    if (size < kDibHeaderSize) {
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
