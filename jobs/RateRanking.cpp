#include "jobs/RateRanking.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The longest first low run a non-zero byte can show: the start bit and seven zero bits
// (0x80). A longer run fills the frame and decodes as 0x00.
constexpr int kLongestRun = 8;

// The share of bytes that may break the rule anyway (a glitch, a byte cut by the purge
// before the break): enough that one such byte does not rule the true rate out.
constexpr double kStray = 0.02;

// A rate is ruled out by bytes its instrument cannot give: at least this many, and more
// than this share of the bytes heard where it could have shown, so that a glitch, a byte
// cut by the purge or a little noise rules no rate out.
constexpr int kImpossibleBytes = 3;
constexpr int kImpossibleShareOneIn = 10;

// A bare prompt is heard at any rate as a byte or two: one for each of its low runs.
constexpr int kShortAnswer = 3;

int FirstLowRun(unsigned char byte) {
    int run = 1;  // the start bit
    while ((byte & 1U) == 0) {
        ++run;
        byte >>= 1U;
    }
    return run;
}

// Whether an instrument at instrumentRate can give a first low run of that many bits to a
// host at hostRate. Its runs last k of its bits, k * (hostRate / instrumentRate) host bits;
// the host's mid-bit sampling rounds a fraction either way. A faster instrument can give
// any run.
bool CanGive(std::int32_t hostRate, std::int32_t instrumentRate, int run) {
    if (instrumentRate >= hostRate) {
        return true;
    }
    const double bits = static_cast<double>(hostRate) / instrumentRate;
    for (int k = 1; k * bits <= run + 0.5; ++k) {
        if (std::fabs(run - k * bits) <= 0.5) {
            return true;
        }
    }
    return false;
}

}  // namespace

RateRanking::RateRanking(std::vector<std::int32_t> rates) : m_rates(std::move(rates)) {}

void RateRanking::Heard(std::int32_t hostRate, const std::string& bytes) {
    Try heard;
    heard.rate = hostRate;
    heard.bytes = static_cast<int>(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte != 0) {
            ++heard.runs[FirstLowRun(byte)];
            ++heard.evidence;
        }
    }
    m_tries.push_back(heard);
}

bool RateRanking::CanExplain(std::int32_t hostRate, std::int32_t instrumentRate,
                             const std::string& bytes) {
    int evidence = 0;
    int strays = 0;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte != 0) {
            ++evidence;
            strays += CanGive(hostRate, instrumentRate, FirstLowRun(byte)) ? 0 : 1;
        }
    }
    return strays <= std::max(1.0, kStray * evidence);
}

bool RateRanking::Tried(std::int32_t rate) const {
    return std::any_of(m_tries.begin(), m_tries.end(),
                       [rate](const Try& heard) { return heard.rate == rate; });
}

double RateRanking::Score(std::int32_t rate) const {
    double score = 0;
    for (const Try& heard : m_tries) {
        if (heard.evidence == 0) {
            continue;
        }
        int possible = 0;
        for (int run = 1; run <= kLongestRun; ++run) {
            possible += CanGive(heard.rate, rate, run) ? 1 : 0;
        }
        for (int run = 1; run <= kLongestRun; ++run) {
            if (heard.runs[run] == 0) {
                continue;
            }
            // Runs the rate can give share most of the likelihood, any run a little of it.
            const double likelihood =
                (CanGive(heard.rate, rate, run) ? (1 - kStray) / possible : 0.0) +
                kStray / kLongestRun;
            score += heard.runs[run] * std::log(likelihood);
        }
    }
    return score;
}

std::vector<std::int32_t> RateRanking::Ranked() const {
    std::vector<std::pair<std::int32_t, double>> scored;
    for (const std::int32_t rate : m_rates) {
        if (!Tried(rate)) {
            scored.emplace_back(rate, Score(rate));
        }
    }
    const bool anyEvidence = std::any_of(m_tries.begin(), m_tries.end(),
                                         [](const Try& heard) { return heard.evidence > 0; });
    const bool longAnswer = std::any_of(m_tries.begin(), m_tries.end(), [](const Try& heard) {
        return heard.bytes >= kShortAnswer;
    });
    const bool fasterFirst = anyEvidence && longAnswer;
    std::stable_sort(scored.begin(), scored.end(), [fasterFirst](const auto& a, const auto& b) {
        if (std::fabs(a.second - b.second) > 1e-9) {
            return a.second > b.second;
        }
        // Equally likely: with garbage heard, the faster first (its garbage names every
        // slower rate); with nothing heard, or an answer of a byte or two (a bare prompt),
        // the search's own order: a fast rate hears a slower instrument's short answer as
        // 0x00s that name nothing, and every try that ends without proof waits its passes.
        return fasterFirst && a.first > b.first;
    });
    std::vector<std::int32_t> ranked;
    ranked.reserve(scored.size());
    for (const auto& entry : scored) {
        ranked.push_back(entry.first);
    }
    return ranked;
}

bool RateRanking::RuledOut(std::int32_t rate) const {
    int impossible = 0;
    int evidence = 0;
    for (const Try& heard : m_tries) {
        if (heard.rate <= rate) {
            continue;  // a slower or equal host hears any run from it
        }
        evidence += heard.evidence;
        for (int run = 1; run <= kLongestRun; ++run) {
            impossible += CanGive(heard.rate, rate, run) ? 0 : heard.runs[run];
        }
    }
    return impossible >= kImpossibleBytes && impossible * kImpossibleShareOneIn > evidence;
}

std::string RateRanking::Reason(std::int32_t rate) const {
    const auto last = std::find_if(m_tries.rbegin(), m_tries.rend(),
                                   [](const Try& heard) { return heard.evidence > 0; });
    if (last == m_tries.rend()) {
        return "";
    }
    const std::string heardAt = "garbage at " + std::to_string(last->rate) + " points to ";
    // A lead shared with another rate on the same side is only "faster" or "slower": the
    // try is a look, not a match.
    const double score = Score(rate);
    bool shared = false;
    for (const std::int32_t other : m_rates) {
        if (other == rate || Tried(other)) {
            continue;
        }
        if (Score(other) > score + 1e-9) {
            return "";  // another rate explains it better: the garbage does not point here
        }
        shared = shared || (std::fabs(Score(other) - score) <= 1e-9 &&
                            (other > last->rate) == (rate > last->rate));
    }
    if (shared) {
        return heardAt + (rate > last->rate ? "a faster rate" : "a slower rate");
    }
    return heardAt + std::to_string(rate);
}
