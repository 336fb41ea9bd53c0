#include "controls/textlabel/textlabel.h"

#include <cstddef>
#include <cstring>

#include "controls/textlabel/text_layout.h"
#include "controls/textlabel/text_painter.h"
#include "core/accessible.h"
#include "core/helpers.h"
#include "core/library.h"
#include "core/local_block.h"
#include "core/paint_dc.h"
#include "core/text.h"

namespace quorl::textlabel {

namespace {

static_assert(DT_CENTER == GTS_CENTER && DT_RIGHT == GTS_RIGHT && DT_VCENTER == GTS_VCENTER &&
              DT_SINGLELINE == GTS_SINGLELINE &&
              (DT_WORDBREAK | DT_EXPANDTABS) == kWordBreakAndTabs && DT_CALCRECT == kCalcRect);

constexpr COLORREF kEnabledTextColour = RGB(0, 0, 0);
constexpr COLORREF kBackgroundColour = RGB(0xC0, 0xC0, 0xC0);
constexpr int kTextBufferSize = 256; // a label shows at most 255 characters

WindowLongs ReadLongs(HWND window) {
    return {reinterpret_cast<HFONT>(GetWindowLongPtrA(window, GTWL_FONT)),
            reinterpret_cast<HLOCAL>(GetWindowLongPtrA(window, GTWL_FIELDNAME))};
}

DWORD StyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
}

// A block exactly as large as the window name, holding the field name.
HLOCAL CreateFieldNameBlock(const char* windowName) {
    if (IS_INTRESOURCE(windowName)) {
        return nullptr;
    }
    const char* name = LabelFieldName(windowName);
    if (name == nullptr) {
        return nullptr;
    }
    const std::size_t nameBytes = std::strlen(name) + 1;
    HLOCAL block = LocalBlock<char>::Allocate(std::strlen(windowName) + 1);
    if (block == nullptr) {
        return nullptr;
    }
    if (LocalBlock<char> copy(block); copy) {
        std::memcpy(copy.get(), name, nameBytes);
        return block;
    }
    LocalFree(block);
    return nullptr;
}

// The parent repaints its background under the label before the label
// paints again; the parent's invalidation takes the label along. Only a
// parent that clips its children leaves them out, and then the label asks
// for its repaint itself, so that it is painted once either way.
void InvalidateInParent(HWND window) {
    HWND parent = GetParent(window);
    if (parent != nullptr) {
        RECT area;
        GetClientRect(window, &area);
        MapWindowPoints(window, parent, reinterpret_cast<POINT*>(&area), 2);
        InvalidateRect(parent, &area, TRUE);
    }
    if (parent == nullptr || (GetWindowLongA(parent, GWL_STYLE) & WS_CLIPCHILDREN) != 0) {
        InvalidateRect(window, nullptr, FALSE);
    }
}

void PaintLabel(HWND window, HDC dc) {
    const WindowLongs record = ReadLongs(window);
    RECT client;
    GetClientRect(window, &client);
    char text[kTextBufferSize] = "";
    DefWindowProcA(window, WM_GETTEXT, kTextBufferSize, reinterpret_cast<LPARAM>(text));
    SetTextColor(dc, IsWindowEnabled(window) ? kEnabledTextColour : GetSysColor(COLOR_BTNSHADOW));
    SetBkColor(dc, kBackgroundColour);
    HGDIOBJ previousFont = record.font != nullptr ? SelectObject(dc, record.font) : nullptr;
    PaintStaticText(dc, StyleOf(window), text, client);
    if (previousFont != nullptr) {
        SelectObject(dc, previousFont);
    }
}

// After a change of text, font or enabled state, whatever the style: the
// parent is told to repaint under the label, so that it sees the change as
// it always has. A hidden label is painted when it is shown.
void ShowChange(HWND window) {
    if (IsWindowVisible(window)) {
        InvalidateInParent(window);
    }
}

LRESULT OnCreate(HWND window, LPARAM lParam) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    HGDIOBJ font =
        (StyleOf(window) & GTS_SHAREDFONT) ? g_library.controlFont : GetStockObject(SYSTEM_FONT);
    SetWindowLongPtrA(window, GTWL_FONT, reinterpret_cast<LONG_PTR>(font));
    // A repeated WM_CREATE replaces the field name an earlier one made.
    LocalBlock<char>::Destroy(window, GTWL_FIELDNAME);
    HLOCAL block = create != nullptr ? CreateFieldNameBlock(create->lpszName) : nullptr;
    // A field name that could not be kept fails the creation.
    if (block == nullptr && create != nullptr && !IS_INTRESOURCE(create->lpszName) &&
        create->lpszName != nullptr && LabelFieldName(create->lpszName) != nullptr) {
        return kFailCreation;
    }
    SetLastError(ERROR_SUCCESS);
    if (SetWindowLongPtrA(window, GTWL_FIELDNAME, reinterpret_cast<LONG_PTR>(block)) == 0 &&
        GetLastError() != ERROR_SUCCESS) {
        LocalFree(block);
        return kFailCreation;
    }
    return DefWindowProcA(window, WM_CREATE, 0, lParam);
}

