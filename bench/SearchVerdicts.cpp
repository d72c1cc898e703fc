#include "bench/SearchVerdicts.h"

#include <algorithm>
#include <random>
#include <string>

#include "jobs/CSearchThread.h"
#include "jobs/PromptWait.h"
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

WireLine::WireLine(std::string name, const std::string& banner, std::uint32_t instrumentRate,
                   const Clock::time_point& now)
    : m_name(std::move(name)),
      m_instrumentRate(instrumentRate),
      m_instrument([&banner] {
          SimulatedInstrument::Behaviour behaviour;
          behaviour.banner = banner;
          return behaviour;
      }()),
      m_now(now) {}

bool WireLine::BeginBreak() {
    m_pending.clear();  // the purge, and a break stops whatever was on its way
    return true;
}

bool WireLine::EndBreak() {
    if (m_instrumentRate != 0) {
        Send(m_instrument.Break(), m_now);
    }
    return true;
}

bool WireLine::WriteLineFeed() {
    if (m_instrumentRate != 0) {
        const std::vector<DecodedByte> decoded =
            UartWire::Receive("\n", m_hostRate, m_instrumentRate);
        std::string heard;
        for (const DecodedByte& byte : decoded) {
            heard += static_cast<char>(byte.value);
        }
        const auto wire = std::chrono::nanoseconds(UartWire::SendingNs(1, m_hostRate));
        Send(m_instrument.Hear(heard), m_now + std::chrono::duration_cast<Clock::duration>(wire));
    }
    return true;
}

void WireLine::Send(const std::string& reply, Clock::time_point from) {
    const Clock::time_point start = from + kReplyDelay;
    for (const DecodedByte& byte : UartWire::Receive(reply, m_instrumentRate, m_hostRate)) {
        m_pending.emplace_back(start + std::chrono::duration_cast<Clock::duration>(
                                           std::chrono::nanoseconds(byte.doneAtNs)),
                               byte.value);
    }
}

WireLine::Clock::time_point WireLine::NextByte() const {
    return m_pending.empty() ? Clock::time_point::max() : m_pending.front().first;
}

void WireLine::Deliver(LineProbe& probe, Clock::time_point until) {
    while (!m_pending.empty() && m_pending.front().first <= until) {
        probe.Take(m_pending.front().second, m_pending.front().first);
        m_pending.pop_front();
    }
}

void WireLine::Run(const std::vector<std::pair<WireLine*, LineProbe*>>& probes,
                   Clock::time_point& now, const std::function<bool()>& settled) {
    for (;;) {
        for (const auto& [line, probe] : probes) {
            probe->Step(*line, now);
        }
        if (settled()) {
            return;
        }
        Clock::time_point next = Clock::time_point::max();
        for (const auto& [line, probe] : probes) {
            next = std::min(next, probe->WakeAt());
            if (probe->Listening()) {
                next = std::min(next, line->NextByte());
            }
        }
        if (next == Clock::time_point::max()) {
            return;  // nothing is left that could happen
        }
        now = std::max(now, next);
        for (const auto& [line, probe] : probes) {
            if (probe->Listening()) {
                line->Deliver(*probe, now);
            }
        }
    }
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
