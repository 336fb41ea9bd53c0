// StsbAutoInfo through a real dialog with a menu and a string table.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::FocusNotifyMessage;
using quorl_test::PumpMessages;

constexpr int kEditId = 301;
constexpr int kMissingId = 999;
// The first 99 characters of the 150-character string 203.
constexpr char kLongHelp[] = "Hilfetext 00 Hilfetext 01 Hilfetext 02 Hilfetext 03 Hilfetext 04 "
                             "Hilfetext 05 Hilfetext 06 Hilfetex";
static_assert(sizeof kLongHelp - 1 == 99);

std::vector<std::string> g_menuHelp; // help text after each WM_MENUSELECT

INT_PTR CALLBACK AutoDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    StsbAutoInfo(dialog, message, wParam, lParam);
    if (message == WM_MENUSELECT) {
        char text[200] = "";
        GetDlgItemTextA(GetDlgItem(dialog, STSB_AUTO_BAR), STSB_AUTO_HELP, text, sizeof text);
        g_menuHelp.push_back(text);
    }
    return message == WM_INITDIALOG;
}

// Keeps WM_INITDIALOG from StsbAutoInfo: no bar, no clock.
INT_PTR CALLBACK DialogWithoutInit(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        StsbAutoInfo(dialog, message, wParam, lParam);
    }
    return message == WM_INITDIALOG;
}

class AutoInfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), "AUTOINFO", nullptr, AutoDialog, 0);
        ASSERT_NE(dialog_, nullptr);
        PumpMessages();
    }
    void TearDown() override { DestroyWindow(dialog_); }

    HWND Bar() const { return GetDlgItem(dialog_, STSB_AUTO_BAR); }
    HWND Field(int id) const { return GetDlgItem(Bar(), id); }
    std::string Text(int id) const {
        char text[200] = "";
        GetWindowTextA(Field(id), text, sizeof text);
        return text;
    }
    LRESULT Send(UINT message, WPARAM wParam) const {
        return SendMessageA(dialog_, message, wParam, 0);
    }

    HWND dialog_ = nullptr;
};

std::string ClassOf(HWND window) {
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Clock(const SYSTEMTIME& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", t.wHour, t.wMinute, t.wSecond);
    return text;
}

TEST_F(AutoInfoTest, BarWithHelpFieldAndClock) {
    EXPECT_EQ(ClassOf(Bar()), QUSTSB_CLASS);
    const struct {
        int id;
        LRESULT minimum;
        LRESULT maximum;
    } fields[] = {{STSB_AUTO_HELP, 50, 1000}, {STSB_AUTO_CLOCK, 90, 90}};
    for (const auto& f : fields) {
        EXPECT_EQ(ClassOf(Field(f.id)), QUSTSF_CLASS);
        EXPECT_EQ(SendMessageA(Field(f.id), STSF_GETLONG, STSFWL_MINWIDTH, 0), f.minimum);
        EXPECT_EQ(SendMessageA(Field(f.id), STSF_GETLONG, STSFWL_MAXWIDTH, 0), f.maximum);
    }
    EXPECT_EQ(Text(STSB_AUTO_CLOCK), "");

    // The first tick comes a second after the dialog opened.
    const DWORD deadline = GetTickCount() + 2500;
    while (Text(STSB_AUTO_CLOCK).empty() && GetTickCount() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        PumpMessages();
    }
    EXPECT_FALSE(Text(STSB_AUTO_CLOCK).empty());
    // Each tick shows the local time.
    SYSTEMTIME before;
    SYSTEMTIME after;
    GetLocalTime(&before);
    Send(WM_TIMER, STSB_AUTO_TIMER);
    GetLocalTime(&after);
    const std::string shown = Text(STSB_AUTO_CLOCK);
    EXPECT_TRUE(shown == Clock(before) || shown == Clock(after)) << shown;

    // Other timers leave the clock alone.
    SetWindowTextA(Field(STSB_AUTO_CLOCK), "x");
    Send(WM_TIMER, 5);
    EXPECT_EQ(Text(STSB_AUTO_CLOCK), "x");
}

TEST_F(AutoInfoTest, MenuHelp) {
    const struct {
        WORD id;
        WORD flags;
        std::string text;
    } cases[] = {
        {201, MF_HILITE, "Datei laden"},
        {0, MF_POPUP | MF_HILITE, ""},
        {kMissingId, MF_HILITE, ""},
        {kMissingId, MF_GRAYED, " (nicht verf\xFCgbar)"},
        {203, MF_HILITE, kLongHelp},
        {203, MF_GRAYED, std::string(kLongHelp) + " (nicht verf\xFCgbar)"},
    };
    for (const auto& c : cases) {
        Send(WM_MENUSELECT, MAKEWPARAM(c.id, c.flags));
        EXPECT_EQ(Text(STSB_AUTO_HELP), c.text) << c.id << " " << c.flags;
    }
}

// The real menu, driven by keys: open the popup "Datei" (cleared), step
// onto "Laden" and the grayed "Drucken", close the popup and leave the menu
// (cleared).
TEST_F(AutoInfoTest, RealMenuShowsHelpAndClearsOnClose) {
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_ESCAPE, VK_ESCAPE}) {
        PostMessageA(dialog_, WM_KEYDOWN, key, 0);
        PostMessageA(dialog_, WM_KEYUP, key, 0xC0000000);
    }
    g_menuHelp.clear();
    SendMessageA(dialog_, WM_SYSCOMMAND, SC_KEYMENU, 'd');
    const std::vector<std::string> expected = {"", "Datei laden", "Drucken (nicht verf\xFCgbar)",
                                               ""};
    EXPECT_EQ(g_menuHelp, expected);
}

