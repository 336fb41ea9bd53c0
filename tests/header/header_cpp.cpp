// The public headers as a C++17 program sees them, with and without UNICODE.
#include <cstddef>

#include "quorl32x.h"

static_assert(sizeof(DateRec) == 4, "DateRec is four bytes");
static_assert(offsetof(DateRec, day) == 2 && offsetof(DateRec, month) == 3, "field order");

int main() {
    DateRec date{1995, 24, 12};
    HWND label = CreateWindowEx(0, GTEXT_CLASS, TEXT("Text"), WS_POPUP, 0, 0, 10, 10, nullptr,
                                nullptr, nullptr, nullptr);
    char name[16] = {};
    (void)Quorl_GetFieldName(label, name, sizeof name);
    Gauge_SetPos(label, 3);
    PushButton_SetBitmap(label, nullptr, nullptr);
    DestroyWindow(label);
    return DayOfDate(&date) >= 0 && PushButton_GetState(label) >= 0 ? 0 : 1;
}
