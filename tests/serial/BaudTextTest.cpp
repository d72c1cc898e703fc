#include <gtest/gtest.h>

#include "serial/BaudText.h"

// The baud list's text is read as the user would expect a number to be read, and no text,
// however long, overflows the rate.
TEST(BaudTextTest, ReadsTheLeadingDecimalNumber) {
    EXPECT_EQ(ReadBaudText("19200"), 19200);
    EXPECT_EQ(ReadBaudText("  \t115200"), 115200);
    EXPECT_EQ(ReadBaudText("+9600"), 9600);
    EXPECT_EQ(ReadBaudText("-4800"), -4800);
    EXPECT_EQ(ReadBaudText("9600 baud"), 9600);
    EXPECT_EQ(ReadBaudText("57.6k"), 57);
    EXPECT_EQ(ReadBaudText(""), 0);
    EXPECT_EQ(ReadBaudText("fast"), 0);
    EXPECT_EQ(ReadBaudText("- 9600"), 0);
}

TEST(BaudTextTest, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(ReadBaudText("2147483647"), 2147483647);
    EXPECT_EQ(ReadBaudText("2147483648"), 2147483647);
    EXPECT_EQ(ReadBaudText("99999999999999999999999"), 2147483647);
    EXPECT_EQ(ReadBaudText("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ReadBaudText("-99999999999999999999999"), -2147483647 - 1);
}
