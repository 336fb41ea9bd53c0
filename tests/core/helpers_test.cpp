// The helpers the control classes share, on windows of a test class whose
// procedure uses the caption conventions as the graphic buttons do.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/helpers.h"

namespace {

constexpr const char* kCaptionClass = "QuorlCaptionTest";

LRESULT CALLBACK CaptionProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT:
        return quorl::SetCaptionText(window, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT:
        return quorl::GetCaptionText(window, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

class Helpers : public testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = CaptionProcedure;
        wc.cbWndExtra = 12;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kCaptionClass;
        RegisterClassA(&wc);
    }
    void SetUp() override {
        window_ = CreateWindowExA(0, kCaptionClass, "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override { DestroyWindow(window_); }

    std::string Text() {
        char buffer[400] = {};
        SendMessageA(window_, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }

    HWND window_ = nullptr;
};

TEST_F(Helpers, StateBitsReportOnlyRealChanges) {
    SetWindowLongA(window_, quorl::kStateWordIndex, 0x22);
    EXPECT_FALSE(quorl::ChangeStateBits(window_, 0x1C, FALSE));
    EXPECT_EQ(GetWindowLongA(window_, quorl::kStateWordIndex), 0x22);

    SetWindowLongA(window_, quorl::kStateWordIndex, 0x2C);
    EXPECT_TRUE(quorl::ChangeStateBits(window_, 0x1C, FALSE));
    EXPECT_EQ(GetWindowLongA(window_, quorl::kStateWordIndex), 0x20);

    EXPECT_TRUE(quorl::ChangeStateBits(window_, 0x05, TRUE));
    EXPECT_EQ(GetWindowLongA(window_, quorl::kStateWordIndex), 0x25);
    EXPECT_FALSE(quorl::ChangeStateBits(window_, 0x04, 7)); // any non-zero sets
    EXPECT_EQ(GetWindowLongA(window_, 0), 0);               // neighbours untouched
    EXPECT_EQ(GetWindowLongA(window_, 8), 0);
}

TEST_F(Helpers, HitTestReadsCoordinatesUnsigned) {
    EXPECT_TRUE(quorl::HitTestClient(window_, MAKELPARAM(0, 0)));
    EXPECT_TRUE(quorl::HitTestClient(window_, MAKELPARAM(49, 19)));
    EXPECT_FALSE(quorl::HitTestClient(window_, MAKELPARAM(50, 5)));
    EXPECT_FALSE(quorl::HitTestClient(window_, MAKELPARAM(5, 20)));
    EXPECT_FALSE(quorl::HitTestClient(window_, MAKELPARAM(5, 0xFFFF))); // y = -1
    EXPECT_FALSE(quorl::HitTestClient(window_, MAKELPARAM(0xFFFE, 5))); // x = -2
}

TEST_F(Helpers, DottedRectangleSetsEveryOtherPixelWithoutCorners) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 20, -20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP surface = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, surface);
    PatBlt(dc, 0, 0, 20, 20, WHITENESS);

    quorl::DrawDottedRect(dc, 10, 10, 14, 14);

    const auto* pixels = static_cast<const DWORD*>(bits);
    std::vector<std::pair<int, int>> dots;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            if ((pixels[y * 20 + x] & 0xFFFFFF) == 0) {
                dots.emplace_back(x, y);
            }
        }
    }
    const std::vector<std::pair<int, int>> expected = {{11, 10}, {13, 10}, {10, 11}, {14, 11},
                                                       {10, 13}, {14, 13}, {11, 14}, {13, 14}};
    EXPECT_EQ(dots, expected);
    SelectObject(dc, old);
    DeleteObject(surface);
    DeleteDC(dc);
}

TEST_F(Helpers, ProgramModuleIsTheExecutable) {
    EXPECT_EQ(quorl::ProgramModuleHandle(), GetModuleHandleA(nullptr));
}

TEST_F(Helpers, CaptionEndsAtTheCommaAndTildesBreakLines) {
    SetWindowTextA(window_, "Zeile 1~Zeile 2,FELD");
    EXPECT_EQ(Text(), "Zeile 1\nZeile 2");
    SetWindowTextA(window_, ",nur Feld");
    EXPECT_EQ(Text(), "");
    EXPECT_TRUE(SendMessageA(window_, WM_SETTEXT, 0, 0));
    EXPECT_EQ(Text(), "");
}

// A text that is no readable string goes to the default handling first,
// which copies it safely (the answer is its own); nothing of it reaches
// the caption, which stays as it was.
TEST_F(Helpers, UnreadableTextIsRefusedAndTheCaptionKept) {
    void* noAccess = VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_NOACCESS);
    ASSERT_NE(noAccess, nullptr);
    const LPARAM unreadable[] = {reinterpret_cast<LPARAM>(noAccess), 0x10, static_cast<LPARAM>(-1),
                                 static_cast<LPARAM>(-4096)};
    for (LPARAM text : unreadable) {
        SetWindowTextA(window_, "Alt~Text,FELD");
        SendMessageA(window_, WM_SETTEXT, 0, text);
        EXPECT_EQ(Text(), "Alt\nText") << text;
    }
    VirtualFree(noAccess, 0, MEM_RELEASE);
}

TEST_F(Helpers, CaptionIsCutTo256Characters) {
    const std::string longText(300, 'x');
    SetWindowTextA(window_, longText.c_str());
    EXPECT_EQ(Text(), std::string(256, 'x'));
}

TEST_F(Helpers, HiddenControlReportsNoMnemonic) {
    SetWindowTextA(window_, "&Speichern && &Mehr");
    char buffer[64];
    LRESULT count =
        SendMessageA(window_, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    EXPECT_EQ(count, 19);
    EXPECT_STREQ(buffer, "$Speichern && &Mehr"); // only the first "&"

    ShowWindow(window_, SW_SHOWNA);
    count = SendMessageA(window_, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    EXPECT_EQ(count, 19);
    EXPECT_STREQ(buffer, "&Speichern && &Mehr");
}

TEST_F(Helpers, HiddenTextWithoutAmpersandOrInASmallBuffer) {
    SetWindowTextA(window_, "Abbruch");
    EXPECT_EQ(Text(), "Abbruch");
    SetWindowTextA(window_, "Ab&bruch");
    char small[3] = {'x', 'x', 'x'};
    const LRESULT count =
        SendMessageA(window_, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small));
    EXPECT_EQ(count, 2);
    EXPECT_STREQ(small, "Ab"); // the "&" lies beyond what was copied
}

} // namespace
