// StringToDate on arbitrary bytes. Inputs of 14 bytes or more are handed
// over without a terminator: only the first 14 characters may be read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "dates/dates.h"

namespace {

constexpr std::size_t kReadLength = 14;

bool IsAccepted(const DateRec& date) {
    if (quorl::IsEmptyDate(date)) {
        return true;
    }
    return date.day >= 1 && date.day <= quorl::kLongestMonth && date.month >= 1 &&
           date.month <= quorl::kMonthsPerYear && date.year > quorl::kFirstYear &&
           date.year <= quorl::kLastYear;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<char> text(data, data + size);
    if (size < kReadLength) {
        text.push_back('\0');
    }
    DateRec date{};
    if (quorl::StringToDate(text.data(), &date) == 1 && !IsAccepted(date)) {
        std::abort();
    }
    return 0;
}
