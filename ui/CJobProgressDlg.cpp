#include "ui/CJobProgressDlg.h"

#include <QCoreApplication>
#include <QEvent>
#include <QProgressBar>
#include <new>

#include "jobs/CProgramThread.h"
#include "jobs/CSearchThread.h"
#include "jobs/JobMessages.h"
#include "serial/PortDiagnosis.h"
#include "serial/PortMap.h"
#include "ui/CWizardApp.h"
#include "ui/CWizardSheet.h"
#include "ui/MessageSink.h"
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

// "No prompt at ..." reads better in a box as "No prompt at ...".
QString Sentence(const std::string& text) {
    QString line = QString::fromStdString(text);
    if (!line.isEmpty()) {
        line[0] = line[0].toUpper();
    }
    return line;
}

}  // namespace

CJobProgressDlg::CJobProgressDlg(QWidget* parent)
    // Without a parent the wizard owns the dialog, and is disabled while it runs.
    : QDialog(parent != nullptr ? parent : CWizardApp::Instance().Sheet()),
      m_evSearchStopped(std::make_shared<platform::Event>()),
      m_evSearchStop(std::make_shared<platform::Event>()),
      m_evProgramStopped(std::make_shared<platform::Event>()),
      m_evProgramStop(std::make_shared<platform::Event>()),
      m_hNotifyWnd(platform::NotifyWindow::Create(this)),
      m_ui(new Ui::CJobProgressDlg) {
    m_ui->setupUi(this);
    // A title bar without a close box: the job, not the user, ends the dialog.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
}

CJobProgressDlg::~CJobProgressDlg() {
    // Once detached no job can reach this object; notifications already queued for it go
    // with it.
    m_hNotifyWnd->Detach();
}

int CJobProgressDlg::DoModal() {
    if (!OnInitDialog()) {
        return result();
    }
    return exec();
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
    // Escape and the window manager's close would leave the job running unseen.
    if (m_pSearchThread == nullptr && m_pProgramThread == nullptr) {
        QDialog::reject();
    }
}

CSearchThread* CJobProgressDlg::NewSearchThread() {
    return new (std::nothrow) CSearchThread();
}

CProgramThread* CJobProgressDlg::NewProgramThread() {
    return new (std::nothrow) CProgramThread(CWizardApp::Instance().Settings());
}

bool CJobProgressDlg::OnInitDialog() {
    if (m_nMode == MODE_SEARCH) {
        m_nStep = kSearchStep;
        if (m_pSearchThread == nullptr) {
            m_pSearchThread = NewSearchThread();
        }
        if (m_pSearchThread == nullptr ||
            !m_pSearchThread->Create("search", m_hNotifyWnd, m_evSearchStop, m_evSearchStopped)) {
            // No thread took the object over: it is still ours to delete.
            delete m_pSearchThread;
            m_pSearchThread = nullptr;
            BeginEnding();
            Warn("Error creating search thread!", QString());
            EndDialog(0);
            return false;
        }
    } else if (m_nMode == MODE_CONNECTION) {
        if (m_pProgramThread == nullptr) {
            m_pProgramThread = NewProgramThread();
        }
        if (m_pProgramThread == nullptr ||
            !m_pProgramThread->Create("program", m_hNotifyWnd, m_evProgramStop,
                                      m_evProgramStopped)) {
            delete m_pProgramThread;
            m_pProgramThread = nullptr;
            BeginEnding();
            Warn("Error creating program thread!", QString());
            EndDialog(0);
            return false;
        }
    }
    return true;
}

