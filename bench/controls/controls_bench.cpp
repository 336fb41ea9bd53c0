// The library's controls against the standard ones, measured as a program
// uses them, in one process under the same conditions. Prints a table and
// writes JSON: controls_bench [results.json]
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/controls/dialog_template.h"
#include "bench/controls/harness.h"
#include "quorl32.h"

namespace {

using bench::Comparison;
using bench::Result;

constexpr char kHostClass[] = "QuorlBenchHost";
constexpr char kLoadSampleSwitch[] = "--load-sample";
constexpr int kLoadSamples = 11;
constexpr DWORD kRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
constexpr LPARAM kPrintFlags = PRF_CLIENT | PRF_ERASEBKGND;
constexpr int kPictureButtonId = 981; // the library's notebook picture

// The window the controls live in: a plain grey parent, as a dialog is.
HWND MakeHost() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    RegisterClassA(&wc);
    return CreateWindowExA(0, kHostClass, "Bench", WS_POPUP | WS_VISIBLE, 0, 0, 900, 700, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

HWND Child(HWND host, const char* className, const char* text, DWORD style, int x, int y, int width,
           int height, int id) {
    HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                 height, host, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
    if (child == nullptr) {
        std::fprintf(stderr, "cannot create a %s window\n", className);
        std::exit(1);
    }
    UpdateWindow(child);
    return child;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
}

// A memory picture for painting into a given context.
struct MemoryPicture {
    HDC dc;
    HBITMAP bitmap;
    MemoryPicture(HWND window) {
        RECT r;
        GetClientRect(window, &r);
        HDC screen = GetDC(window);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
        ReleaseDC(window, screen);
        SelectObject(dc, bitmap);
    }
    void print(HWND window) const {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), kPrintFlags);
    }
};

Comparison FullRepaint(const char* name, HWND ours, HWND peer) {
    return {name,
            {[ours](int) { RedrawWindow(ours, nullptr, nullptr, kRepaint); }, {}},
            {[peer](int) { RedrawWindow(peer, nullptr, nullptr, kRepaint); }, {}}};
}

Comparison IntoMemory(const char* name, HWND ours, HWND peer) {
    // Leaked on purpose: the pictures live as long as the program.
    auto* oursPicture = new MemoryPicture(ours);
    auto* peerPicture = new MemoryPicture(peer);
    return {name,
            {[ours, oursPicture](int) { oursPicture->print(ours); }, {}},
            {[peer, peerPicture](int) { peerPicture->print(peer); }, {}}};
}

// A dialog of 100 controls: 40 check boxes, 30 push buttons, 30 labels.
std::vector<unsigned char> HundredControls(bool ours) {
    bench::DialogTemplate dialog(WS_POPUP | DS_SETFONT, 0, 0, 400, 300, "Dialog");
    for (int i = 0; i < 100; ++i) {
        const int x = 4 + (i % 10) * 38;
        const int y = 4 + (i / 10) * 28;
        const auto id = static_cast<WORD>(100 + i);
        const DWORD common = WS_CHILD | WS_VISIBLE;
        if (i % 10 < 4) {
            dialog.item(ours ? QUCHECK_CLASS : "BUTTON", "Wahl",
                        common | WS_TABSTOP |
                            (ours ? QCS_AUTOCHECKBOX | QCS_SHAREDFONT : BS_AUTOCHECKBOX),
                        x, y, 36, 10, id);
        } else if (i % 10 < 7) {
            dialog.item(ours ? QUORL_CLASS : "BUTTON", "OK",
                        common | WS_TABSTOP | (ours ? QBS_SHAREDFONT : BS_PUSHBUTTON), x, y, 36, 14,
                        id);
        } else {
            dialog.item(ours ? GTEXT_CLASS : "STATIC", "Text",
                        common | (ours ? GTS_SHAREDFONT : SS_LEFT), x, y, 36, 10, id);
        }
    }
    return dialog.bytes();
}

Comparison DialogCreation(HWND host) {
    const auto ours = std::make_shared<const std::vector<unsigned char>>(HundredControls(true));
    const auto peer = std::make_shared<const std::vector<unsigned char>>(HundredControls(false));
    static HWND made = nullptr;
    const auto create = [host](const std::vector<unsigned char>& bytes) {
        made = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                          reinterpret_cast<const DLGTEMPLATE*>(bytes.data()), host,
                                          nullptr, 0);
    };
    const auto destroy = [] {
        DestroyWindow(made);
        made = nullptr;
    };
    Comparison c{"dialog of 100 controls: create",
                 {[create, ours](int) { create(*ours); }, destroy},
                 {[create, peer](int) { create(*peer); }, destroy}};
    c.operations = 10;
    return c;
}

