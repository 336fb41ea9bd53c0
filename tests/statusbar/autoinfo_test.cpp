// StsbAutoInfo through a real dialog with a menu and a string table.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

constexpr char kUnavailable[] = " (nicht verf\xFCgbar)";
// The first 99 characters of the 150-character string 203.
constexpr char kLongHelp[] = "Hilfetext 00 Hilfetext 01 Hilfetext 02 Hilfetext 03 Hilfetext 04 "
                             "Hilfetext 05 Hilfetext 06 Hilfetex";

std::string FieldText(HWND dialog, int id) {
    char text[200] = "";
    GetDlgItemTextA(GetDlgItem(dialog, STSB_AUTO_BAR), id, text, sizeof text);
    return text;
}

std::vector<std::string> g_menuHelp; // the help text after each WM_MENUSELECT

INT_PTR CALLBACK AutoDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    StsbAutoInfo(dialog, message, wParam, lParam);
    if (message == WM_MENUSELECT) {
        g_menuHelp.push_back(FieldText(dialog, STSB_AUTO_HELP));
    }
    return message == WM_INITDIALOG;
}

class AutoInfoTest : public quorl_test::ControlTest {
protected:
    void TearDown() override { DestroyWindow(dialog_); }
    std::string Text(int id) const { return FieldText(dialog_, id); }
    void Send(UINT message, WPARAM wParam) const { SendMessageA(dialog_, message, wParam, 0); }
    HWND dialog_ =
        CreateDialogParamA(GetModuleHandleA(nullptr), "AUTOINFO", parent_.hwnd(), AutoDialog, 0);
};

std::string Clock(const SYSTEMTIME& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", t.wHour, t.wMinute, t.wSecond);
    return text;
}

TEST_F(AutoInfoTest, BarFieldsAndClock) {
    // Placed at once: in a bar of client width w the help field (50 to
    // 1000) grows by all that the minima leave, the clock keeps 90.
    HWND bar = GetDlgItem(dialog_, STSB_AUTO_BAR);
    RECT client;
    GetClientRect(dialog_, &client);
    const int w = client.right - 2;
    EXPECT_EQ(SendDlgItemMessageA(bar, STSB_AUTO_HELP, STSF_GETLONG, STSFWL_WIDTH, 0), w - 102);
    EXPECT_EQ(SendDlgItemMessageA(bar, STSB_AUTO_CLOCK, STSF_GETLONG, STSFWL_WIDTH, 0), 90);
    EXPECT_EQ(Text(STSB_AUTO_CLOCK), "");

    // The first tick, a second after the dialog opened, shows a time ...
    const DWORD deadline = GetTickCount() + 2500;
    while (Text(STSB_AUTO_CLOCK).empty() && GetTickCount() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        quorl_test::PumpMessages();
    }
    EXPECT_FALSE(Text(STSB_AUTO_CLOCK).empty());
    // ... the local time.
    SYSTEMTIME before;
    SYSTEMTIME after;
    GetLocalTime(&before);
    Send(WM_TIMER, STSB_AUTO_TIMER);
    GetLocalTime(&after);
    const std::string shown = Text(STSB_AUTO_CLOCK);
    EXPECT_TRUE(shown == Clock(before) || shown == Clock(after)) << shown;
    // WM_DESTROY kills the timer; without a dialog nothing starts.
    StsbAutoInfo(dialog_, WM_DESTROY, 0, 0);
    EXPECT_FALSE(KillTimer(dialog_, STSB_AUTO_TIMER));
    EXPECT_EQ(StsbAutoInfo(nullptr, WM_INITDIALOG, 0, 0), 0);
}

// The real menu, driven by keys: open the popup "Datei" (cleared), step
// onto "Laden" and the grayed "Drucken", close the popup and the menu
// (cleared); then a missing and an overlong string.
TEST_F(AutoInfoTest, MenuHelp) {
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_ESCAPE, VK_ESCAPE}) {
        PostMessageA(dialog_, WM_KEYDOWN, key, 0);
        PostMessageA(dialog_, WM_KEYUP, key, 0xC0000000);
    }
    g_menuHelp.clear();
    SendMessageA(dialog_, WM_SYSCOMMAND, SC_KEYMENU, 'd');
    const std::string grayed = std::string("Drucken") + kUnavailable;
    EXPECT_EQ(g_menuHelp, (std::vector<std::string>{"", "Datei laden", grayed, ""}));

    const struct {
        WORD id;
        WORD flags;
        std::string text;
    } cases[] = {
        {999, MF_GRAYED, kUnavailable}, // no string: empty
        {203, MF_GRAYED, std::string(kLongHelp) + kUnavailable},
    };
    for (const auto& c : cases) {
        Send(WM_MENUSELECT, MAKEWPARAM(c.id, c.flags));
        EXPECT_EQ(Text(STSB_AUTO_HELP), c.text) << c.id;
    }
}

TEST_F(AutoInfoTest, CommandAndFocusHelpOnlyOnChange) {
    const UINT focus = quorl_test::FocusNotifyMessage();
    const struct {
        UINT message;
        WPARAM wParam;
        const char* before; // put into the field first
        const char* after;
    } cases[] = {
        {WM_COMMAND, 301, "", "Name eingeben"},
        {WM_COMMAND, 301, "x", "x"}, // the same command again: untouched
        {WM_COMMAND, MAKEWPARAM(301, EN_CHANGE), "x", "Name eingeben"},
        {focus, IDOK, "", "Fertig"},
        {focus, IDOK, "x", "x"},
        {WM_MENUSELECT, MAKEWPARAM(201, 0), "x", "Datei laden"}, // an item: remembered still
        {focus, IDOK, "x", "x"},
        {WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), "x", ""}, // the menu closes: forgotten
        {focus, IDOK, "x", "Fertig"},
        {WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), "x", ""}, // a popup: forgotten
        {focus, IDOK, "x", "Fertig"},
        {WM_COMMAND, 999, "x", ""},
    };
    for (const auto& c : cases) {
        SetDlgItemTextA(GetDlgItem(dialog_, STSB_AUTO_BAR), STSB_AUTO_HELP, c.before);
        Send(c.message, c.wParam);
        EXPECT_EQ(Text(STSB_AUTO_HELP), c.after) << c.wParam;
    }
}

} // namespace
