#include "core/library.h"

#include "controls/statusbar/statusbar.h"
#include "core/registration.h"
#include "core/text.h"
#include "quorl32.h"

namespace quorl {

LibraryState g_library;

namespace {

constexpr const char* kDefaultFontProfile = "Modern,8,500";
constexpr int kPointsPerInch = 72;

// The classes registered before the messages, in table order; the status
// bar's two follow in its own setup step.
constexpr LibraryClass kMainClasses[] = {
    LibraryClass::PushButton,  LibraryClass::Gauge,        LibraryClass::TextLabel,
    LibraryClass::CheckButton, LibraryClass::PageSwitcher, LibraryClass::Schedule,
    LibraryClass::DialogFrame,
};

HFONT CreateControlFont() {
    char value[kFontProfileBufferSize];
    GetProfileStringA(QUORL_PROFILE_SECTION, QUORL_PROFILE_FONT, kDefaultFontProfile, value,
                      sizeof value);
    const FontProfile profile = SplitFontProfile(value);

    HDC screen = CreateCompatibleDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    DeleteDC(screen);

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

// A failed registration (the class exists from an earlier initialisation)
// must not lose the atom the page switcher uses as its property name.
void RememberPageSwitcherAtom(ATOM registered) {
    if (registered != 0) {
        g_library.pageSwitcherAtom = registered;
        return;
    }
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    const ATOM found =
        static_cast<ATOM>(GetClassInfoExA(g_library.instance, GSEITE_CLASS, &existing));
    if (found != 0) {
        g_library.pageSwitcherAtom = found;
    }
}

} // namespace

void InitialiseLibrary() {
    if (g_library.controlFont != nullptr) {
        return;
    }
    g_library.controlFont = CreateControlFont();
    if (g_library.darkGreyPen == nullptr) {
        g_library.darkGreyPen = CreatePen(PS_SOLID, 1, kDarkGrey);
    }
    if (g_library.lightGreyPen == nullptr) {
        g_library.lightGreyPen = CreatePen(PS_SOLID, 1, kLightGrey);
    }

    ATOM last = 0;
    for (LibraryClass id : kMainClasses) {
        last = RegisterLibraryClass(id);
        if (id == LibraryClass::PageSwitcher) {
            RememberPageSwitcherAtom(last);
        }
    }
    // The dialog frame is registered last; only its success registers the messages.
    if (last != 0) {
        g_library.msgGetFieldName = RegisterWindowMessageA(BWM_GETFIELDNAME_NAME);
        g_library.msgFocusNotify = RegisterWindowMessageA(BWM_FOCUSNOTIFY_NAME);
        g_library.msgPaintDC = RegisterWindowMessageA(BWM_PAINTDC_NAME);
    }

    statusbar::Setup();
}

void TeardownLibrary() {
    DeleteAndClear(g_library.controlFont);
    DeleteAndClear(g_library.darkGreyPen);
    DeleteAndClear(g_library.lightGreyPen);
    statusbar::Teardown();
}

} // namespace quorl
