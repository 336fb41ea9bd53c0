// The page switcher through the DLL, in a dialog made from a template,
// with pages from the templates of pages.rc.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::ClientPixel;
using quorl_test::PumpMessages;

constexpr int kSwitcherId = 100;
constexpr int kBeforeId = 10;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kSilver = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);
constexpr UINT kRepaintAll = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;

using Note = std::pair<int, LPARAM>; // notification code, lParam
using Notes = std::vector<Note>;

std::vector<std::pair<WPARAM, LPARAM>> g_commands;

// What the dialog was told, in order: the switcher's notifications
// (code, lParam) and WM_SETREDRAW (kRedraw, flag).
constexpr int kRedraw = -1;
Notes g_steps;

// What the dialog does when a page is removed, after it noted what the
// switcher answers then.
enum class OnRemoved { kReads, kDestroys, kRemovesAgain };
OnRemoved g_onRemoved = OnRemoved::kReads;
struct Seen {
    LRESULT count = 0;
    LRESULT current = 0;
    std::string name;
};
Seen g_seen;
LPARAM g_removedAgain = 0; // the page kRemovesAgain removes

void PageRemoved(HWND switcher) {
    char name[20] = "";
    g_seen.count = SendMessageA(switcher, GSM_GETPAGECOUNT, 0, 0);
    g_seen.current =
        SendMessageA(switcher, GSM_GETCURPAGE, sizeof name, reinterpret_cast<LPARAM>(name));
    g_seen.name = name;
    if (g_onRemoved == OnRemoved::kDestroys) {
        DestroyWindow(switcher);
    } else if (g_onRemoved == OnRemoved::kRemovesAgain) {
        SendMessageA(switcher, GSM_REMOVEPAGE, 0, g_removedAgain);
    }
}

INT_PTR CALLBACK HostProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETREDRAW) {
        g_steps.emplace_back(kRedraw, wParam);
    }
    if (message == WM_COMMAND) {
        g_commands.emplace_back(wParam, lParam);
    }
    if (message == WM_COMMAND && LOWORD(wParam) == kSwitcherId) {
        g_steps.emplace_back(HIWORD(wParam), lParam);
        if (HIWORD(wParam) == GSN_PAGEREMOVED) {
            PageRemoved(GetDlgItem(dialog, kSwitcherId));
        }
    }
    return message == WM_INITDIALOG;
}

struct BaseUnits {
    int x;
    int y;
};

BaseUnits SystemUnits() {
    const LONG units = GetDialogBaseUnits();
    return {LOWORD(units), HIWORD(units)};
}

// The documented rule for a template with a font: the bold "x" of its face.
BaseUnits FontUnits(int points, const char* face) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_BOLD, 0,
                             0, 0, 0, 0, 0, 0, 0, face);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE x;
    GetTextExtentPoint32A(dc, "x", 1, &x);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return {x.cx, x.cy + 1};
}

// The switchers live in a real dialog (owned by the fixture's parent), as
// the dialog manager's navigation and the dialog hook need one.
class PageSwitcherTest : public quorl_test::ControlTest {
protected:
    PageSwitcherTest() {
        g_commands.clear();
        g_steps.clear();
        g_onRemoved = OnRemoved::kReads;
        g_seen = {};
        dialog_ =
            CreateDialogParamA(GetModuleHandleA(nullptr), "HOST", parent_.hwnd(), HostProcedure, 0);
        procedure_ = GetWindowLongPtrA(dialog_, GWLP_WNDPROC);
    }
    ~PageSwitcherTest() override {
        DestroyWindow(dialog_);
        PumpMessages();
    }

    HWND Switcher(const char* pages, DWORD style = 0, RECT at = {0, 0, 300, 200},
                  int id = kSwitcherId) {
        HWND switcher = CreateWindowExA(0, GSEITE_CLASSA, pages, WS_CHILD | WS_VISIBLE | style,
                                        at.left, at.top, at.right - at.left, at.bottom - at.top,
                                        dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                        GetModuleHandleA(nullptr), nullptr);
        PumpMessages();
        return switcher;
    }

    // What the switcher told the dialog, in order.
    static Notes Notifications() {
        Notes notes;
        for (const auto& [wParam, lParam] : g_commands) {
            if (LOWORD(wParam) == kSwitcherId) {
                notes.emplace_back(HIWORD(wParam), lParam);
            }
        }
        return notes;
    }

    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    bool Shown(int id) const { return IsWindowVisible(Control(id)) != FALSE; }

