#include "tools/probe/ConsoleJobHost.h"

#include <new>

#include "jobs/CParallelSearchThread.h"
#include "jobs/CProgramThread.h"
#include "jobs/CSearchThread.h"
#include "jobs/RunSettings.h"

ConsoleJobHost::ConsoleJobHost() = default;

ConsoleJobHost::~ConsoleJobHost() = default;

void ConsoleJobHost::Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(Notification{message, static_cast<std::int32_t>(wParam), lParam});
    }
    m_posted.notify_one();
}

void ConsoleJobHost::ProbingChanged() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_probingChanged = true;
    }
    m_posted.notify_one();
}

void ConsoleJobHost::Interrupt() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_interrupted = true;
    }
    m_posted.notify_all();
}

CThread::Probing ConsoleJobHost::Probing() const {
    return m_host != nullptr ? m_host->GetProbing() : CThread::Probing();
}

bool ConsoleJobHost::NextNotification(Notification& notification) {
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto ready = [this] { return m_interrupted || !m_queue.empty() || m_probingChanged; };
    for (;;) {
        const bool woken = m_posted.wait_for(lock, std::chrono::milliseconds(kRefreshMs), ready);
        if (woken && (m_interrupted || !m_queue.empty())) {
            break;
        }
        m_probingChanged = false;
        if (m_refresh) {
            lock.unlock();
            m_refresh();
            lock.lock();
        }
    }
    if (m_interrupted) {
        return false;
    }
    notification = m_queue.front();
    m_queue.pop_front();
    return true;
}

ConsoleJobHost::Outcome ConsoleJobHost::Drive(JobHost& host) {
    Outcome outcome;
    bool interrupted = false;
    m_host = &host;
    for (;;) {
        Notification notification;
        if (!NextNotification(notification)) {
            interrupted = true;
            break;
        }
        if (m_observer) {
            m_observer(notification);
        }
        if (m_refresh) {
            m_refresh();
        }
        if (host.Handle(notification.message, notification.state, notification.code).verdict !=
            JobHost::Verdict::Running) {
            break;
        }
    }
    host.Stop();
    m_host = nullptr;
    static_cast<JobHost::Outcome&>(outcome) = host.GetOutcome();
    outcome.status = interrupted                                    ? Status::Interrupted
                     : outcome.verdict == JobHost::Verdict::Success ? Status::Success
                                                                    : Status::Failure;
    return outcome;
}

bool ConsoleJobHost::BeginRun(Outcome& outcome) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_interrupted) {
        outcome.status = Status::Interrupted;
        return false;
    }
    m_queue.clear();
    return true;
}

ConsoleJobHost::Outcome ConsoleJobHost::RunSearch(bool parallel, bool fast) {
    Outcome outcome;
    if (!BeginRun(outcome)) {
        return outcome;
    }
    JobHost host(*this);
    const RatePlan::Order order = fast ? RatePlan::Order::Likeliest : RatePlan::Order::Fixed;
    CSearchThread* job = parallel ? new (std::nothrow) CParallelSearchThread(order)
                                  : new (std::nothrow) CSearchThread(order);
    if (!host.StartSearch(job)) {
        static_cast<JobHost::Outcome&>(outcome) = host.GetOutcome();
        outcome.status = Status::NotStarted;
        return outcome;
    }
    return Drive(host);
}

ConsoleJobHost::Outcome ConsoleJobHost::RunConnection(const std::string& portName,
                                                      std::int32_t baud) {
    Outcome outcome;
    if (!BeginRun(outcome)) {
        return outcome;
    }
    // The job holds on to the settings; one that fails to stop may still read them, so
    // they must outlive this call then.
    auto settings = std::make_unique<RunSettings>();
    settings->m_strPortName = portName;
    settings->m_nBaudRate = baud;
    JobHost host(*this);
    if (!host.StartConnection(new (std::nothrow) CProgramThread(*settings))) {
        static_cast<JobHost::Outcome&>(outcome) = host.GetOutcome();
        outcome.status = Status::NotStarted;
        return outcome;
    }
    outcome = Drive(host);
    if (!outcome.stopFailure.empty()) {
        static_cast<void>(settings.release());  // still the job's to read
    }
    return outcome;
}
