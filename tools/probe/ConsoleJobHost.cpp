#include "tools/probe/ConsoleJobHost.h"

#include <new>

#include "jobs/CProgramThread.h"
#include "jobs/CSearchThread.h"
#include "jobs/JobMessages.h"
#include "jobs/RunSettings.h"
#include "serial/PortDiagnosis.h"
#include "serial/PortMap.h"

ConsoleJobHost::ConsoleJobHost() = default;

ConsoleJobHost::~ConsoleJobHost() {
    EndRun();
}

void ConsoleJobHost::Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(Notification{message, static_cast<std::int32_t>(wParam), lParam});
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

bool ConsoleJobHost::IsInterrupted() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_interrupted;
}

void ConsoleJobHost::BeginRun() {
    EndRun();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.clear();
    }
    m_window = platform::NotifyWindow::Create(this);
    m_stopEvent = std::make_shared<platform::Event>();
    m_stoppedEvent = std::make_shared<platform::Event>();
}

void ConsoleJobHost::EndRun() {
    if (m_window) {
        m_window->Detach();
        m_window.reset();
    }
    m_stopEvent.reset();
    m_stoppedEvent.reset();
}

bool ConsoleJobHost::NextNotification(Notification& notification) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_posted.wait(lock, [this] { return m_interrupted || !m_queue.empty(); });
    if (m_interrupted) {
        return false;
    }
    notification = m_queue.front();
    m_queue.pop_front();
    return true;
}

bool ConsoleJobHost::StopJob() {
    m_stopEvent->Set();
    if (m_stoppedEvent->Wait(kStopWaitMs) != platform::WaitResult::Signaled) {
        return false;  // the job keeps its events; they are shared, so still valid
    }
    m_stopEvent->Reset();
    m_stoppedEvent->Reset();
    return true;
}

bool ConsoleJobHost::Drive(std::uint32_t message, Outcome& outcome,
                           const std::function<bool(const Notification&)>& ends) {
    for (;;) {
        Notification notification;
        if (!NextNotification(notification)) {
            outcome.status = Status::Interrupted;
            return StopJob();
        }
        if (m_observer) {
            m_observer(notification);
        }
        if (notification.message == message && ends(notification)) {
            return StopJob();
        }
    }
}

ConsoleJobHost::Outcome ConsoleJobHost::RunSearch() {
    Outcome outcome;
    if (IsInterrupted()) {
        outcome.status = Status::Interrupted;
        return outcome;
    }
    BeginRun();
    CSearchThread* job = new (std::nothrow) CSearchThread();
    if (job == nullptr || !job->Create("search", m_window, m_stopEvent, m_stoppedEvent)) {
        delete job;  // a job whose thread never started stays with its host
        EndRun();
        outcome.status = Status::NotStarted;
        outcome.message = "Error creating search thread!";
        return outcome;
    }
    // The result is read before the job is told to stop: from then on it may end and
    // delete itself at any moment.
    const bool stopped = Drive(WM_SEARCH_NOTIFY, outcome, [&](const Notification& notification) {
        if (notification.state == SR_FOUND && notification.code == NOTIFY_END) {
            std::int32_t port = 0;
            std::int32_t baud = 0;
            job->GetResult(&port, &baud);
            outcome.status = Status::Success;
            outcome.portName = PortMap::PortName(port);
            outcome.baud = baud;
            outcome.banner = job->GetBanner();
            job->StopRunning();
            return true;
        }
        if (notification.state == SR_ERROR) {
            outcome.status = Status::Failure;
            outcome.message = "No Brinevane ADCPs were detected!";
            return true;
        }
        return false;
    });
    if (outcome.status == Status::Failure) {
        // Once the job has let go of its port, so that it is not taken for a holder.
        outcome.reason = PortDiagnosis::ExplainSearchFailure();
    }
    if (!stopped) {
        outcome.stopFailure = "Could not stop search thread!";
    }
    EndRun();
    return outcome;
}

ConsoleJobHost::Outcome ConsoleJobHost::RunConnection(const std::string& portName,
                                                      std::int32_t baud) {
    Outcome outcome;
    if (IsInterrupted()) {
        outcome.status = Status::Interrupted;
        return outcome;
    }
    // The job holds on to the settings; one that fails to stop may still read them, so
    // they must outlive this call then.
    auto settings = std::make_unique<RunSettings>();
    settings->m_strPortName = portName;
    settings->m_nBaudRate = baud;
    BeginRun();
    CProgramThread* job = new (std::nothrow) CProgramThread(*settings);
    if (job == nullptr || !job->Create("program", m_window, m_stopEvent, m_stoppedEvent)) {
        delete job;
        EndRun();
        outcome.status = Status::NotStarted;
        outcome.message = "Error creating program thread!";
        return outcome;
    }
    const bool stopped = Drive(WM_PROGRAM_NOTIFY, outcome, [&](const Notification& notification) {
        if (notification.state == PR_ERROR) {
            outcome.status = Status::Failure;
            outcome.message = "Error during programming!";
            outcome.reason = job->GetFailure().Explain();
            return true;
        }
        if (notification.state == PR_DONE && notification.code == NOTIFY_END) {
            outcome.status = Status::Success;
            outcome.portName = portName;
            outcome.baud = baud;
            outcome.banner = job->GetBanner();
            job->StopRunning();
            return true;
        }
        return false;
    });
    if (!stopped) {
        outcome.stopFailure = "Could not stop program thread!";
        static_cast<void>(settings.release());  // still the job's to read
    }
    EndRun();
    return outcome;
}
