#include "ui/qt/MessageSink.h"

#include <QMessageBox>

#include "ui/qt/CWizardApp.h"
#include "ui/qt/CWizardSheet.h"

namespace {
MessageSink::Handler& CurrentHandler() {
    static MessageSink::Handler handler;
    return handler;
}
}  // namespace

void MessageSink::Show(QWidget* parent, const QString& text, const QString& detail) {
    // A copy: the handler may replace itself while it runs.
    const Handler handler = CurrentHandler();
    if (handler) {
        handler(parent, text, detail);
    } else {
        ShowMessageBox(parent, text, detail);
    }
}

MessageSink::Handler MessageSink::Replace(Handler handler) {
    Handler previous = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return previous;
}

void MessageSink::ShowMessageBox(QWidget* parent, const QString& text, const QString& detail) {
    QMessageBox box(QMessageBox::Warning, CWizardApp::Title(), text, QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    box.exec();
    CWizardSheet::TakeFocusBack(parent);
}
