// Window procedure of GSEITE: pages from dialog templates, one shown at a
// time under a row of tabs, their controls living in the dialog itself.
#include "controls/pageswitcher/pageswitcher.h"

#include <utility>

#include "controls/pageswitcher/pageswitcher_data.h"
#include "core/accessible.h"
#include "core/helpers.h"
#include "core/library.h"
#include "core/paint_dc.h"

namespace quorl::pageswitcher {

namespace {

static_assert(GSM_ADDPAGES == 0x040B && GSM_GETPAGECOUNT == 0x040F);
static_assert(GSM_TABACTIVATED == 0x0541 && GSM_SETPAGEHOOK == 0x0542);
static_assert(Win32Is(sizeof(GSPAGEHOOK), 12) && Win32Is(offsetof(GSPAGEHOOK, page), 8));

ATOM g_atom = 0;

constexpr LRESULT kNoBlock = -1;
// The switcher's area in the dialog, and the page controls in it, even in
// a dialog that clips its children; their frames too.
constexpr UINT kRepaintArea = RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN;
constexpr LRESULT kFailCreation = -1;
constexpr int kNoPage = -1;

// Page arguments from -65536 to -1 lie where no process has its memory:
// they are bad indexes, not names.
constexpr LPARAM kLowestBadIndex = -0x10000;

HWND ParentOf(HWND window) {
    return GetParent(window);
}

void Notify(HWND window, WORD code, LPARAM value) {
    const auto id = static_cast<WORD>(GetDlgCtrlID(window));
    SendMessageA(ParentOf(window), WM_COMMAND, MAKEWPARAM(id, code), value);
}

// Resolves a page argument to an index below the page count, or kNoPage.
int ResolvePage(const ControlBlock& block, LPARAM argument) {
    if (argument >= 0 && argument <= 0xFFFF) {
        return argument < block.pageCount ? static_cast<int>(argument) : kNoPage;
    }
    if (argument < 0 && argument >= kLowestBadIndex) {
        return kNoPage;
    }
    const auto* name = reinterpret_cast<const char*>(argument);
    for (int i = 0; i < block.pageCount; ++i) {
        if (PageNameMatches(block.names[i], name)) {
            return i;
        }
    }
    return kNoPage;
}

// Holds the dialog's drawing while a page switches, so that nothing shows
// half-switched and the switch costs one repaint. A hidden dialog is left
// alone: turning its drawing back on would make it visible. Turning drawing
// off validates the whole dialog, so what is due (a tab that just lost the
// focus and has its mark to erase) is painted first rather than lost.
class RedrawPause {
public:
    RedrawPause(HWND parent, bool wanted)
        : parent_(wanted && IsWindowVisible(parent) ? parent : nullptr) {
        if (parent_ != nullptr) {
            UpdateWindow(parent_);
            SendMessageA(parent_, WM_SETREDRAW, FALSE, 0);
        }
    }
    ~RedrawPause() { Resume(); }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

