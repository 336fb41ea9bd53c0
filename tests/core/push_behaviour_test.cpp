// The push behaviour both graphic button classes share, driven through the
// DLL with messages, once for each class.
#include <cstring>
#include <string>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::RecordedMessage;

constexpr int kId = 21;
constexpr LONG kPressBits = QSTATE_PUSHED | QSTATE_TRACKING | QSTATE_OUTSIDE;
constexpr RECT kPlace = {10, 10, 85, 33}; // 75 x 23

struct PushClass {
    const char* name;
    DWORD style;               // a type whose click only tells the parent
    int stateIndex;            // window long of the state word
    LRESULT fieldNameNoBuffer; // answer when the buffer takes nothing
};

const PushClass kClasses[] = {
    {QUORL_CLASS, 0, QBWL_STATE, 0},
    {QUCHECK_CLASS, QCS_CHECKBOX, QCWL_STATE, 2},
};

class PushTest : public quorl_test::ControlTest, public testing::WithParamInterface<PushClass> {
protected:
    PushTest() : ControlTest({WM_COMMAND, quorl_test::FocusNotifyMessage()}) {}

    HWND Make(const char* text, int id = kId, DWORD style = 0) {
        return ControlTest::Make(GetParam().name, text, GetParam().style | style, kPlace, id);
    }
    LONG State(HWND control) const { return GetWindowLongA(control, GetParam().stateIndex); }
    LONG PressBits(HWND control) const { return State(control) & kPressBits; }
    std::size_t Clicks() const { return Recorded(WM_COMMAND).size(); }
    LRESULT FieldName(HWND control, WPARAM size, char* buffer) const {
        return SendMessageA(control, quorl_test::FieldNameMessage(), size,
                            reinterpret_cast<LPARAM>(buffer));
    }
};

