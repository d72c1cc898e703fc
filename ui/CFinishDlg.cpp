#include "ui/CFinishDlg.h"

#include <QAbstractButton>

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
    return true;
}
