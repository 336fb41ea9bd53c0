// The binary interface as a 32-bit program meets it: every class's window
// longs at their documented 32-bit indexes, the records that hold handles at
// their documented sizes, and every export and callback with the standard
// calling convention (a wrong argument size only shows on 32-bit, as a
// stack pointer that moved).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

constexpr bool k32Bit = sizeof(void*) == 4;

// The records with handles, at their documented 32-bit layout.
static_assert(!k32Bit || (sizeof(GSPAGEHOOK) == 12 && offsetof(GSPAGEHOOK, hookData) == 4 &&
                          offsetof(GSPAGEHOOK, page) == 8));
static_assert(!k32Bit ||
              (sizeof(CheckTabParams) == 8 && offsetof(CheckTabParams, bitmapName) == 4));
static_assert(!k32Bit || sizeof(DateRec) == 4);

#if defined(__i386__)
// Calls a standard-convention function with the given 32-bit arguments and
// answers how far the stack pointer moved over the whole call: 0 when the
// callee removed exactly what was pushed. ebx, esi and edi survive a correct
// callee; esi keeps the stack pointer from before the pushes.
struct StackCall {
    std::uint32_t result;
    long moved;
};

std::uint32_t Arg(const void* pointer) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pointer));
}

StackCall CallMeasured(const void* function, std::vector<std::uint32_t> args) {
    std::uint32_t result;
    std::uint32_t count = static_cast<std::uint32_t>(args.size());
    const std::uint32_t* first = args.data();
    const void* target = function;
    asm volatile("movl %%esp, %%esi\n\t"
                 "jecxz 2f\n\t"
                 "1: pushl -4(%%ebx,%%ecx,4)\n\t"
                 "loop 1b\n\t"
                 "2: call *%%edi\n\t"
                 "movl %%esp, %%ecx\n\t"
                 "subl %%esi, %%ecx\n\t"
                 "movl %%esi, %%esp\n\t"
                 : "=a"(result), "+c"(count), "+b"(first), "+D"(target)
                 :
                 : "esi", "edx", "memory", "cc");
    return {result, static_cast<long>(static_cast<std::int32_t>(count))};
}
#endif

enum SlotKind { kNumber, kHandle };

// Reads the slot at its documented 32-bit index on 32-bit (where the header's
// index must be that number) and at the header's index elsewhere, where a
// handle takes a pointer's size.
LONG_PTR Slot(HWND window, int documented, int headerIndex, SlotKind kind) {
    if (k32Bit) {
        EXPECT_EQ(headerIndex, documented);
        return GetWindowLongA(window, documented);
    }
    return kind == kHandle ? GetWindowLongPtrA(window, headerIndex)
                           : GetWindowLongA(window, headerIndex);
}

bool IsLocalBlock(LONG_PTR value) {
    return value != 0 && LocalSize(reinterpret_cast<HLOCAL>(value)) > 0;
}

HWND g_switcher;
LONG_PTR g_hookDataSeen;

LRESULT CALLBACK RecordHookData(HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_USER + 77) {
        g_hookDataSeen = Slot(g_switcher, 12, GSWL_HOOKDATA, kHandle);
        return 1;
    }
    return 0;
}

class Abi : public quorl_test::ControlTest {
protected:
    HWND Child(const char* className, const char* text, DWORD style = WS_VISIBLE, int id = 100) {
        return Make(className, text, style, {0, 0, 200, 100}, id, GetModuleHandleA(nullptr));
    }
};

