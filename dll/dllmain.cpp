// Entry point of QUORL32.DLL. The load initialises the library without
// touching the InitQuorl reference count; it never refuses to load.
#include "core/library.h"
#include "dll/library_setup.h"
#include "dates/holidays.h"
#include "quorl32.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    quorl::g_library.instance = instance;
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        quorl::ReadHolidayList();
        quorl::InitialiseLibrary();
        break;
    case DLL_PROCESS_DETACH:
        WEP(1);
        // Unloaded by FreeLibrary (not at process exit): the classes would
        // keep window procedures in code that is gone, and the next load
        // could not register its own.
        if (reserved == nullptr) {
            quorl::UnregisterLibraryClasses();
        }
        break;
    default:
        break;
    }
    return TRUE;
}
