#include "jobs/JobHost.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "jobs/CProgramThread.h"
#include "jobs/CSearchThread.h"
#include "jobs/JobMessages.h"
#include "jobs/JobTexts.h"
#include "platform/os/Translation.h"
#include "serial/PortMap.h"

using platform::FillText;

struct JobHost::Kind {
    const char* name;  // of the thread
    std::uint32_t message;
    std::intptr_t initState;
    std::intptr_t successState;
    std::intptr_t errorState;
    // The texts in English, as the catalog knows them: each is looked up as it is used.
    const char* caption;
    const char* createFailure;
    const char* stopFailure;
    const char* failureMessage;
    void (*takeResult)(CThread& job, Outcome& outcome);
    void (*takeFailure)(CThread& job, Outcome& outcome);
};

namespace {

const JobHost::Kind kSearch{"search",
                            WM_SEARCH_NOTIFY,
                            SR_INIT,
                            SR_FOUND,
                            SR_ERROR,
                            BV_NOOP("JobHost", "Searching..."),
                            BV_NOOP("JobHost", "Error creating search thread!"),
                            BV_NOOP("JobHost", "Could not stop search thread!"),
                            BV_NOOP("JobHost", "No Brinevane ADCPs were detected!"),
                            [](CThread& job, JobHost::Outcome& outcome) {
                                const auto& search = static_cast<const CSearchThread&>(job);
                                std::int32_t port = 0;
                                search.GetResult(&port, &outcome.baud);
                                outcome.portName = PortMap::PortName(port);
                                outcome.banner = search.GetBanner();
                                outcome.ports = PortVerdict::All(search.GetRecord());
                            },
                            [](CThread& job, JobHost::Outcome& outcome) {
                                const SearchRecord& failure =
                                    static_cast<const CSearchThread&>(job).GetRecord();
                                outcome.reason = failure.Explain();
                                outcome.reasonCode = failure.Code();
                                outcome.ports = PortVerdict::All(failure);
                            }};

const JobHost::Kind kConnection{"program",
                                WM_PROGRAM_NOTIFY,
                                PR_INIT,
                                PR_DONE,
                                PR_ERROR,
                                BV_NOOP("JobHost", "Programming..."),
                                BV_NOOP("JobHost", "Error creating program thread!"),
                                BV_NOOP("JobHost", "Could not stop program thread!"),
                                BV_NOOP("JobHost", "Error during programming!"),
                                [](CThread& job, JobHost::Outcome& outcome) {
                                    const auto& program = static_cast<const CProgramThread&>(job);
                                    const CThread::Probing probing = program.GetProbing();
                                    outcome.portName = probing.portName;
                                    outcome.baud = probing.baud;
                                    outcome.banner = program.GetBanner();
                                    outcome.rateApplied = program.RateApplied();
                                },
                                [](CThread& job, JobHost::Outcome& outcome) {
                                    const ConnectionFailure failure =
                                        static_cast<const CProgramThread&>(job).GetFailure();
                                    outcome.reason = failure.Explain();
                                    outcome.reasonCode = failure.Code();
                                }};

}  // namespace

JobHost::JobHost(NotifyTarget& target)
    : m_window(NotifyWindow::Create(&target)),
      m_stop(std::make_shared<platform::Event>()),
      m_stopped(std::make_shared<platform::Event>()) {}

JobHost::~JobHost() {
    Detach();
}

void JobHost::Detach() {
    m_window->Detach();
}

bool JobHost::Start(CThread* job, const Kind& kind) {
    m_kind = &kind;
    if (job == nullptr || !job->Create(kind.name, m_window, m_stop, m_stopped)) {
        delete job;  // no thread took it over: it is still ours
        m_ended = true;
        m_outcome.verdict = Verdict::Failure;
        m_outcome.message = TrText("JobHost", kind.createFailure);
        return false;
    }
    m_job = job;
    return true;
}

bool JobHost::StartSearch(CSearchThread* job) {
    return Start(job, kSearch);
}

bool JobHost::StartConnection(CProgramThread* job) {
    return Start(job, kConnection);
}

JobHost::Reaction JobHost::Handle(std::uint32_t message, std::intptr_t state, std::intptr_t code) {
    Reaction reaction;
    if (m_ended || m_job == nullptr || message != m_kind->message) {
        return reaction;  // after the end, or another job's
    }
    if (state == m_kind->successState) {
        if (code != NOTIFY_END) {
            return reaction;  // the result is not there yet
        }
        m_kind->takeResult(*m_job, m_outcome);
        m_job->StopRunning();
        reaction.verdict = Verdict::Success;
    } else if (state != m_kind->errorState) {
        reaction.step = true;
        if (state == m_kind->initState && code == NOTIFY_BEGIN) {
            reaction.caption = TrText("JobHost", m_kind->caption);
        }
        return reaction;
    } else {
        m_outcome.message = TrText("JobHost", m_kind->failureMessage);
        m_kind->takeFailure(*m_job, m_outcome);
        reaction.verdict = Verdict::Failure;
    }
    m_ended = true;
    m_outcome.verdict = reaction.verdict;
    return reaction;
}

bool JobHost::Stop() {
    if (m_job == nullptr) {
        return true;
    }
    m_stop->Set();
    if (m_stopped->Wait(kStopWaitMs) != platform::WaitResult::Signaled) {
        m_outcome.stopFailure = TrText("JobHost", m_kind->stopFailure);
        return false;
    }
    m_stop->Reset();
    m_stopped->Reset();
    m_job = nullptr;
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
    if (probing.device.empty() || probing.device == probing.portName) {
        return JobTexts::AtRate(probing.portName, probing.baud);
    }
    //: %1 is a port name (COM2), %2 its device (/dev/ttyUSB0), %3 a baud rate (19200).
    return FillText(TrText("JobHost", "%1 (%2) at %3 baud"),
                    {probing.portName, probing.device, std::to_string(probing.baud)});
}

std::string JobHost::Remaining(const CThread::Probing& probing, bool withCount) {
    if (probing.probe <= 0 || probing.probes < probing.probe) {
        return std::string();
    }
    long seconds = 0;
    if (probing.msLeft >= 0) {
        const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - probing.leftFrom)
                               .count();
        // A try that runs past what was expected of it leaves a second, not none.
        seconds = std::max(1L, std::lround(static_cast<double>(probing.msLeft - spent) / 1000));
    } else {
        const int left = probing.probes - probing.probe + 1;
        // Ports probed together spend the time of their probes side by side.
        const int atOnce = std::max(1, probing.atOnce);
        const int rounds = (left + atOnce - 1) / atOnce;
        seconds =
            std::lround(rounds * std::chrono::duration<double>(probe_timing::kSilentProbe).count());
    }
    if (!withCount) {
        //: %1 is a number of seconds.
        return FillText(TrText("JobHost", "about %1 s left"), {std::to_string(seconds)});
    }
    //: The search's progress: %1 is the probe under way, %2 how many there are in all, %3 a
    //: number of seconds.
    return FillText(
        TrText("JobHost", "probe %1 of %2, about %3 s left"),
        {std::to_string(probing.probe), std::to_string(probing.probes), std::to_string(seconds)});
}
