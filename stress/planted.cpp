// A window class with two unchecked platform calls, loaded by the failpoint
// program only to prove that it catches them: a brush left behind when the
// pen cannot be made, and a write through a block that could not be had.
#include <windows.h>

namespace {

constexpr COLORREF kColour = RGB(1, 2, 3);
constexpr SIZE_T kBlockSize = 8;

HBRUSH g_brush = nullptr;
HPEN g_pen = nullptr;

LRESULT OnCreate(HWND) {
    g_brush = CreateSolidBrush(kColour);
    g_pen = CreatePen(PS_SOLID, 1, kColour);
    if (g_pen == nullptr) {
        return -1; // the brush stays behind
    }
    auto* block = static_cast<char*>(LocalAlloc(LMEM_FIXED, kBlockSize));
    block[0] = 0; // unchecked
    LocalFree(block);
    return 0;
}

void OnDestroy() {
    DeleteObject(g_brush);
    DeleteObject(g_pen);
    g_brush = nullptr;
    g_pen = nullptr;
}

LRESULT CALLBACK PlantedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        OnDestroy();
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        WNDCLASSA wc{};
        wc.style = CS_GLOBALCLASS;
        wc.lpfnWndProc = PlantedProc;
        wc.hInstance = instance;
        wc.lpszClassName = "PLANTED";
        RegisterClassA(&wc);
    }
    return TRUE;
}
