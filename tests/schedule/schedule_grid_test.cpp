// The month grid without windows: first cells, holiday and mark flags, hit
// testing and mark texts. Every expected value is worked out by hand from
// the calendar (27 November 1995, a Monday, is cell 0 of December 1995).
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

// "x" 6 x 10, margin 8, box height 20: the grid starts at client y 40.
GridState Grid(DateRec date, const char* holidays = nullptr, const char* marks = nullptr) {
    GridState grid{6, 10, 8, 20, 30, 20, date, {kBarRight | kCurrent}};
    std::vector<DateEntry> entries(kMaxMarks);
    int count = ReadMarkText(holidays, entries.data());
    RebuildCells(grid, entries.data(), count, RebuildMode::kHolidays);
    entries.assign(kMaxMarks, DateEntry{});
    count = ReadMarkText(marks, entries.data());
    RebuildCells(grid, entries.data(), count, RebuildMode::kMarks);
    return grid;
}

TEST(FirstCell, LiesInThePreviousMonth) {
    EXPECT_EQ(FirstCellDate(D(15, 12, 1995)), D(27, 11, 1995)); // the 1st is a Friday
    EXPECT_EQ(FirstCellDate(D(1, 1, 1996)), D(25, 12, 1995));   // Monday: second row
    EXPECT_EQ(FirstCellDate(D(31, 3, 1996)), D(26, 2, 1996));   // after 29 February
    EXPECT_EQ(FirstCellDate(D(1, 1, 1920)), D(29, 12, 1919));
}

struct FlagCase {
    const char* what;
    DateRec shown;
    int cell;
    std::uint16_t flags;
};

class HolidayFlags : public testing::TestWithParam<FlagCase> {};

TEST_P(HolidayFlags, FromTheDefaultList) {
    const GridState grid = Grid(GetParam().shown, quorl::kDefaultHolidayText);
    EXPECT_EQ(grid.cells[GetParam().cell], GetParam().flags) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, HolidayFlags,
    testing::Values(FlagCase{"27 Nov, other month", D(4, 12, 1995), 0, 0},
                    FlagCase{"1 Dec, Friday", D(4, 12, 1995), 4, kInMonth},
                    FlagCase{"2 Dec, Saturday", D(4, 12, 1995), 5, kInMonth | kRed},
                    FlagCase{"25 Dec, Monday", D(4, 12, 1995), 28, kInMonth | kHolidayRange},
                    FlagCase{"26 Dec, Tuesday", D(4, 12, 1995), 29, kInMonth | kHolidayRange},
                    FlagCase{"1 Jan 1996 not marked", D(4, 12, 1995), 35, 0},
                    FlagCase{"3 Oct, Tuesday", D(1, 10, 1995), 8, kInMonth | kRed},
                    FlagCase{"26 Dec 1995 in January", D(1, 1, 1996), 1, 0}));

struct MarkCase {
    const char* marks;
    std::vector<std::uint16_t> cells; // cells 7 to 11 (4 to 8 December)
};

class MarkFlags : public testing::TestWithParam<MarkCase> {};

TEST_P(MarkFlags, AddToTheHolidays) {
    const GridState grid = Grid(D(15, 12, 1995), "", GetParam().marks);
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
                    MarkCase{"4.12.05-8.12.05", {0, 0, 0, 0, 0}})); // 1905: refused

TEST(MarkFlags, RangesCutAtTheGridEdges) {
    GridState grid = Grid(D(15, 12, 1995), "", "20.11.1995-10.1.1996");
    for (int cell = 0; cell < kCells; ++cell) {
        EXPECT_EQ(grid.cells[cell] & (kBothBlue | kHolidayRange), kBoth) << cell;
    }
    grid = Grid(D(15, 12, 1995), "", "1.11.1995-28.11.1995, 6.1.1996-20.1.1996, 13.12.1995");
    EXPECT_EQ(grid.cells[0], kBoth);
    EXPECT_EQ(grid.cells[1], kBarLeft);
    EXPECT_EQ(grid.cells[39], 0);
    EXPECT_EQ(grid.cells[40], kBarRight | kRed);
    EXPECT_EQ(grid.cells[41], kBoth | kRed);
    EXPECT_EQ(grid.cells[16], kInMonth | kRed); // single day, Wednesday 13 December
}

struct PointCase {
    int x;
    int y;
    DateRec date;
    PointResult result;
};

class HitTest : public testing::TestWithParam<PointCase> {};

TEST_P(HitTest, FindsTheCellUnderThePoint) {
    const GridState grid = Grid(D(15, 12, 1995));
    DateRec date{};
    const auto point = static_cast<std::uint32_t>(GetParam().y << 16 | GetParam().x);
    EXPECT_EQ(CellAtPoint(grid, point, &date), GetParam().result);
    EXPECT_EQ(date, GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(
    December1995, HitTest,
    testing::Values(PointCase{37, 59, D(27, 11, 1995), PointResult::kOtherMonth}, // cell 0
                    PointCase{38, 60, D(5, 12, 1995), PointResult::kSameMonth},   // cell 8
                    PointCase{130, 5, D(1, 12, 1995), PointResult::kSameMonth},   // heading
                    PointCase{0, 100, D(18, 12, 1995), PointResult::kSameMonth},  // left of it
                    PointCase{0xFFFF, 0xFFFF, D(7, 1, 1996), PointResult::kOtherMonth}));

TEST(HitTest, CellsWithoutSizeIgnoreThePress) {
    for (const auto& [width, height] : {std::pair{0, 20}, {30, 0}, {-4, 20}}) {
        GridState grid = Grid(D(15, 12, 1995));
        grid.cellWidth = width;
        grid.cellHeight = height;
        EXPECT_EQ(CellAtPoint(grid, 40u << 16 | 8u, &grid.date), PointResult::kIgnored);
        EXPECT_EQ(grid.date, D(15, 12, 1995));
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
}

} // namespace
