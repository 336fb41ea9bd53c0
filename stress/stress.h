// The stress program's parts: the library loaded by hand (so that it can
// be unloaded and loaded again), the classes driven, and the three runs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace stress {

// QUORL32.DLL loaded with LoadLibrary and its functions resolved by name.
struct Library {
    HMODULE module = nullptr;
    void(WINAPI* initQuorl)() = nullptr;
    void(WINAPI* exitQuorl)() = nullptr;
    HWND(WINAPI* stsbCreate)(HWND, HINSTANCE, int) = nullptr;
    HWND(WINAPI* stsbAddField)(HWND, HINSTANCE, int, int, int, LONG) = nullptr;

    bool Load();
    void Unload();
};
extern Library g_library;

// What the run was asked to do; the injected faults exist only here, to
// prove that the run catches them.
struct Options {
    long cycles = 200; // create/paint/change/destroy cycles per class
    long warmUp = 20;  // cycles before the baseline
    long storms = 100; // rounds of each InitQuorl/ExitQuorl storm
    long random = 300; // random messages per class
    std::uint32_t seed = 17;
    bool full = false;        // every integer extreme and bad pointer, not a sample
    bool hostile = true;      // run the hostile campaign
    std::string only;         // one class alone, without the storms
    bool injectLeak = false;  // a class that leaks one brush per cycle
    bool injectCrash = false; // a class whose handler writes through null
};

// One class (or the whole dialog) as the cycles and the campaign drive it.
struct ClassCase {
    const char* name; // window class, or a label for the whole dialog
    DWORD style;
    const char* text;
    int width;
    int height;
    // Builds one control (or dialog) under host; null when it failed.
    HWND (*create)(const ClassCase& entry, HWND host);
    // State changes of one cycle.
    void (*exercise)(HWND control, long cycle);
    bool hostile;     // also attacked by the hostile campaign
    bool ownsItsHost; // its pages' controls go with the dialog: a host per cycle
};
const std::vector<ClassCase>& Classes(const Options& options);

// A visible top-level host window for the controls.
HWND CreateHost();
// Handles every pending message of this thread, at most limit of them.
void Pump(int limit = 1000);
// Paints a window and its children now, erasing first.
void PaintNow(HWND window);

struct CycleResult {
    std::string name;
    long cycles = 0;
    long objects = 0;    // GDI objects left after the cycles
    long long bytes = 0; // heap bytes left after the cycles
    std::string kinds{}; // the objects left by kind, where the system tells
    bool failed = false; // the control could not be made
};
std::vector<CycleResult> RunCycles(const Options& options);

struct StormResult {
    std::string name;
    long rounds = 0;
    long objects = 0;
    long long bytes = 0;
    std::string kinds{};
    bool failed = false;
};
std::vector<StormResult> RunStorms(const Options& options);

struct HostileRow {
    std::string className;
    std::string message;
    long cases = 0;
    long contractCrashes = 0; // with a pointer argument the contract requires valid
    long faultCrashes = 0;    // anything else: a fault of the library
    long hangs = 0;
};
std::vector<HostileRow> RunHostile(const Options& options);

// Exception codes that mean the code under test broke (as opposed to the
// exceptions a program raises on purpose).
inline bool IsFault(DWORD code) {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_STACK_OVERFLOW:
    case 0xC0000374: // heap corruption
    case 0xC0000409: // stack buffer overrun
        return true;
    default:
        return false;
    }
}

} // namespace stress
