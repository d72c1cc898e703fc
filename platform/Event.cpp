#include "platform/Event.h"

#include <chrono>

namespace platform {

bool Event::Set() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bSignaled = true;
    }
    m_changed.notify_all();
    return true;
}

bool Event::Reset() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bSignaled = false;
    return true;
}

WaitResult Event::WaitUntil(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock<std::mutex> lock(m_mutex);
    const bool signaled = m_changed.wait_until(lock, deadline, [this] { return m_bSignaled; });
    return signaled ? WaitResult::Signaled : WaitResult::Timeout;
}

}  // namespace platform
