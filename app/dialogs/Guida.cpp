#include "app/dialogs/Guida.h"

#include "app/dialogs/OpenURL.h"
#include "common/ProgramFolder.h"
#include "common/ui/Art.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

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

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(16, 14, 16, 14);
    root->setSpacing(12);

    // Header: the product picture on its white rectangle and the topic title.
    auto *header = new QHBoxLayout;
    header->setSpacing(14);
    shpSfondo = new QFrame(this);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setFixedSize(76, 76);
    shpSfondo->setStyleSheet(Style::sheet(
        QStringLiteral("#shpSfondo { background: white; border: 1px solid @FrameBlue; border-radius: 6px; }")));
    auto *logoBox = new QVBoxLayout(shpSfondo);
    logoBox->setContentsMargins(6, 6, 6, 6);
    imgLogo = new QLabel(shpSfondo);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(Art::pixmap(QStringLiteral("logo"), QSize(62, 62)));
    imgLogo->setAlignment(Qt::AlignCenter);
    logoBox->addWidget(imgLogo);
    header->addWidget(shpSfondo, 0, Qt::AlignVCenter);

    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(makeFont("Verdana", kTitlePoints, true));
    lblTitolo->setStyleSheet(QStringLiteral("#lblTitolo { color: %1; }").arg(Style::css(Style::HelpTitleColour)));
    // The title stays on one line: a long one is drawn smaller (fitTitle).
    lblTitolo->setWordWrap(false);
    lblTitolo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblTitolo->setTextInteractionFlags(Qt::NoTextInteraction);
    header->addWidget(lblTitolo, 1);
    root->addLayout(header);

    // The topic's text.
    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtGuida->setFont(makeFont("Verdana", 12, true));
    txtGuida->document()->setDocumentMargin(10);
    txtGuida->setStyleSheet(Style::sheet(QStringLiteral(
        "#txtGuida { background: white; color: @HelpTextInk; border: 1px solid @PanelBorder; border-radius: 4px; }")));
    root->addWidget(txtGuida, 1);

    // The manual link and the close command.
    auto *footer = new QHBoxLayout;
    footer->setSpacing(8);
    imgPDF = new QLabel(this);
    imgPDF->setObjectName(QStringLiteral("imgPDF"));
    imgPDF->setPixmap(Art::pixmap(QStringLiteral("pdf"), QSize(32, 32)));
    imgPDF->setCursor(Qt::PointingHandCursor);
    footer->addWidget(imgPDF);
    lnkWeb = new QLabel(QStringLiteral("Visualizza guida in formato PDF"), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    QFont linkFont = makeFont("Verdana", 14, false);
    linkFont.setUnderline(true);
    lnkWeb->setFont(linkFont);
    lnkWeb->setCursor(Qt::PointingHandCursor);
    WindowKit::setLinkColour(lnkWeb, WindowKit::LinkRestColour);
    footer->addWidget(lnkWeb);
    footer->addStretch(1);
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setFont(makeFont("Tahoma", 10, true));
    btnChiudi->setMinimumSize(120, 34);
    footer->addWidget(btnChiudi);
    root->addLayout(footer);

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
    if (layout())
        layout()->activate();
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
