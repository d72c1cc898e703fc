#pragma once
#include <QPointer>
#include <QString>
#include <QStringList>
#include <optional>

#include "ui/wizard/WizardRun.h"

class CWizardSheet;
class QWidget;

// The one application object: the settings the whole run shares, and the start of the
// wizard. The pages, the progress dialog and the connection job all reach the settings
// through Instance().Settings().
class CWizardApp {
  public:
    static CWizardApp& Instance();

    // What this run of the wizard knows; the page rules work on it.
    WizardRun& Run() { return m_run; }
    RunSettings& Settings() { return m_run.Settings(); }
    using FoundInstrument = WizardRun::FoundInstrument;
    FoundInstrument& Found() { return m_run.Found(); }
    bool& ConnectionRateApplied() { return m_run.ConnectionRateApplied(); }
    // The wizard while it exists, else null.
    CWizardSheet* Sheet() const;

    // Reads the command line (the program's arguments, the program first). Gives the exit
    // code when the program must end at once: after --help or --version, for a wrong
    // command line, or when there is no display to show the wizard on.
    std::optional<int> ParseCommandLine(const QStringList& arguments);
    // --demo: the instrument is simulated, and the first page says so.
    bool Demo() const { return m_run.Demo(); }
    void SetDemo(bool demo) { m_run.SetDemo(demo); }

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
    WizardRun m_run;
    int m_nExitCode = 0;
};
