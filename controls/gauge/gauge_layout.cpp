#include "controls/gauge/gauge_layout.h"

#include <cstdio>

namespace quorl::gauge {

namespace {

// Per cent between two marks.
enum Step { kFineStep = 10, kMediumStep = 25, kCoarseStep = 50 };
// The scale's side margin is two and a half character widths ...
constexpr int kMarginHalfChars = 5;
// ... unless that takes a quarter of the width or more.
constexpr int kMarginWidthShare = 4;
constexpr int kGapShareOfLine = 4;

// Takes a smaller bar height only while the bar keeps some height.
void ShrinkBar(int& height, int smaller) {
    if (smaller > 0) {
        height = smaller;
    }
}

} // namespace

GaugeParts PartsOfStyle(unsigned style) {
    if ((style & kPartBits) == 0) {
        return {true, true, true, kCoarseStep};
    }
    GaugeParts parts{};
    parts.ticks = (style & kTickBits) != 0;
    parts.scale = (style & GAUGE_SCALE) != 0;
    parts.percent = (style & GAUGE_PERCENT) != 0;
    parts.step = (style & GAUGE_TICKS10)   ? kFineStep
                 : (style & GAUGE_TICKS25) ? kMediumStep
                                           : kCoarseStep;
    return parts;
}

GaugeLayout LayoutGauge(const PixelRect& client, unsigned style, bool hasTitle, int charWidth,
                        int charHeight) {
    GaugeLayout layout{};
    layout.parts = PartsOfStyle(style);
    layout.title = hasTitle;
    const GaugeParts& parts = layout.parts;
    const int width = client.width();

    layout.margin = parts.scale ? kMarginHalfChars * charWidth / 2 : 0;
    if (layout.margin >= width / kMarginWidthShare) {
        layout.margin = 0;
    }
    const int gap = charHeight / kGapShareOfLine + 1;
    layout.gap = gap;
    const int titleHeight = hasTitle ? charHeight : 0;
    const int tickHeight = parts.ticks ? charHeight / 2 : 0;
    const int scaleHeight = parts.scale ? charHeight : 0;

    int bar = client.height() - gap;
    if (hasTitle) {
        ShrinkBar(bar, bar - 2 * gap - titleHeight);
    }
    if (parts.ticks) {
        ShrinkBar(bar, bar - gap / 2 - tickHeight);
    }
    if (parts.scale) {
        ShrinkBar(bar, bar - scaleHeight - gap);
    }
    layout.barHeight = bar;

    const int left = client.left + layout.margin;
    const int right = client.right - layout.margin;
    int reference = client.top;
    if (hasTitle) {
        layout.titleRect = {left, client.top + gap, right, client.top + gap + titleHeight};
        reference = layout.titleRect.bottom;
    }
    layout.barRect = {left, reference + gap, right, reference + gap + bar};
    const int percentTop = layout.barRect.top + (bar - charHeight) / 2;
    layout.percentRect = {left, percentTop, right, percentTop + charHeight};
    layout.tickRect = {left, layout.barRect.bottom, right, layout.barRect.bottom + tickHeight};
    const int rowBase = parts.ticks ? layout.tickRect.bottom : layout.barRect.bottom;
    layout.scaleRow = {client.left, rowBase + gap / 2, client.right,
                       rowBase + gap / 2 + scaleHeight};
    return layout;
}

int FilledRight(const PixelRect& bar, int percent) {
    // From 100 % on the bar is full anyway; capping first keeps a huge
    // percentage from overflowing the multiply-divide into an empty bar.
    const int share = percent < kFullPercent ? percent : kFullPercent;
    const int right = bar.left + MulDivRounded(bar.width(), share, kFullPercent) + 1;
    return right < bar.right ? right : bar.right;
}

int TickX(const PixelRect& tickRect, int i, int n, Scale scale) {
    const int x = tickRect.left + MulDivRounded(i, tickRect.width(), n);
    const int last = tickRect.right - LineThickness(scale);
    return x > last ? last : x;
}

int ScaleTextLeft(const PixelRect& client, int margin, int i, int n, int textWidth) {
    return client.left + margin + MulDivRounded(i, client.width() - 2 * margin, n) - textWidth / 2;
}

void FormatPercent(int percent, char (&buffer)[kPercentTextSize]) {
    std::snprintf(buffer, kPercentTextSize, "%d %%", percent);
}

// At 96 pixels per inch the outer lines lie on the pixels d + 1 from each
// edge and the inner ones on d + 2; scaled, pixel a from an edge starts at
// s(a) from the near edge, and its outermost pixel from the far one is
// s(a) + 1 in.
Bevel BevelOf(const PixelRect& r, int d, Scale s) {
    const int l = r.left;
    const int t = r.top;
    Bevel bevel{};
    for (int line = 0; line < 4; ++line) {
        const int a = d + 1 + line % 2;
        const int near = s(a);
        const int farX = r.right - s(a) - 1;
        const int farY = r.bottom - s(a) - 1;
        const bool upperLeft = line < 2;
        bevel.lines[line] =
            upperLeft
                ? BevelLine{{{l + near, farY}, {l + near, t + near}, {farX, t + near}},
                            s(a + 1) - s(a)}
                : BevelLine{{{farX, t + near}, {farX, farY}, {l + near, farY}}, s(a + 1) - s(a)};
    }
    return bevel;
}

BevelLine DeflatedBevelLine(const BevelLine& bevelLine, int line, int k) {
    // Upper-left lines run up the left side and along the top; lower-right
    // ones down the right side and back along the bottom.
    constexpr int kInX[2][3] = {{1, 1, -1}, {-1, -1, 1}};
    constexpr int kInY[2][3] = {{-1, 1, 1}, {1, -1, -1}};
    const int kind = line < 2 ? 0 : 1;
    BevelLine moved = bevelLine;
    for (int i = 0; i < 3; ++i) {
        moved.points[i] = {bevelLine.points[i].x + k * kInX[kind][i],
                           bevelLine.points[i].y + k * kInY[kind][i]};
    }
    return moved;
}

} // namespace quorl::gauge
