#include "jobs/CParallelSearchThread.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <optional>
#include <system_error>
#include <thread>

#include "jobs/PromptAtRest.h"
#include "jobs/PromptWait.h"
#include "platform/LastError.h"
#include "platform/Trace.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"

namespace {
using Clock = std::chrono::steady_clock;
constexpr auto kPass = std::chrono::milliseconds(1);
}  // namespace

struct CParallelSearchThread::Lane {
    enum class Phase { Break, Prompt, Answer, Done };

    int port = 0;
    std::string name;
    std::unique_ptr<CSerial> serial = std::make_unique<CSerial>();
    int rateIndex = -1;
    Phase phase = Phase::Break;
    Clock::time_point breakEnd;
    std::optional<PromptAtRest> rule;  // of the phase that listens
    std::string heard;                 // after the break
    std::string answer;                // after the line feed
    std::uint32_t lineError = 0;       // the first rate the line could not be set to
    bool pollOnly = false;             // the line cannot be slept on: 1 ms passes
    bool pollNext = false;             // it woke a sleep for nothing: one pass instead

    bool Listening() const { return phase == Phase::Prompt || phase == Phase::Answer; }
    std::int32_t Rate() const { return CSearchThread::kRates[rateIndex]; }
    Clock::time_point WakeAt() const {
        return phase == Phase::Break ? breakEnd
               : Listening()         ? rule->WakeAt()
                                     : Clock::time_point::max();
    }
};

CParallelSearchThread::CParallelSearchThread() = default;

CParallelSearchThread::~CParallelSearchThread() = default;

void CParallelSearchThread::Run() {
    CSearchThread::Run();
    // Every port, the one that answered too, is let go before the job says it stopped.
    m_lanes.clear();
}

void CParallelSearchThread::OpenLanes() {
    m_lanes.clear();
    std::vector<std::unique_ptr<Lane>> lanes;
    for (int port = m_pSerial->NextAvailablePort(); port != 0;
         port = m_pSerial->NextAvailablePort()) {
        Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_BEGIN);
        PassOverMissing(port);
        auto lane = std::make_unique<Lane>();
        lane->port = port;
        lane->name = PortMap::PortName(port);
        lanes.push_back(std::move(lane));
    }
    PassOverMissing(0);
    // Every line opens at once: a device server's port can take its whole limit to
    // connect or negotiate, and opened one after another N of them would cost N limits
    // before the first probe. Each open watches the stop event.
    std::vector<std::uint32_t> errors(lanes.size(), 0);
    std::vector<std::thread> openers;
    for (std::size_t i = 0; i < lanes.size(); ++i) {
        Lane& lane = *lanes[i];
        std::uint32_t& error = errors[i];
        platform::Event* stop = GetStopEvent().get();
        try {
            openers.emplace_back(
                [&lane, &error, stop] { error = OpenLine(*lane.serial, lane.name, stop); });
        } catch (const std::system_error&) {
            error = OpenLine(*lane.serial, lane.name, stop);  // no thread to spare: here
        }
    }
    for (std::thread& opener : openers) {
        opener.join();
    }
    std::vector<int> ports;
    for (std::size_t i = 0; i < lanes.size(); ++i) {
        if (TakeOpened(*lanes[i]->serial, lanes[i]->name, errors[i])) {
            ports.push_back(lanes[i]->port);
            m_lanes.push_back(std::move(lanes[i]));
        }
    }
    m_race = PortRace(ports);
}

