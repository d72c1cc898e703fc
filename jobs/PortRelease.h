#pragma once
#include "serial/CSerial.h"

// Lets go of a job's port when the job's loop ends, before its thread signals that it has
// stopped: a host that starts the next job on that port at once then finds it free.
class PortRelease {
  public:
    explicit PortRelease(CSerial* serial) : m_serial(serial) {}
    ~PortRelease() {
        if (m_serial != nullptr) {
            m_serial->Close();
        }
    }
    PortRelease(const PortRelease&) = delete;
    PortRelease& operator=(const PortRelease&) = delete;

  private:
    CSerial* m_serial;
};
