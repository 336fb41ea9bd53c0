// The library's fixed lengths on screens of 96, 144 and 192 pixels per
// inch, through the pure layouts that take the scale; every expected value
// is worked out by hand (1.5 x rounds halves away from zero).
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "controls/button/button_layout.h"
#include "controls/checkbutton/checkbutton_layout.h"
#include "controls/gauge/gauge_layout.h"
#include "controls/pageswitcher/page_layout.h"
#include "controls/schedule/schedule_grid.h"
#include "controls/textlabel/text_layout.h"
#include "core/geometry.h"
#include "core/picture_scale.h"

namespace quorl {
namespace {

constexpr Scale k96{96};
constexpr Scale k144{144};
constexpr Scale k192{192};

TEST(Scale, ResolutionsAndFactors) {
    struct Row {
        int reported;
        int dpi;    // what the library works with
        int twenty; // 20 pixels scaled
        int factor; // whole enlargement of a picture
    };
    const Row rows[] = {
        {96, 96, 20, 1},   {144, 144, 30, 2}, {192, 192, 40, 2},
        {120, 120, 25, 2}, {72, 96, 20, 1},   {0, 96, 20, 1},
        {-5, 96, 20, 1},   {288, 288, 60, 3}, {100000, 768, 160, 8},
    };
    for (const Row& row : rows) {
        const Scale scale = ScaleForDpi(row.reported);
        EXPECT_EQ(scale.dpi, row.dpi) << row.reported;
        EXPECT_EQ(scale(20), row.twenty) << row.reported;
        EXPECT_EQ(scale.PictureFactor(), row.factor) << row.reported;
    }
    EXPECT_EQ(k144(1), 2);
    EXPECT_EQ(k144(3), 5);
    EXPECT_EQ(k144(27), 41);
}

TEST(Scale, PageSwitcherTabsAndItems) {
    struct Row {
        Scale scale;
        PixelRect tab;  // tab 0 of 7 in a 700-pixel row
        PixelRect item; // (4, 8, 40, 16) units at base units 8 x 16
    };
    const Row rows[] = {
        {k96, {13, 4, 88, 24}, {8, 42, 88, 74}},
        {k144, {13, 6, 88, 36}, {8, 55, 88, 87}},
        {k192, {13, 8, 88, 48}, {8, 68, 88, 100}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(pageswitcher::TabRect({0, 0, 700, 400}, 0, 7, row.scale), row.tab)
            << row.scale.dpi;
        EXPECT_EQ(pageswitcher::ItemRect(4, 8, 40, 16, 8, 16, row.scale), row.item)
            << row.scale.dpi;
    }
}

struct LineRow {
    int index;
    pageswitcher::Pen pen;
    PixelPoint from;
    PixelPoint to;
    int thickness;
};

void ExpectLine(const pageswitcher::Line& line, const LineRow& row, int dpi) {
    EXPECT_EQ(line.pen, row.pen) << dpi << " line " << row.index;
    EXPECT_EQ(line.from, row.from) << dpi << " line " << row.index;
    EXPECT_EQ(line.to, row.to) << dpi << " line " << row.index;
    EXPECT_EQ(line.thickness, row.thickness) << dpi << " line " << row.index;
}

TEST(Scale, PageSwitcherOutlinesAndFrame) {
    using pageswitcher::Pen;
    struct Row {
        Scale scale;
        std::array<LineRow, 4> outlines; // of 3 tabs in 300 pixels, tab 0 open
        std::array<LineRow, 2> frame;    // of a 300 x 200 switcher
    };
    const Row rows[] = {
        {k96,
         {{{0, Pen::Black, {4, 0}, {97, 0}, 1},
           {1, Pen::White, {4, 1}, {97, 1}, 1},
           {2, Pen::White, {4, 2}, {97, 2}, 1},
           {5, Pen::Black, {100, 26}, {201, 26}, 1}}},
         {{{2, Pen::Black, {299, 27}, {299, 200}, 1}, {6, Pen::Grey, {3, 197}, {298, 197}, 1}}}},
        {k144,
         {{{0, Pen::Black, {6, 0}, {95, 0}, 2},
           {1, Pen::White, {6, 2}, {95, 2}, 1},
           {2, Pen::White, {6, 3}, {95, 3}, 2},
           {5, Pen::Black, {100, 39}, {202, 39}, 2}}},
         {{{2, Pen::Black, {298, 41}, {298, 200}, 2}, {6, Pen::Grey, {5, 195}, {297, 195}, 2}}}},
        {k192,
         {{{0, Pen::Black, {8, 0}, {94, 0}, 2},
           {1, Pen::White, {8, 2}, {94, 2}, 2},
           {2, Pen::White, {8, 4}, {94, 4}, 2},
           {5, Pen::Black, {100, 52}, {202, 52}, 2}}},
         {{{2, Pen::Black, {298, 54}, {298, 200}, 2}, {6, Pen::Grey, {6, 194}, {296, 194}, 2}}}},
    };
    for (const Row& row : rows) {
        pageswitcher::Line outlines[pageswitcher::kMaxOutlineLines];
        ASSERT_EQ(pageswitcher::TabOutlines(300, 3, 0, outlines, row.scale), 3 + 5 + 5);
        for (const LineRow& expected : row.outlines) {
            ExpectLine(outlines[expected.index], expected, row.scale.dpi);
        }
        pageswitcher::Line frame[pageswitcher::kFrameLines];
        pageswitcher::FrameLines(300, 200, frame, row.scale);
        for (const LineRow& expected : row.frame) {
            ExpectLine(frame[expected.index], expected, row.scale.dpi);
        }
    }
}

TEST(Scale, PageSwitcherRightEndOfTheRow) {
    // Two tabs, the last one open; the junction pictures were scaled with
    // the screen (16 x 26 at 96 pixels per inch).
    struct Row {
        Scale scale;
        pageswitcher::JunctionSize size;
        PixelPoint to;
        int width;
        int height;
    };
    const Row rows[] = {
        {k96, {16, 26}, {191, 0}, 9, 24},
        {k192, {32, 52}, {182, 0}, 18, 48},
    };
    for (const Row& row : rows) {
        const pageswitcher::JunctionSize sizes[3] = {row.size, row.size, row.size};
        pageswitcher::JunctionBlit blits[pageswitcher::kMaxJunctions];
        ASSERT_EQ(pageswitcher::Junctions(200, 2, 1, sizes, blits, row.scale), 3);
        EXPECT_EQ(blits[2].to, row.to) << row.scale.dpi;
        EXPECT_EQ(blits[2].width, row.width) << row.scale.dpi;
        EXPECT_EQ(blits[2].height, row.height) << row.scale.dpi;
    }
}

TEST(Scale, CheckButtonMarkCaptionAndFocus) {
    struct Row {
        Scale scale;
        int markWidth; // the 13-pixel mark as scaled
        PixelPoint centredMark;
        PixelRect caption;
        PixelRect focus;
    };
    const Row rows[] = {
        {k96, 13, {5, 2}, {18, 2, 95, 18}, {16, 1, 52, 18}},
        {k144, 20, {8, 3}, {28, 3, 92, 17}, {15, 0, 53, 20}},
        {k192, 26, {10, 4}, {36, 4, 90, 16}, {14, 0, 54, 20}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(checkbutton::MarkPosition(QCS_CENTERTEXT, 100, row.markWidth, row.scale),
                  row.centredMark)
            << row.scale.dpi;
        EXPECT_EQ(checkbutton::CaptionRect(0, 100, 20, row.markWidth, row.scale), row.caption)
            << row.scale.dpi;
        EXPECT_EQ(checkbutton::FocusFrame(0, 100, row.markWidth, {18, 2, 50, 16}, row.scale),
                  row.focus)
            << row.scale.dpi;
    }
}

TEST(Scale, ButtonLayoutEdgesFocusAndScrollSteps) {
    struct Row {
        Scale scale;
        int pictureLeft; // 150-pixel button, 48-pixel picture, 60-pixel caption
        int captionLeft;
        PixelRect topEdge; // of a 40 x 20 button
        PixelRect bottomEdge;
        PixelRect focus; // caption 30 x 14 at 10 in a 20-pixel height
        int lineDown;
        int pageDown;
    };
    const Row rows[] = {
        {k96, 14, 73, {2, 2, 36, 4}, {3, 16, 38, 18}, {8, 1, 42, 19}, 10, 50},
        {k144, 15, 72, {3, 3, 34, 6}, {5, 14, 37, 17}, {7, 0, 43, 20}, 15, 75},
        {k192, 15, 70, {4, 4, 32, 8}, {6, 12, 36, 16}, {6, -1, 44, 21}, 20, 100},
    };
    for (const Row& row : rows) {
        const button::Layout layout = button::ComputeLayout(150, 48, 60, row.scale);
        EXPECT_EQ(layout.pictureLeft, row.pictureLeft) << row.scale.dpi;
        EXPECT_EQ(layout.captionLeft, row.captionLeft) << row.scale.dpi;
        const button::EdgeBands bands = button::ComputeEdgeBands(40, 20, row.scale);
        EXPECT_EQ(bands.top, row.topEdge) << row.scale.dpi;
        EXPECT_EQ(bands.bottom, row.bottomEdge) << row.scale.dpi;
        EXPECT_EQ(button::FocusMarkRect(10, button::PackCaptionSize(30, 14), 20, row.scale),
                  row.focus)
            << row.scale.dpi;
        EXPECT_EQ(button::NewScrollPosition(button::kScrollLineDown, 0, 0, 1000, row.scale),
                  row.lineDown);
        EXPECT_EQ(button::NewScrollPosition(button::kScrollPageDown, 0, 0, 1000, row.scale),
                  row.pageDown);
    }
}

TEST(Scale, ButtonCaptionStaysInsideOnlyOnAFinerScreen) {
    // "Gesperrt": a 100-pixel caption and a 64-pixel picture in a 128-pixel
    // button. At 96 the old layout stands, overflow and all.
    EXPECT_EQ(button::ComputeLayout(128, 64, 100, k96).captionLeft, 38);
    EXPECT_EQ(button::ComputeLayout(128, 64, 100, k192).captionLeft, 20); // ends at 128 - 8
    const button::EdgeBands inner = button::FrameRing(40, 20, 1, k192);
    EXPECT_EQ(inner.top, (PixelRect{2, 2, 38, 4}));
    EXPECT_EQ(inner.right, (PixelRect{36, 2, 38, 18}));
}

TEST(Scale, TextLabelBoxesLinesAndGroupFrame) {
    using namespace textlabel;
    struct Row {
        Scale scale;
        PixelRect inside;    // of a box round (0, 0)-(100, 40)
        PixelRect thinBox;   // of a label as high as three scaled pixels
        int thinHeight;      // that height
        PixelRect groupText; // of a group frame (10, 20)-(200, 120)
        int topLineEnd;
        PixelPoint etchStart; // title (20, 0)-(60, 20) in a frame (0, 0)-(100, 50)
        PixelPoint etchLeft;
        PixelPoint lightCorner; // the light line's bottom-right corner
        int ruleFrom;           // right rule of a 50-pixel heading
        int ruleTo;
    };
    const Row rows[] = {
        {k96,
         {1, 1, 98, 38},
         {0, 0, 99, 1},
         3,
         {17, 20, 193, 120},
         99,
         {17, 10},
         {1, 10},
         {98, 48},
         52,
         198},
        {k144,
         {2, 2, 97, 37},
         {0, 0, 99, 2},
         5,
         {21, 20, 189, 120},
         98,
         {15, 10},
         {2, 10},
         {97, 47},
         53,
         197},
        {k192,
         {2, 2, 97, 37},
         {0, 0, 99, 3},
         6,
         {24, 20, 186, 120},
         98,
         {14, 10},
         {2, 10},
         {97, 47},
         54,
         196},
    };
    for (const Row& row : rows) {
        const int dpi = row.scale.dpi;
        EXPECT_EQ(BoxFrameOf({0, 0, 100, 40}, row.scale).box, (PixelRect{0, 0, 99, 39})) << dpi;
        EXPECT_EQ(BoxFrameOf({0, 0, 100, 40}, row.scale).inside, row.inside) << dpi;
        EXPECT_EQ(BoxFrameOf({0, 0, 100, row.thinHeight}, row.scale).box, row.thinBox) << dpi;
        EXPECT_EQ(GroupTextRect({10, 20, 200, 120}, row.scale), row.groupText) << dpi;
        EXPECT_EQ(EdgeLineOf({0, 0, 100, 40}, GTS_TOPLINE, row.scale).to.x, row.topLineEnd) << dpi;
        const EtchedFrame etched = EtchedFrameOf({20, 0, 60, 20}, {0, 0, 100, 50}, row.scale);
        EXPECT_EQ(etched.dark[0], row.etchStart) << dpi;
        EXPECT_EQ(etched.dark[1], row.etchLeft) << dpi;
        EXPECT_EQ(etched.dark[3], (PixelPoint{99, 49})) << dpi;
        EXPECT_EQ(etched.light[3], row.lightCorner) << dpi;
        const HeadingRules rules =
            HeadingRulesOf({0, 0, 200, 20}, {Anchor::Left, 0}, 50, 20, row.scale);
        EXPECT_FALSE(rules.leftShown) << dpi;
        EXPECT_EQ(rules.right.from, (PixelPoint{row.ruleFrom, 10})) << dpi;
        EXPECT_EQ(rules.right.to, (PixelPoint{row.ruleTo, 10})) << dpi;
    }
    // The second pixel of a 192-dpi etched line: each point one pixel in.
    const EtchedFrame inner =
        DeflatedEtch(EtchedFrameOf({20, 0, 60, 20}, {0, 0, 100, 50}, k192), 1);
    EXPECT_EQ(inner.dark[1], (PixelPoint{3, 11}));
    EXPECT_EQ(inner.dark[3], (PixelPoint{98, 48}));
    EXPECT_EQ(inner.dark[5], (PixelPoint{66, 11}));
    EXPECT_EQ(inner.light[2], (PixelPoint{1, 46}));
}

TEST(Scale, GaugeBevelsAndTicks) {
    struct Row {
        Scale scale;
        gauge::BevelLine outer; // upper-left outer line of the trough bevel of 20 x 10
        gauge::BevelLine inner; // lower-right inner line
        int lastTick;           // of a row from 20 to 180
    };
    const Row rows[] = {
        {k96, {{{3, 6}, {3, 3}, {16, 3}}, 1}, {{{15, 4}, {15, 5}, {4, 5}}, 1}, 179},
        {k144, {{{5, 4}, {5, 5}, {14, 5}}, 1}, {{{13, 6}, {13, 3}, {6, 3}}, 2}, 178},
        {k192, {{{6, 3}, {6, 6}, {13, 6}}, 2}, {{{11, 8}, {11, 1}, {8, 1}}, 2}, 178},
    };
    for (const Row& row : rows) {
        const gauge::Bevel bevel = gauge::BevelOf({0, 0, 20, 10}, 2, row.scale);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(bevel.lines[0].points[i], row.outer.points[i]) << row.scale.dpi << " " << i;
            EXPECT_EQ(bevel.lines[3].points[i], row.inner.points[i]) << row.scale.dpi << " " << i;
        }
        EXPECT_EQ(bevel.lines[0].thickness, row.outer.thickness) << row.scale.dpi;
        EXPECT_EQ(bevel.lines[3].thickness, row.inner.thickness) << row.scale.dpi;
        EXPECT_EQ(gauge::TickX({20, 0, 180, 10}, 2, 2, row.scale), row.lastTick) << row.scale.dpi;
        EXPECT_EQ(gauge::TickX({20, 0, 180, 10}, 1, 2, row.scale), 100) << row.scale.dpi;
    }
    const gauge::BevelLine second =
        gauge::DeflatedBevelLine(gauge::BevelOf({0, 0, 20, 10}, 2, k192).lines[0], 0, 1);
    EXPECT_EQ(second.points[0], (PixelPoint{7, 2}));
    EXPECT_EQ(second.points[1], (PixelPoint{7, 7}));
    EXPECT_EQ(second.points[2], (PixelPoint{12, 7}));
}

TEST(Scale, ScheduleCellsNumbersAndBars) {
    struct Row {
        Scale scale;
        PixelRect cell;    // cell 8 of 40 x 30 cells
        PixelPoint number; // of a 40 x 32 cell
        PixelRect holidayBar;
        PixelRect leftBar;
        bool smallCellBig; // is a 40 x 20 cell big?
    };
    const Row rows[] = {
        {k96, {43, 31, 81, 59}, {2, 4}, {0, 30, 40, 32}, {0, 28, 20, 30}, true},
        {k144, {45, 32, 82, 58}, {3, 6}, {0, 29, 40, 32}, {0, 26, 20, 29}, false},
        {k192, {46, 32, 82, 58}, {4, 8}, {0, 28, 40, 32}, {0, 24, 20, 28}, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(schedule::CellRect(8, {40, 30}, row.scale), row.cell) << row.scale.dpi;
        const schedule::DayCellLayout layout = schedule::LayoutDayCell({0, 0, 40, 32}, row.scale);
        EXPECT_TRUE(layout.big) << row.scale.dpi;
        EXPECT_EQ(layout.number, row.number) << row.scale.dpi;
        EXPECT_EQ(layout.holidayBar, row.holidayBar) << row.scale.dpi;
        EXPECT_EQ(layout.leftBar, row.leftBar) << row.scale.dpi;
        EXPECT_EQ(schedule::LayoutDayCell({0, 0, 40, 20}, row.scale).big, row.smallCellBig)
            << row.scale.dpi;
    }
}

TEST(Scale, PicturesGrowPixelForPixelThenSmoothly) {
    EXPECT_EQ(ScaledPictureSize(13, 13, k96), (PictureSize{13, 13}));
    EXPECT_EQ(ScaledPictureSize(13, 13, k144), (PictureSize{20, 20}));
    EXPECT_EQ(ScaledPictureSize(13, 13, k192), (PictureSize{26, 26}));

    constexpr std::uint32_t A = 0x00112233;
    constexpr std::uint32_t B = 0x000000FF;
    const std::vector<std::uint32_t> source = {A, B, B, A};
    std::vector<std::uint32_t> doubled(16);
    ASSERT_TRUE(ScalePicturePixels(source, 2, 2, k192, doubled));
    EXPECT_EQ(doubled, (std::vector<std::uint32_t>{A, A, B, B, A, A, B, B, //
                                                   B, B, A, A, B, B, A, A}));

    // 1.5 x: doubled to 4 x 4, then each of 3 x 3 pixels averages what it
    // covers; a black and a blue column meet in a half-blue one.
    const std::vector<std::uint32_t> columns = {0, B, 0, B};
    std::vector<std::uint32_t> smooth(9);
    ASSERT_TRUE(ScalePicturePixels(columns, 2, 2, k144, smooth));
    EXPECT_EQ(smooth, (std::vector<std::uint32_t>{0, 0x80, B, 0, 0x80, B, 0, 0x80, B}));

    std::vector<std::uint32_t> small(8, 7);
    EXPECT_FALSE(ScalePicturePixels(source, 2, 2, k192, small));
    EXPECT_EQ(small, std::vector<std::uint32_t>(8, 7));
    EXPECT_FALSE(ScalePicturePixels(source, 3, 2, k192, doubled));
    EXPECT_FALSE(ScalePicturePixels(source, 0, 2, k192, doubled));
}

} // namespace
} // namespace quorl
