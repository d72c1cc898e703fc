#include "jobs/ProbedLine.h"

#include "serial/CSerial.h"

namespace {
using Clock = LineProbe::Clock;
}  // namespace

ProbedLine::ProbedLine(CSerial& serial, std::string name, platform::Event* stop)
    : m_serial(serial), m_name(std::move(name)), m_stop(stop) {}

bool ProbedLine::BeginBreak() {
    return m_serial.BeginBreak();
}

bool ProbedLine::EndBreak() {
    return m_serial.EndBreak();
}

bool ProbedLine::WriteLineFeed() {
    return m_serial.WritePort("\n", m_stop) == 1;
}

std::uint32_t ProbedLine::Baud() const {
    return m_serial.GetBaud();
}

void ProbedLine::StartAtBreak(const ProbeBreak& how) {
    ForgetHowItWasWaitedOn();
    probe.StartAtBreak(*this, Clock::now(), how);
}

void ProbedLine::StartAtLineFeed() {
    ForgetHowItWasWaitedOn();
    probe.StartAtLineFeed(*this, Clock::now());
}

// A new probe (a new rate) may wait on the line again, whatever the last one learnt.
void ProbedLine::ForgetHowItWasWaitedOn() {
    m_pollOnly = false;
    m_pollNext = false;
}

void ProbedLine::Step() {
    probe.Step(*this, Clock::now());
}
