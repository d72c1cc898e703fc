#include "tests/support/WireLine.h"

#include <algorithm>

#include "tools/sim/UartWire.h"

namespace {

using Clock = WireLine::Clock;

// Between a stream's records.
constexpr std::chrono::milliseconds kRecordGap{20};

Clock::duration Ns(std::uint64_t ns) {
    return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(ns));
}

WireLine::Device Instrument(const std::string& banner, std::uint32_t rate) {
    WireLine::Device device;
    device.rate = rate;
    device.behaviour.banner = banner;
    return device;
}

}  // namespace

WireLine::WireLine(std::string name, const std::string& banner, std::uint32_t instrumentRate,
                   const Clock::time_point& now)
    : WireLine(std::move(name), Instrument(banner, instrumentRate), now) {}

WireLine::WireLine(std::string name, Device device, const Clock::time_point& now)
    : m_name(std::move(name)),
      m_device(std::move(device)),
      m_instrument(m_device.behaviour, m_device.seed),
      m_now(now),
      m_freeAt(now),
      m_nextRecord(m_device.rate != 0 && m_device.instrument && m_instrument.Streaming()
                       ? now
                       : Clock::time_point::max()),
      m_nextTalk(m_device.talk.empty() || m_device.every.count() <= 0 ? Clock::time_point::max()
                                                                      : now),
      m_nextNoise(m_device.noise ? now : Clock::time_point::max()),
      m_random(m_device.seed) {}

bool WireLine::SetRate(std::uint32_t hostRate) {
    m_hostRate = hostRate;
    // What the device is saying is heard at the new rate from now on.
    Clock::time_point resend = Clock::time_point::max();
    for (auto byte = m_pending.begin(); byte != m_pending.end();) {
        const bool onItsWay = byte->first > m_now && byte->second.source == Source::Talk;
        if (onItsWay) {
            resend = std::min(resend, byte->second.sentAt);
        }
        byte = onItsWay ? m_pending.erase(byte) : std::next(byte);
    }
    if (resend != Clock::time_point::max()) {
        Send(m_device.talk, resend, Source::Talk, m_now);
        m_nextTalk = resend + m_device.every;
    }
    return true;
}

bool WireLine::BeginBreak() {
    // The purge empties what has come.
    for (auto byte = m_pending.begin(); byte != m_pending.end();) {
        byte = byte->first <= m_now ? m_pending.erase(byte) : std::next(byte);
    }
    m_wake = SimulatedInstrument::Wake();
    if (m_device.rate == 0 || !m_device.instrument) {
        return true;
    }
    // A stream went on while nobody listened: its record under way is on the wire.
    while (m_nextRecord <= m_now) {
        Send(m_instrument.NextRecord(), m_nextRecord, Source::Instrument);
        m_nextRecord = m_freeAt + kRecordGap;
    }
    const bool streaming = m_instrument.Streaming();
    m_wake = m_instrument.Woken();
    if (m_wake.answer.empty()) {
        return true;  // asleep: whatever it was doing goes on
    }
    if (streaming) {
        m_nextRecord = Clock::time_point::max();  // the record under way is finished
    } else {
        StopAfterCharacterInFlight();
    }
    Send(m_wake.echo, m_now, Source::Instrument);
    return true;
}

void WireLine::StopAfterCharacterInFlight() {
    const Clock::duration frame = Ns(UartWire::SendingNs(1, m_device.rate));
    const Clock::time_point frameEnd = std::min(m_freeAt, m_now + frame);
    // What the host decodes of it is due by its end, or a host character after.
    const Clock::time_point decoded = frameEnd + Ns(UartWire::SendingNs(1, m_hostRate));
    for (auto byte = m_pending.begin(); byte != m_pending.end();) {
        byte = byte->first > decoded && byte->second.source == Source::Instrument
                   ? m_pending.erase(byte)
                   : std::next(byte);
    }
    m_freeAt = std::max(m_now, frameEnd);
}

