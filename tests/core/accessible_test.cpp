// What screen readers learn of the controls: through the accessible object
// each window hands out (AccessibleObjectFromWindow marshals it, on this
// thread and from a second one), and through the WinEvents the controls
// raise when they change.
#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::PumpMessages;

// The interface id written out: the import library's symbol does not
// survive static linking.
constexpr IID kAccessibleIid = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

constexpr int kControlId = 610;
constexpr RECT kPlace = {10, 10, 150, 50};
constexpr LONG kNoRole = 0;
constexpr DWORD kWaitMs = 2000;
// A first call from another apartment may have to start Wine's RPC service.
constexpr DWORD kThreadWaitMs = 30000;
constexpr DWORD kPollMs = 10;
constexpr DWORD kQuietMs = 200; // long enough for a zero-delay timer to have fired

struct Accessible {
    IAccessible* object = nullptr;
    explicit Accessible(HWND window) {
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kAccessibleIid,
                                   reinterpret_cast<void**>(&object));
    }
    ~Accessible() {
        if (object != nullptr) {
            object->Release();
        }
    }
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;
    IAccessible* operator->() const { return object; }
};

VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// A text property: empty when the object gives none.
template <typename Getter>
std::wstring Text(IAccessible* object, Getter getter) {
    BSTR text = nullptr;
    (object->*getter)(Self(), &text);
    std::wstring result = text != nullptr ? std::wstring(text, SysStringLen(text)) : L"";
    SysFreeString(text);
    return result;
}

LONG Number(IAccessible* object,
            HRESULT (STDMETHODCALLTYPE IAccessible::*getter)(VARIANT, VARIANT*)) {
    VARIANT number;
    VariantInit(&number);
    if (FAILED((object->*getter)(Self(), &number)) || number.vt != VT_I4) {
        return -1;
    }
    return number.lVal;
}

struct Told {
    std::wstring name;
    LONG role;
    LONG state;
    std::wstring value;
    std::wstring action;
};

Told Ask(IAccessible* object) {
    return {Text(object, &IAccessible::get_accName), Number(object, &IAccessible::get_accRole),
            Number(object, &IAccessible::get_accState), Text(object, &IAccessible::get_accValue),
            Text(object, &IAccessible::get_accDefaultAction)};
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

class AccessibilityTest : public quorl_test::ControlTest {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }
};

struct ReportCase {
    const char* label;
    const char* className;
    const char* text;
    DWORD style;
    UINT message; // sent before asking, 0: none
    WPARAM wParam;
    Told expected;
};

constexpr LONG kFocusable = STATE_SYSTEM_FOCUSABLE;
constexpr LONG kReadOnly = STATE_SYSTEM_READONLY;

