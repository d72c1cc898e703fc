#include "ui/qt/CFinishDlg.h"

#include <QAbstractButton>

#include "ui/qt/CWizardApp.h"
#include "ui/qt/CWizardSheet.h"
#include "ui/qt/QtCatalog.h"
#include "ui/wizard/FinishPage.h"
#include "ui/wizard/WizardTexts.h"
#include "ui_CFinishDlg.h"

CFinishDlg::CFinishDlg(QWidget* parent) : CWizardPage(parent), m_ui(new Ui::CFinishDlg) {
    m_ui->setupUi(this);
    setTitle(QtCatalog::Wizard(wizard_text::kFinishTitle));
    // Reached with Tab, so that the port and rate can be selected and copied from the
    // keyboard; a selectable label otherwise takes the focus only from a click. Enter still
    // goes to Finish, which the label leaves alone.
    m_ui->IDC_FINISH_TEXT->setFocusPolicy(Qt::StrongFocus);
}

CFinishDlg::~CFinishDlg() = default;

bool CFinishDlg::OnSetActive() {
    if (CWizardSheet* sheet = Sheet()) {
        sheet->button(QWizard::CancelButton)->setEnabled(false);
    }
    SetWizardButtons(FinishPage::kButtonsShown);
    m_ui->IDC_FINISH_TEXT->setText(
        QString::fromStdString(FinishPage(CWizardApp::Instance().Run()).Text()));
    return true;
}
