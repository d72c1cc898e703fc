#include "translations/Catalog.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <string>
#include <utility>
#include <vector>

#include "platform/os/Translation.h"
#include "platform/os/UserLanguage.h"

namespace {

// Every (context, source) of a catalog, finished or not.
std::vector<std::pair<std::string, std::string>> Messages(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<std::pair<std::string, std::string>> messages;
    QXmlStreamReader xml(&file);
    std::string context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText().toStdString();
        } else if (xml.name() == QLatin1String("source")) {
            messages.emplace_back(context, xml.readElementText().toStdString());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// For every message of every catalog, the compiled table gives what Qt gives from lrelease's
// file: the same translation, or none.
void ExpectTableMatchesQt(std::size_t* compared, std::size_t* translated) {
    const auto [tables, count] = Catalog::Tables();
    for (std::size_t i = 0; i < count; ++i) {
        const QString language = QString::fromLatin1(tables[i].language);
        QTranslator qt;
        ASSERT_TRUE(qt.load(QStringLiteral(BRINEVANE_QM_DIR "/brinevane_%1.qm").arg(language)));
        for (const auto& [context, source] :
             Messages(QStringLiteral(BRINEVANE_TS_DIR "/brinevane_%1.ts").arg(language))) {
            const QString fromQt = qt.translate(context.c_str(), source.c_str());
            const char* fromTable =
                Catalog::Lookup(tables[i].language, context.c_str(), source.c_str());
            EXPECT_EQ(fromQt.toStdString(), fromTable != nullptr ? fromTable : "")
                << tables[i].language << " " << context << ": " << source;
            ++*compared;
            *translated += fromTable != nullptr ? 1 : 0;
        }
    }
}

}  // namespace

#ifdef BRINEVANE_FIXTURE_CATALOG

TEST(CatalogTest, TableReadsEachKindOfEntryAsQtDoes) {
    std::size_t compared = 0;
    std::size_t translated = 0;
    ExpectTableMatchesQt(&compared, &translated);
    EXPECT_EQ(compared, 11u);
    // Finished ones only: not the unfinished, empty, vanished or obsolete.
    EXPECT_EQ(translated, 7u);
}

TEST(CatalogTest, CatalogInUseTranslatesEveryText) {
    ASSERT_TRUE(Catalog::Use("xx"));
    EXPECT_EQ(TrText("Wizard", "Cancel"), "Abbrechen");
    EXPECT_EQ(TrText("Other", "Cancel"), "Annuler");
    EXPECT_EQ(TrText("Wizard", "&Next >"), "次へ(&N) >");
    EXPECT_EQ(TrText("Wizard", "Unfinished"), "Unfinished");
    EXPECT_EQ(TrText("Nowhere", "Cancel"), "Cancel");
    // English, and a language without a catalog, put none in use.
    EXPECT_FALSE(Catalog::Use(""));
    EXPECT_EQ(TrText("Wizard", "Cancel"), "Cancel");
    EXPECT_FALSE(Catalog::Use("it"));
    EXPECT_EQ(TrText("Wizard", "Cancel"), "Cancel");
}

#else

TEST(CatalogTest, TableAndQtGiveTheSameTextForEveryMessage) {
    std::size_t compared = 0;
    std::size_t translated = 0;
    ExpectTableMatchesQt(&compared, &translated);
    EXPECT_GT(compared, 0u);
}

TEST(CatalogTest, EveryLanguageChosenHasItsCatalog) {
    const auto [tables, count] = Catalog::Tables();
    std::vector<std::string> catalogs;
    for (std::size_t i = 0; i < count; ++i) {
        catalogs.emplace_back(tables[i].language);
    }
    EXPECT_EQ(catalogs, std::vector<std::string>(std::begin(UserLanguage::kCatalogs),
                                                 std::end(UserLanguage::kCatalogs)));
}

#endif
