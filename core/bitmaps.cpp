#include "core/bitmaps.h"

#include "core/library.h"

namespace quorl {

namespace {

constexpr DWORD kAndPatternOrSource = 0x00A803A9; // D & (P | S)
constexpr WORD kDibSectionBits = 32;

HINSTANCE InstanceOf(HWND window) {
    return window != nullptr
               ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE))
               : nullptr;
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

HBITMAP CopyAsDibSection(HBITMAP source) {
    BITMAP size{};
    if (source == nullptr || GetObjectA(source, sizeof size, &size) == 0 || size.bmWidth <= 0 ||
        size.bmHeight <= 0) {
        return nullptr;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = size.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kDibSectionBits;
    info.bmiHeader.biCompression = BI_RGB;
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

void DrawBitmap(HDC target, int x, int y, HBITMAP bitmap) {
    BITMAP size{};
    if (GetObjectA(bitmap, sizeof size, &size) == 0) {
        return;
    }
    HDC memory = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(target, x, y, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

void DrawHalftone(HDC target, int x, int y, int width, int height, HDC source, int sourceX,
                  int sourceY) {
    HBRUSH grey = CreateSolidBrush(kLightGrey);
    HGDIOBJ previous = SelectObject(target, grey);
    PatBlt(target, x, y, width, height, PATCOPY);
    SelectObject(target, previous);
    DeleteObject(grey);

    HBITMAP pattern = LoadBitmapA(g_library.instance, MAKEINTRESOURCEA(kHalftonePatternId));
    HBRUSH checker = CreatePatternBrush(pattern);
    previous = SelectObject(target, checker);
    BitBlt(target, x, y, width, height, source, sourceX, sourceY, kAndPatternOrSource);
    SelectObject(target, previous);
    DeleteObject(checker);
    DeleteObject(pattern);
}

} // namespace quorl
