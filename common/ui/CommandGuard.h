#pragma once

#include "common/ui/MessageBoxes.h"

#include <QString>

#include <functional>

class QWidget;

// Runs a command so that no failure escapes it; the program goes on.
//
// The standard guard reports a failure in an error box: an archive failure
// with the archive access message, any other failure with its own text.
// A guard with a fixed message shows that one message, in a box of the given
// kind, whatever the failure was (the print windows' "la stampa della scheda
// non è andata a buon fine" warning, the rich-text export's plain message).
// Either way exactly one box is shown per failed command and none when the
// command completes.
class CommandGuard
{
public:
    // The standard guard.
    CommandGuard() = default;
    // A guard with one fixed message. A confirmation kind shows Yes and No and
    // its answer is not read.
    CommandGuard(MessageBoxes::Kind kind, const QString &message);

    bool hasFixedMessage() const { return m_fixed; }
    MessageBoxes::Kind kind() const { return m_kind; }
    QString message() const { return m_message; }

    // Runs `command`; true when it completed, false when it failed and the
    // failure was reported.
    bool run(const std::function<void()> &command, QWidget *parent = nullptr) const;

private:
    void show(const QString &ownText, QWidget *parent) const;

    bool m_fixed = false;
    MessageBoxes::Kind m_kind = MessageBoxes::Kind::Error;
    QString m_message;
};

// The standard guard: CommandGuard().run(command, parent).
bool RunGuarded(const std::function<void()> &command, QWidget *parent = nullptr);
