// Examines a bitmap resource (a DIB without file header) for the palette
// path of LoadBitmapPalette, without ever reading past its end.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quorl {

constexpr std::uint32_t kDibHeaderSize = 40;
constexpr int kPaletteColours = 256;

struct PaletteDib {
    bool damaged = false;        // too short for what its header claims: refused
    bool usable = false;         // an 8-bit picture with a 40-byte header, complete
    int colours = 0;             // entries in its colour table (1 to 256)
    std::size_t pixelOffset = 0; // where its pixels start
};

// usable is false for anything that should be loaded the ordinary way:
// too short for its header, another header size or bit count, an unknown
// compression, or pixel data that would run past the resource's end.
PaletteDib ExaminePaletteDib(const void* data, std::size_t size);

// True when a bitmap resource holds everything its header claims: a
// complete header of a known kind (12 bytes, or 40 and more), a sensible
// size and bit count, the colour table and bit-field masks the header
// implies, and its pixels. A resource that fails is never handed to the
// platform's bitmap loading, which would read past its end.
bool DibFitsResource(const void* data, std::size_t size);

} // namespace quorl
