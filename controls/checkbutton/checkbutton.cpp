// Window procedure of QUCHECK: a check box or radio button with a bitmap
// mark, and the tab of the page switcher in tab mode.
#include "controls/checkbutton/checkbutton.h"

#include "controls/checkbutton/checkbutton_data.h"
#include "core/bitmaps.h"
#include "core/helpers.h"
#include "core/library.h"
#include "core/text.h"

namespace quorl::checkbutton {

namespace {

static_assert(QC_MARKS_RADIO == kRadioMarksBase && QC_MARKS_CHECKBOX == kCheckBoxMarksBase);
static_assert(GSM_TABACTIVATED == 0x0541);
static_assert(QCWL_STATE == kStateWordIndex);
#ifndef _WIN64
static_assert(sizeof(CheckTabParams) == 8 && offsetof(CheckTabParams, bitmapName) == 4);
#endif

constexpr LONG kInteraction = kStatePushed | kStateTracking | kStateOutside;
constexpr WORD kClickedCode = BN_CLICKED;
constexpr WORD kFocusGained = WM_SETFOCUS;
constexpr WORD kFocusLost = WM_KILLFOCUS;
constexpr LRESULT kFieldNameAnswer = 2;
constexpr LRESULT kPaintDCAnswer = 1;

bool HasState(HWND window, LONG bits) {
    return (StateOf(window) & bits) != 0;
}

// Changes state bits and repaints when the word really changed.
void SetStateBits(HWND window, LONG bits, bool set) {
    if (ChangeStateBits(window, bits, set ? TRUE : FALSE)) {
        RepaintNow(window);
    }
}

WORD LowWordOf(HWND window) {
    return LOWORD(reinterpret_cast<UINT_PTR>(window));
}

void CheckNotifyFocus(HWND window, WORD change) {
    if (g_library.msgFocusNotify == 0) {
        return;
    }
    const auto id = static_cast<UINT>(GetDlgCtrlID(window));
    SendMessageA(GetParent(window), g_library.msgFocusNotify, id,
                 MAKELPARAM(LowWordOf(window), change));
}

void CheckSetCheck(HWND window, WPARAM check) {
    const bool checked = check != 0;
    SetStateBits(window, kStateChecked, checked);
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
void CheckGroupWalk(HWND window) {
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

HWND TabOwnerOf(HWND window) {
    LockedData data(window);
    return data ? data->owner : nullptr;
}

// The common end of every completed press.
void CheckClick(HWND window, bool notify) {
    SetStateBits(window, kInteraction, false);
    const auto style = static_cast<unsigned long>(StyleOf(window));
    switch (ClickActionOf(style)) {
    case ClickAction::SelectInGroup:
        CheckGroupWalk(window);
        break;
    case ClickAction::Toggle:
        CheckSetCheck(window, HasState(window, kStateChecked) ? 0 : 1);
        break;
    case ClickAction::NotifyOnly:
        break;
    }
    if ((style & kStyleTabMode) != 0) {
        if (HWND owner = TabOwnerOf(window)) {
            SendMessageA(owner, GSM_TABACTIVATED, reinterpret_cast<WPARAM>(window),
                         LowWordOf(window));
        }
        return;
    }
    if (notify) {
        const auto id = static_cast<WORD>(GetDlgCtrlID(window));
        SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(id, kClickedCode),
                     reinterpret_cast<LPARAM>(window));
    }
}

void LoadMarks(HWND window, const CREATESTRUCTA& create, CheckButtonData& data) {
    const auto style = static_cast<unsigned long>(create.style);
    const auto* tab = static_cast<const CheckTabParams*>(create.lpCreateParams);
    if ((style & kStyleTabMode) != 0 && tab != nullptr) {
        data.owner = tab->owner;
        HBITMAP face = LoadControlBitmap(window, tab->bitmapName);
        for (HBITMAP& mark : data.marks) {
            mark = face;
        }
        return;
    }
    const int base = MarkBaseId(style);
    for (int i = 0; i < kMarkCount; ++i) {
        data.marks[i] = LoadControlBitmap(window, MAKEINTRESOURCEA(base + i));
    }
}

LRESULT CheckOnCreate(HWND window, LPARAM lParam) {
    const auto& create = *reinterpret_cast<const CREATESTRUCTA*>(lParam);
    const auto style = static_cast<unsigned long>(create.style);
    // A name given as a resource ordinal is no text.
    const char* name = IS_INTRESOURCE(create.lpszName) ? nullptr : create.lpszName;

    LocalBlock<CheckButtonData>::Create(window, QCWL_DATA);
    if (LockedData data{window}) {
        LoadMarks(window, create, *data);
        data->font = (style & kStyleSharedFont) != 0
                         ? g_library.controlFont
                         : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
        ExtractFieldName(name, data->fieldName);
    }
    SetCaptionText(window, name);
    if ((style & WS_DISABLED) != 0) {
        SetStateBits(window, kStateDisabled, true);
    }
    if ((style & kStyleChecked) != 0) {
        CheckSetCheck(window, 1);
    }
    return DefWindowProcA(window, WM_CREATE, 0, lParam);
}

LRESULT CheckOnSetFocus(HWND window) {
    SetStateBits(window, kStateFocused, true);
    UpdateFocusFrame(window, nullptr);
    if (SelectsOnFocus(static_cast<unsigned long>(StyleOf(window)))) {
        CheckClick(window, true);
    }
    CheckNotifyFocus(window, kFocusGained);
    return 0;
}

LRESULT CheckOnKillFocus(HWND window) {
    SetStateBits(window, kStateFocused, false);
    UpdateFocusFrame(window, nullptr);
    CheckNotifyFocus(window, kFocusLost);
    return 0;
}

LRESULT CheckOnEnable(HWND window, WPARAM enabled) {
    SetStateBits(window, kStateDisabled, enabled == 0);
    return 0;
}

LRESULT CheckOnSetText(HWND window, LPARAM text) {
    InvalidateRect(window, nullptr, TRUE);
    return SetCaptionText(window, reinterpret_cast<LPCSTR>(text));
}

LRESULT CheckOnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    Paint(window, dc);
    EndPaint(window, &ps);
    return 0;
}

LRESULT CheckOnEraseBkgnd(HWND window, WPARAM dc, LPARAM lParam) {
    const LRESULT erased = DefWindowProcA(window, WM_ERASEBKGND, dc, lParam);
    if (HasState(window, kStateFocused)) {
        UpdateFocusFrame(window, reinterpret_cast<HDC>(dc));
    }
    return erased;
}

LRESULT CheckOnSetFont(HWND window, WPARAM font) {
    if ((StyleOf(window) & kStyleSharedFont) != 0) {
        return 0;
    }
    if (LockedData data{window}) {
        data->font = reinterpret_cast<HFONT>(font);
    }
    InvalidateRect(window, nullptr, TRUE);
    return 0;
}

LRESULT CheckOnNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    if (LockedData data{window}) {
        // In tab mode the four fields share one bitmap: delete each once.
        for (int i = 0; i < kMarkCount; ++i) {
            bool earlier = false;
            for (int j = 0; j < i; ++j) {
                earlier = earlier || data->marks[j] == data->marks[i];
            }
            if (data->marks[i] != nullptr && !earlier) {
                DeleteObject(data->marks[i]);
            }
            data->marks[i] = nullptr;
        }
    }
    LocalBlock<CheckButtonData>::Destroy(window, QCWL_DATA);
    return DefWindowProcA(window, WM_NCDESTROY, wParam, lParam);
}

LRESULT CheckOnGetDlgCode(HWND window) {
    return IsRadioType(static_cast<unsigned long>(StyleOf(window))) ? DLGC_RADIOBUTTON
                                                                    : DLGC_BUTTON;
}

LRESULT CheckOnKeyDown(HWND window, WPARAM key) {
    if (key == VK_SPACE && !HasState(window, kStateTracking | kStatePushed)) {
        SetStateBits(window, kStatePushed, true);
    }
    return 0;
}

LRESULT CheckOnKeyUp(HWND window, WPARAM key) {
    if (key == VK_SPACE && HasState(window, kStatePushed)) {
        CheckClick(window, true);
    }
    return 0;
}

LRESULT CheckOnMouseMove(HWND window, LPARAM point) {
    if (HasState(window, kStateTracking)) {
        SetStateBits(window, kStateOutside, !HitTestClient(window, point));
    }
    return 0;
}

LRESULT CheckOnLButtonDown(HWND window, LPARAM point) {
    if (!HitTestClient(window, point) || HasState(window, kStatePushed)) {
        return 0;
    }
    if (GetFocus() != window) {
        SetFocus(window);
    }
    SetStateBits(window, kStateTracking, true);
    SetCapture(window);
    return 0;
}

LRESULT CheckOnLButtonUp(HWND window) {
    if (!HasState(window, kStateTracking)) {
        return 0;
    }
    ReleaseCapture();
    if (HasState(window, kStateOutside)) {
        SetStateBits(window, kStateTracking | kStateOutside, false);
        return 0;
    }
    // The automatic radio button already notified when the press gave it the focus.
    CheckClick(window, !SelectsOnFocus(static_cast<unsigned long>(StyleOf(window))));
    return 0;
}

LRESULT CheckOnGetFieldName(HWND window, UINT message, WPARAM size, LPARAM buffer) {
    LockedData data(window);
    if (!data) {
        return DefWindowProcA(window, message, size, buffer);
    }
    if (size != 0 && buffer != 0) {
        CopyFieldName(data->fieldName, size, reinterpret_cast<char*>(buffer));
    }
    return kFieldNameAnswer;
}

LRESULT CheckOnPaintDC(HWND window, WPARAM dc, LPARAM area) {
    if (dc != 0 && area != 0) {
        PrintRender(window, reinterpret_cast<HDC>(dc), *reinterpret_cast<const RECT*>(area));
    }
    return kPaintDCAnswer;
}

// The library's registered messages; anything else goes to the default procedure.
LRESULT OnRegisteredOrDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsRegisteredMessage(g_library.msgGetFieldName, message)) {
        return CheckOnGetFieldName(window, message, wParam, lParam);
    }
    if (IsRegisteredMessage(g_library.msgPaintDC, message)) {
        return CheckOnPaintDC(window, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return CheckOnCreate(window, lParam);
    case WM_SETFOCUS:
        return CheckOnSetFocus(window);
    case WM_KILLFOCUS:
        return CheckOnKillFocus(window);
    case WM_ENABLE:
        return CheckOnEnable(window, wParam);
    case WM_SETTEXT:
        return CheckOnSetText(window, lParam);
    case WM_GETTEXT:
        return GetCaptionText(window, wParam, lParam);
    case WM_PAINT:
        return CheckOnPaint(window);
    case WM_ERASEBKGND:
        return CheckOnEraseBkgnd(window, wParam, lParam);
    case WM_SETFONT:
        return CheckOnSetFont(window, wParam);
    case WM_NCDESTROY:
        return CheckOnNcDestroy(window, wParam, lParam);
    case WM_GETDLGCODE:
        return CheckOnGetDlgCode(window);
    case BM_GETCHECK:
        return HasState(window, kStateChecked) ? 1 : 0;
    case BM_SETCHECK:
        CheckSetCheck(window, wParam);
        return 0;
    case BM_GETSTATE:
        return HasState(window, kStatePushed) ? 1 : 0;
    case BM_SETSTATE:
        SetStateBits(window, kStatePushed, wParam != 0);
        return 0;
    case WM_KEYDOWN:
        return CheckOnKeyDown(window, wParam);
    case WM_KEYUP:
        return CheckOnKeyUp(window, wParam);
    case WM_MOUSEMOVE:
        return CheckOnMouseMove(window, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return CheckOnLButtonDown(window, lParam);
    case WM_LBUTTONUP:
        return CheckOnLButtonUp(window);
    default:
        return OnRegisteredOrDefault(window, message, wParam, lParam);
    }
}

} // namespace

const ClassDescriptor kClass = {
    QUCHECK_CLASS, kWithDoubleClicks, sizeof(WindowLongs), LightGreyBrush, WindowProc, nullptr,
    nullptr,       nullptr,
};

} // namespace quorl::checkbutton