    // The tabs follow the switcher in the dialog's order.
    static HWND Tab(HWND switcher, int k) {
        HWND tab = GetWindow(switcher, GW_HWNDNEXT);
        for (int i = 0; i < k; ++i) {
            tab = GetWindow(tab, GW_HWNDNEXT);
        }
        return tab;
    }

    RECT InDialog(HWND window) const {
        RECT r;
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    static LRESULT Current(HWND switcher) { return SendMessageA(switcher, GSM_GETCURPAGE, 0, 0); }
    static LRESULT Count(HWND switcher) { return SendMessageA(switcher, GSM_GETPAGECOUNT, 0, 0); }
    static std::string CurrentName(HWND switcher) {
        char name[20] = "unchanged";
        SendMessageA(switcher, GSM_GETCURPAGE, sizeof name, reinterpret_cast<LPARAM>(name));
        return name;
    }

    HWND dialog_ = nullptr;
    LONG_PTR procedure_ = 0;
};

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(PageSwitcherTest, CreationLoadsEveryPageAndShowsTheFirst) {
    HWND s = Switcher("ADRESSE+KONTO+NOTIZ");
    EXPECT_EQ(Notifications(), (Notes{{GSN_PAGEADDED, 0}, {GSN_PAGEADDED, 1}, {GSN_PAGEADDED, 2}}));
    EXPECT_EQ(Count(s), 3);
    EXPECT_EQ(Current(s), 0);
    EXPECT_EQ(CurrentName(s), "ADRESSE");
    // The controls are the dialog's own; only page 0's are shown.
    for (int id : {101, 102, 201, 202, 301, 302}) {
        SCOPED_TRACE(id);
        ASSERT_NE(Control(id), nullptr);
        EXPECT_EQ(GetParent(Control(id)), dialog_);
        EXPECT_EQ(Shown(id), id < 200);
    }
    // Labels are painted, not made; the first control opens a group.
    EXPECT_EQ(Control(GS_LABEL_ID), nullptr);
    EXPECT_TRUE(GetWindowLongA(Control(101), GWL_STYLE) & WS_GROUP);
    EXPECT_FALSE(GetWindowLongA(Control(102), GWL_STYLE) & WS_GROUP);

    const char* captions[] = {"Adresse", "Konto", "Notiz"};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        HWND tab = Tab(s, k);
        char text[20] = {};
        GetWindowTextA(tab, text, sizeof text);
        EXPECT_STREQ(text, captions[k]);
        EXPECT_TRUE(InDialog(tab) == (RECT{13 + 100 * k, 4, 88 + 100 * k, 24}));
        EXPECT_EQ(SendMessageA(tab, BM_GETCHECK, 0, 0), k == 0 ? 1 : 0);
        EXPECT_TRUE(IsWindowVisible(tab) && IsWindowEnabled(tab));
    }
}

// As an application writes it: the switcher in the dialog's template
// hands the dialog's font to its pages and hooks the dialog.
TEST_F(PageSwitcherTest, ASwitcherInADialogTemplate) {
    HWND dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), "NAMED", parent_.hwnd(), HostProcedure, 0);
    HWND s = GetDlgItem(dialog, kSwitcherId);
    EXPECT_EQ(Count(s), 2);
    const LRESULT font = SendMessageA(dialog, WM_GETFONT, 0, 0);
    EXPECT_NE(font, 0);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, 201), WM_GETFONT, 0, 0), font);
    EXPECT_NE(GetWindowLongPtrA(s, GSWL_OLDPROC), 0);
    // In the dialog's order: the switcher, its tabs, their pages' controls.
    EXPECT_EQ(GetWindow(Tab(s, 1), GW_HWNDNEXT), GetDlgItem(dialog, 101));
    EXPECT_EQ(GetNextDlgTabItem(dialog, GetDlgItem(dialog, 10), FALSE), Tab(s, 0));
    DestroyWindow(dialog);
}

struct Placement {
    int id;
    int x, y, cx, cy; // dialog units, from pages.rc
    const char* font; // the template's face, or null
};

class PageSwitcherPlacement : public PageSwitcherTest,
                              public testing::WithParamInterface<Placement> {};

