#include "jobs/CParallelSearchThread.h"

#include <algorithm>
#include <map>
#include <system_error>
#include <thread>

#include "jobs/ProbeLoop.h"
#include "jobs/PromptWait.h"
#include "platform/os/LastError.h"
#include "platform/os/Trace.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"

struct CParallelSearchThread::Lane {
    Lane(int number, const std::string& portName, platform::Event* stop, RatePlan::Order order,
         int expected)
        : port(number),
          name(portName),
          line(*serial, portName, stop),
          plan(order),
          counted(expected) {}

    int port = 0;
    std::string name;
    std::unique_ptr<CSerial> serial = std::make_unique<CSerial>();
    ProbedLine line;
    RatePlan plan;
    RatePlan::Try current;        // the rate under probe (rateIndex -1 before the first)
    int counted = 0;              // the probes the job's count holds for the port
    bool done = false;            // answered, finished without an answer, or let go
    std::uint32_t lineError = 0;  // the first rate the line could not be set to

    std::int32_t Rate() const { return current.rate; }
};

CParallelSearchThread::CParallelSearchThread(RatePlan::Order order) : CSearchThread(order) {}

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
        lanes.push_back(std::make_unique<Lane>(port, PortMap::PortName(port), GetStopEvent().get(),
                                               m_order, TriesExpected()));
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
    while (lane.plan.Next(lane.current)) {
        NoteTry(lane.name, lane.current);
        ++m_probing.probe;
        ShowProbing();
        lane.serial->SetBaud(static_cast<std::uint32_t>(lane.Rate()));
        if (!lane.serial->ConfigPort()) {
            // As one port after another: a rate the line cannot run at is not probed.
            if (lane.lineError == 0) {
                lane.lineError = platform::GetLastError();
            }
        } else {
            lane.line.StartAtBreak(lane.current.how);
            if (!lane.line.probe.Done()) {
                return;
            }
        }
        Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_END);
        lane.plan.Heard(std::string());
        Reckon(lane.plan, lane.counted);
    }
    lane.done = true;
    RecordSilent(lane.name, lane.lineError);
    lane.serial->Close();
    m_race.Finished(lane.port);
    ShowProbing();
}

void CParallelSearchThread::EndRate(Lane& lane) {
    Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_END);
    if (lane.line.probe.GetResult() != LineProbe::Result::Answered) {
        lane.plan.Heard(lane.line.probe.Heard());
        Reckon(lane.plan, lane.counted);
        StartRate(lane);
        return;
    }
    TRACE("Brinevane found at %s, %d baud.\n", lane.name.c_str(), static_cast<int>(lane.Rate()));
    lane.done = true;
    m_race.Answered(lane.port, lane.current.rateIndex);
    ShowProbing();
}

bool CParallelSearchThread::Settle() {
    for (const auto& lane : m_lanes) {
        if (!lane->done && lane->line.probe.Done()) {
            EndRate(*lane);
        }
    }
    for (const auto& lane : m_lanes) {
        if (!lane->done && !m_race.CanWin(lane->port)) {
            Release(*lane);
        }
    }
    return m_race.Decided();
}

void CParallelSearchThread::Release(Lane& lane) {
    // The probes it will not make leave the count, as those of a port passed over do.
    m_probing.probes -= lane.counted - lane.plan.Made();
    lane.done = true;
    lane.line.Abandon();
    lane.serial->Close();
    TRACE("%s let go: a lower port answered.\n", lane.name.c_str());
}

void CParallelSearchThread::ShowProbing() {
    std::map<std::int32_t, std::string> byRate;  // in rate order, not the search's: short
    m_probing.atOnce = 0;
    for (const auto& lane : m_lanes) {
        if (lane->done || lane->current.rateIndex < 0) {
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
    std::vector<ProbedLine*> lines;
    for (const auto& lane : m_lanes) {
        StartRate(*lane);
        lines.push_back(&lane->line);
    }
    if (!ProbeLoop::Run(*this, lines, [this] { return Settle(); })) {
        return;  // stopped: the loop ends at its next pass and lets every port go
    }
    // The ports that can no longer win have been let go; the answer's stays open.
    port = m_race.Winner();
    if (port != 0) {
        rateIndex = m_race.WinnerRate();
        for (const auto& lane : m_lanes) {
            if (lane->port == port) {
                m_strBanner = BannerText(lane->line.probe.Heard());
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
