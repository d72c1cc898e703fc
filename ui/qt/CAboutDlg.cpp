#include "ui/qt/CAboutDlg.h"

#include "ui/qt/CWizardSheet.h"
#include "ui/qt/QtCatalog.h"
#include "ui/wizard/WizardTexts.h"
#include "ui_CAboutDlg.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_ui(new Ui::CAboutDlg) {
    CWizardSheet::LoadResources();
    m_ui->setupUi(this);
    setWindowTitle(QtCatalog::Wizard(wizard_text::kAboutCaption));
    m_ui->IDC_ABOUT_NAME->setText(QString::fromUtf8(wizard_text::kProgramName) +
                                  CWizardSheet::ProductVersionSuffix());
    m_ui->IDC_ABOUT_TEXT->setText(QtCatalog::Wizard(wizard_text::kAboutText));
    m_ui->IDC_ABOUT_COPYRIGHT->setText(QtCatalog::Wizard(wizard_text::kAboutCopyright) + '\n' +
                                       QtCatalog::Wizard(wizard_text::kAboutLicence));
    const QString web = QString::fromUtf8(wizard_text::HomePage()).toHtmlEscaped();
    m_ui->IDC_ABOUT_WEB->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(web));
    m_ui->IDOK->setText(QtCatalog::Wizard(wizard_text::kOk));
}

CAboutDlg::~CAboutDlg() = default;
