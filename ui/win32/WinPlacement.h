#pragma once
#include <windows.h>

// Where the wizard's own windows come up: every dialog and message box over the window it
// belongs to, not in the middle of the screen, so that the eye stays where it was.
class WinPlacement {
  public:
    // Centres window on its owner (or parent), kept inside the owner's monitor's work area.
    static void CentreOnOwner(HWND window);
    // MessageBoxW, centred on owner.
    static int MessageBoxOver(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

  private:
    static LRESULT CALLBACK CentreBoxHook(int code, WPARAM wParam, LPARAM lParam);
};
