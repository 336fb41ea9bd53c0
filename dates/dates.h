// Calendar arithmetic on DateRec: day numbers, weekdays, month lengths,
// stepping by days and reading typed dates. No window system: the clock is
// reached through the date environment (dates/environment.h).
#pragma once

#include <cstddef>

#include "quorl32_dates.h"

namespace quorl {

static_assert(sizeof(DateRec) == 4, "DateRec is part of the exported interface");
static_assert(offsetof(DateRec, day) == 2 && offsetof(DateRec, month) == 3, "DateRec layout");
static_assert(sizeof(DateEntry) == 8 && offsetof(DateEntry, end) == 4, "DateEntry layout");

constexpr int kFirstYear = QUORL_FIRST_YEAR;
constexpr int kLastYear = QUORL_LAST_YEAR;
constexpr int kMonthsPerYear = 12;
constexpr int kDaysPerWeek = 7;
constexpr int kLongestMonth = 31;

// Weekday numbers as DayOfDate gives them.
enum Weekday { kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday, kSunday };

// Column titles and heading of the schedule control, by weekday number.
inline constexpr const char* kShortWeekdayNames[kDaysPerWeek] = {"Mo", "Di", "Mi", "Do",
                                                                 "Fr", "Sa", "So"};

// Month names by month - 1, in code page 1252 ("M\xE4rz").
inline constexpr const char* kMonthNames[kMonthsPerYear] = {
    "Januar", "Februar", "M\xE4rz",   "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

// Days of a month (1 to 12) in a year; February has 29 in every year
// divisible by 4. 0 for a month outside 1 to 12.
int MonthLength(int month, int year);

// Days since 31 December 1919 (1 January 1920 is day 1), for any year:
// the difference of two day numbers is their distance in days. The day is
// not checked against its month (31 February is 3 March, or 2 March in a
// leap year); a month outside 1 to 12 counts on into the neighbouring years.
int DayNumber(const DateRec& date);
// The same for three values, none of them narrowed to its field first.
int DayNumberOf(int day, int month, int year);

// Weekday number 0 (Monday) to 6 (Sunday) of a date; -1 for a null date.
int DayOfDate(const DateRec* date);

// Weekday of the date day.month.year, for any three values.
int WeekdayOf(int day, int month, int year);

// Today's local date from the environment's clock.
void Today(DateRec* date);

// Moves date by n days, walking month by month with each month's own
// length. Returns 0 when the month number after the step equals the one
// before, otherwise n. A null record, a month outside 1 to 12 or a year that
// would leave its 16-bit field: the record stays unchanged and 0 comes back.
int AddNDays(DateRec* date, int n);

// Reads a typed date into out; 1 when accepted, 0 otherwise. Only the first
// 14 characters of text are read. A date without a year takes the year of
// the first call (the remembered date).
int StringToDate(const char* text, DateRec* out);

// True for the all-zero record.
inline bool IsEmptyDate(const DateRec& date) {
    return date.year == 0 && date.day == 0 && date.month == 0;
}

} // namespace quorl
