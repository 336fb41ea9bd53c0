// AddNDays and DayOfDate on arbitrary records and steps.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "dates/dates.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DateRec date{};
    std::int32_t n = 0;
    if (size < sizeof date + sizeof n) {
        return 0;
    }
    std::memcpy(&date, data, sizeof date);
    std::memcpy(&n, data + sizeof date, sizeof n);

    const int weekday = quorl::DayOfDate(&date);
    if (weekday < 0 || weekday > 6) {
        std::abort();
    }
    const DateRec before = date;
    const int result = quorl::AddNDays(&date, n);
    const bool usable = before.month >= 1 && before.month <= quorl::kMonthsPerYear;
    const bool unchanged = std::memcmp(&before, &date, sizeof date) == 0;
    if (!usable) {
        // Left alone, and nothing to report.
        if (!unchanged || result != 0) {
            std::abort();
        }
        return 0;
    }
    // A step whose date falls outside the years of the 16-bit field leaves
    // the record alone; any other step moves it.
    const long long target = static_cast<long long>(quorl::DayNumber(before)) + n;
    const bool representable = target >= quorl::DayNumberOf(1, 1, SHRT_MIN) &&
                               target < quorl::DayNumberOf(1, 1, SHRT_MAX + 1);
    if (unchanged && n != 0) {
        if (result != 0 || representable) {
            std::abort();
        }
        return 0;
    }
    const long long distance =
        static_cast<long long>(quorl::DayNumber(date)) - quorl::DayNumber(before);
    const int expectedResult = date.month == before.month ? 0 : n;
    if (distance != n || result != expectedResult || date.month < 1 ||
        date.month > quorl::kMonthsPerYear) {
        std::abort();
    }
    const int expectedWeekday = static_cast<int>((((weekday + distance) % 7) + 7) % 7);
    if (quorl::DayOfDate(&date) != expectedWeekday) {
        std::abort();
    }
    return 0;
}
