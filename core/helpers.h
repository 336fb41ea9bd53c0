// Small operations the control classes share: state bits in a window long,
// the hit test for mouse messages, the dotted focus rectangle, the program's
// module handle and the caption conventions of the graphic buttons.
#pragma once

#include <windows.h>

namespace quorl {

// Window long of the control state word in both button classes.
constexpr int kStateWordIndex = 4;

// The answer to WM_CREATE of a control that could not make its record:
// CreateWindowEx (and the dialog that lists the control) then fails.
constexpr LRESULT kFailCreation = -1;

// Sets (set != 0) or clears the mask bits of the state word. Returns true
// only when the word really changed; callers repaint only then.
bool ChangeStateBits(HWND window, LONG mask, BOOL set);

// True when the packed point of a mouse message lies in the client area.
// The coordinates are read unsigned, so points left of or above the window
// (seen while the mouse is captured) are outside.
bool HitTestClient(HWND window, LPARAM point);

// Moves the focus to a control as the dialog manager moves it for Tab
// (WM_NEXTDLGCTL to the parent), so that the default push button follows
// the focus whichever way it came; a parent that is no dialog leaves the
// focus where it was, and the control then takes it itself.
void FocusAsDialogItem(HWND control);

// The focus mark: black dots on every other pixel of the four sides,
// right and bottom inclusive, no corner dots. The dots are set, not
// inverted: repaint the area to remove them.
void DrawDottedRect(HDC dc, int left, int top, int right, int bottom);

// Module handle of the program's executable (not of the library).
HMODULE ProgramModuleHandle();

// WM_GETTEXT of the graphic buttons: a hidden control reports its first
// "&" as "$", so that it offers no mnemonic.
LRESULT GetCaptionText(HWND window, WPARAM size, LPARAM buffer);

// The first step of WM_SETTEXT for a control that reads the new text: the
// default handling takes it (copying it as the window manager does, so a
// pointer that is no readable string fails there and is never read here),
// then the stored copy is read back into buffer (size bytes, terminated;
// empty when nothing was taken). Returns the default handling's answer.
LRESULT TakeText(HWND window, LPARAM text, char* buffer, int size);

// The caption as stored, for painting: WM_GETTEXT reports a hidden
// control's "&" as "$", but a hidden control printed into a context (as
// AnimateWindow does before showing it) must show its real caption.
int ReadCaption(HWND window, char* buffer, int size);

// WM_SETTEXT of the graphic buttons: keeps the text before the first comma
// (at most 256 characters) and turns each "~" into a line feed.
LRESULT SetCaptionText(HWND window, LPCSTR text);

// Longest caption kept by SetCaptionText.
constexpr int kMaxCaptionLength = 256;

} // namespace quorl
