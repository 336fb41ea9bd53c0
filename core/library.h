// Library-wide state: the module instance, the shared control font and
// pens, the reference count of InitQuorl/ExitQuorl and the registered
// message ids. Plain process memory, used on the thread that owns the
// windows (and inside DllMain at load time).
#pragma once

#include <windows.h>

#include "core/geometry.h"

namespace quorl {

struct LibraryState {
    HINSTANCE instance = nullptr;
    HFONT controlFont = nullptr; // its presence marks the library initialised
    HPEN darkGreyPen = nullptr;
    HPEN lightGreyPen = nullptr;
    LONG referenceCount = 0;
    UINT msgGetFieldName = 0; // 0: not registered, never matched
    UINT msgFocusNotify = 0;
    UINT msgPaintDC = 0;
    Scale scale; // of the screen's resolution, read with the control font
};

extern LibraryState g_library;

constexpr COLORREF kDarkGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);

// A length the library fixes in pixels, on this screen.
inline int Scaled(int px) {
    return g_library.scale(px);
}

// Creates the shared font and pens (the pens only when missing).
void CreateSharedObjects();
// Deletes the shared font and pens.
void DeleteSharedObjects();
// Registers the three messages by name.
void RegisterLibraryMessages();

// True when message is the registered message id (an id of 0 never matches).
inline bool IsRegisteredMessage(UINT id, UINT message) {
    return id != 0 && message == id;
}

} // namespace quorl
