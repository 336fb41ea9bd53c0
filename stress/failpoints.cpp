// The failpoint program: for each class, InitQuorl/ExitQuorl, a dialog with
// every class and LoadBitmapPalette, a scenario runs once to count the
// library's calls of every import that can fail, then once per failpoint
// (the Nth call of one import fails) in a process of its own, with the GDI
// and heap census against the same scenario run fault-free just before
// (and the failing run once before the census, so that what the platform
// keeps from the first time it takes a path is not counted).
// Prints a table (import x scenario: failpoints, crashes, hangs, leaks,
// library left broken) and exits non-zero on any of them.
//   quorl_failpoints [--only SCENARIO] [--kind IMPORT] [--sample K]
//                    [--sample-kinds A,B,...] [--full-for A,B,...]
//                    [--persistent] [--timeout MS] [--inject-unchecked]
// --sample K tries at most K failpoints per import, spread over the calls,
// and only the imports --sample-kinds names (all without it), except in the
// scenarios --full-for names; without --sample every failpoint.
// --persistent fails every call from the Nth on, not the Nth alone.
#include <objbase.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "quorl32.h"
#include "stress/failpoint_hooks.h"
#include "stress/stress.h"
#include "tests/common/census.h"

namespace {

using stress::ClassCase;

struct FailOptions {
    std::string only;
    std::string kind;
    long sample = 0; // 0: every failpoint
    std::vector<std::string> fullFor;
    std::vector<std::string> sampleKinds;
    bool persistent = false;
    DWORD timeout = 20000;
    bool injectUnchecked = false;
    // In a child: the scenario, and the failpoint (kind -1: count only).
    int child = -1;
    int failKind = -1;
    long failAt = 0;
};

constexpr int kPrintWidth = 160;
constexpr int kPrintHeight = 120;
constexpr int kBitmapSide = 16;
constexpr int kFaultsShown = 40;
constexpr DWORD kRetryMilliseconds = 500;
constexpr const char* kPlantedDll = "quorl_planted.dll";
constexpr const char* kPlantedClass = "PLANTED";

// The program's own pictures for LoadBitmapPalette: 8-bit and 4-bit.
constexpr int kEightBitPicture = 200;
constexpr int kFourBitPicture = 202;

HINSTANCE Program() {
    return GetModuleHandleA(nullptr);
}

// --- The scenarios --------------------------------------------------------------

// Prints the window into a memory context, as a print preview would.
void PrintInto(HWND window) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, kPrintWidth, kPrintHeight);
    HGDIOBJ old = SelectObject(memory, surface);
    SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(memory),
                 PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN | PRF_NONCLIENT);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    SelectObject(memory, old);
    DeleteObject(surface);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// Written out: the import library's symbol does not survive static linking.
constexpr IID kAccessibleIid = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// What a screen reader asks: name, value, role and children.
void AskAccessible(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kAccessibleIid,
                                          reinterpret_cast<void**>(&object))) ||
        object == nullptr) {
        return;
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (object->get_accName(self, &text) == S_OK) {
        SysFreeString(text);
    }
    text = nullptr;
    if (object->get_accValue(self, &text) == S_OK) {
        SysFreeString(text);
    }
    VARIANT role;
    VariantInit(&role);
    object->get_accRole(self, &role);
    VariantClear(&role);
    long children = 0;
    object->get_accChildCount(&children);
    object->Release();
}

HBITMAP SmallBitmap() {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kBitmapSide, kBitmapSide);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// Create, show, paint, state changes, new text, print, accessibility, destroy.
void RunClass(const ClassCase& entry, HWND host) {
    HWND own = entry.ownsItsHost ? stress::CreateHost() : nullptr;
    HWND control = entry.create(entry, own != nullptr ? own : host);
    if (control != nullptr) {
        ShowWindow(control, SW_SHOW);
        stress::PaintNow(control);
        stress::Pump();
        for (long cycle = 1; cycle <= 2; ++cycle) {
            entry.exercise(control, cycle);
        }
        if (std::strcmp(entry.name, QUORL_CLASSA) == 0) {
            // A picture of its own: the button owns it from here on.
            SendMessageA(control, QBM_SETBITMAP, reinterpret_cast<WPARAM>(SmallBitmap()), 0);
        }
        // Longer than a string keeps without the heap: a screen reader's
        // name of it takes memory.
        SendMessageA(control, WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>("Neue &Beschriftung mit Text,FELD"));
        stress::PaintNow(control);
        PrintInto(control);
        AskAccessible(control);
        stress::Pump();
        DestroyWindow(control);
    }
    if (own != nullptr) {
        DestroyWindow(own);
    }
    stress::Pump();
}

