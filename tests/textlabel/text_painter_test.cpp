#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "controls/textlabel/text_painter.h"
#include "quorl32.h"

namespace {

constexpr COLORREF kMarker = RGB(0x12, 0x34, 0x56); // never drawn by the painter
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);

COLORREF Shadow() {
    return GetSysColor(COLOR_BTNSHADOW);
}
COLORREF Light() {
    return GetSysColor(COLOR_WINDOW);
}

// A 32-bit memory canvas prepared as a label's WM_PAINT prepares its
// context: black text on light grey, opaque background mode.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<std::uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, width, height};
        HBRUSH marker = CreateSolidBrush(kMarker);
        FillRect(dc_, &all, marker);
        DeleteObject(marker);
        SetTextColor(dc_, kBlack);
        SetBkColor(dc_, kLightGrey);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    COLORREF at(int x, int y) const {
        GdiFlush();
        const std::uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int count(COLORREF colour, int left, int top, int right, int bottom) const {
        int n = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                n += at(x, y) == colour ? 1 : 0;
            }
        }
        return n;
    }
    SIZE extent(const char* text) const {
        SIZE size{};
        GetTextExtentPointA(dc_, text, static_cast<int>(std::strlen(text)), &size);
        return size;
    }
    void paint(DWORD style, const char* text, RECT r) {
        quorl::PaintStaticText(dc_, style, text, r);
    }
    int height() const { return height_; }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

TEST(TextPainter, ThreePixelBoxIsATwoPixelLine) {
    Canvas sunken(60, 10);
    sunken.paint(GTS_BOX, "", {0, 0, 40, 3});
    for (int x = 0; x <= 38; ++x) {
        EXPECT_EQ(sunken.at(x, 0), kGrey) << x;
    }
    EXPECT_EQ(sunken.at(0, 1), kGrey);
    for (int x = 1; x <= 39; ++x) {
        EXPECT_EQ(sunken.at(x, 1), kWhite) << x;
    }
    EXPECT_EQ(sunken.count(kMarker, 0, 2, 60, 3), 60); // no text area, no fill

    Canvas raised(60, 10);
    raised.paint(GTS_BOX | GTS_RAISED, "", {0, 0, 40, 3});
    EXPECT_EQ(raised.count(kWhite, 0, 0, 39, 1), 39);
    EXPECT_EQ(raised.count(kGrey, 1, 1, 40, 2), 39);

    // Lower down a page, and three pixels wide.
    Canvas placed(60, 40);
    placed.paint(GTS_BOX, "", {5, 20, 45, 23});
    EXPECT_EQ(placed.count(kGrey, 5, 20, 44, 21), 39);
    EXPECT_EQ(placed.count(kWhite, 6, 21, 45, 22), 39);
    EXPECT_EQ(placed.count(kMarker, 0, 22, 60, 23), 60);
    placed.paint(GTS_BOX, "", {50, 0, 53, 30});
    EXPECT_EQ(placed.count(kGrey, 50, 0, 51, 30), 30);
    EXPECT_EQ(placed.count(kWhite, 51, 1, 52, 30), 29);
    EXPECT_EQ(placed.count(kMarker, 52, 0, 53, 30), 30);
}

TEST(TextPainter, BoxAroundTheTextOnLightGrey) {
    Canvas c(80, 40);
    c.paint(GTS_BOX, "", {0, 0, 60, 30});
    EXPECT_EQ(c.at(10, 0), kGrey); // sunken: left and top grey
    EXPECT_EQ(c.at(0, 10), kGrey);
    EXPECT_EQ(c.at(0, 29), kGrey);
    EXPECT_EQ(c.at(10, 29), kWhite); // bottom and right white
    EXPECT_EQ(c.at(59, 10), kWhite);
    EXPECT_EQ(c.at(59, 0), kMarker); // the strokes' end point
    EXPECT_EQ(c.at(10, 10), kLightGrey);
    EXPECT_EQ(c.at(60, 10), kMarker);

    Canvas raised(80, 40);
    raised.paint(GTS_BOX | GTS_RAISED, "", {0, 0, 60, 30});
    EXPECT_EQ(raised.at(10, 0), kWhite);
    EXPECT_EQ(raised.at(10, 29), kGrey);
    EXPECT_EQ(raised.at(59, 10), kGrey);
}

