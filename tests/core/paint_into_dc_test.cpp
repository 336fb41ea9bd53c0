// Every class draws into a device context it is handed exactly what it
// draws on the screen: WM_PRINTCLIENT (with and without PRF_ERASEBKGND)
// and WM_PAINT with the context in wParam, compared pixel by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
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
    void (*setup)(HWND control) = nullptr;
};

void AddTwoPages(HWND switcher) {
    SendMessageA(switcher, GSM_ADDPAGES, reinterpret_cast<WPARAM>(GetModuleHandleA(nullptr)),
                 reinterpret_cast<LPARAM>("EINS+ZWEI"));
}

void HatchedFace(HWND frame) {
    static HBRUSH hatched = CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 0x80));
    SendMessageA(frame, BDM_SETBRUSH, reinterpret_cast<WPARAM>(hatched), 0);
}

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

// Other windows (the schedule's boxes, the page switcher's tabs) are not
// part of a client-area print: their pixels are left out of comparisons.
struct Others {
    HWND self;
    std::vector<RECT> rects;
};

BOOL CALLBACK AddOtherRect(HWND other, LPARAM list) {
    auto* others = reinterpret_cast<Others*>(list);
    RECT r;
    if (other != others->self && IsWindowVisible(other) && GetWindowRect(other, &r)) {
        others->rects.push_back(r);
    }
    return TRUE;
}

std::vector<COLORREF> WithoutChildren(HWND window, std::vector<COLORREF> pixels) {
    Others others{window, {}};
    EnumChildWindows(GetParent(window), AddOtherRect, reinterpret_cast<LPARAM>(&others));
    const std::vector<RECT>& children = others.rects;
    RECT client;
    GetClientRect(window, &client);
    for (RECT r : children) {
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
        for (int y = std::max(0L, r.top); y < std::min(client.bottom, r.bottom); ++y) {
            for (int x = std::max(0L, r.left); x < std::min(client.right, r.right); ++x) {
                pixels[static_cast<std::size_t>(y * client.right + x)] = CLR_INVALID;
            }
        }
    }
    return pixels;
}

// What a caller drawing on after a print relies on.
struct DcState {
    int bkMode, textAlign, rop2;
    COLORREF text, back;
    HGDIOBJ pen, brush, font;
    LONG x, y; // the pen position
    bool operator==(const DcState&) const = default;
};

DcState StateOf(HDC dc) {
    DcState s{GetBkMode(dc),
              static_cast<int>(GetTextAlign(dc)),
              GetROP2(dc),
              GetTextColor(dc),
              GetBkColor(dc),
              GetCurrentObject(dc, OBJ_PEN),
              GetCurrentObject(dc, OBJ_BRUSH),
              GetCurrentObject(dc, OBJ_FONT),
              0,
              0};
    POINT at{};
    GetCurrentPositionEx(dc, &at);
    s.x = at.x;
    s.y = at.y;
    return s;
}

