// Painting of the graphic push button: layout, double frame, 3-D edges,
// the picture (normal, disabled, with its palette), the caption and the
// dotted focus mark. The face between the parts is the class background.
#include <algorithm>
#include <initializer_list>

#include "controls/button/button_internal.h"
#include "controls/button/button_layout.h"
#include "core/bitmaps.h"
#include "core/helpers.h"
#include "core/library.h"
#include "core/rect_convert.h"

namespace quorl::button {

namespace {

constexpr int kCaptionBufferSize = 255;
constexpr UINT kMeasureFlags = DT_CALCRECT | DT_NOCLIP | DT_WORDBREAK;
constexpr UINT kDrawFlags = DT_NOCLIP | DT_WORDBREAK;
static_assert(kMeasureFlags == 0x0510 && kDrawFlags == 0x0110);
constexpr COLORREF kCaptionBackground = kLightGrey;
constexpr UINT kCaptionAlignment = TA_LEFT | TA_TOP | TA_NOUPDATECP;

// Stock objects of the frame and the edges.
constexpr int kDefaultOuterPen = BLACK_PEN;
constexpr int kNormalOuterPen = WHITE_PEN;
constexpr int kInnerPen = BLACK_PEN;
struct EdgeBrushes {
    int light;
    int dark;
};
constexpr EdgeBrushes kRaisedEdges = {WHITE_BRUSH, GRAY_BRUSH};
constexpr EdgeBrushes kPressedEdges = {GRAY_BRUSH, LTGRAY_BRUSH};
constexpr int kFocusEraseBrush = LTGRAY_BRUSH;

bool LooksPressed(LONG state) {
    return (state & (QSTATE_PUSHED | QSTATE_TRACKING)) != 0 && (state & QSTATE_OUTSIDE) == 0;
}

void DrawOutline(HDC dc, const Outline& outline) {
    POINT points[5];
    for (int i = 0; i < 5; ++i) {
        points[i] = {outline.x[i], outline.y[i]};
    }
    Polyline(dc, points, 5);
}

// Two bands of one brush, as FillRect fills each (PATCOPY) but with the
// brush selected once.
void FillBands(HDC dc, const PixelRect& first, const PixelRect& second, int stockBrush) {
    HGDIOBJ previous = SelectObject(dc, GetStockObject(stockBrush));
    for (const PixelRect* band : {&first, &second}) {
        PatBlt(dc, band->left, band->top, band->width(), band->height(), PATCOPY);
    }
    SelectObject(dc, previous);
}

// On a finer screen the two outlines are bands of the pens' colours.
constexpr int kOuterRing = 0;
constexpr int kInnerRing = 1;
void FillRing(HDC dc, const EdgeBands& ring, int stockBrush) {
    FillBands(dc, ring.top, ring.left, stockBrush);
    FillBands(dc, ring.bottom, ring.right, stockBrush);
}

void DrawFrameAndEdges(HDC dc, int width, int height, LONG state) {
    const Scale scale = g_library.scale;
    const bool isDefault = (state & QBSTATE_DEFAULT) != 0;
    if (scale == Scale{}) {
        HGDIOBJ previous =
            SelectObject(dc, GetStockObject(isDefault ? kDefaultOuterPen : kNormalOuterPen));
        DrawOutline(dc, OuterFrame(width, height));
        SelectObject(dc, GetStockObject(kInnerPen));
        DrawOutline(dc, InnerFrame(width, height));
        SelectObject(dc, previous);
    } else {
        FillRing(dc, FrameRing(width, height, kOuterRing, scale),
                 isDefault ? BLACK_BRUSH : WHITE_BRUSH);
        FillRing(dc, FrameRing(width, height, kInnerRing, scale), BLACK_BRUSH);
    }

    const EdgeBrushes brushes = LooksPressed(state) ? kPressedEdges : kRaisedEdges;
    const EdgeBands bands = ComputeEdgeBands(width, height, scale);
    FillBands(dc, bands.top, bands.left, brushes.light);
    FillBands(dc, bands.bottom, bands.right, brushes.dark);
}

// Draws the picture and returns how many palette entries realising its
// palette changed (0 without palette). A failed realisation counts as 0.
UINT DrawPicture(HWND window, HDC dc, const ButtonBlock& block, const BITMAP& size,
                 int clientHeight, LONG state, bool pictureMode) {
    int x;
    int y;
    if (pictureMode) {
        x = -GetScrollPos(window, SB_HORZ);
        y = -block.scrollY;
    } else {
        x = block.pictureLeft;
        y = PictureTop(clientHeight, size.bmHeight);
    }
    if ((state & QSTATE_DISABLED) != 0 && !pictureMode) {
        DrawHalftone(dc, x, y, block.picture);
        return 0;
    }
    UINT changed = 0;
    HPALETTE previousPalette = nullptr;
    if (block.palette != nullptr) {
        previousPalette = SelectPalette(dc, block.palette, TRUE);
        changed = RealizePalette(dc);
        if (changed == GDI_ERROR) {
            changed = 0;
        }
    }
    DrawBitmap(dc, x, y, block.picture);
    if (block.palette != nullptr) {
        SelectPalette(dc, previousPalette, FALSE);
    }
    return changed;
}

// The widest word of the caption: a word wider than the room is not
// broken, but the measure may report the room instead of the word.
int WidestWord(HDC dc, const char* caption) {
    int widest = 0;
    const char* word = caption;
    for (const char* p = caption;; ++p) {
        if (*p == '\0' || *p == ' ' || *p == '\n' || *p == '\r') {
            SIZE size{};
            if (p > word && GetTextExtentPoint32A(dc, word, static_cast<int>(p - word), &size) &&
                size.cx > widest) {
                widest = size.cx;
            }
            if (*p == '\0') {
                return widest;
            }
            word = p + 1;
        }
    }
}

void DrawCaption(HDC dc, const char* caption, const PixelRect& where) {
    const COLORREF previousBackground = SetBkColor(dc, kCaptionBackground);
    const UINT previousAlignment = SetTextAlign(dc, kCaptionAlignment);
    RECT r = ToRect(where);
    DrawTextA(dc, caption, -1, &r, kDrawFlags);
    SetBkColor(dc, previousBackground);
    SetTextAlign(dc, previousAlignment);
}

} // namespace

UINT Paint(HWND window, ButtonBlock* block, HDC dc) {
    if (block == nullptr) {
        return 0;
    }
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    char caption[kCaptionBufferSize] = "";
    ReadCaption(window, caption, kCaptionBufferSize);

    BITMAP picture{};
    if (block->picture != nullptr) {
        GetObjectA(block->picture, sizeof picture, &picture);
    }
    HGDIOBJ previousFont = nullptr;
    if (block->font != nullptr) {
        previousFont = SelectObject(dc, block->font);
    }

    // On a finer screen the caption is measured at every paint, in the font
    // it is drawn in (one set after the first paint included), so that the
    // edges can keep it whole; at 96 dpi the first measure stands.
    if (block->captionLeft == 0 || block->captionSize == 0 || g_library.scale != Scale{}) {
        RECT measured = ToRect(MeasureRect(width, height, picture.bmWidth, g_library.scale));
        DrawTextA(dc, caption, -1, &measured, kMeasureFlags);
        int textWidth = measured.right - measured.left;
        // A word wider than the room is not broken, but measured as the room.
        if (g_library.scale != Scale{}) {
            textWidth = std::max(textWidth, WidestWord(dc, caption));
        }
        const int textHeight = measured.bottom - measured.top;
        const Layout layout = ComputeLayout(width, picture.bmWidth, textWidth, g_library.scale);
        block->pictureLeft = layout.pictureLeft;
        block->captionLeft = layout.captionLeft;
        block->captionSize = PackCaptionSize(textWidth, textHeight);
    }

    const LONG state = StateOf(window);
    const bool pictureMode = IsPictureMode(window);
    if (!pictureMode) {
        DrawFrameAndEdges(dc, width, height, state);
    }
    UINT changed = 0;
    if (block->picture != nullptr) {
        changed = DrawPicture(window, dc, *block, picture, height, state, pictureMode);
    }
    if (!pictureMode) {
        DrawCaption(dc, caption, CaptionRect(block->captionLeft, block->captionSize, height));
    }
    if (block->font != nullptr) {
        SelectObject(dc, previousFont);
    }
    return changed;
}

void RepaintNow(HWND window, ButtonBlock* block) {
    // Without a context the window is painted when it next asks.
    HDC dc = GetDC(window);
    if (dc == nullptr) {
        InvalidateRect(window, nullptr, TRUE);
        return;
    }
    Paint(window, block, dc);
    ReleaseDC(window, dc);
}

void DrawFocusMark(HWND window, const ButtonBlock* block, HDC given) {
    if (block == nullptr) {
        return;
    }
    HDC dc = given != nullptr ? given : GetDC(window);
    if (dc == nullptr) {
        InvalidateRect(window, nullptr, TRUE); // the next paint shows the mark as it is
        return;
    }
    RECT client;
    GetClientRect(window, &client);
    if ((StateOf(window) & QSTATE_FOCUSED) != 0) {
        const PixelRect mark =
            FocusMarkRect(block->captionLeft, block->captionSize, client.bottom, g_library.scale);
        DrawDottedRect(dc, mark.left, mark.top, mark.right, mark.bottom);
    } else {
        const RECT erase = ToRect(FocusMarkEraseRect(block->captionLeft, block->captionSize,
                                                     client.bottom, g_library.scale));
        FillRect(dc, &erase, static_cast<HBRUSH>(GetStockObject(kFocusEraseBrush)));
        InvalidateRect(window, &erase, TRUE);
        UpdateWindow(window);
    }
    if (given == nullptr) {
        ReleaseDC(window, dc);
    }
}

} // namespace quorl::button
