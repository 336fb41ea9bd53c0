#include "stress/failpoint_hooks.h"

#include <objbase.h>
#include <oleacc.h>
#include <oleauto.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <type_traits>

// The hooks take their signature from the import's own declaration; the
// compiler notes that a calling-convention attribute on a template argument
// takes no part in its identity, which is what the two hook shapes rely on.
#pragma GCC diagnostic ignored "-Wignored-attributes"

namespace stress {

namespace {

constexpr DWORD kNoMemory = ERROR_NOT_ENOUGH_MEMORY;
constexpr auto kNoColour = static_cast<LONG_PTR>(CLR_INVALID);
constexpr auto kGdiError = static_cast<LONG_PTR>(GDI_ERROR);

// Every import of the library that can fail, with its documented failure
// value. Left out: the releases (DeleteObject, DeleteDC, ReleaseDC,
// EndPaint, DestroyWindow, LocalFree, LocalUnlock, GlobalFree, GlobalUnlock,
// FreeResource, free, UnregisterClassA, RemovePropA, SysFreeString), calls
// without a failure value (SendMessageA, DefWindowProcA, CallWindowProcA,
// ShowWindow, EnableWindow, GetWindowLongA and GetWindowLongPtrA (of the
// control's own window and slots), SetFocus, GetFocus, GetParent, GetWindow,
// GetSysColor, GetSystemMetrics, GetKeyState, IsWindow..., NotifyWinEvent,
// MulDiv, GetLocalTime, GetProfileStringA, wsprintfA, the string and memory
// functions) and the compiler runtime's own (threads, thread-local storage,
// critical sections, unwinding, standard streams).
#define QUORL_FAILING_IMPORTS(X)                                                                   \
    X("GDI32.dll", BitBlt, FALSE)                                                                  \
    X("GDI32.dll", CombineRgn, ERROR)                                                              \
    X("GDI32.dll", CreateCompatibleDC, 0)                                                          \
    X("GDI32.dll", CreateDIBSection, 0)                                                            \
    X("GDI32.dll", CreateDIBitmap, 0)                                                              \
    X("GDI32.dll", CreateFontA, 0)                                                                 \
    X("GDI32.dll", CreatePalette, 0)                                                               \
    X("GDI32.dll", CreatePatternBrush, 0)                                                          \
    X("GDI32.dll", CreatePen, 0)                                                                   \
    X("GDI32.dll", CreateRectRgnIndirect, 0)                                                       \
    X("GDI32.dll", CreateSolidBrush, 0)                                                            \
    X("GDI32.dll", ExtTextOutA, FALSE)                                                             \
    X("GDI32.dll", GetCurrentObject, 0)                                                            \
    X("GDI32.dll", GetCurrentPositionEx, FALSE)                                                    \
    X("GDI32.dll", GetDIBits, 0)                                                                   \
    X("GDI32.dll", GetDeviceCaps, 0)                                                               \
    X("GDI32.dll", GetLayout, kGdiError)                                                           \
    X("GDI32.dll", GetObjectA, 0)                                                                  \
    X("GDI32.dll", GetStockObject, 0)                                                              \
    X("GDI32.dll", GetTextExtentPoint32A, FALSE)                                                   \
    X("GDI32.dll", GetTextExtentPointA, FALSE)                                                     \
    X("GDI32.dll", GetTextMetricsA, FALSE)                                                         \
    X("GDI32.dll", LineTo, FALSE)                                                                  \
    X("GDI32.dll", MoveToEx, FALSE)                                                                \
    X("GDI32.dll", PatBlt, FALSE)                                                                  \
    X("GDI32.dll", Polyline, FALSE)                                                                \
    X("GDI32.dll", RealizePalette, kGdiError)                                                      \
    X("GDI32.dll", Rectangle, FALSE)                                                               \
    X("GDI32.dll", RestoreDC, FALSE)                                                               \
    X("GDI32.dll", SaveDC, 0)                                                                      \
    X("GDI32.dll", SelectObject, 0)                                                                \
    X("GDI32.dll", SelectPalette, 0)                                                               \
    X("GDI32.dll", SetBkColor, kNoColour)                                                          \
    X("GDI32.dll", SetBkMode, 0)                                                                   \
    X("GDI32.dll", SetDCPenColor, kNoColour)                                                       \
    X("GDI32.dll", SetPixel, -1)                                                                   \
    X("GDI32.dll", SetTextAlign, kGdiError)                                                        \
    X("GDI32.dll", SetTextColor, kNoColour)                                                        \
    X("GDI32.dll", SetWindowOrgEx, FALSE)                                                          \
    X("GDI32.dll", StretchDIBits, 0)                                                               \
    X("GDI32.dll", UnrealizeObject, FALSE)                                                         \
    X("KERNEL32.dll", FindResourceA, 0)                                                            \
    X("KERNEL32.dll", LoadResource, 0)                                                             \
    X("KERNEL32.dll", LockResource, 0)                                                             \
    X("KERNEL32.dll", SizeofResource, 0)                                                           \
    X("KERNEL32.dll", GlobalAlloc, 0)                                                              \
    X("KERNEL32.dll", GlobalLock, 0)                                                               \
    X("KERNEL32.dll", LocalAlloc, 0)                                                               \
    X("KERNEL32.dll", LocalLock, 0)                                                                \
    X("KERNEL32.dll", LocalReAlloc, 0)                                                             \
    X("KERNEL32.dll", LocalSize, 0)                                                                \
    X("KERNEL32.dll", LocalFlags, LMEM_INVALID_HANDLE)                                             \
    X("KERNEL32.dll", GetModuleHandleA, 0)                                                         \
    X("KERNEL32.dll", lstrcpynA, 0)                                                                \
    X("KERNEL32.dll", MultiByteToWideChar, 0)                                                      \
    X("KERNEL32.dll", WriteProfileStringA, FALSE)                                                  \
    X("msvcrt.dll", malloc, 0)                                                                     \
    X("msvcrt.dll", calloc, 0)                                                                     \
    X("msvcrt.dll", realloc, 0)                                                                    \
    X("ole32.dll", CoInitializeEx, E_OUTOFMEMORY)                                                  \
    X("OLEACC.dll", AccessibleObjectFromWindow, E_OUTOFMEMORY)                                     \
    X("OLEACC.dll", LresultFromObject, E_OUTOFMEMORY)                                              \
    X("OLEAUT32.dll", SysAllocString, 0)                                                           \
    X("OLEAUT32.dll", SysAllocStringLen, 0)                                                        \
    X("USER32.dll", BeginPaint, 0)                                                                 \
    X("USER32.dll", CreateWindowExA, 0)                                                            \
    X("USER32.dll", DrawIcon, FALSE)                                                               \
    X("USER32.dll", DrawTextA, 0)                                                                  \
    X("USER32.dll", EnumChildWindows, FALSE)                                                       \
    X("USER32.dll", FillRect, 0)                                                                   \
    X("USER32.dll", GetClassInfoExA, FALSE)                                                        \
    X("USER32.dll", GetClassWord, 0)                                                               \
    X("USER32.dll", GetClientRect, FALSE)                                                          \
    X("USER32.dll", GetDC, 0)                                                                      \
    X("USER32.dll", GetDlgCtrlID, 0)                                                               \
    X("USER32.dll", GetDlgItem, 0)                                                                 \
    X("USER32.dll", GetNextDlgGroupItem, 0)                                                        \
    X("USER32.dll", GetPropA, 0)                                                                   \
    X("USER32.dll", GetScrollPos, 0)                                                               \
    X("USER32.dll", GetScrollRange, FALSE)                                                         \
    X("USER32.dll", GetWindowDC, 0)                                                                \
    X("USER32.dll", GetWindowRect, FALSE)                                                          \
    X("USER32.dll", GetWindowTextA, 0)                                                             \
    X("USER32.dll", InvalidateRect, FALSE)                                                         \
    X("USER32.dll", KillTimer, FALSE)                                                              \
    X("USER32.dll", LoadBitmapA, 0)                                                                \
    X("USER32.dll", LoadCursorA, 0)                                                                \
    X("USER32.dll", LoadStringA, 0)                                                                \
    X("USER32.dll", MapWindowPoints, 0)                                                            \
    X("USER32.dll", MoveWindow, FALSE)                                                             \
    X("USER32.dll", PostMessageA, FALSE)                                                           \
    X("USER32.dll", RedrawWindow, FALSE)                                                           \
    X("USER32.dll", RegisterClassA, 0)                                                             \
    X("USER32.dll", RegisterWindowMessageA, 0)                                                     \
    X("USER32.dll", ScreenToClient, FALSE)                                                         \
    X("USER32.dll", ScrollWindow, FALSE)                                                           \
    X("USER32.dll", SetPropA, FALSE)                                                               \
    X("USER32.dll", SetScrollPos, 0)                                                               \
    X("USER32.dll", SetScrollRange, FALSE)                                                         \
    X("USER32.dll", SetTimer, 0)                                                                   \
    X("USER32.dll", SetWindowLongA, 0)                                                             \
    X("USER32.dll", SetWindowLongPtrA, 0)                                                          \
    X("USER32.dll", SetWindowPos, FALSE)                                                           \
    X("USER32.dll", SetWindowTextA, FALSE)                                                         \
    X("USER32.dll", UpdateWindow, FALSE)

enum KindId : int {
#define QUORL_AS_ID(dll, name, failure) k_##name,
    QUORL_FAILING_IMPORTS(QUORL_AS_ID)
#undef QUORL_AS_ID
        kKindCount
};

void* g_real[kKindCount];
std::atomic<long> g_calls[kKindCount];
std::atomic<bool> g_armed = false;
int g_failKind = -1;
long g_failAt = 0;
bool g_persistent = false;

// Counts the call; true when it is to fail.
bool Fails(int kind) {
    if (!g_armed) {
        return false;
    }
    const long n = ++g_calls[kind];
    return kind == g_failKind && (n == g_failAt || (g_persistent && n > g_failAt));
}

template <typename R>
R FailureOf(LONG_PTR value) {
    if constexpr (std::is_pointer_v<R>) {
        return reinterpret_cast<R>(value);
    } else {
        return static_cast<R>(value);
    }
}

// A hook for each calling convention; on 64-bit there is only one.
template <typename Function>
struct Hook;

template <typename R, typename... A>
struct Hook<R(WINAPI*)(A...)> {
    template <int Kind, LONG_PTR Failure>
    static R WINAPI Call(A... args) {
        if (Fails(Kind)) {
            SetLastError(kNoMemory);
            return FailureOf<R>(Failure);
        }
        return reinterpret_cast<R(WINAPI*)(A...)>(g_real[Kind])(args...);
    }
};

#ifndef _WIN64
template <typename R, typename... A>
struct Hook<R(__cdecl*)(A...)> {
    template <int Kind, LONG_PTR Failure>
    static R __cdecl Call(A... args) {
        if (Fails(Kind)) {
            errno = ENOMEM;
            return FailureOf<R>(Failure);
        }
        return reinterpret_cast<R(__cdecl*)(A...)>(g_real[Kind])(args...);
    }
};
#endif

struct Entry {
    ImportKind kind;
    void* hook;
};

const Entry kEntries[kKindCount] = {
#define QUORL_AS_ENTRY(dll, name, failure)                                                         \
    {{dll, #name},                                                                                 \
     reinterpret_cast<void*>(                                                                      \
         &Hook<decltype(&name)>::Call<k_##name, static_cast<LONG_PTR>(failure)>)},
    QUORL_FAILING_IMPORTS(QUORL_AS_ENTRY)
#undef QUORL_AS_ENTRY
};

template <typename T>
const T* At(HMODULE module, DWORD offset) {
    return reinterpret_cast<const T*>(reinterpret_cast<const BYTE*>(module) + offset);
}

} // namespace

const std::vector<ImportKind>& ImportKinds() {
    static const std::vector<ImportKind> kinds = [] {
        std::vector<ImportKind> list;
        for (const Entry& entry : kEntries) {
            list.push_back(entry.kind);
        }
        return list;
    }();
    return kinds;
}

int KindByName(const std::string& name) {
    for (int i = 0; i < kKindCount; ++i) {
        if (name == kEntries[i].kind.name) {
            return i;
        }
    }
    return -1;
}

int PatchImports(HMODULE module) {
    const auto* dos = At<IMAGE_DOS_HEADER>(module, 0);
    const auto* nt = At<IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    int patched = 0;
    for (const auto* import = At<IMAGE_IMPORT_DESCRIPTOR>(module, directory.VirtualAddress);
         directory.VirtualAddress != 0 && import->Name != 0; ++import) {
        const char* dll = At<char>(module, import->Name);
        const auto* names = At<IMAGE_THUNK_DATA>(module, import->OriginalFirstThunk);
        auto* slots =
            const_cast<IMAGE_THUNK_DATA*>(At<IMAGE_THUNK_DATA>(module, import->FirstThunk));
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
                continue;
            }
            const char* name =
                At<IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData))->Name;
            for (int kind = 0; kind < kKindCount; ++kind) {
                const Entry& entry = kEntries[kind];
                if (std::strcmp(entry.kind.name, name) != 0 || _stricmp(entry.kind.dll, dll) != 0) {
                    continue;
                }
                DWORD old = 0;
                VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE,
                               &old);
                g_real[kind] = reinterpret_cast<void*>(slots->u1.Function);
                slots->u1.Function = reinterpret_cast<ULONG_PTR>(entry.hook);
                VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
                ++patched;
            }
        }
    }
    return patched;
}

std::vector<long> CallCounts() {
    std::vector<long> counts;
    for (const auto& count : g_calls) {
        counts.push_back(count);
    }
    return counts;
}

void Arm(int kind, long n, bool persistent) {
    for (auto& count : g_calls) {
        count = 0;
    }
    g_failKind = kind;
    g_failAt = n;
    g_persistent = persistent;
    g_armed = true;
}

void Disarm() {
    g_armed = false;
}

} // namespace stress
