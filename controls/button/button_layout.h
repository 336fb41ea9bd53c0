// Geometry of the graphic push button that needs no window system: where
// picture and caption go, the frame and edge bands, the focus mark, and the
// scroll arithmetic of the picture panel.
#pragma once

#include <cstdint>

#include "core/geometry.h"

namespace quorl::button {

// The lengths below are for 96 pixels per inch; the functions that take a
// scale grow them with the screen.
// Gap that the frame, the edges and the spaces between the parts take from
// the button's width before the rest is shared out.
constexpr int kLayoutReserve = 10;
// Left margin added to both computed positions.
constexpr int kLayoutMargin = 4;
// Inset of the rectangle the caption is measured in.
constexpr int kMeasureInset = 2;
// Distance of the focus mark from the caption.
constexpr int kFocusMarkGap = 2;

// Picture and caption positions. The free width is split in thirds: one
// before the picture, one between picture and caption, one after. On a
// finer screen (fonts there run a little wider than the scale) a caption
// that would run past the edges is moved left to end inside them.
struct Layout {
    int pictureLeft;
    int captionLeft;
};
Layout ComputeLayout(int clientWidth, int pictureWidth, int captionWidth, Scale scale = {});

// The rectangle the caption is measured in (DrawText computes its extent).
PixelRect MeasureRect(int clientWidth, int clientHeight, int pictureWidth, Scale scale = {});

// Caption size as stored: width in the low 16 bits, height in the high 16.
std::uint32_t PackCaptionSize(int width, int height);
inline int CaptionWidth(std::uint32_t size) {
    return static_cast<int>(size & 0xFFFFu);
}
inline int CaptionHeight(std::uint32_t size) {
    return static_cast<int>(size >> 16);
}

// The caption, centred vertically as a block around half the client height.
PixelRect CaptionRect(int captionLeft, std::uint32_t captionSize, int clientHeight);
// The dotted focus mark: the caption rectangle grown by the focus gap.
PixelRect FocusMarkRect(int captionLeft, std::uint32_t captionSize, int clientHeight,
                        Scale scale = {});
// The focus mark's area when it is removed: right and bottom lines included.
PixelRect FocusMarkEraseRect(int captionLeft, std::uint32_t captionSize, int clientHeight,
                             Scale scale = {});

// Top of the picture in the button look: centred, negative when taller.
int PictureTop(int clientHeight, int pictureHeight);

// The double frame, each a closed outline of five points.
struct Outline {
    int x[5];
    int y[5];
};
Outline OuterFrame(int clientWidth, int clientHeight);
Outline InnerFrame(int clientWidth, int clientHeight);

// The 3-D edge bands inside the frame (right and bottom exclusive): the
// top and left bands take the light edge, bottom and right the dark one.
struct EdgeBands {
    PixelRect top;
    PixelRect left;
    PixelRect bottom;
    PixelRect right;
};
EdgeBands ComputeEdgeBands(int clientWidth, int clientHeight, Scale scale = {});

// On a finer screen the frame's outlines become bands: ring 0 (the outer
// outline) and ring 1 (the inner one), each as thick as one scaled pixel.
EdgeBands FrameRing(int clientWidth, int clientHeight, int ring, Scale scale);

// Ids of the picture search in order: on palette displays the 256-colour
// variant at id + 0x4000 comes first. Ids are kept to 16 bits.
constexpr unsigned kPalettePictureOffset = 0x4000;
struct PictureIds {
    int count;
    std::uint16_t ids[2];
};
PictureIds PictureSearchIds(int controlId, bool paletteDisplay);

// ---- Picture panel scrolling ----

constexpr int kLineStep = 10;
constexpr int kPageStep = 50;

// What the scroll extents are computed from.
struct ScrollInput {
    int pictureWidth;
    int pictureHeight;
    int clientWidth;
    int clientHeight;
    int horizontalRangeMax; // current maxima of the two scroll-bar ranges
    int verticalRangeMax;
    int verticalBarWidth; // system metrics of the scroll bars
    int horizontalBarHeight;
};
struct ScrollExtents {
    int horizontal;
    int vertical;
};
// The largest useful scroll positions. A range that is already set stands
// for a scroll bar that has taken its room from the client area; it is
// given back before the extents are computed.
ScrollExtents ComputeScrollExtents(const ScrollInput& in);

// Scroll-bar codes as they arrive in the low 16 bits of wParam.
enum ScrollCode : unsigned {
    kScrollLineUp = 0,
    kScrollLineDown = 1,
    kScrollPageUp = 2,
    kScrollPageDown = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
    kScrollTop = 6,
    kScrollBottom = 7,
};
// New position for a code at position P with largest position M. The
// thumb-track position is taken as it comes, not limited.
int NewScrollPosition(unsigned code, unsigned thumb, int position, int maximum, Scale scale = {});

// One tick of automatic scrolling: one pixel in the current direction,
// turning at 0 and at the extent.
struct AutoScrollStep {
    int position;
    bool upward;
};
AutoScrollStep NextAutoScrollStep(int position, int extent, bool upward);

// A key of the picture panel as a scroll message; none for other keys.
struct KeyScroll {
    bool handled;
    bool vertical;
    unsigned code;
};
KeyScroll KeyToScroll(unsigned virtualKey, bool controlHeld);

} // namespace quorl::button
