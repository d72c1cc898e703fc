#include "ui/win32/CJobProgressDlg.h"

#include <commctrl.h>

#include "jobs/JobMessages.h"
#include "res/resource.h"
#include "ui/win32/CWizardApp.h"
#include "ui/win32/CWizardSheet.h"
#include "ui/win32/WinPlacement.h"
#include "ui/win32/WinText.h"

namespace {
constexpr UINT_PTR kProbingTimer = 1;
}  // namespace

CJobProgressDlg::CJobProgressDlg(HWND parent)
    : m_hParent(parent != nullptr                ? parent
                : CWizardApp::Instance().Sheet() ? CWizardApp::Instance().Sheet()->Hwnd()
                                                 : nullptr),
      m_host(*this),
      m_rules(CWizardApp::Instance().Run()) {}

CJobProgressDlg::~CJobProgressDlg() {
    // Once detached no job can reach this object.
    m_host.Detach();
}

INT_PTR CJobProgressDlg::DoModal() {
    return DialogBoxParamW(CWizardApp::Instance().Module(), MAKEINTRESOURCEW(IDD_JOB_PROGRESS),
                           m_hParent, &CJobProgressDlg::DialogProc, reinterpret_cast<LPARAM>(this));
}

void CJobProgressDlg::Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    PostMessageW(m_hWnd, message, wParam, lParam);
}

INT_PTR CALLBACK CJobProgressDlg::DialogProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CJobProgressDlg*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->m_hWnd = window;
        WinPlacement::CentreOnOwner(window);
        TranslateTexts(window);
        self->OnInitDialog();
        return TRUE;
    }
    auto* self = reinterpret_cast<CJobProgressDlg*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    switch (message) {
        case WM_SEARCH_NOTIFY:
        case WM_PROGRAM_NOTIFY:
            self->OnNotify(message, wParam, lParam);
            return TRUE;
        case WM_TIMER:
            if (wParam == kProbingTimer) {
                self->ShowProbing();
                return TRUE;
            }
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) {  // the button, or Escape
                self->OnCancel();
                return TRUE;
            }
            return LOWORD(wParam) == IDOK;  // Enter does not end a job
        default:
            return FALSE;
    }
}

void CJobProgressDlg::OnInitDialog() {
    SendMessageW(ProgressBar(), PBM_SETSTEP, static_cast<WPARAM>(JobProgress::Step(m_nMode)), 0);
    if (JobProgress::CanCancel(m_nMode)) {
        ShowWindow(GetDlgItem(m_hWnd, IDCANCEL), SW_SHOW);
    }
    if (!m_rules.Start(m_nMode, m_host, *this)) {
        return;
    }
    SetTimer(m_hWnd, kProbingTimer, JobProgress::kProbingRefreshMs, nullptr);
}

void CJobProgressDlg::OnNotify(std::uint32_t message, WPARAM state, LPARAM code) {
    if (!m_bEnding) {
        m_rules.Apply(m_nMode, m_host,
                      m_host.Handle(message, static_cast<std::intptr_t>(state), code), *this);
    }
}

void CJobProgressDlg::OnCancel() {
    if (!m_host.HasJob()) {
        End(0);
    } else if (JobProgress::CanCancel(m_nMode) && !m_bEnding) {
        JobProgress::Cancel(m_host, *this);
    }
}

void CJobProgressDlg::SetCaption(const std::string& caption) {
    SetWindowTextW(m_hWnd, Widen(caption).c_str());
    // The bar is named after what it measures, the job the caption names.
    SetItemText(m_hWnd, IDC_PROGRESS_NAME, caption);
}

void CJobProgressDlg::StepBar() {
    SendMessageW(ProgressBar(), PBM_STEPIT, 0, 0);
}

void CJobProgressDlg::ShowProbing() {
    const CThread::Probing probing = m_host.GetProbing();
    const std::string what = JobHost::Describe(probing);
    if (!what.empty()) {
        SetItemText(m_hWnd, IDC_PROBING, what);
    }
    if (m_nMode == JobProgress::MODE_SEARCH) {
        SetItemText(m_hWnd, IDC_REMAINING, JobHost::Remaining(probing));
    }
}

void CJobProgressDlg::FillBar() {
    PBRANGE range{};
    SendMessageW(ProgressBar(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    SendMessageW(ProgressBar(), PBM_SETPOS, static_cast<WPARAM>(range.iHigh), 0);
}

void CJobProgressDlg::BeginEnding() {
    m_bEnding = true;
    KillTimer(m_hWnd, kProbingTimer);
    m_host.Detach();
}

void CJobProgressDlg::End(int result) {
    BeginEnding();
    ::EndDialog(m_hWnd, result);
}

void CJobProgressDlg::Warn(const std::string& text, const std::string& detail) {
    ::Warn(IsWindowVisible(m_hWnd) ? m_hWnd : m_hParent, text, detail);
}
