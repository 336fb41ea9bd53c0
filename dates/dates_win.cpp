// Window-system side of the dates: exports, the clock and the profile.
#include "dates/holidays.h"
#include "quorl32.h"

namespace quorl {

void ReadHolidayList() {}

} // namespace quorl

extern "C" {

BOOL WINAPI StringToDate(LPCSTR, DateRec* date) {
    if (date != nullptr) {
        *date = DateRec{};
    }
    return FALSE;
}

int WINAPI DayOfDate(const DateRec*) {
    return 0;
}

int WINAPI AddNDays(DateRec*, int) {
    return 0;
}

} // extern "C"
