// The core's parsers on arbitrary bytes: the bitmap-resource examination
// must stay inside the bytes it is given, and the font profile split must
// stay inside its buffer whatever the profile holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/dib.h"
#include "core/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size copy, so that AddressSanitizer sees any read past its end.
    std::vector<std::uint8_t> resource(data, data + size);
    const quorl::PaletteDib layout = quorl::ExaminePaletteDib(resource.data(), resource.size());
    if (layout.usable) {
        if (layout.colours < 1 || layout.colours > quorl::kPaletteColours ||
            layout.pixelOffset > size) {
            std::abort();
        }
        volatile std::uint8_t last = resource[layout.pixelOffset - 1];
        (void)last;
    }

    const std::string text(reinterpret_cast<const char*>(data), size);
    const quorl::FontProfile profile = quorl::SplitFontProfile(text.c_str());
    if (std::strlen(profile.face) >= quorl::kFontProfileBufferSize) {
        std::abort();
    }
    char field[8];
    // Sizes from -3 to the buffer's own: a size of 0 or less writes nothing.
    const auto fieldSize = static_cast<std::ptrdiff_t>(size % (sizeof field + 4)) - 3;
    quorl::CopyFieldName(text.c_str(), fieldSize, field);
    return 0;
}
