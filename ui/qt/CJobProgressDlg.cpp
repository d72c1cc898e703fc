#include "ui/qt/CJobProgressDlg.h"

#include <QCoreApplication>
#include <QEvent>
#include <QProgressBar>
#include <cstdio>

#include "jobs/JobMessages.h"
#include "jobs/JobTexts.h"
#include "ui/qt/CWizardApp.h"
#include "ui/qt/CWizardSheet.h"
#include "ui/qt/MessageSink.h"
#include "ui/qt/QtCatalog.h"
#include "ui/wizard/WizardTexts.h"
#include "ui_CJobProgressDlg.h"

namespace {

// A job's notification on its way to the UI thread.
class JobNotifyEvent : public QEvent {
  public:
    JobNotifyEvent(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
        : QEvent(Type()), m_message(message), m_wParam(wParam), m_lParam(lParam) {}

    static QEvent::Type Type() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

    std::uint32_t m_message;
    std::uintptr_t m_wParam;
    std::intptr_t m_lParam;
};

}  // namespace

CJobProgressDlg::CJobProgressDlg(QWidget* parent)
    // Without a parent the wizard owns the dialog, and is disabled while it runs.
    : QDialog(parent != nullptr ? parent : CWizardApp::Instance().Sheet()),
      m_host(*this),
      m_rules(CWizardApp::Instance().Run()),
      m_ui(new Ui::CJobProgressDlg) {
    m_ui->setupUi(this);
    m_ui->IDCANCEL->setText(QtCatalog::Wizard(wizard_text::kCancel));
    // A title bar without a close box: the job, not the user, ends a connection.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    m_ui->IDCANCEL->hide();
    connect(m_ui->IDCANCEL, &QPushButton::clicked, this, &CJobProgressDlg::Cancel);
    m_probingTimer.setInterval(JobProgress::kProbingRefreshMs);
    connect(&m_probingTimer, &QTimer::timeout, this, &CJobProgressDlg::ShowProbing);
}

CJobProgressDlg::~CJobProgressDlg() {
    // Once detached no job can reach this object; notifications already queued for it go
    // with it.
    m_host.Detach();
}

int CJobProgressDlg::DoModal() {
    if (!OnInitDialog()) {
        return result();
    }
    const int ended = exec();
    CWizardSheet::TakeFocusBack(parentWidget());
    return ended;
}

void CJobProgressDlg::Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    QCoreApplication::postEvent(this, new JobNotifyEvent(message, wParam, lParam));
}

bool CJobProgressDlg::event(QEvent* event) {
    if (event->type() == JobNotifyEvent::Type()) {
        const auto* notify = static_cast<const JobNotifyEvent*>(event);
        if (notify->m_message == WM_SEARCH_NOTIFY) {
            OnSearchNotify(notify->m_wParam, notify->m_lParam);
        } else if (notify->m_message == WM_PROGRAM_NOTIFY) {
            OnProgramNotify(notify->m_wParam, notify->m_lParam);
        }
        return true;
    }
    return QDialog::event(event);
}

void CJobProgressDlg::reject() {
    if (!m_host.HasJob()) {
        QDialog::reject();
    } else if (JobProgress::CanCancel(m_nMode)) {
        Cancel();
    }
    // A running connection would be left unseen: it ends by itself within seconds.
}

bool CJobProgressDlg::OnInitDialog() {
    if (m_nMode == MODE_SEARCH) {
        m_nStep = JobProgress::Step(m_nMode);
        // The user can leave the search by the button, Escape or the close box.
        setWindowFlags(windowFlags() | Qt::WindowCloseButtonHint);
        m_ui->IDCANCEL->show();
    }
    if (!m_rules.Start(m_nMode, m_host, *this)) {
        return false;
    }
    m_probingTimer.start();
    return true;
}

namespace {

// -v: the notification as brinevane-probe -v writes it.
void Tell(std::uint32_t message, std::uintptr_t state, std::intptr_t code) {
    if (CWizardApp::Instance().Run().Verbose()) {
        std::fprintf(
            stderr, "%s\n",
            JobTexts::NotificationLine(message, static_cast<std::intptr_t>(state), code).c_str());
    }
}

}  // namespace

void CJobProgressDlg::OnSearchNotify(std::uintptr_t state, std::intptr_t code) {
    Tell(WM_SEARCH_NOTIFY, state, code);
    if (!m_bEnding) {
        m_rules.Apply(m_nMode, m_host,
                      m_host.Handle(WM_SEARCH_NOTIFY, static_cast<std::intptr_t>(state), code),
                      *this);
    }
}

void CJobProgressDlg::OnProgramNotify(std::uintptr_t state, std::intptr_t code) {
    Tell(WM_PROGRAM_NOTIFY, state, code);
    if (!m_bEnding) {
        m_rules.Apply(m_nMode, m_host,
                      m_host.Handle(WM_PROGRAM_NOTIFY, static_cast<std::intptr_t>(state), code),
                      *this);
    }
}

void CJobProgressDlg::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
    // The bar is named after what it measures, the job the caption names.
    ProgressBar()->setAccessibleName(windowTitle());
}

void CJobProgressDlg::ShowProbing() {
    const CThread::Probing probing = m_host.GetProbing();
    const std::string what = JobHost::Describe(probing);
    if (!what.empty()) {
        m_ui->IDC_PROBING->setText(QString::fromStdString(what));
    }
    if (m_nMode == MODE_SEARCH) {
        m_ui->IDC_REMAINING->setText(QString::fromStdString(JobHost::Remaining(probing)));
    }
}

void CJobProgressDlg::Cancel() {
    if (!m_bEnding) {
        JobProgress::Cancel(m_host, *this);
    }
}

QProgressBar* CJobProgressDlg::ProgressBar() const {
    return m_ui->IDC_1005;
}

void CJobProgressDlg::StepBar() {
    QProgressBar* bar = ProgressBar();
    const int low = bar->minimum();
    const int span = bar->maximum() - low;
    int position = bar->value() + m_nStep;
    if (span > 0 && (position > bar->maximum() || position < low)) {
        position = low + (position - low) % span;
    }
    bar->setValue(position);
}

void CJobProgressDlg::FillBar() {
    ProgressBar()->setValue(ProgressBar()->maximum());
}

void CJobProgressDlg::BeginEnding() {
    m_bEnding = true;
    m_probingTimer.stop();
    m_host.Detach();
}

void CJobProgressDlg::End(int result) {
    BeginEnding();
    done(result);
}

void CJobProgressDlg::Warn(const std::string& text, const std::string& detail) {
    QWidget* parent = isVisible() ? this : parentWidget();
    MessageSink::Show(parent, QString::fromStdString(text), QString::fromStdString(detail));
}
