// Every class draws into a device context it is handed exactly what it
// draws on the screen: WM_PRINTCLIENT (with and without PRF_ERASEBKGND)
// and WM_PAINT with the context in wParam, compared pixel by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::ControlTest;

constexpr COLORREF kUnderneath = RGB(0xC0, 0xC0, 0xC0); // the test parent's background
constexpr COLORREF kMarker = RGB(0xFF, 0x00, 0xFF);     // never drawn by any control

struct PrintCase {
    const char* name;
    const char* className;
    const char* text;
    DWORD style;
    int id;
    int width;
    int height;
    bool focused;
    bool erasesAll; // its erase covers every pixel (a class brush or its own fill)
};

// A memory picture of the control's client size, filled with a colour.
class MemoryPicture {
public:
    MemoryPicture(HWND window, COLORREF fill) {
        RECT client;
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        HDC screen = GetDC(window);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width_, height_);
        ReleaseDC(window, screen);
        previous_ = SelectObject(dc_, bitmap_);
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(dc_, &client, brush);
        DeleteObject(brush);
    }
    ~MemoryPicture() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    MemoryPicture(const MemoryPicture&) = delete;
    MemoryPicture& operator=(const MemoryPicture&) = delete;

    HDC dc() const { return dc_; }
    WPARAM wParam() const { return reinterpret_cast<WPARAM>(dc_); }
    std::vector<COLORREF> pixels() const {
        std::vector<COLORREF> all;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                all.push_back(GetPixel(dc_, x, y));
            }
        }
        return all;
    }

private:
    int width_ = 0;
    int height_ = 0;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

class PaintIntoDC : public ControlTest, public ::testing::WithParamInterface<PrintCase> {
protected:
    HWND MakeCase() {
        const PrintCase& c = GetParam();
        HWND control =
            Make(c.className, c.text, c.style, {10, 10, 10 + c.width, 10 + c.height}, c.id);
        if (c.focused) {
            SetFocus(control);
        }
        quorl_test::Redraw(control);
        quorl_test::PumpMessages();
        return control;
    }
};

TEST_P(PaintIntoDC, PrintClientWithEraseMatchesTheScreen) {
    HWND control = MakeCase();
    const std::vector<COLORREF> screen = quorl_test::Snapshot(control);
    // A picture of one colour would match a control that drew nothing.
    ASSERT_GT(std::set<COLORREF>(screen.begin(), screen.end()).size(), 1u);

    MemoryPicture picture(control, kUnderneath);
    SendMessageA(control, WM_PRINTCLIENT, picture.wParam(), PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(picture.pixels(), screen);
    // Printing leaves the screen as it was.
    EXPECT_EQ(quorl_test::Snapshot(control), screen);
}

TEST_P(PaintIntoDC, PaintWithAGivenContextMatchesTheScreen) {
    HWND control = MakeCase();
    const std::vector<COLORREF> screen = quorl_test::Snapshot(control);

    // A double-buffered parent: erase, then paint, into its own picture.
    MemoryPicture picture(control, kUnderneath);
    SendMessageA(control, WM_ERASEBKGND, picture.wParam(), 0);
    SendMessageA(control, WM_PAINT, picture.wParam(), 0);
    EXPECT_EQ(picture.pixels(), screen);
}

TEST_P(PaintIntoDC, PrintClientErasesOnlyWhenAsked) {
    HWND control = MakeCase();
    MemoryPicture erased(control, kMarker);
    SendMessageA(control, WM_PRINTCLIENT, erased.wParam(), PRF_CLIENT | PRF_ERASEBKGND);
    MemoryPicture kept(control, kMarker);
    SendMessageA(control, WM_PRINTCLIENT, kept.wParam(), PRF_CLIENT);

    const std::vector<COLORREF> withErase = erased.pixels();
    const std::vector<COLORREF> without = kept.pixels();
    const auto markers = [](const std::vector<COLORREF>& pixels) {
        int count = 0;
        for (COLORREF p : pixels) {
            count += p == kMarker ? 1 : 0;
        }
        return count;
    };
    EXPECT_GT(markers(without), 0);
    if (GetParam().erasesAll) {
        EXPECT_EQ(markers(withErase), 0);
    } else {
        EXPECT_EQ(markers(withErase), markers(without));
    }
}

const PrintCase kCases[] = {
    {"PushButtonWithPicture", QUORL_CLASS, "Notizen", QBS_SHAREDFONT, 981, 120, 50, false, true},
    {"FocusedDefaultPushButton", QUORL_CLASS, "~Ende", QBS_SHAREDFONT | BS_DEFPUSHBUTTON, 982, 120,
     50, true, true},
    {"PushButtonWithoutPicture", QUORL_CLASS, "Text", 0, 4711, 80, 30, false, true},
    {"CheckedCheckBox", QUCHECK_CLASS, "Ja", QCS_AUTOCHECKBOX | QCS_CHECKED | QCS_SHAREDFONT, 11,
     100, 24, false, true},
    {"FocusedRadioButton", QUCHECK_CLASS, "Eins", QCS_RADIOBUTTON | QCS_SHAREDFONT, 12, 100, 24,
     true, true},
    {"DisabledLampOnTheRight", QUCHECK_CLASS, "Lampe",
     QCS_RADIOBUTTON | QCS_SET_LAMP | QCS_LEFTTEXT | WS_DISABLED, 13, 100, 24, false, true},
    {"GaugeWithScale", GAUGE_CLASS, "Fortschritt", GAUGE_TICKS10 | GAUGE_SCALE | GAUGE_PERCENT, 20,
     200, 80, false, true},
    {"LabelInABox", GTEXT_CLASS, "Kasten", GTS_BOX | GTS_SHAREDFONT, 30, 120, 30, false, false},
    {"GroupFrame", GTEXT_CLASS, "Gruppe", GTS_GROUP, 31, 120, 60, false, false},
    {"StatusBar", QUSTSB_CLASS, "QuStsb", 0, 40, 200, 24, false, true},
    {"StatusFieldInRed", QUSTSF_CLASS, "!Fehler", 0, 41, 120, 20, false, true},
};

INSTANTIATE_TEST_SUITE_P(AllClasses, PaintIntoDC, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PrintCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