    void Resume() {
        if (parent_ != nullptr) {
            SendMessageA(parent_, WM_SETREDRAW, TRUE, 0);
            parent_ = nullptr;
        }
    }

private:
    HWND parent_;
};

void ShowPage(const ControlBlock& block, int index, bool shown) {
    Page page(block.pages[index]);
    if (page) {
        HWND* controls = ControlsOf(*page.get());
        for (LONG i = 0; i < page->controlCount; ++i) {
            if (controls[i] != nullptr) {
                ShowWindow(controls[i], shown ? SW_SHOW : SW_HIDE);
            }
        }
    }
    SendMessageA(block.tabs[index], BM_SETCHECK, shown ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RepaintArea(HWND window, const ControlBlock& block) {
    RedrawWindow(ParentOf(window), &block.frame, nullptr, kRepaintArea);
}

// Shows page `index` in place of the current one. The first page shown
// is not announced.
void SelectPage(HWND window, ControlBlock& block, int index) {
    const int old = block.currentPage;
    if (index < 0 || index >= block.pageCount || index == old) {
        return;
    }
    RedrawPause pause(ParentOf(window), old >= 0);
    if (old >= 0) {
        ShowPage(block, old, false);
    }
    block.currentPage = index;
    ShowPage(block, index, true);
    NotifyAccessible(EVENT_OBJECT_VALUECHANGE, window);
    if (old < 0) {
        return;
    }
    pause.Resume();
    Notify(window, GSN_PAGECHANGED, index);
    RepaintArea(window, block); // the whole area: the parent sees all of it invalid
}

// The first tab opens the tabs' radio group; alone it stays hidden and
// disabled, as there is nothing to switch to.
void FitFirstTab(const ControlBlock& block) {
    if (block.pageCount == 0) {
        return;
    }
    HWND first = block.tabs[0];
    SetWindowLongA(first, GWL_STYLE, GetWindowLongA(first, GWL_STYLE) | WS_GROUP);
    if (block.pageCount == 1) {
        ShowWindow(first, SW_HIDE);
        EnableWindow(first, FALSE);
    }
}

void ClearSlot(ControlBlock& block, int slot) {
    block.pages[slot] = nullptr;
    block.tabs[slot] = nullptr;
    block.hooks[slot] = nullptr;
    block.hookData[slot] = 0;
    StorePageName(block.names[slot], "");
}

void AddPage(HWND window, ControlBlock& block, HINSTANCE module, const char* name) {
    // The tables hold ten pages; a further one is not even loaded.
    const int slot = block.pageCount;
    if (slot >= kMaxPages) {
        return;
    }
    char caption[kCaptionSize] = {};
    const auto controlModule =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    HLOCAL page = LoadPage(module, name, window, controlModule, block.frame, caption);
    if (page == nullptr) {
        return;
    }
    HWND tab = CreateTab(module, block, window, name, caption, slot);
    if (tab == nullptr) {
        // Without a tab the page could never be shown: its controls go too.
        FreePage(page, true);
        return;
    }
    ClearSlot(block, slot);
    block.pages[slot] = page;
    block.tabs[slot] = tab;
    StorePageName(block.names[slot], name);
    block.pageCount = slot + 1;
    Notify(window, GSN_PAGEADDED, slot);
}

// The slot of the page whose tab is `tab` and whose record went already:
// the page being removed, wherever the parent's handling of its
// notification moved it. kNoPage when it is no longer there.
int RemovedSlot(const ControlBlock& block, HWND tab) {
    for (int i = 0; i < block.pageCount; ++i) {
        if (block.tabs[i] == tab && block.pages[i] == nullptr) {
            return i;
        }
    }
    return kNoPage;
}

// The page's controls go and the parent hears of it while the tables still
// count the page (and name it current if it was); only then are the tab
// and the page's slot given up. The record leaves its slot first, so that
// a removal of the same page from the notification finds nothing to do.
void RemovePage(HWND window, ControlBlock& block, int index) {
    const HLOCAL page = block.pages[index];
    if (page == nullptr) {
        return; // its removal is under way
    }
    HWND tab = block.tabs[index];
    block.pages[index] = nullptr;
    Notify(window, GSN_PAGEREMOVED, FreePage(page, true));
    // The parent may have destroyed the switcher (its block stays readable
    // until this message ends) or changed its pages meanwhile.
    if (!IsWindow(window)) {
        return;
    }
    index = RemovedSlot(block, tab);
    if (index == kNoPage) {
        return;
    }
    RedrawPause pause(ParentOf(window), true);
    DestroyWindow(tab);
    const int old = block.currentPage;
    const bool wasCurrent = old == index;
    const bool stays = old >= 0 && !wasCurrent; // the page shown remains
    for (int j = index + 1; j < block.pageCount; ++j) {
        block.pages[j - 1] = block.pages[j];
        block.tabs[j - 1] = block.tabs[j];
        block.hooks[j - 1] = block.hooks[j];
        block.hookData[j - 1] = block.hookData[j];
        StorePageName(block.names[j - 1], block.names[j]);
    }
    --block.pageCount;
    ClearSlot(block, block.pageCount);
    const int next = CurrentAfterRemoval(old, index, block.pageCount);
    block.currentPage = stays ? next : kNoPage;
    if (!stays && next >= 0 && next < block.pageCount) {
        block.currentPage = next;
        ShowPage(block, next, true);
        if (wasCurrent) {
            Notify(window, GSN_PAGECHANGED, next);
        }
    }
    if (wasCurrent || (old < 0 && block.currentPage >= 0)) {
        NotifyAccessible(EVENT_OBJECT_VALUECHANGE, window);
    }
    FitFirstTab(block);
    LayoutTabs(window, block);
    pause.Resume();
    RepaintArea(window, block);
}

// ---- Dialog hook ---------------------------------------------------------

HWND HookingSwitcher(HWND dialog) {
    return g_atom != 0 ? static_cast<HWND>(GetPropA(dialog, MAKEINTATOM(g_atom))) : nullptr;
}

WNDPROC SavedProcedure(HWND switcher) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(switcher, GSWL_OLDPROC));
}

bool RunPageHooks(HWND switcher, ControlBlock& block, HWND dialog, UINT message, WPARAM wParam,
                  LPARAM lParam, LRESULT& result) {
    // A hook may add or remove pages: the count is read again each time.
    for (int i = 0; i < block.pageCount; ++i) {
        if (block.hooks[i] == nullptr) {
            continue;
        }
        SetWindowLongPtrA(switcher, GSWL_HOOKDATA, block.hookData[i]);
        result = block.hooks[i](dialog, message, wParam, lParam);
        if (result != 0) {
            return true;
        }
    }
    return false;
}

bool PageHolds(const ControlBlock& block, int index, HWND control) {
    Page page(block.pages[index]);
    if (!page) {
        return false;
    }
    const HWND* controls = ControlsOf(*page.get());
    for (LONG i = 0; i < page->controlCount; ++i) {
        if (controls[i] == control) {
            return true;
        }
    }
    return false;
}

// The dialog is about to move the focus to a control of a hidden page:
// that page is shown first.
void FollowFocus(HWND switcher, ControlBlock& block, WPARAM wParam, LPARAM lParam) {
    auto control = reinterpret_cast<HWND>(wParam);
    if (LOWORD(lParam) == 0 || !IsWindowEnabled(control) || IsWindowVisible(control)) {
        return;
    }
    for (int i = 0; i < block.pageCount; ++i) {
        if (i != block.currentPage && PageHolds(block, i, control)) {
            SelectPage(switcher, block, i);
            return;
        }
    }
}

LRESULT CALLBACK DialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND switcher = HookingSwitcher(dialog);
    if (switcher == nullptr) {
        return DefDlgProcA(dialog, message, wParam, lParam);
    }
    const WNDPROC previous = SavedProcedure(switcher);
    {
        Block block(switcher, GSWL_BLOCK);
        if (block) {
            LRESULT result = 0;
            if (RunPageHooks(switcher, *block.get(), dialog, message, wParam, lParam, result)) {
                return result;
            }
            if (message == WM_NEXTDLGCTL) {
                FollowFocus(switcher, *block.get(), wParam, lParam);
            }
        }
    }
    return CallWindowProcA(previous, dialog, message, wParam, lParam);
}

// Only the first switcher that asks hooks its dialog.
void HookDialog(HWND window) {
    HWND dialog = ParentOf(window);
    if (g_atom == 0 || dialog == nullptr || HookingSwitcher(dialog) != nullptr) {
        return;
    }
    SetPropA(dialog, MAKEINTATOM(g_atom), window);
    SetWindowLongPtrA(window, GSWL_OLDPROC, GetWindowLongPtrA(dialog, GWLP_WNDPROC));
    SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DialogHook));
}

