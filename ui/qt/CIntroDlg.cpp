#include "ui/qt/CIntroDlg.h"

#include "ui/qt/CJobProgressDlg.h"
#include "ui/qt/CWizardApp.h"
#include "ui/qt/CWizardSheet.h"
#include "ui/qt/QtCatalog.h"
#include "ui/wizard/IntroPage.h"
#include "ui/wizard/WizardTexts.h"
#include "ui_CIntroDlg.h"

CIntroDlg::CIntroDlg(QWidget* parent) : CWizardPage(parent), m_ui(new Ui::CIntroDlg) {
    m_ui->setupUi(this);
    setTitle(QtCatalog::Wizard(wizard_text::kIntroTitle));
    m_ui->IDC_INTRO_TEXT->setText(QtCatalog::Wizard(wizard_text::kIntroText));
    m_ui->IDC_DEMO_TEXT->setText(QStringLiteral("<b>%1</b> %2")
                                     .arg(QtCatalog::Wizard(wizard_text::kDemoLead),
                                          QtCatalog::Wizard(wizard_text::kDemoText)));
    m_ui->IDC_1003->setText(QtCatalog::Wizard(wizard_text::kSpecifyPort));
    m_ui->IDC_QUICK_SEARCH->setText(QtCatalog::Wizard(wizard_text::kQuickSearch));
    m_ui->IDC_DEMO_TEXT->setVisible(CWizardApp::Instance().Demo());
    connect(m_ui->IDC_1003, &QCheckBox::toggled, m_ui->IDC_QUICK_SEARCH, [this](bool specifyPort) {
        m_ui->IDC_QUICK_SEARCH->setEnabled(IntroPage::QuickSearchEnabled(specifyPort));
    });
}

CIntroDlg::~CIntroDlg() = default;

bool CIntroDlg::OnSetActive() {
    if (CWizardSheet* sheet = Sheet()) {
        sheet->setOption(QWizard::HaveHelpButton, false);
    }
    SetWizardButtons(IntroPage::kButtonsShown);
    return true;
}

bool CIntroDlg::OnKillActive() {
    SetWizardButtons(kWizardButtonsBusy);
    IntroPage page(CWizardApp::Instance().Run());
    if (page.OnKillActive(m_ui->IDC_1003->isChecked(), m_ui->IDC_QUICK_SEARCH->isChecked())) {
        CJobProgressDlg search;
        search.SetMode(JobProgress::MODE_SEARCH);
        search.DoModal();
    }
    return true;
}
