#define NOUSER
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <atomic>
#include <csignal>

#include "platform/os/ConsoleSignals.h"

namespace platform {

// Ctrl-C, Ctrl-Break and a console that closes come to a handler on a thread the system
// starts for it; each stands for the signal it is on POSIX. The handler is one for the
// process, so one watch at a time answers it.
struct ConsoleSignals::Watch {
    explicit Watch(ConsoleSignals& owner) : signalled(owner) {
        s_pWatch = this;
        SetConsoleCtrlHandler(Handle, TRUE);
    }
    ~Watch() {
        SetConsoleCtrlHandler(Handle, FALSE);
        s_pWatch = nullptr;
    }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    static BOOL WINAPI Handle(DWORD event) {
        if (Watch* watch = s_pWatch) {
            watch->signalled.Signal(event == CTRL_C_EVENT       ? SIGINT
                                    : event == CTRL_BREAK_EVENT ? SIGBREAK
                                                                : SIGTERM);
        }
        return TRUE;
    }

    ConsoleSignals& signalled;
    static inline std::atomic<Watch*> s_pWatch{nullptr};
};

ConsoleSignals::ConsoleSignals(std::function<void()> onSignal)
    : m_onSignal(std::move(onSignal)), m_watch(std::make_unique<Watch>(*this)) {}

ConsoleSignals::~ConsoleSignals() = default;

void ConsoleSignals::IgnoreStraySignals() {
    // A Windows console program gets neither a broken pipe's signal nor the user signals.
}

bool ConsoleSignals::ErrorStreamShowsEscapes() {
    const HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    return GetConsoleMode(console, &mode) != 0 &&
           SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

}  // namespace platform
