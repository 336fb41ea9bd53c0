// The picture panel: scroll extents and ranges, scroll codes, keys and
// automatic scrolling. The pictures used show their own coordinates:
// pixel (x, y) has red x mod 256 and green y mod 256.
#include "tests/button/button_test_support.h"

namespace button_test {
namespace {

HBITMAP CoordinatePicture(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[y * width + x] = static_cast<DWORD>((x & 0xFF) << 16 | (y & 0xFF) << 8 | 0x40);
        }
    }
    return bitmap;
}

struct Shown {
    int x;
    int y;
};
// The picture coordinates shown at the panel's top-left pixel.
Shown TopLeft(HWND panel) {
    Redraw(panel);
    const COLORREF c = quorl_test::ClientPixel(panel, 0, 0);
    return {GetRValue(c), GetGValue(c)};
}

int RangeMax(HWND w, int bar) {
    int minimum = -1;
    int maximum = -1;
    GetScrollRange(w, bar, &minimum, &maximum);
    EXPECT_EQ(minimum, 0);
    return maximum;
}

class PanelTest : public ButtonTest {
protected:
    HWND MakePanel(DWORD style, int width, int height, HBITMAP picture) {
        HWND panel = Make("", WS_VISIBLE | QBS_PICTURE | style, kNoPictureId, width, height);
        SendMessageA(panel, QBM_SETBITMAP, reinterpret_cast<WPARAM>(picture), 0);
        return panel;
    }
    const int bar_ = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight_ = GetSystemMetrics(SM_CYHSCROLL);
};

