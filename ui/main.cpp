#include <QApplication>

#include "ui/CWizardApp.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    CWizardApp::Instance().InitInstance();
    return CWizardApp::Instance().ExitCode();
}
