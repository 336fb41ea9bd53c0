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
    const ATOM atom = RegisterClassA(&wc);
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
