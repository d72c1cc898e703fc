#include "translations/Catalog.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/os/Translation.h"

namespace {
std::atomic<const Catalog::Table*> g_inUse{nullptr};
}

bool Catalog::Use(std::string_view language) {
    const Table* table = language.empty() ? nullptr : Find(language);
    g_inUse.store(table);
    platform::Translation::Use(table != nullptr ? &Catalog::LookupInUse : nullptr);
    return table != nullptr;
}

const char* Catalog::Lookup(std::string_view language, const char* context, const char* source) {
    const Table* table = Find(language);
    return table != nullptr ? Find(*table, context, source) : nullptr;
}

const Catalog::Table* Catalog::Find(std::string_view language) {
    const auto [tables, count] = Tables();
    const Table* found = std::find_if(tables, tables + count, [language](const Table& table) {
        return language == table.language;
    });
    return found != tables + count ? found : nullptr;
}

const char* Catalog::Find(const Table& table, const char* context, const char* source) {
    const auto before = [](const Entry& entry, const std::pair<const char*, const char*>& key) {
        const int byContext = std::strcmp(entry.context, key.first);
        return byContext < 0 || (byContext == 0 && std::strcmp(entry.source, key.second) < 0);
    };
    const Entry* end = table.entries + table.count;
    const Entry* found =
        std::lower_bound(table.entries, end, std::make_pair(context, source), before);
    if (found == end || std::strcmp(found->context, context) != 0 ||
        std::strcmp(found->source, source) != 0) {
        return nullptr;
    }
    return found->translation;
}

const char* Catalog::LookupInUse(const char* context, const char* source) {
    const Table* table = g_inUse.load();
    return table != nullptr ? Find(*table, context, source) : nullptr;
}
