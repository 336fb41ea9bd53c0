#include "core/class_descriptor.h"

#include "core/library.h"

namespace quorl {

static_assert(kRedrawOnResize == 0x4003 && kWithDoubleClicks == 0x400B);

HBRUSH LightGreyBrush() {
    return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
}
HBRUSH WindowColourBrush() {
    return reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
}
HBRUSH ButtonFaceBrush() {
    return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}
HBRUSH NoBrush() {
    return nullptr;
}

ATOM RegisterLibraryClass(const ClassDescriptor& descriptor) {
    if (descriptor.setup != nullptr) {
        descriptor.setup();
    }
    WNDCLASSA wc{};
    wc.style = descriptor.style;
    wc.lpfnWndProc = descriptor.procedure;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = descriptor.extraBytes;
    wc.hInstance = g_library.instance;
    wc.hIcon = nullptr;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = descriptor.background();
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = descriptor.name;
    ATOM atom = RegisterClassA(&wc);
    // Registered by an earlier setup that went only part of the way: the
    // class is there, which is what was asked for.
    if (atom == 0 && GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
        WNDCLASSEXA existing{};
        existing.cbSize = sizeof existing;
        atom = static_cast<ATOM>(GetClassInfoExA(g_library.instance, descriptor.name, &existing));
    }
    if (descriptor.registered != nullptr) {
        descriptor.registered(atom);
    }
    return atom;
}

void TeardownLibraryClass(const ClassDescriptor& descriptor) {
    if (descriptor.teardown != nullptr) {
        descriptor.teardown();
    }
}

} // namespace quorl
