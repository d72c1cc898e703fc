#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <thread>

#include "platform/os/ConsoleSignals.h"

namespace platform {

// SIGINT, SIGTERM and SIGHUP (a terminal that went) are taken by a thread of their own
// through a signalfd. The thread wakes to end through an eventfd, which no one outside can
// write: no signal can end the watch.
struct ConsoleSignals::Watch {
    explicit Watch(ConsoleSignals& owner) : signalled(owner) {
        const sigset_t set = Signals();
        pthread_sigmask(SIG_BLOCK, &set, nullptr);
        signals = signalfd(-1, &set, SFD_CLOEXEC);
        wake = eventfd(0, EFD_CLOEXEC);
        if (signals >= 0 && wake >= 0) {
            thread = std::thread([this] { Run(); });
        }
    }
    ~Watch() {
        if (thread.joinable()) {
            const std::uint64_t one = 1;
            [[maybe_unused]] const ssize_t n = ::write(wake, &one, sizeof one);
            thread.join();
        }
        for (const int fd : {signals, wake}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    static sigset_t Signals() {
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, SIGINT);
        sigaddset(&set, SIGTERM);
        sigaddset(&set, SIGHUP);
        return set;
    }

    void Run() {
        for (;;) {
            pollfd fds[2] = {{signals, POLLIN, 0}, {wake, POLLIN, 0}};
            if (poll(fds, 2, -1) < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return;
            }
            if ((fds[1].revents & POLLIN) != 0) {
                return;
            }
            signalfd_siginfo info{};
            if (::read(signals, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
                signalled.Signal(static_cast<int>(info.ssi_signo));
            }
        }
    }

    ConsoleSignals& signalled;
    int signals = -1;
    int wake = -1;
    std::thread thread;
};

ConsoleSignals::ConsoleSignals(std::function<void()> onSignal)
    : m_onSignal(std::move(onSignal)), m_watch(std::make_unique<Watch>(*this)) {}

ConsoleSignals::~ConsoleSignals() = default;

void ConsoleSignals::IgnoreStraySignals() {
    signal(SIGPIPE, SIG_IGN);
    signal(SIGUSR1, SIG_IGN);
    signal(SIGUSR2, SIG_IGN);
}

bool ConsoleSignals::ErrorStreamShowsEscapes() {
    return isatty(STDERR_FILENO) == 1;
}

}  // namespace platform
