// The behaviour the two graphic button classes share, written once: the
// state word, the press by mouse, space bar or BM_CLICK with capture and tracking,
// the click that tells the parent, focus changes announced with
// BWM_FOCUSNOTIFY, caption, font and field name. A class specialises it
// through a few hooks and hands every message it does not answer itself
// to Proc, as a derived button passes messages to its base procedure.
//
// The class's private record must have `HFONT font` and
// `char fieldName[kFieldNameSize]`; it is null when the window has none.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/accessible.h"
#include "core/class_descriptor.h"
#include "core/helpers.h"
#include "core/local_block.h"
#include "core/library.h"
#include "core/paint_dc.h"
#include "core/text.h"
#include "core/window_longs.h"
#include "quorl32.h"

namespace quorl {

// The window longs of a push-type class: an unused slot, the state word,
// the record's block.
struct QUORL_WINDOW_LONGS PushWindowLongs {
    LONG reserved;
    LONG state; // QSTATE_* and the class's own bits
    HLOCAL data;
};
static_assert(offsetof(PushWindowLongs, state) == kStateWordIndex &&
              offsetof(PushWindowLongs, state) == QBWL_STATE &&
              offsetof(PushWindowLongs, data) == QBWL_DATA &&
              offsetof(PushWindowLongs, state) == QCWL_STATE &&
              offsetof(PushWindowLongs, data) == QCWL_DATA && Win32Is(sizeof(PushWindowLongs), 12));

// What ended a press.
enum class ClickSource { Key, Mouse, Focus };

// Announces a focus change to the parent (BWM_FOCUSNOTIFY).
void NotifyFocus(HWND window, bool gained);
// Tells the parent of a click (WM_COMMAND, BN_CLICKED).
void NotifyClicked(HWND window);

template <typename Record>
struct PushHooks {
    // Paints the control at once after its state word changed.
    void (*repaint)(HWND window, Record* record);
    // Draws the focus mark while focused, removes it otherwise; dc may be null.
    void (*drawFocus)(HWND window, Record* record, HDC dc);
    // The class's own part of a click; true when the parent is to be told.
    bool (*click)(HWND window, Record* record, ClickSource source);
    // True when gaining the focus clicks the control; null: never.
    bool (*clicksOnFocus)(HWND window);
    // BWM_GETFIELDNAME answers 2 even when the buffer took nothing.
    bool fieldNameAlwaysAnswered;
    // The class itself: WM_GETOBJECT hands out the object its entry describes.
    const ClassDescriptor* descriptor;
};

template <typename Record>
class PushBehaviour {
public:
    static constexpr LRESULT kFieldNameAnswer = 2;
    static constexpr LONG kPressBits = QSTATE_PUSHED | QSTATE_TRACKING | QSTATE_OUTSIDE;

    constexpr explicit PushBehaviour(const PushHooks<Record>& hooks) : hooks_(hooks) {}

    static bool HasState(HWND window, LONG bits) {
        return (GetWindowLongA(window, kStateWordIndex) & bits) != 0;
    }

    // Sets or clears state bits; nothing changed, nothing repainted.
    void ChangeState(HWND window, Record* record, LONG mask, bool set) const {
        if (ChangeStateBits(window, mask, set ? TRUE : FALSE)) {
            hooks_.repaint(window, record);
            NotifyAccessible(EVENT_OBJECT_STATECHANGE, window);
        }
    }

