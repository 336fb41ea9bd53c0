#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::FieldNameMessage;
using quorl_test::PumpMessages;
using quorl_test::RecordingParent;

constexpr COLORREF kBlack = RGB(0, 0, 0);

constexpr int kLabelId = 400;

struct PixelCount {
    int black = 0;
    int shadow = 0;
};

PixelCount CountTextPixels(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    PixelCount count;
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            count.black += c == kBlack ? 1 : 0;
            count.shadow += c == shadow ? 1 : 0;
        }
    }
    ReleaseDC(window, dc);
    return count;
}

class LabelTest : public quorl_test::ControlTest {
protected:
    HWND Create(const char* text, DWORD style = WS_VISIBLE, int x = 10, int y = 10) {
        HWND label = parent_.child(GTEXT_CLASS, text, style, x, y, 120, 30, kLabelId);
        PumpMessages();
        return label;
    }
    // Asks for the field name; the buffer starts filled with '#'.
    LRESULT FieldName(HWND label, WPARAM size, char (&buffer)[32]) {
        std::memset(buffer, '#', sizeof buffer);
        return SendMessageA(label, FieldNameMessage(), size, reinterpret_cast<LPARAM>(buffer));
    }
};

TEST_F(LabelTest, FieldNameAfterLeadingCommaOfAtMostElevenCharacters) {
    char buffer[32];
    HWND label = Create(",KUNDE");
    EXPECT_EQ(FieldName(label, sizeof buffer, buffer), 1);
    EXPECT_STREQ(buffer, "KUNDE");
    char text[32] = "";
    GetWindowTextA(label, text, sizeof text);
    EXPECT_STREQ(text, ",KUNDE"); // the whole name is shown

    EXPECT_EQ(FieldName(Create(",0123456789"), sizeof buffer, buffer), 1);
    EXPECT_STREQ(buffer, "0123456789");

    // Too long, or no leading comma: no field name, the default procedure answers.
    EXPECT_EQ(FieldName(Create(",01234567890"), sizeof buffer, buffer), 0);
    EXPECT_EQ(buffer[0], '#');
    EXPECT_EQ(FieldName(Create("Name,KUNDE"), sizeof buffer, buffer), 0);
    EXPECT_EQ(FieldName(Create(""), sizeof buffer, buffer), 0);

    // WM_SETTEXT does not give a label a field name later.
    HWND plain = Create("Name");
    SetWindowTextA(plain, ",NEU");
    EXPECT_EQ(FieldName(plain, sizeof buffer, buffer), 0);
}

TEST_F(LabelTest, FieldNameBufferLimits) {
    char buffer[32];
    HWND label = Create(",KUNDE");
    EXPECT_EQ(FieldName(label, 4, buffer), 1);
    EXPECT_STREQ(buffer, "KU");
    EXPECT_EQ(buffer[4], '#');
    EXPECT_EQ(FieldName(label, 1, buffer), 1);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], '#');
    EXPECT_EQ(FieldName(label, 0, buffer), 1);
    EXPECT_EQ(buffer[0], '#');
    EXPECT_EQ(SendMessageA(label, FieldNameMessage(), sizeof buffer, 0), 1);
    // A negative size is no room: nothing lands before or in the buffer.
    for (INT_PTR size : {-1, -2, -31}) {
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(SendMessageA(label, FieldNameMessage(), static_cast<WPARAM>(size),
                               reinterpret_cast<LPARAM>(buffer + 16)),
                  1);
        EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, '#')) << size;
    }
}

