#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "controls/gauge/gauge_layout.h"

namespace {

using namespace quorl;
using namespace quorl::gauge;

// "x" in the test font: 8 wide, 16 high, so the gap unit is 16 / 4 + 1 = 5.
constexpr int kCx = 8;
constexpr int kCy = 16;

TEST(GaugeParts, StyleChoosesPartsAndStep) {
    const GaugeParts none = PartsOfStyle(0);
    EXPECT_TRUE(none.ticks && none.scale && none.percent);
    EXPECT_EQ(none.step, 50);

    const GaugeParts percent = PartsOfStyle(GAUGE_PERCENT);
    EXPECT_FALSE(percent.ticks || percent.scale);
    EXPECT_TRUE(percent.percent);

    const GaugeParts fine = PartsOfStyle(GAUGE_TICKS10 | GAUGE_SCALE);
    EXPECT_TRUE(fine.ticks && fine.scale);
    EXPECT_FALSE(fine.percent);
    EXPECT_EQ(fine.step, 10);
    EXPECT_EQ(IntervalCount(fine.step), 10);

    EXPECT_EQ(PartsOfStyle(GAUGE_TICKS25 | GAUGE_TICKS50).step, 25);
    EXPECT_EQ(PartsOfStyle(GAUGE_TICKS10 | GAUGE_TICKS25).step, 10);
    EXPECT_EQ(PartsOfStyle(GAUGE_TICKS50).step, 50);
    // Scale without tick bits keeps the step 50 and draws no ticks.
    const GaugeParts scale = PartsOfStyle(GAUGE_SCALE | GAUGE_PERCENT);
    EXPECT_FALSE(scale.ticks);
    EXPECT_EQ(scale.step, 50);
    // Bits above the low five choose nothing.
    EXPECT_TRUE(PartsOfStyle(0x50000000u).percent);
}

TEST(GaugeLayout, AllPartsWithoutTitle) {
    const GaugeLayout l = LayoutGauge({0, 0, 200, 60}, 0, false, kCx, kCy);
    EXPECT_EQ(l.margin, 20); // 5 * 8 / 2
    EXPECT_EQ(l.gap, 5);
    // 60 - 5 = 55, minus 5 / 2 and 8 for the ticks = 45, minus 16 and 5 = 24.
    EXPECT_EQ(l.barHeight, 24);
    EXPECT_EQ(l.barRect, (PixelRect{20, 5, 180, 29}));
    EXPECT_EQ(l.percentRect, (PixelRect{20, 9, 180, 25}));
    EXPECT_EQ(l.tickRect, (PixelRect{20, 29, 180, 37}));
    EXPECT_EQ(l.scaleRow, (PixelRect{0, 39, 200, 55}));
}

TEST(GaugeLayout, TitleLowersBarByTwoGapsAndALine) {
    const GaugeLayout plain = LayoutGauge({0, 0, 200, 80}, 0, false, kCx, kCy);
    const GaugeLayout titled = LayoutGauge({0, 0, 200, 80}, 0, true, kCx, kCy);
    EXPECT_EQ(titled.titleRect, (PixelRect{20, 5, 180, 21}));
    EXPECT_EQ(titled.barRect.top, 26);
    EXPECT_EQ(plain.barHeight - titled.barHeight, 2 * 5 + kCy);
    EXPECT_EQ(titled.barRect.bottom, 44);
}

TEST(GaugeLayout, PercentAloneHasNoMarginTicksOrScale) {
    const GaugeLayout l = LayoutGauge({0, 0, 200, 30}, GAUGE_PERCENT, false, kCx, kCy);
    EXPECT_EQ(l.margin, 0);
    EXPECT_EQ(l.barRect, (PixelRect{0, 5, 200, 30}));
    EXPECT_EQ(l.tickRect.height(), 0);
    EXPECT_EQ(l.scaleRow.height(), 0);
}

TEST(GaugeLayout, ScaleWithoutTicksStandsBelowTheBar) {
    const GaugeLayout l =
        LayoutGauge({0, 0, 200, 60}, GAUGE_PERCENT | GAUGE_SCALE, false, kCx, kCy);
    // 60 - 5 = 55, minus 16 and 5 = 34.
    EXPECT_EQ(l.barRect, (PixelRect{20, 5, 180, 39}));
    EXPECT_EQ(l.scaleRow, (PixelRect{0, 41, 200, 57}));
}

TEST(GaugeLayout, SubtractionsThatLeaveNoBarAreSkipped) {
    // 20 - 5 = 15; the title's 15 - 10 - 16 is skipped, the ticks' 15 - 2 - 8 = 5
    // is taken, the scale's 5 - 16 - 5 is skipped again.
    const GaugeLayout l = LayoutGauge({0, 0, 100, 20}, 0, true, kCx, kCy);
    EXPECT_EQ(l.barHeight, 5);
    EXPECT_EQ(l.barRect, (PixelRect{20, 26, 80, 31}));
    EXPECT_GT(l.scaleRow.bottom, 20); // drawn past the bottom and clipped there

    // Height exactly one gap: the bar starts with 0 and stays so.
    EXPECT_EQ(LayoutGauge({0, 0, 100, 5}, GAUGE_PERCENT, false, kCx, kCy).barHeight, 0);
}

TEST(GaugeLayout, MarginDroppedWhenItTakesAQuarter) {
    EXPECT_EQ(LayoutGauge({0, 0, 80, 60}, GAUGE_SCALE, false, kCx, kCy).margin, 0);  // 20 >= 20
    EXPECT_EQ(LayoutGauge({0, 0, 84, 60}, GAUGE_SCALE, false, kCx, kCy).margin, 20); // 20 < 21
    // Offset client rectangles keep their origin.
    const GaugeLayout l = LayoutGauge({10, 20, 210, 80}, 0, false, kCx, kCy);
    EXPECT_EQ(l.barRect, (PixelRect{30, 25, 190, 49}));
    EXPECT_EQ(l.scaleRow.left, 10);
}

TEST(GaugeArithmetic, PercentageRoundsLikeTheMultiplyDivide) {
    EXPECT_EQ(Percentage(0, 100), 0);
    EXPECT_EQ(Percentage(0, 0), -1);
    EXPECT_EQ(Percentage(50, 0), -1);
    EXPECT_EQ(Percentage(150, 100), 150);
    EXPECT_EQ(Percentage(1, 3), 33);
    EXPECT_EQ(Percentage(2, 3), 67);
    EXPECT_EQ(Percentage(1, 200), 1);   // 0.5 rounds up
    EXPECT_EQ(Percentage(-1, 200), -1); // -0.5 rounds away from zero
    EXPECT_EQ(Percentage(-50, -100), 50);
    EXPECT_EQ(Percentage(50, -100), -50);
    EXPECT_EQ(Percentage(INT_MAX, 100), INT_MAX);
    EXPECT_EQ(Percentage(INT_MAX, 1), -1); // beyond 32 bits
}

TEST(GaugeArithmetic, MultiplyDivideEdges) {
    EXPECT_EQ(MulDivRounded(7, 1, 2), 4);
    EXPECT_EQ(MulDivRounded(-7, 1, 2), -4);
    EXPECT_EQ(MulDivRounded(7, -1, 2), -4);
    EXPECT_EQ(MulDivRounded(7, 1, -2), -4);
    EXPECT_EQ(MulDivRounded(-7, -1, -2), -4);
    EXPECT_EQ(MulDivRounded(-7, -1, 2), 4);
    EXPECT_EQ(MulDivRounded(5, 0, 0), -1);
    EXPECT_EQ(MulDivRounded(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(MulDivRounded(INT_MIN, 1, 1), -1);
    EXPECT_EQ(MulDivRounded(INT_MIN, 1, -1), -1);
    EXPECT_EQ(MulDivRounded(-INT_MAX, 1, 1), -INT_MAX);
}

TEST(GaugeArithmetic, FilledPartIsOneMoreThanItsShareAndStaysInTheTrough) {
    const PixelRect bar = {20, 5, 180, 29}; // 160 wide
    EXPECT_EQ(FilledRight(bar, 1), 23);     // 1.6 rounds to 2, plus 1
    EXPECT_EQ(FilledRight(bar, 50), 101);
    EXPECT_EQ(FilledRight(bar, 99), 179);
    EXPECT_EQ(FilledRight(bar, 100), 180);
    EXPECT_EQ(FilledRight(bar, 150), 180);
    // A percentage whose share would overflow still fills the trough.
    EXPECT_EQ(FilledRight(bar, INT_MAX), 180);
}

TEST(GaugeArithmetic, TicksSpreadOverTheRowAndTheLastStaysInside) {
    const PixelRect row = {20, 29, 180, 37};
    EXPECT_EQ(TickX(row, 0, 2), 20);
    EXPECT_EQ(TickX(row, 1, 2), 100);
    EXPECT_EQ(TickX(row, 2, 2), 179);
    EXPECT_EQ(TickX(row, 3, 10), 68);
    const PixelRect odd = {0, 0, 161, 4};
    EXPECT_EQ(TickX(odd, 1, 4), 40); // 40.25
    EXPECT_EQ(TickX(odd, 2, 4), 81); // 80.5 rounds up
}

TEST(GaugeArithmetic, ScaleNumbersCentreUnderTheirTicks) {
    const PixelRect client = {0, 0, 200, 60};
    EXPECT_EQ(ScaleTextLeft(client, 20, 0, 2, 24), 8);
    EXPECT_EQ(ScaleTextLeft(client, 20, 1, 2, 24), 88);
    EXPECT_EQ(ScaleTextLeft(client, 20, 2, 2, 24), 168);
    EXPECT_EQ(ScaleTextLeft(client, 0, 2, 2, 25), 188); // not kept inside
}

TEST(GaugeArithmetic, PercentTextHoldsAnyValue) {
    char text[kPercentTextSize];
    FormatPercent(150, text);
    EXPECT_STREQ(text, "150 %");
    FormatPercent(-1, text);
    EXPECT_STREQ(text, "-1 %");
    FormatPercent(INT_MIN, text);
    EXPECT_STREQ(text, "-2147483648 %");
}

TEST(GaugeBevel, FourLinesInsetFromTheRectangle) {
    const Bevel b = BevelOf({0, 0, 20, 10}, 2);
    const BevelLine expected[4] = {
        {{{3, 6}, {3, 3}, {16, 3}}},
        {{{4, 5}, {4, 4}, {15, 4}}},
        {{{16, 3}, {16, 6}, {3, 6}}},
        {{{15, 4}, {15, 5}, {4, 5}}},
    };
    for (int i = 0; i < 4; ++i) {
        for (int p = 0; p < 3; ++p) {
            EXPECT_EQ(b.lines[i].points[p], expected[i].points[p]) << i << "/" << p;
        }
    }
}

} // namespace
