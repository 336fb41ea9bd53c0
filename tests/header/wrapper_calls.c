/* Calls of the wrappers of quorl32x.h, compiled as C99 and as C++ by
 * wrapper_calls.cmake: with WRONG_CALL 0 only right calls, which must
 * compile without a warning (a result left unused included); with
 * WRONG_CALL n the n-th plainly wrong call, which must not compile. */
#include "quorl32x.h"

void Calls(HWND window, HBITMAP bitmap, const DateRec* fixed);

void Calls(HWND window, HBITMAP bitmap, const DateRec* fixed) {
    DateRec date = {1995, 24, 12};
    char buffer[20];
    Schedule_SetDate(window, &date);
    Schedule_GetDate(window, &date);
    PushButton_SetBitmap(window, bitmap, NULL);
    Gauge_SetPos(window, 50);
    Quorl_GetFieldName(window, buffer, sizeof buffer);
    PageSwitcher_SelectPageByName(window, "KNOEPFE");
    StatusField_SetLong(window, STSFWL_WIDTH, 40);
    (void)fixed;
#if WRONG_CALL == 1
    Schedule_SetDate(window, "24.12.1995"); /* a string as a date */
#elif WRONG_CALL == 2
    PushButton_SetBitmap(window, window, NULL); /* a window as a bitmap */
#elif WRONG_CALL == 3
    Gauge_SetPos(window, "50"); /* a string as a number */
#elif WRONG_CALL == 4
    Quorl_GetFieldName(window, sizeof buffer, buffer); /* size and buffer swapped */
#elif WRONG_CALL == 5
    Schedule_GetDate(window, fixed); /* a read-only date to be written */
#elif WRONG_CALL == 6
    PageSwitcher_SelectPageByName(window, 2); /* a number as a name */
#endif
}
