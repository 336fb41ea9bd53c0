// Day numbers, weekdays, month lengths and stepping by days.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "dates/dates.h"
#include "tests/dates/date_compare.h"
#include "tests/dates/fake_environment.h"

namespace {

using quorl::AddNDays;
using quorl::DayNumber;
using quorl::DayOfDate;

DateRec Date(int day, int month, int year) {
    return DateRec{static_cast<short>(year), static_cast<signed char>(day),
                   static_cast<signed char>(month)};
}

TEST(DayNumber, CountsFromTheLastDayOf1919) {
    EXPECT_EQ(DayNumber(Date(1, 1, 1920)), 1);
    EXPECT_EQ(DayNumber(Date(31, 12, 1920)), 366);
    EXPECT_EQ(DayNumber(Date(1, 1, 1921)), 367);
    EXPECT_EQ(DayNumber(Date(1, 3, 2000)) - DayNumber(Date(28, 2, 2000)), 2);
    EXPECT_EQ(DayNumber(Date(31, 12, 1919)), 0);
}

TEST(DayNumber, DayBeyondTheMonthCountsOn) {
    EXPECT_EQ(DayNumber(Date(31, 2, 1995)), DayNumber(Date(3, 3, 1995)));
    EXPECT_EQ(DayNumber(Date(31, 2, 1996)), DayNumber(Date(2, 3, 1996)));
    EXPECT_EQ(DayNumber(Date(0, 1, 1995)), DayNumber(Date(31, 12, 1994)));
}

TEST(DayNumber, MonthOutsideTheYearCarriesIntoNeighbouringYears) {
    EXPECT_EQ(DayNumber(Date(1, 13, 1995)), DayNumber(Date(1, 1, 1996)));
    EXPECT_EQ(DayNumber(Date(1, 0, 1995)), DayNumber(Date(1, 12, 1994)));
    EXPECT_EQ(DayNumber(Date(1, -11, 1996)), DayNumber(Date(1, 1, 1995)));
    EXPECT_EQ(quorl::DayNumberOf(1, 1, 40000) - quorl::DayNumberOf(1, 1, 39996), 1461);
}

TEST(DayOfDate, WeekdaysOfKnownDates) {
    const DateRec first = Date(1, 1, 1920);
    EXPECT_EQ(DayOfDate(&first), quorl::kThursday);
    const DateRec monday = Date(4, 12, 1995);
    EXPECT_EQ(DayOfDate(&monday), quorl::kMonday);
    const DateRec empty{};
    EXPECT_EQ(DayOfDate(&empty), quorl::kMonday); // 30 November of the year -1
    EXPECT_EQ(quorl::WeekdayOf(1, 12, 1995), quorl::kFriday);
    EXPECT_EQ(quorl::WeekdayOf(29, 2, 1912), quorl::kThursday);
    EXPECT_EQ(DayOfDate(nullptr), -1);
}

TEST(DayOfDate, AnyRecordGivesAWeekday) {
    for (int month : {SCHAR_MIN, -1, 0, 13, SCHAR_MAX}) {
        for (int year : {SHRT_MIN, -1, 0, SHRT_MAX}) {
            for (int day : {SCHAR_MIN, 0, SCHAR_MAX}) {
                const DateRec date = Date(day, month, year);
                const int weekday = DayOfDate(&date);
                EXPECT_GE(weekday, 0);
                EXPECT_LT(weekday, 7);
            }
        }
    }
}

TEST(MonthLength, EveryFourthYearHasALeapDay) {
    EXPECT_EQ(quorl::MonthLength(1, 1995), 31);
    EXPECT_EQ(quorl::MonthLength(2, 1995), 28);
    EXPECT_EQ(quorl::MonthLength(2, 1996), 29);
    EXPECT_EQ(quorl::MonthLength(2, 2000), 29);
    EXPECT_EQ(quorl::MonthLength(2, -4), 29);
    EXPECT_EQ(quorl::MonthLength(4, 1995), 30);
    EXPECT_EQ(quorl::MonthLength(12, 1995), 31);
    EXPECT_EQ(quorl::MonthLength(0, 1995), 0);
    EXPECT_EQ(quorl::MonthLength(13, 1995), 0);
}

struct Step {
    DateRec from;
    int n;
    DateRec to;
    int result;
};

TEST(AddNDays, StepsAcrossMonthsAndYears) {
    const Step steps[] = {
        {Date(1, 3, 1996), -1, Date(29, 2, 1996), -1},
        {Date(1, 2, 1996), -1, Date(31, 1, 1996), -1},
        {Date(29, 1, 1996), 31, Date(29, 2, 1996), 31},
        {Date(31, 12, 1995), 1, Date(1, 1, 1996), 1},
        {Date(1, 1, 1995), -1, Date(31, 12, 1994), -1},
        {Date(10, 5, 1995), 0, Date(10, 5, 1995), 0},
        {Date(15, 3, 1995), 365, Date(14, 3, 1996), 0},
        {Date(31, 2, 1995), 1, Date(4, 3, 1995), 1},
        {Date(31, 2, 1995), 0, Date(31, 2, 1995), 0},
        {Date(31, 2, 1995), -1, Date(30, 2, 1995), 0},
        {Date(1, 1, 1920), -1, Date(31, 12, 1919), -1},
        {Date(31, 12, 2099), 1, Date(1, 1, 2100), 1},
        {Date(28, 2, 2100), 1, Date(29, 2, 2100), 0}, // the leap rule knows no centuries
    };
    for (const Step& step : steps) {
        DateRec date = step.from;
        EXPECT_EQ(AddNDays(&date, step.n), step.result) << step.n;
        EXPECT_EQ(date, step.to);
    }
}

TEST(AddNDays, HugeStepsAreExactAndQuick) {
    for (int n : {10'000'000, -10'000'000, 1461 * 1000, -1461 * 1000, 1462, -1461, -1462}) {
        DateRec date = Date(15, 6, 1995);
        const int before = DayNumber(date);
        AddNDays(&date, n);
        EXPECT_EQ(DayNumber(date) - before, n);
        EXPECT_GE(date.day, 1);
        EXPECT_LE(date.day, quorl::MonthLength(date.month, date.year));
    }
    DateRec date = Date(15, 6, 1995);
    AddNDays(&date, 10'000'000);
    EXPECT_EQ(date, Date(17, 12, 29373));
}

TEST(AddNDays, UnusableRecordsStayUnchanged) {
    for (int month : {0, 13, -1, SCHAR_MIN, SCHAR_MAX}) {
        DateRec date = Date(10, month, 1995);
        EXPECT_EQ(AddNDays(&date, 40), 0);
        EXPECT_EQ(date, Date(10, month, 1995));
    }
    // Years beyond the 16-bit field cannot be stored.
    for (int n : {INT_MAX, INT_MIN, 20'000'000}) {
        DateRec date = Date(1, 1, 2099);
        EXPECT_EQ(AddNDays(&date, n), 0);
        EXPECT_EQ(date, Date(1, 1, 2099));
    }
    DateRec top = Date(31, 12, SHRT_MAX);
    EXPECT_EQ(AddNDays(&top, 1), 0);
    EXPECT_EQ(top, Date(31, 12, SHRT_MAX));
    EXPECT_EQ(AddNDays(nullptr, 5), 0);
}

TEST(AddNDays, DaysOutsideTheMonthAreCarriedOrKept) {
    DateRec negative = Date(SCHAR_MIN, 5, 1995);
    EXPECT_EQ(AddNDays(&negative, 1), 0);
    EXPECT_EQ(negative.day, SCHAR_MIN + 1);
    DateRec large = Date(SCHAR_MAX, 1, 1995);
    EXPECT_EQ(AddNDays(&large, 1), 1);
    EXPECT_EQ(DayNumber(large), DayNumber(Date(SCHAR_MAX, 1, 1995)) + 1);
    DateRec kept = Date(SCHAR_MAX, 1, 1995);
    EXPECT_EQ(AddNDays(&kept, -100), 0);
    EXPECT_EQ(kept.day, SCHAR_MAX - 100);
}

TEST(Names, GermanWeekdaysAndMonthsInCodePage1252) {
    EXPECT_STREQ(quorl::kShortWeekdayNames[quorl::kMonday], "Mo");
    EXPECT_STREQ(quorl::kShortWeekdayNames[quorl::kSunday], "So");
    EXPECT_STREQ(quorl::kMonthNames[0], "Januar");
    EXPECT_STREQ(quorl::kMonthNames[11], "Dezember");
    const char* march = quorl::kMonthNames[2];
    ASSERT_EQ(std::strlen(march), 4u);
    EXPECT_EQ(static_cast<unsigned char>(march[1]), 0xE4);
}

TEST(Today, TakesTheEnvironmentsClock) {
    quorl_test::FakeDateEnvironment environment(2024, 2, 29);
    DateRec today{};
    quorl::Today(&today);
    EXPECT_EQ(today, Date(29, 2, 2024));
    quorl::Today(nullptr);
}

} // namespace
