#include "ui/wizard/FinishPage.h"

#include "ui/wizard/WizardRun.h"

std::string FinishPage::Text() const {
    const RunSettings& settings = m_run.Settings();
    const WizardRun::FoundInstrument& found = m_run.Found();
    std::string text = "Your Brinevane ADCP answered on the port and baud rate you chose.";
    const bool named = !found.banner.empty() && found.portName == settings.m_strPortName &&
                       found.baud == settings.m_nBaudRate;
    if (named) {
        text += "\n\nIt said: " + found.banner;
    }
    if (!m_run.ConnectionRateApplied()) {
        text += "\n\nThe baud rate " + std::to_string(settings.m_nBaudRate) +
                " was not applied: " + settings.m_strPortName +
                " passes raw bytes, and its device server sets the line's rate.";
    }
    return text + "\n\nPress 'Finish' to close the wizard.";
}
