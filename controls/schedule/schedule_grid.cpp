#include "controls/schedule/schedule_grid.h"

#include <algorithm>
#include <iterator>
#include <cstdlib>
#include <cstring>

#include "dates/dates.h"

namespace quorl::schedule {

namespace {

constexpr int kSaturdayColumn = 5;
constexpr int kSundayColumn = 6;
constexpr int kLastCell = kCells - 1;
constexpr std::uint16_t kAnyBar = kBarRight | kBarLeft;

// Layout of the grid, in pixels.
constexpr int kCellLeftInset = 3; // gap left of each cell
constexpr int kCellRightInset = 1;
constexpr int kCellTopInset = 1;
constexpr int kCellBottomInset = 1;
constexpr int kGridSideMargins = 3; // margin left, between, right
constexpr int kCellWidthSlack = 1;  // the last column may end on the margin
constexpr int kGridBottomSpace = 3; // below the last row
constexpr int kHeadingLines = 2;    // the heading band is 2 x cy high
constexpr int kBigCellHeight = 15;  // taller cells get bars and a lower number
constexpr int kNumberIndent = 2;
constexpr int kBigNumberDrop = 4;
constexpr int kSmallNumberDrop = 1;
constexpr int kBigHolidayBar = 2;
constexpr int kSmallHolidayBar = 1;
constexpr int kMarkBarBottom = 2; // the bars end 2 rows above the bottom
constexpr int kMarkBarRows = 2;

constexpr std::uint32_t kLowWord = 0xFFFF;
constexpr int kHighWordShift = 16;

// Days 1 to 9 with a leading blank, two characters per day from 0 on.
constexpr char kDigitTable[] = "00 1 2 3 4 5 6 7 8 910111213141516171819202122232425262728293031-1";
constexpr char kNoDigits[] = "  ";

bool IsMonth(int month) {
    return month >= 1 && month <= kMonthsPerYear;
}

bool IsRange(const DateEntry& entry) {
    return entry.end.day != 0 && entry.end.month != 0;
}

void MarkRange(std::uint16_t* cells, int start, int end) {
    if (start >= 0) {
        const std::uint16_t had = cells[start] & kBarRight;
        cells[start] |= kBarRight | (had != 0 ? kBarRight2 : 0);
    }
    if (end <= kLastCell) {
        const std::uint16_t had = cells[end] & kBarLeft;
        cells[end] |= kBarLeft | (had != 0 ? kBarLeft2 : 0);
    }
    const int first = std::max(start, -1) + 1;
    const int last = std::min(end, kCells) - 1;
    for (int i = first; i <= last; ++i) {
        const bool had = (cells[i] & kAnyBar) != 0;
        cells[i] |= kAnyBar | (had ? kBarRight2 | kBarLeft2 : 0);
    }
}

void PlaceRange(std::uint16_t* cells, const DateRec& base, const DateEntry& entry,
                RebuildMode mode) {
    if (!IsMonth(entry.end.month)) {
        return;
    }
    int start = 0;
    int end = 0;
    EntryOffset(base, entry.start, &start);
    EntryOffset(base, entry.end, &end);
    if (end < 0 || start > kLastCell) {
        return;
    }
    if (mode == RebuildMode::kMarks) {
        MarkRange(cells, start, end);
        return;
    }
    for (int i = std::max(start, 0); i <= std::min(end, kLastCell); ++i) {
        cells[i] |= kHolidayRange;
    }
}

} // namespace

DateRec FirstCellDate(const DateRec& date) {
    int weekday = WeekdayOf(1, date.month, date.year);
    if (weekday == kMonday) {
        weekday = kDaysPerWeek;
    }
    int month = date.month - 1;
    int year = date.year;
    if (month < 1) {
        month = kMonthsPerYear;
        --year;
    }
    DateRec first{};
    first.year = static_cast<short>(year);
    first.month = static_cast<signed char>(month);
    first.day = static_cast<signed char>(MonthLength(month, year) - weekday + 1);
    return first;
}

int RebuildCells(GridState& grid, const DateEntry* entries, int count, RebuildMode mode) {
    const DateRec base = FirstCellDate(grid.date);
    if (mode == RebuildMode::kHolidays) {
        std::fill(std::begin(grid.cells), std::end(grid.cells), std::uint16_t{0});
    }
    DateRec day = base;
    for (int i = 0; i < kCells; ++i, AddNDays(&day, 1)) {
        const int column = i % kColumns;
        if (column == kSaturdayColumn || column == kSundayColumn) {
            grid.cells[i] |= kRed;
        }
        if (day.month == grid.date.month) {
            grid.cells[i] |= kInMonth;
        } else {
            grid.cells[i] &= static_cast<std::uint16_t>(~kInMonth);
        }
    }
    for (int e = 0; entries != nullptr && e < count; ++e) {
        const DateEntry& entry = entries[e];
        if (entry.start.day == 0 || !IsMonth(entry.start.month)) {
            continue;
        }
        if (IsRange(entry)) {
            PlaceRange(grid.cells, base, entry, mode);
            continue;
        }
        int cell = 0;
        if (EntryOffset(base, entry.start, &cell)) {
            grid.cells[cell] |= kRed;
        }
    }
    return 1;
}

PointResult CellAtPoint(const GridState& grid, std::uint32_t point, DateRec* out) {
    if (out == nullptr || grid.cellWidth <= 0 || grid.cellHeight <= 0) {
        return PointResult::kIgnored;
    }
    const int x = static_cast<int>(point & kLowWord);
    const int y = static_cast<int>(point >> kHighWordShift);
    const PixelPoint origin = GridOrigin(grid);
    const int column = std::clamp((x - grid.margin) / grid.cellWidth, 0, kColumns - 1);
    const int row = std::clamp((y - origin.y) / grid.cellHeight, 0, kRows - 1);
    DateRec date = FirstCellDate(grid.date);
    AddNDays(&date, row * kColumns + column);
    const bool otherMonth = date.month != grid.date.month || date.year != grid.date.year;
    *out = date;
    return otherMonth ? PointResult::kOtherMonth : PointResult::kSameMonth;
}

CellSize CellSizeFor(const GridState& grid, int clientWidth, int clientHeight) {
    const PixelPoint origin = GridOrigin(grid);
    return {(clientWidth - kGridSideMargins * grid.margin + kCellWidthSlack) / kColumns,
            (clientHeight - origin.y - kGridBottomSpace) / kRows};
}

PixelPoint GridOrigin(const GridState& grid) {
    return {grid.margin + 1, kHeadingLines * grid.charHeight + grid.boxHeight};
}

PixelRect CellRect(int cell, const CellSize& size, Scale scale) {
    const int row = cell / kColumns;
    const int column = cell % kColumns;
    return {column * size.width + scale(kCellLeftInset), row * size.height + scale(kCellTopInset),
            (column + 1) * size.width + scale(kCellRightInset),
            (row + 1) * size.height - scale(kCellBottomInset)};
}

bool CentredColumnTitles(const GridState& grid, int clientWidth) {
    return clientWidth - 2 * grid.margin + 1 > kCentredTitlesAbove;
}

int ColumnTitleX(int column, const CellSize& size, bool centred) {
    return (centred ? size.width / 2 : 0) + column * size.width;
}

const char* DayDigits(int day) {
    if (day < 1 || day > kLongestMonth) {
        return kNoDigits;
    }
    return kDigitTable + 2 * day;
}

DayCellLayout LayoutDayCell(const PixelRect& cell, Scale scale) {
    DayCellLayout layout{};
    layout.big = cell.height() > scale(kBigCellHeight);
    layout.number = {cell.left + scale(kNumberIndent),
                     cell.top + scale(layout.big ? kBigNumberDrop : kSmallNumberDrop)};
    layout.holidayBar = {cell.left,
                         cell.bottom - scale(layout.big ? kBigHolidayBar : kSmallHolidayBar),
                         cell.right, cell.bottom};
    const int middle = cell.left + cell.width() / 2;
    const int barBottom = cell.bottom - scale(kMarkBarBottom);
    const int barTop = barBottom - scale(kMarkBarRows);
    layout.leftBar = {cell.left, barTop, middle, barBottom};
    layout.rightBar = {middle, barTop, cell.right, barBottom};
    return layout;
}

CellColours ColoursOf(std::uint16_t flags) {
    if ((flags & kCurrent) != 0) {
        return {kDarkGreyColour, kWhiteColour};
    }
    if ((flags & kInMonth) == 0) {
        return {kLightGreyColour, kDarkGreyColour};
    }
    return {kLightGreyColour, (flags & kRed) != 0 ? kDarkRedColour : kBlackColour};
}

std::uint32_t LeftBarColour(std::uint16_t flags) {
    return (flags & kBarLeft2) != 0 ? kDarkBlueColour : kDarkGreenColour;
}

std::uint32_t RightBarColour(std::uint16_t flags) {
    return (flags & kBarRight2) != 0 ? kDarkBlueColour : kDarkGreenColour;
}

int ReadMarkText(const char* text, DateEntry* entries) {
    if (text == nullptr || entries == nullptr) {
        return 0;
    }
    const std::size_t size = std::strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(size));
    if (copy == nullptr) {
        return 0;
    }
    std::memcpy(copy, text, size);
    const int count = ParseDateItems(copy, entries, kMaxMarks);
    std::free(copy);
    return count;
}

void FieldNameOf(const char* creationText, char* name) {
    name[0] = '\0';
    if (creationText == nullptr || creationText[0] != ',') {
        return;
    }
    const char* rest = creationText + 1;
    std::size_t length = 0;
    while (length <= kFieldNameLength && rest[length] != '\0') {
        ++length;
    }
    if (length > kFieldNameLength) {
        return;
    }
    std::memcpy(name, rest, length);
    name[length] = '\0';
}

} // namespace quorl::schedule
