#include "ui/win32/WinText.h"

#include <vector>

#include "ui/win32/CWizardApp.h"
#include "ui/win32/WinPlacement.h"
#include "ui/wizard/WizardTexts.h"

std::wstring Widen(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const int read = GetWindowTextW(window, buffer.data(), length + 1);
    return Narrow(std::wstring(buffer.data(), static_cast<std::size_t>(read)));
}

void SetItemText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextW(dialog, id, Widen(text).c_str());
}

void TranslateTexts(HWND dialog) {
    const auto translate = [](HWND window) {
        const std::string text = WindowText(window);
        if (text.empty()) {
            return;
        }
        const std::string translated = wizard_text::Tr(text.c_str());
        if (translated != text) {
            SetWindowTextW(window, Widen(translated).c_str());
        }
    };
    translate(dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        translate(child);
    }
}

void Warn(HWND owner, const std::string& text, const std::string& detail) {
    const std::string message = detail.empty() ? text : text + "\n\n" + detail;
    WinPlacement::MessageBoxOver(owner, Widen(message).c_str(), Widen(CWizardApp::Title()).c_str(),
                                 MB_OK | MB_ICONEXCLAMATION);
}
