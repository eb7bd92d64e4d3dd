#include "common/ui/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QWindow>

#include "common/ui/WindowKit.h"

namespace MessageBoxes
{

namespace
{
Handler &handler()
{
    static Handler h;
    return h;
}

QString title(Kind kind)
{
    switch (kind) {
    case Kind::Warning:
        return QStringLiteral("Avviso");
    case Kind::Information:
        return QStringLiteral("Informazione");
    case Kind::Error:
        return QStringLiteral("Errore");
    case Kind::Confirmation:
        return QStringLiteral("Conferma");
    case Kind::Plain:
        break;
    }
    return QString();
}

bool show(Kind kind, const QString &text, QWidget *parent)
{
    if (handler())
        return handler()(kind, text);
    if (!parent)
        parent = QApplication::activeWindow();
    // A window in which no control has the focus keeps it so: the activation
    // that follows the box (at once, or later from the window manager) gives
    // a window its focus widget back, and one without any its first field.
    if (QWidget *owner = parent ? parent->window() : nullptr; owner && !owner->focusWidget())
        owner->setFocus(Qt::OtherFocusReason);
    QMessageBox box(parent);
    WindowKit::prepareFixedWindow(&box);
    box.setWindowTitle(title(kind));
    box.setText(displayText(text));
    box.setTextFormat(Qt::PlainText);
    switch (kind) {
    case Kind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Kind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Kind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Kind::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    case Kind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (kind == Kind::Confirmation) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("S\u00EC"));
        box.button(QMessageBox::No)->setText(QStringLiteral("No"));
        box.setDefaultButton(QMessageBox::Yes);
    } else if (kind == Kind::Plain) {
        box.setStandardButtons(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
        box.setDefaultButton(QMessageBox::Ok);
    }
    if (kind == Kind::Plain) {
        // An empty caption: the window system would show the program's name
        // in place of an empty title, so the native title is a blank.
        box.winId();
        if (QWindow *window = box.windowHandle())
            window->setTitle(QStringLiteral(" "));
    }
    const int answer = box.exec();
    return kind != Kind::Confirmation || answer != QMessageBox::No;
}
} // namespace

void warning(const QString &text, QWidget *parent)
{
    show(Kind::Warning, text, parent);
}
void information(const QString &text, QWidget *parent)
{
    show(Kind::Information, text, parent);
}
void error(const QString &text, QWidget *parent)
{
    show(Kind::Error, text, parent);
}
bool confirmation(const QString &text, QWidget *parent)
{
    return show(Kind::Confirmation, text, parent);
}
void plain(const QString &text, QWidget *parent)
{
    show(Kind::Plain, text, parent);
}

void setHandler(Handler h)
{
    handler() = std::move(h);
}

QString displayText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if ((c == QLatin1Char('\r') || c == QLatin1Char('\n')) && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if ((next == QLatin1Char('\r') || next == QLatin1Char('\n')) && next != c) {
                out += QLatin1Char('\n');
                ++i;
                continue;
            }
        }
        out += c == QLatin1Char('\r') ? QLatin1Char('\n') : c;
    }
    return out;
}

} // namespace MessageBoxes