// The property goes with the hook, so that it never names a window that
// is gone and a later switcher may hook the dialog again.
void UnhookDialog(HWND window) {
    const WNDPROC previous = SavedProcedure(window);
    if (previous == nullptr) {
        return;
    }
    HWND dialog = ParentOf(window);
    SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(dialog, MAKEINTATOM(g_atom));
    SetWindowLongPtrA(window, GSWL_OLDPROC, 0);
}

// ---- Handlers ------------------------------------------------------------

HINSTANCE TemplateModule(HWND window) {
    const auto module =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(ParentOf(window), GWLP_HINSTANCE));
    return module != nullptr ? module : GetModuleHandleA(nullptr);
}

// A repeated WM_CREATE first releases what the earlier one made: its
// pages with their controls and tabs, the dialog hook and the block.
void ReleaseEarlier(HWND window, Block& block) {
    if (block) {
        const int count = block->pageCount;
        block->pageCount = 0;
        block->currentPage = kNoPage;
        for (int i = 0; i < count; ++i) {
            FreePage(block->pages[i], true);
            DestroyWindow(block->tabs[i]);
        }
    }
    UnhookDialog(window);
    block.Unlock();
    Block::Destroy(window, GSWL_BLOCK);
}

LRESULT OnCreate(HWND window, Block& earlier, const CREATESTRUCTA* given) {
    if (given == nullptr) {
        return 0; // a hand-sent message without its record changes nothing
    }
    const CREATESTRUCTA& create = *given;
    ReleaseEarlier(window, earlier);
    if (Block::Create(window, GSWL_BLOCK) == nullptr) {
        return kFailCreation;
    }
    {
        Block block(window, GSWL_BLOCK);
        if (!block) {
            return kFailCreation;
        }
        block->font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
        block->currentPage = kNoPage;
        if (create.style & GSS_HOOKDIALOG) {
            HookDialog(window);
        }
        block->frame = {create.x, create.y, create.x + create.cx, create.y + create.cy};
    }
    SendMessageA(window, GSM_ADDPAGES, reinterpret_cast<WPARAM>(TemplateModule(window)),
                 reinterpret_cast<LPARAM>(create.lpszName));
    return DefWindowProcA(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create));
}

