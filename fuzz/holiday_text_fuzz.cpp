// Whole holiday texts: through the profile into the holiday table, and as a
// mark list read item by item to its end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "dates/dates.h"
#include "dates/environment.h"
#include "dates/holidays.h"

namespace {

// The profile hands out the fuzzer's input, cut as GetProfileStringA cuts.
std::string g_setting;

quorl::CalendarDate FixedToday() {
    return {1995, 12, 4};
}

int ReadSetting(char* buffer, int size) {
    const std::size_t count = std::min(g_setting.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, g_setting.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(std::strlen(buffer));
}

void WriteSetting(const char* text) {
    g_setting = text;
}

constexpr quorl::DateEnvironment kEnvironment{FixedToday, ReadSetting, WriteSetting};

// Entries with a year were checked when read, or cleared.
void CheckEntry(const DateEntry& entry) {
    for (const DateRec& date : {entry.start, entry.end}) {
        if (date.year != 0 && (date.year < quorl::kFirstYear || date.year > quorl::kLastYear ||
                               date.month < 1 || date.month > quorl::kMonthsPerYear ||
                               date.day > quorl::MonthLength(date.month, date.year))) {
            std::abort();
        }
    }
    int offset = 0;
    quorl::EntryOffset(DateRec{1995, 27, 11}, entry.start, &offset);
    quorl::EntryOffset(DateRec{1995, 27, 11}, entry.end, &offset);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorl::SetDateEnvironment(&kEnvironment);
    g_setting.assign(reinterpret_cast<const char*>(data), size);
    quorl::ReadHolidayList();
    for (const DateEntry& entry : quorl::HolidayTable) {
        CheckEntry(entry);
    }

    // As a mark list: exactly as many entries as the text could need, so
    // that a write past them is caught.
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    const int most = static_cast<int>(size / 2 + 1);
    std::vector<DateEntry> entries(static_cast<std::size_t>(most));
    const int used = quorl::ParseDateItems(text.data(), entries.data(), most);
    if (used < 0 || used > most) {
        std::abort();
    }
    for (int i = 0; i < used; ++i) {
        CheckEntry(entries[static_cast<std::size_t>(i)]);
    }
    return 0;
}
