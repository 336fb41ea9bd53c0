// Push buttons in real dialogs: the dialog manager's default button, Tab,
// Space and Enter through IsDialogMessage.
#include "tests/button/button_test_support.h"

namespace button_test {
namespace {

using quorl_test::RecordedMessage;

std::vector<RecordedMessage> g_dialogMessages;

INT_PTR CALLBACK RecordingDialog(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND || message == quorl_test::FocusNotifyMessage()) {
        g_dialogMessages.push_back({message, wParam, lParam});
    }
    return FALSE;
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_dialogMessages.clear();
        quorl_test::DialogTemplate t(WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 0, 160, 60, "Dialog");
        t.item(QUORL_CLASS, "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 5, 5, 50, 14, IDOK);
        t.item(QUORL_CLASS, "Abbrechen", WS_VISIBLE | WS_TABSTOP, 60, 5, 50, 14, IDCANCEL);
        t.item(QUORL_CLASS, "Hilfe", WS_VISIBLE | WS_TABSTOP, 115, 5, 40, 30, 9);
        dialog_ = t.create(nullptr, RecordingDialog);
        ASSERT_NE(dialog_, nullptr);
        ok_ = GetDlgItem(dialog_, IDOK);
        cancel_ = GetDlgItem(dialog_, IDCANCEL);
        help_ = GetDlgItem(dialog_, 9);
        quorl_test::PumpMessages();
    }
    void TearDown() override { DestroyWindow(dialog_); }

    void Key(HWND target, UINT message, WPARAM key) {
        MSG msg{target,
                message,
                key,
                static_cast<LPARAM>(message == WM_KEYUP ? 0xC0000001u : 1u),
                GetTickCount(),
                {}};
        if (!IsDialogMessageA(dialog_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        quorl_test::PumpMessages();
    }
    static bool IsDefault(HWND b) { return (GetWindowLongA(b, QBWL_STATE) & QBSTATE_DEFAULT) != 0; }
    std::vector<RecordedMessage> Commands() const {
        std::vector<RecordedMessage> found;
        for (const RecordedMessage& m : g_dialogMessages) {
            if (m.message == WM_COMMAND) {
                found.push_back(m);
            }
        }
        return found;
    }

    HWND dialog_ = nullptr;
    HWND ok_ = nullptr;
    HWND cancel_ = nullptr;
    HWND help_ = nullptr;
};

TEST_F(DialogTest, StartsWithFocusOnTheDefaultButton) {
    EXPECT_EQ(GetFocus(), ok_);
    EXPECT_TRUE(IsDefault(ok_));
    EXPECT_FALSE(IsDefault(cancel_));
    const LRESULT defId = SendMessageA(dialog_, DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(defId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defId), IDOK);
}

TEST_F(DialogTest, TabMovesFocusAndTheDefaultButton) {
    g_dialogMessages.clear();
    Key(ok_, WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), cancel_);
    EXPECT_FALSE(IsDefault(ok_));
    EXPECT_TRUE(IsDefault(cancel_));
    const UINT notify = quorl_test::FocusNotifyMessage();
    std::vector<RecordedMessage> notes;
    for (const RecordedMessage& m : g_dialogMessages) {
        if (m.message == notify) {
            notes.push_back(m);
        }
    }
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].wParam, static_cast<WPARAM>(IDOK));
    EXPECT_EQ(HIWORD(notes[0].lParam), WM_KILLFOCUS);
    EXPECT_EQ(notes[1].wParam, static_cast<WPARAM>(IDCANCEL));
    EXPECT_EQ(HIWORD(notes[1].lParam), WM_SETFOCUS);
    EXPECT_EQ(LOWORD(notes[1].lParam), LOWORD(reinterpret_cast<ULONG_PTR>(cancel_)));

    // Enter now presses the new default button.
    Key(cancel_, WM_KEYDOWN, VK_RETURN);
    const auto commands = Commands();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(LOWORD(commands[0].wParam), IDCANCEL);

    // The next push button takes the default in turn.
    Key(cancel_, WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), help_);
    EXPECT_TRUE(IsDefault(help_));
    SetFocus(nullptr);
}