LRESULT OnAddPages(HWND window, ControlBlock* block, HINSTANCE module, const char* list) {
    PageList names(list);
    int count = 0;
    const char* name = nullptr;
    while (names.Next(name)) {
        ++count;
        if (block != nullptr) {
            AddPage(window, *block, module, name);
        }
    }
    if (block == nullptr) {
        return count;
    }
    SendMessageA(window, WM_SETFONT, 0, 0);
    LayoutTabs(window, *block);
    // Exactly one page is shown whenever there are pages.
    if (block->currentPage == kNoPage) {
        SelectPage(window, *block, 0);
    }
    return count;
}

LRESULT OnGetCurrentPage(const ControlBlock* block, WPARAM size, char* buffer) {
    if (block == nullptr) {
        return kNoBlock;
    }
    const int current = block->currentPage;
    if (size != 0 && buffer != nullptr && current >= 0) {
        const int limit = size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(size);
        lstrcpynA(buffer, block->names[current], limit);
    }
    return current;
}

void OnRemovePage(HWND window, ControlBlock* block, LPARAM argument) {
    if (block == nullptr) {
        return;
    }
    const int index = ResolvePage(*block, argument);
    if (index != kNoPage) {
        RemovePage(window, *block, index);
    }
}

bool HoldsFocus(const ControlBlock& block, int index) {
    HWND focus = GetFocus();
    return index >= 0 && focus != nullptr &&
           (focus == block.tabs[index] || PageHolds(block, index, focus));
}

// A page chosen by the program while the focus is on the current page or
// its tab: the focus moves to the new page's tab, where a click on that tab
// or an arrow key would have left it, and never stays on a hidden control
// or on a tab that is no longer current.
void OnSelectPage(HWND window, ControlBlock* block, LPARAM argument) {
    if (block == nullptr) {
        return;
    }
    const int old = block->currentPage;
    const bool focusFollows = HoldsFocus(*block, old);
    SelectPage(window, *block, ResolvePage(*block, argument));
    const int now = block->currentPage;
    if (focusFollows && now != old && now >= 0 && now < block->pageCount) {
        FocusAsDialogItem(block->tabs[now]);
    }
}

