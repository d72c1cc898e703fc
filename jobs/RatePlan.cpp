#include "jobs/RatePlan.h"

#include <algorithm>

#include "serial/BaudRates.h"

namespace {

// The search's rates in its fixed order, made once.
const std::vector<std::int32_t>& SearchOrder() {
    static const std::vector<std::int32_t> rates = [] {
        std::vector<std::int32_t> order;
        order.reserve(kSearchRateCount);
        for (const std::uint32_t rate : SearchRates()) {
            order.push_back(static_cast<std::int32_t>(rate));
        }
        return order;
    }();
    return rates;
}

// Silent twice in a row: no instrument is on the line.
constexpr int kSilentTries = 2;

}  // namespace

RatePlan::RatePlan(Order order) : m_order(order), m_ranking(SearchOrder()) {}

int RatePlan::Left() const {
    const int rates = static_cast<int>(kSearchRateCount) - m_made;
    if (m_order == Order::Fixed) {
        return rates;
    }
    // A silent port takes two tries in all; garbage usually names the rate in one or two.
    return std::min(rates, kSilentTries - std::min(m_silent, kSilentTries));
}

bool RatePlan::Next(Try& next) {
    if (Left() == 0) {
        return false;
    }
    const std::vector<std::int32_t>& order = SearchOrder();
    Try chosen;
    if (m_order == Order::Fixed) {
        chosen.rateIndex = m_made;
        chosen.rate = order[static_cast<std::size_t>(m_made)];
    } else {
        chosen.rate = m_ranking.Ranked().front();
        chosen.rateIndex =
            static_cast<int>(std::find(order.begin(), order.end(), chosen.rate) - order.begin());
        chosen.how.followGarbage = true;
        if (m_made == 0) {
            chosen.reason = "the first rate";
        } else if (m_silent == 1) {
            chosen.how.length = probe_timing::kLongBreak;
            chosen.how.passes = probe_timing::kLongBreakPasses;
            chosen.reason =
                "nothing heard at " + std::to_string(m_current.rate) + ": a longer break";
        } else {
            chosen.reason = m_ranking.Reason();
            if (chosen.reason.empty()) {
                chosen.reason = "nothing heard says more: the next rate in order";
            }
        }
    }
    m_current = chosen;
    ++m_made;
    next = chosen;
    return true;
}

void RatePlan::Heard(const std::string& bytes) {
    m_silent = bytes.empty() ? m_silent + 1 : 0;
    m_ranking.Heard(m_current.rate, bytes);
}