const ReportCase kReports[] = {
    {"ButtonCaptionWithoutMnemonic",
     QUORL_CLASS,
     "&Speichern,Feld",
     BS_PUSHBUTTON,
     0,
     0,
     {L"Speichern", ROLE_SYSTEM_PUSHBUTTON, kFocusable, L"", L"Dr\u00FCcken"}},
    {"ButtonLineBreakIsSpaceDefault",
     QUORL_CLASS,
     "Zeile~zwei",
     BS_DEFPUSHBUTTON,
     0,
     0,
     {L"Zeile zwei", ROLE_SYSTEM_PUSHBUTTON, kFocusable | STATE_SYSTEM_DEFAULT, L"",
      L"Dr\u00FCcken"}},
    {"ButtonWithoutCaptionNamedByField",
     QUORL_CLASS,
     ",Kunde",
     0,
     0,
     0,
     {L"Kunde", ROLE_SYSTEM_PUSHBUTTON, kFocusable, L"", L"Dr\u00FCcken"}},
    {"ButtonDisabled",
     QUORL_CLASS,
     "Aus",
     WS_DISABLED,
     0,
     0,
     {L"Aus", ROLE_SYSTEM_PUSHBUTTON, kFocusable | STATE_SYSTEM_UNAVAILABLE, L"", L"Dr\u00FCcken"}},
    {"ButtonPressed",
     QUORL_CLASS,
     "Tief",
     0,
     BM_SETSTATE,
     1,
     {L"Tief", ROLE_SYSTEM_PUSHBUTTON, kFocusable | STATE_SYSTEM_PRESSED, L"", L"Dr\u00FCcken"}},
    // Without a picture larger than itself the panel disables itself.
    {"PicturePanelIsGraphic",
     QUORL_CLASS,
     "Bild",
     QBS_PICTURE,
     0,
     0,
     {L"Bild", ROLE_SYSTEM_GRAPHIC, kFocusable | STATE_SYSTEM_UNAVAILABLE, L"", L""}},
    {"CheckBoxUnchecked",
     QUCHECK_CLASS,
     "&Fett",
     QCS_AUTOCHECKBOX,
     0,
     0,
     {L"Fett", ROLE_SYSTEM_CHECKBUTTON, kFocusable, L"", L"Aktivieren"}},
    {"CheckBoxChecked",
     QUCHECK_CLASS,
     "Fett",
     QCS_AUTOCHECKBOX,
     BM_SETCHECK,
     1,
     {L"Fett", ROLE_SYSTEM_CHECKBUTTON, kFocusable | STATE_SYSTEM_CHECKED, L"", L"Deaktivieren"}},
    {"RadioCheckedStillActivates",
     QUCHECK_CLASS,
     "Rot",
     QCS_RADIOBUTTON | QCS_CHECKED,
     0,
     0,
     {L"Rot", ROLE_SYSTEM_RADIOBUTTON, kFocusable | STATE_SYSTEM_CHECKED, L"", L"Aktivieren"}},
    {"GaugeHalf",
     GAUGE_CLASS,
     "Fortschritt",
     GAUGE_PERCENT,
     GAUGE_SETPOS,
     50,
     {L"Fortschritt", ROLE_SYSTEM_PROGRESSBAR, kReadOnly, L"50 %", L""}},
    {"GaugeOfRange200",
     GAUGE_CLASS,
     "",
     0,
     GAUGE_SETRANGE,
     200,
     {L"", ROLE_SYSTEM_PROGRESSBAR, kReadOnly, L"0 %", L""}},
    {"LabelText",
     GTEXT_CLASS,
     "Kunde:",
     0,
     0,
     0,
     {L"Kunde:", ROLE_SYSTEM_STATICTEXT, kReadOnly, L"", L""}},
    {"GroupFrame",
     GTEXT_CLASS,
     "Adresse",
     GTS_GROUP,
     0,
     0,
     {L"Adresse", ROLE_SYSTEM_GROUPING, kReadOnly, L"", L""}},
    {"StatusBar",
     QUSTSB_CLASS,
     "QuStsb",
     0,
     0,
     0,
     {L"", ROLE_SYSTEM_STATUSBAR, kReadOnly, L"", L""}},
    {"StatusFieldWithoutItsMarker",
     QUSTSF_CLASS,
     "!Datei fehlt",
     0,
     0,
     0,
     {L"Datei fehlt", ROLE_SYSTEM_STATICTEXT, kReadOnly, L"", L""}},
    {"HiddenLabel",
     GTEXT_CLASS,
     "Still",
     WS_DISABLED,
     WM_SHOWWINDOW,
     0,
     {L"Still", ROLE_SYSTEM_STATICTEXT, kReadOnly | STATE_SYSTEM_UNAVAILABLE, L"", L""}},
};

class ReportTest : public AccessibilityTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(ReportTest, NameRoleStateValueAndAction) {
    const ReportCase& c = GetParam();
    HWND control = Make(c.className, c.text, c.style, kPlace, kControlId);
    if (c.message != 0) {
        SendMessageA(control, c.message, c.wParam, 0);
    }
    Accessible object(control);
    ASSERT_NE(object.object, nullptr);
    const Told told = Ask(object.object);
    EXPECT_EQ(told.name, c.expected.name);
    EXPECT_EQ(told.role, c.expected.role);
    EXPECT_EQ(told.state, c.expected.state);
    EXPECT_EQ(told.value, c.expected.value);
    EXPECT_EQ(told.action, c.expected.action);
}

