#include "core/library.h"

#include "core/bitmaps.h"
#include "core/text.h"
#include "quorl32.h"

namespace quorl {

LibraryState g_library;

namespace {

constexpr const char* kDefaultFontProfile = "Modern,8,500";
constexpr int kPointsPerInch = 72;

HFONT CreateControlFont(int pixelsPerInch) {
    char value[kFontProfileBufferSize];
    GetProfileStringA(QUORL_PROFILE_SECTIONA, QUORL_PROFILE_FONTA, kDefaultFontProfile, value,
                      sizeof value);
    const FontProfile profile = SplitFontProfile(value);

    const int height = MulDiv(profile.pointSize, pixelsPerInch, kPointsPerInch);
    return CreateFontA(height, 0, 0, 0, profile.weight, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0,
                       profile.face);
}

template <typename Handle>
void DeleteAndClear(Handle& handle) {
    if (handle != nullptr) {
        DeleteObject(handle);
        handle = nullptr;
    }
}

int ScreenPixelsPerInch() {
    HDC screen = CreateCompatibleDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    DeleteDC(screen);
    return pixelsPerInch;
}

} // namespace

void CreateSharedObjects() {
    const int pixelsPerInch = ScreenPixelsPerInch();
    g_library.scale = ScaleForDpi(pixelsPerInch);
    g_library.controlFont = CreateControlFont(pixelsPerInch);
    if (g_library.darkGreyPen == nullptr) {
        g_library.darkGreyPen = CreatePen(PS_SOLID, 1, kDarkGrey);
    }
    if (g_library.lightGreyPen == nullptr) {
        g_library.lightGreyPen = CreatePen(PS_SOLID, 1, kLightGrey);
    }
}

void DeleteSharedObjects() {
    DeleteAndClear(g_library.controlFont);
    DeleteAndClear(g_library.darkGreyPen);
    DeleteAndClear(g_library.lightGreyPen);
    ReleaseBlitSource();
}

void RegisterLibraryMessages() {
    g_library.msgGetFieldName = RegisterWindowMessageA(BWM_GETFIELDNAME_NAMEA);
    g_library.msgFocusNotify = RegisterWindowMessageA(BWM_FOCUSNOTIFY_NAMEA);
    g_library.msgPaintDC = RegisterWindowMessageA(BWM_PAINTDC_NAMEA);
}

} // namespace quorl
