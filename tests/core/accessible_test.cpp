// What screen readers learn of the controls: through the accessible object
// each window hands out (AccessibleObjectFromWindow marshals it, on this
// thread and from a second one), and through the WinEvents they hook.
#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <memory>
#include <string>
#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::PumpMessages;

// Written out: the import library's symbol does not survive static linking.
constexpr IID kAccessibleIid = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

constexpr int kId = 610;
constexpr RECT kPlace = {10, 10, 150, 50};
constexpr DWORD kWaitMs = 2000;
constexpr DWORD kQuietMs = 200;        // a zero-delay timer has long fired by then
constexpr DWORD kThreadWaitMs = 30000; // a first cross-apartment call may start Wine's RPC
constexpr DWORD kPollMs = 10;
constexpr LONG kFocusable = STATE_SYSTEM_FOCUSABLE;
constexpr LONG kReadOnly = STATE_SYSTEM_READONLY;
constexpr wchar_t kPress[] = L"Dr\u00FCcken";

struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
using Object = std::unique_ptr<IAccessible, Releaser>;

Object AccessibleOf(HWND window) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kAccessibleIid,
                               reinterpret_cast<void**>(&object));
    return Object(object);
}

VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// A text property; empty when the object gives none.
std::wstring Text(IAccessible* object,
                  HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    BSTR text = nullptr;
    (object->*get)(Self(), &text);
    std::wstring result = text != nullptr ? std::wstring(text, SysStringLen(text)) : L"";
    SysFreeString(text);
    return result;
}

LONG Number(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
    VARIANT number;
    VariantInit(&number);
    const bool answered = SUCCEEDED((object->*get)(Self(), &number)) && number.vt == VT_I4;
    return answered ? number.lVal : -1;
}

// Pumps until the parent has recorded a command or the time is up.
bool PumpUntilCommand(const quorl_test::RecordingParent& parent, DWORD wait = kWaitMs) {
    const DWORD start = GetTickCount();
    while (parent.messages().empty() && GetTickCount() - start < wait) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
        PumpMessages();
    }
    return !parent.messages().empty();
}

// WinEvents of the client objects, as a screen reader hooks them out of
// context.
std::vector<std::pair<HWND, DWORD>> g_heard;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) {
        g_heard.emplace_back(window, event);
    }
}

class AccessibilityTest : public quorl_test::ControlTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, Hear,
                                GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    void TearDown() override {
        UnhookWinEvent(hook_);
        CoUninitialize();
    }
    // The events of one window heard since the last call.
    static std::vector<DWORD> Heard(HWND window) {
        PumpMessages();
        std::vector<DWORD> events;
        for (const auto& [source, event] : g_heard) {
            if (source == window) {
                events.push_back(event);
            }
        }
        g_heard.clear();
        return events;
    }
    HWINEVENTHOOK hook_ = nullptr;
};

struct ReportCase {
    const char* label;
    const char* className;
    const char* text;
    DWORD style;
    UINT message; // sent before asking, 0: none
    WPARAM wParam;
    const wchar_t* name;
    LONG role;
    LONG state;
    const wchar_t* value;
    const wchar_t* action;
};

