// The button's geometry and scroll arithmetic, without the window system.
#include <gtest/gtest.h>

#include "controls/button/button_layout.h"

namespace quorl::button {
namespace {

void ExpectRect(const PixelRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST(ButtonLayout, ExampleButton) {
    // 75 x 23 button, 24 x 25 picture, caption measuring 30 x 13.
    const Layout layout = ComputeLayout(75, 24, 30);
    EXPECT_EQ(layout.pictureLeft, 7);
    EXPECT_EQ(layout.captionLeft, 35);
    const std::uint32_t size = PackCaptionSize(30, 13);
    EXPECT_EQ(size, 0x000D001Eu);
    ExpectRect(CaptionRect(layout.captionLeft, size, 23), 35, 5, 65, 17);
    ExpectRect(FocusMarkRect(layout.captionLeft, size, 23), 33, 3, 67, 19);
    ExpectRect(FocusMarkEraseRect(layout.captionLeft, size, 23), 33, 3, 68, 20);
    EXPECT_EQ(PictureTop(23, 25), -1);
    ExpectRect(MeasureRect(75, 23, 24), 24, 2, 73, 21);
}

TEST(ButtonLayout, OverflowMovesBothPartsLeftByThirds) {
    // free = 40 - 30 - 24 - 10 = -24: thirds truncate toward zero.
    const Layout layout = ComputeLayout(40, 24, 30);
    EXPECT_EQ(layout.pictureLeft, -8 + 4);
    EXPECT_EQ(layout.captionLeft, -16 + 24 + 4);
    // free = -1: -1 / 3 is 0, -2 / 3 is 0.
    const Layout slight = ComputeLayout(63, 24, 30);
    EXPECT_EQ(slight.pictureLeft, 4);
    EXPECT_EQ(slight.captionLeft, 28);
}

TEST(ButtonLayout, EmptyCaptionGivesFiveByFiveMark) {
    const PixelRect mark = FocusMarkRect(40, PackCaptionSize(0, 0), 23);
    ExpectRect(mark, 38, 9, 42, 13);
}

TEST(ButtonLayout, CaptionHeightIsHalvedUnsigned) {
    // An odd height loses its last pixel at both ends of the block.
    ExpectRect(CaptionRect(10, PackCaptionSize(20, 27), 40), 10, 7, 30, 33);
    EXPECT_EQ(CaptionWidth(PackCaptionSize(0xFFFF, 1)), 0xFFFF);
    EXPECT_EQ(CaptionHeight(PackCaptionSize(1, 0xFFFF)), 0xFFFF);
}

TEST(ButtonLayout, PictureSearchIds) {
    const PictureIds plain = PictureSearchIds(5, false);
    ASSERT_EQ(plain.count, 1);
    EXPECT_EQ(plain.ids[0], 5);
    const PictureIds palette = PictureSearchIds(5, true);
    ASSERT_EQ(palette.count, 2);
    EXPECT_EQ(palette.ids[0], 0x4005);
    EXPECT_EQ(palette.ids[1], 5);
    // Ids are kept to 16 bits, also after adding the offset.
    const PictureIds wide = PictureSearchIds(0x1C123, true);
    EXPECT_EQ(wide.ids[0], 0x0123);
    EXPECT_EQ(wide.ids[1], 0xC123);
}

TEST(ButtonScroll, ExtentsOfTheExamplePicture) {
    ScrollInput in{400, 300, 200, 100, 0, 0, 16, 16};
    ScrollExtents e = ComputeScrollExtents(in);
    EXPECT_EQ(e.horizontal, 216);
    EXPECT_EQ(e.vertical, 216);
    // With both bars shown the client shrank by their sizes and the
    // ranges give them back: the same extents.
    in = {400, 300, 184, 84, 216, 216, 16, 16};
    e = ComputeScrollExtents(in);
    EXPECT_EQ(e.horizontal, 216);
    EXPECT_EQ(e.vertical, 216);
}

TEST(ButtonScroll, PictureThatFitsHasNoExtent) {
    const ScrollExtents e = ComputeScrollExtents({100, 50, 200, 100, 0, 0, 16, 16});
    EXPECT_EQ(e.horizontal, 0);
    EXPECT_EQ(e.vertical, 0);
    // One pixel over gives the pixel and the bar.
    const ScrollExtents over = ComputeScrollExtents({201, 101, 200, 100, 0, 0, 17, 15});
    EXPECT_EQ(over.horizontal, 18);
    EXPECT_EQ(over.vertical, 16);
}

TEST(ButtonScroll, RangesEnlargeTheCrossedDimension) {
    // A vertical range gives back height, a horizontal range width.
    const ScrollExtents onlyVertical = ComputeScrollExtents({400, 300, 184, 100, 0, 216, 16, 14});
    EXPECT_EQ(onlyVertical.horizontal, 400 - 184 + 16);
    EXPECT_EQ(onlyVertical.vertical, 300 - 114 + 14);
}

TEST(ButtonScroll, ScrollCodes) {
    const int m = 100;
    EXPECT_EQ(NewScrollPosition(kScrollLineUp, 0, 5, m), 0);
    EXPECT_EQ(NewScrollPosition(kScrollLineUp, 0, 50, m), 40);
    EXPECT_EQ(NewScrollPosition(kScrollLineDown, 0, m - 3, m), m);
    EXPECT_EQ(NewScrollPosition(kScrollLineDown, 0, 50, m), 60);
    EXPECT_EQ(NewScrollPosition(kScrollPageUp, 0, 49, m), 0);
    EXPECT_EQ(NewScrollPosition(kScrollPageUp, 0, 70, m), 20);
    EXPECT_EQ(NewScrollPosition(kScrollPageDown, 0, 70, m), m);
    EXPECT_EQ(NewScrollPosition(kScrollPageDown, 0, 10, m), 60);
    EXPECT_EQ(NewScrollPosition(kScrollThumbPosition, 77, 10, m), 10);
    EXPECT_EQ(NewScrollPosition(kScrollThumbTrack, 77, 10, m), 77);
    EXPECT_EQ(NewScrollPosition(kScrollThumbTrack, 500, 10, m), 500); // not limited
    EXPECT_EQ(NewScrollPosition(kScrollTop, 0, 10, m), 0);
    EXPECT_EQ(NewScrollPosition(kScrollBottom, 0, 10, m), m);
    EXPECT_EQ(NewScrollPosition(8, 0, 10, m), 10); // SB_ENDSCROLL
    EXPECT_EQ(NewScrollPosition(0xFFFF, 0, 10, m), 10);
}

TEST(ButtonScroll, AutomaticScrollingTurnsAtBothEnds) {
    const int expected[] = {1, 2, 3, 3, 2, 1, 0, 0, 1, 2};
    const bool upward[] = {false, false, false, true, true, true, true, false, false, false};
    AutoScrollStep step{0, false};
    for (int i = 0; i < 10; ++i) {
        step = NextAutoScrollStep(step.position, 3, step.upward);
        EXPECT_EQ(step.position, expected[i]) << "tick " << i;
        EXPECT_EQ(step.upward, upward[i]) << "tick " << i;
    }
}

TEST(ButtonScroll, ZeroExtentFlipsDirectionEveryTick) {
    AutoScrollStep step{0, false};
    for (int i = 0; i < 4; ++i) {
        step = NextAutoScrollStep(step.position, 0, step.upward);
        EXPECT_EQ(step.position, 0);
        EXPECT_EQ(step.upward, i % 2 == 0);
    }
}

} // namespace
} // namespace quorl::button
