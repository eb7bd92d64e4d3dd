#include "owners/Clienti.h"

#include "app/dialogs/AllegaCartella.h"
#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "app/checkers/OpenChecker.h"
#include "common/TextRoutines.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/ControlText.h"
#include "common/ui/EditKit.h"
#include "owners/ExpClienti.h"
#include "owners/core/OwnerRecord.h"
#include "owners/OwnerSheet.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShowEvent>

TfrmClienti *frmClienti = nullptr;

namespace {

using EditKit::Casing;
using EditKit::EditRow;
using EditKit::Filter;

// Geometry of the centred panel and of its grid of field rows.
constexpr int kPanelWidth = 995;
constexpr int kPanelHeight = 692;
constexpr int kFieldsLeft = 84;   // left edge of the fields (the section pictures are left of it)
constexpr int kFieldsWidth = 736; // width of a row of fields
constexpr int kTop = 12;
constexpr int kRowPitch = 50;
constexpr int kSectionGap = 14;
constexpr int kCaptionHeight = 17;
constexpr int kEditHeight = 28;

const QColor kGradientTop = QColor::fromRgba(0xFF6195C0);
const QColor kInk(0x1F, 0x3A, 0x5C);

// One field of the editor: its edit behaviours, its caption and its place
// (row of the grid, x from the left edge of the fields, width).
struct FieldRow
{
    EditRow edit;
    const char *caption;
    int row;
    int x;
    int width;
    bool combo = false;
    bool centred = false;
};

const QList<FieldRow> &fieldRows()
{
    // Tab order and Enter chain follow the record order; Enter in the last
    // field returns to the first, and never reaches the call-back check box.
    static const QList<FieldRow> rows = {
        // Section 1: the person
        {{"txtCliente", 50, "txtDataNasc"}, "Cognome e nome:", 0, 0, 316},
        {{"txtDataNasc", 30, "txtComuneNasc"}, "Data di nascita:", 0, 324, 124, false, true},
        {{"txtComuneNasc", 50, "txtProvNasc"}, "Comune di nascita:", 0, 456, 200},
        {{"txtProvNasc", 2, "txtSesso", Filter::None, Casing::UpperTypingAndExit}, "Prov.", 0, 664, 72, true},
        {{"txtSesso", 1, "txtRecapito", Filter::None, Casing::UpperTypingNoTrim}, "Sesso:", 1, 0, 64, false, true},
        {{"txtRecapito", 50, "txtIndirizzoRes"}, "Telefono preferenziale:", 1, 72, 200},
        {{"txtIndirizzoRes", 50, "txtProvRes"}, "Residente in Via / Piazza e numero civico:", 1, 280, 376},
        {{"txtProvRes", 2, "txtComuneRes", Filter::None, Casing::UpperTypingAndExit}, "Prov.", 1, 664, 72, true},
        {{"txtComuneRes", 50, "txtCapRes"}, "Comune di residenza:", 2, 0, 226},
        {{"txtCapRes", 5, "txtEstremi", Filter::None, Casing::UpperKeyUpNoTrim}, "CAP:", 2, 234, 86},
        {{"txtEstremi", 250, "txtTelCasa"}, "Modalit\u00E0 di pagamento:", 2, 328, 408},
        // Section 2: telephones and e-mail
        {{"txtTelCasa", 30, "txtTelUff"}, "Tel. casa:", 3, 0, 240},
        {{"txtTelUff", 30, "txtTelCel"}, "Tel. ufficio:", 3, 248, 240},
        {{"txtTelCel", 30, "txtFax"}, "Tel. cellulare:", 3, 496, 240},
        {{"txtFax", 30, "txtEmail"}, "Fax:", 4, 0, 240},
        {{"txtEmail", 50, "txtCodFisc"}, "E-mail:", 4, 288, 412},
        // Section 3: codes, card and bank
        {{"txtCodFisc", 16, "txtCarta", Filter::None, Casing::UpperTyping}, "Codice fiscale:", 5, 0, 236},
        {{"txtCarta", 30, "txtScadeCarta", Filter::Numeric}, "Carta di credito n.", 5, 280, 262},
        {{"txtScadeCarta", 30, "txtPartitaIva"}, "Scadenza:", 5, 586, 150},
        {{"txtPartitaIva", 11, "txtIban", Filter::Numeric}, "Partita IVA:", 6, 0, 236},
        {{"txtIban", 27, "txtDocumento", Filter::None, Casing::UpperTyping}, "IBAN:", 6, 280, 410},
        // Section 4: documents and personal details
        {{"txtDocumento", 120, "txtOccupazione"}, "Estremi documento:", 7, 0, 320},
        {{"txtOccupazione", 50, "txtCivile"}, "Occupazione:", 7, 328, 200},
        {{"txtCivile", 50, "txtTitoli"}, "Stato civile:", 7, 536, 200},
        {{"txtTitoli", 120, "txtCaniOra"}, "Titoli e qualifiche:", 8, 0, 240},
        {{"txtCaniOra", 250, "txtCaniPrima"}, "Cani posseduti attualmente:", 8, 248, 240},
        {{"txtCaniPrima", 250, "txtQuestioni"}, "Cani posseduti in passato:", 8, 496, 240},
        // Section 5: pending issues and notes
        {{"txtQuestioni", 250, "txtNote"}, "Questioni in sospeso:", 9, 0, 520},
        {{"txtNote", 250, "txtCliente"}, "Note:", 10, 0, 736},
    };
    return rows;
}

// The sections: first and last row of each.
struct Section
{
    int firstRow;
    int lastRow;
};
constexpr Section kSections[] = {{0, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}};

int sectionOfRow(int row)
{
    for (int s = 0; s < 5; ++s)
        if (row <= kSections[s].lastRow)
            return s;
    return 4;
}

int rowTop(int row)
{
    return kTop + row * kRowPitch + sectionOfRow(row) * kSectionGap;
}

int editTop(int row)
{
    return rowTop(row) + kCaptionHeight;
}

QFont verdana(int points, bool bold)
{
    QFont font(QStringLiteral("Verdana"), points);
    font.setBold(bold);
    return font;
}

// ---- pictures -------------------------------------------------------------

QPixmap canvas(int w, int h, QPainter &p, QPixmap &pixmap)
{
    pixmap = QPixmap(w, h);
    pixmap.fill(Qt::transparent);
    p.begin(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    return pixmap;
}

// The section pictures: a round badge with a simple drawing.
QPixmap sectionPicture(int section)
{
    QPixmap pixmap;
    QPainter p;
    canvas(56, 56, p, pixmap);
    QLinearGradient badge(0, 0, 0, 56);
    badge.setColorAt(0, QColor(0x4E, 0x86, 0xC0));
    badge.setColorAt(1, QColor(0x2C, 0x5A, 0x8E));
    p.setPen(Qt::NoPen);
    p.setBrush(badge);
    p.drawEllipse(QRectF(2, 2, 52, 52));
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (section) {
    case 0: { // a person with a dog
        p.drawEllipse(QRectF(15, 12, 11, 11));
        QPainterPath body;
        body.moveTo(11, 42);
        body.quadTo(11, 26, 20.5, 26);
        body.quadTo(30, 26, 30, 42);
        body.closeSubpath();
        p.drawPath(body);
        p.drawRoundedRect(QRectF(31, 31, 14, 8), 3, 3); // dog body
        p.drawEllipse(QRectF(40, 25, 8, 8));             // head
        p.drawLine(QPointF(33, 39), QPointF(33, 43));
        p.drawLine(QPointF(43, 39), QPointF(43, 43));
        p.drawLine(QPointF(31, 33), QPointF(28, 30)); // tail
        break;
    }
    case 1: { // a telephone
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
        QPainterPath handset;
        handset.moveTo(17, 20);
        handset.cubicTo(17, 11, 39, 11, 39, 20);
        p.drawPath(handset);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(16, 26, 24, 16), 4, 4);
        p.setBrush(QColor(0x2C, 0x5A, 0x8E));
        p.drawEllipse(QRectF(24, 29, 8, 8));
        break;
    }
    case 2: { // a card
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(11, 17, 34, 23), 3, 3);
        p.setBrush(QColor(0x2C, 0x5A, 0x8E));
        p.drawRect(QRectF(11, 21, 34, 5));
        p.drawRect(QRectF(15, 31, 14, 3));
        break;
    }
    case 3: { // an identity document
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(16, 11, 24, 33), 2, 2);
        p.setBrush(QColor(0x2C, 0x5A, 0x8E));
        p.drawEllipse(QRectF(23, 15, 10, 10));
        p.drawRect(QRectF(20, 29, 16, 2.5));
        p.drawRect(QRectF(20, 34, 16, 2.5));
        p.drawRect(QRectF(20, 39, 10, 2.5));
        break;
    }
    default: { // a notepad and pen
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(14, 12, 22, 31), 2, 2);
        p.setBrush(QColor(0x2C, 0x5A, 0x8E));
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(18, 19 + i * 6, 14, 2));
        p.setPen(QPen(QColor(0xFF, 0xD5, 0x4F), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(43, 16), QPointF(33, 38));
        break;
    }
    }
    p.end();
    return pixmap;
}

