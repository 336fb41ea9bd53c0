// The library loaded, unloaded and loaded again by a program that does not
// link it: the unload takes its classes away, the next load (at another
// address) registers them afresh and its controls work.
#include <gtest/gtest.h>

#include <windows.h>

#include "quorl32.h"

namespace {

const char* const kClasses[] = {QUORL_CLASS, GAUGE_CLASS,     GTEXT_CLASS, QUCHECK_CLASS, "GSEITE",
                                "GSHED",     "BORDLGPLAGIAT", "QuStsb",    "QuStsf"};

bool ClassExists(const char* name) {
    WNDCLASSA info{};
    return GetClassInfoA(nullptr, name, &info) != FALSE;
}

// A control of the class lives and answers a message through its procedure.
bool ControlWorks(const char* name) {
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND control = CreateWindowExA(0, name, "Probe", WS_CHILD | WS_VISIBLE, 0, 0, 100, 30, parent,
                                   nullptr, nullptr, nullptr);
    bool works = control != nullptr;
    if (works) {
        char text[8] = "";
        SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        UpdateWindow(control);
    }
    DestroyWindow(parent);
    return works;
}

TEST(Reload, UnloadTakesTheClassesAndTheNextLoadBringsThemBack) {
    HMODULE first = LoadLibraryA("QUORL32.DLL");
    ASSERT_NE(first, nullptr);
    for (const char* name : kClasses) {
        EXPECT_TRUE(ClassExists(name)) << name;
    }
    EXPECT_TRUE(ControlWorks(QUORL_CLASSA));
    ASSERT_TRUE(FreeLibrary(first));
    for (const char* name : kClasses) {
        EXPECT_FALSE(ClassExists(name)) << name;
    }

    // Keep the old address taken, so that the next load lands elsewhere.
    void* blocker = VirtualAlloc(first, 4096, MEM_RESERVE, PAGE_NOACCESS);
    HMODULE second = LoadLibraryA("QUORL32.DLL");
    ASSERT_NE(second, nullptr);
    if (blocker != nullptr) {
        EXPECT_NE(second, first);
    }
    for (const char* name : kClasses) {
        EXPECT_TRUE(ClassExists(name)) << name;
        EXPECT_TRUE(ControlWorks(name)) << name;
    }
    FreeLibrary(second);
    if (blocker != nullptr) {
        VirtualFree(blocker, 0, MEM_RELEASE);
    }
}

} // namespace
