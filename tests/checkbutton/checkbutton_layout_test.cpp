#include <gtest/gtest.h>

#include <cstring>

#include "controls/checkbutton/checkbutton_layout.h"

namespace cb = quorl::checkbutton;

namespace {

void ExpectRect(const quorl::PixelRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

} // namespace

TEST(CheckButtonLayout, TypesPickTheirClickAndMarks) {
    EXPECT_EQ(cb::ClickActionOf(0x0002), cb::ClickAction::NotifyOnly);
    EXPECT_EQ(cb::ClickActionOf(0x0003), cb::ClickAction::Toggle);
    EXPECT_EQ(cb::ClickActionOf(0x0004), cb::ClickAction::SelectInGroup);
    EXPECT_EQ(cb::ClickActionOf(0x8149), cb::ClickAction::SelectInGroup);
    EXPECT_EQ(cb::ClickActionOf(0x000B), cb::ClickAction::NotifyOnly);
    EXPECT_TRUE(cb::SelectsOnFocus(0x0009));
    EXPECT_FALSE(cb::SelectsOnFocus(0x0004));
    EXPECT_EQ(cb::MarkBaseId(0x0004), 0x7300);
    EXPECT_EQ(cb::MarkBaseId(0x0209), 0x7500);
    EXPECT_EQ(cb::MarkBaseId(0x0403), 0x7800);
    EXPECT_EQ(cb::MarkBaseId(0x0E02), 0x8200);
}

TEST(CheckButtonLayout, PressedPictureWhilePushedOrTrackingEvenOutside) {
    EXPECT_EQ(cb::MarkIndexOf(0x00), 0);
    EXPECT_EQ(cb::MarkIndexOf(0x04), 1);
    EXPECT_EQ(cb::MarkIndexOf(0x08 | 0x10), 1);
    EXPECT_EQ(cb::MarkIndexOf(0x20 | 0x02 | 0x01), 2);
    EXPECT_EQ(cb::MarkIndexOf(0x20 | 0x08), 3);
    EXPECT_EQ(cb::MarkIndexOf(0x10), 0); // outside alone is no press
}

TEST(CheckButtonLayout, ThreePlacements) {
    EXPECT_EQ(cb::MarkPosition(0x0003, 100, 13).x, 0);
    EXPECT_EQ(cb::MarkPosition(0x0023, 100, 13).x, 87);
    EXPECT_EQ(cb::MarkPosition(0x0043, 100, 13).x, 5);
    EXPECT_EQ(cb::MarkPosition(0x0063, 100, 13).x, 87); // left text wins over centred
    EXPECT_EQ(cb::MarkPosition(0x0043, 100, 13).y, 2);
    ExpectRect(cb::CaptionRect(0x0003, 100, 30, 13), 18, 2, 95, 28);
    ExpectRect(cb::CaptionRect(0x0023, 100, 30, 13), 5, 2, 81, 28);
    ExpectRect(cb::CaptionRect(0x0003, 100, 30, 0), 5, 2, 95, 28); // no mark found
    EXPECT_EQ(cb::CaptionAlignment(0x0003), cb::Alignment::Left);
    EXPECT_EQ(cb::CaptionAlignment(0x0043), cb::Alignment::Center);
    EXPECT_EQ(cb::CaptionAlignment(0x0063), cb::Alignment::Right);
}

TEST(CheckButtonLayout, FocusFrameFollowsTheDrawnCaption) {
    // A caption 30 wide and 10 high measured from the caption rectangle's corner.
    ExpectRect(cb::FocusFrame(0x0003, 100, 13, {18, 2, 48, 12}), 16, 1, 50, 14);
    // Right-aligned: shifted by 100 - 13 - 35 - 5 = 47.
    ExpectRect(cb::FocusFrame(0x0023, 100, 13, {5, 2, 35, 12}), 50, 1, 84, 14);
    // Centred: (100 - 48 - 5) / 2 = 23; and an odd negative shift truncates toward zero.
    ExpectRect(cb::FocusFrame(0x0043, 100, 13, {18, 2, 48, 12}), 39, 1, 73, 14);
    ExpectRect(cb::FocusFrame(0x0043, 40, 13, {18, 2, 48, 12}), 10, 1, 44, 14);
    ExpectRect(cb::FocusFrameArea({16, 1, 50, 14}), 16, 1, 51, 15);
}

TEST(CheckButtonLayout, PrintBoxHangsBelowTheTopEdge) {
    const cb::PrintLayout left = cb::PrintLayoutOf(0x0003, {100, 500, 400, 300});
    ExpectRect(left.box, 103, 497, 123, 477);
    ExpectRect(left.caption, 135, 500, 395, 300);
    const cb::PrintLayout right = cb::PrintLayoutOf(0x0023, {100, 500, 400, 300});
    ExpectRect(right.box, 377, 497, 397, 477);
    ExpectRect(right.caption, 105, 500, 365, 300);
}
