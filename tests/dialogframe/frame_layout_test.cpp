#include <gtest/gtest.h>

#include <vector>

#include "controls/dialogframe/frame_layout.h"

namespace {

using namespace quorl;
using namespace quorl::dialogframe;

TEST(FrameGeometry, BorderStripsEdgesAndCaption) {
    // A 300 x 200 window around a 294 x 160 client area: border 3.
    const FrameGeometry g = FrameOf(300, 200, 294, 160);
    EXPECT_EQ(g.border, 3);
    EXPECT_EQ(g.strips[0], (PixelRect{0, 0, 3, 200}));
    EXPECT_EQ(g.strips[1], (PixelRect{0, 0, 300, 3}));
    EXPECT_EQ(g.strips[2], (PixelRect{297, 0, 300, 200}));
    EXPECT_EQ(g.strips[3], (PixelRect{0, 197, 300, 200}));
    EXPECT_EQ(g.darkEdge, (PixelRect{0, 0, 299, 199}));
    EXPECT_EQ(g.lightEdge, (PixelRect{1, 1, 299, 199}));
    EXPECT_EQ(g.shadowEdge, (PixelRect{0, 0, 298, 198}));
    // 200 - 3 - 160 - 1: one pixel above the client area.
    EXPECT_EQ(g.captionFrame, (PixelRect{3, 3, 297, 36}));
    // An odd difference is halved downwards.
    EXPECT_EQ(FrameOf(301, 200, 294, 160).border, 3);
}

TEST(CornerRun, IndexesChooseTheEdges) {
    const PixelRect r{0, 0, 299, 199};
    const struct {
        int first;
        int last;
        std::vector<PixelPoint> points;
    } cases[] = {
        {0, 2, {{0, 199}, {299, 199}, {299, 0}}},
        {2, 4, {{299, 0}, {0, 0}, {0, 199}}},
        {0, 4, {{0, 199}, {299, 199}, {299, 0}, {0, 0}, {0, 199}}},
        {-3, 9, {{0, 199}, {299, 199}, {299, 0}, {0, 0}, {0, 199}}},
        {3, 1, {}},
    };
    for (const auto& c : cases) {
        const CornerRun run = CornersOf(r, c.first, c.last);
        EXPECT_EQ(std::vector<PixelPoint>(run.points, run.points + run.count), c.points)
            << c.first << ".." << c.last;
    }
}

} // namespace
