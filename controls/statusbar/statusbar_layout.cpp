#include "controls/statusbar/statusbar_layout.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

namespace quorl::statusbar {

namespace {

// Border lines between a field's text and its frame, above and below.
constexpr int kFieldBorderLines = 2;
// Border lines between the bar's edge and its fields, above and below.
constexpr int kBarBorderLines = 6;
// The row starts four border widths in; fields are two border widths apart,
// and the first pass keeps eight border widths of the bar free.
constexpr int kRowIndentBorders = 4;
constexpr int kFieldGapBorders = 2;
constexpr int kBarMarginBorders = 8;
// The row's top is two border heights below the bar's.
constexpr int kRowTopBorders = 2;

int Saturated(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

FieldLimits Normalised(FieldLimits field) {
    return {std::max(field.minimum, 0), std::max(field.maximum, 0)};
}

bool IsGrowing(FieldLimits field) {
    return field.maximum > field.minimum;
}

bool IsFilling(FieldLimits field) {
    return field.minimum > 0 && field.maximum == 0;
}

} // namespace

StatusMetrics MetricsOf(int textHeight, BorderSize border) {
    const int fieldHeight = textHeight + kFieldBorderLines * border.height;
    return {fieldHeight, fieldHeight + kBarBorderLines * border.height};
}

Placement BarPlacement(const PixelRect& parentClient, int borderHeight, int barHeight) {
    const std::int64_t top =
        static_cast<std::int64_t>(parentClient.bottom) + borderHeight - barHeight;
    const std::int64_t width = static_cast<std::int64_t>(parentClient.right) - parentClient.left;
    return {parentClient.left, Saturated(top), Saturated(width), barHeight};
}

int WidthInPixels(int width, int averageCharWidth) {
    if (width >= 0) {
        return width;
    }
    return Saturated(-static_cast<std::int64_t>(width) * averageCharWidth);
}

WidthPlan::WidthPlan(int clientWidth, int borderWidth)
    : free_(clientWidth - static_cast<std::int64_t>(kBarMarginBorders) * std::max(borderWidth, 0)),
      borderWidth_(std::max(borderWidth, 0)) {}

void WidthPlan::Count(FieldLimits field) {
    field = Normalised(field);
    if (field.minimum != 0) {
        free_ -= field.minimum + kFieldGapBorders * borderWidth_;
    }
    if (IsFilling(field)) {
        ++fillingCount_;
    }
    if (IsGrowing(field)) {
        growthSum_ += field.maximum - field.minimum;
        ++growingCount_;
    }
}

void WidthPlan::Grow(FieldLimits field) {
    if (!shared_) {
        // The room left by the minima is shared out; with more room than the
        // fields can grow, each grows to its maximum.
        shared_ = true;
        if (growingCount_ > 0 && free_ > 0) {
            shareBase_ = free_;
            growthSum_ = std::max(growthSum_, free_);
        }
    }
    field = Normalised(field);
    if (!Growing() || !IsGrowing(field)) {
        return;
    }
    free_ -= Extra(field);
    if (field.minimum == 0) {
        // The first pass kept no gap for a field without a minimum.
        free_ -= kFieldGapBorders * borderWidth_;
    }
}

std::int64_t WidthPlan::Extra(FieldLimits field) const {
    // Rounded to the nearest pixel; the share base never exceeds the sum.
    const std::int64_t growth = field.maximum - field.minimum;
    return (growth * shareBase_ + growthSum_ / 2) / growthSum_;
}

int WidthPlan::FillShare() const {
    if (fillingCount_ == 0 || free_ <= 0) {
        return 0;
    }
    return Saturated(free_ / fillingCount_);
}

int WidthPlan::Width(FieldLimits field) const {
    field = Normalised(field);
    std::int64_t width = field.minimum;
    if (Growing() && IsGrowing(field)) {
        width += Extra(field);
    } else if (IsFilling(field)) {
        width += FillShare();
    }
    return Saturated(width);
}

void LayoutWidths(std::span<const FieldLimits> fields, int clientWidth, int borderWidth,
                  std::span<int> widths) {
    WidthPlan plan(clientWidth, borderWidth);
    for (const FieldLimits& field : fields) {
        plan.Count(field);
    }
    for (const FieldLimits& field : fields) {
        plan.Grow(field);
    }
    const std::size_t count = std::min(fields.size(), widths.size());
    for (std::size_t i = 0; i < count; ++i) {
        widths[i] = plan.Width(fields[i]);
    }
}

FieldRow::FieldRow(const PixelRect& barClient, BorderSize border, int fieldHeight)
    : x_(static_cast<std::int64_t>(kRowIndentBorders) * border.width),
      y_(Saturated(barClient.top + static_cast<std::int64_t>(kRowTopBorders) * border.height)),
      gap_(kFieldGapBorders * border.width), height_(fieldHeight) {}

Placement FieldRow::Next(int width) {
    const Placement placement{Saturated(x_), y_, width, height_};
    x_ += static_cast<std::int64_t>(width) + gap_;
    return placement;
}

EdgeStrips EdgesOf(const PixelRect& r, BorderSize border) {
    return {{r.left, r.top, r.right, r.top + border.height},
            {r.left, r.top, r.left + border.width, r.bottom},
            {r.left, r.bottom - border.height, r.right, r.bottom},
            {r.right - border.width, r.top, r.right, r.bottom}};
}

MarkedText SplitMarker(const char* text) {
    if (text == nullptr) {
        return {TextColour::Normal, ""};
    }
    switch (text[0]) {
    case kAlertMarker:
        return {TextColour::Alert, text + 1};
    case kHintMarker:
        return {TextColour::Hint, text + 1};
    default:
        return {TextColour::Normal, text};
    }
}

PixelRect TextRect(const PixelRect& fieldClient, BorderSize border) {
    return Inflated(fieldClient, -kFieldGapBorders * border.width, -border.height);
}

void FormatClock(std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                 char (&buffer)[kClockTextSize]) {
    std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d", hour, minute, second);
}

void AppendUnavailable(char (&buffer)[kHelpTextSize]) {
    const std::size_t length = strnlen(buffer, sizeof buffer - 1);
    const std::size_t room = sizeof buffer - 1 - length;
    const std::size_t count = std::min(room, sizeof kUnavailableSuffix - 1);
    std::memcpy(buffer + length, kUnavailableSuffix, count);
    buffer[length + count] = '\0';
}

} // namespace quorl::statusbar
