#include "controls/textlabel/text_painter.h"

#include <cstring>

#include "controls/textlabel/text_layout.h"
#include "core/library.h"
#include "core/rect_convert.h"

namespace quorl {

namespace {

using namespace textlabel;

constexpr COLORREF kBoxGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kEdgeLineBlack = RGB(0, 0, 0);
constexpr int kLineWidth = 1;

void DrawStroke(HDC dc, const Stroke& stroke) {
    MoveToEx(dc, stroke.points[0].x, stroke.points[0].y, nullptr);
    LineTo(dc, stroke.points[1].x, stroke.points[1].y);
    LineTo(dc, stroke.points[2].x, stroke.points[2].y);
}

void DrawSegment(HDC dc, const Segment& segment) {
    MoveToEx(dc, segment.from.x, segment.from.y, nullptr);
    LineTo(dc, segment.to.x, segment.to.y);
}

// A segment as thick as a scaled pixel: drawn again dx, dy further on.
void DrawThickSegment(HDC dc, const Segment& segment, int dx, int dy) {
    for (int k = 0; k < LineThickness(g_library.scale); ++k) {
        DrawSegment(dc, {{segment.from.x + k * dx, segment.from.y + k * dy},
                         {segment.to.x + k * dx, segment.to.y + k * dy}});
    }
}

// Raised: grey bottom and right, white left and top; sunken the other way.
void DrawBox(HDC dc, const PixelRect& r, bool raised) {
    HPEN grey = CreatePen(PS_SOLID, kLineWidth, kBoxGrey);
    HGDIOBJ white = GetStockObject(WHITE_PEN);
    HGDIOBJ previous = GetCurrentObject(dc, OBJ_PEN);
    for (int k = 0; k < LineThickness(g_library.scale); ++k) {
        const BoxStrokes strokes = BoxStrokesOf(Inflated(r, -k, -k));
        SelectObject(dc, raised ? grey : white);
        DrawStroke(dc, strokes.first);
        SelectObject(dc, raised ? white : grey);
        DrawStroke(dc, strokes.second);
    }
    SelectObject(dc, previous);
    DeleteObject(grey);
}

void DrawEdgeLine(HDC dc, const PixelRect& r, DWORD style) {
    HPEN black = CreatePen(PS_SOLID, kLineWidth, kEdgeLineBlack);
    HGDIOBJ previous = SelectObject(dc, black);
    const bool top = (style & GTS_TOPLINE) != 0;
    DrawThickSegment(dc, EdgeLineOf(r, style, g_library.scale), top ? 0 : 1, top ? 1 : 0);
    SelectObject(dc, previous);
    DeleteObject(black);
}

void DrawPolyline(HDC dc, const PixelPoint (&points)[kEtchedPoints]) {
    POINT line[kEtchedPoints];
    for (int i = 0; i < kEtchedPoints; ++i) {
        line[i] = {points[i].x, points[i].y};
    }
    Polyline(dc, line, kEtchedPoints);
}

void DrawEtchedFrame(HDC dc, const PixelRect& title, const PixelRect& frame) {
    HPEN dark = CreatePen(PS_SOLID, kLineWidth, GetSysColor(COLOR_BTNSHADOW));
    HPEN light = CreatePen(PS_SOLID, kLineWidth, GetSysColor(COLOR_WINDOW));
    const EtchedFrame etched = EtchedFrameOf(title, frame, g_library.scale);
    const int thickness = LineThickness(g_library.scale);
    HGDIOBJ previous = SelectObject(dc, dark);
    for (int k = 0; k < thickness; ++k) {
        DrawPolyline(dc, DeflatedEtch(etched, k).dark);
    }
    SelectObject(dc, light);
    for (int k = 0; k < thickness; ++k) {
        DrawPolyline(dc, DeflatedEtch(etched, k).light);
    }
    SelectObject(dc, previous);
    DeleteObject(dark);
    DeleteObject(light);
}

// One line from the top edge over the background colour, unclipped, with
// rules beside it for a heading. Returns the height of the text.
int PaintSingleLine(HDC dc, DWORD style, const char* text, int length, const PixelRect& r) {
    const LineOrigin origin = LineOriginOf(r, style);
    if (origin.anchor == Anchor::Right) {
        SetTextAlign(dc, TA_RIGHT);
    } else if (origin.anchor == Anchor::Centre) {
        SetTextAlign(dc, TA_CENTER);
    }
    const RECT opaque = ToRect(r);
    ExtTextOutA(dc, origin.x, r.top, ETO_OPAQUE, &opaque, text, static_cast<UINT>(length), nullptr);
    if (origin.anchor != Anchor::Left) {
        SetTextAlign(dc, TA_LEFT | TA_TOP);
    }
    if ((style & GTS_HEADING) == 0) {
        return 0;
    }
    SIZE extent{};
    GetTextExtentPointA(dc, text, length, &extent);
    const HeadingRules rules = HeadingRulesOf(r, origin, extent.cx, extent.cy, g_library.scale);
    if (rules.leftShown) {
        DrawThickSegment(dc, rules.left, 0, 1);
    }
    if (rules.rightShown) {
        DrawThickSegment(dc, rules.right, 0, 1);
    }
    return extent.cy;
}

// Word-wrapped text, on light grey unless the parent's background is to
// show; a group frame round it takes the text as its title. r becomes the
// title's extent for a group frame. Returns the height of the text.
int PaintMultiLine(HDC dc, DWORD style, const char* text, int length, PixelRect& r,
                   int callerRight) {
    if (FillsBackground(style) && !r.empty()) {
        const RECT fill = ToRect(r);
        FillRect(dc, &fill, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    }
    const PixelRect frame = r;
    const bool group = (style & GTS_GROUP) != 0;
    if (group) {
        r = GroupTextRect(frame, g_library.scale);
    }
    const UINT format = MultiLineFormat(style);
    RECT textRect = ToRect(r);
    const int height = DrawTextA(dc, text, length, &textRect, format);
    if (group) {
        if (length > 0) {
            RECT measured = ToRect(r);
            DrawTextA(dc, text, length, &measured, format | kCalcRect);
            r = GroupTitleExtent(ToPixelRect(measured), callerRight, style, g_library.scale);
        } else {
            r = EmptyGroupTitle(frame, g_library.scale);
        }
        DrawEtchedFrame(dc, r, frame);
    }
    return height;
}

} // namespace

void PaintStaticText(HDC dc, DWORD style, const char* text, const RECT& rect) {
    if (text == nullptr) {
        text = "";
    }
    const int length = static_cast<int>(std::strlen(text));
    const bool raised = (style & GTS_RAISED) != 0;
    PixelRect r = ToPixelRect(rect);

    if (style & GTS_BOX) {
        const BoxFrame frame = BoxFrameOf(r, g_library.scale);
        DrawBox(dc, frame.box, raised);
        r = frame.inside;
    } else if (style & (GTS_TOPLINE | GTS_LEFTLINE)) {
        DrawEdgeLine(dc, r, style);
    }

    int textHeight = 0;
    if (UsesSingleLinePath(style)) {
        textHeight = PaintSingleLine(dc, style, text, length, r);
        if ((style & GTS_HEADING) == 0) {
            return;
        }
    } else {
        textHeight = PaintMultiLine(dc, style, text, length, r, static_cast<int>(rect.right));
    }

    if (style & GTS_HEADING) {
        DrawBox(dc, HeadingBoxOf(r, textHeight), raised);
    }
}

} // namespace quorl
