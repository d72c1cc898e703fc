#include <windows.h>

#include "platform/os/UserLanguage.h"
#include "translations/Catalog.h"
#include "ui/win32/CWizardApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    (void)previous;
    (void)commandLine;
    (void)show;
    Catalog::Use(UserLanguage::Current());
    CWizardApp::Instance().InitInstance(instance);
    return 0;
}
