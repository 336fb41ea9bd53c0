#include "controls/textlabel/text_layout.h"

namespace quorl::textlabel {

namespace {

// A box this thin is drawn as a two-pixel line.
constexpr int kThinBox = 3;
constexpr int kLineBox = 2;
// Right and bottom move in so that the box's lines fall inside the label.
constexpr int kEdgeInset = 1;
constexpr int kRuleInset = 1;    // rules start one pixel inside the left edge
constexpr int kRuleEndInset = 2; // and end two pixels before the right edge
constexpr int kRuleGap = 2;      // pixels between rule and text
constexpr int kTitleGap = 3;     // pixels beside the title in the frame's top edge
constexpr int kCentredTitleShift = 3;
constexpr int kEmptyTitleLeft = 6;
constexpr int kEmptyTitleHeight = 2;
constexpr int kFrameInset = 1;
constexpr char kFieldNameMark = ',';
constexpr int kEtchShift = 1; // the light line lies up and left of the dark one

} // namespace

unsigned MultiLineFormat(unsigned style) {
    return (style & kFormatBits) | kWordBreakAndTabs;
}

bool UsesSingleLinePath(unsigned style) {
    return (style & GTS_SINGLELINE) != 0 && (style & GTS_VCENTER) == 0;
}

bool FillsBackground(unsigned style) {
    return (style & (GTS_TOPLINE | GTS_LEFTLINE | GTS_GROUP)) == 0;
}

bool CoversWhatItDraws(unsigned style, const PixelRect& client, Scale scale) {
    const bool singleLine = UsesSingleLinePath(style);
    if ((style & GTS_BOX) == 0) {
        // The painter's rectangle is the whole client area: the single line
        // fills it opaque, the multi-line path grey.
        return singleLine || FillsBackground(style);
    }
    // Only text clipped to the filled inside keeps out of the box's gap.
    return !singleLine && (style & GTS_HEADING) == 0 && FillsBackground(style) &&
           !BoxFrameOf(client, scale).inside.empty();
}

BoxFrame BoxFrameOf(const PixelRect& r, Scale scale) {
    PixelRect box = r;
    // Measured as height and width, so that a thin label anywhere in a
    // page, not only at the top of its own window, becomes a line.
    if (box.height() == scale(kThinBox)) {
        box.bottom = box.top + scale(kLineBox);
    }
    if (box.width() == scale(kThinBox)) {
        box.right = box.left + scale(kLineBox);
    }
    box.right -= kEdgeInset;
    box.bottom -= kEdgeInset;
    const int line = LineThickness(scale);
    return {box, Inflated(box, -line, -line)};
}

BoxStrokes BoxStrokesOf(const PixelRect& r) {
    return {{{{r.left, r.bottom}, {r.right, r.bottom}, {r.right, r.top}}},
            {{{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}}}};
}

Segment EdgeLineOf(const PixelRect& r, unsigned style, Scale scale) {
    if (style & GTS_TOPLINE) {
        return {{r.left, r.top}, {r.right - scale(kEdgeInset), r.top}};
    }
    return {{r.left, r.top}, {r.left, r.bottom - scale(kEdgeInset)}};
}

LineOrigin LineOriginOf(const PixelRect& r, unsigned style) {
    if (style & GTS_RIGHT) {
        return {Anchor::Right, r.right};
    }
    if (style & GTS_CENTER) {
        return {Anchor::Centre, (r.left + r.right) / 2};
    }
    return {Anchor::Left, r.left};
}

HeadingRules HeadingRulesOf(const PixelRect& r, const LineOrigin& origin, int textWidth,
                            int textHeight, Scale scale) {
    int textLeft = origin.x;
    int textRight = origin.x + textWidth;
    if (origin.anchor == Anchor::Centre) {
        textLeft = origin.x - textWidth / 2;
        textRight = origin.x + textWidth / 2;
    } else if (origin.anchor == Anchor::Right) {
        textLeft = origin.x - textWidth;
        textRight = origin.x;
    }
    const int y = r.top + textHeight / 2;
    HeadingRules rules{};
    rules.left = {{r.left + scale(kRuleInset), y}, {textLeft - scale(kRuleGap), y}};
    rules.right = {{textRight + scale(kRuleGap), y}, {r.right - scale(kRuleEndInset), y}};
    rules.leftShown = rules.left.to.x > rules.left.from.x;
    rules.rightShown = rules.right.to.x > rules.right.from.x;
    return rules;
}

PixelRect GroupTextRect(const PixelRect& frame, Scale scale) {
    const int indent = scale(kGroupTextIndent);
    return {frame.left + indent, frame.top, frame.right - indent, frame.bottom};
}

PixelRect GroupTitleExtent(const PixelRect& measured, int callerRight, unsigned style,
                           Scale scale) {
    int shift = 0;
    if (style & GTS_RIGHT) {
        shift = callerRight - measured.right - scale(kGroupTextIndent);
    } else if (style & GTS_CENTER) {
        shift = (callerRight - measured.right) / 2 - scale(kCentredTitleShift);
    }
    return Offset(measured, shift, 0);
}

PixelRect EmptyGroupTitle(const PixelRect& frame, Scale scale) {
    return {frame.left + scale(kEmptyTitleLeft), frame.top, frame.left,
            frame.top + scale(kEmptyTitleHeight)};
}

// The right and bottom lines lie on the frame's last pixels (the inset
// there is the exclusive edge's), the left one a scaled pixel in.
EtchedFrame EtchedFrameOf(const PixelRect& title, const PixelRect& frame, Scale scale) {
    const int y = (title.top + title.bottom) / 2;
    const int left = frame.left + scale(kFrameInset);
    const int right = frame.right - kFrameInset;
    const int bottom = frame.bottom - kFrameInset;
    const int gap = scale(kTitleGap);
    EtchedFrame etched = {{{title.left - gap, y},
                           {left, y},
                           {left, bottom},
                           {right, bottom},
                           {right, y},
                           {title.right + gap, y}},
                          {}};
    const int shift = scale(kEtchShift);
    for (int i = 0; i < kEtchedPoints; ++i) {
        etched.light[i] = {etched.dark[i].x - shift, etched.dark[i].y - shift};
    }
    return etched;
}

EtchedFrame DeflatedEtch(const EtchedFrame& etched, int k) {
    // Per point: how it moves inward (the top runs down, the sides in).
    constexpr int kInX[kEtchedPoints] = {0, 1, 1, -1, -1, 0};
    constexpr int kInY[kEtchedPoints] = {1, 1, -1, -1, 1, 1};
    EtchedFrame moved = etched;
    for (int i = 0; i < kEtchedPoints; ++i) {
        moved.dark[i] = {etched.dark[i].x + k * kInX[i], etched.dark[i].y + k * kInY[i]};
        moved.light[i] = {etched.light[i].x + k * kInX[i], etched.light[i].y + k * kInY[i]};
    }
    return moved;
}

const char* LabelFieldName(const char* windowName) {
    if (windowName == nullptr || windowName[0] != kFieldNameMark) {
        return nullptr;
    }
    // Bounded: a long window name is never read past the limit.
    for (int i = 1; i <= kMaxFieldNameSource; ++i) {
        if (windowName[i] == '\0') {
            return windowName + 1;
        }
    }
    return nullptr;
}

PixelRect HeadingBoxOf(const PixelRect& r, int textHeight) {
    return {r.left, r.top + textHeight, r.right - kEdgeInset, r.bottom - kEdgeInset};
}

} // namespace quorl::textlabel
