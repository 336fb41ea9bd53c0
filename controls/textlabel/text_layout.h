// Geometry of the text painter: its frames, lines, rules and the group
// frame's title gap, computed without the window system, and the label's
// field-name rule. The painter and the label's window procedure draw what
// these functions place.
#pragma once

#include "core/geometry.h"
#include "quorl32_styles.h"

namespace quorl::textlabel {

// The style bits of a label (and of a page switcher's painted label) are
// GTS_* in quorl32_styles.h; the first four are DrawText's format bits of
// the same value.

// DrawText format of the multi-line path: the label's own format bits plus
// word break (0x10) and tab expansion (0x40); measuring adds 0x400.
constexpr unsigned kFormatBits = GTS_CENTER | GTS_RIGHT | GTS_VCENTER | GTS_SINGLELINE;
constexpr unsigned kWordBreakAndTabs = 0x0050;
constexpr unsigned kCalcRect = 0x0400;
unsigned MultiLineFormat(unsigned style);

// The single-line path takes single-line labels that are not centred
// vertically; the others go through DrawText.
bool UsesSingleLinePath(unsigned style);

// The multi-line path fills its rectangle unless a line or a group frame
// asks for the parent's background to show.
bool FillsBackground(unsigned style);

// Whether the label may repaint only itself after a change of its text,
// font or colour, without the parent's background under it first, and
// show the same pixels: true when each paint draws anew every pixel of the
// client area that any paint may touch. A box leaves its innermost right
// column and bottom row unfilled, which the unclipped single line and a
// heading box (placed by the text's height) may reach; lines and group
// frames let the parent's background show through.
bool CoversWhatItDraws(unsigned style, const PixelRect& client, Scale scale = {});

// The lengths below are for 96 pixels per inch and grow with scale; each
// line is then as thick as one scaled pixel (LineThickness), drawn again
// one pixel further in (a segment below or right of itself) for each
// further pixel of thickness.
inline int LineThickness(Scale scale) {
    return scale(1);
}

// A box (style GTS_BOX) is drawn on `box`; the text goes into `inside`. A
// label three pixels high (or wide) becomes a two-pixel 3-D line. The box's
// right and bottom are its last pixels.
struct BoxFrame {
    PixelRect box;
    PixelRect inside;
};
BoxFrame BoxFrameOf(const PixelRect& r, Scale scale = {});

// The two strokes of a 3-D box, each from points[0] through points[1] to
// points[2], the end point unpainted: first the bottom and right edges,
// then the left and top edges. Raised: grey then white; sunken: white then
// grey.
struct Stroke {
    PixelPoint points[3];
};
struct BoxStrokes {
    Stroke first;
    Stroke second;
};
BoxStrokes BoxStrokesOf(const PixelRect& r);

// A straight line from `from` to `to`, the end point unpainted.
struct Segment {
    PixelPoint from;
    PixelPoint to;
};

// The black line of GTS_TOPLINE (along the top) or else GTS_LEFTLINE (the left).
Segment EdgeLineOf(const PixelRect& r, unsigned style, Scale scale = {});

// Where ExtTextOut starts the single line, and the alignment it needs.
enum class Anchor { Left, Centre, Right };
struct LineOrigin {
    Anchor anchor;
    int x;
};
LineOrigin LineOriginOf(const PixelRect& r, unsigned style);

// The rules beside a single-line heading, at half the text's height and
// two pixels away from the text. A rule with no room beside the text is
// not drawn (it would otherwise run back across the text).
struct HeadingRules {
    bool leftShown;
    Segment left;
    bool rightShown;
    Segment right;
};
HeadingRules HeadingRulesOf(const PixelRect& r, const LineOrigin& origin, int textWidth,
                            int textHeight, Scale scale = {});

// Group frame: the text is drawn narrowed by this much on each side.
constexpr int kGroupTextIndent = 7;
PixelRect GroupTextRect(const PixelRect& frame, Scale scale = {});

// Moves the measured title extent where the text was drawn, following the
// alignment; callerRight is the right edge of the caller's rectangle.
PixelRect GroupTitleExtent(const PixelRect& measured, int callerRight, unsigned style,
                           Scale scale = {});

// The title extent of a group frame without text: the gap it leaves is
// closed by the frame's own lines.
PixelRect EmptyGroupTitle(const PixelRect& frame, Scale scale = {});

// The etched frame: an open six-point polyline from beside the title round
// the frame and back, drawn dark, then one pixel up and left in light.
constexpr int kEtchedPoints = 6;
struct EtchedFrame {
    PixelPoint dark[kEtchedPoints];
    PixelPoint light[kEtchedPoints];
};
EtchedFrame EtchedFrameOf(const PixelRect& title, const PixelRect& frame, Scale scale = {});
// The etched frame's lines `k` pixels further in (for a thicker line).
EtchedFrame DeflatedEtch(const EtchedFrame& etched, int k);

// The heading's box sits below the first text line.
PixelRect HeadingBoxOf(const PixelRect& r, int textHeight);

// The field name a label takes from its window name: what follows a
// leading comma when the whole name has at most kMaxFieldNameSource
// characters. Null when the name carries none (or is null).
constexpr int kMaxFieldNameSource = 11;
const char* LabelFieldName(const char* windowName);

} // namespace quorl::textlabel
