// The holiday setting, the item reader and the placement on month grids.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dates/dates.h"
#include "dates/holidays.h"
#include "tests/dates/date_compare.h"
#include "tests/dates/fake_environment.h"

namespace {

using quorl::EntryOffset;
using quorl::HolidayTable;
using quorl::kHolidayEntries;

DateRec D(int day, int month, int year = 0) {
    return DateRec{static_cast<short>(year), static_cast<signed char>(day),
                   static_cast<signed char>(month)};
}

DateEntry Single(const DateRec& day) {
    return DateEntry{day, DateRec{}};
}

DateEntry Range(const DateRec& first, const DateRec& last) {
    return DateEntry{first, last};
}

const DateEntry kInert{};

// Reads a text as a mark list would be read: item by item to its end.
std::vector<DateEntry> ParseAll(const char* text, int most = 100) {
    std::vector<char> copy(text, text + std::strlen(text) + 1);
    std::vector<DateEntry> entries(static_cast<std::size_t>(most));
    const int used = quorl::ParseDateItems(copy.data(), entries.data(), most);
    entries.resize(static_cast<std::size_t>(used));
    return entries;
}

std::vector<DateEntry> Table() {
    return {HolidayTable, HolidayTable + kHolidayEntries};
}

std::vector<DateEntry> Padded(std::vector<DateEntry> entries) {
    entries.resize(kHolidayEntries);
    return entries;
}

const std::vector<DateEntry> kDefaultEntries = {Single(D(1, 1)), Single(D(1, 5)), Single(D(3, 10)),
                                                Range(D(25, 12), D(26, 12))};

TEST(ReadHolidayList, AMissingSettingGetsTheDefaultWrittenBack) {
    quorl_test::FakeDateEnvironment environment(1995, 12, 4);
    std::fill(HolidayTable, HolidayTable + kHolidayEntries, Single(D(9, 9, 1999)));
    EXPECT_EQ(quorl::ReadHolidayList(), 1);
    EXPECT_EQ(environment.profile(), std::string("1.1, 1.5, 3.10, 25.12-26.12"));
    EXPECT_EQ(environment.writes(), 1);
    EXPECT_EQ(environment.lastReadSize(), 400);
    EXPECT_EQ(Table(), Padded(kDefaultEntries));
}

TEST(ReadHolidayList, AnEmptySettingIsOverwritten) {
    quorl_test::FakeDateEnvironment environment(1995, 12, 4);
    environment.setProfile("");
    quorl::ReadHolidayList();
    EXPECT_EQ(environment.profile(), std::string(quorl::kDefaultHolidayText));
    EXPECT_EQ(environment.writes(), 1);
    EXPECT_EQ(Table(), Padded(kDefaultEntries));
}

TEST(ReadHolidayList, AGivenSettingIsKeptAndReplacesTheOldTable) {
    quorl_test::FakeDateEnvironment environment(1995, 12, 4);
    quorl::ReadHolidayList();
    environment.setProfile("6.1, 24.12.95-26.12.95");
    quorl::ReadHolidayList();
    EXPECT_EQ(environment.writes(), 1);
    EXPECT_EQ(Table(), Padded({Single(D(6, 1)), Range(D(24, 12, 1995), D(26, 12, 1995))}));
}

TEST(ReadHolidayList, ThirtyItemsAtMost) {
    quorl_test::FakeDateEnvironment environment(1995, 12, 4);
    std::string text;
    for (int day = 1; day <= 31; ++day) {
        text += std::to_string(day) + ".1, ";
    }
    environment.setProfile(text);
    quorl::ReadHolidayList();
    for (int i = 0; i < kHolidayEntries; ++i) {
        EXPECT_EQ(HolidayTable[i], Single(D(i + 1, 1)));
    }
}

TEST(ReadHolidayList, OnlyThe399CharactersTheProfileGivesCount) {
    quorl_test::FakeDateEnvironment environment(1995, 12, 4);
    environment.setProfile(std::string(395, '0') + "1.1,2.2");
    quorl::ReadHolidayList();
    EXPECT_EQ(Table(), Padded({Single(D(1, 1))}));
}

TEST(ParseDateItem, TheExamples) {
    EXPECT_EQ(ParseAll("24.12.95-26.12.95"), std::vector{Range(D(24, 12, 1995), D(26, 12, 1995))});
    EXPECT_EQ(ParseAll("1.1.05"), std::vector{kInert});
    EXPECT_EQ(ParseAll("30.2.1996"), std::vector{kInert});
    EXPECT_EQ(ParseAll("29.2.1996"), std::vector{Single(D(29, 2, 1996))});
    EXPECT_EQ(ParseAll("24.12."), std::vector{kInert});
    EXPECT_EQ(ParseAll("13.13-14.12"), (std::vector{Single(D(13, 13)), Single(D(14, 12))}));
    EXPECT_EQ(ParseAll("24, 1.5"), std::vector{Single(D(24, 5))});
    EXPECT_EQ(ParseAll("no dates"), std::vector{kInert});
    EXPECT_EQ(ParseAll(""), std::vector{kInert});
}

TEST(ParseDateItem, YearsRunFrom1920To2099) {
    EXPECT_EQ(ParseAll("1.1.1920, 31.12.2099, 1.1.2100, 31.12.19, 1.1.20"),
              (std::vector{Single(D(1, 1, 1920)), Single(D(31, 12, 2099)), kInert, kInert,
                           Single(D(1, 1, 1920))}));
}

TEST(ParseDateItem, RefusedDatesOfARange) {
    // A refused first date leaves the end to be read as an item of its own.
    EXPECT_EQ(ParseAll("30.2.1996-2.3.1996, 4.4"),
              (std::vector{kInert, Single(D(2, 3, 1996)), Single(D(4, 4))}));
    // A refused end leaves a single day.
    EXPECT_EQ(ParseAll("1.3.1996-30.2.1996, 4.4"),
              (std::vector{Single(D(1, 3, 1996)), Single(D(4, 4))}));
    // An end without a year is not checked.
    EXPECT_EQ(ParseAll("1.1-2.13, 4.4"), (std::vector{Range(D(1, 1), D(2, 13)), Single(D(4, 4))}));
    EXPECT_EQ(ParseAll("24.12-26.12.1995"), std::vector{Range(D(24, 12), D(26, 12, 1995))});
}

TEST(ParseDateItem, FurtherDatesOfAChainAreSkipped) {
    EXPECT_EQ(ParseAll("1.1-2.1-3.1, 5.5"),
              (std::vector{Range(D(1, 1), D(2, 1)), Single(D(5, 5))}));
    EXPECT_EQ(ParseAll("1.1.1995-2.1.1995-3.1.1995-4.1.1995,5.5"),
              (std::vector{Range(D(1, 1, 1995), D(2, 1, 1995)), Single(D(5, 5))}));
    EXPECT_EQ(ParseAll("1.1-2.1-3.1"), std::vector{Range(D(1, 1), D(2, 1))});
    EXPECT_EQ(ParseAll("1.3.1996-30.2.1996-5.5.1996, 4.4"),
              (std::vector{Single(D(1, 3, 1996)), Single(D(4, 4))}));
}

TEST(ParseDateItem, NumbersThatDoNotFitTheirFieldsNeverWrap) {
    EXPECT_EQ(ParseAll("257.1.1995"), std::vector{kInert}); // not 1 January 1995
    EXPECT_EQ(ParseAll("1.1.67536"), std::vector{kInert});  // not 1 January 2000
    EXPECT_EQ(ParseAll("257.1"), std::vector{Single(D(0, 1))});
    EXPECT_EQ(ParseAll("1.268"), std::vector{Single(D(1, 0))});
    EXPECT_EQ(ParseAll("1.269-3.3"), (std::vector{Single(D(1, 0)), Single(D(3, 3))}));
}

TEST(ParseDateItem, WritesOnlyTheEntryItIsGiven) {
    char text[] = "1.1.1995-2.1.1995-3.1.1995-4.1.1995";
    DateEntry entries[3];
    std::memset(entries, 0x5A, sizeof entries);
    DateEntry guard;
    std::memset(&guard, 0x5A, sizeof guard);
    DateEntry& middle = entries[1];
    middle = DateEntry{};
    EXPECT_EQ(quorl::ParseDateItem(text, &middle), nullptr);
    EXPECT_EQ(middle, Range(D(1, 1, 1995), D(2, 1, 1995)));
    EXPECT_EQ(entries[0], guard);
    EXPECT_EQ(entries[2], guard);
    EXPECT_EQ(quorl::ParseDateItem(nullptr, &middle), nullptr);
    EXPECT_EQ(quorl::ParseDateItem(text, nullptr), nullptr);
    EXPECT_EQ(quorl::ParseDateItems(nullptr, entries, 3), 0);
}

TEST(ParseDateItem, TheYearOfADateWithoutOneStaysAsPrepared) {
    char text[] = "24.12";
    DateEntry entry{D(0, 0, 1995), DateRec{}};
    quorl::ParseDateItem(text, &entry);
    EXPECT_EQ(entry, Single(D(24, 12, 1995)));
}

TEST(EntryOffset, OnTheDecember1995Grid) {
    const DateRec base = D(27, 11, 1995); // first cell of the December 1995 grid
    int offset = -1;
    EXPECT_TRUE(EntryOffset(base, D(25, 12), &offset));
    EXPECT_EQ(offset, 28);
    EXPECT_TRUE(EntryOffset(base, base, &offset));
    EXPECT_EQ(offset, 0);
    EXPECT_TRUE(EntryOffset(base, D(7, 1, 1996), &offset));
    EXPECT_EQ(offset, 41);
    EXPECT_FALSE(EntryOffset(base, D(8, 1, 1996), &offset));
    EXPECT_EQ(offset, 42);
    EXPECT_FALSE(EntryOffset(base, D(1, 1), &offset)); // taken in 1995
    EXPECT_EQ(offset, -330);
    EXPECT_FALSE(EntryOffset(base, D(26, 11, 1995), &offset));
    EXPECT_EQ(offset, -1);
    EXPECT_TRUE(EntryOffset(base, D(24, 12, 1995), &offset));
    EXPECT_EQ(offset, 27);
    EXPECT_TRUE(EntryOffset(base, D(26, 12, 1995), nullptr));
}

TEST(EntryOffset, AGridBaseInDecemberShowsJanuary) {
    const DateRec base = D(25, 12, 1995); // first cell of the January 1996 grid
    int offset = 0;
    EXPECT_TRUE(EntryOffset(base, D(1, 1), &offset));
    EXPECT_EQ(offset, 7);
    EXPECT_FALSE(EntryOffset(base, D(25, 12), &offset)); // taken in 1996
    EXPECT_TRUE(EntryOffset(D(1, 12, SHRT_MAX), D(1, 1), &offset));
    EXPECT_EQ(offset, 31);
}

TEST(EntryOffset, UnplaceableDatesLeaveTheOffsetAlone) {
    const DateRec base = D(27, 11, 1995);
    int offset = 1234;
    EXPECT_FALSE(EntryOffset(base, D(0, 12), &offset));
    EXPECT_FALSE(EntryOffset(base, D(5, 13), &offset));
    EXPECT_FALSE(EntryOffset(base, D(5, 0, 1995), &offset));
    EXPECT_EQ(offset, 1234);
    // A day beyond its month counts on: 31 April is 1 May.
    int mayFirst = 0;
    EXPECT_TRUE(EntryOffset(D(27, 4, 1995), D(1, 5), &mayFirst));
    EXPECT_TRUE(EntryOffset(D(27, 4, 1995), D(31, 4), &offset));
    EXPECT_EQ(offset, mayFirst);
}

} // namespace
