// Graphic push button, class QUORL: creation and destruction, the picture
// search, the mouse and space-bar state machine, notifications and the
// palette messages. Painting and the picture panel live beside this file.
#include "controls/button/button.h"

#include <cstring>

#include "controls/button/button_internal.h"
#include "controls/button/button_layout.h"
#include "core/bitmaps.h"
#include "core/helpers.h"
#include "core/library.h"
#include "core/text.h"

namespace quorl::button {

namespace {

constexpr char kFieldNameMark = ',';
constexpr LRESULT kFieldNameCopied = 2;
constexpr DWORD kDialogCodePicture = DLGC_WANTARROWS;
constexpr DWORD kDialogCodeDefault = DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
constexpr DWORD kDialogCodeNormal = DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
static_assert(kDialogCodeDefault == 0x2010 && kDialogCodeNormal == 0x2020);

HWND Parent(HWND window) {
    return GetParent(window);
}

bool HasState(HWND window, LONG bits) {
    return (ButtonState(window) & bits) != 0;
}

void InvalidateAll(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
}

bool IsPaletteDisplay() {
    HDC probe = CreateCompatibleDC(nullptr);
    const bool palette = (GetDeviceCaps(probe, RASTERCAPS) & RC_PALETTE) != 0;
    DeleteDC(probe);
    return palette;
}

// Library first, so the stock pictures win, then the parent's module,
// then the button's own; on palette displays the 256-colour variant of
// each id is looked for first.
void ButtonChoosePicture(HWND window, ButtonBlock& block) {
    const int id = GetWindowLongA(window, GWL_ID);
    const PictureIds search = PictureSearchIds(id, IsPaletteDisplay());
    const ControlModules modules = ControlModulesOf(window);
    for (int i = 0; i < search.count; ++i) {
        for (HINSTANCE module : modules.order) {
            if (module == nullptr) {
                continue;
            }
            if (LoadBitmapPalette(module, MAKEINTRESOURCEA(search.ids[i]), &block.picture,
                                  &block.palette)) {
                return;
            }
            // A failed 8-bit load may still hand back the palette it built.
            if (block.palette != nullptr) {
                DeleteObject(block.palette);
                block.palette = nullptr;
            }
        }
    }
}

void ButtonStoreFieldName(ButtonBlock& block, LPCSTR text) {
    if (text == nullptr || IS_INTRESOURCE(text)) {
        return;
    }
    const char* comma = std::strchr(text, kFieldNameMark);
    if (comma == nullptr) {
        return;
    }
    std::strncpy(block.fieldName, comma + 1, kFieldNameSize - 1);
    block.fieldName[kFieldNameSize - 1] = '\0';
}

void ButtonDeletePicture(ButtonBlock& block) {
    if (block.picture != nullptr) {
        DeleteObject(block.picture);
        block.picture = nullptr;
    }
    if (block.palette != nullptr) {
        DeleteObject(block.palette);
        block.palette = nullptr;
    }
}

// Palette realised in a device context: the number of entries it changed.
// A failed realisation counts as no change, so it cannot start a loop of
// repaints.
UINT RealizeIn(HDC dc, HPALETTE palette, BOOL background) {
    HPALETTE previous = SelectPalette(dc, palette, background);
    UINT changed = RealizePalette(dc);
    SelectPalette(dc, previous, background);
    return changed == GDI_ERROR ? 0 : changed;
}

HPALETTE ButtonPalette(HWND window) {
    LockedBlock block(window);
    return block ? block->palette : nullptr;
}

LRESULT ButtonOnCreate(HWND window, const CREATESTRUCTA* create) {
    LocalBlock<ButtonBlock>::Create(window, QBWL_DATA);
    const LONG style = ButtonStyle(window);
    if (LockedBlock block(window); block) {
        ButtonChoosePicture(window, *block.get());
        block->captionFont = (style & kSharedFont) != 0
                                 ? g_library.controlFont
                                 : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
        ButtonStoreFieldName(*block.get(), create->lpszName);
    }
    SetCaptionText(window, IS_INTRESOURCE(create->lpszName) ? nullptr : create->lpszName);
    if ((style & kButtonTypeMask) == kDefaultButtonType) {
        ButtonChangeStateAndRepaint(window, kDefault, true);
    }
    if ((style & WS_DISABLED) != 0) {
        ButtonChangeStateAndRepaint(window, kDisabled, true);
    }
    if ((style & kAutoScroll) != 0) {
        SetTimer(window, kAutoScrollTimer, kAutoScrollInterval, nullptr);
    }
    return 0;
}

LRESULT ButtonOnNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    if (LockedBlock block(window); block) {
        ButtonDeletePicture(*block.get());
    }
    KillTimer(window, kAutoScrollTimer);
    LocalBlock<ButtonBlock>::Destroy(window, QBWL_DATA);
    return DefWindowProcA(window, WM_NCDESTROY, wParam, lParam);
}

LRESULT ButtonOnFocusChange(HWND window, UINT message) {
    const bool gained = message == WM_SETFOCUS;
    ButtonChangeStateAndRepaint(window, kFocused, gained);
    ButtonDrawFocusMark(window);
    const auto id = static_cast<DWORD>(GetWindowLongA(window, GWL_ID));
    const auto handleLow = LOWORD(reinterpret_cast<ULONG_PTR>(window));
    SendMessageA(Parent(window), g_library.msgFocusNotify, id,
                 MAKELPARAM(handleLow, static_cast<WORD>(message)));
    return 0;
}

LRESULT ButtonOnSetText(HWND window, LPARAM lParam) {
    const LRESULT result = SetCaptionText(window, reinterpret_cast<LPCSTR>(lParam));
    InvalidateAll(window);
    return result;
}

LRESULT ButtonOnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    const UINT changed = ButtonPaint(window, dc);
    EndPaint(window, &ps);
    if (changed != 0) {
        InvalidateAll(window);
    }
    return 0;
}

