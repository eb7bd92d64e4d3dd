#pragma once

#include "app/core/Checks.h"
#include "common/ui/EditKit.h"
#include "common/ui/WindowKit.h"

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The common shape of the four identifier checkers: an instruction, one edit,
// "Controlla" and "Chiudi". Controlla shows the verdict of the edit's text in
// a message box; a length or empty-text warning keeps the dialog open with
// the focus in the edit, a verdict closes it. Nothing is written back to the
// window that opened the checker.
class CheckerDialog : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    using Verdict = std::function<CheckerVerdict(const QString &editText)>;

    QLabel *lblTitolo = nullptr;
    QPushButton *btnControlla = nullptr;
    QPushButton *btnChiudi = nullptr;

    // The checker's one edit.
    QLineEdit *input() const { return m_input; }

protected:
    CheckerDialog(QWidget *owner, const QString &caption, const QString &instruction, const EditKit::EditRow &inputRow,
        Verdict verdict);

private:
    void btnControllaClick();

    QLineEdit *m_input = nullptr;
    Verdict m_verdict;
};
