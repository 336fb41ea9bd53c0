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

int TickX(const PixelRect& tickRect, int i, int n) {
    const int x = tickRect.left + MulDivRounded(i, tickRect.width(), n);
    return x >= tickRect.right ? tickRect.right - 1 : x;
}

int ScaleTextLeft(const PixelRect& client, int margin, int i, int n, int textWidth) {
    return client.left + margin + MulDivRounded(i, client.width() - 2 * margin, n) - textWidth / 2;
}

void FormatPercent(int percent, char (&buffer)[kPercentTextSize]) {
    std::snprintf(buffer, kPercentTextSize, "%d %%", percent);
}

Bevel BevelOf(const PixelRect& r, int d) {
    const int l = r.left;
    const int t = r.top;
    const int rr = r.right;
    const int b = r.bottom;
    return Bevel{{
        {{{l + d + 1, b - d - 2}, {l + d + 1, t + d + 1}, {rr - d - 2, t + d + 1}}},
        {{{l + d + 2, b - d - 3}, {l + d + 2, t + d + 2}, {rr - d - 3, t + d + 2}}},
        {{{rr - d - 2, t + d + 1}, {rr - d - 2, b - d - 2}, {l + d + 1, b - d - 2}}},
        {{{rr - d - 3, t + d + 2}, {rr - d - 3, b - d - 3}, {l + d + 2, b - d - 3}}},
    }};
}

} // namespace quorl::gauge