TEST_F(PanelTest, ExtentsAndRangesOfALargePicture) {
    HWND panel = Make("", WS_VISIBLE | QBS_PICTURE, kNoPictureId, 200, 100);
    EXPECT_FALSE(IsWindowEnabled(panel)); // no picture: nothing to scroll
    SendMessageA(panel, QBM_SETBITMAP, reinterpret_cast<WPARAM>(CoordinatePicture(400, 300)), 0);
    const int h = 400 - 200 + bar_;
    const int v = 300 - 100 + barHeight_;
    EXPECT_EQ(RangeMax(panel, SB_HORZ), h);
    EXPECT_EQ(RangeMax(panel, SB_VERT), v);
    EXPECT_EQ(GetScrollPos(panel, SB_HORZ), h / 2);
    EXPECT_EQ(GetScrollPos(panel, SB_VERT), v / 2);
    EXPECT_TRUE(IsWindowEnabled(panel));
    EXPECT_EQ(State(panel) & QSTATE_DISABLED, 0);
    const Shown shown = TopLeft(panel);
    EXPECT_EQ(shown.x, h / 2);
    EXPECT_EQ(shown.y, v / 2);
    // A resize computes the same extents again and centres once more.
    SendMessageA(panel, WM_HSCROLL, SB_TOP, 0);
    SetWindowPos(panel, nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    SendMessageA(panel, WM_SIZE, SIZE_RESTORED, 0);
    EXPECT_EQ(RangeMax(panel, SB_HORZ), h);
    EXPECT_EQ(RangeMax(panel, SB_VERT), v);
    EXPECT_EQ(GetScrollPos(panel, SB_HORZ), h / 2);
}

TEST_F(PanelTest, PictureThatFitsDisablesThePanel) {
    HWND panel = MakePanel(0, 200, 100, CoordinatePicture(400, 300));
    EXPECT_TRUE(IsWindowEnabled(panel));
    SendMessageA(panel, QBM_SETBITMAP, reinterpret_cast<WPARAM>(CoordinatePicture(100, 50)), 0);
    EXPECT_EQ(RangeMax(panel, SB_HORZ), 0);
    EXPECT_EQ(RangeMax(panel, SB_VERT), 0);
    EXPECT_FALSE(IsWindowEnabled(panel));
    EXPECT_EQ(State(panel) & QSTATE_DISABLED, QSTATE_DISABLED);
    // Disabled or not, a panel draws its picture plainly.
    const Shown shown = TopLeft(panel);
    EXPECT_EQ(shown.x, 0);
    EXPECT_EQ(shown.y, 0);
    EXPECT_EQ(quorl_test::ClientPixel(panel, 1, 0), RGB(1, 0, 0x40));
}

TEST_F(PanelTest, ScrollCodesMoveThePicture) {
    // The clamping of each code is tested without the window system; here
    // each bar's largest position and the picture following the positions.
    HWND panel = MakePanel(0, 200, 100, CoordinatePicture(400, 300));
    const int h = RangeMax(panel, SB_HORZ);
    const int v = RangeMax(panel, SB_VERT);
    auto horizontal = [&](int code, int thumb = 0) {
        SendMessageA(panel, WM_HSCROLL, MAKEWPARAM(code, thumb), 0);
        return GetScrollPos(panel, SB_HORZ);
    };
    auto vertical = [&](int code, int thumb = 0) {
        SendMessageA(panel, WM_VSCROLL, MAKEWPARAM(code, thumb), 0);
        return GetScrollPos(panel, SB_VERT);
    };
    EXPECT_EQ(horizontal(SB_THUMBTRACK, 5), 5);
    EXPECT_EQ(horizontal(SB_LINEUP), 0);
    EXPECT_EQ(horizontal(SB_THUMBPOSITION, 99), 0);
    EXPECT_EQ(horizontal(SB_THUMBTRACK, h - 3), h - 3);
    EXPECT_EQ(horizontal(SB_LINEDOWN), h);
    EXPECT_EQ(vertical(SB_TOP), 0);
    EXPECT_EQ(vertical(SB_PAGEDOWN), 50);
    EXPECT_EQ(vertical(SB_BOTTOM), v);
    EXPECT_EQ(horizontal(SB_PAGEUP), h - 50);
    EXPECT_EQ(vertical(SB_THUMBTRACK, 33), 33);
    const Shown shown = TopLeft(panel);
    EXPECT_EQ(shown.x, (h - 50) & 0xFF);
    EXPECT_EQ(shown.y, 33);
}

TEST_F(PanelTest, KeysPostScrollMessages) {
    HWND panel = MakePanel(0, 200, 100, CoordinatePicture(400, 300));
    const int h = RangeMax(panel, SB_HORZ);
    const int v = RangeMax(panel, SB_VERT);
    auto key = [&](WPARAM k) {
        SendMessageA(panel, WM_KEYDOWN, k, 0);
        quorl_test::PumpMessages();
    };
    key(VK_HOME);
    EXPECT_EQ(GetScrollPos(panel, SB_HORZ), 0);
    EXPECT_EQ(GetScrollPos(panel, SB_VERT), v / 2);
    key(VK_RIGHT);
    EXPECT_EQ(GetScrollPos(panel, SB_HORZ), 10);
    key(VK_LEFT);
    EXPECT_EQ(GetScrollPos(panel, SB_HORZ), 0);
    key(VK_END);
    EXPECT_EQ(GetScrollPos(panel, SB_HORZ), h);
    key(VK_PRIOR);
    EXPECT_EQ(GetScrollPos(panel, SB_VERT), v / 2 - 50);
    key(VK_NEXT);
    EXPECT_EQ(GetScrollPos(panel, SB_VERT), v / 2);
    key(VK_UP);
    EXPECT_EQ(GetScrollPos(panel, SB_VERT), v / 2 - 10);
    key(VK_DOWN);
    EXPECT_EQ(GetScrollPos(panel, SB_VERT), v / 2);
    key(VK_SPACE); // no push in picture mode
    EXPECT_EQ(SendMessageA(panel, BM_GETSTATE, 0, 0), 0);

    // With Ctrl held, Home and End scroll vertically.
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE saved = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    key(VK_HOME);
    EXPECT_EQ(GetScrollPos(panel, SB_VERT), 0);
    EXPECT_EQ(GetScrollPos(panel, SB_HORZ), h);
    key(VK_END);
    EXPECT_EQ(GetScrollPos(panel, SB_VERT), v);
    keys[VK_CONTROL] = saved;
    SetKeyboardState(keys);
}

// A picture one pixel taller than the panel: the vertical extent is that
// pixel and the height of a horizontal bar. The picture is narrower, so no
// bar shows; the position runs down to the extent, stays there once while
// turning, back to 0, stays once while turning, and down again.
struct AutoScrollCase {
    const char* name;
    int width;
    int height;
    // 0: the red block (24 x 25), found at creation by the panel's id; it
    // shows no coordinates, so only the direction is followed.
    int pictureWidth;
};

class AutoScrollTest : public PanelTest, public testing::WithParamInterface<AutoScrollCase> {};

TEST_P(AutoScrollTest, RunsBackAndForth) {
    const AutoScrollCase& c = GetParam();
    const DWORD style = WS_VISIBLE | QBS_PICTURE | QBS_AUTOSCROLL;
    const bool found = c.pictureWidth == 0;
    HWND panel = Make("", style, found ? kRedBlockId : kNoPictureId, c.width, c.height);
    if (!found) {
        SendMessageA(panel, QBM_SETBITMAP,
                     reinterpret_cast<WPARAM>(CoordinatePicture(c.pictureWidth, c.height + 1)), 0);
    }
    const int extent = 1 + barHeight_;
    EXPECT_EQ(RangeMax(panel, SB_VERT), 0);
    if (!found) {
        EXPECT_EQ(TopLeft(panel).y, 0);
    }
    std::vector<int> positions;
    std::vector<bool> upward;
    for (int p = 1; p <= extent; ++p) {
        positions.push_back(p);
        upward.push_back(false);
    }
    for (int p = extent; p >= 0; --p) {
        positions.push_back(p);
        upward.push_back(true);
    }
    positions.insert(positions.end(), {0, 1});
    upward.insert(upward.end(), {false, false});
    for (std::size_t tick = 0; tick < positions.size(); ++tick) {
        SendMessageA(panel, WM_TIMER, QB_AUTOSCROLL_TIMER, 0);
        if (!found) {
            EXPECT_EQ(TopLeft(panel).y, positions[tick]) << "tick " << tick;
        }
        EXPECT_EQ((State(panel) & QBSTATE_SCROLLUP) != 0, upward[tick]) << "tick " << tick;
    }
}

INSTANTIATE_TEST_SUITE_P(Panels, AutoScrollTest,
                         testing::Values(AutoScrollCase{"PictureGiven", 100, 40, 60},
                                         AutoScrollCase{"PictureFoundAtCreation", 40, 24, 0}),
                         [](const testing::TestParamInfo<AutoScrollCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(PanelTest, AutomaticScrollingStartsTimerOne) {
    HWND panel = MakePanel(QBS_AUTOSCROLL, 100, 40, CoordinatePicture(60, 20));
    EXPECT_TRUE(KillTimer(panel, QB_AUTOSCROLL_TIMER));
    HWND still = MakePanel(0, 100, 40, CoordinatePicture(60, 20));
    EXPECT_FALSE(KillTimer(still, QB_AUTOSCROLL_TIMER));
}

} // namespace
} // namespace button_test
