#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/dib.h"

namespace {

using quorl::ExaminePaletteDib;

struct Header {
    std::uint32_t size = 40;
    std::int32_t width = 4;
    std::int32_t height = 2;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 8;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPels = 0;
    std::int32_t yPels = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
};
static_assert(sizeof(Header) == 40);

// A resource image: header, colour table of `colours` entries, then
// `pixelBytes` bytes of pixels.
std::vector<unsigned char> Dib(const Header& h, int colours, std::size_t pixelBytes) {
    std::vector<unsigned char> bytes(sizeof h + 4 * colours + pixelBytes);
    std::memcpy(bytes.data(), &h, sizeof h);
    return bytes;
}

TEST(PaletteDib, FullTableReadsPixelsFrom1064) {
    const auto dib = Dib(Header{}, 256, 8); // 4 x 2 pixels, rows of 4 bytes
    const auto layout = ExaminePaletteDib(dib.data(), dib.size());
    EXPECT_TRUE(layout.usable);
    EXPECT_EQ(layout.colours, 256);
    EXPECT_EQ(layout.pixelOffset, 1064u);
}

TEST(PaletteDib, ShortTableReadsPixelsAfterTheEntriesPresent) {
    Header h;
    h.clrUsed = 16;
    const auto dib = Dib(h, 16, 8);
    const auto layout = ExaminePaletteDib(dib.data(), dib.size());
    EXPECT_TRUE(layout.usable);
    EXPECT_EQ(layout.colours, 16);
    EXPECT_EQ(layout.pixelOffset, 40u + 64u);
}

TEST(PaletteDib, OtherPicturesTakeTheOrdinaryWay) {
    Header fourBit;
    fourBit.bitCount = 4;
    auto dib = Dib(fourBit, 16, 8);
    EXPECT_FALSE(ExaminePaletteDib(dib.data(), dib.size()).usable);

    Header core; // a 12-byte header in front of an 8-bit picture
    core.size = 12;
    dib = Dib(core, 256, 8);
    EXPECT_FALSE(ExaminePaletteDib(dib.data(), dib.size()).usable);

    Header v5;
    v5.size = 124;
    dib = Dib(v5, 256, 200);
    EXPECT_FALSE(ExaminePaletteDib(dib.data(), dib.size()).usable);

    Header bitfields;
    bitfields.compression = 3;
    dib = Dib(bitfields, 256, 8);
    EXPECT_FALSE(ExaminePaletteDib(dib.data(), dib.size()).usable);
}

TEST(PaletteDib, NeverReadsPastTheResource) {
    const auto whole = Dib(Header{}, 256, 8);
    for (std::size_t size : {std::size_t{0}, std::size_t{12}, std::size_t{39}, std::size_t{40},
                             std::size_t{1063}, whole.size() - 1}) {
        EXPECT_FALSE(ExaminePaletteDib(whole.data(), size).usable) << "size " << size;
    }
    EXPECT_FALSE(ExaminePaletteDib(nullptr, 1000).usable);

    Header huge; // dimensions whose pixel count overflows 32 bits
    huge.width = 0x7FFFFFFF;
    huge.height = -0x7FFFFFFF;
    const auto dib = Dib(huge, 256, 8);
    EXPECT_FALSE(ExaminePaletteDib(dib.data(), dib.size()).usable);

    Header empty;
    empty.width = 0;
    const auto none = Dib(empty, 256, 8);
    EXPECT_FALSE(ExaminePaletteDib(none.data(), none.size()).usable);
}

TEST(PaletteDib, TopDownAndRunLengthPictures) {
    Header topDown;
    topDown.height = -2;
    auto dib = Dib(topDown, 256, 8);
    EXPECT_TRUE(ExaminePaletteDib(dib.data(), dib.size()).usable);

    Header rle;
    rle.compression = 1;
    rle.sizeImage = 6;
    dib = Dib(rle, 256, 6);
    EXPECT_TRUE(ExaminePaletteDib(dib.data(), dib.size()).usable);
    rle.sizeImage = 7;
    dib = Dib(rle, 256, 6);
    EXPECT_FALSE(ExaminePaletteDib(dib.data(), dib.size()).usable);
}

TEST(PaletteDib, OversizedColourCountMeansAFullTable) {
    Header h;
    h.clrUsed = 100000;
    const auto dib = Dib(h, 256, 8);
    const auto layout = ExaminePaletteDib(dib.data(), dib.size());
    EXPECT_TRUE(layout.usable);
    EXPECT_EQ(layout.colours, 256);
}

} // namespace
