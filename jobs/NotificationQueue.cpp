#include "jobs/NotificationQueue.h"

void NotificationQueue::Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    const Clock::time_point now = Clock::now();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(Notification{message, static_cast<std::int32_t>(wParam), lParam, now});
    }
    m_posted.notify_one();
}

NotificationQueue::Wait NotificationQueue::Next(Notification& out,
                                                std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_posted.wait_for(lock, timeout, [this] {
            return m_interrupted || !m_queue.empty() || m_probingChanged;
        })) {
        return Wait::TimedOut;
    }
    if (m_interrupted) {
        return Wait::Interrupted;
    }
    if (m_queue.empty()) {
        m_probingChanged = false;
        return Wait::ProbingChanged;
    }
    out = m_queue.front();
    m_queue.pop_front();
    return Wait::Taken;
}

void NotificationQueue::ProbingChanged() {
    if (!m_wakeForProbing) {
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_probingChanged = true;
    }
    m_posted.notify_one();
}

void NotificationQueue::Interrupt() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_interrupted = true;
    }
    m_posted.notify_all();
}

bool NotificationQueue::Restart() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queue.clear();
    return !m_interrupted;
}
