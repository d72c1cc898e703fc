#include <windows.h>

#include "ui/win32/CWizardApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    (void)previous;
    (void)commandLine;
    (void)show;
    CWizardApp::Instance().InitInstance(instance);
    return 0;
}
