#include "bench/SearchVerdicts.h"

#include <random>
#include <string>

#include "bench/WireLine.h"
#include "jobs/CSearchThread.h"

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

int SearchVerdicts::ConfirmedRateIndex(const std::string& banner, std::uint32_t rate,
                                       std::uint32_t* firstPrompt) {
    WireLine::Clock::time_point now;
    WireLine line("COM1", banner, rate, now);
    if (firstPrompt != nullptr) {
        *firstPrompt = 0;
    }
    for (int h = 0; CSearchThread::kRates[h] != 0; ++h) {
        const auto hostRate = static_cast<std::uint32_t>(CSearchThread::kRates[h]);
        line.SetRate(hostRate);
        LineProbe probe;
        probe.StartAtBreak(line, now);
        WireLine::Run({{&line, &probe}}, now, [&probe] { return probe.Done(); });
        const bool sawPrompt = probe.Heard().find(static_cast<char>(kPrompt)) != std::string::npos;
        if (sawPrompt && firstPrompt != nullptr && *firstPrompt == 0) {
            *firstPrompt = hostRate;
        }
        if (probe.GetResult() == LineProbe::Result::Answered) {
            return h;
        }
    }
    return -1;
}

SearchVerdicts::PortSearch SearchVerdicts::SearchPort(const std::string& banner,
                                                      std::uint32_t instrumentRate,
                                                      RatePlan::Order order) {
    WireLine::Clock::time_point now;
    const WireLine::Clock::time_point start = now;
    WireLine line("COM1", banner, instrumentRate, now);
    RatePlan plan(order);
    RatePlan::Try next;
    PortSearch search;
    while (plan.Next(next)) {
        ++search.tries;
        line.SetRate(static_cast<std::uint32_t>(next.rate));
        LineProbe probe;
        probe.StartAtBreak(line, now, next.how);
        WireLine::Run({{&line, &probe}}, now, [&probe] { return probe.Done(); });
        if (probe.GetResult() == LineProbe::Result::Answered) {
            search.rate = static_cast<std::uint32_t>(next.rate);
            break;
        }
        plan.Heard(probe.Heard());
    }
    search.seconds = std::chrono::duration<double>(now - start).count();
    return search;
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
