#include "controls/pageswitcher/pageswitcher.h"

#include "core/library.h"

namespace quorl::pageswitcher {

namespace {

ATOM g_atom = 0;

// Stand-in until the control's own behaviour is built: the window system's defaults.
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// A failed registration (the class exists from an earlier initialisation)
// must not lose the atom the page switcher uses as its property name.
void RememberAtom(ATOM registered) {
    if (registered != 0) {
        g_atom = registered;
        return;
    }
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    const auto found =
        static_cast<ATOM>(GetClassInfoExA(g_library.instance, GSEITE_CLASS, &existing));
    if (found != 0) {
        g_atom = found;
    }
}

} // namespace

const ClassDescriptor kClass = {
    GSEITE_CLASS, kRedrawOnResize, sizeof(WindowLongs), NoBrush,
    WindowProc,   nullptr,         RememberAtom,        nullptr,
};

ATOM PropertyAtom() {
    return g_atom;
}

} // namespace quorl::pageswitcher
