#include "jobs/ProbedLine.h"

#include "serial/CSerial.h"

ProbedLine::ProbedLine(CSerial& serial, std::string name, platform::Event* stop)
    : m_serial(serial), m_name(std::move(name)), m_stop(stop) {}

bool ProbedLine::SetRate(std::uint32_t rate) {
    // A new rate may wait on the line again, whatever the last one learnt.
    ForgetHowItWasWaitedOn();
    m_serial.SetBaud(rate);
    return m_serial.ConfigPort();
}

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

void ProbedLine::ForgetHowItWasWaitedOn() {
    m_pollOnly = false;
    m_pollNext = false;
}

bool ProbedLine::Take(unsigned char byte, Clock::time_point now) {
    probe.Take(byte, now);
    return false;
}

void ProbedLine::Step() {
    probe.Step(*this, Clock::now());
}