// The switcher sits at (20, 10); page items start 26 pixels below its top.
TEST_P(PageSwitcherPlacement, DialogUnitsBecomePixelsInsideTheSwitcher) {
    HWND s = Switcher("ADRESSE+KONTO+NOTIZ", 0, {20, 10, 320, 210});
    EXPECT_TRUE(InDialog(Tab(s, 0)) == (RECT{33, 14, 108, 34}));
    const Placement& p = GetParam();
    const BaseUnits u = p.font != nullptr ? FontUnits(8, p.font) : SystemUnits();
    const int left = 20 + MulDiv(p.x, u.x, 4);
    const int top = 10 + 26 + MulDiv(p.y, u.y, 8);
    const RECT expected = {left, top, left + MulDiv(p.cx, u.x, 4), top + MulDiv(p.cy, u.y, 8)};
    EXPECT_TRUE(InDialog(Control(p.id)) == expected);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageSwitcherPlacement,
                         testing::Values(Placement{101, 40, 0, 60, 12, nullptr},
                                         Placement{102, 10, 20, 40, 14, nullptr},
                                         Placement{201, 44, 30, 60, 12, "Tahoma"},
                                         Placement{202, 0, 16, 60, 10, "Tahoma"},
                                         // the extended template places alike
                                         Placement{301, 40, 0, 60, 12, nullptr},
                                         Placement{302, 10, 20, 40, 14, nullptr}));

// A switcher partly left of the dialog's edge keeps its tabs on it.
TEST_F(PageSwitcherTest, NegativePositionsMoveTheTabRow) {
    HWND s = Switcher("ADRESSE+KONTO+NOTIZ");
    SetWindowPos(s, nullptr, -10, 5, 301, 200, SWP_NOZORDER);
    EXPECT_TRUE(InDialog(Tab(s, 0)) == (RECT{3, 9, 78, 29}));
}

struct Selection {
    LPARAM page;
    int current;
    Notes notes;
};

class PageSwitcherSelection : public PageSwitcherTest,
                              public testing::WithParamInterface<Selection> {};

