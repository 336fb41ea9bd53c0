/* Creates a gauge through the DLL, drives it with the wrappers and reads a
 * date; exit code 0 when every answer was right. */
#include "quorl32x.h"

int main(void) {
    HWND gauge;
    DateRec date = {0, 0, 0};
    int failures = 0;
    InitQuorl();
    gauge = CreateWindowExA(0, GAUGE_CLASSA, "", WS_POPUP, 0, 0, 100, 16, NULL, NULL, NULL, NULL);
    failures += gauge == NULL;
    Gauge_SetRange(gauge, 200);
    Gauge_SetPos(gauge, 50);
    failures += !(Gauge_GetRange(gauge) == 200 && Gauge_GetPos(gauge) == 50);
    DestroyWindow(gauge);
    failures += !(StringToDate("3.10.1990", &date) && date.year == 1990 && date.month == 10);
    ExitQuorl();
    return failures;
}