QIcon tickIcon()
{
    QPixmap pixmap;
    QPainter p;
    canvas(22, 22, p, pixmap);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2E, 0x9E, 0x44));
    p.drawEllipse(QRectF(1, 1, 20, 20));
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(6, 11.5), QPointF(9.5, 15), QPointF(16, 7.5)}));
    p.end();
    return QIcon(pixmap);
}

QPixmap envelope(int w, int h, QColor paper, QColor ink)
{
    QPixmap pixmap;
    QPainter p;
    canvas(w, h, p, pixmap);
    const QRectF r(1.5, h * 0.2, w - 3, h * 0.6);
    p.setPen(QPen(ink, 1.6));
    p.setBrush(paper);
    p.drawRoundedRect(r, 2, 2);
    p.drawPolyline(QPolygonF({r.topLeft(), QPointF(r.center().x(), r.center().y() + 1), r.topRight()}));
    p.end();
    return pixmap;
}

QIcon arrowIcon(bool forward, bool bar)
{
    QPixmap pixmap;
    QPainter p;
    canvas(20, 20, p, pixmap);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1E, 0x5A, 0xA8));
    QPolygonF triangle = forward ? QPolygonF({QPointF(6, 3), QPointF(16, 10), QPointF(6, 17)})
                                 : QPolygonF({QPointF(14, 3), QPointF(4, 10), QPointF(14, 17)});
    if (bar) {
        triangle.translate(forward ? -1.5 : 1.5, 0);
        p.drawRect(forward ? QRectF(15.5, 3, 2.5, 14) : QRectF(2, 3, 2.5, 14));
    }
    p.drawPolygon(triangle);
    p.end();
    return QIcon(pixmap);
}

