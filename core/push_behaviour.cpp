#include "core/push_behaviour.h"

namespace quorl {

void NotifyFocus(HWND window, bool gained) {
    // An unregistered message (id 0) is never sent.
    if (g_library.msgFocusNotify == 0) {
        return;
    }
    const auto id = static_cast<UINT>(GetDlgCtrlID(window));
    const WORD handleLow = LOWORD(reinterpret_cast<ULONG_PTR>(window));
    const WORD change = gained ? WM_SETFOCUS : WM_KILLFOCUS;
    SendMessageA(GetParent(window), g_library.msgFocusNotify, id, MAKELPARAM(handleLow, change));
}

void NotifyClicked(HWND window) {
    const auto id = static_cast<WORD>(GetDlgCtrlID(window));
    SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
}

} // namespace quorl