const char* const kLibraryClasses[] = {QUORL_CLASSA,         QUCHECK_CLASSA, GAUGE_CLASSA,
                                       GTEXT_CLASSA,         GSEITE_CLASSA,  GSHED_CLASSA,
                                       BORDLGPLAGIAT_CLASSA, QUSTSB_CLASSA,  QUSTSF_CLASSA};

// Whether every class of the library is registered.
bool LibraryWhole() {
    WNDCLASSA info;
    for (const char* name : kLibraryClasses) {
        if (!GetClassInfoA(stress::g_library.module, name, &info)) {
            return false;
        }
    }
    return true;
}

// A setup after a shutdown, as on a first load (the classes taken away by
// hand), controls of every class, a shutdown, and a second setup that must
// make whole what the first could not.
void RunInitExit(const std::vector<ClassCase>& classes, HWND host) {
    stress::Library& lib = stress::g_library;
    lib.initQuorl();
    lib.exitQuorl();
    for (const char* name : kLibraryClasses) {
        UnregisterClassA(name, lib.module);
    }
    lib.initQuorl();
    for (const ClassCase& entry : classes) {
        HWND own = entry.ownsItsHost ? stress::CreateHost() : nullptr;
        HWND control = entry.create(entry, own != nullptr ? own : host);
        stress::PaintNow(control != nullptr ? control : host);
        if (control != nullptr) {
            DestroyWindow(control);
        }
        if (own != nullptr) {
            DestroyWindow(own);
        }
        stress::Pump();
    }
    lib.exitQuorl();
    lib.initQuorl();
    lib.exitQuorl();
}

void RunLoadBitmapPalette() {
    using LoadFunction = BOOL(WINAPI*)(HINSTANCE, LPCSTR, HBITMAP*, HPALETTE*);
    auto load = reinterpret_cast<LoadFunction>(
        reinterpret_cast<void*>(GetProcAddress(stress::g_library.module, "LoadBitmapPalette")));
    const LPCSTR names[] = {MAKEINTRESOURCEA(kEightBitPicture), MAKEINTRESOURCEA(kFourBitPicture),
                            "KEINBILD"};
    for (LPCSTR name : names) {
        HBITMAP bitmap = nullptr;
        HPALETTE palette = nullptr;
        load(Program(), name, &bitmap, &palette);
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
        if (palette != nullptr) {
            DeleteObject(palette);
        }
    }
}

struct Scenario {
    std::string name;
    const ClassCase* entry; // a class or the dialog; null for the others
    enum { Class, InitExit, Bitmaps } kind;
};

// The classes, the whole dialog, the planted class when asked for, and the two
// scenarios of the library itself.
std::vector<Scenario> Scenarios(const std::vector<ClassCase>& classes) {
    std::vector<Scenario> list;
    list.push_back({"InitQuorl", nullptr, Scenario::InitExit});
    for (const ClassCase& entry : classes) {
        list.push_back({entry.name, &entry, Scenario::Class});
    }
    list.push_back({"LoadBitmapPalette", nullptr, Scenario::Bitmaps});
    return list;
}

std::vector<ClassCase> ScenarioClasses(const FailOptions& options) {
    std::vector<ClassCase> classes;
    for (const ClassCase& entry : stress::Classes(stress::Options{})) {
        if (entry.hostile || std::strcmp(entry.name, "whole dialog") == 0) {
            classes.push_back(entry);
        }
    }
    if (options.injectUnchecked) {
        ClassCase planted = classes.front();
        planted.name = kPlantedClass;
        planted.text = "";
        planted.exercise = [](HWND, long) {};
        classes.push_back(planted);
    }
    return classes;
}

// The library keeps objects every control shares (the blit context, the
// disabled look's pattern), made on first use and deleted at shutdown: a
// shutdown and a setup after each run, as an application may do, so that
// a failing run that made them first is not taken for a leak.
void RenewLibrary() {
    static bool counted = false; // InitQuorl's count is 0 after the load
    if (!counted) {
        stress::g_library.initQuorl();
        counted = true;
    }
    stress::g_library.exitQuorl();
    stress::g_library.initQuorl();
}

void Run(const Scenario& scenario, const std::vector<ClassCase>& classes, HWND host) {
    switch (scenario.kind) {
    case Scenario::Class:
        RunClass(*scenario.entry, host);
        RenewLibrary();
        break;
    case Scenario::InitExit:
        RunInitExit(classes, host);
        break;
    case Scenario::Bitmaps:
        RunLoadBitmapPalette();
        break;
    }
}

// --- One case in a process of its own ---------------------------------------------

