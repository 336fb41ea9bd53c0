// What a screen reader learns of a control. Each class describes itself
// in one entry of its class descriptor (role, state, name, value, default
// action, children); one small IAccessible object answers for every class
// through that entry, and WM_GETOBJECT hands it out.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include "core/spoken_text.h"

namespace quorl {

struct ClassDescriptor;

struct AccessibleEntry {
    // ROLE_SYSTEM_* of the control.
    LONG (*role)(HWND window);
    // The class's own STATE_SYSTEM_* bits; unavailable, invisible and
    // focused come from the window itself. Null: none.
    LONG (*state)(HWND window) = nullptr;
    // The name in the window's code page. Null: the window text as spoken
    // (SpokenCaption).
    SpokenText (*name)(HWND window) = nullptr;
    // The value as text. Null: the control has no value.
    SpokenText (*value)(HWND window) = nullptr;
    // The name of the default action. Null: none.
    const wchar_t* (*defaultAction)(HWND window) = nullptr;
    // Performs the default action. It runs from the window's message loop
    // after the screen reader's call has returned, so that a dialog opened
    // by a click does not hold the screen reader.
    void (*doDefaultAction)(HWND window) = nullptr;
    // Windows that are the control's children to a screen reader (the page
    // switcher's tabs), each answering with its own object. Null: the
    // window's own child windows.
    int (*childCount)(HWND window) = nullptr;
    HWND (*child)(HWND window, int index) = nullptr; // index from 0
};

// WM_GETOBJECT of a library control: the client object described by the
// class's entry, on a thread that initialised COM as a single-threaded
// apartment; any other object, a class without an entry or a thread
// without such an apartment goes to DefWindowProcA.
LRESULT AnswerGetObject(const ClassDescriptor& descriptor, HWND window, WPARAM flags,
                        LPARAM objectId);

// The default procedure of a library control: WM_GETOBJECT through the
// class's entry, everything else to DefWindowProcA.
LRESULT DefControlProc(const ClassDescriptor& descriptor, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam);

// Tells screen readers of a change of the control's client object
// (EVENT_OBJECT_FOCUS, _STATECHANGE, _VALUECHANGE, _NAMECHANGE).
void NotifyAccessible(DWORD event, HWND window);

// The window text as the window keeps it (no class's WM_GETTEXT rules).
SpokenText StoredWindowText(HWND window);

// The window text as spoken: mnemonic marks dropped, line breaks as spaces.
SpokenText SpokenWindowText(HWND window);

} // namespace quorl
