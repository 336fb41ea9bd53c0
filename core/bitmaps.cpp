#include "core/bitmaps.h"

#include "core/library.h"
#include "core/picture_scale.h"

namespace quorl {

namespace {

constexpr DWORD kAndPatternOrSource = 0x00A803A9; // D & (P | S)
constexpr WORD kDibSectionBits = 32;
constexpr int kHalftoneGroundBrush = LTGRAY_BRUSH; // 0xC0C0C0, the face colour

// The memory context DrawBitmap blits from; nothing stays selected in it.
HDC g_blitSource = nullptr;

HINSTANCE InstanceOf(HWND window) {
    return window != nullptr
               ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE))
               : nullptr;
}

HDC BlitSource() {
    if (g_blitSource == nullptr) {
        g_blitSource = CreateCompatibleDC(nullptr);
    }
    return g_blitSource;
}

// Screens and pictures made for them; printers and metafiles are not.
bool ForScreen(HDC target) {
    return GetDeviceCaps(target, TECHNOLOGY) == DT_RASDISPLAY;
}

// GetObject reports every DIB section as bottom-up, so the bits of a
// caller's top-down one would come out upside down: only the library's
// own copies, bottom-up and marked so in their (otherwise unused)
// resolution fields, are drawn from their bits.
constexpr LONG kCopyMarkX = 0x51554F52;
constexpr LONG kCopyMarkY = 0x4C333200;

bool IsOwnCopy(const DIBSECTION& dib) {
    return dib.dsBm.bmBits != nullptr && dib.dsBmih.biBitCount == kDibSectionBits &&
           dib.dsBmih.biCompression == BI_RGB && dib.dsBmih.biHeight > 0 &&
           dib.dsBmih.biXPelsPerMeter == kCopyMarkX && dib.dsBmih.biYPelsPerMeter == kCopyMarkY;
}

// A bitmap selected into a memory context for blitting into target. A
// fresh memory context costs several times the blit itself: screens and
// pictures made for them share one; printers get their own.
class SelectedSource {
public:
    SelectedSource(HDC target, HBITMAP bitmap)
        : own_(!ForScreen(target)), dc_(own_ ? CreateCompatibleDC(target) : BlitSource()),
          previous_(dc_ != nullptr ? SelectObject(dc_, bitmap) : nullptr) {}
    ~SelectedSource() {
        if (dc_ == nullptr) {
            return;
        }
        SelectObject(dc_, previous_);
        if (own_) {
            DeleteDC(dc_);
        }
    }
    SelectedSource(const SelectedSource&) = delete;
    SelectedSource& operator=(const SelectedSource&) = delete;
    HDC get() const { return dc_; }

private:
    bool own_;
    HDC dc_;
    HGDIOBJ previous_;
};

// The checkerboard of the disabled look, loaded once for every control.
struct Halftone {
    HBITMAP pattern;
    HBRUSH brush;
};
Halftone g_halftone = {};

// The checkerboard's squares grow with the screen by the nearest whole
// factor, so that they stay squares of whole pixels.
HBITMAP ScaledPattern(HBITMAP pattern) {
    const int factor = (g_library.scale.dpi + kBaseDpi / 2) / kBaseDpi;
    BITMAP size{};
    if (pattern == nullptr || factor <= 1 || GetObjectA(pattern, sizeof size, &size) == 0) {
        return pattern;
    }
    const int width = size.bmWidth * factor;
    const int height = size.bmHeight * factor;
    HBITMAP big = CreateBitmap(width, height, 1, 1, nullptr);
    HDC from = CreateCompatibleDC(nullptr);
    HDC to = CreateCompatibleDC(nullptr);
    bool made = false;
    if (big != nullptr && from != nullptr && to != nullptr) {
        HGDIOBJ previousFrom = SelectObject(from, pattern);
        HGDIOBJ previousTo = SelectObject(to, big);
        SetStretchBltMode(to, COLORONCOLOR);
        made = StretchBlt(to, 0, 0, width, height, from, 0, 0, size.bmWidth, size.bmHeight,
                          SRCCOPY) != FALSE;
        SelectObject(from, previousFrom);
        SelectObject(to, previousTo);
    }
    if (from != nullptr) {
        DeleteDC(from);
    }
    if (to != nullptr) {
        DeleteDC(to);
    }
    if (!made) {
        if (big != nullptr) {
            DeleteObject(big);
        }
        return pattern;
    }
    DeleteObject(pattern);
    return big;
}

HBRUSH HalftoneBrush() {
    if (g_halftone.brush == nullptr && g_library.instance != nullptr) {
        HBITMAP pattern =
            ScaledPattern(LoadBitmapA(g_library.instance, MAKEINTRESOURCEA(kHalftonePatternId)));
        HBRUSH brush = pattern != nullptr ? CreatePatternBrush(pattern) : nullptr;
        if (brush == nullptr) {
            if (pattern != nullptr) {
                DeleteObject(pattern);
            }
            return nullptr;
        }
        g_halftone = {pattern, brush};
    }
    return g_halftone.brush;
}

} // namespace

ControlModules ControlModulesOf(HWND control) {
    return {{g_library.instance, InstanceOf(GetParent(control)), InstanceOf(control)}};
}

