// QUCHECK radio groups in real dialogs and under the dialog manager's keys.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

using quorl_test::DialogTemplate;
using quorl_test::RecordingParent;

namespace {

std::vector<std::pair<HWND, WPARAM>> g_checks;
std::vector<WPARAM> g_commands;
WNDPROC g_classProcedure = nullptr;

LRESULT CALLBACK RecordChecks(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BM_SETCHECK) {
        g_checks.emplace_back(window, wParam);
    }
    return CallWindowProcA(g_classProcedure, window, message, wParam, lParam);
}

INT_PTR CALLBACK RecordCommands(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND) {
        g_commands.push_back(wParam);
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// Three radio buttons (ids 11 to 13) of one type, then an OK button that
// starts the next group.
HWND RadioDialog(DWORD type) {
    g_commands.clear();
    DialogTemplate dialog(WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 0, 160, 80, "Gruppe");
    dialog.item(QUCHECK_CLASS, "Eins", type | WS_VISIBLE | WS_GROUP | WS_TABSTOP, 5, 5, 60, 12, 11)
        .item(QUCHECK_CLASS, "Zwei", type | WS_VISIBLE | WS_TABSTOP, 5, 20, 60, 12, 12)
        .item(QUCHECK_CLASS, "Drei", type | WS_VISIBLE | WS_TABSTOP, 5, 35, 60, 12, 13)
        .item(nullptr, "OK", WS_VISIBLE | WS_GROUP | WS_TABSTOP, 90, 5, 50, 14, IDOK, 0x80);
    return dialog.create(nullptr, RecordCommands);
}

bool Checked(HWND dialog, int id) {
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == 1;
}
bool TabStop(HWND dialog, int id) {
    return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & WS_TABSTOP) != 0;
}

// Lets IsDialogMessage handle one key press at the focused control.
void DialogKey(HWND dialog, WPARAM key) {
    MSG msg{GetFocus(), WM_KEYDOWN, key, 0, 0, {0, 0}};
    IsDialogMessageA(dialog, &msg);
}

} // namespace

TEST(CheckButtonGroup, ClickUnchecksTheOthersLastFirstAndChecksItselfLast) {
    HWND dialog = RadioDialog(QCS_RADIOBUTTON);
    ASSERT_NE(dialog, nullptr);
    HWND one = GetDlgItem(dialog, 11), two = GetDlgItem(dialog, 12), three = GetDlgItem(dialog, 13);
    g_classProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(one, GWLP_WNDPROC));
    for (HWND item : {one, two, three}) {
        SetWindowLongPtrA(item, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordChecks));
    }
    SendMessageA(one, BM_SETCHECK, 1, 0);
    EXPECT_TRUE(TabStop(dialog, 12)); // untouched until its check is set
    g_checks.clear();
    g_commands.clear();

    SendMessageA(three, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(three, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    const std::vector<std::pair<HWND, WPARAM>> expected = {{two, 0}, {one, 0}, {three, 1}};
    EXPECT_EQ(g_checks, expected);
    EXPECT_FALSE(Checked(dialog, 11));
    EXPECT_FALSE(Checked(dialog, 12));
    EXPECT_TRUE(Checked(dialog, 13));
    EXPECT_FALSE(TabStop(dialog, 11));
    EXPECT_FALSE(TabStop(dialog, 12));
    EXPECT_TRUE(TabStop(dialog, 13));
    EXPECT_EQ(g_commands, std::vector<WPARAM>{MAKEWPARAM(13, BN_CLICKED)});
    DestroyWindow(dialog);
}

TEST(CheckButtonGroup, ArrowKeysSelectAutomaticRadioButtonsOnly) {
    HWND automatic = RadioDialog(QCS_AUTORADIOBUTTON);
    ASSERT_EQ(GetFocus(), GetDlgItem(automatic, 11));
    EXPECT_TRUE(Checked(automatic, 11)); // the first focus selected it
    g_commands.clear();
    DialogKey(automatic, VK_DOWN);
    EXPECT_EQ(GetFocus(), GetDlgItem(automatic, 12));
    EXPECT_FALSE(Checked(automatic, 11));
    EXPECT_TRUE(Checked(automatic, 12));
    EXPECT_EQ(g_commands, std::vector<WPARAM>{MAKEWPARAM(12, BN_CLICKED)});
    DestroyWindow(automatic);

    HWND plain = RadioDialog(QCS_RADIOBUTTON);
    SendDlgItemMessageA(plain, 11, BM_SETCHECK, 1, 0);
    DialogKey(plain, VK_DOWN);
    EXPECT_EQ(GetFocus(), GetDlgItem(plain, 12));
    EXPECT_TRUE(Checked(plain, 11));
    EXPECT_FALSE(Checked(plain, 12));
    EXPECT_TRUE(g_commands.empty());
    DestroyWindow(plain);
}

TEST(CheckButtonGroup, WalkPastADisabledControlEndsWithItChecked) {
    RecordingParent parent;
    auto radio = [&](DWORD style, int id) {
        return parent.child(QUCHECK_CLASS, "R", WS_VISIBLE | QCS_RADIOBUTTON | style, 0, id * 20,
                            80, 20, id);
    };
    HWND first = radio(WS_GROUP, 1);
    HWND disabled = radio(WS_DISABLED, 2);
    HWND last = radio(0, 3);
    radio(WS_GROUP, 4);
    SendMessageA(first, BM_SETCHECK, 1, 0);
    SendMessageA(last, BM_SETCHECK, 1, 0);
    SendMessageA(disabled, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(disabled, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(SendMessageA(first, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(SendMessageA(last, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(SendMessageA(disabled, BM_GETCHECK, 0, 0), 1);
}
