#include "bench/SearchVerdicts.h"

#include <random>
#include <string>

#include "jobs/CSearchThread.h"
#include "jobs/PromptWait.h"
#include "tools/sim/SimulatedInstrument.h"
#include "tools/sim/UartWire.h"

std::string SearchVerdicts::RandomBanner(std::mt19937& random) {
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

namespace {

// What the host hears after a break at hostRate: the search's first wait, then whether the
// prompt it found is confirmed. The line is quiet after the instrument's last byte, so it
// rests on a prompt exactly when that byte is one.
struct Probe {
    bool sawPrompt = false;
    bool confirmed = false;
};

Probe ProbeAt(SimulatedInstrument& instrument, std::uint32_t instrumentRate,
              std::uint32_t hostRate) {
    Probe probe;
    const std::string heard = UartWire::ReceiveBytes(instrument.Break(), instrumentRate, hostRate);
    probe.sawPrompt = heard.find(static_cast<char>(kPrompt)) != std::string::npos;
    const bool atRest = probe.sawPrompt && static_cast<unsigned char>(heard.back()) == kPrompt;
    if (atRest) {
        const std::string lineFeed = UartWire::ReceiveBytes("\n", hostRate, instrumentRate);
        const std::string answer =
            UartWire::ReceiveBytes(instrument.Hear(lineFeed), instrumentRate, hostRate);
        probe.confirmed = IsPromptAnswer(answer);
    }
    return probe;
}

}  // namespace

int SearchVerdicts::ConfirmedRateIndex(const std::string& banner, std::uint32_t rate,
                                       std::uint32_t* firstPrompt) {
    SimulatedInstrument::Behaviour behaviour;
    behaviour.banner = banner;
    SimulatedInstrument instrument(behaviour);
    if (firstPrompt != nullptr) {
        *firstPrompt = 0;
    }
    for (int h = 0; CSearchThread::kRates[h] != 0; ++h) {
        const auto hostRate = static_cast<std::uint32_t>(CSearchThread::kRates[h]);
        const Probe probe = ProbeAt(instrument, rate, hostRate);
        if (probe.sawPrompt && firstPrompt != nullptr && *firstPrompt == 0) {
            *firstPrompt = hostRate;
        }
        if (probe.confirmed) {
            return h;
        }
    }
    return -1;
}

std::vector<SearchVerdicts::Tally> SearchVerdicts::Run(int banners, unsigned seed) {
    std::vector<Tally> tallies;
    std::mt19937 random(seed);
    for (int r = 0; CSearchThread::kRates[r] != 0; ++r) {
        Tally tally;
        tally.rate = static_cast<std::uint32_t>(CSearchThread::kRates[r]);
        tally.banners = banners;
        for (int b = 0; b < banners; ++b) {
            std::uint32_t first = 0;
            const int confirmed = ConfirmedRateIndex(RandomBanner(random), tally.rate, &first);
            ++tally.firstPrompt[first];
            ++tally.confirmed[confirmed < 0
                                  ? 0
                                  : static_cast<std::uint32_t>(CSearchThread::kRates[confirmed])];
        }
        tallies.push_back(tally);
    }
    return tallies;
}
