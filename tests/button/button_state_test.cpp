// The push button's own states, dialog codes and a missing block, driven
// only with messages through the DLL (its press, focus, caption and field
// name are the shared push behaviour, tested in tests/core).
#include "tests/button/button_test_support.h"

namespace button_test {
namespace {

// Disabling is the shared push behaviour's; the default bit is the button's.
TEST_F(ButtonTest, CreationStylesSetDefaultAndDisabled) {
    HWND both = Make("OK", WS_VISIBLE | BS_DEFPUSHBUTTON | WS_DISABLED, 1);
    EXPECT_EQ(State(both), QBSTATE_DEFAULT | QSTATE_DISABLED);
    EXPECT_EQ(State(Make("Nein", WS_VISIBLE, 7)), 0);
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
