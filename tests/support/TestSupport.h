#pragma once

#include "common/ui/MessageBoxes.h"
#include "tests/support/CoreSupport.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>

#include <functional>

class QWidget;

namespace TestSupport
{

// Replaces the message boxes while alive: records every box and answers
// confirmations from a queue (Yes when the queue is empty).
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void answerNext(bool yes) { m_answers.append(yes); }
    // Called for every box, after it was recorded (to act while the "box" is up).
    void onMessage(std::function<void(MessageBoxes::Kind, const QString &)> f) { m_onMessage = std::move(f); }

    int count() const { return int(m_messages.size()); }
    MessageBoxes::Kind kind(int i) const { return m_messages.at(i).first; }
    QString text(int i) const { return m_messages.at(i).second; }
    QString lastText() const { return m_messages.isEmpty() ? QString() : m_messages.last().second; }
    MessageBoxes::Kind lastKind() const { return m_messages.last().first; }
    void clear() { m_messages.clear(); }

private:
    QList<QPair<MessageBoxes::Kind, QString>> m_messages;
    QList<bool> m_answers;
    std::function<void(MessageBoxes::Kind, const QString &)> m_onMessage;
};

// Runs `action` on the next modal widget that appears (polling the event loop),
// so a test can drive a dialog opened with exec(). If no modal widget shows up
// within timeoutMs the test fails instead of hanging.
void onNextModal(std::function<void(QWidget *modal)> action, int timeoutMs = 5000);

// Clicks the enabled button named `command` of `window` (a failed check when
// it is missing or disabled).
void press(QWidget &window, const char *command);

} // namespace TestSupport
