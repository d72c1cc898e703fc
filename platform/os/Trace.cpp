#include "platform/os/Trace.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {
std::atomic<bool> g_traceEnabled{std::getenv("BRINEVANE_TRACE") == nullptr ||
                                 std::getenv("BRINEVANE_TRACE")[0] != '0'};
}

void SetTraceEnabled(bool enabled) {
    g_traceEnabled = enabled;
}

bool TraceEnabled() {
    return g_traceEnabled;
}

void TraceWrite(const char* format, ...) {
    if (!g_traceEnabled) {
        return;
    }
    // One formatted write per line, so lines from two threads do not interleave mid-line.
    char line[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    std::fputs(line, stderr);
}

}  // namespace platform
