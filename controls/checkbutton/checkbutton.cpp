// Window procedure of QUCHECK: a check box or radio button with a bitmap
// mark, and the tab of the page switcher in tab mode. The press, focus and
// caption behaviour is the shared push behaviour; this file adds the
// check, the group walk, the tab and the print picture.
#include "controls/checkbutton/checkbutton.h"

#include "controls/checkbutton/checkbutton_data.h"
#include "controls/checkbutton/shared_marks.h"
#include "core/accessible.h"
#include "core/bitmaps.h"
#include "core/library.h"
#include "core/local_block.h"
#include "core/paint_dc.h"
#include "core/push_behaviour.h"

namespace quorl::checkbutton {

namespace {

using Block = LocalBlock<CheckButtonData>;

static_assert(GSM_TABACTIVATED == 0x0541);
#ifndef _WIN64
static_assert(sizeof(CheckTabParams) == 8 && offsetof(CheckTabParams, bitmapName) == 4);
#endif

constexpr LRESULT kPaintDCAnswer = 1;

bool ClicksOnFocus(HWND window) {
    return SelectsOnFocus(static_cast<unsigned long>(StyleOf(window)));
}

void DrawFocus(HWND window, CheckButtonData* data, HDC dc) {
    UpdateFocusFrame(window, data, dc);
}

bool ApplyClick(HWND window, CheckButtonData* data, ClickSource source);

constexpr PushBehaviour<CheckButtonData> kPush({RepaintNow, DrawFocus, ApplyClick, ClicksOnFocus,
                                                true, &kClass});

bool HasState(HWND window, LONG bits) {
    return (StateOf(window) & bits) != 0;
}

WORD LowWordOf(HWND window) {
    return LOWORD(reinterpret_cast<UINT_PTR>(window));
}

void SetCheck(HWND window, CheckButtonData* data, WPARAM check) {
    const bool checked = check != 0;
    kPush.ChangeState(window, data, QCSTATE_CHECKED, checked);
    const LONG style = StyleOf(window);
    if (IsRadioType(static_cast<unsigned long>(style))) {
        // In a radio group only the checked member is a tab stop.
        const LONG updated = checked ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        if (updated != style) {
            SetWindowLongA(window, GWL_STYLE, updated);
        }
    }
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Every window the dialog manager's group walk can yield is a descendant
// of the dialog; a walk longer than that circles.
int DescendantCount(HWND dialog) {
    int count = 0;
    if (dialog != nullptr) {
        EnumChildWindows(dialog, CountWindow, reinterpret_cast<LPARAM>(&count));
    }
    return count;
}

// Unchecks the other members of the group, last one first, then checks
// the control. When the control is hidden or disabled the dialog manager
// passes over it and the walk would circle for ever: it then ends where it
// began (or after as many steps as there are windows), and the control is
// checked anyway, as it is when there is no dialog to walk.
void GroupWalk(HWND window) {
    HWND dialog = GetParent(window);
    const int limit = DescendantCount(dialog);
    HWND first = nullptr;
    HWND item = window;
    for (int step = 0; step < limit; ++step) {
        item = GetNextDlgGroupItem(dialog, item, TRUE);
        if (item == nullptr || item == first) {
            break;
        }
        if (first == nullptr) {
            first = item;
        }
        SendMessageA(item, BM_SETCHECK, item == window ? 1 : 0, 0);
        if (item == window) {
            return;
        }
    }
    SendMessageA(window, BM_SETCHECK, 1, 0);
}

// The check button's part of a click: the check, then the tab's owner or
// (unless the automatic radio button already told it when the press gave
// it the focus) the parent.
bool ApplyClick(HWND window, CheckButtonData* data, ClickSource source) {
    const auto style = static_cast<unsigned long>(StyleOf(window));
    switch (ClickActionOf(style)) {
    case ClickAction::SelectInGroup:
        GroupWalk(window);
        break;
    case ClickAction::Toggle:
        SetCheck(window, data, HasState(window, QCSTATE_CHECKED) ? 0 : 1);
        break;
    case ClickAction::NotifyOnly:
        break;
    }
    if ((style & QCS_TABMODE) != 0) {
        if (HWND owner = data != nullptr ? data->owner : nullptr) {
            SendMessageA(owner, GSM_TABACTIVATED, reinterpret_cast<WPARAM>(window),
                         LowWordOf(window));
        }
        return false;
    }
    return source != ClickSource::Mouse || !SelectsOnFocus(style);
}

void LoadMarks(HWND window, const CREATESTRUCTA& create, CheckButtonData& data) {
    const auto style = static_cast<unsigned long>(create.style);
    const auto* tab = static_cast<const CheckTabParams*>(create.lpCreateParams);
    if ((style & QCS_TABMODE) != 0 && tab != nullptr) {
        data.owner = tab->owner;
        HBITMAP face = KeepAsDibSection(LoadControlBitmap(window, tab->bitmapName));
        for (HBITMAP& mark : data.marks) {
            mark = face;
        }
        return;
    }
    const int base = MarkBaseId(style);
    for (int i = 0; i < kMarkCount; ++i) {
        // The library is searched first, so its marks, where it has them, are the shared ones.
        data.marks[i] = SharedMark(base + i);
        if (data.marks[i] == nullptr) {
            data.marks[i] = LoadControlBitmap(window, MAKEINTRESOURCEA(base + i));
        }
    }
}

// In tab mode the four fields share one bitmap: each is deleted once. The
// library's shared marks stay for the other controls.
void DeleteMarks(CheckButtonData& data) {
    for (int i = 0; i < kMarkCount; ++i) {
        bool earlier = false;
        for (int j = 0; j < i; ++j) {
            earlier = earlier || data.marks[j] == data.marks[i];
        }
        if (data.marks[i] != nullptr && !earlier && !IsSharedMark(data.marks[i])) {
            DeleteObject(data.marks[i]);
        }
        data.marks[i] = nullptr;
    }
}

// What the window owns: its marks and its block. Released at destruction,
// and by a repeated WM_CREATE before it makes them again.
void Release(HWND window, Block& block) {
    if (block) {
        DeleteMarks(*block.get());
    }
    block.Unlock();
    Block::Destroy(window, QCWL_DATA);
}

LRESULT OnCreate(HWND window, Block& earlier, LPARAM lParam) {
    if (lParam == 0) {
        return 0; // a hand-sent message without its record changes nothing
    }
    const auto& create = *reinterpret_cast<const CREATESTRUCTA*>(lParam);
    Release(window, earlier);
    if (Block::Create(window, QCWL_DATA) == nullptr) {
        return kFailCreation; // no record: CreateWindowEx reports the failure
    }
    Block block(window, QCWL_DATA);
    if (block) {
        LoadMarks(window, create, *block.get());
    }
    kPush.Create(window, block.get(), create);
    if ((create.style & QCS_CHECKED) != 0) {
        SetCheck(window, block.get(), 1);
    }
    return DefWindowProcA(window, WM_CREATE, 0, lParam);
}

LRESULT OnPaint(HWND window, const CheckButtonData* data, WPARAM given) {
    if (PaintDC dc(window, given); dc) {
        Paint(window, data, dc.get());
    }
    return 0;
}

LRESULT OnNcDestroy(HWND window, Block& block, WPARAM wParam, LPARAM lParam) {
    Release(window, block);
    return DefWindowProcA(window, WM_NCDESTROY, wParam, lParam);
}

LRESULT OnGetDlgCode(HWND window) {
    return IsRadioType(static_cast<unsigned long>(StyleOf(window))) ? DLGC_RADIOBUTTON
                                                                    : DLGC_BUTTON;
}

LRESULT OnPaintDC(HWND window, const CheckButtonData* data, WPARAM dc, LPARAM area) {
    if (dc != 0 && area != 0) {
        PrintRender(window, data, reinterpret_cast<HDC>(dc), *reinterpret_cast<const RECT*>(area));
    }
    return kPaintDCAnswer;
}

constexpr wchar_t kCheckAction[] = L"Aktivieren";
constexpr wchar_t kUncheckAction[] = L"Deaktivieren";

LONG AccessibleRole(HWND window) {
    const auto style = static_cast<unsigned long>(StyleOf(window));
    if ((style & QCS_TABMODE) != 0) {
        return ROLE_SYSTEM_PAGETAB;
    }
    return IsRadioType(style) ? ROLE_SYSTEM_RADIOBUTTON : ROLE_SYSTEM_CHECKBUTTON;
}

// A checked tab is the selected one of its switcher.
LONG AccessibleState(HWND window) {
    const bool tab = (StyleOf(window) & QCS_TABMODE) != 0;
    LONG state = kPush.AccessibleState(window) | (tab ? STATE_SYSTEM_SELECTABLE : 0);
    if (HasState(window, QCSTATE_CHECKED)) {
        state |= tab ? STATE_SYSTEM_SELECTED : STATE_SYSTEM_CHECKED;
    }
    return state;
}

// A click checks a radio button or tab however often it comes; only a
// check box is unchecked by it.
const wchar_t* DefaultAction(HWND window) {
    const auto style = static_cast<unsigned long>(StyleOf(window));
    const bool unchecks =
        (style & QCS_TABMODE) == 0 && !IsRadioType(style) && HasState(window, QCSTATE_CHECKED);
    return unchecks ? kUncheckAction : kCheckAction;
}

constexpr AccessibleEntry kAccessible =
    kPush.Accessible<kPush>(AccessibleRole, AccessibleState, DefaultAction);

// The check button's own registered message; the shared behaviour answers
// the field-name message and the accessible object and passes the rest to
// the default procedure.
LRESULT OnRegisteredOrDefault(HWND window, CheckButtonData* data, UINT message, WPARAM wParam,
                              LPARAM lParam) {
    if (IsRegisteredMessage(g_library.msgPaintDC, message)) {
        return OnPaintDC(window, data, wParam, lParam);
    }
    return kPush.Proc(window, data, message, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Block block(window, QCWL_DATA);
    CheckButtonData* data = block.get();
    switch (message) {
    case WM_CREATE:
        return OnCreate(window, block, lParam);
    case WM_NCDESTROY:
        return OnNcDestroy(window, block, wParam, lParam);
    case WM_PAINT:
        return OnPaint(window, data, wParam);
    case WM_GETDLGCODE:
        return OnGetDlgCode(window);
    case BM_GETCHECK:
        return HasState(window, QCSTATE_CHECKED) ? 1 : 0;
    case BM_SETCHECK:
        SetCheck(window, data, wParam);
        return 0;
    default:
        return OnRegisteredOrDefault(window, data, message, wParam, lParam);
    }
}

} // namespace

const ClassDescriptor kClass = {.name = QUCHECK_CLASSA,
                                .style = kWithDoubleClicks,
                                .extraBytes = sizeof(PushWindowLongs),
                                .background = LightGreyBrush,
                                .procedure = WindowProc,
                                .teardown = ReleaseSharedMarks,
                                .accessible = &kAccessible};

} // namespace quorl::checkbutton
