#include "ui/wizard/IntroPage.h"

#include "ui/wizard/WizardRun.h"

bool IntroPage::OnKillActive(bool specifyPort, bool quickSearch) {
    RunSettings& settings = m_run.Settings();
    if (specifyPort) {
        settings.m_strPortName = kDefaultPort;
        settings.m_nBaudRate = kDefaultBaud;
        return false;
    }
    settings.m_bParallelSearch = quickSearch;
    settings.m_bFastSearch = quickSearch;
    return true;
}
