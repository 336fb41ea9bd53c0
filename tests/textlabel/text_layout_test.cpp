#include <gtest/gtest.h>

#include "controls/textlabel/text_layout.h"

namespace {

using namespace quorl;
using namespace quorl::textlabel;

TEST(TextLayout, PathAndFormatFollowTheStyle) {
    EXPECT_EQ(MultiLineFormat(0), 0x50u);
    EXPECT_EQ(MultiLineFormat(GTS_SINGLELINE | GTS_CENTER | GTS_HEADING), 0x71u);
    EXPECT_EQ(MultiLineFormat(0x50000000u | GTS_GROUP | GTS_RIGHT), 0x52u);
    EXPECT_TRUE(UsesSingleLinePath(GTS_SINGLELINE));
    EXPECT_TRUE(UsesSingleLinePath(GTS_SINGLELINE | GTS_RIGHT | GTS_HEADING));
    EXPECT_FALSE(UsesSingleLinePath(GTS_SINGLELINE | GTS_VCENTER));
    EXPECT_FALSE(UsesSingleLinePath(GTS_VCENTER));
    EXPECT_TRUE(FillsBackground(GTS_BOX | GTS_HEADING | GTS_RAISED));
    EXPECT_FALSE(FillsBackground(GTS_TOPLINE));
    EXPECT_FALSE(FillsBackground(GTS_LEFTLINE));
    EXPECT_FALSE(FillsBackground(GTS_GROUP));
}

// Whether a label may repaint itself alone after a change: only when its
// paint draws anew every pixel it may ever touch.
struct CoverCase {
    unsigned style;
    PixelRect client;
    bool covers;
};

class CoversWhatItDrawsTest : public ::testing::TestWithParam<CoverCase> {};

TEST_P(CoversWhatItDrawsTest, FollowsTheStyle) {
    EXPECT_EQ(CoversWhatItDraws(GetParam().style, GetParam().client), GetParam().covers)
        << std::hex << GetParam().style;
}

constexpr PixelRect kLabel = {0, 0, 120, 30};
INSTANTIATE_TEST_SUITE_P(
    Styles, CoversWhatItDrawsTest,
    ::testing::Values(
        // Filled grey, or opaque on one line, over the whole client area.
        CoverCase{0, kLabel, true}, CoverCase{GTS_SINGLELINE | GTS_CENTER, kLabel, true},
        CoverCase{GTS_SINGLELINE | GTS_TOPLINE, kLabel, true},
        CoverCase{GTS_SINGLELINE | GTS_GROUP, kLabel, true},
        CoverCase{GTS_HEADING | GTS_RAISED, kLabel, true}, CoverCase{GTS_BOX, kLabel, true},
        CoverCase{GTS_BOX | GTS_SINGLELINE | GTS_VCENTER, kLabel, true},
        // The parent's background shows through.
        CoverCase{GTS_TOPLINE, kLabel, false}, CoverCase{GTS_GROUP | GTS_CENTER, kLabel, false},
        CoverCase{GTS_BOX | GTS_TOPLINE, kLabel, false},
        // Text or a heading box may reach the gap inside a box.
        CoverCase{GTS_BOX | GTS_SINGLELINE, kLabel, false},
        CoverCase{GTS_BOX | GTS_HEADING, kLabel, false},
        // A box with no inside: a 3-D line.
        CoverCase{GTS_BOX, {0, 0, 120, 3}, false}));

TEST(TextLayout, BoxFrameMovesInAndThinLabelsBecomeLines) {
    const BoxFrame normal = BoxFrameOf({0, 0, 60, 30});
    EXPECT_EQ(normal.box, (PixelRect{0, 0, 59, 29}));
    EXPECT_EQ(normal.inside, (PixelRect{1, 1, 58, 28}));

    const BoxFrame flat = BoxFrameOf({0, 0, 40, 3});
    EXPECT_EQ(flat.box, (PixelRect{0, 0, 39, 1}));
    EXPECT_TRUE(flat.inside.empty());

    const BoxFrame narrow = BoxFrameOf({0, 0, 3, 30});
    EXPECT_EQ(narrow.box, (PixelRect{0, 0, 1, 29}));

    // A thin label lower down a page is a line too, not a box with a gap.
    EXPECT_EQ(BoxFrameOf({5, 20, 45, 23}).box, (PixelRect{5, 20, 44, 21}));
    // Four pixels high stays a box.
    EXPECT_EQ(BoxFrameOf({0, 0, 40, 4}).box, (PixelRect{0, 0, 39, 3}));
}

TEST(TextLayout, BoxStrokesBottomRightThenLeftTop) {
    const BoxStrokes s = BoxStrokesOf({1, 2, 30, 20});
    EXPECT_EQ(s.first.points[0], (PixelPoint{1, 20}));
    EXPECT_EQ(s.first.points[1], (PixelPoint{30, 20}));
    EXPECT_EQ(s.first.points[2], (PixelPoint{30, 2}));
    EXPECT_EQ(s.second.points[0], (PixelPoint{1, 20}));
    EXPECT_EQ(s.second.points[1], (PixelPoint{1, 2}));
    EXPECT_EQ(s.second.points[2], (PixelPoint{30, 2}));
}

TEST(TextLayout, EdgeLineTopWinsOverLeft) {
    const PixelRect r = {3, 4, 50, 20};
    const Segment top = EdgeLineOf(r, GTS_TOPLINE | GTS_LEFTLINE);
    EXPECT_EQ(top.from, (PixelPoint{3, 4}));
    EXPECT_EQ(top.to, (PixelPoint{49, 4}));
    const Segment left = EdgeLineOf(r, GTS_LEFTLINE);
    EXPECT_EQ(left.to, (PixelPoint{3, 19}));
}

TEST(TextLayout, SingleLineOriginFollowsTheAlignment) {
    const PixelRect r = {10, 0, 21, 10};
    EXPECT_EQ(LineOriginOf(r, GTS_RIGHT | GTS_CENTER).anchor, Anchor::Right);
    EXPECT_EQ(LineOriginOf(r, GTS_RIGHT).x, 21);
    EXPECT_EQ(LineOriginOf(r, GTS_CENTER).anchor, Anchor::Centre);
    EXPECT_EQ(LineOriginOf(r, GTS_CENTER).x, 15);
    EXPECT_EQ(LineOriginOf({-21, 0, 0, 10}, GTS_CENTER).x, -10); // truncates toward zero
    EXPECT_EQ(LineOriginOf(r, 0).x, 10);
}

TEST(TextLayout, HeadingRulesStandTwoPixelsBesideTheText) {
    const PixelRect r = {0, 0, 100, 20};
    const HeadingRules centred = HeadingRulesOf(r, {Anchor::Centre, 50}, 21, 13);
    ASSERT_TRUE(centred.leftShown && centred.rightShown);
    EXPECT_EQ(centred.left.from, (PixelPoint{1, 6}));
    EXPECT_EQ(centred.left.to, (PixelPoint{38, 6}));
    EXPECT_EQ(centred.right.from, (PixelPoint{62, 6}));
    EXPECT_EQ(centred.right.to, (PixelPoint{98, 6}));

    const HeadingRules left = HeadingRulesOf(r, {Anchor::Left, 0}, 20, 13);
    EXPECT_FALSE(left.leftShown); // no room before the text
    EXPECT_EQ(left.right.from, (PixelPoint{22, 6}));

    // Right-aligned text leaves no room after it: no rule runs back over it.
    const HeadingRules right = HeadingRulesOf(r, {Anchor::Right, 100}, 20, 13);
    EXPECT_TRUE(right.leftShown);
    EXPECT_EQ(right.left.to, (PixelPoint{78, 6}));
    EXPECT_FALSE(right.rightShown);

    const HeadingRules wide = HeadingRulesOf(r, {Anchor::Centre, 50}, 120, 13);
    EXPECT_FALSE(wide.leftShown || wide.rightShown);
}

TEST(TextLayout, GroupTitleFollowsTheTextAlignment) {
    EXPECT_EQ(GroupTextRect({0, 0, 100, 50}), (PixelRect{7, 0, 93, 50}));
    const PixelRect measured = {7, 0, 37, 13};
    EXPECT_EQ(GroupTitleExtent(measured, 100, GTS_CENTER), (PixelRect{35, 0, 65, 13}));
    EXPECT_EQ(GroupTitleExtent(measured, 100, GTS_RIGHT), (PixelRect{63, 0, 93, 13}));
    EXPECT_EQ(GroupTitleExtent(measured, 100, 0), measured);
    // A title wider than the frame: the halving truncates toward zero.
    EXPECT_EQ(GroupTitleExtent({7, 0, 105, 13}, 100, GTS_CENTER).left, 2);
    EXPECT_EQ(EmptyGroupTitle({0, 0, 100, 50}), (PixelRect{6, 0, 0, 2}));
}

TEST(TextLayout, EtchedFrameLeavesTheTitleGap) {
    const EtchedFrame e = EtchedFrameOf({35, 0, 65, 13}, {0, 0, 100, 50});
    const PixelPoint dark[kEtchedPoints] = {{32, 6}, {1, 6}, {1, 49}, {99, 49}, {99, 6}, {68, 6}};
    for (int i = 0; i < kEtchedPoints; ++i) {
        EXPECT_EQ(e.dark[i], dark[i]) << i;
        EXPECT_EQ(e.light[i], (PixelPoint{dark[i].x - 1, dark[i].y - 1})) << i;
    }
    // Without a title the polyline ends where it began: a closed frame.
    const EtchedFrame closed = EtchedFrameOf(EmptyGroupTitle({0, 0, 100, 50}), {0, 0, 100, 50});
    EXPECT_EQ(closed.dark[0], (PixelPoint{3, 1}));
    EXPECT_EQ(closed.dark[5], closed.dark[0]);
}

TEST(TextLayout, HeadingBoxBelowTheFirstLine) {
    EXPECT_EQ(HeadingBoxOf({0, 0, 100, 40}, 13), (PixelRect{0, 13, 99, 39}));
}

TEST(TextLayout, FieldNameNeedsLeadingCommaAndAtMostElevenCharacters) {
    EXPECT_STREQ(LabelFieldName(",KUNDE"), "KUNDE");
    EXPECT_STREQ(LabelFieldName(",0123456789"), "0123456789");
    EXPECT_EQ(LabelFieldName(",01234567890"), nullptr);
    EXPECT_EQ(LabelFieldName("Name,KUNDE"), nullptr);
    EXPECT_EQ(LabelFieldName(""), nullptr);
    EXPECT_EQ(LabelFieldName(nullptr), nullptr);
    EXPECT_STREQ(LabelFieldName(","), "");
}

} // namespace
