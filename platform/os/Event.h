#pragma once
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace platform {

enum class WaitResult { Signaled, Timeout, Abandoned, Failed };

// A manual-reset event: once set it stays set, waking every waiter, until reset.
// Starts unsignalled. Virtual so that tests can stand in an event whose waits fail.
class Event {
  public:
    Event();
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    virtual ~Event();

    virtual bool Set();
    virtual bool Reset();
    // Waits until the event is set or the deadline has passed (a past one only polls).
    virtual WaitResult WaitUntil(std::chrono::steady_clock::time_point deadline);
    // Waits up to timeoutMs milliseconds (0 polls without waiting).
    WaitResult Wait(std::uint32_t timeoutMs) {
        return WaitUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs));
    }

#ifdef _WIN32
    // The system's manual-reset event, for a wait that also watches a line; null when the
    // system had none to give.
    void* Handle() const {
        return m_handle;
    }

  private:
    void* m_handle = nullptr;
#else
    // A descriptor that is readable exactly while the event is set, for a wait that also
    // watches a line (poll). Made on first use, so events nobody waits on that way hold
    // none; -1 when the system has none to give (the last error says why).
    int Descriptor();

  private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bSignaled = false;
    int m_fd = -1;
#endif
};

}  // namespace platform
