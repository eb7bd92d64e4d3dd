#pragma once

#include "app/core/HelpText.h"
#include "common/ui/WindowKit.h"

#include <QString>
#include <QStringList>

class QFrame;
class QPainter;
class QRectF;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The help viewer: a topic title, the topic's text (read-only) and a link that
// opens the full manual Guida.pdf of the program folder. It knows nothing of
// the topics: the help command of each window fills it (see ShowHelp below).
class TfrmGuida : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *owner = nullptr);

    // What the manual link hands to the shell-open routine: the full path of
    // Guida.pdf in the program folder, in double quotes.
    static QString manualTarget();

    // The text given to txtGuida, exactly as built (paragraphs joined by CR LF CR LF).
    QString text() const { return m_text; }
    void setText(const QString &text);
    // Keeps the topic title on one line: the title font shrinks until the
    // title fits the room beside the picture (run whenever the viewer is shown).
    void fitTitle();

    QFrame *shpSfondo;
    QLabel *imgLogo;
    QLabel *lblTitolo;
    QPlainTextEdit *txtGuida;
    QLabel *imgPDF;
    QLabel *lnkWeb;
    QPushButton *btnChiudi;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lnkWebClick();

    QString m_text;
};

// The start-up instance of the window set (never shown; every help command
// makes a fresh viewer).
extern TfrmGuida *frmGuida;

// The help command of every window: a fresh viewer owned by `owner` gets the
// title and the paragraphs joined by CR LF CR LF, is shown modally and is
// destroyed when it closes. Nothing is read back.
void ShowHelp(QWidget *owner, HelpTopic topic);
void ShowHelp(QWidget *owner, const QString &title, const QStringList &paragraphs);

// The product picture of the viewer (a white paw on a blue disc), drawn into
// `target`; the manual's title page uses it too.
void paintProductLogo(QPainter &painter, const QRectF &target);