INSTANTIATE_TEST_SUITE_P(Controls, ReportTest, ::testing::ValuesIn(kReports),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(AccessibilityTest, FocusedButtonSaysSoAndOffersItsShortcut) {
    HWND button = Make(QUORL_CLASS, "&Speichern", 0, kPlace, kControlId);
    SetFocus(button);
    Accessible object(button);
    ASSERT_NE(object.object, nullptr);
    EXPECT_EQ(Number(object.object, &IAccessible::get_accState), kFocusable | STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(Text(object.object, &IAccessible::get_accKeyboardShortcut), L"Alt+S");
    VARIANT focus;
    ASSERT_EQ(object->get_accFocus(&focus), S_OK);
    EXPECT_EQ(focus.vt, VT_I4);
    EXPECT_EQ(focus.lVal, CHILDID_SELF);
}

TEST_F(AccessibilityTest, LocationIsTheClientAreaOnTheScreen) {
    HWND button = Make(QUORL_CLASS, "Ort", 0, kPlace, kControlId);
    Accessible object(button);
    ASSERT_NE(object.object, nullptr);
    LONG left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(object->accLocation(&left, &top, &width, &height, Self()), S_OK);
    // The parent is a popup at (0, 0) without a frame.
    EXPECT_EQ(left, 10);
    EXPECT_EQ(top, 10);
    EXPECT_EQ(width, 140);
    EXPECT_EQ(height, 40);
}

struct ActionCase {
    const char* label;
    const char* className;
    DWORD style;
    bool clicks;        // the parent hears BN_CLICKED
    LRESULT checkAfter; // BM_GETCHECK afterwards
};

const ActionCase kActions[] = {
    {"ButtonClicks", QUORL_CLASS, 0, true, 0},
    {"CheckBoxTogglesOn", QUCHECK_CLASS, QCS_AUTOCHECKBOX, true, 1},
    {"CheckBoxTogglesOff", QUCHECK_CLASS, QCS_AUTOCHECKBOX | QCS_CHECKED, true, 0},
};

class ActionTest : public AccessibilityTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(ActionTest, DefaultActionClicksAfterTheCallReturns) {
    const ActionCase& c = GetParam();
    HWND control = Make(c.className, "Tu es", c.style, kPlace, kControlId);
    parent_.clear();
    Accessible object(control);
    ASSERT_NE(object.object, nullptr);
    ASSERT_EQ(object->accDoDefaultAction(Self()), S_OK);
    EXPECT_TRUE(parent_.messages().empty()) << "the screen reader's call does not wait";
    ASSERT_EQ(PumpUntilCommand(parent_), c.clicks);
    EXPECT_EQ(parent_.messages()[0].wParam, MAKEWPARAM(kControlId, BN_CLICKED));
    EXPECT_EQ(SendMessageA(control, BM_GETCHECK, 0, 0), c.checkAfter);
}

INSTANTIATE_TEST_SUITE_P(Controls, ActionTest, ::testing::ValuesIn(kActions),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(AccessibilityTest, DisabledButtonRefusesItsDefaultAction) {
    HWND button = Make(QUORL_CLASS, "Aus", WS_DISABLED, kPlace, kControlId);
    parent_.clear();
    Accessible object(button);
    ASSERT_NE(object.object, nullptr);
    EXPECT_EQ(object->accDoDefaultAction(Self()), DISP_E_MEMBERNOTFOUND);
    EXPECT_FALSE(PumpUntilCommand(parent_, kQuietMs));
}

// A screen reader lives in another thread or process: its calls come
// through a proxy and are served by the window's thread.
struct RemoteReader {
    HWND window = nullptr;
    std::wstring name;
    LONG role = kNoRole;
    HRESULT action = E_FAIL;
};

DWORD WINAPI ReadFromOtherThread(void* parameter) {
    auto* reader = static_cast<RemoteReader*>(parameter);
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    {
        Accessible object(reader->window);
        if (object.object != nullptr) {
            reader->name = Text(object.object, &IAccessible::get_accName);
            reader->role = Number(object.object, &IAccessible::get_accRole);
            reader->action = object->accDoDefaultAction(Self());
        }
    }
    CoUninitialize();
    return 0;
}

TEST_F(AccessibilityTest, ReaderInAnotherThreadNamesAndClicksTheButton) {
    HWND button = Make(QUORL_CLASS, "&Fern", 0, kPlace, kControlId);
    parent_.clear();
    RemoteReader reader;
    reader.window = button;
    HANDLE thread = CreateThread(nullptr, 0, ReadFromOtherThread, &reader, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    // The reader's calls are served here, by the window's thread.
    const DWORD start = GetTickCount();
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, kPollMs, QS_ALLINPUT) != WAIT_OBJECT_0 &&
           GetTickCount() - start < kThreadWaitMs) {
        PumpMessages();
    }
    CloseHandle(thread);
    EXPECT_EQ(reader.name, L"Fern");
    EXPECT_EQ(reader.role, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(reader.action, S_OK);
    ASSERT_TRUE(PumpUntilCommand(parent_));
    EXPECT_EQ(parent_.messages()[0].wParam, MAKEWPARAM(kControlId, BN_CLICKED));
}

// WinEvents as a screen reader hooks them, out of context.
struct HeardEvent {
    DWORD event;
    HWND window = nullptr;
    LONG object;
    LONG child;
    bool operator==(const HeardEvent&) const = default;
};
std::vector<HeardEvent> g_heard;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT) {
        g_heard.push_back({event, window, object, child});
    }
}

class EventTest : public AccessibilityTest {
protected:
    void SetUp() override {
        AccessibilityTest::SetUp();
        g_heard.clear();
        hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, Hear,
                                GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(hook_, nullptr);
    }
    void TearDown() override {
        UnhookWinEvent(hook_);
        AccessibilityTest::TearDown();
    }
    // The events of one window heard since the last call.
    std::vector<DWORD> Heard(HWND window) {
        PumpMessages();
        std::vector<DWORD> events;
        for (const HeardEvent& e : g_heard) {
            if (e.window == window && e.child == CHILDID_SELF) {
                events.push_back(e.event);
            }
        }
        g_heard.clear();
        return events;
    }
    HWINEVENTHOOK hook_ = nullptr;
};

bool Contains(const std::vector<DWORD>& events, DWORD event) {
    for (DWORD e : events) {
        if (e == event) {
            return true;
        }
    }
    return false;
}

TEST_F(EventTest, FocusAndCheckAreHeard) {
    HWND box = Make(QUCHECK_CLASS, "Fett", QCS_CHECKBOX, kPlace, kControlId);
    Heard(box);
    SetFocus(box);
    EXPECT_TRUE(Contains(Heard(box), EVENT_OBJECT_FOCUS));
    SendMessageA(box, BM_SETCHECK, 1, 0);
    EXPECT_EQ(Heard(box), std::vector<DWORD>{EVENT_OBJECT_STATECHANGE});
    SendMessageA(box, BM_SETCHECK, 1, 0);
    EXPECT_EQ(Heard(box), std::vector<DWORD>{}) << "nothing changed, nothing told";
}

TEST_F(EventTest, GaugeValueIsHeardOnlyWhenThePercentageMoves) {
    HWND gauge = Make(GAUGE_CLASS, "", GAUGE_PERCENT, kPlace, kControlId);
    Heard(gauge);
    SendMessageA(gauge, GAUGE_SETPOS, 40, 0);
    EXPECT_EQ(Heard(gauge), std::vector<DWORD>{EVENT_OBJECT_VALUECHANGE});
    SendMessageA(gauge, GAUGE_SETPOS, 40, 0);
    EXPECT_EQ(Heard(gauge), std::vector<DWORD>{});
    SendMessageA(gauge, GAUGE_SETRANGE, 80, 0);
    EXPECT_EQ(Heard(gauge), std::vector<DWORD>{EVENT_OBJECT_VALUECHANGE});
}

TEST_F(EventTest, NewTextIsHeardAsANewName) {
    HWND label = Make(GTEXT_CLASS, "Alt", 0, kPlace, kControlId);
    HWND button = Make(QUORL_CLASS, "Alt", 0, {10, 60, 150, 100}, kControlId + 1);
    Heard(label);
    Heard(button);
    SetWindowTextA(label, "Neu");
    EXPECT_TRUE(Contains(Heard(label), EVENT_OBJECT_NAMECHANGE));
    SetWindowTextA(button, "Neu");
    EXPECT_TRUE(Contains(Heard(button), EVENT_OBJECT_NAMECHANGE));
}

TEST_F(EventTest, StatusFieldTellsOnlyOfANewText) {
    HWND field = Make(QUSTSF_CLASS, "9:00:00", 0, kPlace, kControlId);
    Heard(field);
    SetWindowTextA(field, "9:00:00");
    EXPECT_FALSE(Contains(Heard(field), EVENT_OBJECT_NAMECHANGE));
    SetWindowTextA(field, "9:00:01");
    EXPECT_TRUE(Contains(Heard(field), EVENT_OBJECT_NAMECHANGE));
}

} // namespace
