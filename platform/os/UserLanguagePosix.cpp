#include <cstdlib>

#include "platform/os/UserLanguage.h"

std::string UserLanguage::Current() {
    return FromEnvironment([](const char* name) { return std::getenv(name); });
}