class PaintIntoDC : public ControlTest, public ::testing::WithParamInterface<PrintCase> {
protected:
    HWND MakeCase() {
        const PrintCase& c = GetParam();
        HWND control =
            Make(c.className, c.text, c.style, {10, 10, 10 + c.width, 10 + c.height}, c.id);
        if (c.setup != nullptr) {
            c.setup(control);
        }
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
    const std::vector<COLORREF> screen = WithoutChildren(control, quorl_test::Snapshot(control));
    // A picture of one colour would match a control that drew nothing.
    std::set<COLORREF> colours(screen.begin(), screen.end());
    colours.erase(CLR_INVALID);
    ASSERT_GT(colours.size(), 1u);

    MemoryPicture picture(control, kUnderneath);
    SendMessageA(control, WM_PRINTCLIENT, picture.wParam(), PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(WithoutChildren(control, picture.pixels()), screen);
    // Printing leaves the screen as it was and takes no repaint away.
    EXPECT_EQ(WithoutChildren(control, quorl_test::Snapshot(control)), screen);

    // The caller draws on with its context as it left it.
    MemoryPicture odd(control, kUnderneath);
    SetBkMode(odd.dc(), TRANSPARENT);
    SetTextAlign(odd.dc(), TA_BOTTOM | TA_RIGHT);
    SetROP2(odd.dc(), R2_XORPEN);
    SetTextColor(odd.dc(), kMarker);
    SetBkColor(odd.dc(), RGB(1, 2, 3));
    SelectObject(odd.dc(), GetStockObject(NULL_PEN));
    SelectObject(odd.dc(), GetStockObject(NULL_BRUSH));
    SelectObject(odd.dc(), GetStockObject(ANSI_FIXED_FONT));
    MoveToEx(odd.dc(), 3, 4, nullptr);
    const DcState before = StateOf(odd.dc());
    SendMessageA(control, WM_PRINTCLIENT, odd.wParam(), PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_TRUE(StateOf(odd.dc()) == before);
}

TEST_P(PaintIntoDC, PaintWithAGivenContextMatchesTheScreen) {
    HWND control = MakeCase();
    const std::vector<COLORREF> screen = WithoutChildren(control, quorl_test::Snapshot(control));

    // A double-buffered parent: erase, then paint, into its own picture.
    MemoryPicture picture(control, kUnderneath);
    InvalidateRect(control, nullptr, TRUE);
    SendMessageA(control, WM_ERASEBKGND, picture.wParam(), 0);
    SendMessageA(control, WM_PAINT, picture.wParam(), 0);
    EXPECT_EQ(WithoutChildren(control, picture.pixels()), screen);
    // The window's own repaint is still to come.
    EXPECT_TRUE(GetUpdateRect(control, nullptr, FALSE));
}

TEST_P(PaintIntoDC, PrintClientErasesOnlyWhenAsked) {
    HWND control = MakeCase();
    MemoryPicture erased(control, kMarker);
    SendMessageA(control, WM_PRINTCLIENT, erased.wParam(), PRF_CLIENT | PRF_ERASEBKGND);
    MemoryPicture kept(control, kMarker);
    SendMessageA(control, WM_PRINTCLIENT, kept.wParam(), PRF_CLIENT);

    const std::vector<COLORREF> withErase = WithoutChildren(control, erased.pixels());
    const std::vector<COLORREF> without = WithoutChildren(control, kept.pixels());
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
    {"PageSwitcherWithPages", GSEITE_CLASS, "", 0, 40, 240, 150, false, true, AddTwoPages},
    {"StatusBar", QUSTSB_CLASS, "", 0, 50, 300, 30, false, true},
    {"StatusField", QUSTSF_CLASS, "Bereit", 0, 51, 150, 24, false, true},
    {"Schedule", GSHED_CLASS, "", 0, 60, 240, 200, false, true},
    {"DialogFrame", BORDLGPLAGIAT_CLASS, "", 0, 70, 160, 80, false, true, HatchedFace},
};

INSTANTIATE_TEST_SUITE_P(AllClasses, PaintIntoDC, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PrintCase>& info) {
                             return std::string(info.param.name);
                         });

// AnimateWindow and PrintWindow print a window before it is shown: a
// hidden button still draws its caption with the mnemonic's underline.
struct HiddenCase {
    const char* name;
    const char* className;
    DWORD style;
};

class HiddenPrint : public ControlTest, public ::testing::WithParamInterface<HiddenCase> {};

TEST_P(HiddenPrint, PrintsWhatItShowsOnceVisible) {
    const HiddenCase& c = GetParam();
    HWND control = parent_.child(c.className, "&Ja", c.style, 10, 10, 100, 30, 4711);
    MemoryPicture hidden(control, kUnderneath);
    SendMessageA(control, WM_PRINTCLIENT, hidden.wParam(), PRF_CLIENT | PRF_ERASEBKGND);
    ShowWindow(control, SW_SHOWNA);
    quorl_test::PumpMessages();
    MemoryPicture shown(control, kUnderneath);
    SendMessageA(control, WM_PRINTCLIENT, shown.wParam(), PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(hidden.pixels(), shown.pixels());
}

const HiddenCase kHiddenCases[] = {
    {"PushButton", QUORL_CLASS, QBS_SHAREDFONT},
    {"CheckBox", QUCHECK_CLASS, QCS_AUTOCHECKBOX | QCS_SHAREDFONT},
};

INSTANTIATE_TEST_SUITE_P(Buttons, HiddenPrint, ::testing::ValuesIn(kHiddenCases),
                         [](const ::testing::TestParamInfo<HiddenCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
