#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/text.h"

namespace {

using quorl::CopyFieldName;
using quorl::FontProfile;
using quorl::ParseDecimal;
using quorl::SplitFontProfile;

TEST(ParseDecimal, ReadsLikeTheCRuntime) {
    EXPECT_EQ(ParseDecimal("500"), 500);
    EXPECT_EQ(ParseDecimal("  \t 12"), 12);
    EXPECT_EQ(ParseDecimal("+7"), 7);
    EXPECT_EQ(ParseDecimal("-10"), -10);
    EXPECT_EQ(ParseDecimal("10px"), 10);
    EXPECT_EQ(ParseDecimal("x"), 0);
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("- 5"), 0);
    EXPECT_EQ(ParseDecimal(nullptr), 0);
}

TEST(ParseDecimal, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(ParseDecimal("2147483647"), INT_MAX);
    EXPECT_EQ(ParseDecimal("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(ParseDecimal("-2147483648"), INT_MIN);
    EXPECT_EQ(ParseDecimal("-99999999999999999999999"), INT_MIN);
}

struct ProfileCase {
    const char* value;
    const char* face;
    int size;
    int weight;
};

class FontProfileSplit : public testing::TestWithParam<ProfileCase> {};

TEST_P(FontProfileSplit, GivesFaceSizeAndWeight) {
    const ProfileCase& c = GetParam();
    const FontProfile p = SplitFontProfile(c.value);
    EXPECT_STREQ(p.face, c.face);
    EXPECT_EQ(p.pointSize, c.size);
    EXPECT_EQ(p.weight, c.weight);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FontProfileSplit,
    testing::Values(ProfileCase{"Modern,8,500", "Modern", 8, 500},
                    ProfileCase{"Arial", "Arial", 8, 500},
                    ProfileCase{"Arial,10", "Arial", 10, 500},
                    ProfileCase{"Arial,10,700", "Arial", 10, 700}, ProfileCase{"", "", 8, 500},
                    ProfileCase{"Arial,x,400", "Arial", 0, 400},
                    ProfileCase{"Arial,,", "Arial", 0, 0},
                    ProfileCase{"Times New Roman, 12 ,  300", "Times New Roman", 12, 300},
                    ProfileCase{"A,1,2,3", "A", 1, 2}));

TEST(FontProfile, ValueIsCutTo29CharactersBeforeSplitting) {
    // 27 characters of face name, then ",12,700": the cut leaves ",1" of it.
    const std::string face(27, 'F');
    const FontProfile p = SplitFontProfile((face + ",12,700").c_str());
    EXPECT_EQ(std::string(p.face), face);
    EXPECT_EQ(p.pointSize, 1);
    EXPECT_EQ(p.weight, 500);

    const std::string longFace(40, 'G');
    EXPECT_EQ(std::strlen(SplitFontProfile(longFace.c_str()).face), 29u);
}

TEST(FieldName, CopiesAtMostSizeMinusTwoCharacters) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_TRUE(CopyFieldName("KUNDE", 4, buffer));
    EXPECT_STREQ(buffer, "KU");
    EXPECT_EQ(buffer[3], '\0');
    EXPECT_EQ(buffer[4], 'x'); // nothing beyond the given size

    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_TRUE(CopyFieldName("AB", 8, buffer));
    EXPECT_STREQ(buffer, "AB");
    EXPECT_EQ(buffer[7], '\0');
}

TEST(FieldName, TinyBuffersAndMissingArguments) {
    char buffer[2] = {'x', 'x'};
    EXPECT_FALSE(CopyFieldName("KUNDE", 0, buffer));
    EXPECT_EQ(buffer[0], 'x');
    // A negative size (a message's wParam of -1 or -2) is no room at all:
    // nothing lands before or in the buffer.
    char guarded[6] = {'x', 'x', 'x', 'x', 'x', 'x'};
    for (std::ptrdiff_t size :
         {std::ptrdiff_t{-1}, std::ptrdiff_t{-2}, std::ptrdiff_t{-3}, PTRDIFF_MIN}) {
        EXPECT_FALSE(CopyFieldName("KUNDE", size, guarded + 3)) << size;
        EXPECT_EQ(std::string(guarded, 6), "xxxxxx") << size;
    }

    EXPECT_TRUE(CopyFieldName("KUNDE", 1, buffer));
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], 'x');

    EXPECT_FALSE(CopyFieldName("KUNDE", 4, nullptr));
    buffer[0] = 'x';
    EXPECT_TRUE(CopyFieldName(nullptr, 2, buffer));
    EXPECT_EQ(buffer[0], '\0');
}

TEST(FieldName, FollowsTheFirstCommaAndKeeps19Characters) {
    char name[quorl::kFieldNameSize];
    std::memset(name, 'x', sizeof name);
    quorl::ExtractFieldName("Speichern,FELD", name);
    EXPECT_STREQ(name, "FELD");
    quorl::ExtractFieldName("a,b,c", name);
    EXPECT_STREQ(name, "b,c");
    quorl::ExtractFieldName("ohne Komma", name);
    EXPECT_STREQ(name, "");
    quorl::ExtractFieldName(nullptr, name);
    EXPECT_STREQ(name, "");
    quorl::ExtractFieldName("x,ABCDEFGHIJKLMNOPQRSTUVWXYZ", name);
    EXPECT_STREQ(name, "ABCDEFGHIJKLMNOPQRS");
}

} // namespace
