#include "jobs/CParallelSearchThread.h"

#include <system_error>
#include <thread>

#include "jobs/ProbeLoop.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"

struct CParallelSearchThread::Lane {
    Lane(int number, const std::string& portName, platform::Event* stop)
        : port(number), name(portName), line(*serial, portName, stop) {}

    int port = 0;
    std::string name;
    std::unique_ptr<CSerial> serial = std::make_unique<CSerial>();
    ProbedLine line;
};

CParallelSearchThread::CParallelSearchThread(RatePlan::Order order)
    : CSearchThread(order, SearchUnit::Pace::AllAtOnce) {}

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
        lanes.push_back(
            std::make_unique<Lane>(port, PortMap::PortName(port), GetStopEvent().get()));
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
    for (std::size_t i = 0; i < lanes.size(); ++i) {
        Lane& lane = *lanes[i];
        if (TakeOpened(*lane.serial, lane.name, errors[i])) {
            m_unit.Add(lane.port, lane.name, Device(lane.name), lane.line, lane.line.probe);
            m_lanes.push_back(std::move(lanes[i]));
        }
    }
}

void CParallelSearchThread::PortLetGo(int port) {
    for (const auto& lane : m_lanes) {
        if (lane->port == port) {
            lane->serial->Close();
        }
    }
}

void CParallelSearchThread::SearchStep(int& port, int& rateIndex) {
    OpenLanes();
    std::vector<ProbedLine*> lines;
    for (const auto& lane : m_lanes) {
        lines.push_back(&lane->line);
    }
    if (!ProbeLoop::Run(*this, lines, [this] { return m_unit.Settle(ProbedLine::Clock::now()); })) {
        m_unit.Stopped();
        return;  // stopped: the loop ends at its next pass and lets every port go
    }
    // The ports that can no longer win have been let go; the answer's stays open.
    if (m_unit.Winner() != 0) {
        TakeAnswer(port, rateIndex);
        return;
    }
    // As the search of one port after another ends: a pass that finds no port left.
    Notify(WM_SEARCH_NOTIFY, SR_SEARCH, NOTIFY_BEGIN);
    m_nState = SR_ERROR;
}
