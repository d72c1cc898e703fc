#include "bench/SearchVerdicts.h"

#include <random>

#include "jobs/CSearchThread.h"
#include "tests/support/WireSearch.h"

SearchVerdicts::PortTime SearchVerdicts::SearchPort(const std::string& banner,
                                                    std::uint32_t instrumentRate,
                                                    RatePlan::Order order) {
    const WireSearch::Result search = WireSearch::OnePort(banner, instrumentRate, order);
    PortTime time;
    time.rate =
        search.port != 0 ? static_cast<std::uint32_t>(CSearchThread::kRates[search.rateIndex]) : 0;
    time.tries =
        search.record.ports.empty() ? 0 : static_cast<int>(search.record.ports[0].tries.size());
    time.seconds = search.seconds;
    return time;
}

std::vector<SearchVerdicts::Tally> SearchVerdicts::Run(int banners, unsigned seed) {
    std::vector<Tally> tallies;
    std::mt19937 random(seed);
    for (int r = 0; CSearchThread::kRates[r] != 0; ++r) {
        Tally tally;
        tally.rate = static_cast<std::uint32_t>(CSearchThread::kRates[r]);
        tally.banners = banners;
        for (int b = 0; b < banners; ++b) {
            const WireSearch::Result search = WireSearch::OnePort(
                WireSearch::RandomBanner(random), tally.rate, RatePlan::Order::Fixed);
            // The first rate whose answer to the break held a '>', up to the one confirmed.
            std::uint32_t first = 0;
            for (const SearchRecord::Try& attempt : search.record.ports[0].tries) {
                if (first == 0 &&
                    attempt.heard.find(static_cast<char>(kPrompt)) != std::string::npos) {
                    first = static_cast<std::uint32_t>(attempt.rate);
                }
            }
            ++tally.firstPrompt[first];
            ++tally.confirmed[search.port != 0 ? static_cast<std::uint32_t>(
                                                     CSearchThread::kRates[search.rateIndex])
                                               : 0];
        }
        tallies.push_back(tally);
    }
    return tallies;
}
