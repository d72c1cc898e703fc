#pragma once
#include <windows.h>

// The About box: the icon, the program's name and version, and OK.
class CAboutDlg {
  public:
    INT_PTR DoModal(HWND owner);

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
