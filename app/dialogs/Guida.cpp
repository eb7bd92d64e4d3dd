#include "app/dialogs/Guida.h"

#include "app/dialogs/OpenURL.h"
#include "common/ProgramFolder.h"

#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

TfrmGuida *frmGuida = nullptr;

namespace
{

constexpr QSize ClientSize(670, 572);

QFont makeFont(const char *family, int pointSize, bool bold)
{
    QFont font(QString::fromLatin1(family), pointSize);
    font.setBold(bold);
    return font;
}

// A transparent square of `side` pixels drawn at double resolution, so that
// the pictures are sharp on any screen.
QPixmap sharpCanvas(int side)
{
    const qreal ratio = 2.0;
    QPixmap pixmap(int(side * ratio), int(side * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The product picture at `side` pixels, drawn at double resolution so that it is sharp on any screen.
QPixmap logoPicture(int side)
{
    QPixmap pixmap = sharpCanvas(side);
    QPainter p(&pixmap);
    paintProductLogo(p, QRectF(0, 0, side, side));
    return pixmap;
}

// The picture beside the manual link: a page with a folded corner and a red "PDF" band.
QPixmap pdfPicture(int side)
{
    QPixmap pixmap = sharpCanvas(side);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    QPainterPath page;
    page.moveTo(6, 1.5);
    page.lineTo(20, 1.5);
    page.lineTo(27, 8.5);
    page.lineTo(27, 30.5);
    page.lineTo(6, 30.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(0x8A, 0x8A, 0x8A), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    QPainterPath fold;
    fold.moveTo(20, 1.5);
    fold.lineTo(20, 8.5);
    fold.lineTo(27, 8.5);
    p.setBrush(QColor(0xE4, 0xE4, 0xE4));
    p.drawPath(fold);
    p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1));
    for (qreal y : { 12.0, 15.0, 27.0 })
        p.drawLine(QPointF(9, y), QPointF(24, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC6, 0x28, 0x28));
    p.drawRoundedRect(QRectF(2, 17, 22, 8.5), 1.5, 1.5);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 17, 22, 8.5), Qt::AlignCenter, QStringLiteral("PDF"));
    return pixmap;
}

} // namespace

void paintProductLogo(QPainter &p, const QRectF &target)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(target.topLeft());
    p.scale(target.width() / 128.0, target.height() / 128.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2E, 0x6D, 0xA4));
    p.drawEllipse(QPointF(64, 64), 60, 60);
    p.setPen(QPen(QColor(0xCD, 0xDF, 0xEE), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(64, 64), 52, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(64, 80), 21, 17);
    p.drawEllipse(QPointF(39, 58), 8.5, 11);
    p.drawEllipse(QPointF(89, 58), 8.5, 11);
    p.drawEllipse(QPointF(53, 40), 8, 10.5);
    p.drawEllipse(QPointF(75, 40), 8, 10.5);
    p.restore();
}

TfrmGuida::TfrmGuida(QWidget *owner)
    : WindowKit::FixedDialog(owner, QStringLiteral(" Guida all'utilizzo del software"))
{
    setObjectName(QStringLiteral("frmGuida"));
    setStyleSheet(QStringLiteral("TfrmGuida { background: #EEF3F9; }"));

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(16, 14, 16, 14);
    root->setSpacing(12);

    // Header: the product picture on its white rectangle and the topic title.
    auto *header = new QHBoxLayout;
    header->setSpacing(14);
    shpSfondo = new QFrame(this);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setFixedSize(76, 76);
    shpSfondo->setStyleSheet(
        QStringLiteral("#shpSfondo { background: white; border: 1px solid #CDDFEE; border-radius: 6px; }"));
    auto *logoBox = new QVBoxLayout(shpSfondo);
    logoBox->setContentsMargins(6, 6, 6, 6);
    imgLogo = new QLabel(shpSfondo);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(logoPicture(62));
    imgLogo->setAlignment(Qt::AlignCenter);
    logoBox->addWidget(imgLogo);
    header->addWidget(shpSfondo, 0, Qt::AlignVCenter);

    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(makeFont("Verdana", 16, true));
    lblTitolo->setStyleSheet(QStringLiteral("#lblTitolo { color: #DC143C; }"));
    // A long title wraps rather than being cut off at the window's edge.
    lblTitolo->setWordWrap(true);
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
    txtGuida->setStyleSheet(QStringLiteral(
        "#txtGuida { background: white; color: #1E2A36; border: 1px solid #B8C7DA; border-radius: 4px; }"));
    root->addWidget(txtGuida, 1);

    // The manual link and the close command.
    auto *footer = new QHBoxLayout;
    footer->setSpacing(8);
    imgPDF = new QLabel(this);
    imgPDF->setObjectName(QStringLiteral("imgPDF"));
    imgPDF->setPixmap(pdfPicture(32));
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
