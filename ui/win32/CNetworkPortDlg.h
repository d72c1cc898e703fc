#pragma once
#include <windows.h>

#include <string>

// Asks for the address of a serial device server's port.
class CNetworkPortDlg {
  public:
    // True when the user gave an address with OK; the field starts with offered, the caret
    // after it, so that what is typed adds to it.
    bool DoModal(HWND owner, const std::string& offered);
    const std::string& Address() const { return m_address; }

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::string m_offered;
    std::string m_address;
};
