#include <gtest/gtest.h>
#include "core/text.h"
TEST(Text, Placeholder) {
    EXPECT_EQ(quorl::ParseDecimal("12"), 12);
}