HBITMAP LoadControlBitmap(HWND control, LPCSTR name) {
    for (HINSTANCE module : ControlModulesOf(control).order) {
        if (module == nullptr) {
            continue;
        }
        if (HBITMAP bitmap = LoadBitmapA(module, name)) {
            return bitmap;
        }
    }
    return nullptr;
}

namespace {

// The form of the library's own copies: 32 bits, bottom-up, marked.
BITMAPINFO OwnCopyInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kDibSectionBits;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biXPelsPerMeter = kCopyMarkX;
    info.bmiHeader.biYPelsPerMeter = kCopyMarkY;
    return info;
}

} // namespace

HBITMAP CopyAsDibSection(HBITMAP source) {
    BITMAP size{};
    if (source == nullptr || GetObjectA(source, sizeof size, &size) == 0 || size.bmWidth <= 0 ||
        size.bmHeight <= 0) {
        return nullptr;
    }
    BITMAPINFO info = OwnCopyInfo(size.bmWidth, size.bmHeight);
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP copy = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (copy != nullptr && GetDIBits(screen, source, 0, static_cast<UINT>(size.bmHeight), bits,
                                     &info, DIB_RGB_COLORS) == 0) {
        DeleteObject(copy);
        copy = nullptr;
    }
    ReleaseDC(nullptr, screen);
    return copy;
}

HBITMAP KeepAsDibSection(HBITMAP owned) {
    if (owned == nullptr || IsPaletteDisplay()) {
        return owned;
    }
    HBITMAP copy = CopyAsDibSection(owned);
    if (copy == nullptr) {
        return owned;
    }
    DeleteObject(owned);
    return copy;
}

HBITMAP ScaleLibraryPicture(HBITMAP owned) {
    const Scale scale = g_library.scale;
    if (owned == nullptr || scale == Scale{}) {
        return owned;
    }
    HBITMAP copy = CopyAsDibSection(owned);
    DIBSECTION dib{};
    if (copy == nullptr || GetObjectA(copy, sizeof dib, &dib) != sizeof dib) {
        if (copy != nullptr) {
            DeleteObject(copy);
        }
        return owned;
    }
    const int width = dib.dsBm.bmWidth;
    const int height = dib.dsBm.bmHeight;
    const PictureSize size = ScaledPictureSize(width, height, scale);
    BITMAPINFO info = OwnCopyInfo(size.width, size.height);
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP scaled = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    const bool made = scaled != nullptr &&
                      ScalePicturePixels({static_cast<const std::uint32_t*>(dib.dsBm.bmBits),
                                          static_cast<std::size_t>(width) * height},
                                         width, height, scale,
                                         {static_cast<std::uint32_t*>(bits),
                                          static_cast<std::size_t>(size.width) * size.height});
    DeleteObject(copy);
    if (!made) {
        if (scaled != nullptr) {
            DeleteObject(scaled);
        }
        return owned;
    }
    DeleteObject(owned);
    return scaled;
}

bool IsPaletteDisplay() {
    HDC screen = BlitSource();
    return screen != nullptr && (GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0;
}

void DrawBitmap(HDC target, int x, int y, HBITMAP bitmap) {
    DIBSECTION dib{};
    const int described = GetObjectA(bitmap, sizeof dib, &dib);
    if (described == 0) {
        return;
    }
    // The bits of the library's own copies go to a screen-like target in
    // one call, without selecting the bitmap into a memory context and back
    // (which costs more than the copy). A mirrored target takes the blit.
    if (described == sizeof dib && IsOwnCopy(dib) && ForScreen(target) && GetLayout(target) == 0) {
        BITMAPINFO info{};
        info.bmiHeader = dib.dsBmih;
        StretchDIBits(target, x, y, dib.dsBm.bmWidth, dib.dsBm.bmHeight, 0, 0, dib.dsBm.bmWidth,
                      dib.dsBm.bmHeight, dib.dsBm.bmBits, &info, DIB_RGB_COLORS, SRCCOPY);
        return;
    }
    const SelectedSource source(target, bitmap);
    if (source.get() != nullptr) {
        BitBlt(target, x, y, dib.dsBm.bmWidth, dib.dsBm.bmHeight, source.get(), 0, 0, SRCCOPY);
    }
}

void ReleaseBlitSource() {
    if (g_blitSource != nullptr) {
        DeleteDC(g_blitSource);
        g_blitSource = nullptr;
    }
    if (g_halftone.brush != nullptr) {
        DeleteObject(g_halftone.brush);
        DeleteObject(g_halftone.pattern);
        g_halftone = {};
    }
}

void DrawHalftone(HDC target, int x, int y, HBITMAP bitmap) {
    BITMAP size{};
    if (GetObjectA(bitmap, sizeof size, &size) == 0) {
        return;
    }
    HGDIOBJ previous = SelectObject(target, GetStockObject(kHalftoneGroundBrush));
    PatBlt(target, x, y, size.bmWidth, size.bmHeight, PATCOPY);
    // Without its pattern the blit takes whatever brush the target holds.
    if (HBRUSH checker = HalftoneBrush()) {
        SelectObject(target, checker);
    }
    const SelectedSource source(target, bitmap);
    if (source.get() != nullptr) {
        BitBlt(target, x, y, size.bmWidth, size.bmHeight, source.get(), 0, 0, kAndPatternOrSource);
    }
    SelectObject(target, previous);
}

} // namespace quorl
