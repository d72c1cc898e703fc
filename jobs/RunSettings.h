#pragma once
#include <cstdint>
#include <string>

// The two settings a run shares: the port for the instrument and its baud rate. The
// application object owns them; the pages and the progress dialog write them on the UI
// thread, and the connection job reads them once when it starts, after the last write.
struct RunSettings {
    std::string m_strPortName;       // "COM%d", empty at start
    std::int32_t m_nBaudRate = 0;    // bits per second, 0 at start
    bool m_bParallelSearch = false;  // the search probes every port at the same time
    bool m_bFastSearch = false;      // the search tries each port's likeliest rate first
};
