// LoadBitmapPalette: 256-colour pictures keep their own colours on palette
// displays through a logical palette built from their colour table.
#include <cstring>

#include "core/dib.h"
#include "quorl32.h"

namespace {

constexpr WORD kPaletteVersion = 0x300;
constexpr std::size_t kColourEntrySize = 4;

// Builds the logical palette from the picture's colour table in a moveable
// global block, as GDI expects it, and frees the block again.
HPALETTE CreatePicturePalette(const unsigned char* dib, int colours) {
    const SIZE_T bytes = sizeof(LOGPALETTE) + (colours - 1) * sizeof(PALETTEENTRY);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (block == nullptr) {
        return nullptr;
    }
    HPALETTE palette = nullptr;
    if (auto* logical = static_cast<LOGPALETTE*>(GlobalLock(block))) {
        logical->palVersion = kPaletteVersion;
        logical->palNumEntries = static_cast<WORD>(colours);
        const unsigned char* table = dib + quorl::kDibHeaderSize;
        for (int i = 0; i < colours; ++i) {
            const unsigned char* quad = table + i * kColourEntrySize; // blue, green, red
            logical->palPalEntry[i] = {quad[2], quad[1], quad[0], 0};
        }
        palette = CreatePalette(logical);
        GlobalUnlock(block);
    }
    GlobalFree(block);
    return palette;
}

HBITMAP CreatePaletteBitmap(const unsigned char* dib, const quorl::PaletteDib& layout,
                            HPALETTE palette) {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return nullptr;
    }
    HPALETTE previous = SelectPalette(screen, palette, FALSE);
    RealizePalette(screen);

    BITMAPINFOHEADER header;
    std::memcpy(&header, dib, sizeof header);
    header.biClrUsed = 0;
    header.biClrImportant = 0;
    HBITMAP bitmap = CreateDIBitmap(screen, &header, CBM_INIT, dib + layout.pixelOffset,
                                    reinterpret_cast<const BITMAPINFO*>(dib), DIB_RGB_COLORS);

    SelectPalette(screen, previous, FALSE);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

} // namespace

extern "C" BOOL WINAPI LoadBitmapPalette(HINSTANCE instance, LPCSTR name, HBITMAP* bitmapOut,
                                         HPALETTE* paletteOut) {
    HBITMAP bitmap = nullptr;
    HPALETTE palette = nullptr;
    bool damaged = false;

    if (HRSRC found = FindResourceA(instance, name, reinterpret_cast<LPCSTR>(RT_BITMAP))) {
        if (HGLOBAL loaded = LoadResource(instance, found)) {
            const auto* dib = static_cast<const unsigned char*>(LockResource(loaded));
            const quorl::PaletteDib layout =
                quorl::ExaminePaletteDib(dib, SizeofResource(instance, found));
            // The platform's loading would read past a resource shorter than
            // its header claims: such a picture is refused, not handed on.
            damaged = layout.damaged;
            if (layout.usable) {
                palette = CreatePicturePalette(dib, layout.colours);
                if (palette != nullptr) {
                    bitmap = CreatePaletteBitmap(dib, layout, palette);
                }
            }
            FreeResource(loaded);
        }
    }
    if (bitmap == nullptr && !damaged) {
        bitmap = LoadBitmapA(instance, name);
    }
    const BOOL obtained = bitmap != nullptr;
    // What the caller gives no place for is deleted rather than leaked.
    if (bitmapOut != nullptr) {
        *bitmapOut = bitmap;
    } else if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    if (paletteOut != nullptr) {
        *paletteOut = palette;
    } else if (palette != nullptr) {
        DeleteObject(palette);
    }
    return obtained;
}
