// Status bar arithmetic without the window system: the metrics derived from
// the status font, the widths the bar hands its fields, where the fields and
// the bar go, the colour marker of a field text, the clock text and the
// menu help text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/geometry.h"

namespace quorl::statusbar {

// The system's thin border (SM_CXBORDER, SM_CYBORDER).
struct BorderSize {
    int width;
    int height;
};

// Heights that follow from the status font.
struct StatusMetrics {
    int fieldHeight; // text height and a border line above and below
    int barHeight;   // a field and three border lines above and below it
};
StatusMetrics MetricsOf(int textHeight, BorderSize border);

// A window's position and size, as MoveWindow takes them.
struct Placement {
    int x;
    int y;
    int width;
    int height;
    bool operator==(const Placement&) const = default;
};

// Where the bar goes in its parent's client area: full width, its lower
// border line just below the client area.
Placement BarPlacement(const PixelRect& parentClient, int borderHeight, int barHeight);

// A width given as a negative number counts characters of the status font;
// a count too large for an int saturates.
int WidthInPixels(int width, int averageCharWidth);

// The widths a field asks for. A maximum of 0 means no maximum.
struct FieldLimits {
    int minimum;
    int maximum;
};

// The three passes that share the bar's width among its fields, without
// keeping the fields: the bar walks its child windows once per pass.
//   pass 1: Count(field) for every field;
//   pass 2: Grow(field) for every field;
//   then:   Width(field) for every field gives its width.
// A field is growing when its maximum exceeds its minimum, filling when it
// has a minimum and no maximum. Growing fields share the room left by the
// minima in proportion to their growth; filling fields share what the
// growing ones leave, up to the remainder of that division. Negative
// limits (only a program that writes the window longs itself can make
// them) count as 0.
class WidthPlan {
public:
    WidthPlan(int clientWidth, int borderWidth);

    void Count(FieldLimits field);
    void Grow(FieldLimits field);
    int Width(FieldLimits field) const;

    // Room still free once every field has its width (negative when the
    // minima alone do not fit).
    std::int64_t FreeWidth() const { return free_; }

private:
    bool Growing() const { return growingCount_ > 0 && shareBase_ > 0; }
    std::int64_t Extra(FieldLimits field) const;
    int FillShare() const;

    std::int64_t free_;
    std::int64_t borderWidth_;
    std::int64_t growthSum_ = 0;
    std::int64_t shareBase_ = 0;
    int growingCount_ = 0;
    int fillingCount_ = 0;
    bool shared_ = false;
};

// All three passes over a list of fields; widths must hold as many
// entries as fields.
void LayoutWidths(std::span<const FieldLimits> fields, int clientWidth, int borderWidth,
                  std::span<int> widths);

// The row of fields from the left, one after the other with a gap of two
// border widths; coordinates beyond an int saturate.
class FieldRow {
public:
    FieldRow(const PixelRect& barClient, BorderSize border, int fieldHeight);
    Placement Next(int width);

private:
    std::int64_t x_;
    int y_;
    int gap_;
    int height_;
};

// The border-thin strips along a rectangle's edges, inside it: the bar
// draws its top and bottom edge, a field all four as its sunken frame.
struct EdgeStrips {
    PixelRect top;
    PixelRect left;
    PixelRect bottom;
    PixelRect right;
};
EdgeStrips EdgesOf(const PixelRect& r, BorderSize border);

// The text colour a field shows its text in.
enum class TextColour { Normal, Alert, Hint };
constexpr char kAlertMarker = '!';
constexpr char kHintMarker = '?';

struct MarkedText {
    TextColour colour;
    const char* text; // the text after the marker
};
MarkedText SplitMarker(const char* text);

// The inner rectangle the text is drawn in: inside the sunken frame, with
// two border widths of room left and right.
PixelRect TextRect(const PixelRect& fieldClient, BorderSize border);

// "h:mm:ss" of a clock, hours without a leading zero; any 16-bit values fit.
constexpr std::size_t kClockTextSize = 24;
void FormatClock(std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                 char (&buffer)[kClockTextSize]);

// Help texts: a string resource holds at most 99 characters; a grayed
// menu item's help text gets the suffix below, so the buffer holds both.
constexpr int kHelpResourceSize = 100;
constexpr char kUnavailableSuffix[] = " (nicht verf\xFCgbar)";
constexpr std::size_t kHelpTextSize = kHelpResourceSize + sizeof kUnavailableSuffix - 1;
static_assert(sizeof kUnavailableSuffix - 1 == 18);

// Appends the suffix to the terminated text in buffer, cut to what the
// buffer holds.
void AppendUnavailable(char (&buffer)[kHelpTextSize]);

} // namespace quorl::statusbar
