// Explicit initialisation and shutdown. The count is plain memory: callers
// must not race InitQuorl against ExitQuorl from several threads.
#include "core/library.h"
#include "dll/library_setup.h"
#include "quorl32.h"

extern "C" {

void WINAPI InitQuorl(void) {
    if (quorl::g_library.referenceCount++ == 0) {
        quorl::InitialiseLibrary();
    }
}

void WINAPI ExitQuorl(void) {
    if (--quorl::g_library.referenceCount == 0) {
        quorl::TeardownLibrary();
    }
}

int WINAPI WEP(int) {
    if (quorl::g_library.controlFont != nullptr) {
        quorl::TeardownLibrary();
    }
    return 1;
}

} // extern "C"
