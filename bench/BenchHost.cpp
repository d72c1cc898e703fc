#include "bench/BenchHost.h"

BenchHost::BenchHost() : job(*this) {}

BenchHost::~BenchHost() {
    job.Detach();
}

void BenchHost::Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    const auto now = Clock::now();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back({message, wParam, lParam, now});
    }
    m_posted.notify_one();
}

bool BenchHost::Next(Notification& out, std::uint32_t timeoutMs) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_posted.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [this] { return !m_queue.empty(); })) {
        return false;
    }
    out = m_queue.front();
    m_queue.pop_front();
    return true;
}

double BenchHost::Stop() {
    const auto asked = Clock::now();
    if (!job.Stop()) {
        return -1.0;
    }
    return std::chrono::duration<double>(Clock::now() - asked).count();
}