TEST_F(LabelTest, TransparentToTheMouseAndStaticToTheDialog) {
    HWND below = parent_.child("BUTTON", "unter", WS_VISIBLE, 10, 10, 120, 30, 401);
    HWND label = Create("Text");
    SetWindowPos(label, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(SendMessageA(label, WM_NCHITTEST, 0, MAKELPARAM(20, 20)), HTTRANSPARENT);
    EXPECT_EQ(SendMessageA(label, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    const POINT inside = {20, 20};
    EXPECT_EQ(WindowFromPoint(inside), below);
}

TEST_F(LabelTest, DisabledTextInShadowColourUntilEnabled) {
    HWND label = Create("WWWW", WS_VISIBLE | WS_DISABLED);
    PixelCount disabled = CountTextPixels(label);
    EXPECT_GT(disabled.shadow, 0);
    EXPECT_EQ(disabled.black, 0);

    EnableWindow(label, TRUE);
    PumpMessages();
    PixelCount enabled = CountTextPixels(label);
    EXPECT_GT(enabled.black, 0);
    EXPECT_EQ(enabled.shadow, 0);
}

TEST_F(LabelTest, TextChangeRepaintsAndReportsSuccess) {
    HWND label = Create("");
    EXPECT_EQ(CountTextPixels(label).black, 0);
    EXPECT_TRUE(SetWindowTextA(label, "Neu"));
    PumpMessages();
    EXPECT_GT(CountTextPixels(label).black, 0);

    // A hidden label leaves its parent alone.
    RECT pending;
    HWND hidden = Create("", 0, 200, 100);
    EXPECT_TRUE(SetWindowTextA(hidden, "Neu"));
    EXPECT_FALSE(GetUpdateRect(parent_.hwnd(), &pending, FALSE));
}

// A change of text, enabled state or font, on a label of each kind: each
// invalidates the label's area in the parent with erase, so that the parent
// repaints under the label first, also when the font stays the same; then
// the label shows what a label made with the new settings shows.
struct ChangeCase {
    const char* name;
    DWORD style;
};

class LabelChangeTest : public quorl_test::ControlTest,
                        public ::testing::WithParamInterface<ChangeCase> {
protected:
    // As a dialog, the parent paints under its children.
    LabelChangeTest() : ControlTest({WM_ERASEBKGND, WM_PAINT}) {
        SetWindowLongA(parent_.hwnd(), GWL_STYLE,
                       GetWindowLongA(parent_.hwnd(), GWL_STYLE) & ~WS_CLIPCHILDREN);
    }
};

TEST_P(LabelChangeTest, LetsTheParentRepaintUnderItFirst) {
    const DWORD style = WS_VISIBLE | GetParam().style;
    HWND changed = parent_.child(GTEXT_CLASS, "WWWWWWWWWWWW", style, 20, 30, 100, 20, kLabelId);
    HWND fresh = parent_.child(GTEXT_CLASS, "Neu", style, 20, 80, 100, 20, kLabelId + 1);
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT));
    SendMessageA(fresh, WM_SETFONT, font, 0);
    PumpMessages();
    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } changes[] = {{"text", WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Neu")},
                   {"disabled", WM_ENABLE, FALSE, 0},
                   {"enabled", WM_ENABLE, TRUE, 0},
                   {"font", WM_SETFONT, font, 0},
                   {"same font", WM_SETFONT, font, 0}};
    for (const auto& change : changes) {
        if (change.message == WM_ENABLE) {
            EnableWindow(changed, static_cast<BOOL>(change.wParam));
        } else {
            SendMessageA(changed, change.message, change.wParam, change.lParam);
        }
        RECT pending{};
        ASSERT_TRUE(GetUpdateRect(parent_.hwnd(), &pending, FALSE)) << change.what;
        EXPECT_EQ(pending.left, 20) << change.what;
        EXPECT_EQ(pending.top, 30) << change.what;
        EXPECT_EQ(pending.right, 120) << change.what;
        EXPECT_EQ(pending.bottom, 50) << change.what;
        parent_.clear();
        PumpMessages();
        EXPECT_EQ(Recorded(WM_ERASEBKGND).size(), 1u) << change.what;
    }
    EXPECT_EQ(quorl_test::Snapshot(changed), quorl_test::Snapshot(fresh));
}

INSTANTIATE_TEST_SUITE_P(
    Styles, LabelChangeTest,
    ::testing::Values(ChangeCase{"Plain", 0},
                      ChangeCase{"SingleLineCentred", GTS_SINGLELINE | GTS_CENTER},
                      ChangeCase{"Box", GTS_BOX}, ChangeCase{"Heading", GTS_HEADING},
                      ChangeCase{"Group", GTS_GROUP}, ChangeCase{"TopLine", GTS_TOPLINE},
                      ChangeCase{"BoxedSingleLine", GTS_BOX | GTS_SINGLELINE}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) { return std::string(info.param.name); });

TEST_F(LabelTest, SharedFontStyleKeepsTheLibraryFont) {
    HFONT other = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    HWND shared = Create("", WS_VISIBLE | GTS_SHAREDFONT);
    const auto font = reinterpret_cast<HFONT>(GetWindowLongPtrA(shared, GTWL_FONT));
    LOGFONTA lf{};
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_NE(font, GetStockObject(SYSTEM_FONT));
    SendMessageA(shared, WM_SETFONT, reinterpret_cast<WPARAM>(other), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(GetWindowLongPtrA(shared, GTWL_FONT)), font);

    HWND own = Create("");
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetWindowLongPtrA(own, GTWL_FONT)),
              GetStockObject(SYSTEM_FONT));
    SendMessageA(own, WM_SETFONT, reinterpret_cast<WPARAM>(other), FALSE);
    EXPECT_EQ(reinterpret_cast<HFONT>(GetWindowLongPtrA(own, GTWL_FONT)), other);
}

TEST_F(LabelTest, SharedFontOfAPopupLabel) {
    // As an application without a dialog reads the library's font.
    HWND label = CreateWindowExA(0, GTEXT_CLASS, "", WS_POPUP | QUORL_STYLE_SHAREDFONT, 0, 0, 10,
                                 10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(label, nullptr);
    const auto font = reinterpret_cast<HFONT>(GetWindowLongPtrA(label, GTWL_FONT));
    LOGFONTA lf{};
    EXPECT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    DestroyWindow(label);
}

TEST_F(LabelTest, LabelsInADialog) {
    quorl_test::DialogTemplate dialog(WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 0, 200, 100, "Dialog");
    dialog.item(GTEXT_CLASS, ",FELD", WS_VISIBLE, 5, 5, 80, 10, 10)
        .item(GTEXT_CLASS, "Gruppe", WS_VISIBLE | GTS_GROUP, 5, 20, 150, 60, 11);
    HWND window = dialog.create(parent_.hwnd());
    ASSERT_NE(window, nullptr);
    PumpMessages();
    char buffer[32];
    EXPECT_EQ(FieldName(GetDlgItem(window, 10), sizeof buffer, buffer), 1);
    EXPECT_STREQ(buffer, "FELD");
    // The dialog gave the label its font.
    HWND group = GetDlgItem(window, 11);
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    EXPECT_EQ(reinterpret_cast<HFONT>(GetWindowLongPtrA(group, GTWL_FONT)), dialogFont);
    // A dialog does not clip its children: its repaint covers the label.
    const int before = CountTextPixels(group).black;
    SetWindowTextA(group, "Eine viel laengere Gruppe");
    PumpMessages();
    EXPECT_GT(CountTextPixels(group).black, before);
    DestroyWindow(window);
}

} // namespace
