// Entry point of QUORL32.DLL. The load initialises the library without
// touching the InitQuorl reference count; it never refuses to load.
#include "core/library.h"
#include "dll/library_setup.h"
#include "dates/holidays.h"
#include "quorl32.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    quorl::g_library.instance = instance;
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        quorl::ReadHolidayList();
        quorl::InitialiseLibrary();
        break;
    case DLL_PROCESS_DETACH:
        WEP(1);
        break;
    default:
        break;
    }
    return TRUE;
}
