#pragma once
#include <QDialog>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>

#include "jobs/JobHost.h"
#include "jobs/NotifyTarget.h"
#include "ui/wizard/JobProgress.h"

class QProgressBar;

namespace Ui {
class CJobProgressDlg;
}

// Runs one instrument job under a small modal progress bar: the search (mode 1) or the
// connection (mode 2). The job's notifications arrive as posted events on the UI thread,
// go through the job host, and move the bar; the final one stores a search result, stops
// the job and ends the dialog with 1 (success) or 0 (failure). Under the bar it shows what
// the job is probing, and for the search how far it has come and a Cancel button.
class CJobProgressDlg : public QDialog, public NotifyTarget, private JobProgressView {
    Q_OBJECT
  public:
    static constexpr int MODE_SEARCH = JobProgress::MODE_SEARCH;
    static constexpr int MODE_CONNECTION = JobProgress::MODE_CONNECTION;

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

    bool event(QEvent* event) override;
    // Escape and the close box cancel a search; a connection cannot be left.
    void reject() override;

  private:
    QProgressBar* ProgressBar() const;
    // The button, Escape or the close box: the user leaves the search.
    void Cancel();
    void SetCaption(const std::string& caption) override;
    void StepBar() override;
    void FillBar() override;
    void ShowProbing() override;
    void BeginEnding() override;
    void End(int result) override;
    void Warn(const std::string& text, const std::string& detail) override;

    int m_nMode = 0;
    JobHost m_host;
    QTimer m_probingTimer;
    JobProgress m_rules;
    int m_nStep = JobProgress::kDefaultStep;
    bool m_bEnding = false;
    std::unique_ptr<Ui::CJobProgressDlg> m_ui;
};