void ExpectClick(const RecordedMessage& m, int id, HWND control) {
    EXPECT_EQ(m.message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(m.wParam, static_cast<WPARAM>(MAKEWPARAM(id, BN_CLICKED)));
    EXPECT_EQ(m.lParam, reinterpret_cast<LPARAM>(control));
}

TEST_P(PushTest, MouseTracksOutAndBackInAndClicksOnRelease) {
    HWND c = Make("Los");
    Press(c, 5, 5);
    EXPECT_EQ(PressBits(c), QSTATE_TRACKING);
    EXPECT_EQ(GetCapture(), c);
    EXPECT_EQ(GetFocus(), c);
    Move(c, -1, 5); // left of the window: 0xFFFF read unsigned is outside
    EXPECT_EQ(PressBits(c), QSTATE_TRACKING | QSTATE_OUTSIDE);
    Move(c, 5, -1);
    EXPECT_EQ(PressBits(c), QSTATE_TRACKING | QSTATE_OUTSIDE);
    Move(c, 75, 5); // the right edge is outside
    EXPECT_EQ(PressBits(c), QSTATE_TRACKING | QSTATE_OUTSIDE);
    Move(c, 74, 22);
    EXPECT_EQ(PressBits(c), QSTATE_TRACKING);
    Release(c, 74, 22);
    EXPECT_EQ(PressBits(c), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    const auto clicks = Recorded(WM_COMMAND);
    ASSERT_EQ(clicks.size(), 1u);
    ExpectClick(clicks[0], kId, c);
}

TEST_P(PushTest, ReleaseOutsideOrPressOutsideClicksNothing) {
    HWND c = Make("Los");
    Press(c, 5, 5);
    Move(c, 200, 5);
    Release(c, 200, 5);
    EXPECT_EQ(PressBits(c), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    Press(c, 5, 23); // below the client area
    Move(c, 5, 5);
    Release(c, 5, 5);
    EXPECT_EQ(PressBits(c), 0);
    EXPECT_EQ(Clicks(), 0u);
    SendMessageA(c, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)); // a press as well
    EXPECT_EQ(PressBits(c), QSTATE_TRACKING);
    Release(c, 5, 5);
    EXPECT_EQ(Clicks(), 1u);
}

TEST_P(PushTest, SpaceBarPushesAndClicksOnce) {
    HWND c = Make("Los");
    KeyDown(c, VK_RETURN);
    EXPECT_EQ(PressBits(c), 0);
    KeyDown(c, VK_SPACE);
    EXPECT_EQ(PressBits(c), QSTATE_PUSHED);
    EXPECT_EQ(SendMessageA(c, BM_GETSTATE, 0, 0), 1);
    KeyDown(c, VK_SPACE); // auto-repeat changes nothing
    KeyUp(c, VK_RETURN);
    EXPECT_EQ(Clicks(), 0u);
    KeyUp(c, VK_SPACE);
    EXPECT_EQ(PressBits(c), 0);
    const auto clicks = Recorded(WM_COMMAND);
    ASSERT_EQ(clicks.size(), 1u);
    ExpectClick(clicks[0], kId, c);
    KeyUp(c, VK_SPACE); // not pushed any more: nothing
    EXPECT_EQ(Clicks(), 1u);
}

TEST_P(PushTest, SpaceAndMouseExcludeEachOther) {
    HWND c = Make("Los");
    KeyDown(c, VK_SPACE);
    Press(c, 5, 5);
    EXPECT_EQ(PressBits(c), QSTATE_PUSHED);
    EXPECT_NE(GetCapture(), c);
    Release(c, 5, 5);
    EXPECT_EQ(Clicks(), 0u);
    KeyUp(c, VK_SPACE);
    EXPECT_EQ(Clicks(), 1u);

    Press(c, 5, 5);
    KeyDown(c, VK_SPACE);
    EXPECT_EQ(PressBits(c), QSTATE_TRACKING);
    EXPECT_EQ(SendMessageA(c, BM_GETSTATE, 0, 0), 0); // held by the mouse only
    KeyUp(c, VK_SPACE);
    EXPECT_EQ(Clicks(), 1u);
    Release(c, 5, 5);
    EXPECT_EQ(Clicks(), 2u);
}

TEST_P(PushTest, SetStateEndsAPressWithoutAClick) {
    HWND c = Make("Los");
    KeyDown(c, VK_SPACE);
    SetFocus(parent_.hwnd()); // losing the focus keeps the press
    EXPECT_EQ(SendMessageA(c, BM_GETSTATE, 0, 0), 1);
    EXPECT_EQ(SendMessageA(c, BM_SETSTATE, 0, 0), 0);
    EXPECT_EQ(PressBits(c), 0);
    KeyUp(c, VK_SPACE);
    EXPECT_EQ(Clicks(), 0u);
    SendMessageA(c, BM_SETSTATE, 0x100, 0);
    EXPECT_EQ(PressBits(c), QSTATE_PUSHED);
    KeyUp(c, VK_SPACE); // pushed, then space up: a click
    EXPECT_EQ(Clicks(), 1u);
}

TEST_P(PushTest, FocusChangesAreAnnouncedBeforeTheClick) {
    HWND first = Make("Eins", 31);
    HWND second = Make("Zwei", 32);
    SetFocus(first);
    EXPECT_EQ(State(first), QSTATE_FOCUSED);
    parent_.clear();
    Press(second, 5, 5);
    Release(second, 5, 5);
    const UINT notify = quorl_test::FocusNotifyMessage();
    const auto& all = parent_.messages();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].message, notify);
    EXPECT_EQ(all[0].wParam, 31u);
    EXPECT_EQ(all[0].lParam, MAKELPARAM(LOWORD(reinterpret_cast<ULONG_PTR>(first)), 0x0008));
    EXPECT_EQ(all[1].message, notify);
    EXPECT_EQ(all[1].wParam, 32u);
    EXPECT_EQ(all[1].lParam, MAKELPARAM(LOWORD(reinterpret_cast<ULONG_PTR>(second)), 0x0007));
    ExpectClick(all[2], 32, second);
    EXPECT_EQ(State(first), 0);
    EXPECT_EQ(State(second), QSTATE_FOCUSED);
}

TEST_P(PushTest, DisabledFromCreationAndByEnableWindow) {
    HWND off = Make("Aus", kId, WS_DISABLED);
    EXPECT_EQ(State(off), QSTATE_DISABLED);
    EnableWindow(off, TRUE);
    EXPECT_EQ(State(off), 0);
    EnableWindow(off, FALSE);
    EXPECT_EQ(State(off), QSTATE_DISABLED);
}

