#include "ui/qt/CWizardPage.h"

#include "ui/qt/CWizardApp.h"
#include "ui/qt/CWizardSheet.h"

CWizardPage::CWizardPage(QWidget* parent) : QWizardPage(parent) {}

bool CWizardPage::validatePage() {
    return OnWizardNext() && OnKillActive();
}

CWizardSheet* CWizardPage::Sheet() {
    return CWizardApp::Instance().Sheet();
}

void CWizardPage::SetWizardButtons(int buttons) {
    if (CWizardSheet* sheet = Sheet()) {
        sheet->SetWizardButtons(buttons);
    }
}
