#include "platform/os/UserLanguage.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

std::string FromEnvironment(const std::map<std::string, std::string>& variables) {
    return UserLanguage::FromEnvironment([&variables](const char* name) -> const char* {
        const auto found = variables.find(name);
        return found != variables.end() ? found->second.c_str() : nullptr;
    });
}

}  // namespace

TEST(UserLanguageTest, LocaleNamesPickTheirCatalog) {
    EXPECT_EQ(UserLanguage::Match("de_DE.UTF-8"), "de");
    EXPECT_EQ(UserLanguage::Match("de_AT@euro"), "de");
    EXPECT_EQ(UserLanguage::Match("fr_CA"), "fr");
    EXPECT_EQ(UserLanguage::Match("es-419"), "es");
    EXPECT_EQ(UserLanguage::Match("ja_JP.eucJP"), "ja");
    // Any Portuguese reads the Brazilian catalog.
    EXPECT_EQ(UserLanguage::Match("pt_BR.UTF-8"), "pt_BR");
    EXPECT_EQ(UserLanguage::Match("pt_PT"), "pt_BR");
    EXPECT_EQ(UserLanguage::Match("pt"), "pt_BR");
    // Simplified characters read the Chinese catalog; traditional ones none.
    EXPECT_EQ(UserLanguage::Match("zh_CN.GB18030"), "zh_CN");
    EXPECT_EQ(UserLanguage::Match("zh_SG"), "zh_CN");
    EXPECT_EQ(UserLanguage::Match("zh-Hans-CN"), "zh_CN");
    EXPECT_EQ(UserLanguage::Match("zh_TW.UTF-8"), std::nullopt);
    EXPECT_EQ(UserLanguage::Match("zh-Hant"), std::nullopt);
    EXPECT_EQ(UserLanguage::Match("zh_HK"), std::nullopt);
    // English needs no catalog; a language with none is not English either.
    EXPECT_EQ(UserLanguage::Match("en_GB.UTF-8"), "");
    EXPECT_EQ(UserLanguage::Match("it_IT"), std::nullopt);
    EXPECT_EQ(UserLanguage::Match("dE_de"), "de");
    EXPECT_EQ(UserLanguage::Match("d"), std::nullopt);
}

TEST(UserLanguageTest, EnvironmentIsReadInGettextsOrder) {
    EXPECT_EQ(FromEnvironment({}), "");
    EXPECT_EQ(FromEnvironment({{"LANG", "de_DE.UTF-8"}}), "de");
    EXPECT_EQ(FromEnvironment({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}), "fr");
    EXPECT_EQ(
        FromEnvironment({{"LC_ALL", "ja_JP.UTF-8"}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "de"}}),
        "ja");
    // A variable set but empty counts as not set.
    EXPECT_EQ(FromEnvironment({{"LC_ALL", ""}, {"LANG", "es_ES.UTF-8"}}), "es");
    // The C locale is English, whatever LANGUAGE says.
    EXPECT_EQ(FromEnvironment({{"LC_ALL", "C"}, {"LANG", "de_DE"}}), "");
    EXPECT_EQ(FromEnvironment({{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}), "");
    EXPECT_EQ(FromEnvironment({{"LANGUAGE", "de"}}), "");
    EXPECT_EQ(FromEnvironment({{"LC_MESSAGES", "POSIX"}, {"LANG", "fr_FR"}}), "");
}

TEST(UserLanguageTest, LanguageListComesBeforeTheLocale) {
    // The first entry with a catalog wins; entries without one are passed over.
    EXPECT_EQ(FromEnvironment({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "it:fr_FR:de"}}), "fr");
    EXPECT_EQ(FromEnvironment({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "::pt"}}), "pt_BR");
    // English chosen in the list is English, not a catalog further on.
    EXPECT_EQ(FromEnvironment({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}), "");
    // With no entry that the program speaks, the locale decides.
    EXPECT_EQ(FromEnvironment({{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "it:sv"}}), "ja");
    EXPECT_EQ(FromEnvironment({{"LANG", "it_IT.UTF-8"}, {"LANGUAGE", ""}}), "");
}
