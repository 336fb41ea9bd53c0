#include "tests/common/win_test.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace quorl_test {

namespace {

constexpr const char* kParentClass = "QuorlTestParent";

void RegisterParentClass(WNDPROC procedure) {
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kParentClass;
    registered = RegisterClassA(&wc) != 0;
}

} // namespace

RecordingParent::RecordingParent(std::vector<UINT> watch, int width, int height)
    : watch_(std::move(watch)) {
    RegisterParentClass(Procedure);
    window_ = CreateWindowExA(0, kParentClass, "Test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                              0, width, height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

RecordingParent::~RecordingParent() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

HWND RecordingParent::child(const char* className, const char* text, DWORD style, int x, int y,
                            int width, int height, int id, HINSTANCE instance) const {
    return CreateWindowExA(0, className, text, WS_CHILD | style, x, y, width, height, window_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           instance != nullptr ? instance : GetModuleHandleA(nullptr), nullptr);
}

LRESULT CALLBACK RecordingParent::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<RecordingParent*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr) {
        if (self->watch_.empty() ||
            std::find(self->watch_.begin(), self->watch_.end(), message) != self->watch_.end()) {
            self->messages_.push_back({message, wParam, lParam});
        }
        if (message == WM_CTLCOLORSTATIC && self->staticBrush_ != nullptr) {
            return reinterpret_cast<LRESULT>(self->staticBrush_);
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

ControlTest::ControlTest(std::vector<UINT> watch, int width, int height)
    : parent_(std::move(watch), width, height) {}

HWND ControlTest::Make(const char* className, const char* text, DWORD style, const RECT& at, int id,
                       HINSTANCE instance) {
    HWND control = parent_.child(className, text, WS_VISIBLE | style, at.left, at.top,
                                 at.right - at.left, at.bottom - at.top, id, instance);
    PumpMessages();
    return control;
}

std::vector<RecordedMessage> ControlTest::Recorded(UINT message) const {
    std::vector<RecordedMessage> found;
    for (const RecordedMessage& m : parent_.messages()) {
        if (m.message == message) {
            found.push_back(m);
        }
    }
    return found;
}

void ControlTest::Press(HWND control, int x, int y) {
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

void ControlTest::Move(HWND control, int x, int y) {
    SendMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
}

void ControlTest::Release(HWND control, int x, int y) {
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ControlTest::KeyDown(HWND control, WPARAM key) {
    SendMessageA(control, WM_KEYDOWN, key, 0);
}

void ControlTest::KeyUp(HWND control, WPARAM key) {
    SendMessageA(control, WM_KEYUP, key, 0);
}

void Redraw(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

COLORREF ClientPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

std::vector<COLORREF> Snapshot(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(window);
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            pixels.push_back(GetPixel(dc, x, y));
        }
    }
    ReleaseDC(window, dc);
    return pixels;
}

int CountPixels(HWND window, const RECT& area, COLORREF colour) {
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += GetPixel(dc, x, y) == colour ? 1 : 0;
        }
    }
    ReleaseDC(window, dc);
    return count;
}

int CountPixels(HWND window, COLORREF colour) {
    RECT client;
    GetClientRect(window, &client);
    return CountPixels(window, client, colour);
}

HMODULE LibraryModule() {
    return GetModuleHandleA("QUORL32.DLL");
}

UINT FieldNameMessage() {
    return RegisterWindowMessageA("BWM_GETFIELDNAME");
}
UINT FocusNotifyMessage() {
    return RegisterWindowMessageA("BWM_FOCUSNOTIFY");
}
UINT PaintDCMessage() {
    return RegisterWindowMessageA("BWM_PAINTDC");
}

DialogTemplate::DialogTemplate(DWORD style, int x, int y, int cx, int cy, const char* title,
                               const char* className) {
    DLGTEMPLATE header{};
    header.style = style;
    header.x = static_cast<short>(x);
    header.y = static_cast<short>(y);
    header.cx = static_cast<short>(cx);
    header.cy = static_cast<short>(cy);
    bytes_.resize(sizeof header);
    std::memcpy(bytes_.data(), &header, sizeof header);
    countOffset_ = offsetof(DLGTEMPLATE, cdit);
    word(0); // no menu
    if (className != nullptr) {
        text(className);
    } else {
        word(0);
    }
    text(title);
    if (style & DS_SETFONT) {
        word(8);
        text("MS Sans Serif");
    }
}

DialogTemplate& DialogTemplate::item(const char* className, const char* itemText, DWORD style,
                                     int x, int y, int cx, int cy, WORD id, WORD classOrdinal) {
    align();
    DLGITEMTEMPLATE header{};
    header.style = style | WS_CHILD;
    header.x = static_cast<short>(x);
    header.y = static_cast<short>(y);
    header.cx = static_cast<short>(cx);
    header.cy = static_cast<short>(cy);
    header.id = id;
    const std::size_t at = bytes_.size();
    bytes_.resize(at + sizeof header);
    std::memcpy(bytes_.data() + at, &header, sizeof header);
    if (className != nullptr) {
        text(className);
    } else {
        word(0xFFFF);
        word(classOrdinal);
    }
    text(itemText);
    word(0); // no creation data
    ++count_;
    std::memcpy(bytes_.data() + countOffset_, &count_, sizeof count_);
    return *this;
}

const DLGTEMPLATE* DialogTemplate::get() {
    return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data());
}

HWND DialogTemplate::create(HWND owner, DLGPROC procedure, LPARAM parameter) {
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), get(), owner, procedure,
                                      parameter);
}

void DialogTemplate::align() {
    while (bytes_.size() % 4 != 0) {
        bytes_.push_back(0);
    }
}

void DialogTemplate::word(WORD value) {
    bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void DialogTemplate::text(const char* value) {
    // Dialog templates hold UTF-16; the tests only use ASCII texts.
    for (const char* c = value; *c != '\0'; ++c) {
        word(static_cast<unsigned char>(*c));
    }
    word(0);
}

} // namespace quorl_test
