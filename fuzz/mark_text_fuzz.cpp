// Mark texts as an application sends them: read into the schedule's mark
// list and laid over a month grid, then a hit test at points from the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "controls/schedule/schedule_grid.h"
#include "dates/dates.h"

namespace {

using namespace quorl::schedule;

// Months at both ends of the years and one in between.
constexpr DateRec kGridDates[] = {{1995, 15, 12}, {1920, 1, 1}, {2099, 31, 12}, {1996, 29, 2}};
constexpr std::uint16_t kKnownFlags =
    kBarRight | kBarLeft | kBarRight2 | kBarLeft2 | kHolidayRange | kRed | kInMonth;

void CheckCells(const GridState& grid) {
    for (const std::uint16_t flags : grid.cells) {
        const bool unknown = (flags & ~kKnownFlags) != 0;
        const bool lonelyRight2 = (flags & kBarRight2) != 0 && (flags & kBarRight) == 0;
        const bool lonelyLeft2 = (flags & kBarLeft2) != 0 && (flags & kBarLeft) == 0;
        if (unknown || lonelyRight2 || lonelyLeft2) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    // Exactly the list's length, so that a write past its end is caught.
    std::vector<DateEntry> marks(kMaxMarks);
    const int count = ReadMarkText(text.data(), marks.data());
    if (count < 0 || count > kMaxMarks) {
        std::abort();
    }

    GridState grid{};
    grid.date = kGridDates[size % std::size(kGridDates)];
    grid.charWidth = 6;
    grid.charHeight = 13;
    grid.margin = 8;
    grid.boxHeight = 20;
    grid.cellWidth = 30;
    grid.cellHeight = 24;
    RebuildCells(grid, nullptr, 0, RebuildMode::kHolidays);
    RebuildCells(grid, marks.data(), count, RebuildMode::kMarks);
    RebuildCells(grid, marks.data(), count, RebuildMode::kMarks);
    CheckCells(grid);

    std::uint32_t point = 0;
    for (std::size_t i = 0; i < size && i < sizeof point; ++i) {
        point = point << 8 | data[i];
    }
    DateRec chosen{};
    const int cell = (CellAtPoint(grid, point, &chosen) != PointResult::kIgnored)
                         ? quorl::DayNumber(chosen) - quorl::DayNumber(FirstCellDate(grid.date))
                         : -1;
    if (cell < 0 || cell >= kCells) {
        std::abort();
    }
    return 0;
}
