#include "ui/CFinishDlg.h"

#include <QAbstractButton>

#include "ui/CWizardApp.h"
#include "ui/CWizardSheet.h"
#include "ui_CFinishDlg.h"

CFinishDlg::CFinishDlg(QWidget* parent) : CWizardPage(parent), m_ui(new Ui::CFinishDlg) {
    m_ui->setupUi(this);
}

CFinishDlg::~CFinishDlg() = default;

bool CFinishDlg::OnSetActive() {
    if (CWizardSheet* sheet = Sheet()) {
        sheet->button(QWizard::CancelButton)->setEnabled(false);
    }
    SetWizardButtons(CWizardSheet::PSWIZB_FINISH);
    // Names the instrument when the search heard it say who it is on the port and rate
    // that have just answered.
    const RunSettings& settings = CWizardApp::Instance().Settings();
    const CWizardApp::FoundInstrument& found = CWizardApp::Instance().Found();
    const bool named = !found.banner.empty() && found.portName == settings.m_strPortName &&
                       found.baud == settings.m_nBaudRate;
    QString text = tr("Your Brinevane ADCP answered on the port and baud rate you chose.");
    if (named) {
        text += tr("\n\nIt said: %1").arg(QString::fromStdString(found.banner));
    }
    if (!CWizardApp::Instance().ConnectionRateApplied()) {
        text += tr("\n\nThe baud rate %1 was not applied: %2 passes raw bytes, and its device "
                   "server sets the line's rate.")
                    .arg(settings.m_nBaudRate)
                    .arg(QString::fromStdString(settings.m_strPortName));
    }
    m_ui->IDC_FINISH_TEXT->setText(text + tr("\n\nPress 'Finish' to close the wizard."));
    return true;
}
