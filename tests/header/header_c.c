/* The public header as a C program sees it; linking proves the import
 * library resolves every declared function. */
#include "quorl32.h"

int main(void) {
    DateRec date = {1995, 24, 12};
    HBITMAP bitmap;
    HPALETTE palette;
    InitQuorl();
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
