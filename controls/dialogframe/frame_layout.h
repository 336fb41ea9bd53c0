// Geometry of the dialog frame's 3-D border in window coordinates, without
// the window system.
#pragma once

#include "core/geometry.h"

namespace quorl::dialogframe {

// A line drawn through the corners of a rectangle in the order bottom-left,
// bottom-right, top-right, top-left, bottom-left, from one corner index to
// another: 0 to 2 are the bottom and right edges, 2 to 4 the top and left
// edges, 0 to 4 the whole outline. The points are the rectangle's own
// coordinates, so the right and bottom edges lie on right and bottom.
constexpr int kCornerCount = 5;
struct CornerRun {
    PixelPoint points[kCornerCount];
    int count;
};
// Indexes outside 0 to 4 are taken as the nearest end; a last index before
// the first gives no points.
CornerRun CornersOf(const PixelRect& r, int first, int last);

constexpr int kBottomRightFirst = 0;
constexpr int kBottomRightLast = 2;
constexpr int kTopLeftFirst = 2;
constexpr int kTopLeftLast = 4;

// What the frame draws around a dialog of the given window and client
// sizes: the border width is half of what the window has beyond its
// client width.
struct FrameGeometry {
    int border;
    PixelRect strips[4];    // left, top, right, bottom, filled light grey
    PixelRect darkEdge;     // bottom and right edges in the window-text colour
    PixelRect lightEdge;    // top and left edges in the highlight colour
    PixelRect shadowEdge;   // the whole outline in the shadow colour
    PixelRect captionFrame; // sunken, its bottom one pixel above the client area
};
FrameGeometry FrameOf(int windowWidth, int windowHeight, int clientWidth, int clientHeight);

} // namespace quorl::dialogframe
