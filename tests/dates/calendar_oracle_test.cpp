// The calendar against the standard library's Gregorian calendar, which
// agrees with the leap rule "every year divisible by 4" from 1901 to 2099.
#include <gtest/gtest.h>

#include <chrono>

#include "dates/dates.h"

namespace {

namespace chrono = std::chrono;

constexpr chrono::year_month_day kFirstDay{chrono::year{1901}, chrono::January, chrono::day{1}};
constexpr chrono::year_month_day kLastDay{chrono::year{2099}, chrono::December, chrono::day{31}};
constexpr chrono::year_month_day kDayZero{chrono::year{1919}, chrono::December, chrono::day{31}};

DateRec ToDateRec(const chrono::year_month_day& date) {
    return DateRec{static_cast<short>(static_cast<int>(date.year())),
                   static_cast<signed char>(static_cast<unsigned>(date.day())),
                   static_cast<signed char>(static_cast<unsigned>(date.month()))};
}

bool Same(const DateRec& a, const DateRec& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

TEST(CalendarOracle, DayNumbersAndWeekdaysOfEveryDate) {
    const chrono::sys_days origin{kDayZero};
    int mismatches = 0;
    for (chrono::sys_days day{kFirstDay}; day <= chrono::sys_days{kLastDay};
         day += chrono::days{1}) {
        const DateRec date = ToDateRec(chrono::year_month_day{day});
        const int expectedNumber = static_cast<int>((day - origin).count());
        const int expectedWeekday =
            static_cast<int>(chrono::weekday{day}.iso_encoding()) - 1; // Monday is 0
        if (quorl::DayNumber(date) != expectedNumber ||
            quorl::DayOfDate(&date) != expectedWeekday) {
            if (++mismatches < 10) {
                ADD_FAILURE() << date.day << "." << date.month << "." << date.year;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(CalendarOracle, StepsFromEveryDate) {
    const int steps[] = {0,    1,    -1,    7,    -7,    28,    -28,    29,    -29,   30,
                         -30,  31,   -31,   59,   -59,   60,    -60,    365,   -365,  366,
                         -366, 1461, -1461, 3652, -3652, 10000, -10000, 36500, -36500};
    const chrono::sys_days first{kFirstDay};
    const chrono::sys_days last{kLastDay};
    long long compared = 0;
    int mismatches = 0;
    for (chrono::sys_days day = first; day <= last; day += chrono::days{1}) {
        const DateRec start = ToDateRec(chrono::year_month_day{day});
        for (int n : steps) {
            const chrono::sys_days target = day + chrono::days{n};
            if (target < first || target > last) {
                continue;
            }
            DateRec date = start;
            const int result = quorl::AddNDays(&date, n);
            const DateRec expected = ToDateRec(chrono::year_month_day{target});
            const int expectedResult = expected.month == start.month ? 0 : n;
            ++compared;
            if (!Same(date, expected) || result != expectedResult) {
                if (++mismatches < 10) {
                    ADD_FAILURE() << start.day << "." << start.month << "." << start.year << " + "
                                  << n << " gave " << date.day << "." << date.month << "."
                                  << date.year << " returning " << result;
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(compared, 2'000'000);
}

} // namespace