LRESULT ButtonOnEraseBackground(HWND window, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProcA(window, WM_ERASEBKGND, wParam, lParam);
    if (HasState(window, kFocused)) {
        ButtonDrawFocusMark(window);
    }
    return result;
}

LRESULT ButtonOnSetFont(HWND window, WPARAM font) {
    if ((ButtonStyle(window) & kSharedFont) != 0) {
        return 0;
    }
    if (LockedBlock block(window); block) {
        block->captionFont = reinterpret_cast<HFONT>(font);
    }
    InvalidateAll(window);
    return 0;
}

LRESULT ButtonOnGetDlgCode(HWND window) {
    if (IsPictureMode(window)) {
        return kDialogCodePicture;
    }
    return HasState(window, kDefault) ? kDialogCodeDefault : kDialogCodeNormal;
}

LRESULT ButtonOnSetBitmap(HWND window, WPARAM bitmap, LPARAM palette) {
    {
        LockedBlock block(window);
        if (!block) {
            return 0;
        }
        auto* newPicture = reinterpret_cast<HBITMAP>(bitmap);
        // The whole handle: a palette handle does not fit in 16 bits.
        auto* newPalette = reinterpret_cast<HPALETTE>(palette);
        // Handing the button what it already owns must not delete it.
        if (block->picture != nullptr && block->picture != newPicture) {
            DeleteObject(block->picture);
        }
        if (block->palette != nullptr && block->palette != newPalette) {
            DeleteObject(block->palette);
        }
        block->picture = newPicture;
        block->palette = newPalette;
        block->captionLeft = 0;
        block->scrollY = 0;
    }
    SetScrollRange(window, SB_HORZ, 0, 0, FALSE);
    SetScrollRange(window, SB_VERT, 0, 0, FALSE);
    SetScrollPos(window, SB_HORZ, 0, FALSE);
    SetScrollPos(window, SB_VERT, 0, FALSE);
    ButtonRecomputeScrollRanges(window);
    InvalidateAll(window);
    return 0;
}

