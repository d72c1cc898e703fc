#include "ui/qt/QtCatalog.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/os/Translation.h"
#include "ui/wizard/WizardTexts.h"

namespace {

struct Catalogs {
    QString language;
    std::unique_ptr<QTranslator> wizard;
    std::unique_ptr<QTranslator> qt;
};

Catalogs& InUse() {
    static Catalogs catalogs;
    return catalogs;
}

// The lookup hands out C strings that must stay valid: each text looked up is kept, per
// language, for the rest of the run.
std::mutex g_textsMutex;
std::map<std::string, std::string> g_texts;

}  // namespace

bool QtCatalog::Use(const QString& language) {
    Catalogs& catalogs = InUse();
    for (auto* translator : {catalogs.wizard.get(), catalogs.qt.get()}) {
        if (translator != nullptr) {
            QCoreApplication::removeTranslator(translator);
        }
    }
    catalogs = Catalogs();
    auto wizard = std::make_unique<QTranslator>();
    if (language.isEmpty() ||
        !wizard->load(QStringLiteral(":/translations/brinevane_%1.qm").arg(language))) {
        platform::Translation::Use(nullptr);
        return false;
    }
    catalogs.language = language;
    catalogs.wizard = std::move(wizard);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        catalogs.qt = std::move(qt);
    }
    Install();
    platform::Translation::Use(&QtCatalog::Lookup);
    return true;
}

void QtCatalog::Install() {
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    Catalogs& catalogs = InUse();
    for (auto* translator : {catalogs.qt.get(), catalogs.wizard.get()}) {
        if (translator != nullptr) {
            QCoreApplication::installTranslator(translator);
        }
    }
}

QString QtCatalog::Wizard(const char* text) {
    // Straight from Qt: the lookup below is for the code that cannot ask Qt itself.
    return QCoreApplication::translate(wizard_text::kContext, text);
}

const char* QtCatalog::Lookup(const char* context, const char* source) {
    const QString text = QCoreApplication::translate(context, source);
    const QByteArray utf8 = text.toUtf8();
    if (utf8 == source) {
        return nullptr;
    }
    std::string key = InUse().language.toStdString();
    key.append(1, '\0').append(context).append(1, '\0').append(source);
    const std::lock_guard<std::mutex> lock(g_textsMutex);
    return g_texts.emplace(std::move(key), utf8.toStdString()).first->second.c_str();
}