LRESULT OnEnable(HWND window, WPARAM enabled) {
    DefWindowProcA(window, WM_ENABLE, enabled, 0);
    ShowChange(window);
    NotifyAccessible(EVENT_OBJECT_STATECHANGE, window);
    return 0;
}

// The default result is kept: SetWindowTextA reports it to its caller.
LRESULT OnSetText(HWND window, LPARAM text) {
    const LRESULT result = DefWindowProcA(window, WM_SETTEXT, 0, text);
    ShowChange(window);
    NotifyAccessible(EVENT_OBJECT_NAMECHANGE, window);
    return result;
}

LRESULT OnPaint(HWND window, WPARAM given) {
    if (PaintDC paint(window, given); paint) {
        PaintLabel(window, paint.get());
    }
    return 0;
}

LRESULT OnSetFont(HWND window, WPARAM font, LPARAM redraw) {
    // The same font again repaints too: the parent is told of every change.
    if ((StyleOf(window) & GTS_SHAREDFONT) == 0) {
        SetWindowLongPtrA(window, GTWL_FONT, static_cast<LONG_PTR>(font));
        ShowChange(window);
    }
    return DefWindowProcA(window, WM_SETFONT, font, redraw);
}

LRESULT OnNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    LocalBlock<char>::Destroy(window, GTWL_FIELDNAME);
    return DefWindowProcA(window, WM_NCDESTROY, wParam, lParam);
}

// Without a field name the request goes on to the default procedure.
LRESULT OnGetFieldName(HWND window, UINT message, WPARAM size, LPARAM buffer) {
    HLOCAL block = ReadLongs(window).fieldName;
    if (block == nullptr) {
        return DefWindowProcA(window, message, size, buffer);
    }
    // A negative size is no room at all, not a huge buffer.
    if (static_cast<INT_PTR>(size) <= 0 || buffer == 0) {
        return 1;
    }
    const LocalBlock<char> name(block);
    if (!name) {
        return DefWindowProcA(window, message, size, buffer);
    }
    CopyFieldName(name.get(), static_cast<INT_PTR>(size), reinterpret_cast<char*>(buffer));
    return 1;
}

// The library's registered messages; anything else goes to the default procedure.
LRESULT OnRegisteredOrDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsRegisteredMessage(g_library.msgGetFieldName, message)) {
        return OnGetFieldName(window, message, wParam, lParam);
    }
    return DefControlProc(kClass, window, message, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window, lParam);
    case WM_ENABLE:
        return OnEnable(window, wParam);
    case WM_SETTEXT:
        return OnSetText(window, lParam);
    case WM_GETTEXT:
        return GetCaptionText(window, wParam, lParam);
    case WM_PAINT:
        return OnPaint(window, wParam);
    case WM_PRINTCLIENT:
        return PrintClient(window, wParam, lParam);
    case WM_SETFONT:
        return OnSetFont(window, wParam, lParam);
    case WM_NCDESTROY:
        return OnNcDestroy(window, wParam, lParam);
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    default:
        return OnRegisteredOrDefault(window, message, wParam, lParam);
    }
}

// A group frame groups the controls it surrounds; any other label is text.
LONG AccessibleRole(HWND window) {
    return (StyleOf(window) & GTS_GROUP) != 0 ? ROLE_SYSTEM_GROUPING : ROLE_SYSTEM_STATICTEXT;
}

LONG AccessibleState(HWND) {
    return STATE_SYSTEM_READONLY;
}

constexpr AccessibleEntry kAccessible = {.role = AccessibleRole, .state = AccessibleState};

} // namespace

const ClassDescriptor kClass = {.name = GTEXT_CLASSA,
                                .style = kRedrawOnResize,
                                .extraBytes = sizeof(WindowLongs),
                                .background = NoBrush,
                                .procedure = WindowProc,
                                .accessible = &kAccessible};

} // namespace quorl::textlabel
