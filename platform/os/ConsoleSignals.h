#pragma once
#include <atomic>
#include <functional>
#include <memory>

namespace platform {

// The signals that ask a console program to stop: Ctrl-C, a termination request, a
// terminal or console that went (Ctrl-Break too on Windows). While the object lives they
// no longer end the process; each one calls onSignal, on a thread of the watcher's own (so
// it may take locks, which a signal handler could not), and is remembered by its signal
// number as POSIX names it.
class ConsoleSignals {
  public:
    explicit ConsoleSignals(std::function<void()> onSignal);
    ~ConsoleSignals();
    ConsoleSignals(const ConsoleSignals&) = delete;
    ConsoleSignals& operator=(const ConsoleSignals&) = delete;

    // 0 when no signal came; else the last signal that came.
    int Caught() const;

    // A reader that has gone makes a write fail (EPIPE) rather than end the process, and the
    // user signals, which mean nothing to a console program here, must not end it either.
    static void IgnoreStraySignals();

    // Whether the error stream is a terminal that shows escape sequences (a Windows console
    // shows them only once asked to, which this does).
    static bool ErrorStreamShowsEscapes();

  private:
    // How each system watches; it hands every signal that comes to Signal.
    struct Watch;
    void Signal(int number);

    std::function<void()> m_onSignal;
    std::atomic<int> m_caught{0};
    std::unique_ptr<Watch> m_watch;
};

}  // namespace platform
