#include "controls/dialogframe/frame_layout.h"

#include <algorithm>

namespace quorl::dialogframe {

namespace {

// The light edge starts one pixel in; the shadow outline ends one pixel
// short of the dark edge, so the two form a double line.
constexpr int kInnerLine = 1;
// Between the caption frame's bottom and the client area.
constexpr int kCaptionGap = 1;

} // namespace

CornerRun CornersOf(const PixelRect& r, int first, int last) {
    const PixelPoint corners[kCornerCount] = {
        {r.left, r.bottom}, {r.right, r.bottom}, {r.right, r.top},
        {r.left, r.top},    {r.left, r.bottom},
    };
    first = std::clamp(first, 0, kCornerCount - 1);
    last = std::clamp(last, 0, kCornerCount - 1);
    CornerRun run{};
    for (int i = first; i <= last; ++i) {
        run.points[run.count++] = corners[i];
    }
    return run;
}

FrameGeometry FrameOf(int windowWidth, int windowHeight, int clientWidth, int clientHeight) {
    const int w = windowWidth;
    const int h = windowHeight;
    const int b = (w - clientWidth) / 2;
    FrameGeometry g{};
    g.border = b;
    g.strips[0] = {0, 0, b, h};
    g.strips[1] = {0, 0, w, b};
    g.strips[2] = {w - b, 0, w, h};
    g.strips[3] = {0, h - b, w, h};
    g.darkEdge = {0, 0, w - kInnerLine, h - kInnerLine};
    g.lightEdge = {kInnerLine, kInnerLine, w - kInnerLine, h - kInnerLine};
    g.shadowEdge = {0, 0, w - 2 * kInnerLine, h - 2 * kInnerLine};
    g.captionFrame = {b, b, w - b, h - b - clientHeight - kCaptionGap};
    return g;
}

} // namespace quorl::dialogframe