void CParallelSearchThread::StartRate(Lane& lane) {
    for (++lane.rateIndex; kRates[lane.rateIndex] != 0; ++lane.rateIndex) {
        const std::int32_t rate = lane.Rate();
        TRACE("Searching %s at %d baud.\n", lane.name.c_str(), static_cast<int>(rate));
        ++m_probing.probe;
        ShowProbing();
        lane.serial->SetBaud(static_cast<std::uint32_t>(rate));
        if (!lane.serial->ConfigPort()) {
            // As one port after another: a rate the line cannot run at is not probed.
            if (lane.lineError == 0) {
                lane.lineError = platform::GetLastError();
            }
        } else if (!lane.serial->BeginBreak()) {
            TRACE("Break on %s at %d baud failed; rate skipped.\n", lane.name.c_str(),
                  static_cast<int>(rate));
        } else {
            lane.phase = Lane::Phase::Break;
            lane.breakEnd = Clock::now() + std::chrono::milliseconds(kBreakMs);
            return;
        }
        Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_END);
    }
    lane.phase = Lane::Phase::Done;
    RecordSilent(lane.name, lane.lineError);
    lane.serial->Close();
    m_race.Finished(lane.port);
    ShowProbing();
}

void CParallelSearchThread::EndRate(Lane& lane, bool answered) {
    Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_END);
    if (!answered) {
        StartRate(lane);
        return;
    }
    TRACE("Brinevane found at %s, %d baud.\n", lane.name.c_str(), static_cast<int>(lane.Rate()));
    lane.phase = Lane::Phase::Done;
    m_race.Answered(lane.port, lane.rateIndex);
    ShowProbing();
}

void CParallelSearchThread::Advance(Lane& lane) {
    // Listens for a prompt the line rests on, keeping what comes in heard.
    const auto listen = [&lane](Lane::Phase phase, std::string& heard) {
        heard.clear();
        lane.rule.emplace(Clock::now(), kPromptPasses, RestTime(lane.serial->GetBaud()), &heard);
        lane.phase = phase;
    };
    while (lane.phase != Lane::Phase::Done) {
        if (lane.phase == Lane::Phase::Break) {
            if (Clock::now() < lane.breakEnd) {
                return;
            }
            if (lane.serial->EndBreak()) {
                listen(Lane::Phase::Prompt, lane.heard);
            } else {
                TRACE("Break on %s at %d baud failed; rate skipped.\n", lane.name.c_str(),
                      static_cast<int>(lane.Rate()));
                EndRate(lane, false);
            }
            continue;
        }
        const PromptAtRest::Verdict verdict = lane.rule->Judge(Clock::now());
        if (verdict == PromptAtRest::Verdict::Waiting) {
            return;
        }
        if (verdict == PromptAtRest::Verdict::Over) {
            EndRate(lane, false);
        } else if (lane.phase == Lane::Phase::Prompt) {
            // Confirmed as one port after another confirms it: the answer to a line feed
            // must be text that rests on a prompt.
            if (lane.serial->WritePort("\n", GetStopEvent().get()) == 1) {
                listen(Lane::Phase::Answer, lane.answer);
            } else {
                EndRate(lane, false);
            }
        } else {
            const bool confirmed = IsPromptAnswer(lane.answer);
            if (!confirmed) {
                TRACE("A prompt on %s at %d baud was not confirmed.\n", lane.name.c_str(),
                      static_cast<int>(lane.Rate()));
            }
            EndRate(lane, confirmed);
        }
    }
}

