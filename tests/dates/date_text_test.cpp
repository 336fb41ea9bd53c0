// Reading typed dates.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "dates/dates.h"
#include "tests/dates/fake_environment.h"

namespace {

using quorl::StringToDate;

struct Reading {
    const char* text;
    int result;
    int day, month, year;
};

class StringToDateTest : public ::testing::Test {
protected:
    quorl_test::FakeDateEnvironment environment_{1995, 6, 15};
};

void ExpectRefused(std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
        DateRec date{};
        EXPECT_EQ(StringToDate(text, &date), 0) << text;
    }
}

void ExpectReadings(std::initializer_list<Reading> readings) {
    for (const Reading& reading : readings) {
        DateRec date{};
        EXPECT_EQ(StringToDate(reading.text, &date), reading.result) << reading.text;
        if (reading.result == 1) {
            EXPECT_EQ(date.day, reading.day) << reading.text;
            EXPECT_EQ(date.month, reading.month) << reading.text;
            EXPECT_EQ(date.year, reading.year) << reading.text;
        }
    }
}

TEST_F(StringToDateTest, TheUsualForms) {
    ExpectReadings({
        {"24.12.95", 1, 24, 12, 1995},
        {"24,12", 1, 24, 12, 1995},
        {"2412", 1, 24, 12, 1995},
        {"241295", 1, 24, 12, 1995},
        {"24.12.05", 1, 24, 12, 2005},
        {"24.12.2019", 1, 24, 12, 2019},
        {"0.0.0", 1, 0, 0, 0},
        {"000000", 1, 0, 0, 0},
        {"31.2.95", 1, 31, 2, 1995},
        {"0103", 1, 1, 3, 1995},
        {"010395", 1, 1, 3, 1995},
        {"1.1.19", 1, 1, 1, 2019},
        {"..24,.,12..", 1, 24, 12, 1995},
        {" 7. 8. 96", 1, 7, 8, 1996},
        {"24.12.95.17", 1, 24, 12, 1995},
    });
}

TEST_F(StringToDateTest, RefusedForms) {
    ExpectRefused({
        "32.1.95",
        "1.13.95",
        "0.1.95",
        "123",
        "12345",
        "",
        "24.",
        ".,.",
        "0000", // day and month 0 in the remembered year: not the empty date
        "1.1.20",
        "1.1.1920",
        "1.1.2100",
        "1.1.100",
    });
}

TEST_F(StringToDateTest, YearsRunFrom1921To2099) {
    ExpectReadings({
        {"1.1.1921", 1, 1, 1, 1921},
        {"24.12.2020", 1, 24, 12, 2020},
        {"31.12.2099", 1, 31, 12, 2099},
        {"1.1.21", 1, 1, 1, 1921},
    });
}

TEST_F(StringToDateTest, NumbersThatDoNotFitTheirFieldsAreRefused) {
    ExpectRefused({
        "257.1.95",       // would wrap to day 1
        "1.257.95",       // would wrap to month 1
        "0.256.0",        // would wrap to the empty date
        "1.1.67536",      // would wrap to 2000
        "1.1.4294969295", // beyond int
        "1.1.-5",         // negative years are no two-digit years
        "-1.1.95",
    });
}

TEST_F(StringToDateTest, TheRememberedDateIsTakenOnceFromTheClock) {
    DateRec date{};
    ASSERT_EQ(StringToDate("1.2", &date), 1);
    EXPECT_EQ(date.year, 1995);
    environment_.setToday(2030, 1, 1);
    ASSERT_EQ(StringToDate("1.2", &date), 1);
    EXPECT_EQ(date.year, 1995);
    // After a refusal the record holds the remembered date with what was read.
    EXPECT_EQ(StringToDate("40.13", &date), 0);
    EXPECT_EQ(date.day, 40);
    EXPECT_EQ(date.month, 13);
    EXPECT_EQ(date.year, 1995);
}

TEST_F(StringToDateTest, UnusableArgumentsLeaveEverythingUntouched) {
    DateRec date{1234, 5, 6};
    EXPECT_EQ(StringToDate(reinterpret_cast<const char*>(std::uintptr_t{0xFFFF}), &date), 0);
    EXPECT_EQ(StringToDate(nullptr, &date), 0);
    EXPECT_EQ(date.year, 1234);
    EXPECT_EQ(date.day, 5);
    EXPECT_EQ(date.month, 6);
    EXPECT_EQ(StringToDate("24.12.95", nullptr), 0);
    // No valid call yet: the clock has not been read.
    environment_.setToday(2030, 1, 1);
    ASSERT_EQ(StringToDate("1.2", &date), 1);
    EXPECT_EQ(date.year, 2030);
}

TEST_F(StringToDateTest, OnlyTheFirstFourteenCharactersAreRead) {
    // Exactly 14 readable bytes and no terminator: AddressSanitizer would
    // report a read past them.
    const std::string padded = "24.12.95      ";
    ASSERT_EQ(padded.size(), 14u);
    auto unterminated = std::make_unique<char[]>(14);
    std::memcpy(unterminated.get(), padded.data(), 14);
    DateRec date{};
    EXPECT_EQ(StringToDate(unterminated.get(), &date), 1);
    EXPECT_EQ(date.year, 1995);
    EXPECT_EQ(date.day, 24);

    std::memcpy(unterminated.get(), "24122019999999", 14);
    EXPECT_EQ(StringToDate(unterminated.get(), &date), 0);
    // A separator after the fourteenth character does not count.
    EXPECT_EQ(StringToDate("12345678901234.5", &date), 0);
    ExpectReadings({{"1.2.1996      x", 1, 1, 2, 1996}, {"1.2.          1996", 1, 1, 2, 2000}});
}

} // namespace
