#include "ui/qt/CCommDlg.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include "ui/qt/CJobProgressDlg.h"
#include "ui/qt/CWizardApp.h"
#include "ui/qt/CWizardSheet.h"
#include "ui/qt/MessageSink.h"
#include "ui/wizard/WizardTexts.h"
#include "ui_CCommDlg.h"

namespace {

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

QStringList Texts(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) {
        list << QString::fromStdString(text);
    }
    return list;
}

}  // namespace

CCommDlg::CCommDlg(QWidget* parent)
    : CWizardPage(parent), m_ui(new Ui::CCommDlg), m_page(CWizardApp::Instance().Run()) {
    m_ui->setupUi(this);
    setTitle(Text(wizard_text::kCommTitle));
    m_ui->IDC_SETTINGS_GROUP->setTitle(Text(wizard_text::kSettingsGroup));
    m_ui->IDC_PORT_LABEL->setText(Text(wizard_text::kPortLabel));
    m_ui->IDC_BAUD_LABEL->setText(Text(wizard_text::kBaudLabel));
    m_ui->IDC_ADD_NETWORK_PORT->setText(Text(wizard_text::kAddNetworkPort));
    m_ui->IDC_COMM_TEXT->setText(Text(wizard_text::kCommText));
    m_ui->IDC_1007->addItems(Texts(CommPage::BaudList()));
    ConnectListChoice(m_ui->IDC_1006, &CCommDlg::OnPortSelChange);
    ConnectListChoice(m_ui->IDC_1007, &CCommDlg::OnBaudSelChange);
    connect(m_ui->IDC_1006, &QComboBox::currentIndexChanged, this, &CCommDlg::ShowPortDevice);
    connect(m_ui->IDC_ADD_NETWORK_PORT, &QPushButton::clicked, this, &CCommDlg::OnAddNetworkPort);
}

void CCommDlg::OnAddNetworkPort() {
    bool accepted = false;
    const QString address = QInputDialog::getText(
        this, Text(wizard_text::kAddNetworkPortTitle), Text(wizard_text::kAddNetworkPortPrompt),
        QLineEdit::Normal, Text(wizard_text::kAddNetworkPortStart), &accepted);
    if (!accepted) {
        return;
    }
    std::string problem;
    if (m_page.AddNetworkPort(address.toStdString(), &problem).empty()) {
        MessageSink::Show(this, Text(wizard_text::kNetworkPortNotAdded),
                          QString::fromStdString(problem));
        return;
    }
    FillPortList();
}

CCommDlg::~CCommDlg() = default;

void CCommDlg::ConnectListChoice(QComboBox* list, void (CCommDlg::*handler)(int)) {
    // activated is not emitted for the page's own selections, but a combo box also emits
    // it when the text typed into its edit field matches an entry, once editing ends.
    // Typed text must never choose: the edit field is given a handler that marks the end
    // of editing before the combo box's own and clears the mark after it. The combo box's
    // own handler selects an entry matching the typed text, so the one after it shows the
    // settings again: what is on screen is what will be used.
    auto* edit = new QLineEdit(list);
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_bEditingFinishing = true; });
    list->setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] {
        m_bEditingFinishing = false;
        ShowSettings();
    });
    list->setCompleter(nullptr);  // its completions would choose entries too
    list->setInsertPolicy(QComboBox::NoInsert);
    connect(list, &QComboBox::activated, this, [this, handler](int index) {
        if (!m_bEditingFinishing && index >= 0) {
            (this->*handler)(index);
        }
    });
}

bool CCommDlg::OnSetActive() {
    SetWizardButtons(CommPage::kButtonsShown);
    FillPortList();
    SelectBaudRate();
    return true;
}

void CCommDlg::ShowSettings() {
    SelectPort();
    SelectBaudRate();
}

void CCommDlg::FillPortList() {
    QComboBox* portList = m_ui->IDC_1006;
    portList->clear();
    portList->addItems(Texts(CommPage::PortList()));
    SelectPort();
}

void CCommDlg::SelectPort() {
    QComboBox* portList = m_ui->IDC_1006;
    std::vector<std::string> names;
    for (int i = 0; i < portList->count(); ++i) {
        names.push_back(portList->itemText(i).toStdString());
    }
    const int index = m_page.PortSelection(names);
    portList->setCurrentIndex(index);
    if (index < 0) {
        portList->clearEditText();
    }
    ShowPortDevice();
}

void CCommDlg::SelectBaudRate() {
    QComboBox* baudList = m_ui->IDC_1007;
    std::vector<std::string> rates;
    for (int i = 0; i < baudList->count(); ++i) {
        rates.push_back(baudList->itemText(i).toStdString());
    }
    const int index = m_page.BaudSelection(rates);
    baudList->setCurrentIndex(index);
    if (index < 0) {
        baudList->clearEditText();
    }
}

void CCommDlg::OnPortSelChange(int index) {
    m_page.OnPortChosen(m_ui->IDC_1006->itemText(index).toStdString());
}

void CCommDlg::OnBaudSelChange(int index) {
    m_page.OnBaudChosen(m_ui->IDC_1007->itemText(index).toStdString());
}

void CCommDlg::ShowPortDevice() {
    const QString name = m_ui->IDC_1006->currentIndex() >= 0 ? m_ui->IDC_1006->currentText() : "";
    m_ui->IDC_PORT_DEVICE->setText(
        QString::fromStdString(CommPage::PortDevice(name.toStdString())));
}

bool CCommDlg::OnWizardNext() {
    SetWizardButtons(kWizardButtonsBusy);
    ShowSettings();  // Next can come while typed text is still in an edit field
    CJobProgressDlg connection;
    connection.SetMode(JobProgress::MODE_CONNECTION);
    if (CommPage::ConnectionEndsProgram(connection.DoModal())) {
        // The dialog has told the user why; without an instrument there is nothing left
        // to do, and the failure shows in the exit code. The page stays while the program
        // winds down, so the finish page is never shown.
        CWizardApp::Instance().ExitProcess(kExitConnectionFailed);
        return false;
    }
    return true;
}
