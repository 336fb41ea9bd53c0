/* The public headers as a C program sees them; linking proves the import
 * library resolves every declared function. Built with and without
 * UNICODE: the TCHAR names must match the system's TCHAR functions. */
#include "quorl32x.h"

static void UseNames(HWND parent) {
    HWND gauge =
        CreateWindowEx(0, GAUGE_CLASS, TEXT(""), WS_CHILD, 0, 0, 10, 10, parent, NULL, NULL, NULL);
    WNDCLASSEX info;
    WNDCLASSEXA infoA;
    WNDCLASSEXW infoW;
    char name[16];
    info.cbSize = sizeof info;
    infoA.cbSize = sizeof infoA;
    infoW.cbSize = sizeof infoW;
    (void)GetClassInfoEx(NULL, QUORL_CLASS, &info);
    (void)GetClassInfoExA(NULL, QUCHECK_CLASSA, &infoA);
    (void)GetClassInfoExW(NULL, GSHED_CLASSW, &infoW);
    (void)RegisterWindowMessage(BWM_FOCUSNOTIFY_NAME);
    (void)GetProfileInt(QUORL_PROFILE_SECTION, QUORL_PROFILE_FONT, 0);
    Gauge_SetRange(gauge, 100);
    Gauge_SetPos(gauge, Gauge_GetPos(gauge) + Gauge_GetRange(gauge));
    Gauge_AddPos(gauge, -1);
    (void)Quorl_GetFieldName(gauge, name, sizeof name);
    PushButton_SetBitmap(gauge, NULL, NULL);
    DestroyWindow(gauge);
}

int main(void) {
    DateRec date = {1995, 24, 12};
    HBITMAP bitmap;
    HPALETTE palette;
    InitQuorl();
    UseNames(NULL);
    (void)DayOfDate(&date);
    (void)AddNDays(&date, 1);
    (void)StringToDate("24.12.95", &date);
    (void)LoadBitmapPalette(NULL, MAKEINTRESOURCEA(1), &bitmap, &palette);
    (void)StsbCreate(NULL, NULL, 160);
    (void)StsbAdjust(NULL, NULL);
    (void)StsbAddField(NULL, NULL, 161, 50, 1000, 0);
    (void)StsbGetHeight(NULL);
    (void)StsbAutoInfo(NULL, 0, 0, 0);
    (void)WEP(0);
    ExitQuorl();
    return sizeof(DateRec) == 4 ? 0 : 1;
}