// The platform keeps objects of its own from the first time it paints a
// bordered static control (what the page switcher shows for a page it
// cannot load); made here once, they do not count against a failing run.
void WarmPlatform(HWND host) {
    HWND probe = CreateWindowExA(0, "static", "?", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0,
                                 kBitmapSide, kBitmapSide, host, nullptr, Program(), nullptr);
    stress::PaintNow(probe);
    stress::Pump();
    DestroyWindow(probe);
}

LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* info) {
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), info->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

// A fault is seen where it happens: the system swallows exceptions in
// window procedures it calls back (WM_CREATE inside CreateWindowEx).
LONG CALLBACK EndOnFault(EXCEPTION_POINTERS* info) {
    return stress::IsFault(info->ExceptionRecord->ExceptionCode) ? EndOnCrash(info)
                                                                 : EXCEPTION_CONTINUE_SEARCH;
}

int RunChild(const FailOptions& options) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(EndOnCrash);
    AddVectoredExceptionHandler(1, EndOnFault);
    if (!stress::g_library.Load()) {
        std::printf("error QUORL32.DLL could not be loaded\n");
        return 2;
    }
    stress::PatchImports(stress::g_library.module);
    if (options.injectUnchecked) {
        HMODULE planted = LoadLibraryA(kPlantedDll);
        if (planted == nullptr) {
            std::printf("error %s could not be loaded\n", kPlantedDll);
            return 2;
        }
        stress::PatchImports(planted);
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::vector<ClassCase> classes = ScenarioClasses(options);
    const std::vector<Scenario> scenarios = Scenarios(classes);
    const Scenario& scenario = scenarios.at(static_cast<std::size_t>(options.child));
    HWND host = stress::CreateHost();
    WarmPlatform(host);
    Run(scenario, classes, host); // fault-free: what the census compares with
    stress::Pump();
    // The failing run once before the census too: the platform and the C++
    // runtime keep memory from the first time they take a path (the first
    // exception thrown, the string cache); a leak of the library's recurs.
    if (options.failKind >= 0) {
        stress::Arm(options.failKind, options.failAt, options.persistent);
        Run(scenario, classes, host);
        stress::Disarm();
        stress::Pump();
    }
    quorl_test::Census census;
    stress::Arm(options.failKind, options.failAt, options.persistent);
    Run(scenario, classes, host);
    stress::Disarm();
    stress::Pump();
    const quorl_test::Held held = census.Now();
    if (options.failKind < 0) {
        const std::vector<long> counts = stress::CallCounts();
        for (std::size_t kind = 0; kind < counts.size(); ++kind) {
            if (counts[kind] > 0) {
                std::printf("count %s %ld\n", stress::ImportKinds()[kind].name, counts[kind]);
            }
        }
    }
    std::printf("result %ld %lld %d %s\n", held.objects, held.bytes, LibraryWhole() ? 0 : 1,
                held.kinds.c_str());
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 0);
    return 0;
}

// --- The supervisor -----------------------------------------------------------------

struct Verdict {
    enum { Clean, Crash, Hang, Leak, Broken, Error } kind = Error;
    DWORD code = 0;
    long objects = 0;
    long long bytes = 0;
    std::string kinds;
    std::map<std::string, long> counts; // of a counting run
};

std::string ChildCommand(const FailOptions& options, int scenario, int kind, long n) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string command = std::string("\"") + self + "\" --child " + std::to_string(scenario) +
                          " --fail " + std::to_string(kind) + " " + std::to_string(n);
    if (options.persistent) {
        command += " --persistent";
    }
    if (options.injectUnchecked) {
        command += " --inject-unchecked";
    }
    return command;
}