TEST(TextPainter, TopLineWithoutFillAndTextCellsOverIt) {
    Canvas c(60, 30);
    c.paint(GTS_TOPLINE, "", {0, 0, 50, 20});
    EXPECT_EQ(c.count(kBlack, 0, 0, 49, 1), 49);
    EXPECT_EQ(c.at(49, 0), kMarker);
    EXPECT_EQ(c.count(kMarker, 0, 1, 60, 30), 60 * 29); // no grey fill

    Canvas text(60, 30);
    text.paint(GTS_TOPLINE, "Ab", {0, 0, 50, 20});
    const SIZE size = text.extent("Ab");
    ASSERT_LT(size.cx + 1, 49);
    EXPECT_LT(text.count(kBlack, 0, 0, size.cx, 1), size.cx); // cells cover the line
    EXPECT_EQ(text.count(kBlack, size.cx, 0, 49, 1), 49 - size.cx);
    EXPECT_EQ(text.at(30, 10), kMarker);

    Canvas left(60, 30);
    left.paint(GTS_LEFTLINE, "", {0, 0, 50, 20});
    EXPECT_EQ(left.count(kBlack, 0, 0, 1, 19), 19);
    EXPECT_EQ(left.at(0, 19), kMarker);
    EXPECT_EQ(left.at(1, 0), kMarker);
}

TEST(TextPainter, MultiLineFillsOnlyANonEmptyRectangle) {
    Canvas c(80, 60);
    c.paint(0, "", {10, 10, 60, 40});
    EXPECT_EQ(c.count(kLightGrey, 10, 10, 60, 40), 50 * 30);
    EXPECT_EQ(c.at(9, 9), kMarker);
    c.paint(0, "", {70, 10, 70, 40});
    EXPECT_EQ(c.at(70, 20), kMarker);
    // A null text paints like an empty one.
    c.paint(0, nullptr, {0, 45, 80, 60});
    EXPECT_EQ(c.at(40, 50), kLightGrey);
}

TEST(TextPainter, EtchedFrameWithTitleGap) {
    Canvas c(120, 60);
    c.paint(GTS_GROUP | GTS_CENTER, "Titel", {0, 0, 100, 50});
    const SIZE size = c.extent("Titel");
    const int shift = (100 - (7 + size.cx)) / 2 - 3;
    const int titleLeft = 7 + shift;
    const int titleRight = 7 + size.cx + shift;
    const int y = size.cy / 2;
    EXPECT_EQ(c.at(titleLeft - 3, y), Shadow());
    EXPECT_EQ(c.at(2, y), Shadow());
    EXPECT_EQ(c.at(titleRight + 4, y), Shadow());
    EXPECT_EQ(c.at(97, y), Shadow());
    EXPECT_EQ(c.at(98, y), Light()); // the light right side reaches down to the top edge
    EXPECT_EQ(c.at(titleLeft - 4, y - 1), Light());
    EXPECT_EQ(c.at(titleRight + 3, y - 1), Light());
    for (int x = titleLeft - 2; x <= titleRight + 3; ++x) {
        EXPECT_NE(c.at(x, y), Shadow()) << x; // the gap
    }
    // The gap lies under the title, which is centred.
    EXPECT_LE(std::abs((titleLeft + titleRight) / 2 - 50), 2);
    EXPECT_GT(c.count(kBlack, titleLeft, 0, titleRight, size.cy), 0);
    // Frame sides and bottom: dark inside, light one pixel up and left.
    EXPECT_EQ(c.at(1, 30), Shadow());
    EXPECT_EQ(c.at(0, 30), Light());
    EXPECT_EQ(c.at(50, 49), Shadow());
    EXPECT_EQ(c.at(50, 48), Light());
    EXPECT_EQ(c.at(99, 30), Shadow());
    EXPECT_EQ(c.at(98, 30), Light());
    EXPECT_EQ(c.at(50, 30), kMarker); // no fill inside
}

TEST(TextPainter, EtchedFrameWithoutTextIsClosed) {
    Canvas c(120, 60);
    c.paint(GTS_GROUP, "", {0, 0, 100, 50});
    EXPECT_EQ(c.count(Shadow(), 2, 1, 98, 2), 96);
    EXPECT_EQ(c.count(Light(), 0, 0, 99, 1), 99);
}

