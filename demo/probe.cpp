// Loads QUORL32.DLL as an application would, and prints its exports, the
// window classes it registered and the shared control font it made.
#include <windows.h>

#include <cstdio>

#include "quorl32.h"

namespace {

struct Export {
    int ordinal;
    const char* name;
};

constexpr Export kExports[] = {
    {QUORL_ORD_INITQUORL, "InitQuorl"},
    {QUORL_ORD_EXITQUORL, "ExitQuorl"},
    {QUORL_ORD_DLLMAIN, "DllMain"},
    {QUORL_ORD_WEP, "WEP"},
    {6, nullptr},
    {QUORL_ORD_STSBCREATE, "StsbCreate"},
    {QUORL_ORD_STSBADJUST, "StsbAdjust"},
    {QUORL_ORD_STSBADDFIELD, "StsbAddField"},
    {QUORL_ORD_STSBGETHEIGHT, "StsbGetHeight"},
    {QUORL_ORD_STSBAUTOINFO, "StsbAutoInfo"},
    {QUORL_ORD_LOADBITMAPPALETTE, "LoadBitmapPalette"},
    {QUORL_ORD_STRINGTODATE, "StringToDate"},
    {QUORL_ORD_DAYOFDATE, "DayOfDate"},
    {QUORL_ORD_ADDNDAYS, "AddNDays"},
};

constexpr const char* kClasses[] = {QUORL_CLASS,         GAUGE_CLASS,  GTEXT_CLASS,
                                    QUCHECK_CLASS,       GSEITE_CLASS, GSHED_CLASS,
                                    BORDLGPLAGIAT_CLASS, QUSTSB_CLASS, QUSTSF_CLASS};

void PrintExports(HMODULE library) {
    std::printf("Exports of QUORL32.DLL:\n");
    for (const Export& e : kExports) {
        FARPROC byOrdinal = GetProcAddress(library, MAKEINTRESOURCEA(e.ordinal));
        if (e.name == nullptr) {
            std::printf("  %2d  (empty slot)%s\n", e.ordinal, byOrdinal ? "  UNEXPECTED" : "");
            continue;
        }
        FARPROC byName = GetProcAddress(library, e.name);
        std::printf("  %2d  %-18s %s\n", e.ordinal, e.name,
                    byOrdinal != nullptr && byOrdinal == byName ? "ok" : "MISSING");
    }
}

void PrintClasses(HMODULE library) {
    std::printf("Registered classes:\n");
    for (const char* name : kClasses) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        if (GetClassInfoExA(library, name, &wc)) {
            std::printf("  %-14s style 0x%04X, %2d extra bytes\n", name,
                        static_cast<unsigned>(wc.style), wc.cbWndExtra);
        } else {
            std::printf("  %-14s NOT REGISTERED\n", name);
        }
    }
}

// A text label with the shared-font style keeps the library's font in its
// first window long.
void PrintSharedFont() {
    HWND label = CreateWindowExA(0, GTEXT_CLASS, "", WS_POPUP | QUORL_STYLE_SHAREDFONT, 0, 0, 10,
                                 10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HFONT font = label ? reinterpret_cast<HFONT>(GetWindowLongPtrA(label, GTWL_FONT)) : nullptr;
    LOGFONTA lf{};
    if (font != nullptr && GetObjectA(font, sizeof lf, &lf) == sizeof lf) {
        std::printf("Shared control font: \"%s\", height %ld, weight %ld\n", lf.lfFaceName,
                    lf.lfHeight, lf.lfWeight);
    } else {
        std::printf("Shared control font: not visible through a text label yet\n");
    }
    if (label != nullptr) {
        DestroyWindow(label);
    }
}

} // namespace

int main() {
    HMODULE library = LoadLibraryA("QUORL32.DLL");
    if (library == nullptr) {
        std::printf("QUORL32.DLL could not be loaded (error %lu)\n", GetLastError());
        return 1;
    }
    PrintExports(library);
    PrintClasses(library);
    PrintSharedFont();
    FreeLibrary(library);
    return 0;
}