Verdict RunCase(const FailOptions& options, int scenario, int kind, long n) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::string command = ChildCommand(options, scenario, kind, n);
    Verdict verdict;
    // A system under load may refuse a process now and then: once more.
    const auto start = [&] {
        return CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                              &startup, &process);
    };
    if (!start() && (Sleep(kRetryMilliseconds), !start())) {
        CloseHandle(readEnd);
        CloseHandle(writeEnd);
        return verdict;
    }
    CloseHandle(writeEnd);
    // The pipe is read while the child runs, so that a full pipe never stalls it.
    std::string output;
    const ULONGLONG deadline = GetTickCount64() + options.timeout;
    bool hung = false;
    for (;;) {
        DWORD available = 0;
        if (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
            std::string chunk(available, '\0');
            DWORD read = 0;
            ReadFile(readEnd, chunk.data(), available, &read, nullptr);
            output.append(chunk.data(), read);
            continue;
        }
        if (WaitForSingleObject(process.hProcess, 10) == WAIT_OBJECT_0) {
            break;
        }
        if (GetTickCount64() > deadline) {
            TerminateProcess(process.hProcess, WAIT_TIMEOUT);
            WaitForSingleObject(process.hProcess, INFINITE);
            hung = true;
            break;
        }
    }
    // What is left in the pipe; only what is there, as a reader that
    // waits for the end of the pipe may wait for ever under Wine.
    for (;;) {
        char chunk[4096];
        DWORD available = 0;
        DWORD read = 0;
        if (!PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) || available == 0 ||
            !ReadFile(readEnd, chunk, sizeof chunk, &read, nullptr) || read == 0) {
            break;
        }
        output.append(chunk, read);
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(readEnd);
    verdict.code = code;
    if (hung) {
        verdict.kind = Verdict::Hang;
        return verdict;
    }
    std::size_t at = 0;
    bool finished = false;
    while (at < output.size()) {
        std::size_t end = output.find('\n', at);
        if (end == std::string::npos) {
            end = output.size();
        }
        const std::string line = output.substr(at, end - at);
        at = end + 1;
        char name[128];
        long count = 0;
        int broken = 0;
        char kinds[256] = "";
        if (std::sscanf(line.c_str(), "count %127s %ld", name, &count) == 2) {
            verdict.counts[name] = count;
        } else if (std::sscanf(line.c_str(), "result %ld %lld %d %255[^\r\n]", &verdict.objects,
                               &verdict.bytes, &broken, kinds) >= 3) {
            finished = true;
            verdict.kinds = kinds;
            verdict.kind = broken != 0 ? Verdict::Broken : Verdict::Clean;
        }
    }
    if (!finished) {
        verdict.kind = code == 2 ? Verdict::Error : Verdict::Crash;
    }
    return verdict;
}

// The failpoints tried for an import called count times.
std::vector<long> Failpoints(long count, long sample) {
    std::vector<long> points;
    if (sample <= 0 || count <= sample) {
        for (long n = 1; n <= count; ++n) {
            points.push_back(n);
        }
    } else if (sample == 1) {
        points.push_back(1);
    } else {
        for (long i = 0; i < sample; ++i) {
            const long n = 1 + i * (count - 1) / (sample - 1);
            if (points.empty() || points.back() != n) {
                points.push_back(n);
            }
        }
    }
    return points;
}

struct Row {
    long failpoints = 0;
    long crashes = 0;
    long hangs = 0;
    long leaks = 0;
    long broken = 0;
};

const char* VerdictName(const Verdict& verdict) {
    switch (verdict.kind) {
    case Verdict::Crash:
        return "crash";
    case Verdict::Hang:
        return "hang";
    case Verdict::Leak:
        return "leak";
    case Verdict::Broken:
        return "library left without a class";
    case Verdict::Error:
        return "could not be run";
    case Verdict::Clean:
        break;
    }
    return "ok";
}

bool Listed(const std::vector<std::string>& list, const std::string& name) {
    for (const std::string& entry : list) {
        if (entry == name) {
            return true;
        }
    }
    return false;
}