bool WireLine::EndBreak() {
    // What came during the break waits in the input, read as the probe starts to listen.
    std::vector<Byte> waiting;
    while (!m_pending.empty() && m_pending.begin()->first < m_now) {
        waiting.push_back(m_pending.begin()->second);
        m_pending.erase(m_pending.begin());
    }
    for (const Byte& byte : waiting) {
        m_pending.emplace(m_now, byte);
    }
    if (!m_wake.answer.empty()) {
        Send(m_wake.glitch, m_now, Source::Instrument);
        Send(m_wake.answer, m_now + kReplyDelay + m_wake.delay, Source::Instrument);
        Send(m_wake.rest, m_freeAt + m_wake.pause, Source::Instrument);
    }
    return true;
}

bool WireLine::WriteLineFeed() {
    if (m_device.rate != 0 && m_device.instrument) {
        const std::string heard = UartWire::ReceiveBytes("\n", m_hostRate, m_device.rate);
        const Clock::time_point arrived = m_now + Ns(UartWire::SendingNs(1, m_hostRate));
        Send(m_instrument.Hear(heard), arrived + kReplyDelay, Source::Instrument);
    }
    return true;
}

void WireLine::Send(const std::string& bytes, Clock::time_point from, Source source,
                    Clock::time_point notBefore) {
    if (bytes.empty()) {
        return;
    }
    // The instrument's frames follow one another: none starts before the last has left.
    const bool instrument = source == Source::Instrument;
    const Clock::time_point start = instrument ? std::max(from, m_freeAt) : from;
    for (const DecodedByte& byte : UartWire::Receive(bytes, m_device.rate, m_hostRate)) {
        const Clock::time_point at = start + Ns(byte.doneAtNs);
        if (at > notBefore) {
            m_pending.emplace(at, Byte{byte.value, source, start});
        }
    }
    if (instrument) {
        m_freeAt = start + Ns(UartWire::SendingNs(bytes.size(), m_device.rate));
    }
}

Clock::time_point WireLine::NextUnprompted() const {
    return std::min({m_nextTalk, m_nextNoise, m_nextRecord});
}

void WireLine::Refill() {
    while (m_pending.empty() || m_pending.begin()->first > NextUnprompted()) {
        if (NextUnprompted() == Clock::time_point::max()) {
            return;
        }
        if (m_nextRecord <= std::min(m_nextTalk, m_nextNoise)) {
            // A stream: one record after another, a short gap between them.
            Send(m_instrument.NextRecord(), m_nextRecord, Source::Instrument);
            m_nextRecord =
                m_instrument.Streaming() ? m_freeAt + kRecordGap : Clock::time_point::max();
        } else if (m_nextTalk <= m_nextNoise) {
            Send(m_device.talk, m_nextTalk, Source::Talk);
            m_nextTalk += m_device.every;
        } else {
            // A burst of a few random bytes as a line at the device's rate would carry
            // them, then a quiet of up to a second and a half.
            std::uniform_int_distribution<int> length(1, 8);
            std::uniform_int_distribution<int> value(0, 255);
            std::uniform_int_distribution<int> quietMs(100, 1500);
            std::string burst;
            for (int i = length(m_random); i > 0; --i) {
                burst += static_cast<char>(value(m_random));
            }
            const std::uint32_t rate = m_device.rate != 0 ? m_device.rate : 9600;
            const std::uint64_t byteNs = UartWire::SendingNs(1, rate);
            for (std::size_t i = 0; i < burst.size(); ++i) {
                m_pending.emplace(
                    m_nextNoise + Ns(byteNs * (i + 1)),
                    Byte{static_cast<unsigned char>(burst[i]), Source::Noise, m_nextNoise});
            }
            m_nextNoise += Ns(byteNs * burst.size()) + std::chrono::milliseconds(quietMs(m_random));
        }
    }
}

Clock::time_point WireLine::NextByte() {
    Refill();
    return m_pending.empty() ? Clock::time_point::max() : m_pending.begin()->first;
}

void WireLine::Deliver(LineProbe& probe, Clock::time_point until) {
    while (NextByte() <= until) {
        probe.Take(m_pending.begin()->second.value, m_pending.begin()->first);
        m_pending.erase(m_pending.begin());
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