TEST_F(DialogTest, SpaceClicksTheFocusedButton) {
    Key(ok_, WM_KEYDOWN, VK_TAB);
    ASSERT_EQ(GetFocus(), cancel_);
    g_dialogMessages.clear();
    Key(cancel_, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(SendMessageA(cancel_, BM_GETSTATE, 0, 0), 1);
    EXPECT_TRUE(Commands().empty());
    Key(cancel_, WM_KEYUP, VK_SPACE);
    const auto commands = Commands();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, static_cast<WPARAM>(MAKEWPARAM(IDCANCEL, BN_CLICKED)));
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(cancel_));
    EXPECT_EQ(SendMessageA(cancel_, BM_GETSTATE, 0, 0), 0);
}

TEST_F(DialogTest, MouseClickMovesTheDefaultButtonAsTabDoes) {
    SendMessageA(cancel_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(cancel_, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(GetFocus(), cancel_);
    EXPECT_FALSE(IsDefault(ok_));
    EXPECT_TRUE(IsDefault(cancel_));
}

// BM_CLICK, sent by the dialog manager for a mnemonic and by programs, is
// one click of the mouse inside the button; a disabled button ignores it.
TEST_F(DialogTest, ClickMessageAndMnemonicPressTheButton) {
    SetWindowTextA(cancel_, "&Abbrechen");
    SetWindowTextA(help_, "&Hilfe");
    EnableWindow(help_, FALSE);
    struct Case {
        const char* what;
        HWND target;
        bool mnemonic;
        WPARAM key;
        bool clicked;
    } const cases[] = {
        {"BM_CLICK", cancel_, false, 0, true},
        {"Alt+A", ok_, true, 'a', true},
        {"BM_CLICK disabled", help_, false, 0, false},
        {"Alt+H disabled", ok_, true, 'h', false},
    };
    for (const Case& c : cases) {
        SetFocus(ok_);
        SendMessageA(dialog_, DM_SETDEFID, IDOK, 0);
        quorl_test::PumpMessages();
        g_dialogMessages.clear();
        if (c.mnemonic) {
            constexpr LPARAM kAltDown = 0x20000001;
            MSG msg{c.target, WM_SYSCHAR, c.key, kAltDown, GetTickCount(), {}};
            IsDialogMessageA(dialog_, &msg);
        } else {
            SendMessageA(c.target, BM_CLICK, 0, 0);
        }
        quorl_test::PumpMessages();
        const auto commands = Commands();
        if (!c.clicked) {
            EXPECT_TRUE(commands.empty()) << c.what;
            EXPECT_EQ(GetFocus(), ok_) << c.what;
            continue;
        }
        ASSERT_EQ(commands.size(), 1u) << c.what;
        EXPECT_EQ(commands[0].wParam, static_cast<WPARAM>(MAKEWPARAM(IDCANCEL, BN_CLICKED)))
            << c.what;
        EXPECT_EQ(GetFocus(), cancel_) << c.what;
        EXPECT_TRUE(IsDefault(cancel_)) << c.what;
        EXPECT_FALSE(IsDefault(ok_)) << c.what;
        EXPECT_EQ(GetWindowLongA(cancel_, QBWL_STATE) & (QSTATE_PUSHED | QSTATE_TRACKING), 0)
            << c.what;
        EXPECT_EQ(GetCapture(), nullptr) << c.what;
    }
}

TEST_F(DialogTest, CaptionIsLaidOutInTheDialogFont) {
    // Without the shared-font style the button takes the dialog's font and
    // measures its caption in it at the first paint: the focus mark shows
    // where the caption went.
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0));
    ASSERT_NE(dialogFont, nullptr);
    Redraw(help_);
    RECT client;
    GetClientRect(help_, &client);
    ASSERT_EQ(client.right, 70);
    ASSERT_EQ(client.bottom, 49);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, dialogFont);
    SIZE text{};
    GetTextExtentPoint32A(dc, "Hilfe", 5, &text);
    DeleteDC(dc);
    ASSERT_EQ(text.cx, 25);
    ASSERT_EQ(text.cy, 13);
    SetFocus(help_);
    // Free width 70 - 25 - 10 = 35: the caption starts 2 * 35 / 3 + 4 = 27
    // in, 13 high around row 24; the dots lie 2 pixels outside it.
    const int left = 25;
    const int top = 24 - 6 - 2;
    EXPECT_EQ(quorl_test::ClientPixel(help_, left + 1, top), kBlack);
    EXPECT_EQ(quorl_test::ClientPixel(help_, left, top + 1), kBlack);
    EXPECT_EQ(quorl_test::ClientPixel(help_, left, top), kSilver);
}

} // namespace
} // namespace button_test
