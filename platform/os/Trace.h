#pragma once

// The debug trace: printf-style lines on stderr in debug builds, compiled out of release
// builds (NDEBUG), where nothing is written and no argument is evaluated.
namespace platform {

void TraceWrite(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Hosts that own stderr (the command line without -v) switch the trace off at run time.
void SetTraceEnabled(bool enabled);
bool TraceEnabled();

}  // namespace platform

#ifdef NDEBUG
// sizeof keeps the arguments referenced (no unused warnings) without evaluating them.
#define TRACE(...) ((void)sizeof((::platform::TraceWrite(__VA_ARGS__), 0)))
#else
#define TRACE(...) ::platform::TraceWrite(__VA_ARGS__)
#endif
