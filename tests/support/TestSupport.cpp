#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace TestSupport
{

MessageRecorder::MessageRecorder()
{
    MessageBoxes::setHandler([this](MessageBoxes::Kind kind, const QString &text) {
        m_messages.append({ kind, text });
        if (m_onMessage)
            m_onMessage(kind, text);
        if (kind == MessageBoxes::Kind::Confirmation && !m_answers.isEmpty())
            return m_answers.takeFirst();
        return true;
    });
}

MessageRecorder::~MessageRecorder()
{
    MessageBoxes::setHandler(nullptr);
}

void onNextModal(std::function<void(QWidget *)> action, int timeoutMs)
{
    auto deadline = std::make_shared<QDeadlineTimer>(timeoutMs);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, deadline, poll]() {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            action(modal);
            *poll = nullptr;
            return;
        }
        if (deadline->hasExpired()) {
            // Close whatever blocks so the test cannot hang, then report.
            qWarning("onNextModal: no modal window appeared");
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(10, [poll]() {
            if (*poll)
                (*poll)();
        });
    };
    QTimer::singleShot(0, [poll]() {
        if (*poll)
            (*poll)();
    });
}

void press(QWidget &window, const char *command)
{
    auto *button = window.findChild<QAbstractButton *>(QString::fromLatin1(command));
    QVERIFY2(button, command);
    QVERIFY2(button->isEnabled(), command);
    button->click();
}

} // namespace TestSupport