TEST_P(PushTest, CaptionEndsAtTheCommaAndTildeBreaksTheLine) {
    HWND c = Make("Speichern,KUNDE");
    char text[300] = "";
    EXPECT_EQ(GetWindowTextA(c, text, sizeof text), 9);
    EXPECT_STREQ(text, "Speichern");
    EXPECT_NE(SendMessageA(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Zeile 1~Zeile 2,FELD")), 0);
    GetWindowTextA(c, text, sizeof text);
    EXPECT_STREQ(text, "Zeile 1\nZeile 2");
    FieldName(c, sizeof text, text);
    EXPECT_STREQ(text, "KUNDE"); // a new text keeps the field name
    const std::string longCaption(300, 'x');
    SendMessageA(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longCaption.c_str()));
    EXPECT_EQ(GetWindowTextLengthA(c), 256);
    // A hidden control offers no mnemonic; a visible one reports its text.
    SendMessageA(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("&Speichern"));
    EXPECT_EQ(SendMessageA(c, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)), 10);
    EXPECT_STREQ(text, "&Speichern");
    ShowWindow(c, SW_HIDE);
    EXPECT_EQ(SendMessageA(c, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)), 10);
    EXPECT_STREQ(text, "$Speichern");
}

TEST_P(PushTest, FieldNameStaysInsideTheBuffer) {
    struct Case {
        const char* text;
        WPARAM size;
        const char* expected; // the eight bytes of the buffer afterwards
    };
    const Case cases[] = {
        {"Speichern,KUNDE", 4, "KU\0\0xxxx"},
        {"Speichern,KUNDE", 1, "\0xxxxxxx"},
        {"Speichern,ABCDEFGHIJKL", 7, "ABCDE\0\0x"},
        {"a,b,c", 8, "b,c\0xxx\0"},
        {"Ohne", 8, "\0xxxxxx\0"},
    };
    for (const Case& c : cases) {
        HWND control = Make(c.text);
        char buffer[8];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(FieldName(control, c.size, buffer), 2) << c.text << " " << c.size;
        EXPECT_EQ(std::string(buffer, 8), std::string(c.expected, 8)) << c.text << " " << c.size;
    }
    HWND longName = Make("A,ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    char wide[64];
    EXPECT_EQ(FieldName(longName, sizeof wide, wide), 2);
    EXPECT_STREQ(wide, "ABCDEFGHIJKLMNOPQRS");
    // A buffer that takes nothing is left alone; the answer is the class's.
    char untouched[4] = "xyz";
    EXPECT_EQ(FieldName(longName, 0, untouched), GetParam().fieldNameNoBuffer);
    EXPECT_STREQ(untouched, "xyz");
    EXPECT_EQ(FieldName(longName, 8, nullptr), GetParam().fieldNameNoBuffer);
    // A negative size is no room: nothing lands before or in the buffer.
    char guarded[8] = "xxxxxxx";
    for (INT_PTR size : {-1, -2, -7}) {
        EXPECT_EQ(FieldName(longName, static_cast<WPARAM>(size), guarded + 4),
                  GetParam().fieldNameNoBuffer);
        EXPECT_STREQ(guarded, "xxxxxxx") << size;
    }
}

// The parent closes the window from the click notification: the control
// must not touch its freed record on the way back.
WNDPROC g_parentProcedure = nullptr;
LRESULT CALLBACK DestroyingParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        DestroyWindow(reinterpret_cast<HWND>(lParam));
    }
    return CallWindowProcA(g_parentProcedure, window, message, wParam, lParam);
}

TEST_P(PushTest, ParentMayDestroyTheControlFromItsClick) {
    g_parentProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        parent_.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DestroyingParent)));
    for (int round = 0; round < 2; ++round) {
        HWND c = Make("Weg,FELD");
        if (round == 0) {
            Press(c, 5, 5);
            Release(c, 5, 5);
        } else {
            KeyDown(c, VK_SPACE);
            KeyUp(c, VK_SPACE);
        }
        EXPECT_FALSE(IsWindow(c));
    }
    EXPECT_EQ(Clicks(), 2u);
    SetWindowLongPtrA(parent_.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_parentProcedure));
}

INSTANTIATE_TEST_SUITE_P(BothButtonClasses, PushTest, testing::ValuesIn(kClasses),
                         [](const testing::TestParamInfo<PushClass>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
