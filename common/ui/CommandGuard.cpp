#include "common/ui/CommandGuard.h"

#include "common/ArchiveFile.h"

#include <exception>

CommandGuard::CommandGuard(MessageBoxes::Kind kind, const QString &message)
    : m_fixed(true)
    , m_kind(kind)
    , m_message(message)
{
}

void CommandGuard::show(const QString &ownText, QWidget *parent) const
{
    if (!m_fixed) {
        MessageBoxes::error(ownText, parent);
        return;
    }
    switch (m_kind) {
    case MessageBoxes::Kind::Warning:
        MessageBoxes::warning(m_message, parent);
        break;
    case MessageBoxes::Kind::Information:
        MessageBoxes::information(m_message, parent);
        break;
    case MessageBoxes::Kind::Error:
        MessageBoxes::error(m_message, parent);
        break;
    case MessageBoxes::Kind::Confirmation:
        MessageBoxes::confirmation(m_message, parent);
        break;
    case MessageBoxes::Kind::Plain:
        MessageBoxes::plain(m_message, parent);
        break;
    }
}

bool CommandGuard::run(const std::function<void()> &command, QWidget *parent) const
{
    QString text;
    try {
        command();
        return true;
    } catch (const ArchiveAccessError &) {
        text = kArchiveAccessMessage;
    } catch (const std::exception &e) {
        text = QString::fromLocal8Bit(e.what());
    } catch (...) {
        text = QStringLiteral("Attenzione: si \u00E8 verificato un errore imprevisto.");
    }
    // The box is shown outside the handler: a failure while it is up (or in
    // the test seam) cannot meet a half-unwound exception.
    show(text, parent);
    return false;
}

bool RunGuarded(const std::function<void()> &command, QWidget *parent)
{
    return CommandGuard().run(command, parent);
}
