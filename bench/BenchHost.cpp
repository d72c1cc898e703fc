#include "bench/BenchHost.h"

#include <chrono>

BenchHost::BenchHost() : job(m_queue) {}

BenchHost::~BenchHost() {
    job.Detach();
}

bool BenchHost::Next(Notification& out, std::uint32_t timeoutMs) {
    return m_queue.Next(out, std::chrono::milliseconds(timeoutMs)) ==
           NotificationQueue::Wait::Taken;
}

double BenchHost::Stop() {
    const auto asked = Clock::now();
    if (!job.Stop()) {
        return -1.0;
    }
    return std::chrono::duration<double>(Clock::now() - asked).count();
}
