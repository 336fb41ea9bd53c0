// One QUCHECK control at a time, driven through the DLL.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

using quorl_test::ClientPixel;
using quorl_test::CountPixels;
using quorl_test::RecordingParent;

namespace {

constexpr int kId = 7;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kDarkGrey = RGB(0x80, 0x80, 0x80);

LONG State(HWND control) {
    return GetWindowLongA(control, QCWL_STATE);
}
LRESULT Send(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(control, message, wParam, lParam);
}
LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}
void Click(HWND control) {
    Send(control, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    Send(control, WM_LBUTTONUP, 0, At(5, 5));
}
void Space(HWND control) {
    Send(control, WM_KEYDOWN, VK_SPACE);
    Send(control, WM_KEYUP, VK_SPACE);
}
int Count(const RecordingParent& parent, UINT message) {
    int n = 0;
    for (const auto& m : parent.messages()) {
        n += m.message == message ? 1 : 0;
    }
    return n;
}
// The four mark bitmaps: the first four handles of the control's local
// block (the window long QCWL_DATA). Their deletion is seen nowhere else.
struct Marks {
    HBITMAP handles[4];
};
Marks MarksOf(HWND control) {
    auto block = reinterpret_cast<HLOCAL>(GetWindowLongPtrA(control, QCWL_DATA));
    Marks marks{};
    std::memcpy(&marks, LocalLock(block), sizeof marks);
    LocalUnlock(block);
    return marks;
}
using quorl_test::Redraw;

// The shared fixture; its parent records WM_COMMAND.
class CheckButtonTest : public quorl_test::ControlTest {
protected:
    HWND Make(DWORD style, const char* text = "Feld", int width = 120) {
        HWND control = parent_.child(QUCHECK_CLASS, text, WS_VISIBLE | style, 0, 0, width, 20, kId);
        UpdateWindow(control);
        return control;
    }
    RecordingParent& parent = parent_;
};

// The box mark sits at (0, 2): its inside is white, light grey when pressed.
COLORREF BoxInside(HWND control) {
    return ClientPixel(control, 4, 6);
}

std::vector<std::uint8_t> PixelsOf(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(info.bmWidthBytes) * info.bmHeight);
    GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data());
    return bits;
}

} // namespace

// Also the import that makes this program load the DLL (and its classes).
TEST(CheckButton, LibrarySuppliesFourDistinctMarksPerSet) {
    for (int base : {0x7300, 0x7400, 0x7500, 0x7700, 0x7800}) {
        std::vector<std::vector<std::uint8_t>> pictures;
        for (int state = 0; state < 4; ++state) {
            HBITMAP mark = nullptr;
            HPALETTE palette = nullptr;
            ASSERT_TRUE(LoadBitmapPalette(quorl_test::LibraryModule(),
                                          MAKEINTRESOURCEA(base + state), &mark, &palette));
            EXPECT_EQ(palette, nullptr);
            BITMAP info{};
            GetObjectA(mark, sizeof info, &info);
            EXPECT_EQ(info.bmWidth, 13);
            EXPECT_EQ(info.bmHeight, 13);
            pictures.push_back(PixelsOf(mark));
            DeleteObject(mark);
        }
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < i; ++j) {
                EXPECT_NE(pictures[i], pictures[j]) << std::hex << base + i;
            }
        }
    }
}

