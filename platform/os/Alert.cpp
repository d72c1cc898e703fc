#include "platform/os/Alert.h"

#include <cstdio>
#include <mutex>

namespace platform {
namespace {
std::mutex g_hookMutex;
AlertHook g_hook;
}  // namespace

void SetAlertHook(AlertHook hook) {
    std::lock_guard<std::mutex> lock(g_hookMutex);
    g_hook = std::move(hook);
}

void ShowAlert(const std::string& text) {
    AlertHook hook;
    {
        std::lock_guard<std::mutex> lock(g_hookMutex);
        hook = g_hook;
    }
    if (hook) {
        hook(text);
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

}  // namespace platform
