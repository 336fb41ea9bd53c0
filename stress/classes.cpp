// The nine classes and the whole dialog as the stress program drives them:
// how each is made and which state changes one cycle goes through.
#include <cstdio>
#include <iterator>

#include "quorl32.h"
#include "quorl32_dates.h"
#include "stress/stress.h"

namespace stress {

Library g_library;

namespace {

constexpr int kControlId = 50;
constexpr int kBarId = 90;
constexpr int kLeft = 10;
constexpr int kTop = 10;
constexpr int kHostWidth = 640;
constexpr int kHostHeight = 480;
constexpr UINT kInjectedCrashMessage = WM_ENABLE;
constexpr const char* kLeakClass = "STRESSLEAK";
constexpr const char* kCrashClass = "STRESSCRASH";

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return function != nullptr;
}

HINSTANCE Program() {
    return GetModuleHandleA(nullptr);
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(window, message, wParam, lParam);
}

UINT Registered(const char* name) {
    return RegisterWindowMessageA(name);
}

HWND CreateChild(const ClassCase& entry, HWND host) {
    return CreateWindowExA(
        0, entry.name, entry.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | entry.style, kLeft, kTop,
        entry.width, entry.height, host, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)),
        Program(), nullptr);
}

HWND CreateBar(const ClassCase&, HWND host) {
    HWND bar = g_library.stsbCreate(host, Program(), kBarId);
    if (bar != nullptr) {
        g_library.stsbAddField(bar, Program(), 1, -10, 0, 0);
        g_library.stsbAddField(bar, Program(), 2, 40, 120, 0);
    }
    return bar;
}

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

HWND CreateDialogOf(const ClassCase& entry, HWND host) {
    return CreateDialogParamA(Program(), entry.text, host, PlainDialog, 0);
}

// The platform's own controls, as a reference: what the census reports for
// them is the platform's, not the library's. A window of rows of buttons,
// check boxes, static texts and edit fields.
constexpr int kStandardRows = 10;
constexpr int kStandardColumnWidth = 100;
constexpr int kStandardRowHeight = 24;
constexpr int kStandardFirstId = 300;
constexpr struct {
    const char* className;
    DWORD style;
} kStandardKinds[] = {{"BUTTON", BS_PUSHBUTTON | WS_TABSTOP},
                      {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP},
                      {"STATIC", SS_LEFT},
                      {"EDIT", WS_BORDER | WS_TABSTOP}};

HWND CreateStandard(const ClassCase&, HWND host) {
    HWND window = CreateWindowExA(0, "STATIC", "Standard", WS_POPUP | WS_VISIBLE, 0, 0, kHostWidth,
                                  kHostHeight, host, nullptr, Program(), nullptr);
    int id = kStandardFirstId;
    for (int row = 0; window != nullptr && row < kStandardRows; ++row) {
        int x = 0;
        for (const auto& kind : kStandardKinds) {
            CreateWindowExA(0, kind.className, "Text", WS_CHILD | WS_VISIBLE | kind.style, x,
                            row * kStandardRowHeight, kStandardColumnWidth, kStandardRowHeight,
                            window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), Program(),
                            nullptr);
            x += kStandardColumnWidth;
        }
    }
    return window;
}

// --- State changes of one cycle ---------------------------------------------

void FieldName(HWND control) {
    char buffer[32];
    Send(control, Registered(BWM_GETFIELDNAME_NAMEA), sizeof buffer,
         reinterpret_cast<LPARAM>(buffer));
}

void Focus(HWND control) {
    SetFocus(control);
    SetFocus(GetParent(control));
}

void ExerciseButton(HWND c, long cycle) {
    Focus(c);
    Send(c, BM_SETSTATE, 1);
    Send(c, BM_SETSTATE, 0);
    Send(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(cycle % 2 ? "Neu~Text,FELD" : "&Alt"));
    EnableWindow(c, FALSE);
    EnableWindow(c, TRUE);
    FieldName(c);
}

