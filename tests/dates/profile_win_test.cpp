// The holiday setting in the real profile (WIN.INI) and the system clock,
// white-box against the library's code, and the write-back when the DLL is
// loaded.
#include <gtest/gtest.h>

#include <string>

#include "dates/dates.h"
#include "dates/environment.h"
#include "dates/holidays.h"
#include "quorl32.h"
#include "tests/dates/date_compare.h"

namespace {

constexpr int kBufferSize = 1000;
constexpr char kMissing[] = "<missing>";

std::string Setting() {
    char buffer[kBufferSize] = {};
    GetProfileStringA(QUORL_PROFILE_SECTIONA, QUORL_PROFILE_HOLIDAYSA, kMissing, buffer,
                      kBufferSize);
    return buffer;
}

void SetSetting(const char* value) {
    ASSERT_TRUE(WriteProfileStringA(QUORL_PROFILE_SECTIONA, QUORL_PROFILE_HOLIDAYSA, value));
}

DateRec D(int day, int month, int year = 0) {
    return DateRec{static_cast<short>(year), static_cast<signed char>(day),
                   static_cast<signed char>(month)};
}

// Keeps the user's setting as it was before the test.
class HolidaySettingTest : public ::testing::Test {
protected:
    void SetUp() override {
        quorl::UseSystemDateEnvironment();
        saved_ = Setting();
    }
    void TearDown() override { SetSetting(saved_ == kMissing ? nullptr : saved_.c_str()); }

    static void ExpectDefaultTable() {
        EXPECT_EQ(quorl::HolidayTable[0], (DateEntry{D(1, 1), DateRec{}}));
        EXPECT_EQ(quorl::HolidayTable[1], (DateEntry{D(1, 5), DateRec{}}));
        EXPECT_EQ(quorl::HolidayTable[2], (DateEntry{D(3, 10), DateRec{}}));
        EXPECT_EQ(quorl::HolidayTable[3], (DateEntry{D(25, 12), D(26, 12)}));
        for (int i = 4; i < quorl::kHolidayEntries; ++i) {
            EXPECT_EQ(quorl::HolidayTable[i], DateEntry{});
        }
    }

private:
    std::string saved_;
};

TEST_F(HolidaySettingTest, AMissingKeyGetsTheDefaultWrittenBack) {
    SetSetting(nullptr);
    ASSERT_EQ(Setting(), kMissing);
    EXPECT_EQ(quorl::ReadHolidayList(), 1);
    EXPECT_EQ(Setting(), "1.1, 1.5, 3.10, 25.12-26.12");
    ExpectDefaultTable();
}

TEST_F(HolidaySettingTest, AnEmptyValueIsOverwritten) {
    SetSetting("");
    quorl::ReadHolidayList();
    EXPECT_EQ(Setting(), quorl::kDefaultHolidayText);
    ExpectDefaultTable();
}

TEST_F(HolidaySettingTest, AGivenValueIsReadAndKept) {
    SetSetting("6.1, 24.12.95-26.12.95");
    quorl::ReadHolidayList();
    EXPECT_EQ(Setting(), "6.1, 24.12.95-26.12.95");
    EXPECT_EQ(quorl::HolidayTable[0], (DateEntry{D(6, 1), DateRec{}}));
    EXPECT_EQ(quorl::HolidayTable[1], (DateEntry{D(24, 12, 1995), D(26, 12, 1995)}));
    EXPECT_EQ(quorl::HolidayTable[2], DateEntry{});
}

TEST_F(HolidaySettingTest, OnlyThe399CharactersTheProfileGivesCount) {
    const std::string value = std::string(395, '0') + "1.1,2.2";
    SetSetting(value.c_str());
    quorl::ReadHolidayList();
    EXPECT_EQ(quorl::HolidayTable[0], (DateEntry{D(1, 1), DateRec{}}));
    EXPECT_EQ(quorl::HolidayTable[1], DateEntry{});
}

TEST_F(HolidaySettingTest, LoadingTheLibraryWritesTheDefaultBack) {
    SetSetting(nullptr);
    HMODULE library = LoadLibraryA("QUORL32.DLL");
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(Setting(), quorl::kDefaultHolidayText);
    FreeLibrary(library);
}

TEST(SystemClock, TodayIsTheLocalDate) {
    quorl::UseSystemDateEnvironment();
    SYSTEMTIME before{};
    SYSTEMTIME after{};
    DateRec today{};
    do {
        GetLocalTime(&before);
        quorl::Today(&today);
        GetLocalTime(&after);
    } while (before.wDay != after.wDay); // across midnight: once more
    EXPECT_EQ(today, D(after.wDay, after.wMonth, after.wYear));
}

} // namespace
