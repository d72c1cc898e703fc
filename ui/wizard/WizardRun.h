#pragma once
#include <cstdint>
#include <string>

#include <vector>

#include "jobs/PortVerdict.h"
#include "jobs/RunSettings.h"

// What one run of the wizard knows, whichever view shows it: the settings the pages and the
// jobs share, and what the search and the connection learned on the way.
class WizardRun {
  public:
    // Where the search found the instrument and what it said there, so that the last page
    // can name it when the connection went to that same port and rate. Never a verdict.
    struct FoundInstrument {
        std::string portName;
        std::int32_t baud = 0;
        std::string banner;
    };

    RunSettings& Settings() { return m_settings; }
    const RunSettings& Settings() const { return m_settings; }
    FoundInstrument& Found() { return m_found; }
    const FoundInstrument& Found() const { return m_found; }
    // What the last search made of each port that gave no answer, so that the settings
    // page can say it beside the port: the user picks knowingly.
    std::vector<PortVerdict>& Verdicts() { return m_verdicts; }
    const std::vector<PortVerdict>& Verdicts() const { return m_verdicts; }
    // False after a connection over a port that passes raw bytes (socket://): the rate
    // chosen never reached the line, and the last page says so.
    bool& ConnectionRateApplied() { return m_connectionRateApplied; }
    bool ConnectionRateApplied() const { return m_connectionRateApplied; }
    // The instrument is simulated, and the first page says so.
    bool Demo() const { return m_bDemo; }
    void SetDemo(bool demo) { m_bDemo = demo; }
    // -v: each job notification is written to stderr, as brinevane-probe -v writes it.
    bool Verbose() const { return m_bVerbose; }
    void SetVerbose(bool verbose) { m_bVerbose = verbose; }

  private:
    RunSettings m_settings;
    FoundInstrument m_found;
    std::vector<PortVerdict> m_verdicts;
    bool m_connectionRateApplied = true;
    bool m_bDemo = false;
    bool m_bVerbose = false;
};
