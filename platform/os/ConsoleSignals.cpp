#include "platform/os/ConsoleSignals.h"

namespace platform {

int ConsoleSignals::Caught() const {
    return m_caught;
}

void ConsoleSignals::Signal(int number) {
    m_caught = number;
    m_onSignal();
}

}  // namespace platform
