#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "controls/statusbar/statusbar_layout.h"

namespace {

using namespace quorl::statusbar;

struct WidthCase {
    const char* name;
    int clientWidth;
    int borderWidth;
    std::vector<FieldLimits> fields;
    std::vector<int> widths;
};

// Worked by hand: free = client - 8 b - sum(minimum + 2 b) over fields with a
// minimum; growing fields share it by rounded MulDiv; fillers split the rest.
const WidthCase kWidthCases[] = {
    {"AmpleRoomBothReachTheirMaximum", 600, 1, {{50, 150}, {50, 250}}, {150, 250}},
    // free 188 shared 100 : 200 -> 62.7 and 125.3.
    {"LessRoomSharedInProportion", 300, 1, {{50, 150}, {50, 250}}, {113, 175}},
    // The automatic bar: 400 - 8 - 52 - 92 = 248 for the help field.
    {"HelpAndClock", 400, 1, {{50, 1000}, {90, 90}}, {298, 90}},
    {"FillerTakesWhatGrowingLeaves", 400, 1, {{50, 150}, {30, 0}}, {150, 238}},
    // 328 free; 100 grown plus its 2-pixel gap leave 226.
    {"GrowingFromZeroLeavesItsGap", 500, 1, {{70, 0}, {0, 100}, {90, 90}}, {296, 100, 90}},
    // 400 - 16 - 24 = 360; 60 grown and 4 of gap leave 296.
    {"BorderWidthTwo", 400, 2, {{20, 0}, {0, 60}}, {316, 60}},
    // 269 split in two; the odd pixel is not handed out.
    {"TwoFillersSplitEvenly", 301, 1, {{10, 0}, {10, 0}}, {144, 144}},
    {"GrowingTakeAllFillerKeepsMinimum", 300, 1, {{50, 150}, {50, 250}, {10, 0}}, {109, 167, 10}},
    {"TooNarrowKeepsMinima", 100, 1, {{50, 150}, {90, 90}, {10, 0}}, {50, 90, 10}},
    {"ZeroZeroGetsNoShare", 300, 1, {{0, 0}, {10, 0}}, {0, 290}},
    {"NegativeLimitsCountAsZero", 300, 1, {{-5, -7}, {10, 0}}, {0, 290}},
    {"HugeLimitsDoNotOverflow", 300, 1, {{INT_MAX, 0}, {0, INT_MAX}}, {INT_MAX, 0}},
};

class FieldWidths : public testing::TestWithParam<WidthCase> {};

TEST_P(FieldWidths, ThreePasses) {
    const WidthCase& c = GetParam();
    std::vector<int> widths(c.fields.size(), -1);
    LayoutWidths(c.fields, c.clientWidth, c.borderWidth, widths);
    EXPECT_EQ(widths, c.widths);
}

INSTANTIATE_TEST_SUITE_P(Layout, FieldWidths, testing::ValuesIn(kWidthCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Coordinates and character counts beyond an int saturate.
TEST(FieldRow, SaturatesInsteadOfOverflowing) {
    FieldRow row({0, 0, 100, 30}, {2, 3}, 20);
    EXPECT_EQ(row.Next(INT_MAX), (Placement{8, 6, INT_MAX, 20}));
    EXPECT_EQ(row.Next(5).x, INT_MAX);
    EXPECT_EQ(WidthInPixels(INT_MIN, 7), INT_MAX);
}

} // namespace
