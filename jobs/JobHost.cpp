#include "jobs/JobHost.h"

#include <algorithm>
#include <cmath>

#include "jobs/CProgramThread.h"
#include "jobs/CSearchThread.h"
#include "jobs/JobMessages.h"
#include "serial/PortMap.h"

namespace {
// A probe that hears nothing costs its break and its wait for the prompt.
constexpr double kSilentProbeSeconds = 2.3;
}  // namespace

JobHost::JobHost(platform::NotifyTarget& target)
    : m_window(platform::NotifyWindow::Create(&target)),
      m_stop(std::make_shared<platform::Event>()),
      m_stopped(std::make_shared<platform::Event>()) {}

JobHost::~JobHost() {
    Detach();
}

void JobHost::Detach() {
    m_window->Detach();
}

bool JobHost::Start(CThread* job, const char* name, const char* failureText) {
    if (job == nullptr || !job->Create(name, m_window, m_stop, m_stopped)) {
        delete job;  // no thread took it over: it is still ours
        m_search = nullptr;
        m_program = nullptr;
        m_ended = true;
        m_outcome.verdict = Verdict::Failure;
        m_outcome.message = failureText;
        return false;
    }
    m_job = job;
    return true;
}

bool JobHost::StartSearch(CSearchThread* job) {
    m_search = job;
    return Start(job, "search", "Error creating search thread!");
}

bool JobHost::StartConnection(CProgramThread* job) {
    m_program = job;
    return Start(job, "program", "Error creating program thread!");
}

JobHost::Reaction JobHost::Handle(std::uint32_t message, std::intptr_t state, std::intptr_t code) {
    Reaction reaction;
    const bool search = m_search != nullptr;
    if (m_ended || m_job == nullptr || message != (search ? WM_SEARCH_NOTIFY : WM_PROGRAM_NOTIFY)) {
        return reaction;  // after the end, or another job's
    }
    const std::intptr_t successState = search ? std::intptr_t{SR_FOUND} : std::intptr_t{PR_DONE};
    const std::intptr_t errorState = search ? std::intptr_t{SR_ERROR} : std::intptr_t{PR_ERROR};
    const std::intptr_t initState = search ? std::intptr_t{SR_INIT} : std::intptr_t{PR_INIT};
    if (state == successState) {
        if (code != NOTIFY_END) {
            return reaction;  // the result is not there yet
        }
        TakeResult();
        reaction.verdict = Verdict::Success;
    } else if (state != errorState) {
        reaction.step = true;
        if (state == initState && code == NOTIFY_BEGIN) {
            reaction.caption = search ? "Searching..." : "Programming...";
        }
        return reaction;
    } else {
        TakeFailure();
        reaction.verdict = Verdict::Failure;
    }
    m_ended = true;
    m_outcome.verdict = reaction.verdict;
    return reaction;
}

void JobHost::TakeResult() {
    if (m_search != nullptr) {
        std::int32_t port = 0;
        m_search->GetResult(&port, &m_outcome.baud);
        m_outcome.portName = PortMap::PortName(port);
        m_outcome.banner = m_search->GetBanner();
    } else {
        const CThread::Probing probing = m_program->GetProbing();
        m_outcome.portName = probing.portName;
        m_outcome.baud = probing.baud;
        m_outcome.banner = m_program->GetBanner();
        m_outcome.rateApplied = m_program->RateApplied();
    }
    m_job->StopRunning();
}

void JobHost::TakeFailure() {
    if (m_search != nullptr) {
        const SearchFailure& failure = m_search->GetFailure();
        m_outcome.message = "No Brinevane ADCPs were detected!";
        m_outcome.reason = failure.Explain();
        m_outcome.reasonCode = failure.Code();
    } else {
        const ConnectionFailure failure = m_program->GetFailure();
        m_outcome.message = "Error during programming!";
        m_outcome.reason = failure.Explain();
        m_outcome.reasonCode = failure.Code();
    }
}

bool JobHost::Stop() {
    if (m_job == nullptr) {
        return true;
    }
    m_stop->Set();
    if (m_stopped->Wait(kStopWaitMs) != platform::WaitResult::Signaled) {
        m_outcome.stopFailure = m_search != nullptr ? "Could not stop search thread!"
                                                    : "Could not stop program thread!";
        return false;
    }
    m_stop->Reset();
    m_stopped->Reset();
    m_job = nullptr;
    m_search = nullptr;
    m_program = nullptr;
    return true;
}

CThread::Probing JobHost::GetProbing() const {
    return m_job != nullptr ? m_job->GetProbing() : CThread::Probing();
}

std::string JobHost::Describe(const CThread::Probing& probing) {
    if (!probing.summary.empty()) {
        return probing.summary;
    }
    if (probing.portName.empty()) {
        return std::string();
    }
    const bool named = !probing.device.empty() && probing.device != probing.portName;
    return probing.portName + (named ? " (" + probing.device + ")" : "") + " at " +
           std::to_string(probing.baud) + " baud";
}

std::string JobHost::Remaining(const CThread::Probing& probing) {
    if (probing.probe <= 0 || probing.probes < probing.probe) {
        return std::string();
    }
    const int left = probing.probes - probing.probe + 1;
    // Ports probed together spend the time of their probes side by side.
    const int atOnce = std::max(1, probing.atOnce);
    const int rounds = (left + atOnce - 1) / atOnce;
    const long seconds = std::lround(rounds * kSilentProbeSeconds);
    return "probe " + std::to_string(probing.probe) + " of " + std::to_string(probing.probes) +
           ", about " + std::to_string(seconds) + " s left";
}
