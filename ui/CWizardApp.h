#pragma once
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>

#include "jobs/RunSettings.h"

class CWizardSheet;
class QWidget;

// The one application object: the settings the whole run shares, and the start of the
// wizard. The pages, the progress dialog and the connection job all reach the settings
// through Instance().Settings().
class CWizardApp {
  public:
    static CWizardApp& Instance();

    RunSettings& Settings() { return m_settings; }

    // Where the search found the instrument and what it said there, so that the last page
    // can name it when the connection went to that same port and rate. Never a verdict.
    struct FoundInstrument {
        std::string portName;
        std::int32_t baud = 0;
        std::string banner;
    };
    FoundInstrument& Found() { return m_found; }
    // False after a connection over a port that passes raw bytes (socket://): the rate
    // chosen never reached the line, and the last page says so.
    bool& ConnectionRateApplied() { return m_connectionRateApplied; }
    // The wizard while it exists, else null.
    CWizardSheet* Sheet() const;

    // Reads the command line (the program's arguments, the program first). Gives the exit
    // code when the program must end at once: after --help or --version, for a wrong
    // command line, or when there is no display to show the wizard on.
    std::optional<int> ParseCommandLine(const QStringList& arguments);
    // --demo: the instrument is simulated, and the first page says so.
    bool Demo() const { return m_bDemo; }
    void SetDemo(bool demo) { m_bDemo = demo; }

    // Adds the three pages to the sheet, in their order, and makes it the main window.
    void BuildWizard(CWizardSheet& sheet);
    // Builds and runs the wizard modally. False once it has closed: the program ends.
    bool InitInstance();
    // Ends the program with code: every event loop returns at once, so the wizard goes
    // away without showing anything more, and main returns the code.
    void ExitProcess(int code);
    int ExitCode() const { return m_nExitCode; }

    // The caption of every message box: the program file's base name.
    static QString Title();

  private:
    CWizardApp() = default;

    QPointer<CWizardSheet> m_pSheet;
    RunSettings m_settings;
    FoundInstrument m_found;
    bool m_connectionRateApplied = true;
    int m_nExitCode = 0;
    bool m_bDemo = false;
};
