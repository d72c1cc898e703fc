#include "ui/CCommDlg.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include "serial/BaudText.h"
#include "serial/CSerial.h"
#include "serial/PortMap.h"
#include "ui/CJobProgressDlg.h"
#include "ui/CWizardApp.h"
#include "ui/CWizardSheet.h"
#include "ui/MessageSink.h"
#include "ui_CCommDlg.h"

CCommDlg::CCommDlg(QWidget* parent) : CWizardPage(parent), m_ui(new Ui::CCommDlg) {
    m_ui->setupUi(this);
    ConnectListChoice(m_ui->IDC_1006, &CCommDlg::OnPortSelChange);
    ConnectListChoice(m_ui->IDC_1007, &CCommDlg::OnBaudSelChange);
    connect(m_ui->IDC_1006, &QComboBox::currentIndexChanged, this, &CCommDlg::ShowPortDevice);
    connect(m_ui->IDC_ADD_NETWORK_PORT, &QPushButton::clicked, this, &CCommDlg::OnAddNetworkPort);
}

void CCommDlg::OnAddNetworkPort() {
    bool accepted = false;
    const QString address = QInputDialog::getText(
        this, tr("Add network port"),
        tr("The port of the serial device server (rfc2217://HOST:PORT, or socket://HOST:PORT "
           "for one that passes raw bytes):"),
        QLineEdit::Normal, QStringLiteral("rfc2217://"), &accepted);
    if (!accepted) {
        return;
    }
    std::string problem;
    const std::string name = PortMap::AddNetworkPort(address.trimmed().toStdString(), &problem);
    if (name.empty()) {
        MessageSink::Show(this, tr("The network port was not added."),
                          QString::fromStdString(problem));
        return;
    }
    CWizardApp::Instance().Settings().m_strPortName = name;
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
    SetWizardButtons(CWizardSheet::PSWIZB_BACK | CWizardSheet::PSWIZB_NEXT);
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

    QStringList names;
    {
        CSerial serial;  // never opened: listing must not touch the ports
        serial.EnumeratePorts();
        for (int i = 0; i < PortMap::kMaxPorts; ++i) {
            const int port = serial.NextAvailablePort();
            if (port != 0) {
                names << QString::fromStdString(PortMap::PortName(port));
            }
        }
    }
    // In text order, as a sorted list keeps them: COM1, COM10, COM2.
    names.sort(Qt::CaseInsensitive);
    portList->addItems(names);
    SelectPort();
}

void CCommDlg::SelectPort() {
    QComboBox* portList = m_ui->IDC_1006;
    const QString current = QString::fromStdString(CWizardApp::Instance().Settings().m_strPortName);
    const int index = portList->findText(current, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    portList->setCurrentIndex(index);
    if (index < 0) {
        portList->clearEditText();
    }
    ShowPortDevice();
}

void CCommDlg::SelectBaudRate() {
    QComboBox* baudList = m_ui->IDC_1007;
    const std::int32_t baud = CWizardApp::Instance().Settings().m_nBaudRate;
    int index = -1;
    for (int i = 0; i < baudList->count(); ++i) {
        if (baudList->itemText(i).toLongLong() == baud) {
            index = i;
            break;
        }
    }
    baudList->setCurrentIndex(index);
    if (index < 0) {
        baudList->clearEditText();
    }
}

void CCommDlg::OnPortSelChange(int index) {
    CWizardApp::Instance().Settings().m_strPortName = m_ui->IDC_1006->itemText(index).toStdString();
}

void CCommDlg::OnBaudSelChange(int index) {
    CWizardApp::Instance().Settings().m_nBaudRate =
        ReadBaudText(m_ui->IDC_1007->itemText(index).toStdString());
}

void CCommDlg::ShowPortDevice() {
    // What the port is on this computer, from the port map the list was made from.
    QString device;
    const QString name = m_ui->IDC_1006->currentIndex() >= 0 ? m_ui->IDC_1006->currentText() : "";
    if (!name.isEmpty()) {
        if (const PortInfo* info = PortMap::Current()->FindByName(name.toStdString())) {
            device = QString::fromStdString(info->path);
            const std::string description = info->Description();
            if (!description.empty()) {
                device += QLatin1Char('\n') + QString::fromStdString(description);
            }
        }
    }
    m_ui->IDC_PORT_DEVICE->setText(device);
}

bool CCommDlg::OnWizardNext() {
    SetWizardButtons(0);
    ShowSettings();  // Next can come while typed text is still in an edit field
    CJobProgressDlg connection;
    connection.SetMode(CJobProgressDlg::MODE_CONNECTION);
    if (connection.DoModal() == 0) {
        // The dialog has told the user why; without an instrument there is nothing left
        // to do, and the failure shows in the exit code. The page stays while the program
        // winds down, so the finish page is never shown.
        CWizardApp::Instance().ExitProcess(kExitConnectionFailed);
        return false;
    }
    return true;
}