void OnTabActivated(HWND window, ControlBlock* block, HWND tab) {
    if (block == nullptr) {
        return;
    }
    for (int i = 0; i < block->pageCount; ++i) {
        if (block->tabs[i] == tab) {
            SelectPage(window, *block, i);
            return;
        }
    }
}

void OnSetPageHook(ControlBlock* block, const GSPAGEHOOK* hook) {
    if (block == nullptr || hook == nullptr || hook->page == 0) {
        return;
    }
    const int index = ResolvePage(*block, hook->page);
    if (index != kNoPage) {
        block->hooks[index] = hook->hookProc;
        block->hookData[index] = hook->hookData;
    }
}

void OnSetFont(ControlBlock* block, HFONT font, LPARAM redraw) {
    if (block == nullptr) {
        return;
    }
    if (font != nullptr) {
        block->font = font;
    }
    if (block->font == nullptr) {
        return;
    }
    for (int i = 0; i < block->pageCount; ++i) {
        Page page(block->pages[i]);
        if (!page) {
            continue;
        }
        HWND* controls = ControlsOf(*page.get());
        for (LONG c = 0; c < page->controlCount; ++c) {
            if (controls[c] != nullptr) {
                SendMessageA(controls[c], WM_SETFONT, reinterpret_cast<WPARAM>(block->font),
                             redraw);
            }
        }
    }
}

// Page controls and tabs stay where they are; the next sizing places them.
void OnMove(ControlBlock* block, LPARAM position) {
    if (block == nullptr) {
        return;
    }
    const auto x = static_cast<short>(LOWORD(position));
    const auto y = static_cast<short>(HIWORD(position));
    OffsetRect(&block->frame, x - block->frame.left, y - block->frame.top);
}

void OnSize(HWND window, ControlBlock* block, LPARAM size) {
    if (block == nullptr) {
        return;
    }
    if (size != 0) {
        block->frame.right = block->frame.left + LOWORD(size);
        block->frame.bottom = block->frame.top + HIWORD(size);
    }
    LayoutTabs(window, *block);
}

void OnPaint(HWND window, WPARAM given, const ControlBlock* block) {
    if (PaintDC dc(window, given); dc) {
        Paint(dc.get(), block);
    }
}

void OnEraseBackground(HWND window, HDC dc) {
    if (GetWindowLongA(window, GWL_STYLE) & GSS_NOBACKGROUND) {
        return;
    }
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
}

// The pages, the dialog's hook and the block go. A message that destroyed
// the switcher from a notification finds no pages when it goes on.
void ReleaseAll(HWND window, Block& block) {
    if (block) {
        for (int i = 0; i < block->pageCount; ++i) {
            FreePage(block->pages[i], false);
        }
        block->pageCount = 0;
        block->currentPage = kNoPage;
    }
    UnhookDialog(window);
    block.Unlock();
    Block::Destroy(window, GSWL_BLOCK);
}

// Pages are freed; their controls and tabs belong to the dialog and go
// with it.
LRESULT OnDestroy(HWND window, Block& block) {
    if (!block) {
        Block::Destroy(window, GSWL_BLOCK); // one that could not be locked
        return 0;
    }
    ReleaseAll(window, block);
    return DefWindowProcA(window, WM_DESTROY, 0, 0);
}

