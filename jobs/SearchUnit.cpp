#include "jobs/SearchUnit.h"

#include <map>

#include "jobs/JobTexts.h"
#include "jobs/ProbeTiming.h"
#include "platform/os/LastError.h"
#include "platform/os/Trace.h"
#include "platform/os/Translation.h"
#include "serial/PortDiagnosis.h"

struct SearchUnit::Lane {
    Lane(int number, std::string portName, std::string portDevice, ProbeLine& probeLine,
         LineProbe& lineProbe, RatePlan::Order order, int expected)
        : port(number),
          name(std::move(portName)),
          device(std::move(portDevice)),
          line(probeLine),
          probe(lineProbe),
          plan(order),
          counted(expected) {}

    int port;
    std::string name;
    std::string device;
    ProbeLine& line;
    LineProbe& probe;
    RatePlan plan;
    RatePlan::Try current;        // the try under way (rateIndex -1 before the first)
    int counted;                  // the probes the count holds for the port
    bool started = false;         // its first try has begun
    Clock::time_point tryStart;   // of the try under way
    bool done = false;            // answered, finished without an answer, or let go
    std::uint32_t lineError = 0;  // of the first rate the line could not be set to
};

namespace {

constexpr const char* kSilent = "silent";

void SetFailure(SearchRecord::Port& port, std::uint32_t error) {
    port.error = error;
    port.code = PortDiagnosis::OpenFailureCode(port.portName, error);
    port.text = PortDiagnosis::ExplainOpenFailure(port.portName, error);
}

}  // namespace

SearchUnit::SearchUnit(RatePlan::Order order, Pace pace, Listener& listener)
    : m_order(order),
      m_pace(pace),
      m_freshTries(RatePlan(order).Left()),
      m_freshTime(RatePlan(order).TimeLeft()),
      m_listener(listener) {}

SearchUnit::~SearchUnit() = default;

void SearchUnit::Begin(int ports) {
    m_lanes.clear();
    m_race = PortRace();
    m_record = SearchRecord();
    m_probing = Probing();
    m_portsToCome = ports;
    m_settled = false;
    m_probing.probes = ports * TriesExpected();
    m_listener.ShowProbing(m_probing);
}

void SearchUnit::PassOver(int port, const std::string& portName, const std::string& device,
                          std::uint32_t error, bool counted) {
    SearchRecord::Port& record = m_record.At(port);
    record.portName = portName;
    record.device = device;
    record.end = SearchRecord::End::PassedOver;
    SetFailure(record, error);
    if (counted) {
        --m_portsToCome;
        m_probing.probes -= TriesExpected();  // none of its rates is probed
        m_listener.ShowProbing(m_probing);
    }
}

void SearchUnit::Add(int port, const std::string& portName, const std::string& device,
                     ProbeLine& line, LineProbe& probe) {
    SearchRecord::Port& record = m_record.At(port);
    record.portName = portName;
    record.device = device;
    m_lanes.push_back(
        std::make_unique<Lane>(port, portName, device, line, probe, m_order, TriesExpected()));
    --m_portsToCome;
    m_race.Add(port);
}

SearchRecord::Port& SearchUnit::PortOf(const Lane& lane) {
    return m_record.At(lane.port);
}

bool SearchUnit::Settle(Clock::time_point now) {
    m_now = now;
    m_settled = true;
    for (const auto& lane : m_lanes) {
        if (!lane->started) {
            lane->started = true;
            StartNext(*lane, now);
        } else if (!lane->done && lane->probe.Done()) {
            EndTry(*lane, now);
        }
    }
    bool probing = false;
    for (const auto& lane : m_lanes) {
        if (!lane->done && !m_race.CanWin(lane->port)) {
            LetGo(*lane);
        }
        probing = probing || !lane->done;
    }
    return !probing;
}

void SearchUnit::Stopped() {
    for (const auto& lane : m_lanes) {
        lane->done = true;
    }
}

std::string SearchUnit::WinnerHeard() const {
    for (const SearchRecord::Port& port : m_record.ports) {
        if (port.number == Winner() && !port.tries.empty()) {
            return port.tries.back().heard;
        }
    }
    return std::string();
}

void SearchUnit::NoteTry(const Lane& lane) {
    const std::string what = lane.name + " at " + std::to_string(lane.current.rate) + " baud";
    if (lane.current.reason.empty()) {
        TRACE("Searching %s.\n", what.c_str());
        m_probing.tries.push_back(what);
    } else {
        TRACE("Searching %s: %s.\n", what.c_str(), lane.current.reason.c_str());
        m_probing.tries.push_back(what + ": " + lane.current.reason);
    }
}

void SearchUnit::StartNext(Lane& lane, Clock::time_point now) {
    while (lane.plan.Next(lane.current)) {
        lane.tryStart = now;
        NoteTry(lane);
        ++m_probing.probe;
        ShowProbing();
        SearchRecord::Try attempt;
        attempt.rateIndex = lane.current.rateIndex;
        attempt.rate = lane.current.rate;
        attempt.reason = lane.current.reason;
        attempt.how = lane.current.how;
        // A line that cannot be set to the rate (or whose device has gone) is not probed at
        // it: a prompt would be credited to a rate the line is not running at, and a
        // vanished adapter would cost a full wait for every rate left.
        attempt.lineSet = lane.line.SetRate(static_cast<std::uint32_t>(lane.current.rate));
        PortOf(lane).tries.push_back(attempt);
        if (!attempt.lineSet) {
            if (lane.lineError == 0) {
                lane.lineError = platform::GetLastError();
            }
            TryEnded(lane, LineProbe::Result::None, std::string());
            continue;
        }
        lane.probe.StartAtBreak(lane.line, now, lane.current.how);
        if (!lane.probe.Done()) {
            return;
        }
        TryEnded(lane, lane.probe.GetResult(), std::string());  // the break failed
    }
    Finish(lane);
}

