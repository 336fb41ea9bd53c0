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

// What a resource must hold before the platform may load it: header,
// colour table (or masks) and every row of pixels its header claims.
TEST(DibFitsResource, EverythingTheHeaderClaimsMustBeThere) {
    struct Case {
        const char* what;
        Header header;
        int colours;            // table entries present
        std::size_t pixelBytes; // pixel bytes present
        bool fits;
    };
    const auto with = [](auto change) {
        Header h;
        change(h);
        return h;
    };
    const Case cases[] = {
        {"8-bit complete", Header{}, 256, 8, true},
        {"8-bit one byte short", Header{}, 256, 7, false},
        {"8-bit table cut", Header{}, 100, 0, false},
        {"4-bit 640x480 with three rows",
         with([](Header& h) { h.bitCount = 4, h.width = 640, h.height = 480; }), 16, 960, false},
        {"4-bit 640x480 complete",
         with([](Header& h) { h.bitCount = 4, h.width = 640, h.height = 480; }), 16, 153600, true},
        {"24-bit, no table", with([](Header& h) { h.bitCount = 24; }), 0, 24, true},
        {"24-bit short", with([](Header& h) { h.bitCount = 24; }), 0, 23, false},
        {"bit fields with masks", with([](Header& h) { h.bitCount = 16, h.compression = 3; }), 3,
         16, true},
        {"bit fields without masks", with([](Header& h) { h.bitCount = 16, h.compression = 3; }), 0,
         16, false},
        {"run length within", with([](Header& h) { h.compression = 1, h.sizeImage = 6; }), 256, 6,
         true},
        {"run length beyond", with([](Header& h) { h.compression = 1, h.sizeImage = 7; }), 256, 6,
         false},
        {"run length of no size", with([](Header& h) { h.compression = 1; }), 256, 6, false},
        {"odd bit count", with([](Header& h) { h.bitCount = 7; }), 128, 64, false},
        {"no width", with([](Header& h) { h.width = 0; }), 256, 8, false},
        {"negative width", with([](Header& h) { h.width = -4; }), 256, 8, false},
        {"rows overflow 64 bits",
         with([](Header& h) { h.bitCount = 32, h.width = 0x7FFFFFFF, h.height = -0x7FFFFFFF; }), 0,
         8, false},
        {"header longer than the resource", with([](Header& h) { h.size = 124; }), 0, 8, false},
        {"header of an unknown size", with([](Header& h) { h.size = 20; }), 256, 8, false},
    };
    for (const Case& c : cases) {
        const auto dib = Dib(c.header, c.colours, c.pixelBytes);
        EXPECT_EQ(quorl::DibFitsResource(dib.data(), dib.size()), c.fits) << c.what;
        EXPECT_EQ(ExaminePaletteDib(dib.data(), dib.size()).damaged, !c.fits) << c.what;
    }
    // The old 12-byte header: 2 x 2 pixels at 8 bits, triples in the table.
    std::vector<unsigned char> core = {12, 0, 0, 0, 2, 0, 2, 0, 1, 0, 8, 0};
    core.resize(12 + 256 * 3 + 8);
    EXPECT_TRUE(quorl::DibFitsResource(core.data(), core.size()));
    EXPECT_FALSE(quorl::DibFitsResource(core.data(), core.size() - 1));
    const unsigned char tiny[] = {0x28, 0x00};
    EXPECT_FALSE(quorl::DibFitsResource(tiny, sizeof tiny));
    EXPECT_FALSE(quorl::DibFitsResource(nullptr, 100));
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