void ExerciseCheck(HWND c, long cycle) {
    Focus(c);
    Send(c, BM_SETCHECK, cycle % 2);
    Send(c, WM_KEYDOWN, VK_SPACE);
    Send(c, WM_KEYUP, VK_SPACE);
    FieldName(c);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, 100, 30);
    HGDIOBJ old = SelectObject(memory, surface);
    RECT area = {0, 0, 100, 30};
    Send(c, Registered(BWM_PAINTDC_NAMEA), reinterpret_cast<WPARAM>(memory),
         reinterpret_cast<LPARAM>(&area));
    SelectObject(memory, old);
    DeleteObject(surface);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

void ExerciseGauge(HWND c, long cycle) {
    Send(c, GAUGE_SETRANGE, 100);
    Send(c, GAUGE_SETPOS, static_cast<WPARAM>(cycle % 101));
    Send(c, GAUGE_ADDPOS, 5);
    Send(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(cycle % 2 ? "Kopieren" : ""));
    Send(c, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), TRUE);
}

void ExerciseText(HWND c, long cycle) {
    Send(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(cycle % 2 ? "Zeile\tzwei" : ",NAME"));
    EnableWindow(c, FALSE);
    EnableWindow(c, TRUE);
    FieldName(c);
}

void ExerciseSwitcher(HWND c, long cycle) {
    Send(c, GSM_SELECTPAGE, 0, cycle % 2);
    char name[16];
    Send(c, GSM_GETCURPAGE, sizeof name, reinterpret_cast<LPARAM>(name));
    Send(c, GSM_REMOVEPAGE, 0, 1);
    Send(c, GSM_ADDPAGES, reinterpret_cast<WPARAM>(Program()), reinterpret_cast<LPARAM>("SEITE2"));
    Send(c, GSM_SELECTPAGE, 0, reinterpret_cast<LPARAM>("SEITE2"));
}

void ExerciseSchedule(HWND c, long cycle) {
    Focus(c);
    DateRec date = {1995, static_cast<signed char>(1 + cycle % 28),
                    static_cast<signed char>(1 + cycle % 12)};
    Send(c, GSHM_SETDATE, 0, reinterpret_cast<LPARAM>(&date));
    Send(c, GSHM_SETMARKS, 0, reinterpret_cast<LPARAM>("4.12.1995-6.12.1995, 24.12"));
    Send(c, WM_KEYDOWN, VK_RIGHT);
    Send(c, GSHM_GETDATE, 0, reinterpret_cast<LPARAM>(&date));
    Send(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1.3.1996"));
    FieldName(c);
}

void ExerciseBar(HWND bar, long cycle) {
    char text[32];
    std::snprintf(text, sizeof text, "Hilfe %ld", cycle);
    SetWindowTextA(GetDlgItem(bar, 1), text);
    SetWindowTextA(GetDlgItem(bar, 2), cycle % 2 ? "" : "12:00");
    Send(GetParent(bar), WM_SIZE);
}

void ExerciseField(HWND c, long cycle) {
    Send(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(cycle % 2 ? "Bereit" : "Fehler"));
    Send(c, STSF_SETLONG, STSFWL_MINWIDTH, 20);
    Send(c, STSF_GETLONG, STSFWL_MAXWIDTH);
}

void ExerciseFrame(HWND dialog, long cycle) {
    Send(dialog, BDM_SETBRUSH,
         cycle % 2 ? reinterpret_cast<WPARAM>(GetStockObject(GRAY_BRUSH)) : 0);
    Send(dialog, BDM_SETUSERDATA, 0, cycle);
    SetFocus(GetDlgItem(dialog, 1));
    Send(dialog, WM_MENUSELECT, MAKEWPARAM(1, MF_STRING), 0);
    Send(dialog, WM_NCACTIVATE, cycle % 2);
}

void ExerciseStandard(HWND window, long cycle) {
    const int columns = static_cast<int>(std::size(kStandardKinds));
    HWND check = GetDlgItem(window, kStandardFirstId + 1);
    Send(check, BM_SETCHECK, cycle % 2);
    SetWindowTextA(GetDlgItem(window, kStandardFirstId + 2), cycle % 2 ? "Neu" : "Alt");
    SetFocus(GetDlgItem(window, kStandardFirstId + columns + 3));
    SetFocus(check);
}

void ExerciseWhole(HWND dialog, long cycle) {
    HWND switcher = GetDlgItem(dialog, 100);
    Send(switcher, GSM_SELECTPAGE, 0, (cycle + 1) % 2);
    SetFocus(GetDlgItem(dialog, 200));
    SetFocus(GetDlgItem(dialog, 101));
    ExerciseSchedule(GetDlgItem(dialog, 101), cycle);
    Send(switcher, GSM_SELECTPAGE, 0, cycle % 2);
    SetFocus(GetDlgItem(dialog, 1));
}

// --- Injected faults: only with --inject, to prove the run catches them ---

LRESULT CALLBACK LeakingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        CreateSolidBrush(RGB(1, 2, 3)); // one object per control, never deleted
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK CrashingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kInjectedCrashMessage) {
        *static_cast<volatile int*>(nullptr) = 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterInjected(const char* name, WNDPROC procedure) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = Program();
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

void NoChange(HWND, long) {}

} // namespace

