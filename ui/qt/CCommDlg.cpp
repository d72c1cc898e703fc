#include "ui/qt/CCommDlg.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTimer>
#include <algorithm>

#include "ui/qt/CJobProgressDlg.h"
#include "ui/qt/CWizardApp.h"
#include "ui/qt/CWizardSheet.h"
#include "ui/qt/MessageSink.h"
#include "ui/qt/PortEntryDelegate.h"
#include "ui/qt/QtCatalog.h"
#include "ui/wizard/WizardTexts.h"
#include "ui_CCommDlg.h"

namespace {

QString Text(const char* text) {
    return QtCatalog::Wizard(text);
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
    m_ui->IDC_1006->setItemDelegate(new PortEntryDelegate(m_ui->IDC_1006));
    // A long name (a network port's address) must not widen the page: the edit field
    // shows what fits, the list below it is as wide as its entries.
    for (QComboBox* list : {m_ui->IDC_1006, m_ui->IDC_1007}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(8);
    }
    m_ui->IDC_PORT_DEVICE->installEventFilter(this);
    // Room for two lines from the start (a device and what it is, or the note that the port
    // went), so that the page does not grow when one comes.
    m_ui->IDC_PORT_DEVICE->setWordWrap(true);
    m_ui->IDC_PORT_DEVICE->setMinimumHeight(2 * m_ui->IDC_PORT_DEVICE->fontMetrics().lineSpacing());
    m_follow.setInterval(CommPage::kFollowMs);
    connect(&m_follow, &QTimer::timeout, this, &CCommDlg::FollowPorts);
}

void CCommDlg::OnAddNetworkPort() {
    const auto ask = [this](const std::string& offered) -> std::optional<std::string> {
        QInputDialog dialog(this);
        dialog.setWindowTitle(Text(wizard_text::kAddNetworkPortTitle));
        dialog.setLabelText(Text(wizard_text::kAddNetworkPortPrompt));
        dialog.setTextValue(QString::fromStdString(offered));
        // The prompt wraps, so that the dialog is as wide as an address needs, not as its
        // prompt's one line.
        if (auto* prompt = dialog.findChild<QLabel*>()) {
            prompt->setWordWrap(true);
        }
        // The dialog selects its text when shown, and what is typed would replace the
        // scheme offered: the caret goes after it instead.
        QTimer::singleShot(0, &dialog, [&dialog] {
            if (auto* field = dialog.findChild<QLineEdit*>()) {
                field->deselect();
                field->end(false);
            }
        });
        const bool accepted = dialog.exec() == QDialog::Accepted;
        CWizardSheet::TakeFocusBack(this);
        if (!accepted) {
            return std::nullopt;
        }
        return dialog.textValue().toStdString();
    };
    const auto warn = [this](const std::string& text, const std::string& detail) {
        MessageSink::Show(this, QString::fromStdString(text), QString::fromStdString(detail));
    };
    if (!m_page.AskNetworkPort(ask, warn).empty()) {
        FillPortList();
    }
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
    m_page.OnShown();
    FillPortList();
    SelectBaudRate();
    m_follow.start();
    return true;
}

void CCommDlg::FollowPorts() {
    if (!isVisible()) {
        m_follow.stop();  // another page is shown: it starts again with this one
        return;
    }
    if (m_ui->IDC_1006->view()->isVisible()) {
        return;  // never under the user's eyes while the list is open
    }
    if (m_page.PortsChanged()) {
        FillPortList();
    }
}

void CCommDlg::ShowSettings() {
    SelectPort();
    SelectBaudRate();
}

void CCommDlg::FillPortList() {
    QComboBox* portList = m_ui->IDC_1006;
    portList->clear();
    for (const CommPage::PortEntry& entry : m_page.ListPorts()) {
        portList->addItem(QString::fromStdString(entry.name));
        portList->setItemData(portList->count() - 1, QString::fromStdString(entry.detail),
                              PortEntryDelegate::kDetailRole);
    }
    // The open list is as wide as its entries with their details, whatever the field's width.
    QAbstractItemView* view = portList->view();
    view->setMinimumWidth(view->sizeHintForColumn(0) +
                          view->verticalScrollBar()->sizeHint().width());
    SelectPort();
}

void CCommDlg::SelectPort() {
    QComboBox* portList = m_ui->IDC_1006;
    const int index = m_page.ListedSelection();
    portList->setCurrentIndex(index);
    if (index < 0) {
        portList->clearEditText();
    }
    ShowPortDevice();
}

void CCommDlg::SelectBaudRate() {
    QComboBox* baudList = m_ui->IDC_1007;
    std::vector<std::string> rates;
    rates.reserve(static_cast<std::size_t>(baudList->count()));
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
    ShowPortDevice();
}

void CCommDlg::OnBaudSelChange(int index) {
    m_page.OnBaudChosen(m_ui->IDC_1007->itemText(index).toStdString());
}

void CCommDlg::ShowPortDevice() {
    const QString note = QString::fromStdString(m_page.PortNote());
    QLabel* label = m_ui->IDC_PORT_DEVICE;
    label->setToolTip(note);
    if (m_page.ListedSelection() < 0) {
        // A sentence (the port went): wrapped whole, never cut.
        label->setText(note);
        return;
    }
    // A device's lines, each cut in its middle to the label's width, so that a long device
    // name never widens the page; the whole of it is in the tooltip.
    const int width = std::max(label->width(), m_ui->IDC_1006->width());
    QStringList lines = note.split('\n');
    for (QString& line : lines) {
        line = label->fontMetrics().elidedText(line, Qt::ElideMiddle, width);
    }
    label->setText(lines.join('\n'));
}

bool CCommDlg::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_ui->IDC_PORT_DEVICE && e->type() == QEvent::Resize) {
        ShowPortDevice();
    }
    return CWizardPage::eventFilter(watched, e);
}

bool CCommDlg::OnWizardNext() {
    m_follow.stop();
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
