#include "core/accessible.h"

#include <cstdlib>
#include <new>
#include <type_traits>

#include "core/accessible_text.h"
#include "core/class_descriptor.h"

namespace quorl {

namespace {

// Defined here: the one in the import library resolves to a thunk when
// linked statically, and marshalling then fails.
constexpr IID kAccessibleIid = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
constexpr IID kDispatchIid = {
    0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kUnknownIid = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

constexpr char kShortcutPrefix[] = "Alt+";

BSTR ToBstr(const SpokenText& text) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (result != nullptr && length > 0) {
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), result, length);
    }
    return result;
}

// A BSTR out-parameter: S_OK with text, S_FALSE without.
HRESULT AnswerText(BSTR text, BSTR* out) {
    if (text != nullptr && SysStringLen(text) == 0) {
        SysFreeString(text);
        text = nullptr;
    }
    *out = text;
    return text != nullptr ? S_OK : S_FALSE;
}

void SetLong(VARIANT* out, LONG value) {
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = value;
}

// The client object of another window (a child): a null result when it
// has none.
HRESULT ClientObjectOf(HWND window, IDispatch** out) {
    *out = nullptr;
    if (window == nullptr) {
        return S_FALSE;
    }
    return AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kDispatchIid,
                                      reinterpret_cast<void**>(out));
}

bool HasWindowFocus(HWND window) {
    return window != nullptr && GetFocus() == window;
}

bool ContainsScreenPoint(HWND window, POINT point) {
    RECT r;
    return window != nullptr && IsWindowVisible(window) && GetWindowRect(window, &r) &&
           PtInRect(&r, point);
}

// The zero-delay timer of a default action carries the class's entry as
// its id: no control's own timer id comes near an address.
void CALLBACK RunDefaultAction(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    const auto* entry = reinterpret_cast<const AccessibleEntry*>(id);
    if (IsWindowEnabled(window)) {
        entry->doDefaultAction(window);
    }
}

