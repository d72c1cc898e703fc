#pragma once
#include <QDialog>
#include <QString>
#include <cstdint>
#include <memory>

#include "platform/Event.h"
#include "platform/NotifyTarget.h"
#include "platform/NotifyWindow.h"

class CThread;
class CSearchThread;
class CProgramThread;
class QProgressBar;

namespace Ui {
class CJobProgressDlg;
}

// Runs one instrument job under a small modal progress bar: the search (mode 1) or the
// connection (mode 2). The job's notifications arrive as posted events on the UI thread
// and move the bar; the final one stores a search result, stops the job and ends the
// dialog with 1 (success) or 0 (failure).
class CJobProgressDlg : public QDialog, public platform::NotifyTarget {
    Q_OBJECT
  public:
    enum Mode : int { MODE_SEARCH = 1, MODE_CONNECTION = 2 };
    static constexpr std::uint32_t kStopWaitMs = 1000;
    static constexpr int kSearchStep = 5;
    static constexpr int kDefaultStep = 10;

    explicit CJobProgressDlg(QWidget* parent = nullptr);
    ~CJobProgressDlg() override;

    void SetMode(int mode) { m_nMode = mode; }
    // Starts the job and shows the dialog until the job has ended: 1 success, 0 failure.
    int DoModal();

    // From the job's worker thread: queues the notification for the UI thread.
    void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;

    // The handlers of the two jobs' notifications (state, code).
    void OnSearchNotify(std::uintptr_t state, std::intptr_t code);
    void OnProgramNotify(std::uintptr_t state, std::intptr_t code);

  protected:
    // Makes and starts the job of the mode; false when it could not be started.
    bool OnInitDialog();
    // Where the jobs come from; null when one cannot be made.
    virtual CSearchThread* NewSearchThread();
    virtual CProgramThread* NewProgramThread();

    bool event(QEvent* event) override;
    // The user cannot end the dialog while the job runs: no Escape, no close.
    void reject() override;

  private:
    using EventPtr = std::shared_ptr<platform::Event>;

    QProgressBar* ProgressBar() const;
    void StepIt();
    void FillBar();
    // Asks the job to stop and waits for it; false, with the user told, when it did not.
    bool StopJob(const EventPtr& stop, const EventPtr& stopped, const char* failureText);
    void StopSearchJob();
    void StopProgramJob();
    // From now on the dialog is ending: later notifications are not handled.
    void BeginEnding();
    void EndDialog(int result);
    void Warn(const char* text, const QString& detail);
    QString SearchFailureDetail() const;
    QString ConnectionFailureDetail() const;

    int m_nMode = 0;
    CSearchThread* m_pSearchThread = nullptr;
    // The events are shared with the job, so that they outlive both: a job that does not
    // stop in time may still use them after the dialog has gone.
    EventPtr m_evSearchStopped;
    EventPtr m_evSearchStop;
    CProgramThread* m_pProgramThread = nullptr;
    EventPtr m_evProgramStopped;
    EventPtr m_evProgramStop;

    std::shared_ptr<platform::NotifyWindow> m_hNotifyWnd;
    int m_nStep = kDefaultStep;
    bool m_bEnding = false;
    std::unique_ptr<Ui::CJobProgressDlg> m_ui;
};
