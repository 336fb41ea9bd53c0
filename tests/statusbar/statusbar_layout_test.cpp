#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "controls/statusbar/statusbar_layout.h"

namespace {

using namespace quorl;
using namespace quorl::statusbar;

struct WidthCase {
    const char* name;
    int clientWidth;
    int borderWidth;
    std::vector<FieldLimits> fields;
    std::vector<int> widths;
};

// Worked by hand: free = client - 8 b - sum(minimum + 2 b) over fields with a
// minimum; growing fields share it by MulDiv; fillers split what is left.
const WidthCase kWidthCases[] = {
    {"AmpleRoomBothReachTheirMaximum", 600, 1, {{50, 150}, {50, 250}}, {150, 250}},
    // free 188 shared 100 : 200 -> 62.7 and 125.3, rounded.
    {"LessRoomSharedInProportion", 300, 1, {{50, 150}, {50, 250}}, {113, 175}},
    {"FixedFieldKeepsItsWidth", 400, 1, {{90, 90}}, {90}},
    // The automatic bar: help field 50..1000, clock 90; 400 - 8 - 52 - 92 = 248.
    {"HelpAndClock", 400, 1, {{50, 1000}, {90, 90}}, {298, 90}},
    // 400 - 8 - 52 - 32 = 308; the growing field takes 100, the filler 208.
    {"FillerTakesWhatGrowingLeaves", 400, 1, {{50, 150}, {30, 0}}, {150, 238}},
    // 500 - 8 - 72 - 92 = 328; 100 grown plus its 2-pixel gap leave 226.
    {"GrowingFromZeroLeavesItsGap", 500, 1, {{70, 0}, {0, 100}, {90, 90}}, {296, 100, 90}},
    // Thicker borders: 400 - 16 - 24 = 360; 60 grown and 4 of gap leave 296.
    {"BorderWidthTwo", 400, 2, {{20, 0}, {0, 60}}, {316, 60}},
    // 301 - 8 - 24 = 269, split in two; the odd pixel is not handed out.
    {"TwoFillersSplitEvenly", 301, 1, {{10, 0}, {10, 0}}, {144, 144}},
    // 176 left: 58.7 and 117.3 rounded take it all; the filler keeps 10.
    {"GrowingTakeAllFillerKeepsMinimum", 300, 1, {{50, 150}, {50, 250}, {10, 0}}, {109, 167, 10}},
    {"TooNarrowKeepsMinima", 100, 1, {{50, 150}, {90, 90}, {10, 0}}, {50, 90, 10}},
    {"ZeroZeroGetsNoShare", 300, 1, {{0, 0}, {10, 0}}, {0, 290}},
    {"NegativeLimitsCountAsZero", 300, 1, {{-5, -7}, {10, 0}}, {0, 290}},
    {"HugeLimitsDoNotOverflow", 300, 1, {{INT_MAX, 0}, {0, INT_MAX}}, {INT_MAX, 0}},
    {"NoFields", 300, 1, {}, {}},
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

TEST(FieldRow, FieldsFollowEachOtherWithGaps) {
    FieldRow row({0, 3, 400, 30}, {1, 1}, 18);
    EXPECT_EQ(row.Next(298), (Placement{4, 5, 298, 18}));
    EXPECT_EQ(row.Next(0), (Placement{304, 5, 0, 18}));
    EXPECT_EQ(row.Next(90), (Placement{306, 5, 90, 18}));
    EXPECT_EQ(row.Next(1).x, 398);

    FieldRow wide({0, 0, 100, 30}, {2, 3}, 20);
    EXPECT_EQ(wide.Next(INT_MAX), (Placement{8, 6, INT_MAX, 20}));
    EXPECT_EQ(wide.Next(5).x, INT_MAX);
}

TEST(StatusMetrics, HeightsAndBarPlacement) {
    const StatusMetrics m = MetricsOf(16, {1, 1});
    EXPECT_EQ(m.fieldHeight, 18);
    EXPECT_EQ(m.barHeight, 24);
    EXPECT_EQ(MetricsOf(13, {2, 2}).barHeight, 13 + 4 + 12);
    // The bar's lower border line lies just below the parent's client area.
    EXPECT_EQ(BarPlacement({0, 0, 400, 300}, 1, 24), (Placement{0, 277, 400, 24}));
    EXPECT_EQ(BarPlacement({10, 20, 110, 40}, 2, 30), (Placement{10, 12, 100, 30}));
}

TEST(StatusMetrics, WidthsInCharacters) {
    EXPECT_EQ(WidthInPixels(-10, 7), 70);
    EXPECT_EQ(WidthInPixels(90, 7), 90);
    EXPECT_EQ(WidthInPixels(0, 7), 0);
    EXPECT_EQ(WidthInPixels(INT_MIN, 7), INT_MAX);
}

TEST(FieldText, MarkersChooseTheColour) {
    const struct {
        const char* text;
        TextColour colour;
        const char* shown;
    } cases[] = {
        {"!Fehler", TextColour::Alert, "Fehler"},
        {"?Tipp", TextColour::Hint, "Tipp"},
        {"!", TextColour::Alert, ""},
        {"Text!", TextColour::Normal, "Text!"},
        {"", TextColour::Normal, ""},
        {nullptr, TextColour::Normal, ""},
    };
    for (const auto& c : cases) {
        const MarkedText marked = SplitMarker(c.text);
        EXPECT_EQ(marked.colour, c.colour) << (c.text ? c.text : "null");
        EXPECT_STREQ(marked.text, c.shown);
    }
    EXPECT_EQ(TextRect({0, 0, 100, 20}, {1, 1}), (PixelRect{2, 1, 98, 19}));
}

TEST(FieldText, Clock) {
    char text[kClockTextSize];
    FormatClock(9, 5, 3, text);
    EXPECT_STREQ(text, "9:05:03");
    FormatClock(23, 59, 0, text);
    EXPECT_STREQ(text, "23:59:00");
    FormatClock(65535, 65535, 65535, text);
    EXPECT_STREQ(text, "65535:65535:65535");
}

TEST(FieldText, UnavailableSuffixIsCutToTheBuffer) {
    char text[kHelpTextSize] = "Speichern";
    AppendUnavailable(text);
    EXPECT_STREQ(text, "Speichern (nicht verf\xFCgbar)");

    // The longest string resource still takes the whole suffix.
    std::memset(text, 'x', 99);
    text[99] = '\0';
    AppendUnavailable(text);
    EXPECT_EQ(std::strlen(text), 117u);
    EXPECT_EQ(text[116], ')');

    // A buffer without a terminator is cut, never overrun.
    std::memset(text, 'x', sizeof text);
    AppendUnavailable(text);
    EXPECT_EQ(std::strlen(text), sizeof text - 1);
}

} // namespace
