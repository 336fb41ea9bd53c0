// Geometry of the progress gauge: which parts a style shows, where title,
// bar, percentage, ticks and scale go, how far the bar is filled, and the
// lines of its 3-D bevels. No window system needed.
#pragma once

#include <cstddef>

#include "core/geometry.h"
#include "quorl32_styles.h"

namespace quorl::gauge {

// Groups of the gauge's style bits (GAUGE_* in quorl32_styles.h).
constexpr unsigned kTickBits = GAUGE_TICKS10 | GAUGE_TICKS25 | GAUGE_TICKS50;
constexpr unsigned kPartBits = kTickBits | GAUGE_SCALE | GAUGE_PERCENT;

// The position equal to the range means this many per cent.
constexpr int kFullPercent = 100;

struct GaugeParts {
    bool ticks;
    bool scale;
    bool percent;
    int step; // per cent between two tick marks or scale numbers
};

// A style without any part bit shows all three parts at the step 50.
GaugeParts PartsOfStyle(unsigned style);

// Number of intervals between marks: 10, 4 or 2 (marks are one more).
inline int IntervalCount(int step) {
    return kFullPercent / step;
}

struct GaugeLayout {
    GaugeParts parts;
    bool title;
    int margin;    // left and right, only with the scale
    int gap;       // vertical gap unit
    int barHeight; // f
    PixelRect titleRect;
    PixelRect barRect;
    PixelRect percentRect;
    PixelRect tickRect;
    PixelRect scaleRow; // spans the whole client width
};

// charWidth and charHeight: extent of "x" in the gauge's font. A subtraction
// that would leave the bar with no height is skipped, so a gauge too small
// for its parts keeps a bar and lets the lower parts fall off its bottom.
GaugeLayout LayoutGauge(const PixelRect& client, unsigned style, bool hasTitle, int charWidth,
                        int charHeight);

// The percentage shown: position * 100 / range, rounded; -1 for range 0.
inline int Percentage(int position, int range) {
    return MulDivRounded(position, kFullPercent, range);
}

// Right edge of the filled part for a percentage above 0: one pixel more
// than the rounded share of the bar, but never beyond the trough.
int FilledRight(const PixelRect& bar, int percent);

// x of tick mark i (0 to n); the last one is kept inside the row.
// On a finer screen a tick is as thick as a scaled pixel, the last one
// still inside the row.
int TickX(const PixelRect& tickRect, int i, int n, Scale scale = {});

// Left edge of scale number i, centred under its tick; the last number
// is not kept inside the gauge.
int ScaleTextLeft(const PixelRect& client, int margin, int i, int n, int textWidth);

// "%d %%" of any int; the buffer must hold kPercentTextSize characters.
constexpr std::size_t kPercentTextSize = 16;
void FormatPercent(int percent, char (&buffer)[kPercentTextSize]);

// A 3-D bevel is four L-shaped lines: the two outer ones first. Lines 0
// and 1 take the upper-left pen, lines 2 and 3 the lower-right pen. Each
// line is drawn from points[0] through points[1] to points[2], the end
// point itself left unpainted.
// On a finer screen each line lies on its scaled pixels and is drawn again
// one pixel further in for each further pixel of its thickness.
struct BevelLine {
    PixelPoint points[3];
    int thickness = 1;
};
struct Bevel {
    BevelLine lines[4];
};
Bevel BevelOf(const PixelRect& r, int inset, Scale scale = {});
// Bevel line `line` (0 to 3) of a bevel, k pixels further in.
BevelLine DeflatedBevelLine(const BevelLine& bevelLine, int line, int k);
// The thickness of a line (the frames round bar and filled part).
inline int LineThickness(Scale scale) {
    return scale(1);
}

// Insets of the three bevels the gauge draws.
constexpr int kBackgroundBevelInset = 0;
constexpr int kTroughBevelInset = 2;
constexpr int kFilledBevelInset = 0;

} // namespace quorl::gauge
