#include "platform/os/Translation.h"

#include <gtest/gtest.h>

#include <cstring>

using platform::FillText;
using platform::Translation;

TEST(TranslationTest, FillsEachNumberOnceAndLeavesTheRest) {
    EXPECT_EQ(FillText("%2 at %1 baud", {"9600", "COM3"}), "COM3 at 9600 baud");
    // A value is never read again as a pattern: a port named "%2" stays "%2".
    EXPECT_EQ(FillText("%1 (%2)", {"%2", "x"}), "%2 (x)");
    EXPECT_EQ(FillText("100% of %1, %3 and %", {"ports"}), "100% of ports, %3 and %");
}

TEST(TranslationTest, ACatalogAnswersOnlyForItsOwnTexts) {
    EXPECT_EQ(TrText("Test", "Cancel"), "Cancel");
    Translation::Use([](const char* context, const char* source) -> const char* {
        if (std::strcmp(context, "Test") == 0 && std::strcmp(source, "Cancel") == 0)
            return "Abbrechen";
        return std::strcmp(source, "Empty") == 0 ? "" : nullptr;
    });
    EXPECT_EQ(TrText("Test", "Cancel"), "Abbrechen");
    EXPECT_EQ(TrText("Other", "Cancel"), "Cancel");
    EXPECT_EQ(TrText("Test", "Empty"), "Empty");  // an unfinished entry is no translation
    Translation::Use(nullptr);
    EXPECT_EQ(TrText("Test", "Cancel"), "Cancel");
}