TEST_P(PageSwitcherSelection, ShowsTheNamedPageOnce) {
    HWND s = Switcher("ADRESSE+KONTO+NOTIZ");
    g_commands.clear();
    ValidateRect(dialog_, nullptr);
    SendMessageA(s, GSM_SELECTPAGE, 0, GetParam().page);
    EXPECT_EQ(Notifications(), GetParam().notes);
    EXPECT_EQ(Current(s), GetParam().current);
    const int shownId = 101 + 100 * GetParam().current;
    for (int id : {101, 201, 301}) {
        EXPECT_EQ(Shown(id), id == shownId) << id;
    }
    RECT dirty;
    const bool changed = !GetParam().notes.empty();
    EXPECT_EQ(GetUpdateRect(dialog_, &dirty, FALSE) != FALSE, changed);
    if (changed) {
        EXPECT_TRUE(dirty == (RECT{0, 0, 300, 200}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, PageSwitcherSelection,
    testing::Values(Selection{1, 1, {{GSN_PAGECHANGED, 1}}},
                    Selection{reinterpret_cast<LPARAM>("NOTIZ"), 2, {{GSN_PAGECHANGED, 2}}},
                    Selection{0, 0, {}}, Selection{3, 0, {}},
                    Selection{reinterpret_cast<LPARAM>("FEHLT"), 0, {}},
                    Selection{reinterpret_cast<LPARAM>("ADRESSE"), 0, {}}, Selection{-1, 0, {}}));

// A switch invalidates the switcher's whole area in the dialog, with erase,
// and repaints the page with its controls and every tab, also in a dialog
// that clips its children.
class PageSwitcherRepaint : public PageSwitcherTest, public testing::WithParamInterface<bool> {};

TEST_P(PageSwitcherRepaint, TheWholeArea) {
    if (GetParam()) {
        SetWindowLongA(dialog_, GWL_STYLE, GetWindowLongA(dialog_, GWL_STYLE) | WS_CLIPCHILDREN);
    }
    HWND s = Switcher("ADRESSE+KONTO+NOTIZ");
    UpdateWindow(dialog_);
    SendMessageA(s, GSM_SELECTPAGE, 0, 1);
    const struct {
        const char* what;
        HWND window;
        bool repainted;
    } parts[] = {{"switcher", s, true},        {"old tab", Tab(s, 0), true},
                 {"new tab", Tab(s, 1), true}, {"other tab", Tab(s, 2), true},
                 {"edit", Control(201), true}, {"check box", Control(202), true}};
    for (const auto& p : parts) {
        RECT dirty;
        EXPECT_EQ(GetUpdateRect(p.window, &dirty, FALSE) != FALSE, p.repainted) << p.what;
    }
    HRGN pending = CreateRectRgn(0, 0, 0, 0);
    HRGN area = CreateRectRgn(0, 0, 300, 200);
    EXPECT_EQ(GetUpdateRgn(dialog_, pending, FALSE), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(pending, area));
    DeleteObject(pending);
    DeleteObject(area);
    UpdateWindow(dialog_);
    EXPECT_EQ(ClientPixel(Control(201), 1, 1), kWhite); // the edit's face, painted
}

INSTANTIATE_TEST_SUITE_P(ClippingChildren, PageSwitcherRepaint, testing::Bool());

// Turning the dialog's drawing off for a switch must not swallow what was
// due to be painted before it: here a tab's erased focus mark, faked by
// blackening the tab and invalidating it.
TEST_F(PageSwitcherTest, ASwitchKeepsWhatWasDueToBePainted) {
    HWND s = Switcher("ADRESSE+KONTO+NOTIZ");
    UpdateWindow(dialog_);
    HWND other = Tab(s, 2);
    RECT face;
    GetClientRect(other, &face);
    HDC dc = GetDC(other);
    FillRect(dc, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(other, dc);
    InvalidateRect(other, nullptr, TRUE);
    SendMessageA(s, GSM_SELECTPAGE, 0, 1);
    UpdateWindow(dialog_);
    EXPECT_NE(ClientPixel(other, face.right / 2, face.bottom - 3), kBlack);
}

// A page chosen by the program while the user was on the current page or
// its tab takes the focus to the new page's tab; elsewhere it stays.
TEST_F(PageSwitcherTest, APageChosenByTheProgramTakesTheFocusAlong) {
    HWND before = CreateWindowExA(0, "Button", "Vorher", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 210,
                                  60, 20, dialog_, reinterpret_cast<HMENU>(kBeforeId),
                                  GetModuleHandleA(nullptr), nullptr);
    HWND s = Switcher("ADRESSE+KONTO+NOTIZ");
    const struct {
        const char* what;
        HWND focus;
        int page;
        HWND focusAfter;
    } cases[] = {
        {"old tab", Tab(s, 0), 2, Tab(s, 2)},
        {"old page's edit", Control(101), 1, Tab(s, 1)},
        {"outside the switcher", before, 2, before},
    };
    for (const auto& c : cases) {
        SendMessageA(s, GSM_SELECTPAGE, 0, 0);
        SetFocus(c.focus);
        ASSERT_EQ(Current(s), 0) << c.what;
        SendMessageA(s, GSM_SELECTPAGE, 0, c.page);
        EXPECT_EQ(Current(s), c.page) << c.what;
        EXPECT_EQ(GetFocus(), c.focusAfter) << c.what;
        EXPECT_EQ(GetWindowLongA(Tab(s, 0), QCWL_STATE) & QSTATE_FOCUSED, 0) << c.what;
    }
}

TEST_F(PageSwitcherTest, AClickOnATabShowsItsPage) {
    HWND s = Switcher("ADRESSE+KONTO+NOTIZ");
    g_commands.clear();
    HWND third = Tab(s, 2);
    Press(third, 30, 10);
    Release(third, 30, 10);
    EXPECT_EQ(Notifications(), (Notes{{GSN_PAGECHANGED, 2}}));
    EXPECT_EQ(CurrentName(s), "NOTIZ");
    EXPECT_TRUE(Shown(301));
    EXPECT_FALSE(Shown(101));
    EXPECT_EQ(SendMessageA(Tab(s, 0), BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(SendMessageA(third, BM_GETCHECK, 0, 0), 1);
}

// The removed page's controls go first, then the dialog hears of it while
// the switcher still counts the page and shows what it showed; only then
// are drawing held, the tab destroyed and the tables moved down.
struct Removal {
    int shown;
    int removed;
    const char* shownAfter;
    Notes steps;
};

class PageSwitcherRemoval : public PageSwitcherTest, public testing::WithParamInterface<Removal> {};

TEST_P(PageSwitcherRemoval, TheShownPageStaysOrPageZeroFollows) {
    const Removal& r = GetParam();
    HWND s = Switcher("ADRESSE+KONTO+NOTIZ");
    SendMessageA(s, GSM_SELECTPAGE, 0, r.shown);
    const std::string shownBefore = CurrentName(s);
    HWND removedTab = Tab(s, r.removed);
    g_commands.clear();
    g_steps.clear();
    SendMessageA(s, GSM_REMOVEPAGE, 0, r.removed);
    EXPECT_EQ(g_steps, r.steps);
    EXPECT_EQ(g_seen.count, 3);
    EXPECT_EQ(g_seen.current, r.shown);
    EXPECT_EQ(g_seen.name, shownBefore);
    EXPECT_EQ(Count(s), 2);
    EXPECT_EQ(CurrentName(s), r.shownAfter);
    const int removedId = 101 + 100 * r.removed;
    EXPECT_EQ(Control(removedId), nullptr);
    EXPECT_EQ(Control(removedId + 1), nullptr);
    EXPECT_FALSE(IsWindow(removedTab));
    // The page shown has its controls visible and its tab checked.
    const int current = static_cast<int>(Current(s));
    EXPECT_EQ(SendMessageA(Tab(s, current), BM_GETCHECK, 0, 0), 1);
    EXPECT_TRUE(GetWindowLongA(Tab(s, 0), GWL_STYLE) & WS_GROUP);
    int visible = 0;
    for (int id : {101, 201, 301}) {
        visible += Control(id) != nullptr && Shown(id) ? 1 : 0;
    }
    EXPECT_EQ(visible, 1);
}

constexpr Note kRemoved2 = {GSN_PAGEREMOVED, 2};
constexpr Note kHeld = {kRedraw, FALSE};
constexpr Note kResumed = {kRedraw, TRUE};

INSTANTIATE_TEST_SUITE_P(
    Cases, PageSwitcherRemoval,
    testing::Values(Removal{0, 2, "ADRESSE", {kRemoved2, kHeld, kResumed}},
                    Removal{2, 0, "NOTIZ", {kRemoved2, kHeld, kResumed}},
                    Removal{1, 1, "ADRESSE", {kRemoved2, kHeld, {GSN_PAGECHANGED, 0}, kResumed}},
                    Removal{2, 2, "ADRESSE", {kRemoved2, kHeld, {GSN_PAGECHANGED, 0}, kResumed}},
                    Removal{0, 0, "KONTO", {kRemoved2, kHeld, {GSN_PAGECHANGED, 0}, kResumed}}));

// A dialog that destroys the switcher when told of a removal ends it there;
// one that removes the same page again changes nothing more.
TEST_F(PageSwitcherTest, ADialogThatActsOnARemoval) {
    HWND s = Switcher("ADRESSE+KONTO+NOTIZ");
    g_onRemoved = OnRemoved::kDestroys;
    g_steps.clear();
    SendMessageA(s, GSM_REMOVEPAGE, 0, 1);
    EXPECT_FALSE(IsWindow(s));
    EXPECT_EQ(g_steps, (Notes{kRemoved2}));
    EXPECT_EQ(Control(201), nullptr);
    EXPECT_NE(Control(101), nullptr); // the dialog's, as ever

    s = Switcher("ADRESSE+KONTO+NOTIZ");
    g_onRemoved = OnRemoved::kRemovesAgain;
    g_removedAgain = 1;
    g_steps.clear();
    SendMessageA(s, GSM_REMOVEPAGE, 0, 1);
    EXPECT_EQ(g_steps, (Notes{kRemoved2, kHeld, kResumed}));
    EXPECT_EQ(Count(s), 2);
    EXPECT_EQ(CurrentName(s), "ADRESSE");
}

// In a hidden dialog, which removal must not make visible.
TEST_F(PageSwitcherTest, RemovingDownToOnePageAndToNone) {
    ShowWindow(dialog_, SW_HIDE);
    HWND s = Switcher("ADRESSE+KONTO");
    SendMessageA(s, GSM_REMOVEPAGE, 0, reinterpret_cast<LPARAM>("ADRESSE"));
    EXPECT_FALSE(GetWindowLongA(dialog_, GWL_STYLE) & WS_VISIBLE);
    // A lone page has no tab to show.
    EXPECT_FALSE(GetWindowLongA(Tab(s, 0), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(IsWindowEnabled(Tab(s, 0)));
    EXPECT_TRUE(GetWindowLongA(Control(201), GWL_STYLE) & WS_VISIBLE);
    SendMessageA(s, GSM_REMOVEPAGE, 0, 0);
    EXPECT_EQ(Count(s), 0);
    EXPECT_EQ(Current(s), -1);
    EXPECT_EQ(CurrentName(s), "unchanged");
    SendMessageA(s, GSM_REMOVEPAGE, 0, 0);
    EXPECT_EQ(Count(s), 0);
}

TEST_F(PageSwitcherTest, MissingTemplatesShowTheErrorWindow) {
    HWND s = Switcher("ADRESSE+FEHLT");
    EXPECT_EQ(Count(s), 1);
    HWND error = GetWindow(s, GW_CHILD);
    ASSERT_NE(error, nullptr);
    char text[64] = {};
    GetWindowTextA(error, text, sizeof text);
    EXPECT_STREQ(text, "GSeite : Ressource nicht gefunden");
    RECT r;
    GetWindowRect(error, &r);
    MapWindowPoints(nullptr, s, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(r == (RECT{30, 30, 230, 90}));
    EXPECT_TRUE(GetWindowLongA(error, GWL_STYLE) & WS_BORDER);

    // Two plus signs name an empty template in between.
    EXPECT_EQ(SendMessageA(s, GSM_ADDPAGES, reinterpret_cast<WPARAM>(GetModuleHandleA(nullptr)),
                           reinterpret_cast<LPARAM>("KONTO++NOTIZ")),
              3);
    EXPECT_EQ(Count(s), 3);
    EXPECT_NE(GetWindow(error, GW_HWNDNEXT), nullptr);

    HWND empty = Switcher(nullptr, 0, {0, 0, 300, 200}, kSwitcherId + 1);
    EXPECT_EQ(Count(empty), 0);
    EXPECT_EQ(GetWindow(empty, GW_CHILD), nullptr);
    // Pages added later: the first is shown.
    SendMessageA(empty, GSM_ADDPAGES, 0, reinterpret_cast<LPARAM>("WACHSEN"));
    EXPECT_EQ(Current(empty), 0);
    EXPECT_TRUE(Shown(402));
}

TEST_F(PageSwitcherTest, ACutTemplateLoadsItsCompleteItems) {
    HWND s = Switcher("KURZ+NOTIZ");
    EXPECT_EQ(Count(s), 2);
    EXPECT_TRUE(Shown(101));
    EXPECT_EQ(Control(102), nullptr);
}

TEST_F(PageSwitcherTest, AnEleventhPageIsRefused) {
    HWND s = Switcher("KONTO+KONTO+KONTO+KONTO+KONTO+KONTO+KONTO+KONTO+KONTO+KONTO+ADRESSE");
    EXPECT_EQ(Count(s), 10);
    EXPECT_EQ(Notifications().size(), 10u);
    EXPECT_EQ(Control(101), nullptr);
}

LONG_PTR g_hookData = 0;
HWND g_hooked = nullptr;

LRESULT CALLBACK SwallowCommands(HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_COMMAND) {
        g_hookData = GetWindowLongPtrA(g_hooked, GSWL_HOOKDATA);
    }
    return message == WM_COMMAND ? 1 : 0;
}

TEST_F(PageSwitcherTest, APageHookSeesTheDialogsMessagesFirst) {
    // A repeated initialisation finds the class registered already.
    InitQuorl();
    ExitQuorl();
    InitQuorl();
    HWND s = Switcher("ADRESSE+KONTO", GSS_HOOKDIALOG);
    HWND second = Switcher("NOTIZ", GSS_HOOKDIALOG, {0, 0, 300, 200}, kSwitcherId + 1);
    EXPECT_NE(GetWindowLongPtrA(s, GSWL_OLDPROC), 0);
    EXPECT_EQ(GetWindowLongPtrA(second, GSWL_OLDPROC), 0); // only the first hooks
    g_hooked = s;
    auto command = [&] {
        g_commands.clear();
        SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(55, 0), 0);
        return g_commands.size();
    };

    GSPAGEHOOK refused = {SwallowCommands, 7, 0};
    SendMessageA(s, GSM_SETPAGEHOOK, 0, reinterpret_cast<LPARAM>(&refused));
    EXPECT_EQ(command(), 1u);

    GSPAGEHOOK hook = {SwallowCommands, 1234, reinterpret_cast<LPARAM>("KONTO")};
    SendMessageA(s, GSM_SETPAGEHOOK, 0, reinterpret_cast<LPARAM>(&hook));
    EXPECT_EQ(command(), 0u);
    EXPECT_EQ(g_hookData, 1234);

    // The hook moves with its page and goes with it.
    SendMessageA(s, GSM_REMOVEPAGE, 0, 0);
    EXPECT_EQ(command(), 0u);
    SendMessageA(s, GSM_REMOVEPAGE, 0, 0);
    EXPECT_EQ(command(), 1u);

    DestroyWindow(s);
    EXPECT_EQ(GetWindowLongPtrA(dialog_, GWLP_WNDPROC), procedure_);
}

TEST_F(PageSwitcherTest, FocusFollowingShowsTheControlsPage) {
    HWND s = Switcher("ADRESSE+KONTO", GSS_HOOKDIALOG);
    EnableWindow(Control(202), FALSE);
    SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(202)), TRUE);
    EXPECT_EQ(Current(s), 0);
    g_commands.clear();
    SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(201)), TRUE);
    EXPECT_EQ(Current(s), 1);
    EXPECT_EQ(Notifications(), (Notes{{GSN_PAGECHANGED, 1}}));
    EXPECT_EQ(GetFocus(), Control(201));
}

TEST_F(PageSwitcherTest, KeyboardReachesTheCurrentTabAndArrowsSwitchPages) {
    HWND before = CreateWindowExA(0, "Button", "Vorher", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 210,
                                  60, 20, dialog_, reinterpret_cast<HMENU>(kBeforeId),
                                  GetModuleHandleA(nullptr), nullptr);
    SetWindowPos(before, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    HWND s = Switcher("ADRESSE+KONTO+NOTIZ");
    SetFocus(before);
    auto key = [&](WPARAM vk) {
        MSG msg = {GetFocus(), WM_KEYDOWN, vk, 0, 0, {0, 0}};
        IsDialogMessageA(dialog_, &msg);
        PumpMessages();
    };
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), Tab(s, 0));
    g_commands.clear();
    key(VK_RIGHT);
    EXPECT_EQ(GetFocus(), Tab(s, 1));
    EXPECT_EQ(Current(s), 1);
    EXPECT_EQ(Notifications(), (Notes{{GSN_PAGECHANGED, 1}}));
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), Control(201));
}

