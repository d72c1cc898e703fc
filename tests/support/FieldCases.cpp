#include "tests/support/FieldCases.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <utility>

#include "jobs/CSearchThread.h"
#include "serial/BaudRates.h"

namespace {

using std::chrono::milliseconds;

FieldCases::Case Instrument(std::string key, std::string name,
                            const SimulatedInstrument::Behaviour& behaviour) {
    FieldCases::Case fieldCase{std::move(key), std::move(name), true, {}};
    fieldCase.device.behaviour = behaviour;
    return fieldCase;
}

// Answers after a wake delay drawn between 0.3 and 0.8 s at every break.
SimulatedInstrument::Behaviour SlowToWake() {
    SimulatedInstrument::Behaviour behaviour;
    behaviour.wakeDelay = milliseconds(300);
    behaviour.wakeDelayMax = milliseconds(800);
    return behaviour;
}

}  // namespace

std::vector<FieldCases::Case> FieldCases::All() {
    std::vector<Case> cases;
    cases.push_back(Instrument("default", "answers at once (default banner)", {}));

    SimulatedInstrument::Behaviour streaming = SlowToWake();
    streaming.streaming = true;
    cases.push_back(Instrument(
        "streaming", "streaming: the record under way finished, then an answer after 0.3-0.8 s",
        streaming));

    SimulatedInstrument::Behaviour glitch = SlowToWake();
    glitch.glitch = true;
    cases.push_back(
        Instrument("glitch", "a 0xFF glitch as it wakes, an answer after 0.3-0.8 s", glitch));

    SimulatedInstrument::Behaviour echo = SlowToWake();
    echo.echo = true;
    cases.push_back(Instrument("echo", "echoes the break's 0x00, an answer after 0.3-0.8 s", echo));

    SimulatedInstrument::Behaviour degrees;
    degrees.banner =
        "\r\nBrinevane ADCP 24.1\xc2\xb0"
        "C\r\nFirmware 51.40\r\n";
    degrees.pauseAfter = 24;  // the bytes up to and with "°C"
    degrees.pause = milliseconds(400);
    cases.push_back(Instrument("degrees", "\"24.1°C\" in UTF-8, then a 0.4 s pause", degrees));

    SimulatedInstrument::Behaviour sleepy;
    sleepy.breaksSlept = 1;
    sleepy.wakeDelay = milliseconds(1300);
    sleepy.wakeDelayMax = milliseconds(2000);
    cases.push_back(Instrument(
        "sleeps", "sleeps through the first break, answers the next after 1.3-2.0 s", sleepy));

    SimulatedInstrument::Behaviour bare;
    bare.banner.clear();
    cases.push_back(Instrument("bare_prompt", "a bare prompt", bare));

    SimulatedInstrument::Behaviour chatty;
    chatty.banner = "\r\n" + std::string(200, 'A') + "\r\n";
    cases.push_back(Instrument("long_banner", "a 200-character banner", chatty));

    cases.push_back({"silent", "a silent line", false, {}});

    Case noise{"noise", "noise: bursts of random bytes", false, {}};
    noise.device.instrument = false;
    noise.device.noise = true;
    cases.push_back(noise);

    Case tooFast{
        "instrument_230400", "an instrument at 230400, above every search rate", false, {}};
    tooFast.device.rate = 230400;
    cases.push_back(tooFast);

    Case talker{"nmea_4800", "an NMEA talker at 4800, a sentence a second", false, {}};
    talker.device.rate = 4800;
    talker.device.instrument = false;
    talker.device.talk = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
    talker.device.every = milliseconds(1000);
    cases.push_back(talker);
    return cases;
}

bool FieldCases::Tally::Add(const WireSearch::Result& search, int instrumentPort,
                            std::uint32_t instrumentRate, bool fixedFound) {
    ++runs;
    const std::uint32_t reported =
        search.port != 0 ? static_cast<std::uint32_t>(CSearchThread::kRates[search.rateIndex]) : 0;
    const bool right = reported != 0 && search.port == instrumentPort && reported == instrumentRate;
    found += right ? 1 : 0;
    wrong += reported != 0 && !right ? 1 : 0;
    missed += fixedFound && !right ? 1 : 0;
    sumSeconds += search.seconds;
    worstSeconds = std::max(worstSeconds, search.seconds);
    return right;
}

FieldCases::Outcome FieldCases::Run(const Case& fieldCase, int seeds, bool silentPortBelow) {
    constexpr auto kSearched = SearchRates();
    std::vector<std::uint32_t> rates{0};
    if (fieldCase.atEverySearchRate) {
        rates.assign(kSearched.begin(), kSearched.end());
    }
    Outcome outcome;
    for (const std::uint32_t rate : rates) {
        for (int seed = 1; seed <= seeds; ++seed) {
            std::vector<WireSearch::Port> ports;
            if (silentPortBelow) {
                ports.push_back(WireSearch::Port::Silent(1));
            }
            WireSearch::Port port;
            port.number = static_cast<int>(ports.size()) + 1;
            port.device = fieldCase.device;
            port.device.seed = static_cast<unsigned>(seed);
            if (fieldCase.atEverySearchRate) {
                port.device.rate = rate;
            }
            ports.push_back(port);
            // Where no instrument is at a searched rate, any rate reported is wrong.
            const std::uint32_t instrumentRate = fieldCase.atEverySearchRate ? rate : 0;
            using Order = RatePlan::Order;
            using Pace = SearchUnit::Pace;
            const bool fixedFound =
                outcome.fixed.Add(WireSearch::Run(ports, Order::Fixed, Pace::PortByPort),
                                  port.number, instrumentRate);
            const bool quickFound =
                outcome.quick.Add(WireSearch::Run(ports, Order::Likeliest, Pace::PortByPort),
                                  port.number, instrumentRate, fixedFound);
            const bool atOnceFound =
                outcome.quickAtOnce.Add(WireSearch::Run(ports, Order::Likeliest, Pace::AllAtOnce),
                                        port.number, instrumentRate, fixedFound);
            if (fixedFound && !(quickFound && atOnceFound)) {
                outcome.quickMissedAt.emplace_back(rate, seed);
            }
        }
    }
    return outcome;
}
