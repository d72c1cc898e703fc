#pragma once
#include <QCoreApplication>
#include <QEventLoop>
#include <QList>
#include <QPair>
#include <QString>
#include <QTimer>

#include "ui/qt/MessageSink.h"

// Stands in for the message boxes while it lives: records each text and its detail. With
// a nested loop it also runs an event loop for a while, as a real message box does, so
// that job notifications arriving meanwhile are delivered inside it.
class MessageRecorder {
  public:
    explicit MessageRecorder(int nestedLoopMs = 0) {
        m_previous = MessageSink::Replace(
            [this, nestedLoopMs](QWidget*, const QString& text, const QString& detail) {
                m_messages.append({text, detail});
                if (nestedLoopMs > 0) {
                    QEventLoop loop;
                    QTimer::singleShot(nestedLoopMs, &loop, &QEventLoop::quit);
                    loop.exec();
                }
            });
    }
    ~MessageRecorder() { MessageSink::Replace(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList Texts() const {
        QStringList texts;
        for (const auto& message : m_messages) {
            texts << message.first;
        }
        return texts;
    }
    QString Detail(int index) const { return m_messages.value(index).second; }

  private:
    QList<QPair<QString, QString>> m_messages;
    MessageSink::Handler m_previous;
};