class ClientObject final : public IAccessible {
public:
    ClientObject(HWND window, const AccessibleEntry& entry)
        : window_(window), atom_(GetClassWord(window, GCW_ATOM)), entry_(entry) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, kUnknownIid) || IsEqualIID(iid, kDispatchIid) ||
            IsEqualIID(iid, kAccessibleIid)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = --references_;
        if (left == 0) {
            this->~ClientObject();
            std::free(this);
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: screen readers call the interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (parent == nullptr) {
            return E_POINTER;
        }
        *parent = nullptr;
        if (!Alive()) {
            return RPC_E_DISCONNECTED;
        }
        return AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), kDispatchIid,
                                          reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 0;
        if (!Alive()) {
            return RPC_E_DISCONNECTED;
        }
        *count = ChildCount();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (!Alive()) {
            return RPC_E_DISCONNECTED;
        }
        if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > ChildCount()) {
            return E_INVALIDARG;
        }
        return ClientObjectOf(ChildAt(child.lVal - 1), out);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return TextOf(child, name, [this] {
            return entry_.name != nullptr ? entry_.name(window_) : SpokenWindowText(window_);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return TextOf(child, value, [this] {
            return entry_.value != nullptr ? entry_.value(window_) : SpokenText();
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return TextOf(child, text, [] { return SpokenText(); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return TextOf(child, text, [] { return SpokenText(); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        if (file != nullptr) {
            *file = nullptr;
        }
        if (topic != nullptr) {
            *topic = 0;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return TextOf(child, text, [this] {
            const SpokenText caption = StoredWindowText(window_);
            SpokenText shortcut;
            if (caption.failed()) {
                return SpokenText::Failed();
            }
            if (const char key = MnemonicOf(caption.c_str()); key != 0) {
                shortcut.append(kShortcutPrefix);
                shortcut.append(key);
            }
            return shortcut;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return NumberOf(child, role, [this] { return entry_.role(window_); });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return NumberOf(child, state, [this] { return State(); });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (focus == nullptr) {
            return E_POINTER;
        }
        VariantInit(focus);
        if (!Alive()) {
            return RPC_E_DISCONNECTED;
        }
        if (HasWindowFocus(window_)) {
            SetLong(focus, CHILDID_SELF);
            return S_OK;
        }
        for (int i = 0; i < ChildCount(); ++i) {
            HWND child = ChildAt(i);
            if (HasWindowFocus(child)) {
                return AnswerChild(child, focus);
            }
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (selection == nullptr) {
            return E_POINTER;
        }
        VariantInit(selection);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return TextOf(child, action, [this]() -> BSTR {
            const wchar_t* text = DefaultAction();
            return text != nullptr ? SysAllocString(text) : nullptr;
        });
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        const HRESULT checked = Check(child);
        if (checked != S_OK) {
            return checked;
        }
        if (flags != SELFLAG_TAKEFOCUS || (State() & STATE_SYSTEM_FOCUSABLE) == 0) {
            return DISP_E_MEMBERNOTFOUND;
        }
        SetFocus(window_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
            return E_POINTER;
        }
        *left = *top = *width = *height = 0;
        const HRESULT checked = Check(child);
        if (checked != S_OK) {
            return checked;
        }
        RECT client;
        GetClientRect(window_, &client);
        MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
        *left = client.left;
        *top = client.top;
        *width = client.right - client.left;
        *height = client.bottom - client.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        if (end == nullptr) {
            return E_POINTER;
        }
        VariantInit(end);
        const HRESULT checked = Check(start);
        if (checked != S_OK) {
            return checked;
        }
        const int count = ChildCount();
        if (count > 0 && direction == NAVDIR_FIRSTCHILD) {
            return AnswerChild(ChildAt(0), end);
        }
        if (count > 0 && direction == NAVDIR_LASTCHILD) {
            return AnswerChild(ChildAt(count - 1), end);
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
        if (hit == nullptr) {
            return E_POINTER;
        }
        VariantInit(hit);
        if (!Alive()) {
            return RPC_E_DISCONNECTED;
        }
        const POINT point = {x, y};
        for (int i = 0; i < ChildCount(); ++i) {
            HWND child = ChildAt(i);
            if (ContainsScreenPoint(child, point)) {
                return AnswerChild(child, hit);
            }
        }
        if (!ContainsScreenPoint(window_, point)) {
            return S_FALSE;
        }
        SetLong(hit, CHILDID_SELF);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        const HRESULT checked = Check(child);
        if (checked != S_OK) {
            return checked;
        }
        if (entry_.doDefaultAction == nullptr || DefaultAction() == nullptr ||
            !IsWindowEnabled(window_)) {
            return DISP_E_MEMBERNOTFOUND;
        }
        const auto id = reinterpret_cast<UINT_PTR>(&entry_);
        return SetTimer(window_, id, 0, RunDefaultAction) != 0 ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~ClientObject() = default;

    // The window may be gone, or its handle reused by another class.
    bool Alive() const { return IsWindow(window_) && GetClassWord(window_, GCW_ATOM) == atom_; }

    // Only the control itself (CHILDID_SELF) has properties here; its
    // children are objects of their own.
    HRESULT Check(const VARIANT& child) const {
        if (!Alive()) {
            return RPC_E_DISCONNECTED;
        }
        return child.vt == VT_I4 && child.lVal == CHILDID_SELF ? S_OK : E_INVALIDARG;
    }

    const wchar_t* DefaultAction() const {
        return entry_.defaultAction != nullptr ? entry_.defaultAction(window_) : nullptr;
    }

    // The entry's children, or else the window's own child windows, as
    // the system's client object reports them.
    int ChildCount() const {
        if (entry_.childCount != nullptr || entry_.child != nullptr) {
            return entry_.childCount != nullptr && entry_.child != nullptr
                       ? entry_.childCount(window_)
                       : 0;
        }
        int count = 0;
        for (HWND c = GetWindow(window_, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            ++count;
        }
        return count;
    }
    HWND ChildAt(int index) const {
        if (entry_.child != nullptr) {
            return entry_.child(window_, index);
        }
        HWND child = GetWindow(window_, GW_CHILD);
        for (int i = 0; child != nullptr && i < index; ++i) {
            child = GetWindow(child, GW_HWNDNEXT);
        }
        return child;
    }

    LONG State() const {
        LONG state = entry_.state != nullptr ? entry_.state(window_) : 0;
        if (!IsWindowVisible(window_)) {
            state |= STATE_SYSTEM_INVISIBLE;
        }
        if (!IsWindowEnabled(window_)) {
            state |= STATE_SYSTEM_UNAVAILABLE;
        }
        if (HasWindowFocus(window_)) {
            state |= STATE_SYSTEM_FOCUSED;
        }
        return state;
    }

    static HRESULT AnswerChild(HWND child, VARIANT* out) {
        IDispatch* object = nullptr;
        const HRESULT result = ClientObjectOf(child, &object);
        if (object == nullptr) {
            return FAILED(result) ? result : S_FALSE;
        }
        out->vt = VT_DISPATCH;
        out->pdispVal = object;
        return S_OK;
    }

    template <typename Make>
    HRESULT TextOf(const VARIANT& child, BSTR* out, Make make) const {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        const HRESULT checked = Check(child);
        if (checked != S_OK) {
            return checked;
        }
        if constexpr (std::is_same_v<decltype(make()), BSTR>) {
            return AnswerText(make(), out);
        } else {
            // A text that could not be made is the caller's out-of-memory answer.
            const SpokenText text = make();
            if (text.failed()) {
                return E_OUTOFMEMORY;
            }
            BSTR answer = ToBstr(text);
            if (answer == nullptr && !text.empty()) {
                return E_OUTOFMEMORY;
            }
            return AnswerText(answer, out);
        }
    }

    template <typename Make>
    HRESULT NumberOf(const VARIANT& child, VARIANT* out, Make make) const {
        if (out == nullptr) {
            return E_POINTER;
        }
        VariantInit(out);
        const HRESULT checked = Check(child);
        if (checked != S_OK) {
            return checked;
        }
        SetLong(out, make());
        return S_OK;
    }

    HWND window_;
    WORD atom_;
    const AccessibleEntry& entry_;
    LONG references_ = 1;
};

// The object is served by the window's thread only when that thread is a
// single-threaded apartment; in any other, a reader's calls would come in
// on threads of their own. The probe leaves the apartment as it found it.
bool InSingleThreadedApartment() {
    const HRESULT probe = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(probe)) {
        CoUninitialize();
    }
    return probe == S_FALSE;
}

} // namespace

LRESULT AnswerGetObject(const ClassDescriptor& descriptor, HWND window, WPARAM flags,
                        LPARAM objectId) {
    if (descriptor.accessible == nullptr || static_cast<LONG>(objectId) != OBJID_CLIENT ||
        !InSingleThreadedApartment()) {
        return DefWindowProcA(window, WM_GETOBJECT, flags, objectId);
    }
    // Memory of the C runtime, not of new: even new (std::nothrow) throws
    // inside, and a throw that cannot allocate its own exception never ends.
    void* memory = std::malloc(sizeof(ClientObject));
    if (memory == nullptr) {
        return 0;
    }
    auto* object = new (memory) ClientObject(window, *descriptor.accessible);
    // Should marshalling fail, the caller gets the system's own client
    // object through the default procedure.
    LRESULT result = LresultFromObject(kAccessibleIid, flags, object);
    object->Release();
    if (FAILED(static_cast<HRESULT>(result))) {
        return DefWindowProcA(window, WM_GETOBJECT, flags, objectId);
    }
    return result;
}

LRESULT DefControlProc(const ClassDescriptor& descriptor, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam) {
    if (message == WM_GETOBJECT) {
        return AnswerGetObject(descriptor, window, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void NotifyAccessible(DWORD event, HWND window) {
    NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF);
}

SpokenText StoredWindowText(HWND window) {
    const auto length = DefWindowProcA(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) {
        return {};
    }
    const auto size = static_cast<std::size_t>(length) + 1;
    auto* buffer = static_cast<char*>(std::malloc(size));
    if (buffer == nullptr) {
        return SpokenText::Failed();
    }
    const auto copied = DefWindowProcA(window, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer));
    SpokenText text;
    text.append(buffer, static_cast<std::size_t>(copied > 0 ? copied : 0));
    std::free(buffer);
    return text;
}

SpokenText SpokenWindowText(HWND window) {
    const SpokenText stored = StoredWindowText(window);
    return stored.failed() ? SpokenText::Failed() : SpokenCaption(stored.c_str());
}

} // namespace quorl