template <typename Function>
Function Resolve(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Loads the common controls and registers their classes.
bool LoadCommonControls() {
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = Resolve<Init>(LoadLibraryA("COMCTL32.DLL"), "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX all = {sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    return init != nullptr && init(&all);
}

// One sample of loading a library and initialising it, in a fresh process.
int LoadSample(const char* which) {
    const double start = bench::NowMicroseconds();
    if (std::strcmp(which, "ours") == 0) {
        const auto init = Resolve<void(WINAPI*)()>(LoadLibraryA("QUORL32.DLL"), "InitQuorl");
        if (init == nullptr) {
            return 1;
        }
        init();
    } else if (!LoadCommonControls()) {
        return 1;
    }
    std::printf("%.1f\n", bench::NowMicroseconds() - start);
    return 0;
}

double SpawnLoadSample(const char* which) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self + "\" " + kLoadSampleSwitch + " " + which;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    double value = 0;
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(writeEnd);
        writeEnd = nullptr;
        char text[64] = "";
        DWORD read = 0;
        ReadFile(readEnd, text, sizeof text - 1, &read, nullptr);
        text[read] = '\0';
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        value = std::atof(text);
    }
    if (writeEnd != nullptr) {
        CloseHandle(writeEnd);
    }
    CloseHandle(readEnd);
    return value;
}

Result LoadAndInitialise() {
    std::vector<double> ours;
    std::vector<double> peer;
    for (int round = 0; round < kLoadSamples; ++round) {
        if (round % 2 == 0) {
            ours.push_back(SpawnLoadSample("ours"));
            peer.push_back(SpawnLoadSample("peer"));
        } else {
            peer.push_back(SpawnLoadSample("peer"));
            ours.push_back(SpawnLoadSample("ours"));
        }
    }
    return bench::FromSamples("LoadLibrary + first InitQuorl vs comctl32 + InitCommonControlsEx",
                              ours, peer);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kLoadSampleSwitch) == 0) {
        return LoadSample(argv[2]);
    }
    const char* jsonPath = argc > 1 ? argv[1] : "controls_bench.json";
    const bench::Settings settings;
    std::vector<Result> results;
    results.push_back(LoadAndInitialise());

    if (LoadLibraryA("QUORL32.DLL") == nullptr) {
        std::fprintf(stderr, "QUORL32.DLL not found\n");
        return 1;
    }
    if (!LoadCommonControls()) {
        std::fprintf(stderr, "COMCTL32.DLL not usable\n");
        return 1;
    }
    HWND host = MakeHost();

    HWND gauge = Child(host, GAUGE_CLASS, "", 0, 10, 10, 200, 24, 1);
    HWND progress = Child(host, PROGRESS_CLASSA, "", 0, 220, 10, 200, 24, 2);
    HWND button =
        Child(host, QUORL_CLASS, "Notizen", QBS_SHAREDFONT, 10, 50, 120, 50, kPictureButtonId);
    HWND pushButton = Child(host, "BUTTON", "Notizen", BS_PUSHBUTTON, 220, 50, 120, 50, 4);
    HWND check =
        Child(host, QUCHECK_CLASS, "Ja", QCS_AUTOCHECKBOX | QCS_SHAREDFONT, 10, 110, 100, 20, 5);
    HWND checkBox = Child(host, "BUTTON", "Ja", BS_AUTOCHECKBOX, 220, 110, 100, 20, 6);
    HWND label = Child(host, GTEXT_CLASS, "Kasten", GTS_BOX | GTS_SHAREDFONT, 10, 140, 120, 24, 7);
    HWND sunken = Child(host, "STATIC", "Kasten", SS_SUNKEN, 220, 140, 120, 24, 8);
    HWND textLabel = Child(host, GTEXT_CLASS, "Eins", GTS_SHAREDFONT, 10, 170, 120, 20, 9);
    HWND staticText = Child(host, "STATIC", "Eins", SS_LEFT, 220, 170, 120, 20, 10);
    Pump();

    static const char* const kTexts[] = {"Eins", "Zwei"};
    std::vector<Comparison> comparisons = {
        {"GAUGE_SETPOS vs PBM_SETPOS + UpdateWindow",
         {[gauge](int i) { SendMessageA(gauge, GAUGE_SETPOS, i % 101, 0); }, {}},
         {[progress](int i) {
              SendMessageA(progress, PBM_SETPOS, i % 101, 0);
              UpdateWindow(progress);
          },
          {}}},
        FullRepaint("full repaint: QUORL with picture vs BS_PUSHBUTTON", button, pushButton),
        FullRepaint("full repaint: QUCHECK vs BS_AUTOCHECKBOX", check, checkBox),
        FullRepaint("full repaint: GTEXT box vs SS_SUNKEN", label, sunken),
        IntoMemory("paint into a memory DC: QUORL vs BS_PUSHBUTTON", button, pushButton),
        IntoMemory("paint into a memory DC: QUCHECK vs BS_AUTOCHECKBOX", check, checkBox),
        {"GTEXT vs STATIC: SetWindowText + UpdateWindow",
         {[textLabel, host](int i) {
              SetWindowTextA(textLabel, kTexts[i % 2]);
              UpdateWindow(host);
          },
          {}},
         {[staticText, host](int i) {
              SetWindowTextA(staticText, kTexts[i % 2]);
              UpdateWindow(host);
          },
          {}}},
        DialogCreation(host),
    };
    for (const Comparison& comparison : comparisons) {
        results.push_back(bench::Measure(comparison, settings));
        Pump();
    }
    bench::PrintTable(results);
    if (!bench::WriteJson(results, settings, jsonPath)) {
        std::fprintf(stderr, "cannot write %s\n", jsonPath);
        return 1;
    }
    DestroyWindow(host);
    return 0;
}
