#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

// The translators' catalogs compiled into the program, for the command line and the Win32
// wizard (the Qt wizard loads the same catalogs through Qt). Made at build time from the
// catalogs' source files, with their finished translations only.
class Catalog {
  public:
    struct Entry {
        const char* context;
        const char* source;
        const char* translation;
    };
    // One language's entries, sorted by context, then source, in byte order.
    struct Table {
        const char* language;
        const Entry* entries;
        std::size_t count;
    };

    // Puts the language's catalog in use for every text the program shows (TrText); none for
    // English or a language without one. False when no catalog is in use.
    static bool Use(std::string_view language);

    // The language's translation of one text, or null when it has none.
    static const char* Lookup(std::string_view language, const char* context, const char* source);

    // Every language's table.
    static std::pair<const Table*, std::size_t> Tables();

  private:
    static const Table* Find(std::string_view language);
    static const char* Find(const Table& table, const char* context, const char* source);
    // The lookup the program uses: in the table put in use.
    static const char* LookupInUse(const char* context, const char* source);
};