TEST_F(PageSwitcherTest, APageGrowsAroundItsAnchor) {
    HWND s = Switcher("WACHSEN");
    const RECT group = InDialog(Control(401));
    const RECT anchor = InDialog(Control(402));
    const RECT beside = InDialog(Control(403));
    EXPECT_FALSE(GetWindowLongA(Control(402), GWL_STYLE) & WS_THICKFRAME);
    auto resize = [&](int width) {
        SetWindowPos(s, nullptr, 0, 0, width, 200, SWP_NOMOVE | SWP_NOZORDER);
    };

    resize(340);
    EXPECT_EQ(InDialog(Control(402)).right, anchor.right + 40);
    EXPECT_EQ(InDialog(Control(402)).left, anchor.left);
    EXPECT_EQ(InDialog(Control(403)).left, beside.left + 40);
    EXPECT_EQ(InDialog(Control(403)).right, beside.right + 40);
    EXPECT_EQ(InDialog(Control(401)).right, group.right + 40);

    // Narrower than at load: back to the designed size, no further; then
    // only the part beyond it counts.
    resize(250);
    EXPECT_TRUE(InDialog(Control(402)) == anchor);
    EXPECT_TRUE(InDialog(Control(403)) == beside);
    resize(320);
    EXPECT_EQ(InDialog(Control(402)).right, anchor.right + 20);
}