// The press itself is the shared push behaviour; here, its pictures.
TEST_F(CheckButtonTest, PressedPictureWhileHeldInsideOrOutside) {
    HWND box = Make(QCS_CHECKBOX);
    Send(box, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_EQ(BoxInside(box), kGrey);
    Send(box, WM_MOUSEMOVE, MK_LBUTTON, At(-3, 5));
    EXPECT_EQ(BoxInside(box), kGrey); // the pressed picture stays outside
    Send(box, WM_LBUTTONUP, 0, At(-3, 5));
    EXPECT_EQ(BoxInside(box), kWhite);
    Send(box, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(BoxInside(box), kGrey);
    Send(box, WM_KEYUP, VK_SPACE);
    EXPECT_EQ(BoxInside(box), kWhite);
    EXPECT_EQ(Send(box, BM_GETCHECK), 0); // type 2 leaves the check to the application
}

TEST_F(CheckButtonTest, EachTypeActsOnItsOwnClick) {
    HWND box = Make(QCS_CHECKBOX);
    Click(box);
    Space(box);
    EXPECT_EQ(Send(box, BM_GETCHECK), 0);
    EXPECT_EQ(Count(parent, WM_COMMAND), 2);

    parent.clear();
    HWND toggle = Make(QCS_AUTOCHECKBOX);
    Click(toggle);
    EXPECT_EQ(Send(toggle, BM_GETCHECK), 1);
    EXPECT_EQ(Send(toggle, BM_GETSTATE), 0); // checked, not pushed
    Space(toggle);
    EXPECT_EQ(Send(toggle, BM_GETCHECK), 0);
    EXPECT_EQ(Count(parent, WM_COMMAND), 2);

    // The automatic radio button selects itself on focus and then does not
    // notify the release of the press that gave it the focus.
    parent.clear();
    HWND radio = Make(QCS_AUTORADIOBUTTON | WS_GROUP);
    SetFocus(radio);
    EXPECT_EQ(Send(radio, BM_GETCHECK), 1);
    EXPECT_EQ(Count(parent, WM_COMMAND), 1);
    Send(radio, BM_SETCHECK, 0);
    Click(radio);
    EXPECT_EQ(Send(radio, BM_GETCHECK), 1);
    EXPECT_EQ(Count(parent, WM_COMMAND), 1);
    Space(radio);
    EXPECT_EQ(Count(parent, WM_COMMAND), 2);

    parent.clear();
    HWND plain = Make(QCS_RADIOBUTTON | WS_GROUP);
    SetFocus(plain);
    EXPECT_EQ(Send(plain, BM_GETCHECK), 0);
    EXPECT_TRUE(parent.messages().empty());
}

// BM_CLICK (a mnemonic, or a program pressing the control) is one click
// of the mouse: focus, check and notification; nothing when disabled.
TEST_F(CheckButtonTest, ClickMessageActsAsAMouseClick) {
    struct Case {
        DWORD style;
        LRESULT check;
        int commands;
        bool focused;
    } const cases[] = {
        {QCS_AUTOCHECKBOX, 1, 1, true},
        {QCS_CHECKBOX, 0, 1, true},
        {QCS_AUTORADIOBUTTON | WS_GROUP, 1, 1, true},
        {QCS_AUTOCHECKBOX | WS_DISABLED, 0, 0, false},
    };
    for (const Case& c : cases) {
        SetFocus(nullptr);
        parent.clear();
        HWND control = Make(c.style);
        EXPECT_EQ(Send(control, BM_CLICK), 0);
        EXPECT_EQ(Send(control, BM_GETCHECK), c.check) << c.style;
        EXPECT_EQ(Count(parent, WM_COMMAND), c.commands) << c.style;
        EXPECT_EQ(GetFocus() == control, c.focused) << c.style;
        EXPECT_EQ(Send(control, BM_GETSTATE), 0) << c.style;
        EXPECT_EQ(GetCapture(), nullptr) << c.style;
        DestroyWindow(control);
    }
}

TEST_F(CheckButtonTest, SetCheckAndTheTabStopOfRadioTypes) {
    HWND box = Make(QCS_CHECKBOX | WS_TABSTOP);
    EXPECT_EQ(Send(box, BM_SETCHECK, 2), 0);
    EXPECT_EQ(Send(box, BM_GETCHECK), 1);
    EXPECT_EQ(State(box) & QCSTATE_CHECKED, QCSTATE_CHECKED);
    Send(box, BM_SETCHECK, 0);
    EXPECT_NE(GetWindowLongA(box, GWL_STYLE) & WS_TABSTOP, 0); // check boxes keep theirs

    HWND radio = Make(QCS_RADIOBUTTON | WS_TABSTOP);
    EXPECT_NE(GetWindowLongA(radio, GWL_STYLE) & WS_TABSTOP, 0);
    Send(radio, BM_SETCHECK, 0);
    EXPECT_EQ(GetWindowLongA(radio, GWL_STYLE) & WS_TABSTOP, 0);
    Send(radio, BM_SETCHECK, 1);
    EXPECT_NE(GetWindowLongA(radio, GWL_STYLE) & WS_TABSTOP, 0);

    HWND born = Make(QCS_AUTORADIOBUTTON | QCS_CHECKED);
    EXPECT_EQ(Send(born, BM_GETCHECK), 1);
    EXPECT_NE(GetWindowLongA(born, GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(Send(born, WM_GETDLGCODE), DLGC_RADIOBUTTON);
    EXPECT_EQ(Send(box, WM_GETDLGCODE), DLGC_BUTTON);
}

TEST_F(CheckButtonTest, FocusFramesTheCaption) {
    HWND box = Make(QCS_CHECKBOX, "Fokus");
    SetFocus(box);
    // Caption from x = 18: the frame's left side is at x = 16, dots from y = 2.
    EXPECT_EQ(ClientPixel(box, 16, 2), kBlack);
    EXPECT_EQ(ClientPixel(box, 16, 3), kGrey);
    SetFocus(parent.hwnd());
    quorl_test::PumpMessages();
    EXPECT_EQ(ClientPixel(box, 16, 2), kGrey);
}

TEST_F(CheckButtonTest, DisabledMarkIsHalfTonedAndCaptionShadowed) {
    HWND box = Make(QCS_AUTOCHECKBOX | QCS_CHECKED | WS_DISABLED, "WMWMWM");
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    // The mark's black inner edge: every other pixel stays grey.
    EXPECT_EQ(ClientPixel(box, 1, 3), kGrey);
    EXPECT_EQ(ClientPixel(box, 2, 3), kBlack);
    EXPECT_GT(CountPixels(box, {18, 0, 120, 20}, shadow), 0);
    EXPECT_EQ(CountPixels(box, {18, 0, 120, 20}, kBlack), 0);

    EnableWindow(box, TRUE);
    EXPECT_EQ(ClientPixel(box, 1, 3), kBlack);
    EXPECT_EQ(CountPixels(box, {18, 0, 120, 20}, shadow), 0);
    EXPECT_GT(CountPixels(box, {18, 0, 120, 20}, kBlack), 0);
}

TEST_F(CheckButtonTest, ThreePlacementsOfTheMark) {
    struct Case {
        DWORD style;
        int markLeft;
    };
    for (const Case& c : {Case{0, 0}, Case{QCS_LEFTTEXT, 87}, Case{QCS_CENTERTEXT, 5},
                          Case{QCS_LEFTTEXT | QCS_CENTERTEXT, 87}}) {
        HWND box = Make(QCS_CHECKBOX | c.style, "", 100);
        EXPECT_EQ(ClientPixel(box, c.markLeft, 2), kDarkGrey) << c.style;
        EXPECT_EQ(ClientPixel(box, c.markLeft + 1, 3), kBlack) << c.style;
        EXPECT_EQ(ClientPixel(box, c.markLeft + 12, 14), kWhite) << c.style;
        if (c.markLeft + 13 < 100) {
            EXPECT_EQ(ClientPixel(box, c.markLeft + 13, 2), kGrey) << c.style;
        }
        if (c.markLeft > 0) {
            EXPECT_EQ(ClientPixel(box, c.markLeft - 1, 2), kGrey) << c.style;
        }
    }
    // A set the library does not supply and nobody else has: no mark at all.
    HWND bare = Make(QCS_CHECKBOX | 0x0600, "", 100);
    EXPECT_EQ(CountPixels(bare, kGrey), 100 * 20);
}

TEST_F(CheckButtonTest, TabModeReportsToItsOwnerOnly) {
    RecordingParent owner({GSM_TABACTIVATED});
    CheckTabParams params{owner.hwnd(), MAKEINTRESOURCEA(QC_MARKS_CHECKBOX)};
    HWND tab = CreateWindowExA(WS_EX_NOPARENTNOTIFY, QUCHECK_CLASS, "Seite",
                               WS_CHILD | WS_VISIBLE | 0x8149, 0, 0, 80, 20, parent.hwnd(),
                               reinterpret_cast<HMENU>(0xFFFF), GetModuleHandleA(nullptr), &params);
    // One picture in every state: released, pressed, checked.
    Redraw(tab);
    const auto released = quorl_test::Snapshot(tab);
    Send(tab, BM_SETSTATE, 1);
    EXPECT_EQ(quorl_test::Snapshot(tab), released);
    Send(tab, BM_SETSTATE, 0);
    Send(tab, BM_SETCHECK, 1);
    EXPECT_EQ(quorl_test::Snapshot(tab), released);
    Send(tab, BM_SETCHECK, 0);
    const Marks marks = MarksOf(tab);
    ASSERT_NE(marks.handles[0], nullptr);
    SetFocus(tab); // type 9 selects itself on focus
    Space(tab);
    EXPECT_EQ(Send(tab, BM_GETCHECK), 1);
    ASSERT_EQ(owner.messages().size(), 2u);
    for (const auto& m : owner.messages()) {
        EXPECT_EQ(m.wParam, reinterpret_cast<WPARAM>(tab));
        EXPECT_EQ(m.lParam, static_cast<LPARAM>(LOWORD(reinterpret_cast<UINT_PTR>(tab))));
    }
    EXPECT_TRUE(parent.messages().empty());
    DestroyWindow(tab);
    EXPECT_EQ(GetObjectType(marks.handles[0]), 0u);

    // Without creation data the tab loads the radio marks and tells nobody.
    HWND lone = parent.child(QUCHECK_CLASS, "Seite", WS_VISIBLE | 0x8149, 0, 0, 80, 20, 3);
    Space(lone);
    EXPECT_EQ(Send(lone, BM_GETCHECK), 1);
    EXPECT_TRUE(parent.messages().empty());
    EXPECT_EQ(owner.messages().size(), 2u);
}

TEST_F(CheckButtonTest, FontIsTheCallersUnlessSharedAndOutlivesTheControl) {
    HWND shared = Make(QCS_CHECKBOX | QCS_SHAREDFONT, "WMWMWM");
    HWND radio = parent.child(QUCHECK_CLASS, "WMWMWM", WS_VISIBLE | QCS_RADIOBUTTON | QCS_SET_LAMP,
                              0, 30, 120, 20, kId);
    HFONT font = CreateFontA(24, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    Redraw(shared);
    Redraw(radio);
    const auto sharedBefore = quorl_test::Snapshot(shared);
    const auto radioBefore = quorl_test::Snapshot(radio);
    Send(shared, WM_SETFONT, reinterpret_cast<WPARAM>(font));
    Send(radio, WM_SETFONT, reinterpret_cast<WPARAM>(font));
    Redraw(shared);
    Redraw(radio);
    EXPECT_EQ(quorl_test::Snapshot(shared), sharedBefore);
    EXPECT_NE(quorl_test::Snapshot(radio), radioBefore);

    const Marks marks = MarksOf(radio);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(GetObjectType(marks.handles[i]), static_cast<DWORD>(OBJ_BITMAP)) << i;
    }
    // The library's own marks are shared by every check button: another
    // control with the same marks keeps them alive after this one is gone.
    HWND other = Make(QCS_RADIOBUTTON | QCS_SET_LAMP, "Lampe");
    DestroyWindow(radio);
    const Marks kept = MarksOf(other);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(kept.handles[i], marks.handles[i]) << i;
        EXPECT_EQ(GetObjectType(marks.handles[i]), static_cast<DWORD>(OBJ_BITMAP)) << i;
    }
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    DeleteObject(font);
}

TEST_F(CheckButtonTest, PaintDCDrawsAPlainPrintPicture) {
    HWND box = Make(QCS_CHECKBOX, "Drucken");
    HWND right = Make(QCS_CHECKBOX | QCS_LEFTTEXT | QCS_CHECKED, "Drucken");
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, 200, 80);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc, surface);
    const UINT message = quorl_test::PaintDCMessage();
    RECT area = {0, 40, 200, 80};
    auto paint = [&](HWND control, LPARAM rect) {
        PatBlt(dc, 0, 0, 200, 80, WHITENESS);
        return SendMessageA(control, message, reinterpret_cast<WPARAM>(dc), rect);
    };
    const auto rect = reinterpret_cast<LPARAM>(&area);
    // Box from (3, 37) to (23, 17): its edge, its inside, its crossing point.
    EXPECT_EQ(paint(box, rect), 1);
    EXPECT_EQ(GetPixel(dc, 3, 27), kBlack);
    EXPECT_EQ(GetPixel(dc, 13, 27), kWhite);
    int caption = 0;
    for (int y = 40; y < 80; ++y) {
        for (int x = 35; x < 195; ++x) {
            caption += GetPixel(dc, x, y) == kBlack ? 1 : 0;
        }
    }
    EXPECT_GT(caption, 0);
    Send(box, BM_SETCHECK, 1);
    paint(box, rect);
    EXPECT_EQ(GetPixel(dc, 13, 27), kBlack);
    EXPECT_EQ(GetPixel(dc, 8, 27), kWhite);

    paint(right, rect);
    EXPECT_EQ(GetPixel(dc, 177, 27), kBlack);
    EXPECT_EQ(GetPixel(dc, 187, 27), kBlack);
    EXPECT_EQ(GetPixel(dc, 3, 27), kWhite);

    EXPECT_EQ(paint(box, 0), 1);
    EXPECT_EQ(GetPixel(dc, 3, 27), kWhite);
    SelectObject(dc, previous);
    DeleteObject(surface);
    DeleteDC(dc);
}
