// What a window class of the library is: each control defines one
// descriptor per class it owns, and the DLL registers them in its list.
#pragma once

#include <windows.h>

namespace quorl {

struct AccessibleEntry;

struct ClassDescriptor {
    const char* name;
    UINT style;
    int extraBytes;
    HBRUSH (*background)();
    WNDPROC procedure;
    // Optional hooks (null: none). setup runs at every initialisation just
    // before the class is registered; registered gets the atom (0 when the
    // registration failed); teardown runs when the library releases its
    // shared objects.
    void (*setup)() = nullptr;
    void (*registered)(ATOM atom) = nullptr;
    void (*teardown)() = nullptr;
    // What screen readers are told of the control (core/accessible.h);
    // null: the system's own description of a plain window.
    const AccessibleEntry* accessible = nullptr;
};

// Class styles of the library's controls.
constexpr UINT kRedrawOnResize = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW; // 0x4003
constexpr UINT kWithDoubleClicks = kRedrawOnResize | CS_DBLCLKS;           // 0x400B

// Class backgrounds.
HBRUSH LightGreyBrush();
HBRUSH WindowColourBrush();
HBRUSH ButtonFaceBrush();
HBRUSH NoBrush();

// Runs the class's setup hook, registers it with the library's module
// instance and hands the result to its registered hook; returns the atom,
// or 0 when the registration failed.
ATOM RegisterLibraryClass(const ClassDescriptor& descriptor);

// Runs the class's teardown hook, if it has one.
void TeardownLibraryClass(const ClassDescriptor& descriptor);

} // namespace quorl