struct Pixel {
    int x;
    int y;
    COLORREF colour;
};

class PageSwitcherPixels : public PageSwitcherTest, public testing::WithParamInterface<Pixel> {};

// Three pages in 300 x 200, page 1 shown: junctions 5008, 5009, 5010 and
// 5008 between the tabs, the frame's top edge under tabs 0 and 2.
TEST_P(PageSwitcherPixels, TabRowAndFrame) {
    HWND s = Switcher("ADRESSE+KONTO+NOTIZ");
    SendMessageA(s, GSM_SELECTPAGE, 0, 1);
    UpdateWindow(dialog_);
    const Pixel& p = GetParam();
    EXPECT_EQ(ClientPixel(dialog_, p.x, p.y), p.colour) << p.x << "," << p.y;
}

INSTANTIATE_TEST_SUITE_P(Row, PageSwitcherPixels,
                         testing::Values(
                             // left end: right half of 5008 (its columns 3 to 6)
                             Pixel{3, 1, kBlack}, Pixel{2, 3, kWhite}, Pixel{2, 4, kSilver},
                             // 5009 at 96: row 2 DKLLLKWW
                             Pixel{96, 2, kGrey}, Pixel{97, 2, kBlack}, Pixel{103, 2, kWhite},
                             // 5010 at 196: row 0 KLLLLLLL; rows 26 to 28 open into the frame
                             Pixel{196, 0, kBlack}, Pixel{200, 26, kBlack}, Pixel{198, 28, kGrey},
                             Pixel{199, 28, kWhite},
                             // right end: left half of 5008
                             Pixel{296, 2, kGrey}, Pixel{297, 2, kBlack}, Pixel{299, 2, kSilver},
                             // outlines: double top line, third line of the current tab, the
                             // frame's edge under the others only
                             Pixel{150, 0, kBlack}, Pixel{150, 1, kWhite}, Pixel{150, 2, kWhite},
                             Pixel{250, 2, kSilver}, Pixel{250, 26, kBlack}, Pixel{250, 28, kWhite},
                             Pixel{150, 26, kSilver},
                             // the frame
                             Pixel{0, 100, kBlack}, Pixel{2, 100, kWhite}, Pixel{3, 100, kSilver},
                             Pixel{299, 100, kBlack}, Pixel{297, 100, kGrey},
                             Pixel{150, 199, kBlack}, Pixel{150, 197, kGrey},
                             Pixel{150, 196, kSilver}));

