#include "tests/support/WireSearch.h"

#include <memory>

#include "platform/os/LastError.h"
#include "serial/PortMap.h"

namespace {

// A port under probe: its line and the probe on it, for as long as the search runs.
struct Lane {
    Lane(int number, const WireLine::Device& device, const WireLine::Clock::time_point& now)
        : line(PortMap::PortName(number), device, now) {}
    WireLine line;
    LineProbe probe;
};

}  // namespace

WireSearch::WireSearch(RatePlan::Order order, SearchUnit::Pace pace) : m_unit(order, pace, *this) {}

void WireSearch::Settle() {
    WireLine::Run(m_probes, m_now, [this] { return m_unit.Settle(m_now); });
}

WireSearch::Result WireSearch::Run(const std::vector<Port>& ports, RatePlan::Order order,
                                   SearchUnit::Pace pace) {
    WireSearch search(order, pace);
    const WireLine::Clock::time_point start = search.m_now;
    std::vector<std::unique_ptr<Lane>> lanes;
    search.m_unit.Begin(static_cast<int>(ports.size()));
    for (const Port& port : ports) {
        const std::string name = PortMap::PortName(port.number);
        if (port.inUse) {
            search.m_unit.PassOver(port.number, name, name,
                                   platform::ErrorOfKind(platform::ErrorKind::InUse), true);
            continue;
        }
        lanes.push_back(std::make_unique<Lane>(port.number, port.device, search.m_now));
        search.m_unit.Add(port.number, name, name, lanes.back()->line, lanes.back()->probe);
        search.m_probes.emplace_back(&lanes.back()->line, &lanes.back()->probe);
        if (pace == SearchUnit::Pace::PortByPort) {
            search.Settle();
            search.m_probes.clear();  // the next port is opened once this one is done with
            if (search.m_unit.Winner() != 0) {
                break;
            }
        }
    }
    if (pace == SearchUnit::Pace::AllAtOnce) {
        search.Settle();
    }
    Result& result = search.m_result;
    result.port = search.m_unit.Winner();
    result.rateIndex = search.m_unit.WinnerRate();
    result.record = search.m_unit.Record();
    result.seconds = std::chrono::duration<double>(search.m_now - start).count();
    return result;
}

WireSearch::Result WireSearch::OnePort(const std::string& banner, std::uint32_t rate,
                                       RatePlan::Order order) {
    Port port;
    port.number = 1;
    port.device.rate = rate;
    port.device.behaviour.banner = banner;
    return Run({port}, order, SearchUnit::Pace::PortByPort);
}

std::string WireSearch::RandomBanner(std::mt19937& random) {
    std::uniform_int_distribution<int> lines(1, 3);
    std::uniform_int_distribution<int> length(10, 50);
    std::uniform_int_distribution<int> printable(0x20, 0x7E);
    std::string banner = "\r\n";
    for (int line = lines(random); line > 0; --line) {
        for (int i = length(random); i > 0; --i) {
            banner += static_cast<char>(printable(random));
        }
        banner += "\r\n";
    }
    return banner;
}

WireSearch::Port WireSearch::Port::Silent(int number) {
    Port port;
    port.number = number;
    return port;
}

WireSearch::Port WireSearch::Port::Instrument(int number, std::uint32_t rate,
                                              const SimulatedInstrument::Behaviour& behaviour,
                                              unsigned seed) {
    Port port = Silent(number);
    port.device.rate = rate;
    port.device.behaviour = behaviour;
    port.device.seed = seed;
    return port;
}

WireSearch::Port WireSearch::Port::Noise(int number, unsigned seed, std::uint32_t instrumentRate) {
    Port port = Silent(number);
    port.device.noise = true;
    port.device.seed = seed;
    port.device.rate = instrumentRate;
    port.device.instrument = instrumentRate != 0;
    return port;
}

WireSearch::Port WireSearch::Port::Talking(int number, std::uint32_t rate, const std::string& talk,
                                           std::chrono::milliseconds every) {
    Port port = Silent(number);
    port.device.rate = rate;
    port.device.instrument = false;
    port.device.talk = talk;
    port.device.every = every;
    return port;
}