void CJobProgressDlg::OnSearchNotify(std::uintptr_t state, std::intptr_t code) {
    if (m_bEnding) {
        return;
    }
    switch (state) {
        case SR_INIT:
            if (code == NOTIFY_BEGIN) {
                setWindowTitle(QStringLiteral("Searching..."));
            }
            StepIt();
            break;

        case SR_FOUND:
            if (code != NOTIFY_END) {
                break;
            }
            BeginEnding();
            FillBar();
            if (m_pSearchThread != nullptr) {
                // Read before the job is told to stop: from then on it may be gone.
                std::int32_t port = 0;
                std::int32_t baud = 0;
                if (m_pSearchThread->GetResult(&port, &baud)) {
                    RunSettings& settings = CWizardApp::Instance().Settings();
                    settings.m_strPortName = PortMap::PortName(port);
                    settings.m_nBaudRate = baud;
                    CWizardApp::Instance().Found() = {settings.m_strPortName, baud,
                                                      m_pSearchThread->GetBanner()};
                }
                m_pSearchThread->StopRunning();
            }
            StopSearchJob();
            EndDialog(1);
            break;

        case SR_ERROR:
            BeginEnding();
            Warn("No Brinevane ADCPs were detected!", SearchFailureDetail());
            StopSearchJob();
            EndDialog(0);
            break;

        default:
            StepIt();
            break;
    }
}

void CJobProgressDlg::OnProgramNotify(std::uintptr_t state, std::intptr_t code) {
    if (m_bEnding) {
        return;
    }
    switch (state) {
        case PR_INIT:
            if (code == NOTIFY_BEGIN) {
                setWindowTitle(QStringLiteral("Programming..."));
            }
            StepIt();
            break;

        case PR_ERROR:
            // A failing job reports twice; the failure is handled once.
            BeginEnding();
            Warn("Error during programming!", ConnectionFailureDetail());
            StopProgramJob();
            EndDialog(0);
            break;

        case PR_DONE:
            if (code != NOTIFY_END) {
                break;
            }
            BeginEnding();
            FillBar();
            if (m_pProgramThread != nullptr) {
                m_pProgramThread->StopRunning();
            }
            StopProgramJob();
            EndDialog(1);
            break;

        default:
            StepIt();
            break;
    }
}

QProgressBar* CJobProgressDlg::ProgressBar() const {
    return m_ui->IDC_1005;
}

void CJobProgressDlg::StepIt() {
    // Past the end the bar starts over, so a long search keeps it moving.
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

bool CJobProgressDlg::StopJob(const EventPtr& stop, const EventPtr& stopped,
                              const char* failureText) {
    stop->Set();
    if (stopped->Wait(kStopWaitMs) == platform::WaitResult::Signaled) {
        stop->Reset();
        stopped->Reset();
        return true;
    }
    Warn(failureText, QString());
    return false;
}

void CJobProgressDlg::StopSearchJob() {
    if (m_pSearchThread != nullptr &&
        StopJob(m_evSearchStop, m_evSearchStopped, "Could not stop search thread!")) {
        m_pSearchThread = nullptr;
    }
}

void CJobProgressDlg::StopProgramJob() {
    if (m_pProgramThread != nullptr &&
        StopJob(m_evProgramStop, m_evProgramStopped, "Could not stop program thread!")) {
        m_pProgramThread = nullptr;
    }
}

void CJobProgressDlg::BeginEnding() {
    m_bEnding = true;
    m_hNotifyWnd->Detach();
}

void CJobProgressDlg::EndDialog(int result) {
    BeginEnding();
    done(result);
}

void CJobProgressDlg::Warn(const char* text, const QString& detail) {
    QWidget* parent = isVisible() ? this : parentWidget();
    MessageSink::Show(parent, QString::fromUtf8(text), detail);
}

QString CJobProgressDlg::SearchFailureDetail() const {
    return Sentence(PortDiagnosis::ExplainSearchFailure());
}

QString CJobProgressDlg::ConnectionFailureDetail() const {
    if (m_pProgramThread == nullptr) {
        return QString();
    }
    // Read before the job is told to stop, like a search result.
    const ConnectionFailure failure = m_pProgramThread->GetFailure();
    if (failure.portName.empty()) {
        return QStringLiteral("No serial port was chosen.");
    }
    return Sentence(failure.Explain());
}
