// Whole holiday texts: through the profile into the holiday table, and as a
// mark list read item by item to its end.
#include <sanitizer/asan_interface.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "dates/dates.h"
#include "dates/environment.h"
#include "dates/holidays.h"

namespace {

// Longer texts reach no further code: the profile hands out at most 399
// characters, and a mark list is read one item at a time. Reading the
// fuzzer's longest inputs in full halved its pace.
constexpr std::size_t kLongestText = 512;
constexpr std::size_t kMostItems = kLongestText / 2 + 1;

// The profile hands out the fuzzer's input, cut as GetProfileStringA cuts;
// what the library writes back replaces it.
const char* g_setting = nullptr;
std::size_t g_settingSize = 0;

quorl::CalendarDate FixedToday() {
    return {1995, 12, 4};
}

int ReadSetting(char* buffer, int size) {
    const std::size_t count = std::min(g_settingSize, static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, g_setting, count);
    buffer[count] = '\0';
    return static_cast<int>(std::strlen(buffer));
}

void WriteSetting(const char* text) {
    g_setting = text;
    g_settingSize = std::strlen(text);
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

// Buffers kept from run to run rather than allocated for each (allocation
// cost a fifth of the time): all past the part one run may use is
// poisoned, so that touching it is caught as at the end of a buffer of
// exactly that size.
char g_text[kLongestText + 1];
DateEntry g_entries[kMostItems];

template <typename T, std::size_t N>
void Fence(T (&buffer)[N], std::size_t usable) {
    ASAN_UNPOISON_MEMORY_REGION(buffer, sizeof buffer);
    ASAN_POISON_MEMORY_REGION(buffer + usable, (N - usable) * sizeof(T));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    size = std::min(size, kLongestText);
    quorl::SetDateEnvironment(&kEnvironment);
    g_setting = reinterpret_cast<const char*>(data);
    g_settingSize = size;
    quorl::ReadHolidayList();
    for (const DateEntry& entry : quorl::HolidayTable) {
        CheckEntry(entry);
    }

    // As a mark list: exactly as many entries as the text could need.
    Fence(g_text, size + 1);
    std::memcpy(g_text, data, size);
    g_text[size] = '\0';
    const std::size_t most = size / 2 + 1;
    Fence(g_entries, most);
    std::fill_n(g_entries, most, DateEntry{});
    const int used = quorl::ParseDateItems(g_text, g_entries, static_cast<int>(most));
    if (used < 0 || static_cast<std::size_t>(used) > most) {
        std::abort();
    }
    for (int i = 0; i < used; ++i) {
        CheckEntry(g_entries[i]);
    }
    return 0;
}
