// The month grid of the schedule control without the window system: which
// date each of the 42 cells shows, the cell flags from holidays and marks,
// the cell under a mouse point, the layout of the painted grid, and the
// reading of mark texts.
#pragma once

#include <cstdint>

#include "core/geometry.h"
#include "dates/holidays.h"
#include "quorl32_dates.h"

namespace quorl::schedule {

constexpr int kColumns = 7; // Monday to Sunday
constexpr int kRows = 6;
constexpr int kCells = kGridCells;
static_assert(kColumns * kRows == kCells);

// Cell flags, one 16-bit word per cell.
enum CellFlag : std::uint16_t {
    kBarRight = 0x0001,     // a marked range starts here or runs through
    kBarLeft = 0x0002,      // a marked range ends here or runs through
    kBarRight2 = 0x0004,    // a second range covers the right half
    kBarLeft2 = 0x0008,     // a second range covers the left half
    kHolidayRange = 0x0010, // the day lies in a holiday range
    kRed = 0x0200,          // weekend, single-day holiday or single-day mark
    kCurrent = 0x0400,      // the control's current date (set by painting)
    kInMonth = 0x0800,      // the month of the current date
};

// The part of the schedule state that the grid works on, in the order in
// which the state block holds it: the font metrics of "x", the margin, the
// month box height, the cell size of the last painting, the current date
// and the cell flags.
struct GridState {
    std::int32_t charWidth;
    std::int32_t charHeight;
    std::int32_t margin; // charWidth + 2
    std::int32_t boxHeight;
    std::int32_t cellWidth; // 0 until the first painting
    std::int32_t cellHeight;
    DateRec date;
    std::uint16_t cells[kCells];
};

enum class RebuildMode {
    kHolidays, // starts from cleared flags
    kMarks,    // adds bars and red days to the flags there are
};

// The date of cell 0 for the month of date: the first of the month lies
// in cell 1 to 7, so the first row always starts in the previous month.
DateRec FirstCellDate(const DateRec& date);

// Recomputes the cell flags of grid from count entries. Returns 1.
int RebuildCells(GridState& grid, const DateEntry* entries, int count, RebuildMode mode);

enum class PointResult {
    kIgnored,    // no painting yet, or cells of no size: nothing stored
    kSameMonth,  // the date under the point lies in the current month
    kOtherMonth, // ... in another month or year
};

// Stores the date of the cell under the packed client point (x low, y high
// 16 bits, both unsigned) into *out, which may be &grid.date. A point
// outside the grid selects the nearest cell of its row or column.
PointResult CellAtPoint(const GridState& grid, std::uint32_t point, DateRec* out);

// True when both dates have all three fields equal.
inline bool SameDate(const DateRec& a, const DateRec& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// --- Layout of the painting (client size W x Hc) ------------------------

struct CellSize {
    int width;
    int height;
    bool usable() const { return width > 0 && height > 0; }
};

CellSize CellSizeFor(const GridState& grid, int clientWidth, int clientHeight);

// Client point that becomes (0, 0) for the separator, titles and cells.
PixelPoint GridOrigin(const GridState& grid);

// Rectangle of cell i in grid coordinates; its insets (for 96 pixels per
// inch) grow with scale.
PixelRect CellRect(int cell, const CellSize& size, Scale scale = {});

// Column titles sit centred over their column when the grid is wider than
// this, else at the column's left edge.
constexpr int kCentredTitlesAbove = 20;
bool CentredColumnTitles(const GridState& grid, int clientWidth);
int ColumnTitleX(int column, const CellSize& size, bool centred);

// The two characters of a day number, " 1" to "31"; blanks for a day
// outside 1 to 31.
const char* DayDigits(int day);

// Where one cell's parts go, for a cell rectangle (l, t, r, b); indents,
// drops, bars and the 15 pixels grow with scale.
struct DayCellLayout {
    bool big;             // taller than 15 pixels: mark bars and the lower number
    PixelPoint number;    // text origin of the day number
    PixelRect holidayBar; // bottom rows in dark red
    PixelRect leftBar;    // mark bar halves, only when big
    PixelRect rightBar;
};
DayCellLayout LayoutDayCell(const PixelRect& cell, Scale scale = {});

// Colours as 0x00BBGGRR values.
constexpr std::uint32_t kLightGreyColour = 0xC0C0C0;
constexpr std::uint32_t kDarkGreyColour = 0x808080;
constexpr std::uint32_t kWhiteColour = 0xFFFFFF;
constexpr std::uint32_t kBlackColour = 0x000000;
constexpr std::uint32_t kDarkRedColour = 0x00007F;
constexpr std::uint32_t kDarkGreenColour = 0x007F00;
constexpr std::uint32_t kDarkBlueColour = 0x7F0000;

struct CellColours {
    std::uint32_t background;
    std::uint32_t text;
};
CellColours ColoursOf(std::uint16_t flags);
std::uint32_t LeftBarColour(std::uint16_t flags);
std::uint32_t RightBarColour(std::uint16_t flags);

// --- Mark texts -----------------------------------------------------------

// At most this many items of one mark text are placed; later ones are
// ignored.
constexpr int kMaxMarks = 7200;

// Reads a zero-terminated mark text into entries (kMaxMarks of them, which
// the caller zeroes), working on a private copy; returns the number of
// entries read, 0 for a null text or when no copy can be made.
int ReadMarkText(const char* text, DateEntry* entries);

// --- Creation text --------------------------------------------------------

constexpr int kFieldNameLength = 10;

// The field name of a creation text ",name" of at most 11 characters, into
// name (kFieldNameLength + 1 bytes); empty for any other text.
void FieldNameOf(const char* creationText, char* name);

} // namespace quorl::schedule