TEST(TextPainter, RightAlignedGroupTitle) {
    Canvas c(120, 60);
    c.paint(GTS_GROUP | GTS_RIGHT, "Ab", {0, 0, 100, 50});
    const SIZE size = c.extent("Ab");
    const int titleRight = 93; // seven pixels from the caller's right edge
    const int y = size.cy / 2;
    EXPECT_EQ(c.at(titleRight + 4, y), Shadow());
    EXPECT_NE(c.at(titleRight + 3, y), Shadow());
    EXPECT_EQ(c.at(titleRight - size.cx - 3, y), Shadow());
    EXPECT_NE(c.at(titleRight - size.cx - 2, y), Shadow());
}

TEST(TextPainter, SingleLineHeadingRulesAndBox) {
    Canvas c(140, 50);
    SetBkColor(c.dc(), RGB(0xC0, 0xC0, 0xC1)); // the fill, told apart from the box
    const COLORREF fill = RGB(0xC0, 0xC0, 0xC1);
    c.paint(GTS_SINGLELINE | GTS_CENTER | GTS_HEADING, "Kopf", {0, 0, 120, 40});
    const SIZE size = c.extent("Kopf");
    const int textLeft = 60 - size.cx / 2;
    const int textRight = 60 + size.cx / 2;
    const int y = size.cy / 2;
    EXPECT_EQ(c.at(0, y), fill);
    EXPECT_EQ(c.count(kBlack, 1, y, textLeft - 2, y + 1), textLeft - 3);
    EXPECT_EQ(c.at(textLeft - 2, y), fill);
    EXPECT_EQ(c.count(kBlack, textRight + 2, y, 118, y + 1), 118 - textRight - 2);
    EXPECT_EQ(c.at(118, y), fill);
    // The box below the first line, sunken.
    EXPECT_EQ(c.at(10, size.cy), kGrey);
    EXPECT_EQ(c.at(0, 30), kGrey);
    EXPECT_EQ(c.at(10, 39), kWhite);
    EXPECT_EQ(c.at(119, 30), kWhite);
    EXPECT_EQ(c.at(120, 30), kMarker);
}

TEST(TextPainter, SingleLineFillsTheRectangleAndStandsAtTheTop) {
    Canvas c(100, 50);
    c.paint(GTS_SINGLELINE, "Wg", {0, 10, 80, 45});
    const SIZE size = c.extent("Wg");
    EXPECT_GT(c.count(kBlack, 0, 10, 80, 10 + size.cy), 0);
    EXPECT_EQ(c.count(kBlack, 0, 10 + size.cy, 100, 50), 0);
    EXPECT_EQ(c.at(70, 40), kLightGrey);
    EXPECT_EQ(c.at(85, 20), kMarker);

    // Right-aligned heading: no rule after the text, none outside the label.
    Canvas right(100, 50);
    right.paint(GTS_SINGLELINE | GTS_RIGHT | GTS_HEADING, "Wg", {0, 0, 80, 45});
    const int y = size.cy / 2;
    EXPECT_EQ(right.at(81, y), kMarker);
    EXPECT_EQ(right.at(82, y), kMarker);
    EXPECT_EQ(right.count(kBlack, 1, y, 80 - size.cx - 2, y + 1), 80 - size.cx - 3);
    // Alignment is back to left and top afterwards.
    EXPECT_EQ(GetTextAlign(right.dc()), static_cast<UINT>(TA_LEFT | TA_TOP));
}

TEST(TextPainter, VerticallyCentredSingleLineGoesThroughDrawText) {
    Canvas c(100, 50);
    c.paint(GTS_SINGLELINE | GTS_VCENTER, "Wg", {0, 0, 80, 50});
    const SIZE size = c.extent("Wg");
    EXPECT_EQ(c.count(kBlack, 0, 0, 100, (50 - size.cy) / 2), 0);
    EXPECT_GT(c.count(kBlack, 0, (50 - size.cy) / 2, 80, (50 + size.cy) / 2 + 1), 0);
    EXPECT_EQ(c.at(70, 2), kLightGrey);
}

TEST(TextPainter, MultiLineHeadingBoxBelowTheText) {
    Canvas c(100, 60);
    c.paint(GTS_HEADING | GTS_RAISED, "Ab", {0, 0, 80, 50});
    const SIZE size = c.extent("Ab");
    EXPECT_EQ(c.at(10, size.cy), kWhite); // raised: top white
    EXPECT_EQ(c.at(10, 49), kGrey);
    EXPECT_EQ(c.at(79, size.cy + 5), kGrey);
}

} // namespace
