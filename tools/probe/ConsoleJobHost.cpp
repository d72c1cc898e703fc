#include "tools/probe/ConsoleJobHost.h"

#include <memory>

#include "jobs/JobFactory.h"
#include "jobs/RunSettings.h"

ConsoleJobHost::ConsoleJobHost() {
    m_queue.WakeForProbing();
}

ConsoleJobHost::~ConsoleJobHost() = default;

void ConsoleJobHost::Interrupt() {
    m_queue.Interrupt();
}

CThread::Probing ConsoleJobHost::Probing() const {
    return m_host != nullptr ? m_host->GetProbing() : CThread::Probing();
}

bool ConsoleJobHost::NextNotification(Notification& notification) {
    NotificationQueue::Wait wait;
    while ((wait = m_queue.Next(notification, std::chrono::milliseconds(kRefreshMs))) ==
               NotificationQueue::Wait::TimedOut ||
           wait == NotificationQueue::Wait::ProbingChanged) {
        if (m_refresh) {
            m_refresh();
        }
    }
    return wait == NotificationQueue::Wait::Taken;
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
    if (!m_queue.Restart()) {
        outcome.status = Status::Interrupted;
        return false;
    }
    return true;
}

ConsoleJobHost::Outcome ConsoleJobHost::RunSearch(bool parallel, bool fast) {
    Outcome outcome;
    if (!BeginRun(outcome)) {
        return outcome;
    }
    JobHost host(m_queue);
    if (!host.StartSearch(JobFactory::NewSearch(parallel, fast))) {
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
    JobHost host(m_queue);
    if (!host.StartConnection(JobFactory::NewConnection(*settings))) {
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
