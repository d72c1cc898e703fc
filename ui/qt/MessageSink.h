#pragma once
#include <QString>
#include <functional>

class QWidget;

// Where the wizard's warnings go: a modal warning box with an OK button, captioned with
// the application's title. The box runs a nested event loop, so job notifications posted
// meanwhile are still delivered. Tests put a recorder in its place.
class MessageSink {
  public:
    // text is the fixed message; detail, when not empty, is one line on what happened.
    using Handler =
        std::function<void(QWidget* parent, const QString& text, const QString& detail)>;

    static void Show(QWidget* parent, const QString& text, const QString& detail = QString());
    // Replaces the handler and returns the one before; an empty handler brings back the
    // message box.
    static Handler Replace(Handler handler);
    static void ShowMessageBox(QWidget* parent, const QString& text, const QString& detail);
};
