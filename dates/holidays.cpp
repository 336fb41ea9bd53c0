// The holiday list and the reader of holiday and mark texts.
#include "dates/holidays.h"

#include <climits>
#include <cstring>

#include "core/text.h"
#include "dates/dates.h"
#include "dates/environment.h"

namespace quorl {

DateEntry HolidayTable[kHolidayEntries];

namespace {

constexpr char kDayMonthSeparator = '.';
constexpr char kRangeSeparator = '-';
constexpr char kItemSeparator = ',';
constexpr const char* kMonthEnds = ".-,";
constexpr const char* kYearEnds = "-,";
constexpr char kEndOfText = '\0';
// Years below 100 in these texts are years of the 1900s.
constexpr int kTwoDigitYearEnd = 100;
constexpr int kCentury = 1900;

enum class DatePlace { kStart, kEnd };

// A number that does not fit its 8-bit field is stored as 0, never wrapped:
// the date is then inert (day) or never placed (month).
signed char ToSmallField(int value) {
    return value >= SCHAR_MIN && value <= SCHAR_MAX ? static_cast<signed char>(value) : 0;
}

bool IsValidDatedDay(int day, int month, int year) {
    return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= kMonthsPerYear &&
           day >= SCHAR_MIN && day <= MonthLength(month, year);
}

// Consumes the rest of an item up to and including its ",".
char* SkipItem(char* position) {
    char* comma = std::strchr(position, kItemSeparator);
    if (comma == nullptr) {
        return nullptr;
    }
    *comma = kEndOfText;
    return comma + 1;
}

char* ParseDate(char* position, DateEntry* entry, DatePlace place);

// After a date that a "-" ends: the first date reads its range end, the
// end date of a range skips any further dates of the item.
char* AfterRangeSeparator(char* next, DateEntry* entry, DatePlace place) {
    if (place == DatePlace::kEnd) {
        return SkipItem(next);
    }
    return ParseDate(next, entry, DatePlace::kEnd);
}

char* ParseDate(char* position, DateEntry* entry, DatePlace place) {
    DateRec& date = place == DatePlace::kStart ? entry->start : entry->end;
    char* dot = std::strchr(position, kDayMonthSeparator);
    if (dot == nullptr) {
        return nullptr;
    }
    *dot = kEndOfText;
    const int day = ParseDecimal(position);
    date.day = ToSmallField(day);

    char* monthText = dot + 1;
    char* separator = std::strpbrk(monthText, kMonthEnds);
    const char kind = separator != nullptr ? *separator : kEndOfText;
    if (separator != nullptr) {
        *separator = kEndOfText;
    }
    const int month = ParseDecimal(monthText);
    date.month = ToSmallField(month);

    switch (kind) {
    case kRangeSeparator:
        // A first date with an impossible month leaves its range end to be
        // read as an item of its own.
        if (place == DatePlace::kStart && (month < 1 || month > kMonthsPerYear)) {
            return separator + 1;
        }
        return AfterRangeSeparator(separator + 1, entry, place);
    case kDayMonthSeparator: {
        char* yearText = separator + 1;
        char* yearEnd = std::strpbrk(yearText, kYearEnds);
        const char yearKind = yearEnd != nullptr ? *yearEnd : kEndOfText;
        char* next = nullptr;
        if (yearEnd != nullptr) {
            *yearEnd = kEndOfText;
            next = yearEnd + 1;
        }
        int year = ParseDecimal(yearText);
        if (year < kTwoDigitYearEnd) {
            year += kCentury;
        }
        if (!IsValidDatedDay(day, month, year)) {
            date = DateRec{};
            // A refused first date leaves the range end to the next item.
            if (yearKind == kRangeSeparator && place == DatePlace::kEnd) {
                return SkipItem(next);
            }
            return next;
        }
        date.year = static_cast<short>(year);
        if (yearKind == kRangeSeparator) {
            return AfterRangeSeparator(next, entry, place);
        }
        return next;
    }
    case kItemSeparator:
        return separator + 1;
    default:
        return nullptr;
    }
}

} // namespace

char* ParseDateItem(char* position, DateEntry* entry) {
    if (position == nullptr || entry == nullptr) {
        return nullptr;
    }
    return ParseDate(position, entry, DatePlace::kStart);
}

int ParseDateItems(char* text, DateEntry* entries, int count) {
    if (text == nullptr || entries == nullptr) {
        return 0;
    }
    int used = 0;
    for (char* position = text; position != nullptr && used < count; ++used) {
        position = ParseDateItem(position, &entries[used]);
    }
    return used;
}

int ReadHolidayList() {
    const DateEnvironment& environment = CurrentDateEnvironment();
    char text[kHolidayTextSize] = {};
    const int read = environment.readHolidayText(text, kHolidayTextSize);
    text[kHolidayTextSize - 1] = kEndOfText;
    if (read <= 0 || text[0] == kEndOfText) {
        std::memcpy(text, kDefaultHolidayText, sizeof kDefaultHolidayText);
        environment.writeHolidayText(kDefaultHolidayText);
    }
    std::memset(HolidayTable, 0, sizeof HolidayTable);
    ParseDateItems(text, HolidayTable, kHolidayEntries);
    return 1;
}

bool EntryOffset(const DateRec& base, const DateRec& date, int* offset) {
    if (date.day == 0 || date.month < 1 || date.month > kMonthsPerYear) {
        return false;
    }
    // A yearless date belongs to the month the grid shows: the base lies in
    // the month before it. Computed in int, so no 16-bit year can wrap.
    const int year =
        date.year != 0 ? date.year : base.year + (base.month == kMonthsPerYear ? 1 : 0);
    const int value = DayNumberOf(date.day, date.month, year) - DayNumber(base);
    if (offset != nullptr) {
        *offset = value;
    }
    return value >= 0 && value < kGridCells;
}

} // namespace quorl