void SearchUnit::TryEnded(Lane& lane, LineProbe::Result result, const std::string& heard,
                          const BreakHearing& hearing) {
    SearchRecord::Try& attempt = PortOf(lane).tries.back();
    attempt.result = result;
    attempt.heard = heard;
    m_listener.TryEnded(lane.port);
    if (result != LineProbe::Result::Answered) {
        lane.plan.Heard(heard, hearing);
        Reckon(lane);
    }
}

void SearchUnit::EndTry(Lane& lane, Clock::time_point now) {
    // An answer to a break is one burst that ends; bytes still coming are the line's own.
    const BreakHearing& hearing = lane.probe.Hearing();
    SearchRecord::Try& attempt = PortOf(lane).tries.back();
    attempt.bursts = hearing.bursts;
    attempt.stillSending =
        hearing.bursts > 0 && now - hearing.lastByte < probe_timing::kGarbageQuiet;
    TryEnded(lane, lane.probe.GetResult(), lane.probe.Heard(), hearing);
    if (lane.probe.GetResult() != LineProbe::Result::Answered) {
        StartNext(lane, now);
        return;
    }
    TRACE("Brinevane found at %s, %d baud.\n", lane.name.c_str(),
          static_cast<int>(lane.current.rate));
    lane.done = true;
    PortOf(lane).end = SearchRecord::End::Answered;
    m_race.Answered(lane.port, lane.current.rateIndex);
    ShowProbing();
}

void SearchUnit::Finish(Lane& lane) {
    lane.done = true;
    SearchRecord::Port& record = PortOf(lane);
    record.end = SearchRecord::End::Finished;
    if (lane.lineError != 0) {
        SetFailure(record, lane.lineError);
    } else {
        record.code = kSilent;
        //: %1 is a port name (COM1).
        record.text = platform::FillText(TrText("SearchUnit", "no prompt from %1 at any baud rate"),
                                         {lane.name});
    }
    m_listener.PortLetGo(lane.port);
    m_race.Finished(lane.port);
    ShowProbing();
}

void SearchUnit::LetGo(Lane& lane) {
    // The probes it will not make leave the count, as those of a port passed over do.
    m_probing.probes -= lane.counted - lane.plan.Made();
    lane.done = true;
    lane.probe.Abandon(lane.line);
    PortOf(lane).end = SearchRecord::End::LetGo;
    m_listener.PortLetGo(lane.port);
    TRACE("%s let go: a lower port answered.\n", lane.name.c_str());
}

void SearchUnit::Reckon(Lane& lane) {
    const int expected = lane.plan.Made() + lane.plan.Left();
    m_probing.probes += expected - lane.counted;
    lane.counted = expected;
}

void SearchUnit::ReckonTime() {
    using std::chrono::milliseconds;
    if (!m_settled) {
        m_probing.msLeft = -1;  // no time read yet: the count tells
        return;
    }
    milliseconds total{0};
    for (const auto& lane : m_lanes) {
        if (lane->done) {
            continue;
        }
        milliseconds left = lane->started ? lane->plan.TimeLeft() : m_freshTime;
        if (lane->started) {
            // The try under way, as long as it may take.
            const Clock::time_point end = lane->tryStart + lane->current.how.Time();
            left +=
                std::max(milliseconds(0), std::chrono::duration_cast<milliseconds>(end - m_now));
        }
        total = m_pace == Pace::AllAtOnce ? std::max(total, left) : total + left;
    }
    total += std::max(0, m_portsToCome) * m_freshTime;
    m_probing.msLeft = total.count();
    m_probing.leftFrom = m_now;
}

void SearchUnit::ShowProbing() {
    ReckonTime();
    if (m_pace == Pace::PortByPort) {
        for (const auto& lane : m_lanes) {
            if (!lane->done && lane->started) {
                m_probing.portName = lane->name;
                m_probing.device = lane->device;
                m_probing.baud = lane->current.rate;
            }
        }
        m_listener.ShowProbing(m_probing);
        return;
    }
    std::map<std::int32_t, std::string> byRate;  // in rate order, not the search's: short
    m_probing.atOnce = 0;
    for (const auto& lane : m_lanes) {
        if (lane->done || !lane->started) {
            continue;
        }
        std::string& names = byRate[lane->current.rate];
        names += (names.empty() ? "" : ", ") + lane->name;
        if (m_probing.atOnce++ == 0) {
            m_probing.portName = lane->name;
            m_probing.device = lane->device;
            m_probing.baud = lane->current.rate;
        }
    }
    m_probing.summary.clear();
    for (const auto& [rate, names] : byRate) {
        m_probing.summary +=
            (m_probing.summary.empty() ? "" : "; ") + JobTexts::AtRate(names, rate);
    }
    m_listener.ShowProbing(m_probing);
}