void ButtonClick(HWND window) {
    ButtonChangeStateAndRepaint(window, kMouseAndSpaceBits, false);
    const WORD id = LOWORD(GetDlgCtrlID(window));
    SendMessageA(Parent(window), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
}

LRESULT ButtonOnKeyDown(HWND window, WPARAM key) {
    if (IsPictureMode(window)) {
        ButtonOnPictureKey(window, key);
        return 0;
    }
    if (key == VK_SPACE && !HasState(window, kTracking | kPushed)) {
        ButtonChangeStateAndRepaint(window, kPushed, true);
    }
    return 0;
}

LRESULT ButtonOnKeyUp(HWND window, WPARAM key) {
    if (key == VK_SPACE && HasState(window, kPushed)) {
        ButtonClick(window);
    }
    return 0;
}

LRESULT ButtonOnMouseMove(HWND window, LPARAM point) {
    if (HasState(window, kTracking)) {
        ButtonChangeStateAndRepaint(window, kOutside, !HitTestClient(window, point));
    }
    return 0;
}

LRESULT ButtonOnLButtonDown(HWND window, LPARAM point) {
    if (!HitTestClient(window, point) || HasState(window, kPushed)) {
        return 0;
    }
    if (GetFocus() != window) {
        SetFocus(window);
    }
    ButtonChangeStateAndRepaint(window, kTracking, true);
    SetCapture(window);
    return 0;
}

LRESULT ButtonOnLButtonUp(HWND window) {
    if (!HasState(window, kTracking)) {
        return 0;
    }
    ReleaseCapture();
    if (HasState(window, kOutside)) {
        ButtonChangeStateAndRepaint(window, kTracking | kOutside, false);
        return 0;
    }
    ButtonClick(window);
    return 0;
}

LRESULT ButtonOnQueryNewPalette(HWND window) {
    HPALETTE palette = ButtonPalette(window);
    if (palette == nullptr) {
        return 0;
    }
    HWND parent = Parent(window);
    HDC dc = GetDC(parent);
    const UINT changed = RealizeIn(dc, palette, FALSE);
    ReleaseDC(parent, dc);
    if (changed == 0) {
        return 0;
    }
    InvalidateAll(window);
    return 1;
}

LRESULT ButtonOnPaletteChanged(HWND window, WPARAM changer) {
    if (reinterpret_cast<HWND>(changer) == window) {
        return 0;
    }
    HPALETTE palette = ButtonPalette(window);
    if (palette == nullptr) {
        return 0;
    }
    HDC dc = GetDC(window);
    HPALETTE previous = SelectPalette(dc, palette, TRUE);
    RealizePalette(dc);
    InvalidateAll(window);
    SelectPalette(dc, previous, FALSE);
    ReleaseDC(window, dc);
    return 0;
}

LRESULT ButtonOnGetFieldName(HWND window, UINT message, WPARAM size, LPARAM buffer) {
    const LRESULT result = DefWindowProcA(window, message, size, buffer);
    LockedBlock block(window);
    if (!block) {
        return result;
    }
    // Never beyond the buffer: size 1 gets just the terminator, 0 nothing.
    if (!CopyFieldName(block->fieldName, size, reinterpret_cast<char*>(buffer))) {
        return result;
    }
    return kFieldNameCopied;
}

// The library's registered messages; anything else goes to the default procedure.
LRESULT OnRegisteredOrDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsRegisteredMessage(g_library.msgGetFieldName, message)) {
        return ButtonOnGetFieldName(window, message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

LONG ButtonState(HWND window) {
    return GetWindowLongA(window, QBWL_STATE);
}

LONG ButtonStyle(HWND window) {
    return GetWindowLongA(window, GWL_STYLE);
}

void ButtonChangeStateAndRepaint(HWND window, LONG mask, bool set) {
    if (!ChangeStateBits(window, mask, set)) {
        return; // nothing changed, nothing repainted
    }
    HDC dc = GetDC(window);
    ButtonPaint(window, dc);
    ReleaseDC(window, dc);
}

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return ButtonOnCreate(window, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_SIZE:
        ButtonRecomputeScrollRanges(window);
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return ButtonOnFocusChange(window, message);
    case WM_ENABLE:
        ButtonChangeStateAndRepaint(window, kDisabled, wParam == 0);
        return 0;
    case WM_SETTEXT:
        return ButtonOnSetText(window, lParam);
    case WM_GETTEXT:
        return GetCaptionText(window, wParam, lParam);
    case WM_PAINT:
        return ButtonOnPaint(window);
    case WM_ERASEBKGND:
        return ButtonOnEraseBackground(window, wParam, lParam);
    case WM_SETFONT:
        return ButtonOnSetFont(window, wParam);
    case WM_NCDESTROY:
        return ButtonOnNcDestroy(window, wParam, lParam);
    case WM_GETDLGCODE:
        return ButtonOnGetDlgCode(window);
    case BM_GETSTATE:
        return HasState(window, kPushed) ? 1 : 0;
    case BM_SETSTATE:
        ButtonChangeStateAndRepaint(window, kPushed, wParam != 0);
        return 0;
    case BM_SETSTYLE:
        ButtonChangeStateAndRepaint(window, kDefault, wParam == BS_DEFPUSHBUTTON);
        return 0;
    case QBM_SETBITMAP:
        return ButtonOnSetBitmap(window, wParam, lParam);
    case WM_KEYDOWN:
        return ButtonOnKeyDown(window, wParam);
    case WM_KEYUP:
        return ButtonOnKeyUp(window, wParam);
    case WM_TIMER:
        ButtonOnTimer(window);
        return 0;
    case WM_HSCROLL:
        ButtonOnHScroll(window, wParam);
        return 0;
    case WM_VSCROLL:
        ButtonOnVScroll(window, wParam);
        return 0;
    case WM_MOUSEMOVE:
        return ButtonOnMouseMove(window, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return ButtonOnLButtonDown(window, lParam);
    case WM_LBUTTONUP:
        return ButtonOnLButtonUp(window);
    case WM_QUERYNEWPALETTE:
        return ButtonOnQueryNewPalette(window);
    case WM_PALETTECHANGED:
        return ButtonOnPaletteChanged(window, wParam);
    default:
        return OnRegisteredOrDefault(window, message, wParam, lParam);
    }
}

} // namespace

const ClassDescriptor kClass = {
    QUORL_CLASS, kWithDoubleClicks, sizeof(WindowLongs), LightGreyBrush, WindowProc, nullptr,
    nullptr,     nullptr,
};

} // namespace quorl::button
