// The switcher's private records and the operations its window procedure
// calls in the loader, tab and paint files.
#pragma once

#include <windows.h>

#include <cstddef>

#include "controls/pageswitcher/dialog_template.h"
#include "controls/pageswitcher/page_layout.h"
#include "core/local_block.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl::pageswitcher {

// The control block, one per switcher; handles widen on 64-bit Windows.
struct ControlBlock {
    LONG pageCount;
    LONG currentPage; // -1 while none is shown
    RECT frame;       // the switcher in its parent's client coordinates
    HFONT font;       // for page controls and labels, not owned
    HLOCAL pages[kMaxPages];
    HWND tabs[kMaxPages];
    WNDPROC hooks[kMaxPages];
    LONG_PTR hookData[kMaxPages];
    char names[kMaxPages][kPageNameSize];
};
static_assert(Win32Is(offsetof(ControlBlock, frame), 8) &&
              Win32Is(offsetof(ControlBlock, font), 24) &&
              Win32Is(offsetof(ControlBlock, pages), 28) &&
              Win32Is(offsetof(ControlBlock, tabs), 68) &&
              Win32Is(offsetof(ControlBlock, hooks), 108) &&
              Win32Is(offsetof(ControlBlock, hookData), 148) &&
              Win32Is(offsetof(ControlBlock, names), 188) && Win32Is(sizeof(ControlBlock), 328));

// A page record; its control list (one window per template item, null
// where a control could not be made) follows it in the same block.
struct PageRecord {
    LONG controlCount;
    HWND anchor; // the control the page grows around; null: it does not grow
    LONG baseWidth;
    LONG baseHeight;
    LONG currentWidth;
    LONG currentHeight;
    HLOCAL labels; // painted labels (label_list.h); null: none
};
static_assert(Win32Is(offsetof(PageRecord, anchor), 4) &&
              Win32Is(offsetof(PageRecord, currentHeight), 20) &&
              Win32Is(offsetof(PageRecord, labels), 24) && Win32Is(sizeof(PageRecord), 28));
static_assert(sizeof(PageRecord) % sizeof(HWND) == 0);

inline HWND* ControlsOf(PageRecord& page) {
    return reinterpret_cast<HWND*>(&page + 1);
}

using Block = LocalBlock<ControlBlock>;
using Page = LocalBlock<PageRecord>;

// ---- Loader (page_loader.cpp) --------------------------------------------

// Loads the template `name` of `module` and creates its controls, hidden,
// as children of the switcher's parent. Returns the page record, or null
// after showing the error window in the switcher for a template that is
// missing or unreadable. `caption` receives the template's caption.
HLOCAL LoadPage(HINSTANCE module, const char* name, HWND switcher, HINSTANCE controlModule,
                const RECT& frame, char (&caption)[kCaptionSize]);

// Destroys the page's controls (when asked) and frees its labels and
// record. Returns the number of controls destroyed.
int FreePage(HLOCAL page, bool destroyControls);

// Follows the switcher's new size with a page that has an anchor.
void GrowPageContents(HWND switcher, const RECT& frame, HLOCAL page);

// ---- Tabs and painting (pageswitcher_paint.cpp) --------------------------

// Creates the tab of slot `slot` in the dialog, after the previous tab.
HWND CreateTab(HINSTANCE module, const ControlBlock& block, HWND switcher, const char* name,
               const char* caption, int slot);

// Places every tab on the tab row and lets the pages catch up with the frame.
void LayoutTabs(HWND switcher, ControlBlock& block);

void Paint(HDC dc, const ControlBlock* block);

} // namespace quorl::pageswitcher
