#include "bench/WireLine.h"

#include <algorithm>

#include "tools/sim/UartWire.h"

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
