// The holiday list (profile key FreiTage) and the reading of holiday and
// mark texts such as "1.1, 1.5, 3.10, 25.12-26.12".
#pragma once

#include "quorl32_dates.h"

namespace quorl {

constexpr int kHolidayEntries = 30;
// The setting is read into this many bytes: at most 399 characters count.
constexpr int kHolidayTextSize = 400;
// Used, and written to the profile, when the setting is missing or empty.
inline constexpr char kDefaultHolidayText[] = "1.1, 1.5, 3.10, 25.12-26.12";
// Cells of a month grid; EntryOffset places dates on offsets 0 to 41.
constexpr int kGridCells = 42;

// The process-wide holiday table; unused entries are all zero (inert).
extern DateEntry HolidayTable[kHolidayEntries];

// Reads the holiday setting (writing the default back when it is missing
// or empty) and rebuilds HolidayTable from it. Returns 1.
int ReadHolidayList();

// Reads one item of a holiday or mark text at position into entry and
// returns where the next item begins, or null when no item follows. Cuts the
// text in place at the separators it consumes: pass a writable copy. Writes
// nothing but *entry; an item with more than one "-" keeps the range of its
// first two dates and its further dates are skipped.
char* ParseDateItem(char* position, DateEntry* entry);

// Reads text item by item into entries, handing out at most count of them;
// returns the number handed out. text is cut in place as by ParseDateItem.
int ParseDateItems(char* text, DateEntry* entries, int count);

// Places date relative to base (the first cell of a month grid): a date
// without a year takes base's year, plus 1 when base is in December. Writes
// the offset in days when date has a day and a month 1 to 12; returns true
// when that offset is 0 to 41.
bool EntryOffset(const DateRec& base, const DateRec& date, int* offset);

} // namespace quorl
