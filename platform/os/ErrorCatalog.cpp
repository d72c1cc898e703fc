#include "platform/os/ErrorCatalog.h"

#include <map>
#include <mutex>

namespace platform {
namespace {

// Entries are only ever added: a found one stays where it is for the rest of the process.
struct Table {
    std::mutex mutex;
    std::map<std::uint32_t, ErrorCatalog::Entry> entries;
};

Table& TheTable() {
    static Table* const table = new Table();  // never destroyed: threads may outlive main
    return *table;
}

}  // namespace

void ErrorCatalog::Add(std::initializer_list<Entry> entries) {
    Table& table = TheTable();
    std::lock_guard<std::mutex> lock(table.mutex);
    for (const Entry& entry : entries) {
        table.entries.emplace(entry.code, entry);
    }
}

const ErrorCatalog::Entry* ErrorCatalog::Find(std::uint32_t code) {
    Table& table = TheTable();
    std::lock_guard<std::mutex> lock(table.mutex);
    const auto found = table.entries.find(code);
    return found != table.entries.end() ? &found->second : nullptr;
}

}  // namespace platform
