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

std::int32_t Fastest() {
    return *std::max_element(SearchOrder().begin(), SearchOrder().end());
}

int IndexOf(std::int32_t rate) {
    const std::vector<std::int32_t>& order = SearchOrder();
    return static_cast<int>(std::find(order.begin(), order.end(), rate) - order.begin());
}

// Readable text is a line's worth of it, with hardly a byte of anything else.
constexpr std::size_t kReadableText = 20;
constexpr std::size_t kReadableOneIn = 10;

}  // namespace

RatePlan::RatePlan(Order order)
    : m_order(order), m_ranking(SearchOrder()), m_status(SearchOrder().size(), Status::Untried) {}

// The tries the plan would make if none of them taught it anything. In the likeliest order,
// on a line that has talked, a try at the fastest rate is taken to settle the rates it has
// not ruled out yet, as its garbage usually does: every rate but the fastest can give runs
// it cannot.
template <typename Each>
void RatePlan::DryRun(Each each) const {
    RatePlan plan = *this;
    Try next;
    while (plan.Next(next)) {
        each(next);
        if (m_order == Order::Likeliest && plan.m_heardAny && next.rate == Fastest()) {
            return;
        }
        plan.Heard(std::string());
    }
}

int RatePlan::Left() const {
    int left = 0;
    DryRun([&left](const Try&) { ++left; });
    return left;
}

std::chrono::milliseconds RatePlan::TimeLeft() const {
    std::chrono::milliseconds left{0};
    DryRun([&left](const Try& next) { left += next.how.Time(); });
    return left;
}

bool RatePlan::Next(Try& next) {
    Try chosen;
    if (m_order == Order::Fixed) {
        if (m_made >= static_cast<int>(SearchOrder().size())) {
            return false;
        }
        Choose(SearchOrder()[static_cast<std::size_t>(m_made)], chosen);
    } else if (!NextLikeliest(chosen)) {
        return false;
    }
    m_current = chosen;
    ++m_made;
    next = chosen;
    return true;
}

void RatePlan::Choose(std::int32_t rate, Try& chosen) const {
    chosen.rate = rate;
    chosen.rateIndex = IndexOf(rate);
}

bool RatePlan::NextLikeliest(Try& chosen) {
    const std::int32_t fastest = Fastest();
    chosen.how.quick = true;
    chosen.how.endOnGarbage = !m_talking;
    if (m_made == 0) {
        Choose(SearchOrder().front(), chosen);
        chosen.reason = "the first rate";
        return true;
    }
    if (!m_otherDevice.empty()) {
        m_done = m_otherDevice;
        return false;
    }
    if (!m_heardAny) {
        if (m_status[static_cast<std::size_t>(IndexOf(fastest))] != Status::Untried) {
            m_done = "nothing heard at " + std::to_string(SearchOrder().front()) + " nor at " +
                     std::to_string(fastest);
            return false;
        }
        Choose(fastest, chosen);
        chosen.how.length = probe_timing::kLongBreak;
        chosen.how.passes = probe_timing::kLongBreakPasses;
        chosen.reason = "nothing heard at " + std::to_string(m_current.rate) +
                        ": a longer break, at " + std::to_string(fastest) +
                        ", where any answer is heard";
        return true;
    }
    for (const std::int32_t rate : m_ranking.Ranked()) {
        if (!m_ranking.RuledOut(rate)) {
            Choose(rate, chosen);
            chosen.reason = m_ranking.Reason(rate);
            if (chosen.reason.empty()) {
                chosen.reason = "nothing heard rules it out: the next rate in order";
            }
            return true;
        }
    }
    for (std::size_t i = 0; i < m_status.size(); ++i) {
        const std::int32_t rate = SearchOrder()[i];
        const Status status = m_status[i];
        if ((status == Status::CutShort || status == Status::HeardNothing) &&
            !m_ranking.RuledOut(rate)) {
            Choose(rate, chosen);
            chosen.how.endOnGarbage = false;
            const bool cutShort = status == Status::CutShort;
            if (!cutShort) {
                chosen.how.passes = probe_timing::kLongBreakPasses;
            }
            chosen.reason =
                cutShort
                    ? "the try at " + std::to_string(rate) +
                          " was cut short while the line kept talking: again, with the full wait"
                    : "nothing came after the break at " + std::to_string(rate) +
                          ", where other breaks were answered: again, with a longer wait";
            return true;
        }
    }
    const bool pastFastest =
        m_status[static_cast<std::size_t>(IndexOf(fastest))] == Status::Settled &&
        std::all_of(SearchOrder().begin(), SearchOrder().end(),
                    [&](std::int32_t rate) { return rate == fastest || m_ranking.RuledOut(rate); });
    m_done = pastFastest ? "garbage at " + std::to_string(fastest) + " points past " +
                               std::to_string(fastest) + ": no rate left to try"
                         : "every rate tried or ruled out by the garbage heard";
    return false;
}

void RatePlan::Heard(const std::string& bytes, const BreakHearing& hearing) {
    m_ranking.Heard(m_current.rate, bytes);
    // A rate is tried again at most once.
    Status& status = m_status[static_cast<std::size_t>(m_current.rateIndex)];
    const bool first = status == Status::Untried;
    if (hearing.CutShort()) {
        m_talking = true;
        status = first ? Status::CutShort : Status::Settled;
    } else if (hearing.NothingAfterTail()) {
        status = first ? Status::HeardNothing : Status::Settled;
    } else {
        status = Status::Settled;
    }
    m_heardAny = m_heardAny || !bytes.empty();
    // Text a wrong rate's garbage happens to make (a banner of one repeated letter can) is
    // told by its zero runs: real text at the rate holds runs no slower instrument gives,
    // and none that rule the rate itself out. A prompt heard, even one not confirmed, is no
    // other device.
    const std::int32_t rate = m_current.rate;
    const bool readable =
        hearing.end == BreakHearing::End::Full && hearing.text >= kReadableText &&
        hearing.garbage * kReadableOneIn <= hearing.text &&
        bytes.find_first_of("\r\n") != std::string::npos &&
        bytes.find(static_cast<char>(kPrompt)) == std::string::npos && !m_ranking.RuledOut(rate) &&
        std::all_of(SearchOrder().begin(), SearchOrder().end(), [&](std::int32_t slower) {
            return slower >= rate || m_ranking.RuledOut(slower);
        });
    if (readable && m_otherDevice.empty()) {
        m_otherDevice = "readable text at " + std::to_string(m_current.rate) +
                        " without a prompt: another device";
    }
}
