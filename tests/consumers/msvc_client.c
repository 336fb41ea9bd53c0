/* A client built with the Visual C++ tools' conventions (clang in Visual
 * C++ mode, lld-link, QUORL32.lib): no C runtime and no system headers, so
 * it declares the few exports it calls. On x86 each call goes through the
 * decorated import __imp__Name@bytes, which QUORL32.lib must map to the
 * plain name the DLL exports. Exit code 0 when every answer was right. */
#include "quorl32_dates.h"

#define QUORL_IMPORT __declspec(dllimport)

QUORL_IMPORT void __stdcall InitQuorl(void);
QUORL_IMPORT void __stdcall ExitQuorl(void);
QUORL_IMPORT int __stdcall StringToDate(const char* text, DateRec* date);
QUORL_IMPORT int __stdcall DayOfDate(const DateRec* date);
QUORL_IMPORT int __stdcall AddNDays(DateRec* date, int n);
QUORL_IMPORT int __stdcall StsbGetHeight(void* window);

static int IsDate(const DateRec* date, int year, int month, int day) {
    return date->year == year && date->month == month && date->day == day;
}

int QuorlClientMain(void) {
    enum { kSunday = 6 };
    DateRec date = {0, 0, 0};
    int failures = 0;
    InitQuorl();
    failures += !(StringToDate("24.12.1995", &date) && IsDate(&date, 1995, 12, 24));
    failures += DayOfDate(&date) != kSunday;
    failures += !(AddNDays(&date, 8) == 8 && IsDate(&date, 1996, 1, 1));
    failures += StsbGetHeight(0) != 0;
    ExitQuorl();
    return failures;
}
