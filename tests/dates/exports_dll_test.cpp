// The three date exports through QUORL32.DLL.
#include <gtest/gtest.h>

#include "quorl32.h"
#include "tests/common/win_test.h"
#include "tests/dates/date_compare.h"

namespace {

using quorl_test::LibraryModule;

DateRec D(int day, int month, int year) {
    return DateRec{static_cast<short>(year), static_cast<signed char>(day),
                   static_cast<signed char>(month)};
}

void* Export(int ordinal) {
    return reinterpret_cast<void*>(GetProcAddress(LibraryModule(), MAKEINTRESOURCEA(ordinal)));
}

TEST(DateExports, SitAtTheirOrdinals) {
    EXPECT_EQ(Export(QUORL_ORD_STRINGTODATE), reinterpret_cast<void*>(&StringToDate));
    EXPECT_EQ(Export(QUORL_ORD_DAYOFDATE), reinterpret_cast<void*>(&DayOfDate));
    EXPECT_EQ(Export(QUORL_ORD_ADDNDAYS), reinterpret_cast<void*>(&AddNDays));
}

TEST(DateExports, StringToDate) {
    DateRec date{};
    EXPECT_EQ(StringToDate("24.12.95", &date), TRUE);
    EXPECT_EQ(date, D(24, 12, 1995));
    EXPECT_EQ(StringToDate("241205", &date), TRUE);
    EXPECT_EQ(date, D(24, 12, 2005));
    EXPECT_EQ(StringToDate("1.1.2099", &date), TRUE);
    EXPECT_EQ(StringToDate("1.1.20", &date), FALSE);
    EXPECT_EQ(StringToDate("257.1.95", &date), FALSE);

    // Without a year: the year of today's date in universal time.
    SYSTEMTIME now{};
    GetSystemTime(&now);
    EXPECT_EQ(StringToDate("24,12", &date), TRUE);
    EXPECT_EQ(date, D(24, 12, now.wYear));

    DateRec untouched = D(5, 6, 1234);
    EXPECT_EQ(StringToDate(MAKEINTRESOURCEA(100), &untouched), FALSE);
    EXPECT_EQ(untouched, D(5, 6, 1234));
    EXPECT_EQ(StringToDate("24.12.95", nullptr), FALSE);
}

TEST(DateExports, DayOfDateAndAddNDays) {
    const DateRec monday = D(4, 12, 1995);
    EXPECT_EQ(DayOfDate(&monday), 0);
    EXPECT_EQ(DayOfDate(nullptr), -1);

    DateRec date = D(29, 1, 1996);
    EXPECT_EQ(AddNDays(&date, 31), 31);
    EXPECT_EQ(date, D(29, 2, 1996));
    EXPECT_EQ(AddNDays(&date, -366), 0); // February again
    EXPECT_EQ(date, D(28, 2, 1995));
    EXPECT_EQ(AddNDays(&date, 1), 1);
    EXPECT_EQ(date, D(1, 3, 1995));
    DateRec strange = D(1, 13, 1995);
    EXPECT_EQ(AddNDays(&strange, 1), 0);
    EXPECT_EQ(strange, D(1, 13, 1995));
}

} // namespace
