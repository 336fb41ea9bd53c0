// What the Windows tests cannot see directly: page names and lists at
// their limits and how labels follow a growing anchor.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/pageswitcher/page_layout.h"

namespace {

using namespace quorl;
using namespace quorl::pageswitcher;

std::vector<std::string> Split(const char* list) {
    PageList pages(list);
    std::vector<std::string> names;
    const char* name = nullptr;
    while (pages.Next(name)) {
        names.emplace_back(name);
    }
    return names;
}

TEST(PageLayout, PageListSplitsAtPlusSignsWithin399Characters) {
    EXPECT_EQ(Split("A++#12"), (std::vector<std::string>{"A", "", "#12"}));
    EXPECT_EQ(Split(""), (std::vector<std::string>{""}));
    EXPECT_TRUE(Split(nullptr).empty());
    const std::string longList = std::string(395, 'a') + "+bcdefgh";
    EXPECT_EQ(Split(longList.c_str()), (std::vector<std::string>{std::string(395, 'a'), "bcd"}));
}

TEST(PageLayout, PageNamesKeepThirteenCharacters) {
    char slot[kPageNameSize];
    std::memset(slot, 'x', sizeof slot);
    StorePageName(slot, "THIRTEENCHARS");
    EXPECT_TRUE(PageNameMatches(slot, "THIRTEENCHARS"));
    EXPECT_FALSE(PageNameMatches(slot, "THIRTEENCHARX"));
    EXPECT_FALSE(PageNameMatches(slot, "THIRTEENCHAR"));
    EXPECT_FALSE(PageNameMatches(slot, "THIRTEENCHARS+"));
    StorePageName(slot, "MUCHLONGERTHANTHIRTEEN");
    EXPECT_STREQ(slot, "MUCHLONGERTHA");
    StorePageName(slot, "kurz");
    EXPECT_FALSE(PageNameMatches(slot, "KURZ"));
}

struct LabelCase {
    PixelRect label;
    PixelRect expected;
};

class LabelGrowth : public testing::TestWithParam<LabelCase> {};

// Anchor (10, 10, 50, 30) growing by 40 across and 20 down. Beside is
// tried first and has no height test.
TEST_P(LabelGrowth, LabelsFollowTheAnchor) {
    EXPECT_EQ(LabelAfterGrowth({10, 10, 50, 30}, GetParam().label, 40, 20), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Places, LabelGrowth,
                         testing::Values(LabelCase{{60, 40, 80, 50}, {100, 40, 120, 50}},
                                         LabelCase{{20, 40, 60, 50}, {20, 60, 60, 70}},
                                         LabelCase{{0, 40, 10, 50}, {0, 40, 10, 50}},
                                         LabelCase{{5, 5, 100, 40}, {5, 5, 140, 60}},
                                         LabelCase{{10, 10, 60, 40}, {10, 10, 60, 40}}));

} // namespace