    // What a screen reader hears of both classes: focusable, pressed while
    // drawn pressed, named by the caption or else by the field name, and
    // the default action a click as by the space bar.
    static LONG AccessibleState(HWND window) {
        const LONG state = GetWindowLongA(window, kStateWordIndex);
        const bool pressed =
            (state & (QSTATE_PUSHED | QSTATE_TRACKING)) != 0 && (state & QSTATE_OUTSIDE) == 0;
        return STATE_SYSTEM_FOCUSABLE | (pressed ? STATE_SYSTEM_PRESSED : 0);
    }
    static SpokenText AccessibleName(HWND window) {
        SpokenText name = SpokenWindowText(window);
        if (name.empty() && !name.failed()) {
            Block block(window, kDataIndex);
            if (block) {
                name.append(block->fieldName);
            }
        }
        return name;
    }
    // The accessibility entry of a class whose behaviour is `behaviour`: the
    // class names its role, state and default action; name and click are
    // shared.
    template <const PushBehaviour& behaviour>
    static constexpr AccessibleEntry Accessible(LONG (*role)(HWND), LONG (*state)(HWND),
                                                const wchar_t* (*defaultAction)(HWND)) {
        return {.role = role,
                .state = state,
                .name = AccessibleName,
                .defaultAction = defaultAction,
                .doDefaultAction = [](HWND window) { behaviour.AccessibleClick(window); }};
    }
    void AccessibleClick(HWND window) const {
        Block block(window, kDataIndex);
        Click(window, block.get(), ClickSource::Key);
    }

    // The end of every completed press.
    void Click(HWND window, Record* record, ClickSource source) const {
        ChangeState(window, record, kPressBits, false);
        if (hooks_.click(window, record, source)) {
            NotifyClicked(window);
        }
    }

    // WM_CREATE's shared part, after the class made its record: font,
    // field name, caption and the disabled bit.
    void Create(HWND window, Record* record, const CREATESTRUCTA& create) const {
        // A name given as a resource ordinal is no text.
        const char* name = IS_INTRESOURCE(create.lpszName) ? nullptr : create.lpszName;
        if (record != nullptr) {
            record->font = (create.style & QUORL_STYLE_SHAREDFONT) != 0
                               ? g_library.controlFont
                               : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
            ExtractFieldName(name, record->fieldName);
        }
        // The window system stored the name already; storing it again costs
        // a round trip to the server for every control of a dialog.
        if (!NameIsCaption(name, static_cast<std::size_t>(kMaxCaptionLength))) {
            SetCaptionText(window, name);
        }
        if ((create.style & WS_DISABLED) != 0) {
            ChangeState(window, record, QSTATE_DISABLED, true);
        }
    }

    LRESULT Proc(HWND window, Record* record, UINT message, WPARAM wParam, LPARAM lParam) const {
        switch (message) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            return OnFocusChange(window, record, message == WM_SETFOCUS);
        case WM_ENABLE:
            ChangeState(window, record, QSTATE_DISABLED, wParam == 0);
            return 0;
        case WM_SETTEXT:
            return OnSetText(window, reinterpret_cast<LPCSTR>(lParam));
        case WM_GETTEXT:
            return GetCaptionText(window, wParam, lParam);
        case WM_ERASEBKGND:
            return OnEraseBackground(window, record, wParam, lParam);
        case WM_PRINTCLIENT:
            return PrintClient(window, wParam, lParam);
        case WM_SETFONT:
            return OnSetFont(window, record, reinterpret_cast<HFONT>(wParam));
        case WM_KEYDOWN:
            return OnKeyDown(window, record, wParam);
        case WM_KEYUP:
            return OnKeyUp(window, record, wParam);
        case WM_MOUSEMOVE:
            return OnMouseMove(window, record, lParam);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return OnLButtonDown(window, record, lParam);
        case WM_LBUTTONUP:
            return OnLButtonUp(window, record);
        case BM_GETSTATE:
            return HasState(window, QSTATE_PUSHED) ? 1 : 0;
        case BM_SETSTATE:
            ChangeState(window, record, QSTATE_PUSHED, wParam != 0);
            return 0;
        case BM_CLICK:
            return OnClickMessage(window, record);
        default:
            if (IsRegisteredMessage(g_library.msgGetFieldName, message)) {
                return OnGetFieldName(window, record, message, wParam, lParam);
            }
            return DefControlProc(*hooks_.descriptor, window, message, wParam, lParam);
        }
    }

private:
    using Block = LocalBlock<Record>;
    static constexpr int kDataIndex = offsetof(PushWindowLongs, data);

    static LRESULT OnSetText(HWND window, LPCSTR text) {
        InvalidateRect(window, nullptr, TRUE);
        const LRESULT result = SetCaptionText(window, text);
        NotifyAccessible(EVENT_OBJECT_NAMECHANGE, window);
        return result;
    }

