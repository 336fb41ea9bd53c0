// The push button's state machine, notifications, dialog codes, caption
// and field name, driven only with messages through the DLL.
#include <cstring>

#include "tests/button/button_test_support.h"

namespace button_test {
namespace {

using quorl_test::RecordedMessage;

constexpr LONG kMouseBits = QSTATE_PUSHED | QSTATE_TRACKING | QSTATE_OUTSIDE;

LONG MouseBits(HWND button) {
    return GetWindowLongA(button, QBWL_STATE) & kMouseBits;
}

void ExpectClick(const RecordedMessage& m, int id, HWND button) {
    EXPECT_EQ(m.message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(m.wParam, static_cast<WPARAM>(MAKEWPARAM(id, BN_CLICKED)));
    EXPECT_EQ(m.lParam, reinterpret_cast<LPARAM>(button));
}

TEST_F(ButtonTest, CreationStylesSetDefaultAndDisabled) {
    HWND both = Make("OK", WS_VISIBLE | BS_DEFPUSHBUTTON | WS_DISABLED, 1);
    EXPECT_EQ(State(both), QBSTATE_DEFAULT | QSTATE_DISABLED);
    HWND plain = Make("Nein", WS_VISIBLE, 7);
    EXPECT_EQ(State(plain), 0);
    EnableWindow(plain, FALSE);
    EXPECT_EQ(State(plain), QSTATE_DISABLED);
    EnableWindow(plain, TRUE);
    EXPECT_EQ(State(plain), 0);
}

TEST_F(ButtonTest, PressMoveOutAndReleaseSendsNothing) {
    HWND b = Make("Los", WS_VISIBLE, 21);
    Press(b, 5, 5);
    EXPECT_EQ(MouseBits(b), QSTATE_TRACKING);
    EXPECT_EQ(GetCapture(), b);
    EXPECT_EQ(GetFocus(), b);
    Move(b, 200, 5);
    EXPECT_EQ(MouseBits(b), QSTATE_TRACKING | QSTATE_OUTSIDE);
    Release(b, 200, 5);
    EXPECT_EQ(MouseBits(b), 0);
    EXPECT_NE(GetCapture(), b);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ButtonTest, MovingBackInBeforeReleaseClicks) {
    HWND b = Make("Los", WS_VISIBLE, 21);
    Press(b, 5, 5);
    Move(b, -1, 5); // left of the window: 0xFFFF read unsigned is outside
    EXPECT_EQ(MouseBits(b), QSTATE_TRACKING | QSTATE_OUTSIDE);
    Move(b, 5, -1);
    EXPECT_EQ(MouseBits(b), QSTATE_TRACKING | QSTATE_OUTSIDE);
    Move(b, 74, 22);
    EXPECT_EQ(MouseBits(b), QSTATE_TRACKING);
    Release(b, 74, 22);
    EXPECT_EQ(MouseBits(b), 0);
    const auto commands = Commands();
    ASSERT_EQ(commands.size(), 1u);
    ExpectClick(commands[0], 21, b);
}

TEST_F(ButtonTest, PressOutsideTheClientAreaOrMoveWithoutTrackingDoNothing) {
    HWND b = Make("Los", WS_VISIBLE, 21);
    Press(b, 75, 5);
    Move(b, 200, 5);
    Release(b, 5, 5);
    EXPECT_EQ(MouseBits(b), 0);
    EXPECT_TRUE(Commands().empty());
    SendMessageA(b, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)); // a press as well
    EXPECT_EQ(MouseBits(b), QSTATE_TRACKING);
    Release(b, 5, 5);
    EXPECT_EQ(Commands().size(), 1u);
}

TEST_F(ButtonTest, SpaceBarPushesAndClicks) {
    HWND b = Make("Los", WS_VISIBLE, 22);
    SendMessageA(b, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(MouseBits(b), 0);
    SendMessageA(b, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(MouseBits(b), QSTATE_PUSHED);
    EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0), 1);
    SendMessageA(b, WM_KEYDOWN, VK_SPACE, 0x40000000); // auto-repeat changes nothing
    SendMessageA(b, WM_KEYUP, VK_RETURN, 0);
    EXPECT_TRUE(Commands().empty());
    SendMessageA(b, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(MouseBits(b), 0);
    const auto commands = Commands();
    ASSERT_EQ(commands.size(), 1u);
    ExpectClick(commands[0], 22, b);
    SendMessageA(b, WM_KEYUP, VK_SPACE, 0); // not pushed any more: nothing
    EXPECT_EQ(Commands().size(), 1u);
}

TEST_F(ButtonTest, MousePressIsIgnoredWhileSpaceHoldsTheButton) {
    HWND b = Make("Los", WS_VISIBLE, 23);
    SendMessageA(b, WM_KEYDOWN, VK_SPACE, 0);
    Press(b, 5, 5);
    EXPECT_EQ(MouseBits(b), QSTATE_PUSHED);
    EXPECT_NE(GetCapture(), b);
    Release(b, 5, 5);
    EXPECT_TRUE(Commands().empty());
    SendMessageA(b, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(Commands().size(), 1u);
}

TEST_F(ButtonTest, SpaceIsIgnoredWhileTheMouseTracks) {
    HWND b = Make("Los", WS_VISIBLE, 24);
    Press(b, 5, 5);
    SendMessageA(b, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(MouseBits(b), QSTATE_TRACKING);
    EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0), 0); // held by the mouse only
    SendMessageA(b, WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(Commands().empty());
    Release(b, 5, 5);
    EXPECT_EQ(Commands().size(), 1u);
}

TEST_F(ButtonTest, SetStateAndGetState) {
    HWND b = Make("Los", WS_VISIBLE, 25);
    EXPECT_EQ(SendMessageA(b, BM_SETSTATE, 1, 0), 0);
    EXPECT_EQ(MouseBits(b), QSTATE_PUSHED);
    EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0), 1);
    SendMessageA(b, BM_SETSTATE, 0, 0);
    EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0), 0);
    EXPECT_TRUE(Commands().empty()); // cleared without a click
    SendMessageA(b, BM_SETSTATE, 0x100, 0);
    SendMessageA(b, WM_KEYUP, VK_SPACE, 0); // pushed, then space up: a click
    EXPECT_EQ(Commands().size(), 1u);
}