// A single-line label as the platform draws it: opaque text at the top
// left of its rectangle.
int DifferingPixels(HWND window, const RECT& r, HFONT font, const char* text) {
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HGDIOBJ oldFont = SelectObject(memory, font);
    SetBkColor(memory, kSilver);
    SetTextColor(memory, kBlack);
    const RECT area = {0, 0, w, h};
    ExtTextOutA(memory, 0, 0, ETO_OPAQUE, &area, text, lstrlenA(text), nullptr);
    int differing = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            differing += GetPixel(memory, x, y) != GetPixel(screen, r.left + x, r.top + y);
        }
    }
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return differing;
}

TEST_F(PageSwitcherTest, LabelsArePaintedInTheirFonts) {
    HWND s = Switcher("ADRESSE+KONTO");
    HDC dc = GetDC(nullptr);
    HFONT large = CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    // The library's font as its profile default gives it: Modern, 8 points, 500.
    HFONT shared = CreateFontA(MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, 500, 0, 0, 0,
                               0, 0, 0, 0, 0, "Modern");
    ReleaseDC(nullptr, dc);
    SendMessageA(s, WM_SETFONT, reinterpret_cast<WPARAM>(large), FALSE);
    auto repaint = [&] { RedrawWindow(dialog_, nullptr, nullptr, kRepaintAll); };
    repaint();
    EXPECT_EQ(SendMessageA(Control(102), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(large));
    // "Name:" at (0, 4, 30, 8) in dialog units takes the switcher's font.
    const BaseUnits u = SystemUnits();
    const int top = 26 + MulDiv(4, u.y, 8);
    EXPECT_EQ(DifferingPixels(s, {0, top, MulDiv(30, u.x, 4), top + u.y}, large, "Name:"), 0);

    // "Nummer" carries the shared-font style and keeps the library's font.
    SendMessageA(s, GSM_SELECTPAGE, 0, 1);
    repaint();
    const BaseUnits k = FontUnits(8, "Tahoma");
    EXPECT_EQ(DifferingPixels(s, {0, 26, MulDiv(40, k.x, 4), 26 + k.y}, shared, "Nummer"), 0);
    DestroyWindow(s);
    DeleteObject(large);
    DeleteObject(shared);
}

} // namespace
