#pragma once
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace platform {

enum class WaitResult { Signaled, Timeout, Abandoned, Failed };

// A manual-reset event: once set it stays set, waking every waiter, until reset.
// Starts unsignalled. Virtual so that tests can stand in an event whose waits fail.
class Event {
public:
    Event() = default;
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    virtual ~Event() = default;

    virtual bool Set();
    virtual bool Reset();
    // Waits up to timeoutMs milliseconds (0 polls without waiting).
    virtual WaitResult Wait(std::uint32_t timeoutMs);

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bSignaled = false;
};

}  // namespace platform