const QString kCommandStyle = QStringLiteral(
    "QPushButton { color: white; font-weight: bold; border: 1px solid #1D4F86; border-radius: 5px;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5D9BDB, stop:1 #215FA6); }"
    "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #74AEEA, stop:1 #2B6DB8); }"
    "QPushButton:pressed { background: #1C528F; }"
    "QPushButton:focus { border: 2px solid #FFD700; }"
    "QPushButton:disabled { color: #E4EAF1; border-color: #9AAABD;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #B9C6D5, stop:1 #98A8BB); }");

const QString kSmallButtonStyle = QStringLiteral(
    "QPushButton { border: 1px solid transparent; border-radius: 4px; background: transparent; }"
    "QPushButton:hover { border-color: #9DB9D8; background: #EAF2FB; }"
    "QPushButton:focus { border-color: #FFD700; }");

} // namespace

// ---------------------------------------------------------------------------

const QStringList &TfrmClienti::provinces()
{
    static const QStringList list = QStringLiteral(
        "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR CS CT CZ EE EN FC FE FG "
        "FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME MI MN MO MS MT NA NO NU OG OR OT PA PC PD PE PG "
        "PI PN PO PR PT PU PV PZ RA RC RE RG RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS TV UD VA VB VC VE "
        "VI VR VT VV").split(QLatin1Char(' '));
    return list;
}

TfrmClienti::TfrmClienti(QWidget *parent)
    : WindowKit::MainWindowBase(QStringLiteral(" Kennora - Anagrafica Proprietari"), parent)
{
    setObjectName(QStringLiteral("frmClienti"));
    setMinimumSize(kPanelWidth, kPanelHeight);

    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setFixedSize(kPanelWidth, kPanelHeight);
    panContainer->setStyleSheet(QStringLiteral(
        "#panContainer { background: #F7FAFD; border: 1px solid #8FAED0; border-radius: 10px; }"
        "QLabel { color: #1F3A5C; }"
        "QFrame[section=\"true\"] { background: white; border: 1px solid #C9D8E8; border-radius: 8px; }"));

    buildFields();
    buildCommands();
    buildNavigation();
    buildArchiveEditor();

    m_hints->addBackground(this);
    m_hints->addBackground(panContainer);
    for (QFrame *section : panContainer->findChildren<QFrame *>(QString(), Qt::FindDirectChildrenOnly))
        if (section->property("section").toBool())
            m_hints->addBackground(section);
    WindowKit::prepareButtons(this);
    clearWindow();
}

