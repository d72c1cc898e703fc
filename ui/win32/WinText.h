#pragma once
#include <windows.h>

#include <string>

// The wizard's texts are UTF-8; Windows wants UTF-16.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);
// The text of a window or of a dialog's control.
std::string WindowText(HWND window);
void SetItemText(HWND dialog, int id, const std::string& text);
// Puts the user's language over the English texts a dialog's template gave the dialog and
// its controls: each that is one of the wizard's texts (wizard_text).
void TranslateTexts(HWND dialog);
// A warning with an OK button, captioned with the application's title; detail, when not
// empty, is a second paragraph on what happened. Returns once the user has closed it.
void Warn(HWND owner, const std::string& text, const std::string& detail = std::string());