TEST_F(AutoInfoTest, CommandAndFocusHelpOnlyOnChange) {
    const struct {
        UINT message;
        WPARAM wParam;
        const char* before; // put into the field first
        const char* text;   // shown afterwards
    } cases[] = {
        {WM_COMMAND, kEditId, "", "Name eingeben"},
        {WM_COMMAND, kEditId, "x", "x"}, // the same command again: untouched
        {WM_COMMAND, MAKEWPARAM(kEditId, EN_CHANGE), "x", "Name eingeben"},
        {FocusNotifyMessage(), IDOK, "", "Fertig"},
        {FocusNotifyMessage(), IDOK, "x", "x"},
        {WM_COMMAND, kMissingId, "x", ""},
    };
    for (const auto& c : cases) {
        SetWindowTextA(Field(STSB_AUTO_HELP), c.before);
        Send(c.message, c.wParam);
        EXPECT_EQ(Text(STSB_AUTO_HELP), c.text) << c.wParam;
    }
}

TEST_F(AutoInfoTest, BarFollowsTheDialogsSize) {
    SetWindowPos(dialog_, nullptr, 0, 0, 500, 260, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    RECT client;
    GetClientRect(dialog_, &client);
    RECT bar;
    GetWindowRect(Bar(), &bar);
    MapWindowPoints(HWND_DESKTOP, dialog_, reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.right, client.right);
    EXPECT_EQ(bar.bottom, client.bottom + 1);
    // Bar client w: the help field grows by all that the minima leave,
    // w - 8 - 52 - 92, and the clock ends six pixels short of the edge.
    const int w = client.right - 2;
    EXPECT_EQ(SendMessageA(Field(STSB_AUTO_HELP), STSF_GETLONG, STSFWL_WIDTH, 0), w - 102);
    RECT clock;
    GetWindowRect(Field(STSB_AUTO_CLOCK), &clock);
    MapWindowPoints(HWND_DESKTOP, Bar(), reinterpret_cast<POINT*>(&clock), 2);
    EXPECT_EQ(clock.right, w - 6);
}

TEST_F(AutoInfoTest, DestroyKillsTheTimer) {
    HWND other = CreateDialogParamA(GetModuleHandleA(nullptr), "AUTOINFO", nullptr, AutoDialog, 0);
    StsbAutoInfo(other, WM_DESTROY, 0, 0);
    EXPECT_FALSE(KillTimer(other, STSB_AUTO_TIMER));
    EXPECT_TRUE(KillTimer(dialog_, STSB_AUTO_TIMER));
    DestroyWindow(other);
}

TEST(AutoInfoWithoutInit, NoBarAndEveryMessageHarmless) {
    HWND dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), "AUTOINFO", nullptr, DialogWithoutInit, 0);
    ASSERT_NE(dialog, nullptr);
    const UINT messages[] = {WM_COMMAND, WM_MENUSELECT, WM_TIMER, WM_SIZE, FocusNotifyMessage()};
    for (UINT message : messages) {
        SendMessageA(dialog, message, STSB_AUTO_TIMER, 0);
    }
    EXPECT_EQ(GetDlgItem(dialog, STSB_AUTO_BAR), nullptr);
    EXPECT_FALSE(KillTimer(dialog, STSB_AUTO_TIMER));
    DestroyWindow(dialog);
}

} // namespace
