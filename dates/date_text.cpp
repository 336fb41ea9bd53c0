// Reading a date that a user typed.
#include <climits>
#include <cstdint>
#include <cstring>

#include "core/text.h"
#include "dates/dates.h"
#include "dates/environment.h"

namespace quorl {

namespace {

// Below this a text "address" is an integer resource identifier.
constexpr std::uintptr_t kLowestTextAddress = 0x10000;
// Only this many characters of a text are ever read.
constexpr std::size_t kTextCopyLength = 14;
constexpr std::size_t kShortFormLength = 4; // ddmm
constexpr std::size_t kLongFormLength = 6;  // ddmmyy
constexpr std::size_t kFieldLength = 2;
constexpr const char* kSeparators = ".,";
constexpr int kPartsAtMost = 3;
// Years 0 to 99 are two-digit years: below the pivot in 2000 on, others in 1900 on.
constexpr int kTwoDigitYearEnd = 100;
constexpr int kTwoDigitYearPivot = 20;
constexpr int kNextCentury = 2000;
constexpr int kThisCentury = 1900;

// Filled from the clock by the first call with valid arguments; kept for
// the life of the process.
DateRec g_rememberedDate{};

bool FitsDayField(int value) {
    return value >= SCHAR_MIN && value <= SCHAR_MAX;
}

bool FitsYearField(int value) {
    return value >= SHRT_MIN && value <= SHRT_MAX;
}

// Splits text at runs of "." and ","; returns the number of parts found.
int SplitParts(char* text, const char* parts[], int most) {
    int count = 0;
    char* position = text;
    while (count < most) {
        position += std::strspn(position, kSeparators);
        if (*position == '\0') {
            break;
        }
        parts[count++] = position;
        position += std::strcspn(position, kSeparators);
        if (*position == '\0') {
            break;
        }
        *position++ = '\0';
    }
    return count;
}

int ParseField(const char* text, std::size_t start) {
    char field[kFieldLength + 1] = {};
    std::memcpy(field, text + start, kFieldLength);
    return ParseDecimal(field);
}

// Stores the parts that fit their fields; the numbers are checked before
// they are narrowed, so that 257 is never read as 1.
bool StoreParts(int day, int month, int year, DateRec* out) {
    const bool fits = FitsDayField(day) && FitsDayField(month) && FitsYearField(year);
    if (FitsDayField(day)) {
        out->day = static_cast<signed char>(day);
    }
    if (FitsDayField(month)) {
        out->month = static_cast<signed char>(month);
    }
    if (FitsYearField(year)) {
        out->year = static_cast<short>(year);
    }
    return fits;
}

} // namespace

void ForgetRememberedDate() {
    g_rememberedDate = DateRec{};
}

int StringToDate(const char* text, DateRec* out) {
    if (text == nullptr || reinterpret_cast<std::uintptr_t>(text) < kLowestTextAddress ||
        out == nullptr) {
        return 0;
    }
    if (IsEmptyDate(g_rememberedDate)) {
        Today(&g_rememberedDate);
    }
    *out = g_rememberedDate;

    char copy[kTextCopyLength + 1] = {};
    std::size_t length = 0;
    while (length < kTextCopyLength && text[length] != '\0') {
        copy[length] = text[length];
        ++length;
    }

    int day = 0;
    int month = 0;
    int year = out->year;
    if (std::strpbrk(copy, kSeparators) != nullptr) {
        const char* parts[kPartsAtMost] = {};
        const int count = SplitParts(copy, parts, kPartsAtMost);
        if (count < 2) {
            return 0; // the day and the month are required
        }
        day = ParseDecimal(parts[0]);
        month = ParseDecimal(parts[1]);
        if (count == kPartsAtMost) {
            year = ParseDecimal(parts[2]);
        }
    } else if (length == kShortFormLength || length == kLongFormLength) {
        day = ParseField(copy, 0);
        month = ParseField(copy, kFieldLength);
        if (length == kLongFormLength) {
            year = ParseField(copy, 2 * kFieldLength);
        }
    } else {
        return 0;
    }

    if (!StoreParts(day, month, year, out)) {
        return 0;
    }
    if (day == 0 && month == 0 && year == 0) {
        return 1;
    }
    if (day < 1 || day > kLongestMonth || month < 1 || month > kMonthsPerYear) {
        return 0;
    }
    // A negative year is no two-digit year: it stays below the range.
    if (year >= 0 && year < kTwoDigitYearEnd) {
        year += year < kTwoDigitYearPivot ? kNextCentury : kThisCentury;
        out->year = static_cast<short>(year);
    }
    return year > kFirstYear && year <= kLastYear ? 1 : 0;
}

} // namespace quorl
