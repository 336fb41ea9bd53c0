// The month grid without windows: first cells, holiday and mark flags, hit
// testing, layout and mark texts. Every expected value is worked out by hand
// from the calendar (27 November 1995, a Monday, is cell 0 of December 1995).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/schedule/schedule_grid.h"
#include "tests/dates/date_compare.h"

namespace {

using namespace quorl::schedule;

constexpr DateRec D(int day, int month, int year) {
    return DateRec{static_cast<short>(year), static_cast<signed char>(day),
                   static_cast<signed char>(month)};
}

constexpr std::uint16_t kBoth = kBarRight | kBarLeft;
constexpr std::uint16_t kBothBlue = kBoth | kBarRight2 | kBarLeft2;

GridState Grid(DateRec date) {
    GridState grid{};
    grid.charWidth = 6;
    grid.charHeight = 10;
    grid.margin = 8;
    grid.boxHeight = 20; // the grid starts at client y 2 * 10 + 20 = 40
    grid.cellWidth = 30;
    grid.cellHeight = 20;
    grid.date = date;
    return grid;
}

std::vector<DateEntry> Read(const char* text) {
    std::vector<DateEntry> entries(kMaxMarks);
    entries.resize(static_cast<std::size_t>(ReadMarkText(text, entries.data())));
    return entries;
}

void Rebuild(GridState& grid, const char* text, RebuildMode mode) {
    const std::vector<DateEntry> entries = Read(text);
    RebuildCells(grid, entries.data(), static_cast<int>(entries.size()), mode);
}

struct FirstCellCase {
    DateRec shown;
    DateRec first;
};

class FirstCell : public testing::TestWithParam<FirstCellCase> {};

TEST_P(FirstCell, LiesInThePreviousMonth) {
    EXPECT_EQ(FirstCellDate(GetParam().shown), GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(
    Months, FirstCell,
    testing::Values(FirstCellCase{D(15, 12, 1995), D(27, 11, 1995)}, // begins on a Friday
                    FirstCellCase{D(1, 1, 1996), D(25, 12, 1995)},   // Monday: the second row
                    FirstCellCase{D(31, 3, 1996), D(26, 2, 1996)},   // after 29 February
                    FirstCellCase{D(1, 1, 1920), D(29, 12, 1919)},   // below the first year
                    FirstCellCase{D(31, 12, 2099), D(30, 11, 2099)}));

struct FlagCase {
    const char* what;
    DateRec shown;
    int cell;
    std::uint16_t flags;
};

class HolidayFlags : public testing::TestWithParam<FlagCase> {};

TEST_P(HolidayFlags, FromTheDefaultList) {
    GridState grid = Grid(GetParam().shown);
    grid.cells[GetParam().cell] = kBarRight | kCurrent; // cleared by holiday mode
    Rebuild(grid, quorl::kDefaultHolidayText, RebuildMode::kHolidays);
    EXPECT_EQ(grid.cells[GetParam().cell], GetParam().flags) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    December1995, HolidayFlags,
    testing::Values(FlagCase{"27 Nov, other month", D(4, 12, 1995), 0, 0},
                    FlagCase{"1 Dec, Friday", D(4, 12, 1995), 4, kInMonth},
                    FlagCase{"2 Dec, Saturday", D(4, 12, 1995), 5, kInMonth | kRed},
                    FlagCase{"3 Dec, Sunday", D(4, 12, 1995), 6, kInMonth | kRed},
                    FlagCase{"25 Dec, Monday", D(4, 12, 1995), 28, kInMonth | kHolidayRange},
                    FlagCase{"26 Dec, Tuesday", D(4, 12, 1995), 29, kInMonth | kHolidayRange},
                    FlagCase{"27 Dec", D(4, 12, 1995), 30, kInMonth},
                    FlagCase{"1 Jan 1996 not marked", D(4, 12, 1995), 35, 0},
                    FlagCase{"6 Jan 1996, Saturday", D(4, 12, 1995), 40, kRed},
                    FlagCase{"3 Oct, Tuesday", D(1, 10, 1995), 8, kInMonth | kRed},
                    FlagCase{"1 Jan 1996, Monday", D(1, 1, 1996), 7, kInMonth | kRed},
                    FlagCase{"26 Dec 1995 in January", D(1, 1, 1996), 1, 0}));

struct MarkCase {
    const char* marks;
    std::vector<std::uint16_t> cells; // cells 7 to 11 (4 to 8 December)
};

class MarkFlags : public testing::TestWithParam<MarkCase> {};

TEST_P(MarkFlags, AddToTheHolidays) {
    GridState grid = Grid(D(15, 12, 1995));
    RebuildCells(grid, nullptr, 0, RebuildMode::kHolidays);
    Rebuild(grid, GetParam().marks, RebuildMode::kMarks);
    std::vector<std::uint16_t> bars;
    for (int cell = 7; cell <= 11; ++cell) {
        bars.push_back(grid.cells[cell] & ~(kInMonth | kRed));
    }
    EXPECT_EQ(bars, GetParam().cells) << GetParam().marks;
}

INSTANTIATE_TEST_SUITE_P(
    December1995, MarkFlags,
    testing::Values(MarkCase{"4.12.1995-6.12.1995", {kBarRight, kBoth, kBarLeft, 0, 0}},
                    MarkCase{"4.12.1995-6.12.1995, 5.12.1995-7.12.1995",
                             {kBarRight, kBoth | kBarRight2, kBothBlue, kBarLeft, 0}},
                    MarkCase{"8.12.1995-6.12.1995", {0, 0, kBarLeft, 0, kBarRight}}, // backwards
                    MarkCase{"6.12-7.12", {0, 0, kBarRight, kBarLeft, 0}},           // every year
                    MarkCase{"5.12.1995-5.12.1995", {0, kBoth, 0, 0, 0}},
                    MarkCase{"4.12.2020-8.12.2020", {0, 0, 0, 0, 0}},
                    MarkCase{"4.12.95-8.12.95", {kBarRight, kBoth, kBoth, kBoth, kBarLeft}},
                    MarkCase{"4.12.05-8.12.05", {0, 0, 0, 0, 0}})); // 1905: refused

TEST(MarkFlags, RangeOverTheWholeGridHasNoEnds) {
    GridState grid = Grid(D(15, 12, 1995));
    RebuildCells(grid, nullptr, 0, RebuildMode::kHolidays);
    Rebuild(grid, "20.11.1995-10.1.1996", RebuildMode::kMarks);
    for (int cell = 0; cell < kCells; ++cell) {
        EXPECT_EQ(grid.cells[cell] & (kBothBlue | kHolidayRange), kBoth) << cell;
    }
}

TEST(MarkFlags, RangesCutAtTheGridEdgesAndSingleDaysTurnRed) {
    GridState grid = Grid(D(15, 12, 1995));
    RebuildCells(grid, nullptr, 0, RebuildMode::kHolidays);
    Rebuild(grid, "1.11.1995-28.11.1995, 6.1.1996-20.1.1996, 13.12.1995, 1.2.1996-3.2.1996",
            RebuildMode::kMarks);
    EXPECT_EQ(grid.cells[0], kBoth);
    EXPECT_EQ(grid.cells[1], kBarLeft);
    EXPECT_EQ(grid.cells[39], 0);
    EXPECT_EQ(grid.cells[40], kBarRight | kRed);
    EXPECT_EQ(grid.cells[41], kBoth | kRed);
    EXPECT_EQ(grid.cells[16], kInMonth | kRed); // Wednesday 13 December
}

struct PointCase {
    const char* what;
    int x;
    int y;
    DateRec date;
    PointResult result;
};

class HitTest : public testing::TestWithParam<PointCase> {};

TEST_P(HitTest, FindsTheCellUnderThePoint) {
    const GridState grid = Grid(D(15, 12, 1995));
    DateRec date{};
    const std::uint32_t point =
        static_cast<std::uint32_t>(GetParam().y) << 16 | static_cast<std::uint32_t>(GetParam().x);
    EXPECT_EQ(CellAtPoint(grid, point, &date), GetParam().result) << GetParam().what;
    EXPECT_EQ(date, GetParam().date) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    December1995, HitTest,
    testing::Values(
        PointCase{"cell 0", 8, 40, D(27, 11, 1995), PointResult::kOtherMonth},
        PointCase{"cell 0, lower right", 37, 59, D(27, 11, 1995), PointResult::kOtherMonth},
        PointCase{"cell 8", 38, 60, D(5, 12, 1995), PointResult::kSameMonth},
        PointCase{"Friday, first row", 128, 40, D(1, 12, 1995), PointResult::kSameMonth},
        PointCase{"heading band", 130, 5, D(1, 12, 1995), PointResult::kSameMonth},
        PointCase{"left of the grid", 0, 100, D(18, 12, 1995), PointResult::kSameMonth},
        PointCase{"far right and below", 0xFFFF, 0xFFFF, D(7, 1, 1996), PointResult::kOtherMonth}));

TEST(HitTest, CellsWithoutSizeIgnoreThePress) {
    for (const auto& [width, height] : {std::pair{0, 20}, {30, 0}, {-4, 20}, {30, -1}}) {
        GridState grid = Grid(D(15, 12, 1995));
        grid.cellWidth = width;
        grid.cellHeight = height;
        DateRec date = D(2, 2, 1996);
        EXPECT_EQ(CellAtPoint(grid, 40u << 16 | 8u, &date), PointResult::kIgnored);
        EXPECT_EQ(date, D(2, 2, 1996));
    }
}

TEST(MarkText, ItemsBeyondTheListAreIgnored) {
    std::string text;
    for (int i = 0; i < kMaxMarks + 5; ++i) {
        text += "1.1,";
    }
    std::vector<DateEntry> entries(kMaxMarks + 1);
    const DateEntry guard{D(9, 9, 1999), D(9, 9, 1999)};
    entries[kMaxMarks] = guard;
    EXPECT_EQ(ReadMarkText(text.c_str(), entries.data()), kMaxMarks);
    EXPECT_EQ(entries[kMaxMarks - 1], (DateEntry{D(1, 1, 0), DateRec{}}));
    EXPECT_EQ(entries[kMaxMarks], guard);
    EXPECT_EQ(ReadMarkText(nullptr, entries.data()), 0);
}

} // namespace