TEST_F(ButtonTest, SetStyleAndDialogCodes) {
    HWND b = Make("Los", WS_VISIBLE, 26);
    EXPECT_EQ(SendMessageA(b, WM_GETDLGCODE, 0, 0), 0x2020);
    SendMessageA(b, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(State(b), QBSTATE_DEFAULT);
    EXPECT_EQ(SendMessageA(b, WM_GETDLGCODE, 0, 0), 0x2010);
    SendMessageA(b, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_EQ(State(b), 0);
    SendMessageA(b, BM_SETSTYLE, BS_DEFPUSHBUTTON | BS_LEFT, TRUE); // only exactly 1 counts
    EXPECT_EQ(State(b), 0);
    HWND panel = Make("", WS_VISIBLE | QBS_PICTURE | BS_DEFPUSHBUTTON, 27);
    EXPECT_EQ(SendMessageA(panel, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
}

TEST_F(ButtonTest, FocusNotificationsComeBeforeTheClick) {
    HWND first = Make("Eins", WS_VISIBLE, 31);
    HWND second = Make("Zwei", WS_VISIBLE, 32);
    SetFocus(first);
    EXPECT_EQ(State(first), QSTATE_FOCUSED);
    parent_.clear();
    Press(second, 5, 5);
    Release(second, 5, 5);
    const auto& all = parent_.messages();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].message, focusNotify_);
    EXPECT_EQ(all[0].wParam, 31u);
    EXPECT_EQ(all[0].lParam, MAKELPARAM(LOWORD(reinterpret_cast<ULONG_PTR>(first)), WM_KILLFOCUS));
    EXPECT_EQ(all[1].message, focusNotify_);
    EXPECT_EQ(all[1].wParam, 32u);
    EXPECT_EQ(all[1].lParam, MAKELPARAM(LOWORD(reinterpret_cast<ULONG_PTR>(second)), WM_SETFOCUS));
    ExpectClick(all[2], 32, second);
    EXPECT_EQ(State(first), 0);
    EXPECT_EQ(State(second), QSTATE_FOCUSED);
}

TEST_F(ButtonTest, CaptionConventions) {
    HWND b = Make("Speichern,KUNDE", WS_VISIBLE, 41);
    char text[300] = "";
    EXPECT_EQ(GetWindowTextA(b, text, sizeof text), 9);
    EXPECT_STREQ(text, "Speichern");
    EXPECT_NE(SendMessageA(b, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Zeile 1~Zeile 2,FELD")), 0);
    GetWindowTextA(b, text, sizeof text);
    EXPECT_STREQ(text, "Zeile 1\nZeile 2");
    const std::string longCaption(300, 'x');
    SendMessageA(b, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longCaption.c_str()));
    EXPECT_EQ(GetWindowTextLengthA(b), 256);
    // A hidden button offers no mnemonic; a visible one reports its text.
    SendMessageA(b, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("&Speichern"));
    EXPECT_EQ(SendMessageA(b, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)), 10);
    EXPECT_STREQ(text, "&Speichern");
    ShowWindow(b, SW_HIDE);
    EXPECT_EQ(SendMessageA(b, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)), 10);
    EXPECT_STREQ(text, "$Speichern");
}

TEST_F(ButtonTest, FieldNameStaysInsideTheBuffer) {
    const UINT fieldName = quorl_test::FieldNameMessage();
    HWND b = Make("Speichern,KUNDE", WS_VISIBLE, 42);
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(SendMessageA(b, fieldName, 4, reinterpret_cast<LPARAM>(buffer)), 2);
    EXPECT_EQ(std::memcmp(buffer, "KU\0\0xxxx", 8), 0);
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(SendMessageA(b, fieldName, 1, reinterpret_cast<LPARAM>(buffer)), 2);
    EXPECT_EQ(std::memcmp(buffer, "\0xxxxxxx", 8), 0);
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(SendMessageA(b, fieldName, 0, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(std::memcmp(buffer, "xxxxxxxx", 8), 0);
    EXPECT_EQ(SendMessageA(b, fieldName, 8, 0), 0);

    HWND longName = Make("A,ABCDEFGHIJKLMNOPQRSTUVWXYZ", WS_VISIBLE, 43);
    char wide[64];
    EXPECT_EQ(SendMessageA(longName, fieldName, sizeof wide, reinterpret_cast<LPARAM>(wide)), 2);
    EXPECT_STREQ(wide, "ABCDEFGHIJKLMNOPQRS");
    HWND none = Make("Ohne", WS_VISIBLE, 44);
    EXPECT_EQ(SendMessageA(none, fieldName, sizeof wide, reinterpret_cast<LPARAM>(wide)), 2);
    EXPECT_STREQ(wide, "");
}

TEST_F(ButtonTest, WithoutItsBlockTheButtonDoesNothingHarmful) {
    HWND b = Make("Text,FELD", WS_VISIBLE, kRedBlockId);
    const LONG_PTR block = SetWindowLongPtrA(b, QBWL_DATA, 0);
    ASSERT_NE(block, 0);
    char name[8] = "x";
    EXPECT_EQ(SendMessageA(b, quorl_test::FieldNameMessage(), sizeof name,
                           reinterpret_cast<LPARAM>(name)),
              0);
    EXPECT_STREQ(name, "x");
    HDC screen = GetDC(nullptr);
    HBITMAP offered = CreateCompatibleBitmap(screen, 4, 4);
    ReleaseDC(nullptr, screen);
    SendMessageA(b, QBM_SETBITMAP, reinterpret_cast<WPARAM>(offered), 0);
    EXPECT_EQ(GetObjectType(offered), static_cast<DWORD>(OBJ_BITMAP)); // not taken
    SetFocus(b);
    SendMessageA(b, WM_TIMER, QB_AUTOSCROLL_TIMER, 0);
    SendMessageA(b, WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageA(b, WM_SIZE, SIZE_RESTORED, 0);
    Redraw(b);
    Press(b, 5, 5);
    Release(b, 5, 5);
    EXPECT_EQ(Commands().size(), 1u); // the state machine needs no block
    DeleteObject(offered);
    SetWindowLongPtrA(b, QBWL_DATA, block);
    DestroyWindow(b);
}

TEST_F(ButtonTest, NullCreationTextIsAccepted) {
    HWND b = parent_.child(QUORL_CLASS, nullptr, WS_VISIBLE, 0, 0, 75, 23, 45);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(GetWindowTextLengthA(b), 0);
    Redraw(b);
}

} // namespace
} // namespace button_test