bool Library::Load() {
    module = LoadLibraryA("QUORL32.DLL");
    return module != nullptr && Resolve(module, "InitQuorl", initQuorl) &&
           Resolve(module, "ExitQuorl", exitQuorl) && Resolve(module, "StsbCreate", stsbCreate) &&
           Resolve(module, "StsbAddField", stsbAddField);
}

void Library::Unload() {
    if (module != nullptr) {
        FreeLibrary(module);
        module = nullptr;
    }
}

const std::vector<ClassCase>& Classes(const Options& options) {
    static std::vector<ClassCase> classes;
    if (!classes.empty()) {
        return classes;
    }
    classes = {
        {QUORL_CLASSA, 0, "Sichern,KUNDE", 80, 30, CreateChild, ExerciseButton, true, false},
        {QUCHECK_CLASSA, QCS_CHECKBOX, "Wahl,FELD", 100, 20, CreateChild, ExerciseCheck, true,
         false},
        {GAUGE_CLASSA, GAUGE_TICKS10 | GAUGE_SCALE | GAUGE_PERCENT, "Fortschritt", 200, 60,
         CreateChild, ExerciseGauge, true, false},
        {GTEXT_CLASSA, GTS_BOX, ",NAME", 120, 20, CreateChild, ExerciseText, true, false},
        {GSEITE_CLASSA, 0, "SEITE1+SEITE2", 320, 200, CreateChild, ExerciseSwitcher, true, true},
        {GSHED_CLASSA, 0, ",DATUM", 300, 160, CreateChild, ExerciseSchedule, true, false},
        {BORDLGPLAGIAT_CLASSA, 0, "FRAME", 0, 0, CreateDialogOf, ExerciseFrame, true, false},
        {QUSTSB_CLASSA, 0, "", 0, 0, CreateBar, ExerciseBar, true, false},
        {QUSTSF_CLASSA, 0, "Bereit", 120, 20, CreateChild, ExerciseField, true, false},
        {"whole dialog", 0, "WHOLE", 0, 0, CreateDialogOf, ExerciseWhole, false, false},
        {"standard controls", 0, "", 0, 0, CreateStandard, ExerciseStandard, false, false},
    };
    if (options.injectLeak) {
        RegisterInjected(kLeakClass, LeakingProc);
        classes.push_back({kLeakClass, 0, "", 50, 20, CreateChild, NoChange, false, false});
    }
    if (options.injectCrash) {
        RegisterInjected(kCrashClass, CrashingProc);
        classes.push_back({kCrashClass, 0, "", 50, 20, CreateChild, NoChange, true, false});
    }
    if (!options.only.empty()) {
        std::erase_if(classes, [&](const ClassCase& c) { return options.only != c.name; });
    }
    return classes;
}

HWND CreateHost() {
    return CreateWindowExA(0, "STATIC", "Belastung", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                           kHostWidth, kHostHeight, nullptr, nullptr, Program(), nullptr);
}

void Pump(int limit) {
    MSG message;
    for (int i = 0; i < limit && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

} // namespace stress
