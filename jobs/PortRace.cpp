#include "jobs/PortRace.h"

void PortRace::Add(int port) {
    m_entries.push_back({port, State::Running, -1});
}

void PortRace::Set(int port, State state, int rateIndex) {
    for (Entry& entry : m_entries) {
        if (entry.port == port && entry.state == State::Running) {
            entry.state = state;
            entry.rateIndex = rateIndex;
        }
    }
}

void PortRace::Answered(int port, int rateIndex) {
    Set(port, State::Answered, rateIndex);
}

void PortRace::Finished(int port) {
    Set(port, State::Finished, -1);
}

bool PortRace::CanWin(int port) const {
    for (const Entry& entry : m_entries) {
        if (entry.port >= port) {
            return true;
        }
        if (entry.state == State::Answered) {
            return false;
        }
    }
    return true;
}

const PortRace::Entry* PortRace::Leader() const {
    for (const Entry& entry : m_entries) {
        if (entry.state != State::Finished) {
            return &entry;
        }
    }
    return nullptr;
}

bool PortRace::Decided() const {
    const Entry* leader = Leader();
    return leader == nullptr || leader->state == State::Answered;
}

int PortRace::Winner() const {
    const Entry* leader = Leader();
    return leader != nullptr && leader->state == State::Answered ? leader->port : 0;
}

int PortRace::WinnerRate() const {
    return Winner() != 0 ? Leader()->rateIndex : -1;
}
