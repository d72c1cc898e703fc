#include "ui/CAboutDlg.h"

#include "res/resource.h"
#include "ui/CWizardSheet.h"
#include "ui_CAboutDlg.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_ui(new Ui::CAboutDlg) {
    CWizardSheet::LoadResources();
    m_ui->setupUi(this);
    m_ui->IDC_ABOUT_NAME->setText(QString::fromUtf8(kProgramName) +
                                  CWizardSheet::ProductVersionSuffix());
}

CAboutDlg::~CAboutDlg() = default;
