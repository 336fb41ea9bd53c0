// LoadBitmapPalette on the library's and on this program's pictures.
#include <gtest/gtest.h>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

HBITMAP const kGarbageBitmap = reinterpret_cast<HBITMAP>(0x1234);
HPALETTE const kGarbagePalette = reinterpret_cast<HPALETTE>(0x5678);

struct Loaded {
    BOOL result = FALSE;
    HBITMAP bitmap = kGarbageBitmap;
    HPALETTE palette = kGarbagePalette;

    Loaded(HINSTANCE instance, LPCSTR name) {
        result = LoadBitmapPalette(instance, name, &bitmap, &palette);
    }
    ~Loaded() {
        if (bitmap != nullptr && bitmap != kGarbageBitmap) {
            DeleteObject(bitmap);
        }
        if (palette != nullptr && palette != kGarbagePalette) {
            DeleteObject(palette);
        }
    }
    SIZE Size() const {
        BITMAP info{};
        GetObjectA(bitmap, sizeof info, &info);
        return {info.bmWidth, info.bmHeight};
    }
    int PaletteEntries() const {
        WORD count = 0;
        GetObjectA(palette, sizeof count, &count);
        return count;
    }
};

HINSTANCE Program() {
    return GetModuleHandleA(nullptr);
}

TEST(LoadBitmapPalette, FourBitPictureComesWithoutPalette) {
    Loaded library(quorl_test::LibraryModule(), MAKEINTRESOURCEA(113));
    EXPECT_TRUE(library.result);
    ASSERT_NE(library.bitmap, nullptr);
    EXPECT_EQ(library.palette, nullptr);
    EXPECT_EQ(library.Size().cx, 8);
    EXPECT_EQ(library.Size().cy, 8);

    Loaded own(Program(), MAKEINTRESOURCEA(202));
    EXPECT_TRUE(own.result);
    EXPECT_EQ(own.palette, nullptr);
}

TEST(LoadBitmapPalette, EightBitPictureBringsItsColourTable) {
    Loaded picture(Program(), MAKEINTRESOURCEA(200));
    EXPECT_TRUE(picture.result);
    ASSERT_NE(picture.bitmap, nullptr);
    ASSERT_NE(picture.palette, nullptr);
    EXPECT_EQ(picture.Size().cx, 4);
    EXPECT_EQ(picture.Size().cy, 2);
    EXPECT_EQ(picture.PaletteEntries(), 256);
    PALETTEENTRY entries[2];
    ASSERT_EQ(GetPaletteEntries(picture.palette, 0, 2, entries), 2u);
    EXPECT_EQ(entries[0].peRed, 0x10);
    EXPECT_EQ(entries[0].peGreen, 0x20);
    EXPECT_EQ(entries[0].peBlue, 0x30);
    EXPECT_EQ(entries[0].peFlags, 0);
    EXPECT_EQ(entries[1].peRed, 0xFF);
    EXPECT_EQ(entries[1].peGreen, 0x80);
}

TEST(LoadBitmapPalette, PixelsKeepTheirColours) {
    Loaded picture(Program(), MAKEINTRESOURCEA(200));
    ASSERT_NE(picture.bitmap, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, picture.bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0x10, 0x20, 0x30)); // top row "abca"
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0xFF, 0x80, 0x00));
    EXPECT_EQ(GetPixel(dc, 2, 0), RGB(0x00, 0xFF, 0x80));
    SelectObject(dc, old);
    DeleteDC(dc);
}

TEST(LoadBitmapPalette, ShortColourTableBuildsAShortPaletteAndFindsThePixels) {
    Loaded picture(Program(), MAKEINTRESOURCEA(201));
    EXPECT_TRUE(picture.result);
    ASSERT_NE(picture.palette, nullptr);
    EXPECT_EQ(picture.PaletteEntries(), 16);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, picture.bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0x40, 0x50, 0x60));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0xFF, 0xFF, 0xFF));
    SelectObject(dc, old);
    DeleteDC(dc);
}

TEST(LoadBitmapPalette, NamedResource) {
    Loaded picture(Program(), "NAMEDPIC");
    EXPECT_TRUE(picture.result);
    EXPECT_NE(picture.palette, nullptr);
}

TEST(LoadBitmapPalette, MissingPictureWritesNullToBoth) {
    Loaded missing(Program(), MAKEINTRESOURCEA(4242));
    EXPECT_FALSE(missing.result);
    EXPECT_EQ(missing.bitmap, nullptr);
    EXPECT_EQ(missing.palette, nullptr);

    Loaded byName(quorl_test::LibraryModule(), "GIBTESNICHT");
    EXPECT_FALSE(byName.result);
    EXPECT_EQ(byName.bitmap, nullptr);
    EXPECT_EQ(byName.palette, nullptr);
}

// A resource shorter than its header claims is refused: the platform's
// own loading would read past its end.
TEST(LoadBitmapPalette, PicturesShorterThanTheirHeaderClaimsAreRefused) {
    for (WORD id : {300, 302, 303}) { // 8-bit and 4-bit without their pixels, 2 bytes
        Loaded damaged(Program(), MAKEINTRESOURCEA(id));
        EXPECT_FALSE(damaged.result) << id;
        EXPECT_EQ(damaged.bitmap, nullptr) << id;
        EXPECT_EQ(damaged.palette, nullptr) << id;
    }
}

TEST(LoadBitmapPalette, OldHeaderTakesTheOrdinaryWay) {
    Loaded core(Program(), MAKEINTRESOURCEA(301));
    EXPECT_EQ(core.palette, nullptr);
    EXPECT_EQ(core.result, core.bitmap != nullptr);
}

TEST(LoadBitmapPalette, NullOutputsAreAllowed) {
    EXPECT_TRUE(LoadBitmapPalette(Program(), MAKEINTRESOURCEA(200), nullptr, nullptr));
    HBITMAP bitmap = nullptr;
    EXPECT_TRUE(LoadBitmapPalette(Program(), MAKEINTRESOURCEA(200), &bitmap, nullptr));
    EXPECT_NE(bitmap, nullptr);
    DeleteObject(bitmap);
    EXPECT_FALSE(LoadBitmapPalette(Program(), MAKEINTRESOURCEA(4242), nullptr, nullptr));
}

} // namespace
