/* The public headers as a C program sees them; linking proves the import
 * library resolves every declared function. Built with and without
 * UNICODE: the TCHAR names must match the system's TCHAR functions. */
#include "quorl32x.h"

/* Each form of a name has the type its function expects; the gallery and
 * the Unicode client use the wrappers. */
static void UseNames(void) {
    WNDCLASSEX info;
    WNDCLASSEXW infoW;
    info.cbSize = sizeof info;
    infoW.cbSize = sizeof infoW;
    (void)GetClassInfoEx(NULL, QUORL_CLASS, &info);
    (void)GetClassInfoExW(NULL, GSHED_CLASSW, &infoW);
    (void)RegisterWindowMessage(BWM_FOCUSNOTIFY_NAME);
    (void)GetProfileInt(QUORL_PROFILE_SECTION, QUORL_PROFILE_FONT, 0);
}

int main(void) {
    DateRec date = {1995, 24, 12};
    HBITMAP bitmap;
    HPALETTE palette;
    InitQuorl();
    UseNames();
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
