#include "core/bitmaps.h"

#include "core/library.h"

namespace quorl {

namespace {

constexpr DWORD kAndPatternOrSource = 0x00A803A9; // D & (P | S)

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