void TfrmClienti::buildFields()
{
    const QFont captionFont = verdana(9, true);
    const QFont editFont = verdana(12, true);

    // The section panels with their pictures, behind the fields.
    for (int s = 0; s < 5; ++s) {
        const int top = rowTop(kSections[s].firstRow) - 6;
        const int bottom = editTop(kSections[s].lastRow) + kEditHeight + 8;
        auto *frame = new QFrame(panContainer);
        frame->setObjectName(QStringLiteral("shpSezione%1").arg(s + 1));
        frame->setProperty("section", true);
        frame->setGeometry(8, top, kFieldsLeft + kFieldsWidth + 8 - 8, bottom - top);
        auto *picture = new QLabel(panContainer);
        picture->setObjectName(QStringLiteral("imgSezione%1").arg(s + 1));
        picture->setPixmap(sectionPicture(s));
        picture->setGeometry(16, top + (bottom - top - 56) / 2, 56, 56);
    }

    for (const FieldRow &row : fieldRows()) {
        auto *caption = new QLabel(QString::fromUtf8(row.caption), panContainer);
        caption->setObjectName(QStringLiteral("lbl") + QLatin1String(row.edit.name).mid(3));
        caption->setFont(captionFont);
        caption->setGeometry(kFieldsLeft + row.x, rowTop(row.row), row.width + 40, kCaptionHeight);

        QWidget *control = nullptr;
        if (row.combo) {
            auto *combo = new QComboBox(panContainer);
            combo->addItems(provinces());
            combo->setMaxVisibleItems(16);
            EditKit::applyCombo(combo, row.edit);
            combo->setCurrentIndex(-1);
            control = combo;
        } else {
            QLineEdit *edit = EditKit::makeEdit(panContainer, row.edit);
            if (row.centred)
                edit->setAlignment(Qt::AlignCenter);
            control = edit;
        }
        control->setFont(editFont);
        if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->lineEdit()->setFont(editFont);
        control->setGeometry(kFieldsLeft + row.x, editTop(row.row), row.width, kEditHeight);

        if (row.edit.name == QLatin1String("txtQuestioni")) {
            chkRicontatta = new QCheckBox(QStringLiteral("Da ricontattare"), panContainer);
            chkRicontatta->setObjectName(QStringLiteral("chkRicontatta"));
            chkRicontatta->setFont(verdana(10, true));
            chkRicontatta->setGeometry(kFieldsLeft + row.x + row.width + 20, editTop(row.row), 190, kEditHeight);
        }
    }

    auto edit = [this](const char *name) { return panContainer->findChild<QLineEdit *>(QLatin1String(name)); };
    auto combo = [this](const char *name) { return panContainer->findChild<QComboBox *>(QLatin1String(name)); };
    txtCliente = edit("txtCliente");
    txtDataNasc = edit("txtDataNasc");
    txtComuneNasc = edit("txtComuneNasc");
    txtProvNasc = combo("txtProvNasc");
    txtSesso = edit("txtSesso");
    txtRecapito = edit("txtRecapito");
    txtIndirizzoRes = edit("txtIndirizzoRes");
    txtProvRes = combo("txtProvRes");
    txtComuneRes = edit("txtComuneRes");
    txtCapRes = edit("txtCapRes");
    txtEstremi = edit("txtEstremi");
    txtTelCasa = edit("txtTelCasa");
    txtTelUff = edit("txtTelUff");
    txtTelCel = edit("txtTelCel");
    txtFax = edit("txtFax");
    txtEmail = edit("txtEmail");
    txtCodFisc = edit("txtCodFisc");
    txtCarta = edit("txtCarta");
    txtScadeCarta = edit("txtScadeCarta");
    txtPartitaIva = edit("txtPartitaIva");
    txtIban = edit("txtIban");
    txtDocumento = edit("txtDocumento");
    txtOccupazione = edit("txtOccupazione");
    txtCivile = edit("txtCivile");
    txtTitoli = edit("txtTitoli");
    txtCaniOra = edit("txtCaniOra");
    txtCaniPrima = edit("txtCaniPrima");
    txtQuestioni = edit("txtQuestioni");
    txtNote = edit("txtNote");

    // The e-mail address never keeps blanks at its ends.
    auto trimEmail = [this]() {
        const QString trimmed = TrimText(txtEmail->text());
        if (trimmed != txtEmail->text())
            txtEmail->setText(trimmed);
    };
    connect(txtEmail, &QLineEdit::textChanged, this, trimEmail);
    EditKit::onExit(txtEmail, trimEmail);

    // The picture between the fax and the e-mail, and the small commands.
    icoEmail = new QLabel(panContainer);
    icoEmail->setObjectName(QStringLiteral("icoEmail"));
    icoEmail->setPixmap(envelope(34, 28, QColor(0xFF, 0xF6, 0xD5), QColor(0x2C, 0x5A, 0x8E)));
    icoEmail->setGeometry(kFieldsLeft + 248, editTop(4), 34, kEditHeight);

    auto smallButton = [this](const char *name, const QIcon &icon, QLineEdit *beside) {
        auto *button = new QPushButton(panContainer);
        button->setObjectName(QLatin1String(name));
        button->setIcon(icon);
        button->setIconSize(QSize(22, 22));
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(kSmallButtonStyle);
        button->setGeometry(beside->geometry().right() + 5, beside->y(), 30, kEditHeight);
        return button;
    };
    btnEmail = smallButton("btnEmail", QIcon(envelope(22, 22, Qt::white, QColor(0x1E, 0x5A, 0xA8))), txtEmail);
    btnCodFisc = smallButton("btnCodFisc", tickIcon(), txtCodFisc);
    btnCarta = smallButton("btnCarta", tickIcon(), txtCarta);
    btnPartitaIva = smallButton("btnPartitaIva", tickIcon(), txtPartitaIva);
    btnIban = smallButton("btnIban", tickIcon(), txtIban);

    connect(btnEmail, &QPushButton::clicked, this, &TfrmClienti::emailClick);
    connect(btnCodFisc, &QPushButton::clicked, this, [this]() { OpenChecker(this, TrimText(txtCodFisc->text())); });
    connect(btnPartitaIva, &QPushButton::clicked, this,
            [this]() { OpenPartitaIvaChecker(this, TrimText(txtPartitaIva->text())); });
    connect(btnCarta, &QPushButton::clicked, this, [this]() { OpenCartaChecker(this, TrimText(txtCarta->text())); });
    connect(btnIban, &QPushButton::clicked, this, [this]() { OpenIbanChecker(this, TrimText(txtIban->text())); });

    // The record's attachment slots.
    lblFile01 = WindowKit::hiddenLabel(panContainer, "lblFile01");
    lblFile02 = WindowKit::hiddenLabel(panContainer, "lblFile02");
    lblFile03 = WindowKit::hiddenLabel(panContainer, "lblFile03");
    lblDesc01 = WindowKit::hiddenLabel(panContainer, "lblDesc01");
    lblDesc02 = WindowKit::hiddenLabel(panContainer, "lblDesc02");
    lblDesc03 = WindowKit::hiddenLabel(panContainer, "lblDesc03");
}

