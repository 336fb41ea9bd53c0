// Painting of the schedule control: frame, heading, column titles and the
// 42 day cells in one pass. Every fill is opaque text output, so nothing
// relies on an erased background, and no pen or brush is created: the
// shared pens and stock objects serve.
#include "controls/schedule/schedule_block.h"
#include "core/geometry.h"
#include "core/helpers.h"
#include "core/library.h"
#include "core/rect_convert.h"
#include "dates/dates.h"
#include "quorl32.h"

namespace quorl::schedule {

namespace {

constexpr UINT kClippedText = ETO_CLIPPED;
constexpr UINT kOpaqueClippedText = ETO_OPAQUE | ETO_CLIPPED;
constexpr int kHeadingTop = 4;
constexpr int kSeparatorLightRow = -2; // above the column titles, minus H
constexpr int kSeparatorDarkRow = -1;
constexpr int kTitleRow = 2;
constexpr int kTitleLength = 2;
constexpr int kDigits = 2;
constexpr int kHeadingSize = 48;
constexpr char kHeadingFormat[] = "    %s %2d.%2d.%4d";

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void FillBar(HDC dc, const PixelRect& area, COLORREF colour) {
    SetBkColor(dc, colour);
    const RECT r = ToRect(area);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, "", 0, nullptr);
}

// A one-pixel frame one pixel inside r: raised is light top and left, dark
// bottom and right; sunken the other way round.
void Draw3DFrame(HDC dc, const PixelRect& r, bool raised) {
    const int l = r.left + 1;
    const int t = r.top + 1;
    const int rt = r.right - 1;
    const int b = r.bottom - 1;
    HGDIOBJ dark = g_library.darkGreyPen;
    HGDIOBJ white = GetStockObject(WHITE_PEN);
    HGDIOBJ previous = SelectObject(dc, raised ? dark : white);
    MoveToEx(dc, l, b, nullptr);
    LineTo(dc, rt, b);
    LineTo(dc, rt, t);
    SelectObject(dc, raised ? white : dark);
    MoveToEx(dc, l, b, nullptr);
    LineTo(dc, l, t);
    LineTo(dc, rt, t);
    SelectObject(dc, previous);
}

void DrawDayCell(HDC dc, const PixelRect& cell, int day, std::uint16_t flags) {
    const DayCellLayout layout = LayoutDayCell(cell, g_library.scale);
    const CellColours colours = ColoursOf(flags);
    SetBkColor(dc, colours.background);
    SetTextColor(dc, colours.text);
    const RECT r = ToRect(cell);
    ExtTextOutA(dc, layout.number.x, layout.number.y, kOpaqueClippedText, &r, DayDigits(day),
                kDigits, nullptr);

    HGDIOBJ previous = SelectObject(dc, g_library.darkGreyPen);
    MoveToEx(dc, cell.left, cell.bottom, nullptr);
    LineTo(dc, cell.right, cell.bottom);
    LineTo(dc, cell.right, cell.top);
    LineTo(dc, cell.left, cell.top);
    LineTo(dc, cell.left, cell.bottom);

    if ((flags & kHolidayRange) != 0) {
        FillBar(dc, layout.holidayBar, kDarkRedColour);
    }
    if (layout.big && (flags & kBarLeft) != 0) {
        FillBar(dc, layout.leftBar, LeftBarColour(flags));
    }
    if (layout.big && (flags & kBarRight) != 0) {
        FillBar(dc, layout.rightBar, RightBarColour(flags));
    }
    SelectObject(dc, previous);
}

void DrawHeading(HDC dc, const ScheduleBlock& block, const RECT& client) {
    const DateRec& date = block.grid.date;
    const int weekday = quorl::DayOfDate(&date);
    char text[kHeadingSize];
    const int length =
        wsprintfA(text, kHeadingFormat, kShortWeekdayNames[weekday >= 0 ? weekday : 0],
                  int{date.day}, int{date.month}, int{date.year});
    SetTextAlign(dc, TA_RIGHT);
    ExtTextOutA(dc, client.right - block.grid.margin, kHeadingTop, kClippedText, &client, text,
                length, nullptr);
}

void DrawSeparator(HDC dc, const ScheduleBlock& block, int width) {
    const int right = width - 2 * block.grid.margin;
    const int boxHeight = block.grid.boxHeight;
    SelectObject(dc, GetStockObject(WHITE_PEN));
    Line(dc, -1, kSeparatorLightRow - boxHeight, right, kSeparatorLightRow - boxHeight);
    SelectObject(dc, g_library.darkGreyPen);
    Line(dc, -1, kSeparatorDarkRow - boxHeight, right, kSeparatorDarkRow - boxHeight);
}

void DrawColumnTitles(HDC dc, const ScheduleBlock& block, const CellSize& size, int width) {
    const bool centred = CentredColumnTitles(block.grid, width);
    SetTextColor(dc, kBlackColour);
    SetBkColor(dc, kLightGreyColour);
    SetTextAlign(dc, centred ? TA_CENTER : TA_LEFT);
    for (int column = 0; column < kColumns; ++column) {
        ExtTextOutA(dc, ColumnTitleX(column, size, centred), kTitleRow - block.grid.boxHeight, 0,
                    nullptr, kShortWeekdayNames[column], kTitleLength, nullptr);
    }
    SetTextAlign(dc, TA_LEFT);
}

void DrawCells(HDC dc, ScheduleBlock& block, const CellSize& size) {
    DateRec today{};
    Today(&today);
    DateRec day = FirstCellDate(block.grid.date);
    for (int i = 0; i < kCells; ++i, quorl::AddNDays(&day, 1)) {
        std::uint16_t& flags = block.grid.cells[i];
        if (SameDate(day, block.grid.date)) {
            flags |= kCurrent;
        } else {
            flags &= static_cast<std::uint16_t>(~kCurrent);
        }
        const PixelRect cell = CellRect(i, size, g_library.scale);
        DrawDayCell(dc, cell, day.day, flags);
        if (SameDate(day, today)) {
            Draw3DFrame(dc, cell, true);
        }
    }
}

// Heading, separator, titles and cells. A control too small for cells of
// at least one pixel shows the heading and separator only.
void PaintContents(HWND window, HDC dc, ScheduleBlock& block, const RECT& client) {
    if ((GetWindowLongA(window, GWL_STYLE) & WS_BORDER) != 0) {
        Draw3DFrame(dc, {-1, -1, client.right, client.bottom},
                    GetWindowLongA(window, GSHWL_FOCUS) == 1);
    }
    const CellSize size = CellSizeFor(block.grid, client.right, client.bottom);
    block.grid.cellWidth = size.width;
    block.grid.cellHeight = size.height;
    DrawHeading(dc, block, client);

    const PixelPoint origin = GridOrigin(block.grid);
    POINT previousOrigin{};
    SetWindowOrgEx(dc, -origin.x, -origin.y, &previousOrigin);
    HGDIOBJ previousPen = SelectObject(dc, g_library.darkGreyPen);
    const UINT previousAlign = SetTextAlign(dc, TA_LEFT);
    DrawSeparator(dc, block, client.right);
    if (size.usable()) {
        DrawColumnTitles(dc, block, size, client.right);
        DrawCells(dc, block, size);
    }
    SelectObject(dc, previousPen);
    SetTextAlign(dc, previousAlign);
    SetWindowOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
}

// Without a 3-D frame the focus shows as dots; the light grey outline
// wipes out the dots of an earlier focus.
void DrawFocusMark(HWND window, HDC dc, const RECT& client) {
    if ((GetWindowLongA(window, GWL_STYLE) & WS_BORDER) != 0) {
        return;
    }
    const int right = client.right - 1;
    const int bottom = client.bottom - 1;
    if (GetFocus() == window) {
        DrawDottedRect(dc, 0, 0, right, bottom);
        return;
    }
    HGDIOBJ previous = SelectObject(dc, g_library.lightGreyPen);
    MoveToEx(dc, right, bottom, nullptr);
    LineTo(dc, right, 0);
    LineTo(dc, 0, 0);
    LineTo(dc, 0, bottom);
    LineTo(dc, right, bottom);
    SelectObject(dc, previous);
}

} // namespace

void PaintSchedule(HWND window, HDC dc, ScheduleBlock* block) {
    RECT client{};
    GetClientRect(window, &client);
    SetTextColor(dc, kBlackColour);
    SetBkColor(dc, kLightGreyColour);
    if (block != nullptr) {
        HGDIOBJ previousFont = block->font != nullptr ? SelectObject(dc, block->font) : nullptr;
        PaintContents(window, dc, *block, client);
        if (previousFont != nullptr) {
            SelectObject(dc, previousFont);
        }
    }
    DrawFocusMark(window, dc, client);
}

} // namespace quorl::schedule
