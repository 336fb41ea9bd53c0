// The table of the library's window classes, registered in this order.
#pragma once

#include <windows.h>

namespace quorl {

enum class LibraryClass {
    PushButton,   // QUORL
    Gauge,        // GAUGE
    TextLabel,    // GTEXT
    CheckButton,  // QUCHECK
    PageSwitcher, // GSEITE
    Schedule,     // GSHED
    DialogFrame,  // BORDLGPLAGIAT
    StatusBar,    // QuStsb
    StatusField,  // QuStsf
};

constexpr int kLibraryClassCount = 9;

struct ClassEntry {
    LibraryClass id;
    const char* name;
    UINT style;
    int extraBytes;
    HBRUSH (*background)();
    WNDPROC procedure;
};

const ClassEntry& ClassEntryOf(LibraryClass id);

// Registers one class of the table with the library's module instance;
// returns the atom, or 0 when the registration failed.
ATOM RegisterLibraryClass(LibraryClass id);

} // namespace quorl