void TfrmClienti::buildCommands()
{
    panInfo = new QLabel(QStringLiteral("Pronto per archiviare una nuova scheda..."), panContainer);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFont(QFont(QStringLiteral("Tahoma"), 12));
    panInfo->setStyleSheet(QStringLiteral("QLabel { color: white; background: #6A5ACD; border-radius: 5px;"
                                          " padding-left: 10px; }"));
    const int stripTop = kPanelHeight - 50;
    panInfo->setGeometry(8, stripTop, 690, 38);
    m_hints = new WindowKit::HintLine(panInfo);

    struct CommandDef
    {
        QPushButton **member;
        const char *name;
        const char *caption;
        const char *hint;
    };
    const CommandDef defs[] = {
        {&cmdNuovo, "cmdNuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {&cmdDuplica, "cmdDuplica", "Duplica",
         "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {&cmdFile, "cmdFile", "Allega file", "Allega file alla scheda corrente."},
        {&cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio."},
        {&cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio."},
        {&cmdAnteprima, "cmdAnteprima", "Anteprima", "Visualizza l'anteprima di stampa."},
        {&cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente."},
        {&cmdPDF, "cmdPDF", "Crea PDF", "Esporta la scheda in formato PDF."},
        {&cmdRicontatta, "cmdRicontatta", "Da ricontattare", "Visualizza il riepilogo dei proprietari da ricontattare."},
        {&cmdEsporta, "cmdEsporta", "Esporta archivio", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {&cmdGuida, "cmdGuida", "Guida", "Visualizza la guida in linea."},
        {&cmdEsci, "cmdEsci", "Esci", "Esci da questa schermata."},
    };
    const int left = kFieldsLeft + kFieldsWidth + 16;
    int top = kTop - 6;
    int index = 0;
    for (const CommandDef &def : defs) {
        auto *button = new QPushButton(QString::fromUtf8(def.caption), panContainer);
        *def.member = button;
        button->setObjectName(QLatin1String(def.name));
        button->setFont(QFont(QStringLiteral("Tahoma"), 11, QFont::Bold));
        button->setStyleSheet(kCommandStyle);
        button->setCursor(Qt::PointingHandCursor);
        button->setGeometry(left, top, 148, 32);
        m_hints->addCommand(button, QString::fromUtf8(def.hint));
        // A little air between the groups: record, archive, sheet, lists, leave.
        top += 40 + ((index == 3 || index == 4 || index == 7 || index == 9) ? 12 : 0);
        ++index;
    }

    m_hints->addCommand(btnEmail, QStringLiteral("Invia una e-mail all'indirizzo indicato."));
    m_hints->addCommand(btnCodFisc, QStringLiteral("Controlla il codice fiscale."));
    m_hints->addCommand(btnPartitaIva, QStringLiteral("Controlla il numero di partita IVA."));
    m_hints->addCommand(btnCarta, QStringLiteral("Controlla il numero di carta di credito."));
    m_hints->addCommand(btnIban, QStringLiteral("Controlla l'IBAN."));
    m_hints->addCommand(chkRicontatta,
                        QStringLiteral("Annota che il proprietario \u00E8 da ricontattare per questioni in sospeso."));

    connect(cmdTrova, &QPushButton::clicked, this,
            [this]() { TfrmTrovaClienti::openPicker(this, QStringLiteral("clienti")); });
    connect(cmdRicontatta, &QPushButton::clicked, this,
            [this]() { WindowKit::openModalDialog<TfrmRicontatta>(this); });
    connect(cmdEsporta, &QPushButton::clicked, this,
            [this]() { WindowKit::openModalDialog<TfrmExpClienti>(this); });
    connect(cmdStampa, &QPushButton::clicked, this, [this]() { OwnerSheet::print(this); });
    connect(cmdAnteprima, &QPushButton::clicked, this, [this]() { OwnerSheet::preview(this); });
    connect(cmdPDF, &QPushButton::clicked, this, [this]() { OwnerSheet::exportPdf(this); });

    connect(cmdFile, &QPushButton::clicked, this,
            [this]() { TfrmAllegaCartella::open(this, QStringLiteral("clienti")); });
    connect(cmdGuida, &QPushButton::clicked, this, [this]() { ShowHelp(this, HelpTopic::Owners); });
    WindowKit::closeOnClick(cmdEsci, this);
}

void TfrmClienti::buildNavigation()
{
    const int stripTop = kPanelHeight - 50;
    struct NavDef
    {
        QPushButton **member;
        const char *name;
        bool forward;
        bool bar;
        const char *hint;
    };
    const NavDef defs[] = {
        {&cmdPrimo, "cmdPrimo", false, true, "Visualizza la prima scheda in archivio."},
        {&cmdIndietro, "cmdIndietro", false, false, "Visualizza la scheda precedente in archivio."},
        {&cmdAvanti, "cmdAvanti", true, false, "Visualizza la scheda successiva in archivio."},
        {&cmdUltimo, "cmdUltimo", true, true, "Visualizza l'ultima scheda in archivio."},
    };
    lblPosizione = new QLabel(panContainer);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setFont(verdana(12, true));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setStyleSheet(
        QStringLiteral("QLabel { color: #1F3A5C; background: white; border: 1px solid #8FAED0; border-radius: 4px; }"));

    int x = kPanelWidth - 8 - (4 * 40 + 110);
    for (int i = 0; i < 4; ++i) {
        const NavDef &def = defs[i];
        auto *button = new QPushButton(panContainer);
        *def.member = button;
        button->setObjectName(QLatin1String(def.name));
        button->setIcon(arrowIcon(def.forward, def.bar));
        button->setIconSize(QSize(20, 20));
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(kSmallButtonStyle);
        button->setGeometry(x, stripTop + 2, 36, 34);
        m_hints->addCommand(button, QString::fromUtf8(def.hint));
        x += 40;
        if (i == 1) {
            lblPosizione->setGeometry(x, stripTop + 3, 102, 32);
            x += 110;
        }
    }
}

void TfrmClienti::buildArchiveEditor()
{
    ArchiveEditor::Setup s;
    s.layout = &OwnerRecord::layout();
    s.path = &OwnerRecord::path;
    s.position = lblPosizione;
    s.firstField = txtCliente;
    s.mandatory = {{txtCliente, ArchiveEditor::kMandatoryPrefix + QStringLiteral("il nome del proprietario.")}};
    s.load = [this](const RecordBuffer &record) {
        ArchiveEditor::loadControls(this, record, &OwnerRecord::controlName);
    };
    s.store = [this](RecordBuffer &record) {
        ArchiveEditor::storeControls(this, record, &OwnerRecord::controlName);
    };
    s.clear = [this]() {
        for (QLineEdit *edit : panContainer->findChildren<QLineEdit *>())
            if (edit->objectName().startsWith(QLatin1String("txt")))
                edit->clear();
        for (QComboBox *combo : {txtProvNasc, txtProvRes}) {
            combo->setCurrentIndex(-1);
            combo->clearEditText();
        }
        chkRicontatta->setChecked(false);
        for (QLabel *label : {lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03})
            label->clear();
    };
    s.clearAttachments = [this]() {
        for (QLabel *label : {lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03})
            label->clear();
    };
    m_editor = new ArchiveEditor(this, s);

    using C = ArchiveEditor::Command;
    m_editor->connectButton(cmdPrimo, C::First);
    m_editor->connectButton(cmdIndietro, C::Previous);
    m_editor->connectButton(cmdAvanti, C::Next);
    m_editor->connectButton(cmdUltimo, C::Last);
    m_editor->connectButton(cmdSalva, C::Save);
    m_editor->connectButton(cmdNuovo, C::New);
    m_editor->connectButton(cmdDuplica, C::Duplicate);
}

void TfrmClienti::emailClick()
{
    TMisc::Open(QStringLiteral("\"mailto:") + TrimText(txtEmail->text()) + QLatin1Char('"'));
}

void TfrmClienti::clearWindow()
{
    m_editor->newRecord();
}

void TfrmClienti::showRecord(const RecordBuffer &record, qint64 position)
{
    m_editor->showRecord(record, position);
}

QString TfrmClienti::fieldText(int field) const
{
    if (field == OwnerRecord::Ricontatta)
        return chkRicontatta->isChecked() ? QStringLiteral("S\u00EC") : QStringLiteral("No");
    const QWidget *control = findChild<QWidget *>(OwnerRecord::controlName(field));
    return TrimText(ControlText::text(control));
}

RecordBuffer TfrmClienti::currentRecord() const
{
    RecordBuffer record(OwnerRecord::layout());
    record.clear();
    ArchiveEditor::storeControls(this, record, &OwnerRecord::controlName);
    return record;
}

void TfrmClienti::showEvent(QShowEvent *event)
{
    WindowKit::MainWindowBase::showEvent(event);
    placePanel();
    // Every opening starts from an empty record (not a restore from the task bar).
    if (!event->spontaneous())
        clearWindow();
}

void TfrmClienti::resizeEvent(QResizeEvent *event)
{
    WindowKit::MainWindowBase::resizeEvent(event);
    placePanel();
}

void TfrmClienti::placePanel()
{
    panContainer->move(qMax(0, (width() - kPanelWidth) / 2), qMax(0, (height() - kPanelHeight) / 2));
}

void TfrmClienti::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, kGradientTop);
    fill.setColorAt(1, Qt::white);
    p.fillRect(rect(), fill);
}
