#include "ui/wizard/IntroPage.h"

#include "ui/wizard/WizardRun.h"

bool IntroPage::OnKillActive(bool specifyPort, bool parallelSearch) {
    RunSettings& settings = m_run.Settings();
    if (specifyPort) {
        settings.m_strPortName = kDefaultPort;
        settings.m_nBaudRate = kDefaultBaud;
        return false;
    }
    settings.m_bParallelSearch = parallelSearch;
    return true;
}
