#pragma once
#include <windows.h>

#include <string>

#include "ui/wizard/WizardRun.h"

class CWizardSheet;

// The one application object: the run the pages share, and the start of the wizard. The
// pages, the progress dialog and the connection job reach the settings through
// Instance().Run().
class CWizardApp {
  public:
    static CWizardApp& Instance();

    WizardRun& Run() { return m_run; }
    // The wizard while it runs, else null.
    CWizardSheet* Sheet() const { return m_pSheet; }
    HINSTANCE Module() const { return m_hInstance; }

    // Builds and runs the wizard modally. False once it has closed: the program ends.
    bool InitInstance(HINSTANCE instance);

    // The caption of every message box: the program file's base name.
    static std::string Title();

  private:
    CWizardApp() = default;

    CWizardSheet* m_pSheet = nullptr;
    HINSTANCE m_hInstance = nullptr;
    WizardRun m_run;
};