// clang-format off
const ReportCase kReports[] = {
    {"CaptionWithoutMnemonic", QUORL_CLASS, "&Speichern,Feld", 0, 0, 0,
     L"Speichern", ROLE_SYSTEM_PUSHBUTTON, kFocusable, L"", kPress},
    {"LineBreakAsSpaceDefault", QUORL_CLASS, "Zeile~zwei", BS_DEFPUSHBUTTON, 0, 0,
     L"Zeile zwei", ROLE_SYSTEM_PUSHBUTTON, kFocusable | STATE_SYSTEM_DEFAULT, L"", kPress},
    {"DoubledAmpersandSpoken", QUCHECK_CLASS, "A && &B", QCS_CHECKBOX, 0, 0,
     L"A & B", ROLE_SYSTEM_CHECKBUTTON, kFocusable, L"", L"Aktivieren"},
    {"NoCaptionNamedByField", QUORL_CLASS, ",Kunde", 0, 0, 0,
     L"Kunde", ROLE_SYSTEM_PUSHBUTTON, kFocusable, L"", kPress},
    {"ButtonDisabled", QUORL_CLASS, "Aus", WS_DISABLED, 0, 0,
     L"Aus", ROLE_SYSTEM_PUSHBUTTON, kFocusable | STATE_SYSTEM_UNAVAILABLE, L"", kPress},
    {"ButtonPressed", QUORL_CLASS, "Tief", 0, BM_SETSTATE, 1,
     L"Tief", ROLE_SYSTEM_PUSHBUTTON, kFocusable | STATE_SYSTEM_PRESSED, L"", kPress},
    // Without a picture larger than itself the panel disables itself.
    {"PicturePanel", QUORL_CLASS, "Bild", QBS_PICTURE, 0, 0,
     L"Bild", ROLE_SYSTEM_GRAPHIC, kFocusable | STATE_SYSTEM_UNAVAILABLE, L"", L""},
    {"CheckBox", QUCHECK_CLASS, "&Fett", QCS_AUTOCHECKBOX, 0, 0,
     L"Fett", ROLE_SYSTEM_CHECKBUTTON, kFocusable, L"", L"Aktivieren"},
    {"CheckBoxChecked", QUCHECK_CLASS, "Fett", QCS_AUTOCHECKBOX, BM_SETCHECK, 1,
     L"Fett", ROLE_SYSTEM_CHECKBUTTON, kFocusable | STATE_SYSTEM_CHECKED, L"", L"Deaktivieren"},
    {"RadioChecked", QUCHECK_CLASS, "Rot", QCS_RADIOBUTTON | QCS_CHECKED, 0, 0,
     L"Rot", ROLE_SYSTEM_RADIOBUTTON, kFocusable | STATE_SYSTEM_CHECKED, L"", L"Aktivieren"},
    {"GaugeHalf", GAUGE_CLASS, "Fortschritt", GAUGE_PERCENT, GAUGE_SETPOS, 50,
     L"Fortschritt", ROLE_SYSTEM_PROGRESSBAR, kReadOnly, L"50 %", L""},
    {"GaugeOfRange200", GAUGE_CLASS, "", 0, GAUGE_SETRANGE, 200,
     L"", ROLE_SYSTEM_PROGRESSBAR, kReadOnly, L"0 %", L""},
    {"Label", GTEXT_CLASS, "Kunde:", 0, 0, 0,
     L"Kunde:", ROLE_SYSTEM_STATICTEXT, kReadOnly, L"", L""},
    {"GroupFrame", GTEXT_CLASS, "Adresse", GTS_GROUP, WM_ENABLE, 0,
     L"Adresse", ROLE_SYSTEM_GROUPING, kReadOnly, L"", L""},
    {"LabelHidden", GTEXT_CLASS, "Still", 0, WM_SHOWWINDOW, 0,
     L"Still", ROLE_SYSTEM_STATICTEXT, kReadOnly | STATE_SYSTEM_INVISIBLE, L"", L""},
    {"StatusBarUnnamed", QUSTSB_CLASS, "QuStsb", 0, 0, 0,
     L"", ROLE_SYSTEM_STATUSBAR, kReadOnly, L"", L""},
    {"StatusFieldWithoutMarker", QUSTSF_CLASS, "!Fehler", 0, 0, 0,
     L"Fehler", ROLE_SYSTEM_STATICTEXT, kReadOnly, L"", L""},
    {"PageSwitcherShowsFirst", GSEITE_CLASS, "EINS+ZWEI", 0, 0, 0,
     L"", ROLE_SYSTEM_PAGETABLIST, 0, L"Erste", L""},
    {"ScheduleChristmasEve", GSHED_CLASS, "24.12.1995", 0, WM_SETTEXT, 0,
     L"Sonntag, 24. Dezember 1995", ROLE_SYSTEM_TABLE, kFocusable, L"24.12.1995", L""},
    {"ScheduleMayDay", GSHED_CLASS, "1.5.2000", 0, WM_SETTEXT, 0,
     L"Montag, 1. Mai 2000", ROLE_SYSTEM_TABLE, kFocusable, L"01.05.2000", L""},
};
// clang-format on

