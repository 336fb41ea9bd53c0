// The two things the date code needs from the system, the clock and the
// holiday setting of the profile, behind one replaceable table so that the
// rest runs (and is tested) without the window system.
#pragma once

namespace quorl {

struct CalendarDate {
    int year;
    int month;
    int day;
};

struct DateEnvironment {
    // Today's date in local time: after local midnight it is the new day.
    CalendarDate (*currentDate)();
    // Reads the holiday setting into buffer (at most size - 1 characters,
    // terminated); returns the characters read, 0 when missing or empty.
    int (*readHolidayText)(char* buffer, int size);
    // Stores text as the holiday setting.
    void (*writeHolidayText)(const char* text);
};

// Installs an environment (it must outlive its use); null restores the
// portable one: the C library's local clock and no profile (nothing read,
// writes dropped).
void SetDateEnvironment(const DateEnvironment* environment);
const DateEnvironment& CurrentDateEnvironment();

// Windows builds: installs GetLocalTime and the WIN.INI profile. Runs by
// itself when the library's code is loaded.
void UseSystemDateEnvironment();

// Forgets the date StringToDate remembered, as if the library had just been
// loaded; for tests that change the clock.
void ForgetRememberedDate();

} // namespace quorl
