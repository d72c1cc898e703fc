#include "platform/os/Event.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>

#include "platform/os/LastError.h"

namespace platform {

Event::Event() = default;

Event::~Event() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool Event::Set() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // The counter is raised once per set, so that one read in Reset empties it.
        if (!m_bSignaled && m_fd >= 0) {
            const std::uint64_t one = 1;
            if (::write(m_fd, &one, sizeof one) != static_cast<ssize_t>(sizeof one)) {
                return FailWithErrno();
            }
        }
        m_bSignaled = true;
    }
    m_changed.notify_all();
    return true;
}

bool Event::Reset() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_bSignaled && m_fd >= 0) {
        std::uint64_t count = 0;
        if (::read(m_fd, &count, sizeof count) != static_cast<ssize_t>(sizeof count)) {
            return FailWithErrno();
        }
    }
    m_bSignaled = false;
    return true;
}

WaitResult Event::WaitUntil(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock<std::mutex> lock(m_mutex);
    // A poll (a deadline already past) must not reach the kernel: a timed wait that has
    // already expired still costs tens of microseconds here, and the prompt wait polls
    // the stop event after every byte.
    if (m_bSignaled || deadline <= std::chrono::steady_clock::now()) {
        return m_bSignaled ? WaitResult::Signaled : WaitResult::Timeout;
    }
    const bool signaled = m_changed.wait_until(lock, deadline, [this] { return m_bSignaled; });
    return signaled ? WaitResult::Signaled : WaitResult::Timeout;
}

int Event::Descriptor() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_fd < 0) {
        m_fd = eventfd(m_bSignaled ? 1 : 0, EFD_CLOEXEC | EFD_NONBLOCK);
        if (m_fd < 0) {
            FailWithErrno();
        }
    }
    return m_fd;
}

}  // namespace platform
