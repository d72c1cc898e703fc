#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "jobs/JobHost.h"
#include "jobs/NotifyTarget.h"
#include "ui/wizard/JobProgress.h"

// Runs one instrument job under a small modal progress bar: the search (mode 1) or the
// connection (mode 2). The job posts its notifications to the dialog's window as
// WM_SEARCH_NOTIFY and WM_PROGRAM_NOTIFY; they go through the job host and move the bar;
// the final one stores a search result, stops the job and ends the dialog with 1 (success)
// or 0 (failure). Under the bar it shows what the job is probing, and for the search how
// far it has come and a Cancel button.
class CJobProgressDlg : public NotifyTarget, private JobProgressView {
  public:
    // Without a parent the wizard owns the dialog, and is disabled while it runs.
    explicit CJobProgressDlg(HWND parent = nullptr);
    ~CJobProgressDlg() override;
    CJobProgressDlg(const CJobProgressDlg&) = delete;
    CJobProgressDlg& operator=(const CJobProgressDlg&) = delete;

    void SetMode(int mode) { m_nMode = mode; }
    INT_PTR DoModal();

    // From the job's worker thread: a window message, never waited for.
    void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void OnNotify(std::uint32_t message, WPARAM state, LPARAM code);
    void OnCancel();
    HWND ProgressBar() const { return GetDlgItem(m_hWnd, 1005); }
    void SetCaption(const std::string& caption) override;
    void StepBar() override;
    void FillBar() override;
    void ShowProbing() override;
    void BeginEnding() override;
    void End(int result) override;
    void Warn(const std::string& text, const std::string& detail) override;

    HWND m_hParent;
    HWND m_hWnd = nullptr;
    int m_nMode = 0;
    JobHost m_host;
    JobProgress m_rules;
    bool m_bEnding = false;
};
