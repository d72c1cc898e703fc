#include "ui/win32/CWizardSheet.h"

#include <utility>

#include "res/resource.h"
#include "ui/win32/CAboutDlg.h"
#include "ui/win32/CWizardApp.h"
#include "ui/win32/CWizardPage.h"
#include "ui/win32/WinText.h"
#include "ui/wizard/WizardTexts.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;
// The property sheet's own buttons.
constexpr int kBackButton = 0x3023;
constexpr int kNextButton = 0x3024;
constexpr int kFinishButton = 0x3025;
// Sets the title again once the page change under way is complete.
constexpr UINT WM_REFRESH_TITLE = WM_APP + 1;

// The sheet being made: its callback has no other way to find it.
CWizardSheet* s_pCreating = nullptr;

}  // namespace

CWizardSheet::CWizardSheet()
    : m_hIcon(static_cast<HICON>(LoadImageW(CWizardApp::Instance().Module(),
                                            MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 0, 0,
                                            LR_DEFAULTSIZE | LR_SHARED))) {}

CWizardSheet::~CWizardSheet() = default;

void CWizardSheet::AddPage(CWizardPage& page) {
    m_pages.push_back(page.Describe());
}

INT_PTR CWizardSheet::DoModal() {
    const std::wstring caption = Widen(wizard_text::kProgramName);
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_WIZARD | PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_USEHICON;
    header.hInstance = CWizardApp::Instance().Module();
    header.hIcon = m_hIcon;
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(m_pages.size());
    header.nStartPage = 0;
    header.ppsp = m_pages.data();
    header.pfnCallback = &CWizardSheet::SheetCallback;
    s_pCreating = this;
    const INT_PTR result = PropertySheetW(&header);
    s_pCreating = nullptr;
    m_hWnd = nullptr;
    return result;
}

int CALLBACK CWizardSheet::SheetCallback(HWND window, UINT message, LPARAM lParam) {
    (void)lParam;
    if (message == PSCB_INITIALIZED && s_pCreating != nullptr) {
        s_pCreating->Attach(window);
    }
    return 0;
}

void CWizardSheet::Attach(HWND window) {
    if (m_hWnd != nullptr || window == nullptr) {
        return;
    }
    m_hWnd = window;
    SetWindowSubclass(window, &CWizardSheet::SubclassProc, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
    OnInitDialog();
}

void CWizardSheet::OnInitDialog() {
    // Each page puts its caption in the title; the version goes after whatever is there.
    m_versionSuffix = FileVersionSuffix();
    SetWindowTextW(m_hWnd, Widen(WindowText(m_hWnd)).c_str());
    if (HMENU menu = GetSystemMenu(m_hWnd, FALSE)) {
        wchar_t about[128] = L"";
        if (LoadStringW(CWizardApp::Instance().Module(), IDS_ABOUTBOX, about, 128) > 0) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(menu, MF_STRING, ID_SYS_ABOUT,
                        Widen(wizard_text::Tr(Narrow(about).c_str())).c_str());
        }
    }
    // Where the wizard speaks a language, the buttons its pages quote ("Press 'Next'") are
    // named from its catalog, so that the two agree; otherwise they stay the system's own.
    const std::pair<int, const char*> buttons[] = {{kBackButton, wizard_text::kBack},
                                                   {kNextButton, wizard_text::kNext},
                                                   {kFinishButton, wizard_text::kFinish},
                                                   {IDCANCEL, wizard_text::kCancel}};
    for (const auto& [id, text] : buttons) {
        const std::string translated = wizard_text::Tr(text);
        if (translated != text) {
            SetDlgItemTextW(m_hWnd, id, Widen(translated).c_str());
        }
    }
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
}

LRESULT CALLBACK CWizardSheet::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR data) {
    auto* self = reinterpret_cast<CWizardSheet*>(data);
    switch (message) {
        case WM_SETTEXT: {
            const std::wstring suffix = Widen(self->m_versionSuffix);
            std::wstring title = lParam != 0 ? reinterpret_cast<const wchar_t*>(lParam) : L"";
            if (!suffix.empty() &&
                (title.size() < suffix.size() ||
                 title.compare(title.size() - suffix.size(), suffix.size(), suffix) != 0)) {
                title += suffix;
                return DefSubclassProc(window, message, wParam,
                                       reinterpret_cast<LPARAM>(title.c_str()));
            }
            break;
        }
        case WM_REFRESH_TITLE:
            SetWindowTextW(window, Widen(WindowText(window)).c_str());
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == ID_SYS_ABOUT) {
                CAboutDlg about;
                about.DoModal(window);
                return 0;
            }
            break;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<LRESULT>(self->m_hIcon);
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, &CWizardSheet::SubclassProc, id);
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void CWizardSheet::RefreshTitle() {
    if (m_hWnd != nullptr) {
        PostMessageW(m_hWnd, WM_REFRESH_TITLE, 0, 0);
    }
}

std::string CWizardSheet::FileVersionSuffix() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &handle);
    if (size == 0) {
        return {};
    }
    std::string suffix;
    std::vector<unsigned char> info(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (GetFileVersionInfoW(path, 0, size, info.data()) &&
        VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) &&
        fixed != nullptr && length >= sizeof *fixed) {
        suffix = wizard_text::VersionSuffix(
            HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS),
            HIWORD(fixed->dwProductVersionLS), LOWORD(fixed->dwProductVersionLS));
    }
    return suffix;
}