// After a WM_CREATE that failed the window gets WM_NCDESTROY alone: what
// the creation made goes here. After WM_DESTROY nothing is left to free.
LRESULT OnNcDestroy(HWND window, Block& block, WPARAM wParam, LPARAM lParam) {
    ReleaseAll(window, block);
    return DefWindowProcA(window, WM_NCDESTROY, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Block block(window, GSWL_BLOCK); // none yet at the first WM_CREATE
    switch (message) {
    case WM_CREATE:
        return OnCreate(window, block, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case GSM_ADDPAGES:
        return OnAddPages(window, block.get(), reinterpret_cast<HINSTANCE>(wParam),
                          reinterpret_cast<const char*>(lParam));
    case GSM_SELECTPAGE:
        OnSelectPage(window, block.get(), lParam);
        return 0;
    case GSM_GETCURPAGE:
        return OnGetCurrentPage(block.get(), wParam, reinterpret_cast<char*>(lParam));
    case GSM_REMOVEPAGE:
        OnRemovePage(window, block.get(), lParam);
        return 0;
    case GSM_GETPAGECOUNT:
        return block ? block->pageCount : kNoBlock;
    case GSM_TABACTIVATED:
        OnTabActivated(window, block.get(), reinterpret_cast<HWND>(wParam));
        return 0;
    case GSM_SETPAGEHOOK:
        OnSetPageHook(block.get(), reinterpret_cast<const GSPAGEHOOK*>(lParam));
        return 0;
    case WM_DESTROY:
        return OnDestroy(window, block);
    case WM_NCDESTROY:
        return OnNcDestroy(window, block, wParam, lParam);
    case WM_MOVE:
        OnMove(block.get(), lParam);
        break;
    case WM_SIZE:
        OnSize(window, block.get(), lParam);
        break;
    case WM_PAINT:
        OnPaint(window, wParam, block.get());
        return 0;
    case WM_PRINTCLIENT:
        return PrintClient(window, wParam, lParam);
    case WM_ERASEBKGND:
        OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
        break;
    case WM_SETFONT:
        OnSetFont(block.get(), reinterpret_cast<HFONT>(wParam), lParam);
        break;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    default:
        break;
    }
    return DefControlProc(kClass, window, message, wParam, lParam);
}

// A failed registration (the class exists from an earlier initialisation)
// must not lose the atom the page switcher uses as its property name.
void RememberAtom(ATOM registered) {
    if (registered != 0) {
        g_atom = registered;
        return;
    }
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    const auto found =
        static_cast<ATOM>(GetClassInfoExA(g_library.instance, GSEITE_CLASSA, &existing));
    if (found != 0) {
        g_atom = found;
    }
}

LONG AccessibleRole(HWND) {
    return ROLE_SYSTEM_PAGETABLIST;
}

// The window text lists the page templates, which no reader should speak.
SpokenText AccessibleName(HWND) {
    return {};
}

// The page shown, by its tab's caption, or else by its template name.
SpokenText AccessibleValue(HWND window) {
    Block block(window, GSWL_BLOCK);
    if (!block || block->currentPage < 0) {
        return {};
    }
    SpokenText caption = SpokenWindowText(block->tabs[block->currentPage]);
    return caption.empty() && !caption.failed() ? SpokenText(block->names[block->currentPage])
                                                : std::move(caption);
}

int TabCount(HWND window) {
    Block block(window, GSWL_BLOCK);
    return block ? block->pageCount : 0;
}

HWND TabOf(HWND window, int index) {
    Block block(window, GSWL_BLOCK);
    return block && index >= 0 && index < block->pageCount ? block->tabs[index] : nullptr;
}

constexpr AccessibleEntry kAccessible = {.role = AccessibleRole,
                                         .name = AccessibleName,
                                         .value = AccessibleValue,
                                         .childCount = TabCount,
                                         .child = TabOf};

} // namespace

const ClassDescriptor kClass = {.name = GSEITE_CLASSA,
                                .style = kRedrawOnResize,
                                .extraBytes = sizeof(WindowLongs),
                                .background = NoBrush,
                                .procedure = WindowProc,
                                .registered = RememberAtom,
                                .teardown = ReleaseJunctions,
                                .accessible = &kAccessible};

ATOM PropertyAtom() {
    return g_atom;
}

} // namespace quorl::pageswitcher
