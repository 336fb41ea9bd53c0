// The switcher's arithmetic, with values worked out by hand from the
// examples of the control's documentation.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/pageswitcher/label_list.h"
#include "controls/pageswitcher/page_layout.h"

namespace {

using namespace quorl;
using namespace quorl::pageswitcher;

struct TabCase {
    PixelRect frame;
    int k;
    int n;
    PixelRect expected;
};

class TabRects : public testing::TestWithParam<TabCase> {};

TEST_P(TabRects, ThreeQuartersOfEachShareCentred) {
    const TabCase& c = GetParam();
    EXPECT_EQ(TabRect(c.frame, c.k, c.n), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Shares, TabRects,
                         testing::Values(TabCase{{0, 0, 300, 200}, 0, 3, {13, 4, 88, 24}},
                                         TabCase{{0, 0, 300, 200}, 1, 3, {113, 4, 188, 24}},
                                         TabCase{{0, 0, 300, 200}, 2, 3, {213, 4, 288, 24}},
                                         TabCase{{50, 10, 350, 210}, 2, 3, {263, 14, 338, 34}},
                                         // t = 75: x = 75 + 37 - 28, width 56
                                         TabCase{{0, 0, 300, 200}, 1, 4, {84, 4, 140, 24}},
                                         // 7 pages in 100: t = 14, MulDiv rounds 100 * 3 / 7 to 43
                                         TabCase{{0, 0, 100, 50}, 3, 7, {45, 4, 55, 24}}));

TEST(PageLayout, ItemsConvertToPixelsBelowTheTabRow) {
    EXPECT_EQ(ItemRect(0, 0, 0, 0, 6, 13), (PixelRect{0, 26, 0, 26}));
    // 10 * 6 / 4 = 15; 8 * 13 / 8 = 13; 25 * 6 / 4 = 37.5 rounds up; 14 * 13 / 8 = 22.75
    EXPECT_EQ(ItemRect(10, 8, 25, 14, 6, 13), (PixelRect{15, 39, 53, 62}));
    EXPECT_EQ(ItemRect(-4, 0, 4, 8, 8, 16), (PixelRect{-8, 26, 0, 42}));
}

TEST(PageLayout, ControlStyleHidesDropsTheAnchorAndOpensTheGroup) {
    EXPECT_EQ(ControlStyle(0x50040001, true), 0x40020001u);
    EXPECT_EQ(ControlStyle(0x50010000, false), 0x40010000u);
    EXPECT_TRUE(IsLabelId(0xFFFE));
    EXPECT_TRUE(IsLabelId(0xFFFFFFFE));
    EXPECT_FALSE(IsLabelId(0x1FFFE));
    EXPECT_FALSE(IsLabelId(0xFFFF));
}

// Three pages in 300 pixels, 8 x 26 and 8 x 29 junction pictures.
constexpr JunctionSize kSizes[3] = {{8, 26}, {8, 29}, {8, 29}};

struct JunctionCase {
    int current;
    std::vector<JunctionBlit> expected;
};

class JunctionRow : public testing::TestWithParam<JunctionCase> {};

TEST_P(JunctionRow, PicturesFollowTheCurrentTab) {
    JunctionBlit out[kMaxJunctions];
    const int n = Junctions(300, 3, GetParam().current, kSizes, out);
    const auto& expected = GetParam().expected;
    ASSERT_EQ(n, static_cast<int>(expected.size()));
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(out[i].junction, expected[i].junction);
        EXPECT_EQ(out[i].to, expected[i].to);
        EXPECT_EQ(out[i].width, expected[i].width);
        EXPECT_EQ(out[i].height, expected[i].height);
        EXPECT_EQ(out[i].sourceX, expected[i].sourceX);
    }
}

using J = Junction;
INSTANTIATE_TEST_SUITE_P(Current, JunctionRow,
                         testing::Values(JunctionCase{1,
                                                      {{J::Plain, {0, 0}, 4, 26, 3},
                                                       {J::RightCurrent, {96, 0}, 8, 29, 0},
                                                       {J::LeftCurrent, {196, 0}, 8, 29, 0},
                                                       {J::Plain, {296, 0}, 4, 26, 0}}},
                                         JunctionCase{0,
                                                      {{J::RightCurrent, {0, 0}, 4, 27, 3},
                                                       {J::LeftCurrent, {96, 0}, 8, 29, 0},
                                                       {J::Plain, {196, 0}, 8, 26, 0},
                                                       {J::Plain, {296, 0}, 4, 26, 0}}},
                                         JunctionCase{2,
                                                      {{J::Plain, {0, 0}, 4, 26, 3},
                                                       {J::Plain, {96, 0}, 8, 26, 0},
                                                       {J::RightCurrent, {196, 0}, 8, 29, 0},
                                                       {J::LeftCurrent, {295, 0}, 5, 27, 0}}}));

TEST(PageLayout, OutlinesOpenTheCurrentTabAndEdgeTheOthers) {
    Line out[kMaxOutlineLines];
    ASSERT_EQ(TabOutlines(300, 3, 1, out), 13);
    // Tab 0 spans 0..100: double top line, then the frame edge under it.
    EXPECT_EQ(out[0].pen, Pen::Black);
    EXPECT_EQ(out[0].from, (PixelPoint{4, 0}));
    EXPECT_EQ(out[0].to, (PixelPoint{97, 0}));
    EXPECT_EQ(out[1].pen, Pen::White);
    EXPECT_EQ(out[1].from, (PixelPoint{4, 1}));
    EXPECT_EQ(out[2].pen, Pen::Black);
    EXPECT_EQ(out[2].from, (PixelPoint{0, 26}));
    EXPECT_EQ(out[2].to, (PixelPoint{101, 26}));
    EXPECT_EQ(out[4].from, (PixelPoint{0, 28}));
    // Tab 1 (current): a third white line, no frame edge.
    EXPECT_EQ(out[7].pen, Pen::White);
    EXPECT_EQ(out[7].from, (PixelPoint{104, 2}));
    EXPECT_EQ(out[7].to, (PixelPoint{197, 2}));
    EXPECT_EQ(out[10].from, (PixelPoint{200, 26}));
}

TEST(PageLayout, FrameLines) {
    Line out[kFrameLines];
    FrameLines(300, 200, out);
    const Line expected[kFrameLines] = {
        {Pen::Black, {0, 26}, {0, 199}},     {Pen::Black, {0, 199}, {299, 199}},
        {Pen::Black, {299, 199}, {299, 26}}, {Pen::White, {1, 27}, {1, 199}},
        {Pen::White, {2, 27}, {2, 198}},     {Pen::Grey, {2, 198}, {298, 198}},
        {Pen::Grey, {3, 197}, {298, 197}},   {Pen::Grey, {298, 27}, {298, 199}},
        {Pen::Grey, {297, 27}, {297, 199}}};
    for (int i = 0; i < kFrameLines; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(out[i].pen, expected[i].pen);
        EXPECT_EQ(out[i].from, expected[i].from);
        EXPECT_EQ(out[i].to, expected[i].to);
    }
}

struct GrowthCase {
    PageSize current;
    PageSize frame;
    Growth expected;
    PageSize after;
};

class PageGrowth : public testing::TestWithParam<GrowthCase> {};

TEST_P(PageGrowth, FollowsTheSwitcherDownToTheBaseSize) {
    const GrowthCase& c = GetParam();
    PageSize current = c.current;
    const Growth g = GrowPage({300, 200}, current, c.frame);
    EXPECT_EQ(g.dx, c.expected.dx);
    EXPECT_EQ(g.dy, c.expected.dy);
    EXPECT_EQ(current.width, c.after.width);
    EXPECT_EQ(current.height, c.after.height);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, PageGrowth,
    testing::Values(GrowthCase{{300, 200}, {340, 200}, {40, 0}, {340, 200}},
                    GrowthCase{{340, 200}, {320, 230}, {-20, 30}, {320, 230}},
                    // Narrower than at load: back to the base size, no further.
                    GrowthCase{{340, 200}, {250, 200}, {-40, 0}, {300, 200}},
                    GrowthCase{{300, 200}, {250, 150}, {0, 0}, {300, 200}},
                    // From below the base size to above it: only the part above.
                    GrowthCase{{300, 200}, {340, 220}, {40, 20}, {340, 220}}));

struct FollowCase {
    PixelRect control;
    Follow expected;
    PixelRect label;
};

class AnchorFollow : public testing::TestWithParam<FollowCase> {};

// Anchor (10, 10, 50, 30), growing by 40 across and 20 down.
TEST_P(AnchorFollow, ControlsAndLabelsMoveAroundTheAnchor) {
    const PixelRect anchor = {10, 10, 50, 30};
    EXPECT_EQ(ControlFollow(anchor, GetParam().control), GetParam().expected);
    EXPECT_EQ(LabelAfterGrowth(anchor, GetParam().control, 40, 20), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Places, AnchorFollow,
    testing::Values(FollowCase{{20, 40, 60, 50}, Follow::MovesDown, {20, 60, 60, 70}},
                    FollowCase{{60, 15, 80, 25}, Follow::MovesRight, {100, 15, 120, 25}},
                    FollowCase{{5, 5, 100, 40}, Follow::Widens, {5, 5, 140, 60}},
                    FollowCase{{0, 0, 5, 5}, Follow::Stays, {0, 0, 5, 5}},
                    // Right of the anchor but far below: a control moves down,
                    // a label (beside is tried first, with no height test) right.
                    FollowCase{{60, 40, 80, 50}, Follow::MovesDown, {100, 40, 120, 50}},
                    // Right of the anchor and above it: a control stays.
                    FollowCase{{60, 0, 80, 5}, Follow::Stays, {100, 0, 120, 5}}));

std::vector<std::string> Split(const char* list) {
    PageList pages(list);
    std::vector<std::string> names;
    const char* name = nullptr;
    while (pages.Next(name)) {
        names.emplace_back(name);
    }
    return names;
}

TEST(PageLayout, PageListSplitsAtPlusSigns) {
    EXPECT_EQ(Split("ADRESSE+KONTO+#12"), (std::vector<std::string>{"ADRESSE", "KONTO", "#12"}));
    EXPECT_EQ(Split("A++B"), (std::vector<std::string>{"A", "", "B"}));
    EXPECT_EQ(Split(""), (std::vector<std::string>{""}));
    EXPECT_TRUE(Split(nullptr).empty());
    const std::string longList = std::string(395, 'a') + "+bcdefgh";
    EXPECT_EQ(Split(longList.c_str()), (std::vector<std::string>{std::string(395, 'a'), "bcd"}));
}

TEST(PageLayout, PageNamesKeepThirteenCharacters) {
    char slot[kPageNameSize];
    std::memset(slot, 'x', sizeof slot);
    StorePageName(slot, "THIRTEENCHARS");
    EXPECT_STREQ(slot, "THIRTEENCHARS");
    EXPECT_TRUE(PageNameMatches(slot, "THIRTEENCHARS"));
    EXPECT_FALSE(PageNameMatches(slot, "THIRTEENCHARX"));
    EXPECT_FALSE(PageNameMatches(slot, "THIRTEENCHAR"));
    EXPECT_FALSE(PageNameMatches(slot, nullptr));
    StorePageName(slot, "MUCHLONGERTHANTHIRTEEN");
    EXPECT_STREQ(slot, "MUCHLONGERTHA");
    StorePageName(slot, "kurz");
    EXPECT_TRUE(PageNameMatches(slot, "kurz"));
    EXPECT_FALSE(PageNameMatches(slot, "KURZ"));
}

struct RemovalCase {
    int current;
    int removed;
    int remaining;
    int expected;
};

class Removal : public testing::TestWithParam<RemovalCase> {};

TEST_P(Removal, TheShownPageStaysWhereItCan) {
    const RemovalCase& c = GetParam();
    EXPECT_EQ(CurrentAfterRemoval(c.current, c.removed, c.remaining), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Removal,
                         testing::Values(RemovalCase{2, 0, 2, 1}, RemovalCase{0, 2, 2, 0},
                                         RemovalCase{1, 1, 2, 0}, RemovalCase{0, 0, 0, -1},
                                         RemovalCase{-1, 0, 1, 0}));

TEST(LabelList, RecordsPackBackToBackAndWalkSafely) {
    std::vector<std::uint8_t> list(LabelRecordSize("Name:") + LabelRecordSize("") + kLabelEndSize);
    EXPECT_EQ(LabelRecordSize("Name:"), 33u);
    WriteLabel(list.data(), {1, 2, 3, 4}, 0x0121, "Name:");
    WriteLabel(list.data() + 33, {5, 6, 7, 8}, 0x4000, "");
    EndLabels(list.data() + 33 + 28);

    LabelWalk walk(list.data(), list.size());
    Label label;
    ASSERT_TRUE(walk.Next(label));
    EXPECT_EQ(label.rect, (PixelRect{1, 2, 3, 4}));
    EXPECT_EQ(label.style, 0x0121u);
    EXPECT_STREQ(label.text, "Name:");
    SetLabelRect(list.data(), label.offset, {9, 9, 19, 19});
    ASSERT_TRUE(walk.Next(label));
    EXPECT_EQ(label.offset, 33u);
    EXPECT_STREQ(label.text, "");
    EXPECT_FALSE(walk.Next(label));

    LabelWalk again(list.data(), list.size());
    ASSERT_TRUE(again.Next(label));
    EXPECT_EQ(label.rect, (PixelRect{9, 9, 19, 19}));

    // A list cut inside its second record yields only the first.
    LabelWalk cut(list.data(), 40);
    EXPECT_TRUE(cut.Next(label));
    EXPECT_FALSE(cut.Next(label));
}

} // namespace
