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

Layout ComputeLayout(int clientWidth, int pictureWidth, int captionWidth, Scale scale) {
    const int free = clientWidth - captionWidth - pictureWidth - scale(kLayoutReserve);
    const int margin = scale(kLayoutMargin);
    Layout layout = {free / 3 + margin, (2 * free) / 3 + pictureWidth + margin};
    const int captionEnd = clientWidth - scale(kFrameLines + kEdgeWidth);
    if (scale != Scale{} && layout.captionLeft + captionWidth > captionEnd) {
        layout.captionLeft = captionEnd - captionWidth;
    }
    return layout;
}

PixelRect MeasureRect(int clientWidth, int clientHeight, int pictureWidth, Scale scale) {
    const int inset = scale(kMeasureInset);
    return {pictureWidth, inset, clientWidth - inset, clientHeight - inset};
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

PixelRect FocusMarkRect(int captionLeft, std::uint32_t captionSize, int clientHeight, Scale scale) {
    const PixelRect caption = CaptionRect(captionLeft, captionSize, clientHeight);
    const int gap = scale(kFocusMarkGap);
    return {caption.left - gap, caption.top - gap, caption.right + gap, caption.bottom + gap};
}

PixelRect FocusMarkEraseRect(int captionLeft, std::uint32_t captionSize, int clientHeight,
                             Scale scale) {
    PixelRect mark = FocusMarkRect(captionLeft, captionSize, clientHeight, scale);
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

EdgeBands ComputeEdgeBands(int clientWidth, int clientHeight, Scale scale) {
    const int frame = scale(kFrameLines);
    const int inner = scale(kFrameLines + kEdgeWidth);
    const int dark = scale(kFrameLines + kDarkEdgeIndent);
    return {
        {frame, frame, clientWidth - inner, inner},
        {frame, frame, inner, clientHeight - inner},
        {dark, clientHeight - inner, clientWidth - frame, clientHeight - frame},
        {clientWidth - inner, dark, clientWidth - frame, clientHeight - frame},
    };
}

EdgeBands FrameRing(int clientWidth, int clientHeight, int ring, Scale scale) {
    const int out = scale(ring);
    const int in = scale(ring + 1);
    const int right = clientWidth - out;
    const int bottom = clientHeight - out;
    return {{out, out, right, in},
            {out, out, in, bottom},
            {out, clientHeight - in, right, bottom},
            {clientWidth - in, out, right, bottom}};
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

int NewScrollPosition(unsigned code, unsigned thumb, int position, int maximum, Scale scale) {
    const int line = scale(kLineStep);
    const int page = scale(kPageStep);
    switch (code) {
    case kScrollLineUp:
        return position - line < 0 ? 0 : position - line;
    case kScrollLineDown:
        return position + line > maximum ? maximum : position + line;
    case kScrollPageUp:
        return position - page < 0 ? 0 : position - page;
    case kScrollPageDown:
        return position + page > maximum ? maximum : position + page;
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