bool CParallelSearchThread::Sleep() {
    Clock::time_point wake = Clock::time_point::max();
    std::vector<CSerial*> watched;
    for (const auto& lane : m_lanes) {
        wake = std::min(wake, lane->WakeAt());
        const bool sleepOn = lane->Listening() && !lane->pollOnly && !lane->pollNext;
        if (lane->Listening() && !sleepOn) {
            wake = std::min(wake, Clock::now() + kPass);
        }
        watched.push_back(sleepOn ? lane->serial.get() : nullptr);
        lane->pollNext = false;
    }
    std::vector<platform::InputWait> each;
    switch (CSerial::WaitForAnyInput(watched, *GetStopEvent(), wake, each)) {
        case platform::InputWait::Stop:
            return false;
        case platform::InputWait::Unsupported:
        case platform::InputWait::Failed:
        case platform::InputWait::Ended:
            // The stop event cannot be slept on with the lines: 1 ms passes through it.
            if (!SleepOrStop(1)) {
                return false;
            }
            std::fill(each.begin(), each.end(), platform::InputWait::Timeout);
            break;
        case platform::InputWait::Input:
        case platform::InputWait::Timeout:
            break;
    }
    // Also catches a stop event whose waits fail, which the descriptor cannot show.
    if (IsStopRequested()) {
        return false;
    }
    for (std::size_t i = 0; i < m_lanes.size(); ++i) {
        Lane& lane = *m_lanes[i];
        if (!lane.Listening()) {
            continue;
        }
        if (watched[i] != nullptr && (each[i] == platform::InputWait::Failed ||
                                      each[i] == platform::InputWait::Unsupported)) {
            lane.pollOnly = true;
        }
        // A line that wakes the sleep for input it then does not give would wake it at
        // once for ever: it takes a 1 ms pass instead.
        const bool read = DrainLine(*lane.serial, [&lane](unsigned char byte) {
            lane.rule->Take(byte, Clock::now());
            return false;
        });
        if (!read && each[i] == platform::InputWait::Input) {
            lane.pollNext = true;
        }
    }
    return true;
}

void CParallelSearchThread::Release(Lane& lane) {
    // The probes it will not make leave the count, as those of a port passed over do.
    m_probing.probes -= static_cast<int>(kSearchRateCount) - (lane.rateIndex + 1);
    lane.phase = Lane::Phase::Done;
    lane.serial->Close();
    TRACE("%s let go: a lower port answered.\n", lane.name.c_str());
}

void CParallelSearchThread::ShowProbing() {
    std::map<std::int32_t, std::string> byRate;  // in rate order, not the search's: short
    m_probing.atOnce = 0;
    for (const auto& lane : m_lanes) {
        if (lane->phase == Lane::Phase::Done || lane->rateIndex < 0) {
            continue;  // finished, or its first rate not begun
        }
        std::string& names = byRate[lane->Rate()];
        names += (names.empty() ? "" : ", ") + lane->name;
        if (m_probing.atOnce++ == 0) {
            m_probing.portName = lane->name;
            m_probing.device = PortMap::Current()->Resolve(lane->name);
            m_probing.baud = lane->Rate();
        }
    }
    m_probing.summary.clear();
    for (const auto& [rate, names] : byRate) {
        m_probing.summary += (m_probing.summary.empty() ? "" : "; ") + names + " at " +
                             std::to_string(rate) + " baud";
    }
    SetProbing(m_probing);
}

void CParallelSearchThread::SearchStep(int& port, int& rateIndex) {
    OpenLanes();
    for (const auto& lane : m_lanes) {
        StartRate(*lane);
    }
    while (!m_race.Decided()) {
        for (const auto& lane : m_lanes) {
            Advance(*lane);
        }
        for (const auto& lane : m_lanes) {
            if (lane->phase != Lane::Phase::Done && !m_race.CanWin(lane->port)) {
                Release(*lane);
            }
        }
        if (!m_race.Decided() && !Sleep()) {
            return;  // stopped: the loop ends at its next pass and lets every port go
        }
    }
    // The ports that can no longer win have been let go; the answer's stays open.
    port = m_race.Winner();
    if (port != 0) {
        rateIndex = m_race.WinnerRate();
        for (const auto& lane : m_lanes) {
            if (lane->port == port) {
                m_strBanner = BannerText(lane->heard);
            }
        }
        m_nState = SR_FOUND;
        return;
    }
    // As the search of one port after another ends: a pass that finds no port left.
    Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_BEGIN);
    // The failure reads as that search's would: its ports in order.
    std::stable_sort(m_failure.ports.begin(), m_failure.ports.end(),
                     [](const SearchFailure::Port& a, const SearchFailure::Port& b) {
                         return PortMap::PortNumber(a.portName) < PortMap::PortNumber(b.portName);
                     });
    m_nState = SR_ERROR;
}
