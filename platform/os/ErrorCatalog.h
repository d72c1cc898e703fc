#pragma once
#include <cstdint>
#include <initializer_list>

#include "platform/os/LastError.h"

namespace platform {

// The program's own error codes (bit 29 set, apart from every system code), each with its
// text and what it means for a port. The layer that defines a code adds it here, before it
// can set it (a transport from the driver registry's set-up, the serial link from its
// object), so that a new transport brings its codes with it and this layer names none.
class ErrorCatalog {
  public:
    struct Entry {
        std::uint32_t code;
        // A short phrase that goes inside a sentence, without a full stop; in English, marked
        // BV_NOOP("ErrorCatalog", ...): LastErrorText looks it up in the user's language.
        const char* text;
        ErrorKind kind = ErrorKind::Other;
    };

    // A code added twice keeps its first entry. Safe from any thread.
    static void Add(std::initializer_list<Entry> entries);
    // The code's entry; null when no layer has added it.
    static const Entry* Find(std::uint32_t code);
};

}  // namespace platform
