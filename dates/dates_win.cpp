// Window-system side of the dates: the clock, the profile and the exports.
#include "dates/dates.h"
#include "dates/environment.h"
#include "quorl32.h"

namespace {

// The user's calendar day: a control must not show yesterday after local midnight.
quorl::CalendarDate LocalDate() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

int ReadProfileHolidays(char* buffer, int size) {
    return static_cast<int>(GetProfileStringA(QUORL_PROFILE_SECTIONA, QUORL_PROFILE_HOLIDAYSA, "",
                                              buffer, static_cast<DWORD>(size)));
}

void WriteProfileHolidays(const char* text) {
    WriteProfileStringA(QUORL_PROFILE_SECTIONA, QUORL_PROFILE_HOLIDAYSA, text);
}

constexpr quorl::DateEnvironment kSystemEnvironment{LocalDate, ReadProfileHolidays,
                                                    WriteProfileHolidays};

// Runs while the library's static objects are built, before DllMain reads
// the holiday list.
struct SystemEnvironmentInstaller {
    SystemEnvironmentInstaller() { quorl::UseSystemDateEnvironment(); }
} g_installer;

} // namespace

void quorl::UseSystemDateEnvironment() {
    SetDateEnvironment(&kSystemEnvironment);
}

extern "C" {

BOOL WINAPI StringToDate(LPCSTR text, DateRec* date) {
    return quorl::StringToDate(text, date);
}

int WINAPI DayOfDate(const DateRec* date) {
    return quorl::DayOfDate(date);
}

int WINAPI AddNDays(DateRec* date, int n) {
    return quorl::AddNDays(date, n);
}

} // extern "C"
