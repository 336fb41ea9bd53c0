// Graphic push button, class QUORL: creation and destruction, the picture
// search, the keys of the default button and the palette messages; the
// press, focus and caption behaviour is the shared push behaviour. Painting
// and the picture panel live beside this file.
#include "controls/button/button.h"

#include "controls/button/button_internal.h"
#include "controls/button/button_layout.h"
#include "core/accessible.h"
#include "core/bitmaps.h"
#include "core/helpers.h"
#include "core/library.h"
#include "core/local_block.h"
#include "core/paint_dc.h"
#include "core/push_behaviour.h"

namespace quorl::button {

namespace {

using Block = LocalBlock<ButtonBlock>;

constexpr DWORD kDialogCodePicture = DLGC_WANTARROWS;
constexpr DWORD kDialogCodeDefault = DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
constexpr DWORD kDialogCodeNormal = DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
static_assert(kDialogCodeDefault == 0x2010 && kDialogCodeNormal == 0x2020);

// The button's own part of a click: nothing but telling the parent.
bool ClickTellsParent(HWND, ButtonBlock*, ClickSource) {
    return true;
}

void DrawFocus(HWND window, ButtonBlock* block, HDC dc) {
    DrawFocusMark(window, block, dc);
}

constexpr PushBehaviour<ButtonBlock> kPush({RepaintNow, DrawFocus, ClickTellsParent, nullptr, false,
                                            &kClass});

void InvalidateAll(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
}

constexpr int kModuleCount = sizeof(ControlModules::order) / sizeof(ControlModules::order[0]);

bool SearchedBefore(const ControlModules& modules, int index) {
    for (int i = 0; i < index; ++i) {
        if (modules.order[i] == modules.order[index]) {
            return true;
        }
    }
    return false;
}

// Library first, so the stock pictures win, then the parent's module,
// then the button's own; on palette displays the 256-colour variant of
// each id is looked for first.
void ChoosePicture(HWND window, ButtonBlock& block) {
    const int id = GetWindowLongA(window, GWL_ID);
    const bool paletteDisplay = IsPaletteDisplay();
    const PictureIds search = PictureSearchIds(id, paletteDisplay);
    const ControlModules modules = ControlModulesOf(window);
    for (int i = 0; i < search.count; ++i) {
        for (int m = 0; m < kModuleCount; ++m) {
            HINSTANCE module = modules.order[m];
            // A module without the picture (or searched already) is passed
            // over before the loader looks for it twice.
            if (module == nullptr || SearchedBefore(modules, m) ||
                FindResourceA(module, MAKEINTRESOURCEA(search.ids[i]),
                              reinterpret_cast<LPCSTR>(RT_BITMAP)) == nullptr) {
                continue;
            }
            if (LoadBitmapPalette(module, MAKEINTRESOURCEA(search.ids[i]), &block.picture,
                                  &block.palette)) {
                // The found picture is the button's own: kept in the form that paints fastest.
                block.picture = KeepAsDibSection(block.picture);
                // A stock picture grows with the screen; an application's is drawn as given.
                if (module == g_library.instance) {
                    block.picture = ScaleLibraryPicture(block.picture);
                }
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

void DeletePicture(ButtonBlock& block) {
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

// What the window owns: its picture and palette, its timer and its block.
// Released at destruction, and by a repeated WM_CREATE before it makes
// them again.
void Release(HWND window, Block& block) {
    if (block) {
        DeletePicture(*block.get());
    }
    KillTimer(window, kAutoScrollTimer);
    block.Unlock();
    Block::Destroy(window, QBWL_DATA);
}

LRESULT OnCreate(HWND window, Block& earlier, const CREATESTRUCTA* create) {
    if (create == nullptr) {
        return 0; // a hand-sent message without its record changes nothing
    }
    // Only a repeated WM_CREATE finds an earlier block, and a timer only
    // with it: the first one spares itself the release.
    if (GetWindowLongPtrA(window, QBWL_DATA) != 0) {
        Release(window, earlier);
    }
    if (Block::Create(window, QBWL_DATA) == nullptr) {
        return kFailCreation; // no record: CreateWindowEx reports the failure
    }
    Block block(window, QBWL_DATA);
    if (block) {
        ChoosePicture(window, *block.get());
    }
    kPush.Create(window, block.get(), *create);
    const LONG style = StyleOf(window);
    if ((style & kButtonTypeMask) == kDefaultButtonType) {
        kPush.ChangeState(window, block.get(), QBSTATE_DEFAULT, true);
    }
    if ((style & QBS_AUTOSCROLL) != 0) {
        SetTimer(window, kAutoScrollTimer, kAutoScrollInterval, nullptr);
    }
    return 0;
}

LRESULT OnNcDestroy(HWND window, Block& block, WPARAM wParam, LPARAM lParam) {
    Release(window, block);
    return DefWindowProcA(window, WM_NCDESTROY, wParam, lParam);
}

LRESULT OnSize(HWND window, ButtonBlock* block, WPARAM wParam, LPARAM lParam) {
    RecomputeScrollRanges(window, block);
    return DefWindowProcA(window, WM_SIZE, wParam, lParam);
}

LRESULT OnPaint(HWND window, ButtonBlock* block, WPARAM given) {
    UINT changed = 0;
    bool onScreen = false;
    if (PaintDC dc(window, given); dc) {
        changed = Paint(window, block, dc.get());
        onScreen = dc.onScreen();
    }
    // Only the window's own colours need another round after a palette change.
    if (changed != 0 && onScreen) {
        InvalidateAll(window);
    }
    return 0;
}

LRESULT OnGetDlgCode(HWND window) {
    if (IsPictureMode(window)) {
        return kDialogCodePicture;
    }
    return (StateOf(window) & QBSTATE_DEFAULT) != 0 ? kDialogCodeDefault : kDialogCodeNormal;
}

LRESULT OnSetBitmap(HWND window, ButtonBlock* block, WPARAM bitmap, LPARAM palette) {
    if (block == nullptr) {
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
    SetScrollRange(window, SB_HORZ, 0, 0, FALSE);
    SetScrollRange(window, SB_VERT, 0, 0, FALSE);
    SetScrollPos(window, SB_HORZ, 0, FALSE);
    SetScrollPos(window, SB_VERT, 0, FALSE);
    RecomputeScrollRanges(window, block);
    InvalidateAll(window);
    return 0;
}

// The picture panel scrolls with the keys; any other button presses with
// the space bar.
LRESULT OnKeyDown(HWND window, ButtonBlock* block, WPARAM key, LPARAM lParam) {
    if (IsPictureMode(window)) {
        OnPictureKey(window, key);
        return 0;
    }
    return kPush.Proc(window, block, WM_KEYDOWN, key, lParam);
}

LRESULT OnQueryNewPalette(HWND window, const ButtonBlock* block) {
    HPALETTE palette = block != nullptr ? block->palette : nullptr;
    if (palette == nullptr) {
        return 0;
    }
    HWND parent = GetParent(window);
    HDC dc = GetDC(parent);
    if (dc == nullptr) {
        return 0;
    }
    const UINT changed = RealizeIn(dc, palette, FALSE);
    ReleaseDC(parent, dc);
    if (changed == 0) {
        return 0;
    }
    InvalidateAll(window);
    return 1;
}

LRESULT OnPaletteChanged(HWND window, const ButtonBlock* block, WPARAM changer) {
    HPALETTE palette = block != nullptr ? block->palette : nullptr;
    if (reinterpret_cast<HWND>(changer) == window || palette == nullptr) {
        return 0;
    }
    HDC dc = GetDC(window);
    if (dc == nullptr) {
        InvalidateAll(window);
        return 0;
    }
    HPALETTE previous = SelectPalette(dc, palette, TRUE);
    RealizePalette(dc);
    InvalidateAll(window);
    SelectPalette(dc, previous, FALSE);
    ReleaseDC(window, dc);
    return 0;
}

constexpr wchar_t kPressAction[] = L"Dr\u00FCcken";

// A picture panel is a picture to a screen reader, not a button.
LONG AccessibleRole(HWND window) {
    return IsPictureMode(window) ? ROLE_SYSTEM_GRAPHIC : ROLE_SYSTEM_PUSHBUTTON;
}

LONG AccessibleState(HWND window) {
    const LONG isDefault = (StateOf(window) & QBSTATE_DEFAULT) != 0 ? STATE_SYSTEM_DEFAULT : 0;
    return kPush.AccessibleState(window) | isDefault;
}

const wchar_t* DefaultAction(HWND window) {
    return IsPictureMode(window) ? nullptr : kPressAction;
}

constexpr AccessibleEntry kAccessible =
    kPush.Accessible<kPush>(AccessibleRole, AccessibleState, DefaultAction);

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Block block(window, QBWL_DATA);
    ButtonBlock* record = block.get();
    switch (message) {
    case WM_CREATE:
        return OnCreate(window, block, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_NCDESTROY:
        return OnNcDestroy(window, block, wParam, lParam);
    case WM_SIZE:
        return OnSize(window, record, wParam, lParam);
    case WM_PAINT:
        return OnPaint(window, record, wParam);
    case WM_GETDLGCODE:
        return OnGetDlgCode(window);
    case BM_SETSTYLE:
        kPush.ChangeState(window, record, QBSTATE_DEFAULT, wParam == BS_DEFPUSHBUTTON);
        return 0;
    case BM_CLICK:
        // A picture panel is no button: nothing to press.
        return IsPictureMode(window) ? 0 : kPush.Proc(window, record, message, wParam, lParam);
    case QBM_SETBITMAP:
        return OnSetBitmap(window, record, wParam, lParam);
    case WM_KEYDOWN:
        return OnKeyDown(window, record, wParam, lParam);
    case WM_TIMER:
        OnTimer(window, record);
        return 0;
    case WM_HSCROLL:
        OnHScroll(window, wParam);
        return 0;
    case WM_VSCROLL:
        OnVScroll(window, record, wParam);
        return 0;
    case WM_QUERYNEWPALETTE:
        return OnQueryNewPalette(window, record);
    case WM_PALETTECHANGED:
        return OnPaletteChanged(window, record, wParam);
    default:
        // The button has no registered message of its own.
        return kPush.Proc(window, record, message, wParam, lParam);
    }
}

} // namespace

const ClassDescriptor kClass = {.name = QUORL_CLASSA,
                                .style = kWithDoubleClicks,
                                .extraBytes = sizeof(PushWindowLongs),
                                .background = LightGreyBrush,
                                .procedure = WindowProc,
                                .accessible = &kAccessible};

} // namespace quorl::button
