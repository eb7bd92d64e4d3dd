#include "app/dialogs/Guida.h"

#include "app/dialogs/OpenURL.h"
#include "common/ProgramFolder.h"
#include "common/ui/Art.h"
#include "common/ui/Layout.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

TfrmGuida *frmGuida = nullptr;

namespace
{

constexpr QSize ClientSize(670, 572);
constexpr int kTitlePoints = 16;
constexpr int kSmallestTitlePixels = 10;

QFont makeFont(const char *family, int points, bool bold)
{
    return Style::font(QString::fromLatin1(family), points, bold);
}

// The viewer: the title beside the product picture, the topic's text, the
// manual link at the bottom left and "Chiudi" at the bottom right.
Layout::Table viewerTable()
{
    using namespace Layout;
    Table t;
    t.name = QStringLiteral("help viewer");
    t.client = ClientSize;
    t.items = {
        { .name = "shpSfondo", .x = 16, .y = 14, .w = 76, .h = 76 },
        { .name = "imgLogo", .in = "shpSfondo", .x = 6, .y = 6, .w = 64, .h = 64 },
        { .name = "lblTitolo",
            .x = 106,
            .y = 14,
            .w = 548,
            .h = 76,
            .font = { "Verdana", kTitlePoints, true },
            .colour = Style::HelpTitleColour,
            .align = Qt::AlignLeft | Qt::AlignVCenter },
        { .name = "txtGuida", .x = 16, .y = 102, .w = 638, .h = 410, .font = { "Verdana", 12, true } },
        { .name = "imgPDF", .x = 16, .y = 525, .w = 32, .h = 32 },
        { .name = "lnkWeb",
            .x = 56,
            .y = 524,
            .w = 380,
            .h = 34,
            .font = { "Verdana", 14 },
            .align = Qt::AlignLeft | Qt::AlignVCenter },
        { .name = "btnChiudi", .x = 534, .y = 524, .w = 120, .h = 34, .font = { "Tahoma", 10, true } },
    };
    t.tabOrder = { "txtGuida", "btnChiudi" };
    return t;
}

} // namespace

void paintProductLogo(QPainter &p, const QRectF &target)
{
    Art::paint(p, QStringLiteral("logo"), target);
}

TfrmGuida::TfrmGuida(QWidget *owner)
    : WindowKit::FixedDialog(owner, QStringLiteral(" Guida all'utilizzo del software"))
{
    setObjectName(QLatin1String(WindowNames::frmGuida));
    setStyleSheet(Style::sheet(QStringLiteral("TfrmGuida { background: @WindowBackground; }")));

    // The product picture on its white rectangle beside the topic title.
    shpSfondo = new QFrame(this);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setStyleSheet(Style::sheet(
        QStringLiteral("#shpSfondo { background: white; border: 1px solid @FrameBlue; border-radius: 6px; }")));
    imgLogo = new QLabel(shpSfondo);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(Art::pixmap(QStringLiteral("logo"), QSize(62, 62)));
    imgLogo->setAlignment(Qt::AlignCenter);

    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    // The title stays on one line: a long one is drawn smaller (fitTitle).
    lblTitolo->setWordWrap(false);
    lblTitolo->setTextInteractionFlags(Qt::NoTextInteraction);

    // The topic's text.
    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtGuida->document()->setDocumentMargin(10);
    txtGuida->setStyleSheet(Style::sheet(QStringLiteral(
        "#txtGuida { background: white; color: @HelpTextInk; border: 1px solid @PanelBorder; border-radius: 4px; }")));

    // The manual link and the close command.
    imgPDF = new QLabel(this);
    imgPDF->setObjectName(QStringLiteral("imgPDF"));
    imgPDF->setPixmap(Art::pixmap(QStringLiteral("pdf"), QSize(32, 32)));
    imgPDF->setCursor(Qt::PointingHandCursor);
    lnkWeb = new QLabel(QStringLiteral("Visualizza guida in formato PDF"), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->setCursor(Qt::PointingHandCursor);
    WindowKit::setLinkColour(lnkWeb, WindowKit::LinkRestColour);
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));

    Layout::apply(this, viewerTable());
    QFont linkFont = lnkWeb->font();
    linkFont.setUnderline(true);
    lnkWeb->setFont(linkFont);

    WindowKit::linkPressColour(lnkWeb, { imgPDF });
    WindowKit::onClick(lnkWeb, [this] { lnkWebClick(); });
    WindowKit::onClick(imgPDF, [this] { lnkWebClick(); });
    WindowKit::closeOnClick(btnChiudi, this);

    finishLayout(ClientSize);
    WindowKit::centreOn(this, nullptr); // the help viewer is centred on the screen
    btnChiudi->setFocus(Qt::OtherFocusReason);
}

QString TfrmGuida::manualTarget()
{
    return QLatin1Char('"') + programFile(QStringLiteral("Guida.pdf")) + QLatin1Char('"');
}

void TfrmGuida::fitTitle()
{
    const int room = lblTitolo->contentsRect().width();
    QFont font = makeFont("Verdana", kTitlePoints, true);
    for (int pixels = font.pixelSize(); pixels > kSmallestTitlePixels; --pixels) {
        if (QFontMetrics(font).horizontalAdvance(lblTitolo->text()) <= room)
            break;
        font.setPixelSize(pixels - 1);
    }
    lblTitolo->setFont(font);
}

void TfrmGuida::showEvent(QShowEvent *event)
{
    fitTitle();
    WindowKit::FixedDialog::showEvent(event);
}

void TfrmGuida::setText(const QString &text)
{
    m_text = text;
    txtGuida->setPlainText(text);
}

void TfrmGuida::lnkWebClick()
{
    WindowKit::setLinkColour(lnkWeb, WindowKit::LinkRestColour);
    TMisc::Open(manualTarget());
}

void ShowHelp(QWidget *owner, const QString &title, const QStringList &paragraphs)
{
    WindowKit::openModalDialog<TfrmGuida>(owner, [&](TfrmGuida &viewer) {
        viewer.lblTitolo->setText(title);
        viewer.setText(HelpText::join(paragraphs));
    });
}

void ShowHelp(QWidget *owner, HelpTopic topic)
{
    ShowHelp(owner, HelpText::title(topic), HelpText::paragraphs(topic));
}