class ReportTest : public AccessibilityTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(ReportTest, NameRoleStateValueAndAction) {
    const ReportCase& c = GetParam();
    HWND control = Make(c.className, c.text, c.style, kPlace, kId);
    if (c.message == WM_SHOWWINDOW) {
        ShowWindow(control, SW_HIDE);
    } else if (c.message != 0) {
        // A schedule takes its date as text.
        const char* text = c.message == WM_SETTEXT ? c.text : nullptr;
        SendMessageA(control, c.message, c.wParam, reinterpret_cast<LPARAM>(text));
    }
    Object object = AccessibleOf(control);
    ASSERT_NE(object.get(), nullptr);
    EXPECT_EQ(Text(object.get(), &IAccessible::get_accName), c.name);
    EXPECT_EQ(Number(object.get(), &IAccessible::get_accRole), c.role);
    EXPECT_EQ(Number(object.get(), &IAccessible::get_accState), c.state);
    EXPECT_EQ(Text(object.get(), &IAccessible::get_accValue), c.value);
    EXPECT_EQ(Text(object.get(), &IAccessible::get_accDefaultAction), c.action);
}

INSTANTIATE_TEST_SUITE_P(Controls, ReportTest, ::testing::ValuesIn(kReports),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(AccessibilityTest, FocusedButtonPlaceAndShortcut) {
    HWND button = Make(QUORL_CLASS, "&Speichern", 0, kPlace, kId);
    SetFocus(button);
    Object object = AccessibleOf(button);
    ASSERT_NE(object.get(), nullptr);
    EXPECT_EQ(Number(object.get(), &IAccessible::get_accState), kFocusable | STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(Text(object.get(), &IAccessible::get_accKeyboardShortcut), L"Alt+S");
    VARIANT focus;
    ASSERT_EQ(object->get_accFocus(&focus), S_OK);
    EXPECT_EQ(focus.vt, VT_I4);
    // The parent is a frameless popup at (0, 0): client and screen agree.
    LONG place[4] = {};
    ASSERT_EQ(object->accLocation(&place[0], &place[1], &place[2], &place[3], Self()), S_OK);
    EXPECT_EQ(std::vector<LONG>(place, place + 4), (std::vector<LONG>{10, 10, 140, 40}));
}

struct ActionCase {
    const char* label;
    const char* className;
    DWORD style;
    HRESULT answer;
    bool clicks;        // the parent hears BN_CLICKED
    LRESULT checkAfter; // BM_GETCHECK afterwards
};

const ActionCase kActions[] = {
    {"ButtonClicks", QUORL_CLASS, 0, S_OK, true, 0},
    {"DisabledButtonRefuses", QUORL_CLASS, WS_DISABLED, DISP_E_MEMBERNOTFOUND, false, 0},
    {"CheckBoxTogglesOn", QUCHECK_CLASS, QCS_AUTOCHECKBOX, S_OK, true, 1},
    {"CheckBoxTogglesOff", QUCHECK_CLASS, QCS_AUTOCHECKBOX | QCS_CHECKED, S_OK, true, 0},
    {"RadioButtonChecksItself", QUCHECK_CLASS, QCS_RADIOBUTTON, S_OK, true, 1},
};

class ActionTest : public AccessibilityTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(ActionTest, DefaultActionClicksAfterTheCallReturns) {
    const ActionCase& c = GetParam();
    HWND control = Make(c.className, "Tu es", c.style, kPlace, kId);
    parent_.clear();
    Object object = AccessibleOf(control);
    ASSERT_NE(object.get(), nullptr);
    ASSERT_EQ(object->accDoDefaultAction(Self()), c.answer);
    EXPECT_TRUE(parent_.messages().empty()) << "the screen reader's call does not wait";
    ASSERT_EQ(PumpUntilCommand(parent_, c.clicks ? kWaitMs : kQuietMs), c.clicks);
    if (c.clicks) {
        EXPECT_EQ(parent_.messages()[0].wParam, MAKEWPARAM(kId, BN_CLICKED));
    }
    EXPECT_EQ(SendMessageA(control, BM_GETCHECK, 0, 0), c.checkAfter);
}

INSTANTIATE_TEST_SUITE_P(Controls, ActionTest, ::testing::ValuesIn(kActions),
                         [](const auto& info) { return std::string(info.param.label); });

// A screen reader in another thread or process calls through a proxy; the
// window's thread serves the calls.
struct RemoteReader {
    HWND window = nullptr;
    std::wstring name;
    LONG role = 0;
    HRESULT action = E_FAIL;
};

DWORD WINAPI ReadFromOtherThread(void* parameter) {
    auto* reader = static_cast<RemoteReader*>(parameter);
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (Object object = AccessibleOf(reader->window)) {
        reader->name = Text(object.get(), &IAccessible::get_accName);
        reader->role = Number(object.get(), &IAccessible::get_accRole);
        reader->action = object->accDoDefaultAction(Self());
    }
    CoUninitialize();
    return 0;
}

// Runs the reader in its own thread while this one serves its calls.
void ServeReader(RemoteReader& reader) {
    HANDLE thread = CreateThread(nullptr, 0, ReadFromOtherThread, &reader, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    const DWORD start = GetTickCount();
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, kPollMs, QS_ALLINPUT) != WAIT_OBJECT_0 &&
           GetTickCount() - start < kThreadWaitMs) {
        PumpMessages();
    }
    CloseHandle(thread);
}

TEST_F(AccessibilityTest, ReaderInAnotherThreadNamesAndClicksTheButton) {
    RemoteReader reader;
    reader.window = Make(QUORL_CLASS, "&Fern", 0, kPlace, kId);
    parent_.clear();
    ServeReader(reader);
    EXPECT_EQ(reader.name, L"Fern");
    EXPECT_EQ(reader.role, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(reader.action, S_OK);
    ASSERT_TRUE(PumpUntilCommand(parent_));
    EXPECT_EQ(parent_.messages()[0].wParam, MAKEWPARAM(kId, BN_CLICKED));
}

// Without an apartment on the window's thread the reader's calls would
// come in on other threads: the system's plain object answers instead.
TEST_F(AccessibilityTest, ThreadWithoutComLeavesTheSystemsObject) {
    RemoteReader reader;
    reader.window = Make(QUORL_CLASS, "Fern", 0, kPlace, kId);
    CoUninitialize();
    ServeReader(reader);
    CoInitialize(nullptr);
    EXPECT_EQ(reader.role, ROLE_SYSTEM_CLIENT);
}

struct EventCase {
    const char* label;
    const char* className;
    UINT message; // sent twice
    WPARAM wParam;
    const char* text;
    std::vector<DWORD> first;
    std::size_t onRepeat; // events heard when the same message comes again
};

const EventCase kEvents[] = {
    {"Check", QUCHECK_CLASS, BM_SETCHECK, 1, nullptr, {EVENT_OBJECT_STATECHANGE}, 0},
    {"Press", QUORL_CLASS, BM_SETSTATE, 1, nullptr, {EVENT_OBJECT_STATECHANGE}, 0},
    {"GaugePosition", GAUGE_CLASS, GAUGE_SETPOS, 40, nullptr, {EVENT_OBJECT_VALUECHANGE}, 0},
    {"GaugeTitle", GAUGE_CLASS, WM_SETTEXT, 0, "Neu", {EVENT_OBJECT_NAMECHANGE}, 1},
    {"LabelText", GTEXT_CLASS, WM_SETTEXT, 0, "Neu", {EVENT_OBJECT_NAMECHANGE}, 1},
    {"ButtonCaption", QUORL_CLASS, WM_SETTEXT, 0, "Neu", {EVENT_OBJECT_NAMECHANGE}, 1},
    {"StatusField", QUSTSF_CLASS, WM_SETTEXT, 0, "Neu", {EVENT_OBJECT_NAMECHANGE}, 0},
    {"ScheduleDate",
     GSHED_CLASS,
     WM_SETTEXT,
     0,
     "24.12.1995",
     {EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_NAMECHANGE},
     0},
};

class EventTableTest : public AccessibilityTest, public ::testing::WithParamInterface<EventCase> {};

TEST_P(EventTableTest, ChangeIsHeardAndNoChangeNotAtAll) {
    const EventCase& c = GetParam();
    HWND control = Make(c.className, "1.1.1990", 0, kPlace, kId);
    Heard(control);
    SendMessageA(control, c.message, c.wParam, reinterpret_cast<LPARAM>(c.text));
    EXPECT_EQ(Heard(control), c.first);
    SendMessageA(control, c.message, c.wParam, reinterpret_cast<LPARAM>(c.text));
    EXPECT_EQ(Heard(control).size(), c.onRepeat);
}

INSTANTIATE_TEST_SUITE_P(Controls, EventTableTest, ::testing::ValuesIn(kEvents),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(AccessibilityTest, FocusIsHeardOnceWithTheFocusedState) {
    HWND box = Make(QUCHECK_CLASS, "Fett", QCS_CHECKBOX, kPlace, kId);
    Heard(box);
    SetFocus(box);
    // The window manager tells of the focus; the control of its state.
    EXPECT_EQ(Heard(box), (std::vector<DWORD>{EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE}));
}

// A child by its number (from 1) as its own object; null when there is none.
Object ChildOf(const Object& parent, LONG number) {
    VARIANT id = Self();
    id.lVal = number;
    IDispatch* child = nullptr;
    IAccessible* object = nullptr;
    if (SUCCEEDED(parent->get_accChild(id, &child)) && child != nullptr) {
        child->QueryInterface(kAccessibleIid, reinterpret_cast<void**>(&object));
        child->Release();
    }
    return Object(object);
}

TEST_F(AccessibilityTest, StatusBarFieldsAreItsChildren) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    HWND bar = StsbCreate(parent_.hwnd(), module, kId);
    StsbAddField(bar, module, kId + 1, 10, 0, 0);
    SetWindowTextA(StsbAddField(bar, module, kId + 2, 10, 0, 0), "?Hinweis");
    Object object = AccessibleOf(bar);
    ASSERT_NE(object.get(), nullptr);
    LONG count = 0;
    ASSERT_EQ(object->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 2);
    const Object second = ChildOf(object, 2);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Text(second.get(), &IAccessible::get_accName), L"Hinweis");
}

// The tabs are children of the dialog, but the switcher's to a reader.
TEST_F(AccessibilityTest, PageSwitcherTabsAreItsChildrenAndSwitchIt) {
    HWND switcher = Make(GSEITE_CLASS, "EINS+ZWEI", 0, {0, 0, 300, 200}, kId);
    Object object = AccessibleOf(switcher);
    ASSERT_NE(object.get(), nullptr);
    LONG count = 0;
    ASSERT_EQ(object->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 2);
    const Object tab = ChildOf(object, 2);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(Text(tab.get(), &IAccessible::get_accName), L"Zweite");
    EXPECT_EQ(Number(tab.get(), &IAccessible::get_accRole), ROLE_SYSTEM_PAGETAB);
    Heard(switcher);
    parent_.clear();
    EXPECT_EQ(tab->accDoDefaultAction(Self()), S_OK);
    EXPECT_TRUE(PumpUntilCommand(parent_)) << "GSN_PAGECHANGED";
    EXPECT_EQ(Text(object.get(), &IAccessible::get_accValue), L"Zweite");
    EXPECT_EQ(Number(tab.get(), &IAccessible::get_accState),
              kFocusable | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED);
    EXPECT_EQ(Heard(switcher), std::vector<DWORD>{EVENT_OBJECT_VALUECHANGE});
}

} // namespace
