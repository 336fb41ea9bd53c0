// The hostile-message campaign: every message of every class's table and
// the three registered messages with integer extremes and bad pointers,
// then random messages from a fixed seed. Each case runs on a worker
// thread; a crash ends only that worker (a vectored handler catches it)
// and a case that does not return in time counts as a hang, so one case
// never hides the others.
#include <atomic>
#include <climits>
#include <cstdio>
#include <cstring>
#include <map>
#include <utility>

#include "quorl32.h"
#include "quorl32_dates.h"
#include "stress/stress.h"

namespace stress {

namespace {

// How an argument is read, as the pointer contracts give it.
enum class Arg {
    Value,     // a number or handle: no value may crash
    Size,      // the size of the buffer in lParam: honest up to the buffer's size
    InPointer, // must point to readable data of the message's kind
    OutBuffer, // a buffer of wParam bytes the control writes into
    OutRecord, // a record of fixed size the control reads and writes
    Module,    // a module handle: null or a loaded module
};

// The honest data an in-pointer or record argument gets.
enum class Payload { None, Text, PageNames, Create, Rect, Date, PageHook, Message };

struct MessageSpec {
    UINT message;
    const char* name;
    const char* only; // the class whose table holds it; null: every class
    Arg w;
    Arg l;
    Payload payload;
};

constexpr UINT kRegistered = 0; // resolved by name at run time

std::vector<MessageSpec> MessageTable() {
    const Arg V = Arg::Value;
    std::vector<MessageSpec> table = {
        {WM_CREATE, "WM_CREATE", nullptr, V, Arg::InPointer, Payload::Create},
        {WM_SETTEXT, "WM_SETTEXT", nullptr, V, Arg::InPointer, Payload::Text},
        {WM_GETTEXT, "WM_GETTEXT", nullptr, Arg::Size, Arg::OutBuffer, Payload::None},
        {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH", nullptr, V, V, Payload::None},
        {WM_PAINT, "WM_PAINT", nullptr, V, V, Payload::None},
        {WM_PRINTCLIENT, "WM_PRINTCLIENT", nullptr, V, V, Payload::None},
        {WM_ERASEBKGND, "WM_ERASEBKGND", nullptr, V, V, Payload::None},
        {WM_NCPAINT, "WM_NCPAINT", nullptr, V, V, Payload::None},
        {WM_NCACTIVATE, "WM_NCACTIVATE", nullptr, V, V, Payload::None},
        {WM_SETFONT, "WM_SETFONT", nullptr, V, V, Payload::None},
        {WM_ENABLE, "WM_ENABLE", nullptr, V, V, Payload::None},
        {WM_SIZE, "WM_SIZE", nullptr, V, V, Payload::None},
        {WM_MOVE, "WM_MOVE", nullptr, V, V, Payload::None},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW", nullptr, V, V, Payload::None},
        {WM_SETFOCUS, "WM_SETFOCUS", nullptr, V, V, Payload::None},
        {WM_KILLFOCUS, "WM_KILLFOCUS", nullptr, V, V, Payload::None},
        {WM_GETDLGCODE, "WM_GETDLGCODE", nullptr, V, Arg::InPointer, Payload::Message},
        {WM_NCHITTEST, "WM_NCHITTEST", nullptr, V, V, Payload::None},
        {WM_KEYDOWN, "WM_KEYDOWN", nullptr, V, V, Payload::None},
        {WM_KEYUP, "WM_KEYUP", nullptr, V, V, Payload::None},
        {WM_CHAR, "WM_CHAR", nullptr, V, V, Payload::None},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE", nullptr, V, V, Payload::None},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN", nullptr, V, V, Payload::None},
        {WM_LBUTTONUP, "WM_LBUTTONUP", nullptr, V, V, Payload::None},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK", nullptr, V, V, Payload::None},
        {WM_COMMAND, "WM_COMMAND", nullptr, V, V, Payload::None},
        {WM_MENUSELECT, "WM_MENUSELECT", nullptr, V, V, Payload::None},
        {WM_INITDIALOG, "WM_INITDIALOG", nullptr, V, V, Payload::None},
        {WM_HSCROLL, "WM_HSCROLL", nullptr, V, V, Payload::None},
        {WM_VSCROLL, "WM_VSCROLL", nullptr, V, V, Payload::None},
        {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC", nullptr, V, V, Payload::None},
        {WM_CTLCOLORBTN, "WM_CTLCOLORBTN", nullptr, V, V, Payload::None},
        {WM_CTLCOLORLISTBOX, "WM_CTLCOLORLISTBOX", nullptr, V, V, Payload::None},
        {WM_QUERYNEWPALETTE, "WM_QUERYNEWPALETTE", nullptr, V, V, Payload::None},
        {WM_PALETTECHANGED, "WM_PALETTECHANGED", nullptr, V, V, Payload::None},
        {WM_GETOBJECT, "WM_GETOBJECT", nullptr, V, V, Payload::None},
        {WM_DESTROY, "WM_DESTROY", nullptr, V, V, Payload::None},
        {WM_NCDESTROY, "WM_NCDESTROY", nullptr, V, V, Payload::None},
        {BM_GETSTATE, "BM_GETSTATE", nullptr, V, V, Payload::None},
        {BM_SETSTATE, "BM_SETSTATE", nullptr, V, V, Payload::None},
        {BM_GETCHECK, "BM_GETCHECK", nullptr, V, V, Payload::None},
        {BM_SETCHECK, "BM_SETCHECK", nullptr, V, V, Payload::None},
        {BM_SETSTYLE, "BM_SETSTYLE", nullptr, V, V, Payload::None},
        {QBM_SETBITMAP, "QBM_SETBITMAP", nullptr, V, V, Payload::None},
        {GAUGE_SETRANGE, "GAUGE_SETRANGE", GAUGE_CLASSA, V, V, Payload::None},
        {GAUGE_SETPOS, "GAUGE_SETPOS", GAUGE_CLASSA, V, V, Payload::None},
        {GAUGE_ADDPOS, "GAUGE_ADDPOS", GAUGE_CLASSA, V, V, Payload::None},
        {GSM_ADDPAGES, "GSM_ADDPAGES", GSEITE_CLASSA, Arg::Module, Arg::InPointer,
         Payload::PageNames},
        // A page argument of 0x10000 and above is a page name.
        {GSM_SELECTPAGE, "GSM_SELECTPAGE", GSEITE_CLASSA, V, Arg::InPointer, Payload::PageNames},
        {GSM_GETCURPAGE, "GSM_GETCURPAGE", GSEITE_CLASSA, Arg::Size, Arg::OutBuffer, Payload::None},
        {GSM_REMOVEPAGE, "GSM_REMOVEPAGE", GSEITE_CLASSA, V, Arg::InPointer, Payload::PageNames},
        {GSM_GETPAGECOUNT, "GSM_GETPAGECOUNT", GSEITE_CLASSA, V, V, Payload::None},
        {GSM_TABACTIVATED, "GSM_TABACTIVATED", GSEITE_CLASSA, V, V, Payload::None},
        {GSM_SETPAGEHOOK, "GSM_SETPAGEHOOK", GSEITE_CLASSA, V, Arg::InPointer, Payload::PageHook},
        {BDM_SETBRUSH, "BDM_SETBRUSH", BORDLGPLAGIAT_CLASSA, V, V, Payload::None},
        {BDM_GETBRUSH, "BDM_GETBRUSH", BORDLGPLAGIAT_CLASSA, V, V, Payload::None},
        {BDM_SETICON, "BDM_SETICON", BORDLGPLAGIAT_CLASSA, V, V, Payload::None},
        {BDM_GETICON, "BDM_GETICON", BORDLGPLAGIAT_CLASSA, V, V, Payload::None},
        {BDM_SETUSERDATA, "BDM_SETUSERDATA", BORDLGPLAGIAT_CLASSA, V, V, Payload::None},
        {BDM_GETUSERDATA, "BDM_GETUSERDATA", BORDLGPLAGIAT_CLASSA, V, V, Payload::None},
        {STSF_GETLONG, "STSF_GETLONG", QUSTSF_CLASSA, V, V, Payload::None},
        {STSF_SETLONG, "STSF_SETLONG", QUSTSF_CLASSA, V, V, Payload::None},
        {GSHM_GETDATE, "GSHM_GETDATE", GSHED_CLASSA, V, Arg::OutRecord, Payload::Date},
        {GSHM_SETDATE, "GSHM_SETDATE", GSHED_CLASSA, V, Arg::InPointer, Payload::Date},
        {GSHM_SETMARKS, "GSHM_SETMARKS", GSHED_CLASSA, V, Arg::InPointer, Payload::Text},
        {GSHM_REFRESH, "GSHM_REFRESH", GSHED_CLASSA, V, V, Payload::None},
        {kRegistered, BWM_GETFIELDNAME_NAMEA, nullptr, Arg::Size, Arg::OutBuffer, Payload::None},
        {kRegistered, BWM_FOCUSNOTIFY_NAMEA, nullptr, V, V, Payload::None},
        {kRegistered, BWM_PAINTDC_NAMEA, QUCHECK_CLASSA, V, Arg::InPointer, Payload::Rect},
    };
    for (MessageSpec& entry : table) {
        if (entry.message == kRegistered) {
            entry.message = RegisterWindowMessageA(entry.name);
        }
    }
    return table;
}

// Integer extremes, for every argument; a quick run takes the first eight.
const LONG_PTR kExtremes[] = {0,
                              1,
                              -1,
                              0x8000,
                              0xFFFF,
                              0x10000,
                              INT_MIN,
                              static_cast<LONG_PTR>(static_cast<ULONG_PTR>(-1) >> 1),
                              0x7FFF,
                              INT_MAX,
                              static_cast<LONG_PTR>(UINT_MAX),
                              static_cast<LONG_PTR>(~(static_cast<ULONG_PTR>(-1) >> 1))};
constexpr std::size_t kQuickExtremes = 8;

// Pages for bad and honest pointers: an honest payload ends exactly where
// an inaccessible page begins, so any read or write past it faults.
struct Arena {
    unsigned char* page = nullptr;     // read-write, followed by the guard
    unsigned char* noAccess = nullptr; // the guard page itself
    unsigned char* readOnly = nullptr;
    std::size_t pageSize = 0;

    void Create() {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        pageSize = info.dwPageSize;
        page = static_cast<unsigned char*>(
            VirtualAlloc(nullptr, 2 * pageSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        noAccess = page + pageSize;
        DWORD old;
        VirtualProtect(noAccess, pageSize, PAGE_NOACCESS, &old);
        readOnly = static_cast<unsigned char*>(
            VirtualAlloc(nullptr, pageSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        VirtualProtect(readOnly, pageSize, PAGE_READONLY, &old);
    }
    // bytes placed so that they end at the guard page.
    LPARAM Place(const void* bytes, std::size_t size) const {
        unsigned char* at = noAccess - size;
        std::memcpy(at, bytes, size);
        return reinterpret_cast<LPARAM>(at);
    }
};
Arena g_arena;

constexpr std::size_t kHonestBuffer = 16;

struct Case {
    std::size_t entry; // index in the message table, or kRandom
    UINT message;
    WPARAM wParam;
    Payload wPayload; // filled in just before sending (the arena is reused)
    LPARAM lParam;
    Payload lPayload;
    bool crashAllowed; // an argument breaks the message's pointer contract
};
constexpr std::size_t kRandom = static_cast<std::size_t>(-1);

struct Value {
    LONG_PTR value;
    bool valid;
    Payload payload = Payload::None; // placed in the arena when sent
};

std::vector<Value> ValuesFor(Arg kind, Payload payload, bool full) {
    std::vector<Value> values;
    const bool pointer = kind == Arg::InPointer || kind == Arg::OutBuffer || kind == Arg::OutRecord;
    const std::size_t extremes = full ? std::size(kExtremes) : kQuickExtremes;
    for (std::size_t i = 0; i < extremes; ++i) {
        const LONG_PTR v = kExtremes[i];
        // Null is a defined answer for every pointer argument of the library.
        // A quick run tries only null among the numbers a pointer gets.
        if (pointer && !full && v != 0) {
            continue;
        }
        values.push_back({v, (!pointer && kind != Arg::Module) || v == 0});
    }
    if (kind == Arg::Module) {
        values.push_back({reinterpret_cast<LONG_PTR>(GetModuleHandleA(nullptr)), true});
    }
    if (kind == Arg::Size) {
        for (LONG_PTR v : {2, 3, 8, static_cast<int>(kHonestBuffer)}) {
            values.push_back({v, true});
        }
    }
    if (pointer) {
        const auto kernel = static_cast<LONG_PTR>(~(static_cast<ULONG_PTR>(-1) >> 1) | 0x1000);
        if (full) {
            values.push_back({kernel, false});
        }
        values.push_back({reinterpret_cast<LONG_PTR>(g_arena.noAccess), false});
        if (kind != Arg::InPointer) {
            values.push_back({reinterpret_cast<LONG_PTR>(g_arena.readOnly), false});
        }
        values.push_back({0, true, kind == Arg::OutBuffer ? Payload::None : payload});
        if (kind == Arg::OutBuffer) {
            values.back().payload = Payload::Text; // the honest buffer
        }
    }
    return values;
}

// Fills in an honest payload at the guard page; returns the pointer.
LPARAM PlacePayload(Payload payload, HWND host, const char* className) {
    static const char kText[] = "Probe,FELD";
    static const char kPages[] = "SEITE2";
    switch (payload) {
    case Payload::None:
        return 0;
    case Payload::Text: {
        unsigned char buffer[kHonestBuffer];
        std::memset(buffer, 0, sizeof buffer);
        std::memcpy(buffer + sizeof buffer - sizeof kText, kText, sizeof kText);
        return g_arena.Place(buffer, sizeof buffer);
    }
    case Payload::PageNames:
        return g_arena.Place(kPages, sizeof kPages);
    case Payload::Create: {
        CREATESTRUCTA create{};
        create.hInstance = GetModuleHandleA(nullptr);
        create.hwndParent = host;
        create.cx = 100;
        create.cy = 40;
        create.style = static_cast<LONG>(WS_CHILD | WS_VISIBLE);
        create.lpszName = "Wieder,FELD";
        create.lpszClass = className;
        return g_arena.Place(&create, sizeof create);
    }
    case Payload::Rect: {
        const RECT area = {0, 0, 60, 20};
        return g_arena.Place(&area, sizeof area);
    }
    case Payload::Date: {
        const DateRec date = {1995, 4, 12};
        return g_arena.Place(&date, sizeof date);
    }
    case Payload::PageHook: {
        const GSPAGEHOOK hook = {DefWindowProcA, 0, 1};
        return g_arena.Place(&hook, sizeof hook);
    }
    case Payload::Message: {
        const MSG message{};
        return g_arena.Place(&message, sizeof message);
    }
    }
    return 0;
}

std::vector<Case> CasesFor(const ClassCase& cls, const std::vector<MessageSpec>& table,
                           const Options& options) {
    std::vector<Case> cases;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const MessageSpec& entry = table[i];
        // Another class's private message is a plain number to this one.
        const bool own = entry.only == nullptr || std::strcmp(entry.only, cls.name) == 0;
        const Arg w = own ? entry.w : Arg::Value;
        const Arg l = own ? entry.l : Arg::Value;
        for (const Value& wv : ValuesFor(w, entry.payload, options.full)) {
            for (const Value& lv : ValuesFor(l, entry.payload, options.full)) {
                bool valid = wv.valid && lv.valid;
                // A buffer is honest when the size given does not exceed it.
                if (w == Arg::Size && l == Arg::OutBuffer && lv.payload != Payload::None) {
                    valid = wv.value <= static_cast<LONG_PTR>(kHonestBuffer);
                }
                cases.push_back({i, entry.message, static_cast<WPARAM>(wv.value), wv.payload,
                                 lv.value, lv.payload, !valid});
            }
        }
    }
    // Random messages of the private and registered ranges with random
    // arguments, from a fixed seed; none of them may crash.
    std::uint32_t state = options.seed * 2654435761u + 1;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    std::vector<bool> listed(0x10000, false);
    for (const MessageSpec& entry : table) {
        listed[entry.message & 0xFFFF] = true;
    }
    for (long n = 0; n < options.random;) {
        const UINT message = WM_USER + next() % (0x10000 - WM_USER);
        if (listed[message]) {
            continue;
        }
        const auto pick = [&]() -> LONG_PTR {
            const std::uint32_t r = next();
            return r % 2 ? kExtremes[r / 2 % std::size(kExtremes)] : static_cast<LONG_PTR>(next());
        };
        cases.push_back({kRandom, message, static_cast<WPARAM>(pick()), Payload::None, pick(),
                         Payload::None, false});
        ++n;
    }
    return cases;
}

// --- Isolation ------------------------------------------------------------------

struct Worker {
    HANDLE thread = nullptr;
    DWORD threadId = 0;
    const ClassCase* cls = nullptr;
    const std::vector<Case>* cases = nullptr;
    std::atomic<LONG> next = 0;    // the case being run
    std::atomic<LONG> crashed = 0; // set by the exception handler
    std::atomic<DWORD> crashCode = 0;
    HANDLE bailed = nullptr; // signalled by a crashed worker
};
Worker g_worker;

// The crashed worker parks here until the supervisor ends it.
[[noreturn]] void BailOut() {
    SetEvent(g_worker.bailed);
    for (;;) {
        Sleep(INFINITE);
    }
}

LONG CALLBACK OnException(EXCEPTION_POINTERS* info) {
    if (GetCurrentThreadId() != g_worker.threadId ||
        !IsFault(info->ExceptionRecord->ExceptionCode)) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    g_worker.crashCode = info->ExceptionRecord->ExceptionCode;
    g_worker.crashed = 1;
    constexpr ULONG_PTR kRedZone = 4096;
    constexpr ULONG_PTR kAlignment = 16;
#ifdef _WIN64
    CONTEXT& c = *info->ContextRecord;
    c.Rsp = ((c.Rsp - kRedZone) & ~(kAlignment - 1)) - sizeof(void*);
    c.Rip = reinterpret_cast<DWORD64>(&BailOut);
#else
    CONTEXT& c = *info->ContextRecord;
    c.Esp = ((c.Esp - kRedZone) & ~(kAlignment - 1)) - sizeof(void*);
    c.Eip = reinterpret_cast<DWORD>(&BailOut);
#endif
    return EXCEPTION_CONTINUE_EXECUTION;
}

HWND MakeTarget(const ClassCase& cls, HWND host) {
    HWND target = cls.create(cls, host);
    PaintNow(target);
    return target;
}

DWORD WINAPI RunCases(void*) {
    const ClassCase& cls = *g_worker.cls;
    const std::vector<Case>& cases = *g_worker.cases;
    HWND host = CreateHost();
    HWND target = MakeTarget(cls, host);
    for (; g_worker.next < static_cast<LONG>(cases.size()); ++g_worker.next) {
        const Case& c = cases[static_cast<std::size_t>(g_worker.next)];
        if (!IsWindow(target)) {
            target = MakeTarget(cls, host);
        }
        const WPARAM w =
            c.wPayload != Payload::None ? PlacePayload(c.wPayload, host, cls.name) : c.wParam;
        const LPARAM l =
            c.lPayload != Payload::None ? PlacePayload(c.lPayload, host, cls.name) : c.lParam;
        SendMessageA(target, c.message, w, l);
        Pump(50);
        // A hand-sent destruction leaves a window without its record.
        if (c.message == WM_DESTROY || c.message == WM_NCDESTROY || c.message == WM_CREATE) {
            DestroyWindow(target);
            target = MakeTarget(cls, host);
        }
    }
    DestroyWindow(host);
    Pump();
    return 0;
}

constexpr DWORD kHangMilliseconds = 3000;
constexpr long kFaultsShown = 3; // per class and message
constexpr DWORD kPollMilliseconds = 20;

struct Outcome {
    std::vector<char> crashed; // per case: 0 none, 1 crash
    std::vector<char> hung;
};

Outcome RunIsolated(const ClassCase& cls, const std::vector<Case>& cases) {
    Outcome outcome{std::vector<char>(cases.size(), 0), std::vector<char>(cases.size(), 0)};
    g_worker.cls = &cls;
    g_worker.cases = &cases;
    g_worker.next = 0;
    while (g_worker.next < static_cast<LONG>(cases.size())) {
        g_worker.crashed = 0;
        ResetEvent(g_worker.bailed);
        g_worker.thread =
            CreateThread(nullptr, 0, RunCases, nullptr, CREATE_SUSPENDED, &g_worker.threadId);
        ResumeThread(g_worker.thread);
        LONG watched = g_worker.next;
        DWORD still = 0;
        for (;;) {
            HANDLE waits[] = {g_worker.thread, g_worker.bailed};
            const DWORD r = WaitForMultipleObjects(2, waits, FALSE, kPollMilliseconds);
            if (r == WAIT_OBJECT_0) {
                break; // the worker finished its cases
            }
            const LONG at = g_worker.next;
            if (r == WAIT_OBJECT_0 + 1 || g_worker.crashed) {
                outcome.crashed[static_cast<std::size_t>(at)] = 1;
            } else if (at == watched) {
                still += kPollMilliseconds;
                if (still < kHangMilliseconds) {
                    continue;
                }
                outcome.hung[static_cast<std::size_t>(at)] = 1;
            } else {
                watched = at;
                still = 0;
                continue;
            }
            TerminateThread(g_worker.thread, 1);
            WaitForSingleObject(g_worker.thread, INFINITE);
            g_worker.next = at + 1;
            break;
        }
        CloseHandle(g_worker.thread);
        g_worker.threadId = 0;
    }
    return outcome;
}

} // namespace

std::vector<HostileRow> RunHostile(const Options& options) {
    g_arena.Create();
    g_worker.bailed = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    PVOID handler = AddVectoredExceptionHandler(1, OnException);
    // A crashed worker must not bring up the debugger or a dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);

    const std::vector<MessageSpec> table = MessageTable();
    std::vector<HostileRow> rows;
    for (const ClassCase& cls : Classes(options)) {
        if (!cls.hostile) {
            continue;
        }
        const std::vector<Case> cases = CasesFor(cls, table, options);
        const Outcome outcome = RunIsolated(cls, cases);
        std::map<std::string, HostileRow> byMessage;
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const Case& c = cases[i];
            const std::string name = c.entry == kRandom ? "random" : table[c.entry].name;
            HostileRow& row = byMessage[name];
            row.className = cls.name;
            row.message = name;
            ++row.cases;
            if (outcome.crashed[i]) {
                ++(c.crashAllowed ? row.contractCrashes : row.faultCrashes);
                if (!c.crashAllowed && row.faultCrashes <= kFaultsShown) {
                    std::printf("fault: %s %s wParam %#llx lParam %#llx\n", cls.name, name.c_str(),
                                static_cast<unsigned long long>(c.wParam),
                                static_cast<unsigned long long>(c.lParam));
                }
            }
            row.hangs += outcome.hung[i];
        }
        for (auto& entry : byMessage) {
            rows.push_back(entry.second);
        }
    }
    RemoveVectoredExceptionHandler(handler);
    return rows;
}

} // namespace stress
