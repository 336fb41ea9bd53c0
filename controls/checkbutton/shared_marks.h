// The library's own marks, loaded once as DIB sections and shared by every
// check button: a dialog of check buttons then loads no bitmap per control,
// and painting a mark selects nothing into a fresh memory context.
#pragma once

#include <windows.h>

namespace quorl::checkbutton {

// The library's mark of this resource id, shared; null when the library
// has none (the application's own marks are then loaded per control).
HBITMAP SharedMark(int id);
// True for a handle SharedMark gave out: no control may delete it.
bool IsSharedMark(HBITMAP bitmap);
// Deletes the shared marks with the library's shared objects.
void ReleaseSharedMarks();

} // namespace quorl::checkbutton