    LRESULT OnFocusChange(HWND window, Record* record, bool gained) const {
        // The focus event itself comes from the window manager; the
        // focused state is ours.
        ChangeState(window, record, QSTATE_FOCUSED, gained);
        hooks_.drawFocus(window, record, nullptr);
        if (gained && hooks_.clicksOnFocus != nullptr && hooks_.clicksOnFocus(window)) {
            Click(window, record, ClickSource::Focus);
        }
        NotifyFocus(window, gained);
        return 0;
    }

    LRESULT OnEraseBackground(HWND window, Record* record, WPARAM dc, LPARAM lParam) const {
        const LRESULT erased = DefWindowProcA(window, WM_ERASEBKGND, dc, lParam);
        if (HasState(window, QSTATE_FOCUSED)) {
            hooks_.drawFocus(window, record, reinterpret_cast<HDC>(dc));
        }
        return erased;
    }

    static LRESULT OnSetFont(HWND window, Record* record, HFONT font) {
        if ((GetWindowLongA(window, GWL_STYLE) & QUORL_STYLE_SHAREDFONT) != 0) {
            return 0;
        }
        if (record != nullptr) {
            record->font = font;
        }
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    }

    LRESULT OnKeyDown(HWND window, Record* record, WPARAM key) const {
        if (key == VK_SPACE && !HasState(window, QSTATE_TRACKING | QSTATE_PUSHED)) {
            ChangeState(window, record, QSTATE_PUSHED, true);
        }
        return 0;
    }

    LRESULT OnKeyUp(HWND window, Record* record, WPARAM key) const {
        if (key == VK_SPACE && HasState(window, QSTATE_PUSHED)) {
            Click(window, record, ClickSource::Key);
        }
        return 0;
    }

    LRESULT OnMouseMove(HWND window, Record* record, LPARAM point) const {
        if (HasState(window, QSTATE_TRACKING)) {
            ChangeState(window, record, QSTATE_OUTSIDE, !HitTestClient(window, point));
        }
        return 0;
    }

    LRESULT OnLButtonDown(HWND window, Record* record, LPARAM point) const {
        if (!HitTestClient(window, point) || HasState(window, QSTATE_PUSHED)) {
            return 0;
        }
        if (GetFocus() != window) {
            FocusAsDialogItem(window);
        }
        ChangeState(window, record, QSTATE_TRACKING, true);
        SetCapture(window);
        return 0;
    }

    LRESULT OnLButtonUp(HWND window, Record* record) const {
        if (!HasState(window, QSTATE_TRACKING)) {
            return 0;
        }
        ReleaseCapture();
        if (HasState(window, QSTATE_OUTSIDE)) {
            ChangeState(window, record, QSTATE_TRACKING | QSTATE_OUTSIDE, false);
            return 0;
        }
        Click(window, record, ClickSource::Mouse);
        return 0;
    }

    // A mnemonic of the dialog manager, or a program pressing the control:
    // one click of the mouse in the client area, which a disabled control
    // never receives.
    LRESULT OnClickMessage(HWND window, Record* record) const {
        if (HasState(window, QSTATE_DISABLED) || !IsWindowEnabled(window)) {
            return 0;
        }
        constexpr LPARAM kInside = MAKELPARAM(0, 0);
        OnLButtonDown(window, record, kInside);
        return OnLButtonUp(window, record);
    }

    // Never beyond the buffer: size 1 gets just the terminator, 0 or a
    // negative size nothing.
    LRESULT OnGetFieldName(HWND window, Record* record, UINT message, WPARAM size,
                           LPARAM buffer) const {
        if (record == nullptr) {
            return DefWindowProcA(window, message, size, buffer);
        }
        if (CopyFieldName(record->fieldName, static_cast<INT_PTR>(size),
                          reinterpret_cast<char*>(buffer)) ||
            hooks_.fieldNameAlwaysAnswered) {
            return kFieldNameAnswer;
        }
        return DefWindowProcA(window, message, size, buffer);
    }

    PushHooks<Record> hooks_;
};

} // namespace quorl