TEST_F(Abi, EveryWindowLongAtItsDocumentedIndex) {
    HFONT font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));

    HWND button = Child(QUORL_CLASSA, "OK", WS_VISIBLE, IDOK);
    EnableWindow(button, FALSE);
    HWND check = Child(QUCHECK_CLASSA, "Wahl");
    EnableWindow(check, FALSE);
    HWND gauge = Child(GAUGE_CLASSA, "");
    SendMessageA(gauge, GAUGE_SETRANGE, 250, 0);
    SendMessageA(gauge, GAUGE_SETPOS, 42, 0);
    SendMessageA(gauge, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    HWND label = Child(GTEXT_CLASSA, ",Feld");
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    HWND oldProcedure = reinterpret_cast<HWND>(GetWindowLongPtrA(parent_.hwnd(), GWLP_WNDPROC));
    HWND switcher = Child(GSEITE_CLASSA, "EINS", WS_VISIBLE | GSS_HOOKDIALOG);
    HWND schedule = Child(GSHED_CLASSA, "");
    HWND bar = StsbCreate(parent_.hwnd(), GetModuleHandleA(nullptr), 300);
    HWND field = StsbAddField(bar, GetModuleHandleA(nullptr), 301, 30, 80, 0);
    HWND frame = CreateWindowExA(0, BORDLGPLAGIAT_CLASSA, "", WS_POPUP, 0, 0, 100, 100, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(frame, BDM_SETBRUSH, reinterpret_cast<WPARAM>(brush), 0);
    SendMessageA(frame, BDM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    SendMessageA(frame, BDM_SETUSERDATA, 0, 0x12345678);
    SetFocus(schedule);

    const auto number = [](LONG_PTR expected) {
        return std::function<bool(LONG_PTR)>([=](LONG_PTR v) { return v == expected; });
    };
    const auto handle = [](const void* expected) {
        return std::function<bool(LONG_PTR)>(
            [=](LONG_PTR v) { return v == reinterpret_cast<LONG_PTR>(expected); });
    };
    const auto disabledOnly = std::function<bool(LONG_PTR)>([](LONG_PTR v) {
        return (v & (QSTATE_DISABLED | QSTATE_FOCUSED | QSTATE_PUSHED)) == QSTATE_DISABLED;
    });
    const auto block = std::function<bool(LONG_PTR)>(IsLocalBlock);
    const struct {
        const char* what;
        HWND window;
        int documented; // the 32-bit index
        int headerIndex;
        SlotKind kind;
        std::function<bool(LONG_PTR)> holds;
    } slots[] = {
        {"QUORL state", button, 4, QBWL_STATE, kNumber, disabledOnly},
        {"QUORL block", button, 8, QBWL_DATA, kHandle, block},
        {"QUCHECK state", check, 4, QCWL_STATE, kNumber, disabledOnly},
        {"QUCHECK block", check, 8, QCWL_DATA, kHandle, block},
        {"GAUGE range", gauge, 0, GAUGEWL_RANGE, kNumber, number(250)},
        {"GAUGE position", gauge, 4, GAUGEWL_POS, kNumber, number(42)},
        {"GAUGE font", gauge, 8, GAUGEWL_FONT, kHandle, handle(font)},
        {"GTEXT font", label, 0, GTWL_FONT, kHandle, handle(font)},
        {"GTEXT field name", label, 4, GTWL_FIELDNAME, kHandle, block},
        {"GSEITE block", switcher, 4, GSWL_BLOCK, kHandle, block},
        {"GSEITE previous procedure", switcher, 8, GSWL_OLDPROC, kHandle, handle(oldProcedure)},
        {"BORDLGPLAGIAT brush", frame, 30, BDWL_BRUSH, kHandle, handle(brush)},
        {"BORDLGPLAGIAT icon", frame, 34, BDWL_ICON, kHandle, handle(icon)},
        {"BORDLGPLAGIAT value", frame, 38, BDWL_USER, kHandle, number(0x12345678)},
        {"QuStsf minimum", field, 0, STSFWL_MINWIDTH, kNumber, number(30)},
        {"QuStsf maximum", field, 4, STSFWL_MAXWIDTH, kNumber, number(80)},
        {"GSHED block", schedule, 0, GSHWL_BLOCK, kHandle, block},
        {"GSHED focus flag", schedule, 4, GSHWL_FOCUS, kNumber, number(1)},
    };
    for (const auto& s : slots) {
        ASSERT_NE(s.window, nullptr) << s.what;
        const LONG_PTR value = Slot(s.window, s.documented, s.headerIndex, s.kind);
        EXPECT_TRUE(s.holds(value)) << s.what << ": 0x" << std::hex << value;
    }

    // Index 12 of the switcher holds the hook data while its page hook runs.
    g_switcher = switcher;
    GSPAGEHOOK hook = {RecordHookData, 0x5EED, reinterpret_cast<LPARAM>("EINS")};
    SendMessageA(switcher, GSM_SETPAGEHOOK, 0, reinterpret_cast<LPARAM>(&hook));
    EXPECT_EQ(SendMessageA(parent_.hwnd(), WM_USER + 77, 0, 0), 1);
    EXPECT_EQ(g_hookDataSeen, 0x5EED);

    DestroyWindow(frame);
    DestroyWindow(switcher);
}

#if defined(__i386__)
// The window procedures the library hands to the window manager and the
// dialog procedure it puts in front of a hooked dialog, called directly.
TEST_F(Abi, WindowProceduresAndThePageHookKeepTheStack) {
    HWND switcher = Child(GSEITE_CLASSA, "EINS", WS_VISIBLE | GSS_HOOKDIALOG);
    g_switcher = switcher;
    GSPAGEHOOK hook = {RecordHookData, 77, reinterpret_cast<LPARAM>("EINS")};
    SendMessageA(switcher, GSM_SETPAGEHOOK, 0, reinterpret_cast<LPARAM>(&hook));
    const void* dialogProcedure =
        reinterpret_cast<const void*>(GetWindowLongA(parent_.hwnd(), GWL_WNDPROC));
    g_hookDataSeen = 0;
    StackCall hooked = CallMeasured(dialogProcedure, {Arg(parent_.hwnd()), WM_USER + 77, 0, 0});
    EXPECT_EQ(hooked.moved, 0);
    EXPECT_EQ(hooked.result, 1u);
    EXPECT_EQ(g_hookDataSeen, 77);

    for (const char* name :
         {QUORL_CLASSA, QUCHECK_CLASSA, GAUGE_CLASSA, GTEXT_CLASSA, GSEITE_CLASSA, GSHED_CLASSA,
          QUSTSB_CLASSA, QUSTSF_CLASSA, BORDLGPLAGIAT_CLASSA}) {
        WNDCLASSA wc{};
        ASSERT_TRUE(GetClassInfoA(quorl_test::LibraryModule(), name, &wc)) << name;
        HWND window = CreateWindowExA(0, name, "abc", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr) << name;
        StackCall call = CallMeasured(reinterpret_cast<const void*>(wc.lpfnWndProc),
                                      {Arg(window), WM_GETTEXTLENGTH, 0, 0});
        EXPECT_EQ(call.moved, 0) << name;
        DestroyWindow(window);
    }
    DestroyWindow(switcher);
}

// Every export, found by name and by ordinal, called with its documented
// arguments: each removes exactly its arguments from the stack.
TEST_F(Abi, EveryExportKeepsTheStackByNameAndByOrdinal) {
    HMODULE library = quorl_test::LibraryModule();
    HWND bar = StsbCreate(parent_.hwnd(), GetModuleHandleA(nullptr), 300);
    DateRec date{};
    HBITMAP bitmap = nullptr;
    HPALETTE palette = nullptr;
    const struct {
        int ordinal;
        const char* name;
        std::vector<std::uint32_t> args;
    } calls[] = {
        {2, "InitQuorl", {}},
        {3, "ExitQuorl", {}},
        {4, "DllMain", {Arg(library), DLL_THREAD_ATTACH, 0}},
        {7, "StsbCreate", {Arg(parent_.hwnd()), Arg(GetModuleHandleA(nullptr)), 310}},
        {8, "StsbAdjust", {Arg(parent_.hwnd()), Arg(bar)}},
        {9, "StsbAddField", {Arg(bar), Arg(GetModuleHandleA(nullptr)), 311, 20, 0, 0}},
        {10, "StsbGetHeight", {Arg(bar)}},
        {11, "StsbAutoInfo", {Arg(parent_.hwnd()), WM_NULL, 0, 0}},
        {12, "LoadBitmapPalette", {Arg(library), 113, Arg(&bitmap), Arg(&palette)}},
        {13, "StringToDate", {Arg("24.12.1995"), Arg(&date)}},
        {14, "DayOfDate", {Arg(&date)}},
        {15, "AddNDays", {Arg(&date), 8}},
    };
    for (const auto& c : calls) {
        for (const void* function : {reinterpret_cast<const void*>(GetProcAddress(library, c.name)),
                                     reinterpret_cast<const void*>(
                                         GetProcAddress(library, MAKEINTRESOURCEA(c.ordinal)))}) {
            ASSERT_NE(function, nullptr) << c.name;
            EXPECT_EQ(CallMeasured(function, c.args).moved, 0) << c.name;
            if (bitmap) {
                DeleteObject(bitmap);
                bitmap = nullptr;
            }
        }
    }
    // The calls did their work: the date was read and moved on by 8 days twice.
    EXPECT_EQ(date.year, 1996);
    EXPECT_EQ(date.month, 1);
    EXPECT_EQ(date.day, 9);
    // WEP runs the teardown whatever the count; the library comes back when
    // the count rises from 0 again.
    const void* wep = reinterpret_cast<const void*>(GetProcAddress(library, MAKEINTRESOURCEA(5)));
    InitQuorl();
    StackCall teardown = CallMeasured(wep, {0});
    EXPECT_EQ(teardown.moved, 0);
    EXPECT_EQ(teardown.result, 1u);
    ExitQuorl();
    InitQuorl();
}
#endif

} // namespace
