#include <climits>

#include "dates/dates.h"
#include "dates/environment.h"

namespace quorl {

namespace {

constexpr int kCommonMonthLengths[kMonthsPerYear] = {31, 28, 31, 30, 31, 30,
                                                     31, 31, 30, 31, 30, 31};
constexpr int kDaysBeforeMonth[kMonthsPerYear] = {0,   31,  59,  90,  120, 151,
                                                  181, 212, 243, 273, 304, 334};
constexpr int kJanuary = 1;
constexpr int kFebruary = 2;
constexpr int kMarch = 3;
constexpr int kDecember = 12;
constexpr int kDaysPerYear = 365;
constexpr int kLeapCycleYears = 4;
// Any 48 consecutive months hold exactly this many days under the leap rule.
constexpr int kDaysPerLeapCycle = kLeapCycleYears * kDaysPerYear + 1;
// Day 1 (1 January 1920) is a Thursday.
constexpr int kWeekdayShift = 2;

long long FloorDiv(long long value, long long divisor) {
    long long quotient = value / divisor;
    if (value % divisor != 0 && (value < 0) != (divisor < 0)) {
        --quotient;
    }
    return quotient;
}

long long FloorMod(long long value, long long divisor) {
    return value - FloorDiv(value, divisor) * divisor;
}

bool IsLeapYear(long long year) {
    return year % kLeapCycleYears == 0;
}

bool IsMonth(long long month) {
    return month >= kJanuary && month <= kDecember;
}

int LengthOf(int month, long long year) {
    if (!IsMonth(month)) {
        return 0;
    }
    return kCommonMonthLengths[month - 1] + (month == kFebruary && IsLeapYear(year) ? 1 : 0);
}

// Day number of any year, month and day; floor division keeps it exact
// before 1920, and months outside 1 to 12 carry into the neighbouring years.
long long DayCount(long long year, long long month, long long day) {
    year += FloorDiv(month - 1, kMonthsPerYear);
    month = FloorMod(month - 1, kMonthsPerYear) + 1;
    const long long k = year - kFirstYear;
    long long count = kDaysPerYear * k + FloorDiv(k + kLeapCycleYears - 1, kLeapCycleYears) +
                      kDaysBeforeMonth[month - 1] + day;
    if (month >= kMarch && IsLeapYear(year)) {
        ++count;
    }
    return count;
}

int WeekdayOfCount(long long dayCount) {
    return static_cast<int>(FloorMod(dayCount + kWeekdayShift, kDaysPerWeek));
}

} // namespace

int MonthLength(int month, int year) {
    return LengthOf(month, year);
}

int DayNumber(const DateRec& date) {
    return static_cast<int>(DayCount(date.year, date.month, date.day));
}

int DayNumberOf(int day, int month, int year) {
    return static_cast<int>(DayCount(year, month, day));
}

int DayOfDate(const DateRec* date) {
    if (date == nullptr) {
        return -1;
    }
    return WeekdayOfCount(DayCount(date->year, date->month, date->day));
}

int WeekdayOf(int day, int month, int year) {
    return WeekdayOfCount(DayCount(year, month, day));
}

void Today(DateRec* date) {
    if (date == nullptr) {
        return;
    }
    const CalendarDate now = CurrentDateEnvironment().currentDate();
    date->year = static_cast<short>(now.year);
    date->month = static_cast<signed char>(now.month);
    date->day = static_cast<signed char>(now.day);
}

int AddNDays(DateRec* date, int n) {
    if (date == nullptr || !IsMonth(date->month)) {
        return 0;
    }
    const int startMonth = date->month;
    int month = startMonth;
    long long year = date->year;
    long long t = static_cast<long long>(date->day) + n;
    if (n > 0) {
        // Whole four-year cycles first, so that huge steps stay quick.
        if (t > kDaysPerLeapCycle) {
            const long long cycles = (t - 1) / kDaysPerLeapCycle;
            t -= cycles * kDaysPerLeapCycle;
            year += cycles * kLeapCycleYears;
        }
        while (t > LengthOf(month, year)) {
            t -= LengthOf(month, year);
            if (++month > kDecember) {
                month = kJanuary;
                ++year;
            }
        }
    } else {
        if (t <= -kDaysPerLeapCycle) {
            const long long cycles = -t / kDaysPerLeapCycle;
            t += cycles * kDaysPerLeapCycle;
            year -= cycles * kLeapCycleYears;
        }
        while (t < 1) {
            if (--month < kJanuary) {
                month = kDecember;
                --year;
            }
            t += LengthOf(month, year);
        }
    }
    if (year < SHRT_MIN || year > SHRT_MAX) {
        return 0;
    }
    // t fits: the walk ends inside a month, or t is the untouched sum of a
    // day and a step that did not need walking.
    date->day = static_cast<signed char>(t);
    date->month = static_cast<signed char>(month);
    date->year = static_cast<short>(year);
    return month == startMonth ? 0 : n;
}

} // namespace quorl
