#include "ui/CIntroDlg.h"

#include "ui/CJobProgressDlg.h"
#include "ui/CWizardApp.h"
#include "ui/CWizardSheet.h"
#include "ui_CIntroDlg.h"

CIntroDlg::CIntroDlg(QWidget* parent) : CWizardPage(parent), m_ui(new Ui::CIntroDlg) {
    m_ui->setupUi(this);
    m_ui->IDC_DEMO_TEXT->setVisible(CWizardApp::Instance().Demo());
    // How to search means nothing to a user who gives the settings.
    connect(m_ui->IDC_1003, &QCheckBox::toggled, m_ui->IDC_PARALLEL_SEARCH, &QWidget::setDisabled);
}

CIntroDlg::~CIntroDlg() = default;

bool CIntroDlg::OnSetActive() {
    if (CWizardSheet* sheet = Sheet()) {
        sheet->setOption(QWizard::HaveHelpButton, false);
    }
    SetWizardButtons(CWizardSheet::PSWIZB_NEXT);
    return true;
}

bool CIntroDlg::OnKillActive() {
    SetWizardButtons(0);
    const QCheckBox* specifyPort = m_ui->IDC_1003;
    if (specifyPort->isChecked()) {
        RunSettings& settings = CWizardApp::Instance().Settings();
        settings.m_strPortName = "COM1";
        settings.m_nBaudRate = 9600;
    } else {
        // A search that finds nothing leaves the settings as they were: the user can still
        // choose on the next page.
        CWizardApp::Instance().Settings().m_bParallelSearch =
            m_ui->IDC_PARALLEL_SEARCH->isChecked();
        CJobProgressDlg search;
        search.SetMode(CJobProgressDlg::MODE_SEARCH);
        search.DoModal();
    }
    return true;
}
