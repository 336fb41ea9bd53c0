#include <gtest/gtest.h>

#include <string>

#include "core/accessible_text.h"

namespace {

struct SpokenCase {
    const char* caption;
    const char* spoken;
    char mnemonic;
};

class SpokenCaptionTest : public ::testing::TestWithParam<SpokenCase> {};

TEST_P(SpokenCaptionTest, DropsMarksAndSpeaksLineBreaksAsSpaces) {
    const SpokenCase& c = GetParam();
    EXPECT_EQ(quorl::SpokenCaption(c.caption), c.spoken);
    EXPECT_EQ(quorl::MnemonicOf(c.caption), c.mnemonic);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, SpokenCaptionTest,
    ::testing::Values(SpokenCase{nullptr, "", 0}, SpokenCase{"", "", 0},
                      SpokenCase{"&Speichern", "Speichern", 'S'},
                      SpokenCase{"Dr&ucken", "Drucken", 'u'}, SpokenCase{"A && B", "A & B", 0},
                      SpokenCase{"&&x &y", "&x y", 'y'}, SpokenCase{"Ende&", "Ende", 0},
                      SpokenCase{"Zeile\nzwei", "Zeile zwei", 0},
                      SpokenCase{"Zeile\r\nzwei", "Zeile zwei", 0}, SpokenCase{"&a&b", "ab", 'a'}));

} // namespace
