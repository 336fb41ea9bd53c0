// The public header as a C++17 program sees it.
#include <cstddef>

#include "quorl32.h"

static_assert(sizeof(DateRec) == 4, "DateRec is four bytes");
static_assert(offsetof(DateRec, day) == 2 && offsetof(DateRec, month) == 3, "field order");

int main() {
    DateRec date{1995, 24, 12};
    return DayOfDate(&date) >= 0 ? 0 : 1;
}
