// The library's controls against the standard ones, measured as a program
// uses them, in one process under the same conditions. Prints a table and
// writes JSON: controls_bench [--row TEXT]... [results.json]; with --row only
// the rows whose name contains one of the texts are measured.
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
#include "quorl32_dates.h"

namespace {

using bench::Comparison;
using bench::Result;

constexpr char kHostClass[] = "QuorlBenchHost";
constexpr char kLoadSampleSwitch[] = "--load-sample";
constexpr char kRowSwitch[] = "--row";
constexpr char kLoadRow[] = "LoadLibrary + first InitQuorl vs comctl32 + InitCommonControlsEx";
constexpr int kLoadSamples = 11;
constexpr DWORD kRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
constexpr LPARAM kPrintFlags = PRF_CLIENT | PRF_ERASEBKGND;
constexpr int kPictureButtonId = 981; // the library's notebook picture
constexpr DWORD kCommonClasses = ICC_WIN95_CLASSES | ICC_DATE_CLASSES;
constexpr int kPages = 10;
constexpr char kPageList[] =
    "SEITE0+SEITE1+SEITE2+SEITE3+SEITE4+SEITE5+SEITE6+SEITE7+SEITE8+SEITE9";
constexpr DWORD kFullRepaint =
    RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN;

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

template <typename Function>
Function Resolve(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

HWND EmptyDialog(HWND owner, const char* className, DWORD style, int x, int y, int cx, int cy) {
    bench::DialogTemplate dialog(style | DS_SETFONT, x, y, cx, cy, "Dialog", className);
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                      reinterpret_cast<const DLGTEMPLATE*>(dialog.bytes().data()),
                                      owner, nullptr, 0);
}

// Ten pages of forty controls: the page switcher against a tab control
// whose application shows and hides one child dialog per tab.
Comparison PageSwitch(HWND host) {
    constexpr DWORD kHostStyle = WS_POPUP | WS_VISIBLE;
    HWND oursDialog = EmptyDialog(host, nullptr, kHostStyle, 0, 0, 260, 200);
    // The window text names the pages, as in a dialog template: an empty
    // one would name a missing page and leave its error window inside.
    HWND switcher = Child(oursDialog, GSEITE_CLASS, kPageList, 0, 0, 0, 380, 300, 1);
    HWND peerDialog = EmptyDialog(host, nullptr, kHostStyle, 270, 0, 260, 200);
    HWND tabs = Child(peerDialog, WC_TABCONTROLA, "", WS_CLIPSIBLINGS, 0, 0, 380, 300, 1);
    static HWND pages[kPages];
    for (int i = 0; i < kPages; ++i) {
        char name[16];
        wsprintfA(name, "Seite %d", i);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = name;
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        wsprintfA(name, "SEITE%d", i);
        pages[i] = CreateDialogParamA(GetModuleHandleA(nullptr), name, peerDialog, nullptr, 0);
        RECT area = {0, 0, 380, 300};
        SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        SetWindowPos(pages[i], HWND_TOP, area.left, area.top, 0, 0, SWP_NOSIZE);
    }
    ShowWindow(pages[0], SW_SHOW);
    Pump();
    static int shown = 0;
    return {"page switch, 10 pages x 40 controls: GSM_SELECTPAGE vs tab control + child dialogs",
            {[switcher, oursDialog](int i) {
                 SendMessageA(switcher, GSM_SELECTPAGE, 0, (i + 1) % kPages);
                 UpdateWindow(oursDialog);
             },
             {}},
            {[tabs, peerDialog](int i) {
                 const int next = (i + 1) % kPages;
                 SendMessageA(tabs, TCM_SETCURSEL, next, 0);
                 ShowWindow(pages[shown], SW_HIDE);
                 ShowWindow(pages[next], SW_SHOW);
                 shown = next;
                 UpdateWindow(peerDialog);
             },
             {}},
            50};
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

// Loads the common controls and registers their classes.
bool LoadCommonControls() {
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = Resolve<Init>(LoadLibraryA("COMCTL32.DLL"), "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX all = {sizeof(INITCOMMONCONTROLSEX), kCommonClasses};
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
    return bench::FromSamples(kLoadRow, ours, peer);
}

// The command line: rows to measure (none named: all) and the JSON path.
struct Options {
    std::vector<std::string> rows;
    const char* jsonPath = "controls_bench.json";

    bool wants(const std::string& name) const {
        if (rows.empty()) {
            return true;
        }
        for (const std::string& row : rows) {
            if (name.find(row) != std::string::npos) {
                return true;
            }
        }
        return false;
    }
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], kRowSwitch) == 0 && i + 1 < argc) {
            options.rows.emplace_back(argv[++i]);
        } else {
            options.jsonPath = argv[i];
        }
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kLoadSampleSwitch) == 0) {
        return LoadSample(argv[2]);
    }
    const Options options = ParseOptions(argc, argv);
    const char* jsonPath = options.jsonPath;
    const bench::Settings settings;
    std::vector<Result> results;
    if (options.wants(kLoadRow)) {
        results.push_back(LoadAndInitialise());
    }

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

    using Create = HWND(WINAPI*)(HWND, HINSTANCE, int);
    using AddField = HWND(WINAPI*)(HWND, HINSTANCE, int, int, int, LONG);
    using Adjust = BOOL(WINAPI*)(HWND, HWND);
    HMODULE library = GetModuleHandleA("QUORL32.DLL");
    HWND bar = Resolve<Create>(library, "StsbCreate")(host, GetModuleHandleA(nullptr), 20);
    HWND field =
        Resolve<AddField>(library, "StsbAddField")(bar, GetModuleHandleA(nullptr), 21, 200, 0, 0);
    Resolve<Adjust>(library, "StsbAdjust")(host, bar);
    HWND statusBar =
        Child(host, STATUSCLASSNAMEA, "", CCS_NOPARENTALIGN | CCS_NORESIZE, 10, 620, 400, 24, 22);
    HWND schedule = Child(host, GSHED_CLASS, "", 0, 450, 10, 250, 200, 23);
    HWND calendar = Child(host, MONTHCAL_CLASSA, "", 0, 450, 220, 250, 200, 24);
    HWND frameDialog = EmptyDialog(host, BORDLGPLAGIAT_CLASS, WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                   10, 10, 160, 100);
    HWND plainDialog =
        EmptyDialog(host, nullptr, WS_POPUP | WS_CAPTION | WS_VISIBLE, 200, 10, 160, 100);
    if (bar == nullptr || field == nullptr || frameDialog == nullptr || plainDialog == nullptr) {
        std::fprintf(stderr, "cannot create the status bar or the dialogs\n");
        return 1;
    }
    Pump();
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
        PageSwitch(host),
        {"status field text vs SB_SETTEXT, + UpdateWindow",
         {[field](int i) {
              SetWindowTextA(field, kTexts[i % 2]);
              UpdateWindow(field);
          },
          {}},
         {[statusBar](int i) {
              SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(kTexts[i % 2]));
              UpdateWindow(statusBar);
          },
          {}}},
        {"status field, the same text again, + UpdateWindow",
         {[field](int) {
              SetWindowTextA(field, kTexts[0]);
              UpdateWindow(field);
          },
          {}},
         {[statusBar](int) {
              SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(kTexts[0]));
              UpdateWindow(statusBar);
          },
          {}}},
        {"full repaint: GSHED vs month calendar",
         {[schedule](int) { RedrawWindow(schedule, nullptr, nullptr, kFullRepaint); }, {}},
         {[calendar](int) { RedrawWindow(calendar, nullptr, nullptr, kFullRepaint); }, {}}},
        {"month change: GSHM_SETDATE vs MCM_SETCURSEL, + UpdateWindow",
         {[schedule](int i) {
              DateRec date = {2026, 15, static_cast<signed char>(i % 12 + 1)};
              SendMessageA(schedule, GSHM_SETDATE, 0, reinterpret_cast<LPARAM>(&date));
              UpdateWindow(schedule);
          },
          {}},
         {[calendar](int i) {
              SYSTEMTIME date{};
              date.wYear = 2026;
              date.wMonth = static_cast<WORD>(i % 12 + 1);
              date.wDay = 15;
              SendMessageA(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&date));
              UpdateWindow(calendar);
          },
          {}}},
        {"dialog repaint: BORDLGPLAGIAT vs plain dialog",
         {[frameDialog](int) { RedrawWindow(frameDialog, nullptr, nullptr, kFullRepaint); }, {}},
         {[plainDialog](int) { RedrawWindow(plainDialog, nullptr, nullptr, kFullRepaint); }, {}}},
    };
    for (const Comparison& comparison : comparisons) {
        if (!options.wants(comparison.name)) {
            continue;
        }
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
