#include "controls/button/button_layout.h"

namespace quorl::button {

namespace {

// Frame: two one-pixel lines; the edges follow, two pixels wide.
constexpr int kFrameLines = 2;
constexpr int kEdgeWidth = 2;
// The dark bands start one pixel further in, so the light bands keep the
// corners they share with them.
constexpr int kDarkEdgeIndent = 1;

constexpr unsigned kMaxThumb = 0xFFFFu;

// Picture panel keys: the virtual-key codes 0x21 to 0x28 in their order.
enum Key : unsigned {
    kKeyPageUp = 0x21,
    kKeyPageDown,
    kKeyEnd,
    kKeyHome,
    kKeyLeft,
    kKeyUp,
    kKeyRight,
    kKeyDown
};

Outline ClosedOutline(int left, int top, int right, int bottom) {
    return {{left, left, right, right, left}, {top, bottom, bottom, top, top}};
}

} // namespace

Layout ComputeLayout(int clientWidth, int pictureWidth, int captionWidth) {
    const int free = clientWidth - captionWidth - pictureWidth - kLayoutReserve;
    return {free / 3 + kLayoutMargin, (2 * free) / 3 + pictureWidth + kLayoutMargin};
}

PixelRect MeasureRect(int clientWidth, int clientHeight, int pictureWidth) {
    return {pictureWidth, kMeasureInset, clientWidth - kMeasureInset, clientHeight - kMeasureInset};
}

std::uint32_t PackCaptionSize(int width, int height) {
    return (static_cast<std::uint32_t>(height) & 0xFFFFu) << 16 |
           (static_cast<std::uint32_t>(width) & 0xFFFFu);
}

PixelRect CaptionRect(int captionLeft, std::uint32_t captionSize, int clientHeight) {
    const int halfHeight = CaptionHeight(captionSize) / 2; // unsigned 16-bit halving
    const int middle = clientHeight / 2;
    return {captionLeft, middle - halfHeight, captionLeft + CaptionWidth(captionSize),
            middle + halfHeight};
}

PixelRect FocusMarkRect(int captionLeft, std::uint32_t captionSize, int clientHeight) {
    const PixelRect caption = CaptionRect(captionLeft, captionSize, clientHeight);
    return {caption.left - kFocusMarkGap, caption.top - kFocusMarkGap,
            caption.right + kFocusMarkGap, caption.bottom + kFocusMarkGap};
}

PixelRect FocusMarkEraseRect(int captionLeft, std::uint32_t captionSize, int clientHeight) {
    PixelRect mark = FocusMarkRect(captionLeft, captionSize, clientHeight);
    ++mark.right;
    ++mark.bottom;
    return mark;
}

int PictureTop(int clientHeight, int pictureHeight) {
    return (clientHeight - pictureHeight) / 2;
}

Outline OuterFrame(int clientWidth, int clientHeight) {
    return ClosedOutline(0, 0, clientWidth - 1, clientHeight - 1);
}

Outline InnerFrame(int clientWidth, int clientHeight) {
    return ClosedOutline(1, 1, clientWidth - 2, clientHeight - 2);
}

EdgeBands ComputeEdgeBands(int clientWidth, int clientHeight) {
    const int inner = kFrameLines + kEdgeWidth;
    return {
        {kFrameLines, kFrameLines, clientWidth - inner, inner},
        {kFrameLines, kFrameLines, inner, clientHeight - inner},
        {kFrameLines + kDarkEdgeIndent, clientHeight - inner, clientWidth - kFrameLines,
         clientHeight - kFrameLines},
        {clientWidth - inner, kFrameLines + kDarkEdgeIndent, clientWidth - kFrameLines,
         clientHeight - kFrameLines},
    };
}

PictureIds PictureSearchIds(int controlId, bool paletteDisplay) {
    const auto own = static_cast<std::uint16_t>(controlId);
    if (paletteDisplay) {
        return {2, {static_cast<std::uint16_t>(own + kPalettePictureOffset), own}};
    }
    return {1, {own, 0}};
}

ScrollExtents ComputeScrollExtents(const ScrollInput& in) {
    int width = in.clientWidth;
    int height = in.clientHeight;
    // As the control has always done it: a vertical range gives back the
    // height of a horizontal bar and a horizontal range the width of a
    // vertical one; with both bars shown this is exact.
    if (in.verticalRangeMax != 0) {
        height += in.horizontalBarHeight;
    }
    if (in.horizontalRangeMax != 0) {
        width += in.verticalBarWidth;
    }
    const int overHeight = in.pictureHeight - height;
    const int overWidth = in.pictureWidth - width;
    return {overWidth > 0 ? overWidth + in.verticalBarWidth : 0,
            overHeight > 0 ? overHeight + in.horizontalBarHeight : 0};
}

int NewScrollPosition(unsigned code, unsigned thumb, int position, int maximum) {
    switch (code) {
    case kScrollLineUp:
        return position - kLineStep < 0 ? 0 : position - kLineStep;
    case kScrollLineDown:
        return position + kLineStep > maximum ? maximum : position + kLineStep;
    case kScrollPageUp:
        return position - kPageStep < 0 ? 0 : position - kPageStep;
    case kScrollPageDown:
        return position + kPageStep > maximum ? maximum : position + kPageStep;
    case kScrollThumbTrack:
        return static_cast<int>(thumb & kMaxThumb);
    case kScrollTop:
        return 0;
    case kScrollBottom:
        return maximum;
    default: // thumb position and unknown codes
        return position;
    }
}

AutoScrollStep NextAutoScrollStep(int position, int extent, bool upward) {
    int next = upward ? position - 1 : position + 1;
    if (next < 0) {
        next = 0;
        upward = false;
    }
    if (next > extent) {
        next = extent;
        upward = true;
    }
    return {next, upward};
}

KeyScroll KeyToScroll(unsigned virtualKey, bool controlHeld) {
    switch (virtualKey) {
    case kKeyPageUp:
        return {true, true, kScrollPageUp};
    case kKeyPageDown:
        return {true, true, kScrollPageDown};
    case kKeyEnd:
        return {true, controlHeld, kScrollBottom};
    case kKeyHome:
        return {true, controlHeld, kScrollTop};
    case kKeyLeft:
        return {true, false, kScrollLineUp};
    case kKeyUp:
        return {true, true, kScrollLineUp};
    case kKeyRight:
        return {true, false, kScrollLineDown};
    case kKeyDown:
        return {true, true, kScrollLineDown};
    default:
        return {false, false, 0};
    }
}

} // namespace quorl::button
