#include "common/ui/ControlText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace ControlText
{

QString text(const QWidget *control)
{
    if (auto edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (auto combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto plain = qobject_cast<const QPlainTextEdit *>(control))
        return plain->toPlainText();
    if (auto rich = qobject_cast<const QTextEdit *>(control))
        return rich->toPlainText();
    return QString();
}

QString named(const QWidget *window, const QString &name)
{
    return window ? text(window->findChild<QWidget *>(name)) : QString();
}

void setText(QWidget *control, const QString &text)
{
    // A text set here is shown from its first character: a long loaded text
    // shows its start, as the user reads it, not its end.
    if (auto edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    } else if (auto combo = qobject_cast<QComboBox *>(control)) {
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
        combo->setEditText(text);
        if (QLineEdit *line = combo->lineEdit())
            line->setCursorPosition(0);
    } else if (auto label = qobject_cast<QLabel *>(control)) {
        label->setText(text);
    } else if (auto plain = qobject_cast<QPlainTextEdit *>(control)) {
        plain->setPlainText(text);
    } else if (auto rich = qobject_cast<QTextEdit *>(control)) {
        rich->setPlainText(text);
    }
}

void setNamed(QWidget *window, const QString &name, const QString &text)
{
    if (window)
        setText(window->findChild<QWidget *>(name), text);
}

} // namespace ControlText