int RunSupervisor(const FailOptions& options) {
    const std::vector<ClassCase> classes = ScenarioClasses(options);
    const std::vector<Scenario> scenarios = Scenarios(classes);
    const std::vector<stress::ImportKind>& kinds = stress::ImportKinds();
    std::map<std::pair<std::string, std::string>, Row> table; // (import, scenario)
    Row total;
    long shown = 0;
    int errors = 0;
    const ULONGLONG started = GetTickCount64();
    for (std::size_t s = 0; s < scenarios.size(); ++s) {
        const Scenario& scenario = scenarios[s];
        if (!options.only.empty() && options.only != scenario.name) {
            continue;
        }
        const Verdict counted = RunCase(options, static_cast<int>(s), -1, 0);
        if (counted.kind != Verdict::Clean) {
            std::printf("%s: the fault-free run failed (%s, code %#lx)\n", scenario.name.c_str(),
                        VerdictName(counted), counted.code);
            ++errors;
            continue;
        }
        // What the fault-free run itself leaves (under Wine each screen-reader
        // query keeps some bytes of the system's marshalling): a failing run
        // leaks when it leaves more.
        const long baseObjects = counted.objects;
        const long long baseBytes = counted.bytes;
        const bool full = Listed(options.fullFor, scenario.name);
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            const auto found = counted.counts.find(kinds[k].name);
            if (found == counted.counts.end() ||
                (!options.kind.empty() && options.kind != kinds[k].name) ||
                (!full && options.sample > 0 && !options.sampleKinds.empty() &&
                 !Listed(options.sampleKinds, kinds[k].name))) {
                continue;
            }
            Row& row = table[{kinds[k].name, scenario.name}];
            for (long n : Failpoints(found->second, full ? 0 : options.sample)) {
                Verdict verdict = RunCase(options, static_cast<int>(s), static_cast<int>(k), n);
                if (verdict.kind == Verdict::Clean &&
                    (verdict.objects > baseObjects || verdict.bytes > baseBytes)) {
                    verdict.kind = Verdict::Leak;
                }
                ++row.failpoints;
                row.crashes += verdict.kind == Verdict::Crash;
                row.hangs += verdict.kind == Verdict::Hang;
                row.leaks += verdict.kind == Verdict::Leak;
                row.broken += verdict.kind == Verdict::Broken;
                errors += verdict.kind == Verdict::Error;
                if (verdict.kind != Verdict::Clean && shown++ < kFaultsShown) {
                    std::printf(
                        "fault: %s, %s call %ld of %ld fails: %s (code %#lx, %ld objects%s%s, "
                        "%lld bytes)\n",
                        scenario.name.c_str(), kinds[k].name, n, found->second,
                        VerdictName(verdict), verdict.code, verdict.objects,
                        verdict.kinds.empty() ? "" : ": ", verdict.kinds.c_str(), verdict.bytes);
                    std::fflush(stdout);
                }
            }
        }
    }
    std::printf("\n%-24s %-20s %10s %8s %6s %6s %7s\n", "import", "scenario", "failpoints",
                "crashes", "hangs", "leaks", "broken");
    for (const auto& [key, row] : table) {
        std::printf("%-24s %-20s %10ld %8ld %6ld %6ld %7ld\n", key.first.c_str(),
                    key.second.c_str(), row.failpoints, row.crashes, row.hangs, row.leaks,
                    row.broken);
        total.failpoints += row.failpoints;
        total.crashes += row.crashes;
        total.hangs += row.hangs;
        total.leaks += row.leaks;
        total.broken += row.broken;
    }
    std::printf("%-24s %-20s %10ld %8ld %6ld %6ld %7ld\n", "all", "", total.failpoints,
                total.crashes, total.hangs, total.leaks, total.broken);
    std::printf("(%s, %.1f s)\n",
                options.persistent ? "every call from the Nth on fails"
                                   : "the Nth call alone fails",
                static_cast<double>(GetTickCount64() - started) / 1000.0);
    const bool faults = total.crashes + total.hangs + total.leaks + total.broken + errors != 0;
    std::printf("\n%s\n", faults ? "failpoints: FAULTS FOUND"
                                 : "failpoints: every failure survived, nothing left behind");
    return faults ? 1 : 0;
}

std::vector<std::string> SplitList(const char* text) {
    std::vector<std::string> list;
    std::string item;
    for (const char* c = text;; ++c) {
        if (*c == ',' || *c == '\0') {
            if (!item.empty()) {
                list.push_back(item);
            }
            item.clear();
            if (*c == '\0') {
                break;
            }
        } else {
            item += *c;
        }
    }
    return list;
}

FailOptions ParseOptions(int argc, char** argv) {
    FailOptions options;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : "0";
        if (std::strcmp(arg, "--only") == 0) {
            options.only = value, ++i;
        } else if (std::strcmp(arg, "--kind") == 0) {
            options.kind = value, ++i;
        } else if (std::strcmp(arg, "--sample") == 0) {
            options.sample = std::atol(value), ++i;
        } else if (std::strcmp(arg, "--sample-kinds") == 0) {
            options.sampleKinds = SplitList(value), ++i;
        } else if (std::strcmp(arg, "--full-for") == 0) {
            options.fullFor = SplitList(value), ++i;
        } else if (std::strcmp(arg, "--timeout") == 0) {
            options.timeout = static_cast<DWORD>(std::atol(value)), ++i;
        } else if (std::strcmp(arg, "--persistent") == 0) {
            options.persistent = true;
        } else if (std::strcmp(arg, "--inject-unchecked") == 0) {
            options.injectUnchecked = true;
        } else if (std::strcmp(arg, "--child") == 0) {
            options.child = std::atoi(value), ++i;
        } else if (std::strcmp(arg, "--fail") == 0 && i + 2 < argc) {
            options.failKind = std::atoi(argv[i + 1]);
            options.failAt = std::atol(argv[i + 2]);
            i += 2;
        } else {
            std::fprintf(stderr, "unknown argument %s\n", arg);
            std::exit(2);
        }
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    const FailOptions options = ParseOptions(argc, argv);
    return options.child >= 0 ? RunChild(options) : RunSupervisor(options);
}
