#include "quotes/QuoteReport.h"

#include "app/dialogs/OpenURL.h"
#include "common/ProgramFolder.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/Art.h"
#include "common/ui/ControlText.h"
#include "common/ui/Style.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "quotes/Logo.h"
#include "quotes/QuoteControls.h"

#include <QAbstractButton>
#include <QPair>

using namespace QuoteRecord;

namespace
{

const QColor kLavender(0xE6, 0xE6, 0xFA);
const QColor kOrange(0xFF, 0xA5, 0x00);

// A one-line box of the quote: Arial, black, the text as set; the gap
// inside the box is the narrow one of the quote's tight columns.
void text(ReportTemplate &t, const QString &name, const QRectF &rectMm, double points, Qt::Alignment horizontal,
    const QString &design = QString(), bool bold = false, const QColor &fill = QColor(),
    Qt::Alignment vertical = Qt::AlignTop)
{
    ReportTemplate::Item &item = t.addText(name, rectMm, ReportTemplate::font(QStringLiteral("Arial"), points, bold),
        design, horizontal | vertical, Qt::black, fill);
    item.paddingMm = 0.5;
}

QString numbered(const QString &prefix, int number)
{
    return prefix + QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

struct Column {
    Field first;
    const char *caption;
    const char *captionName;
    double left;
    double width;
    Qt::Alignment alignment;
};

// The item columns: caption and rows share the left edge and the width.
const Column kColumns[] = {
    { Quant01, "Quant.", "titQuant", 4, 13, Qt::AlignHCenter },
    { Codice01, "Codice art.", "titCodice", 19, 39, Qt::AlignLeft },
    { Desc01, "Descrizione", "titDesc", 60, 75, Qt::AlignLeft },
    { Prezzo01, "Prezzo", "titPrezzo", 137, 17, Qt::AlignRight },
    { PercSconto01, "% Sc.", "titPercSconto", 156, 11, Qt::AlignHCenter },
    { Importo01, "Imp. tot.", "titImporto", 169, 17.2, Qt::AlignRight },
};

struct Total {
    Field field;
    const char *caption;
    const char *captionName;
    double captionLeft;
    double captionWidth;
    double valueLeft;
    double valueWidth;
};

const Total kTotals[] = {
    { TotImponibile, "TOT. IMPONIBILE", "titTotImponibile", 3, 31.8, 4, 29.6 },
    { PercIva, "% IVA", "titPercIva", 35, 22, 35.8, 20.5 },
    { TotImposta, "TOT. IMPOSTA", "titTotImposta", 57.2, 32.4, 58.2, 29.6 },
    { TotIva, "TOT. IVA INCLUSA", "titTotIva", 89.6, 32.8, 91, 29.6 },
    { TotEsente, "TOT. ESENTE", "titTotEsente", 122.6, 32.2, 123.8, 29.6 },
    { TotFattura, "TOT. PREVENTIVO", "titTotFattura", 155, 32, 156, 29.6 },
};

// The logo box and the finest detail worth printing in it.
const QSizeF kLogoBoxMm(77, 38);
constexpr double kLogoDotsPerInch = 300;

// A logo finer than the print shows (a camera picture of many megapixels) is
// brought down to 300 dots per inch in the box: drawn whole it would make the
// document tens of megabytes and take seconds to write. Smaller logos are
// drawn as they are.
QImage printableLogo(const QImage &logo)
{
    const QSize most(
        qRound(kLogoBoxMm.width() / 25.4 * kLogoDotsPerInch), qRound(kLogoBoxMm.height() / 25.4 * kLogoDotsPerInch));
    const QSize fitted = logo.size().scaled(most, Qt::KeepAspectRatio);
    if (logo.width() <= fitted.width())
        return logo;
    return logo.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

namespace QuoteReport
{

std::unique_ptr<ReportTemplate> makeTemplate()
{
    auto t = std::make_unique<ReportTemplate>(QStringLiteral("Preventivo"));
    const QString none;

    // Filled areas first, so that no fill covers an outline or a text.
    t->addRectangle(QStringLiteral("shpNumFatt"), QRectF(84, 3, 103, 12), Qt::black, kLavender);
    t->addRectangle(QStringLiteral("shpBanca"), QRectF(84, 58, 103, 17), Qt::black, kLavender);
    for (const Total &total : kTotals) {
        const bool grand = total.field == TotFattura;
        text(*t, QLatin1String(total.captionName), QRectF(total.captionLeft, 240.1, total.captionWidth, 4.4), 8,
            Qt::AlignHCenter, QLatin1String(total.caption), grand, grand ? kOrange : kLavender);
    }

    // Frame, boxes and rules.
    t->addRectangle(QStringLiteral("shpGabbia"), QRectF(1, 1, 188, 275));
    // The logo is stored without loss (never re-encoded as a JPEG).
    ReportTemplate::Item &logo = t->addPicture(QStringLiteral("imgLogo"), QRectF(QPointF(3, 3), kLogoBoxMm), QImage(),
        ReportTemplate::PictureFit::KeepAspectTopLeft);
    logo.lossless = true;
    t->addLine(QStringLiteral("linNote"), QPointF(3, 75), QPointF(84, 75));
    t->addRectangle(QStringLiteral("shpArticoli"), QRectF(3, 81.5, 184, 157));
    const QPair<int, double> columnRules[] = { { 6, 18 }, { 5, 59 }, { 7, 136 }, { 9, 155 }, { 8, 168 } };
    for (const auto &[number, x] : columnRules)
        t->addLine(numbered(QStringLiteral("linSepara"), number), QPointF(x, 81.5), QPointF(x, 81.5 + 157));
    t->addLine(QStringLiteral("linSepara01"), QPointF(3, 87), QPointF(187, 87));
    t->addRectangle(QStringLiteral("shpRiepilogo"), QRectF(3, 240, 184, 9.5));
    int separator = 10;
    for (const double x : { 35.0, 57.2, 89.6, 122.6, 155.0 })
        t->addLine(numbered(QStringLiteral("linSepara"), separator++), QPointF(x, 240), QPointF(x, 240 + 9.6));
    t->addLine(QStringLiteral("linSepara02"), QPointF(3, 244.5), QPointF(187, 244.5));
    t->addRectangle(QStringLiteral("shpDatiVeicolo"), QRectF(3, 251, 184, 17));
    t->addLine(QStringLiteral("Line1"), QPointF(94.6, 251.1), QPointF(94.6, 251.1 + 16.9));
    t->addLine(QStringLiteral("linSepara03"), QPointF(3, 257), QPointF(187, 257));
    t->addLine(QStringLiteral("linSepara04"), QPointF(3, 262.5), QPointF(187, 262.5));

    // Header and customer (right), company (left, under the logo).
    text(*t, QStringLiteral("txtNumFatt"), QRectF(87, 4.5, 97, 4), 9, Qt::AlignLeft, none, true);
    text(*t, QStringLiteral("txtData"), QRectF(87, 9.5, 97, 4), 9, Qt::AlignLeft);
    text(*t, QStringLiteral("titSpettabile"), QRectF(84, 17, 77, 5), 8, Qt::AlignLeft, QStringLiteral("Spettabile"));
    text(*t, QStringLiteral("txtCliente"), QRectF(84, 23, 103, 5), 9, Qt::AlignLeft);
    text(*t, QStringLiteral("txtViaCliente"), QRectF(84, 27.5, 103, 5), 9, Qt::AlignLeft);
    text(*t, QStringLiteral("txtCittaCliente"), QRectF(84, 32, 103, 5), 9, Qt::AlignLeft);
    text(*t, QStringLiteral("txtIvaCliente"), QRectF(84, 38, 103, 5), 8, Qt::AlignLeft);
    text(*t, QStringLiteral("txtCodFiscCliente"), QRectF(84, 42.5, 103, 5), 8, Qt::AlignLeft);
    text(
        *t, QStringLiteral("titRiferimenti"), QRectF(84, 48, 100, 5), 8, Qt::AlignLeft, QStringLiteral("Riferimenti:"));
    text(*t, QStringLiteral("txtRiferimenti"), QRectF(84, 52.5, 103, 5), 8, Qt::AlignLeft);
    text(*t, QStringLiteral("txtDitta"), QRectF(3, 46, 77, 5), 9, Qt::AlignLeft);
    text(*t, QStringLiteral("txtViaDitta"), QRectF(3, 50.5, 77, 5), 9, Qt::AlignLeft);
    text(*t, QStringLiteral("txtCittaDitta"), QRectF(3, 55, 77, 5), 9, Qt::AlignLeft);
    text(*t, QStringLiteral("txtIvaDitta"), QRectF(3, 59.5, 77, 5), 8, Qt::AlignLeft);
    text(*t, QStringLiteral("txtLibero01"), QRectF(3, 65, 77, 4), 8, Qt::AlignLeft);
    text(*t, QStringLiteral("txtLibero02"), QRectF(3, 69.5, 77, 4), 8, Qt::AlignLeft);
    text(*t, QStringLiteral("txtPagamento"), QRectF(86, 60, 98, 5), 8, Qt::AlignLeft);
    text(*t, QStringLiteral("txtBanca"), QRectF(86, 65, 98, 5), 8, Qt::AlignLeft);
    text(*t, QStringLiteral("txtIban"), QRectF(86, 70, 98, 5), 8, Qt::AlignLeft);
    text(*t, QStringLiteral("txtNote"), QRectF(3, 76, 184, 4), 8, Qt::AlignLeft, none, false, QColor(),
        Qt::AlignVCenter);

    // The item rows: the captions, then 30 slots per column.
    for (const Column &column : kColumns) {
        text(*t, QLatin1String(column.captionName), QRectF(column.left, 82.5, column.width, 4), 8, Qt::AlignHCenter,
            QLatin1String(column.caption));
        for (int row = 1; row <= RowCount; ++row)
            text(*t, QuoteSheet::boxName(rowField(column.first, row)),
                QRectF(column.left, 88 + 5 * (row - 1), column.width, 4.5), 8, column.alignment);
    }

    // Totals.
    for (const Total &total : kTotals) {
        const bool rate = total.field == PercIva;
        text(*t, QuoteSheet::boxName(total.field), QRectF(total.valueLeft, rate ? 245.0 : 245.4, total.valueWidth, 3.8),
            8, rate ? Qt::AlignHCenter : Qt::AlignRight, none, total.field == TotFattura);
    }

    // Dog data, two columns of three.
    const double tops[] = { 252, 258, 263.4 };
    const QString left[]
        = { QStringLiteral("txtVeicolo"), QStringLiteral("txtColore"), QStringLiteral("txtAlimentazione") };
    const QString right[]
        = { QStringLiteral("txtMarca"), QStringLiteral("txtImmatricolazione"), QStringLiteral("txtTarga") };
    for (int k = 0; k < 3; ++k) {
        text(*t, left[k], QRectF(4, tops[k], 89.4, 4), 8, Qt::AlignLeft);
        text(*t, right[k], QRectF(95.8, tops[k], 90.2, 4), 8, Qt::AlignLeft);
    }

    text(*t, QStringLiteral("titPrivacy"), QRectF(3, 269, 194, 3.5), 6, Qt::AlignLeft,
        QStringLiteral("I dati personali del Cliente saranno trattati nel rispetto della normativa sulla privacy "
                       "esclusivamente per l'erogazione del servizio e non saranno forniti a terzi."));
    text(*t, QStringLiteral("titConai"), QRectF(3, 272.5, 184, 3.2), 6, Qt::AlignLeft,
        QStringLiteral("CONTRIBUTI CONAI E SIAE ASSOLTI OVE DOVUTO."));
    return t;
}

std::unique_ptr<ReportTemplate> filled(const QuoteSheet &sheet, const QImage &logo)
{
    auto t = makeTemplate();
    t->setOrientation(QPageLayout::Portrait);
    t->setPicture(QStringLiteral("imgLogo"), printableLogo(logo));
    for (const QuoteSheet::Memo &memo : sheet.memos())
        t->setText(memo.name, memo.text);
    return t;
}

QuoteSheet sheetFromWindow(const QWidget *editor)
{
    QuoteSheet sheet;
    if (!editor)
        return sheet;
    for (int field = 0; field < FieldCount; ++field) {
        const QString name = QuoteControls::name(field);
        if (isFlag(field)) {
            const auto *mark = editor->findChild<const QAbstractButton *>(name);
            sheet.setFlag(field, mark && mark->isChecked());
        } else {
            sheet.setText(field, ControlText::named(editor, name));
        }
    }
    return sheet;
}

ReportOutput::PdfProperties pdfProperties()
{
    ReportOutput::PdfProperties properties;
    properties.title = QStringLiteral("Fattura");
    properties.subject = QStringLiteral("Fattura");
    return properties;
}

QString pdfPath()
{
    return programFile(QStringLiteral("Preventivo.pdf"));
}

ReportWindow::Setup windowSetup(ReportWindow::Output output)
{
    ReportWindow::Setup s;
    s.output = output;
    s.actionName = QStringLiteral("btnStampa");
    switch (output) {
    case ReportWindow::Output::Preview:
        s.objectName = QLatin1String(WindowNames::frmAnteprimaPrev);
        s.caption = QStringLiteral(" Anteprima di stampa");
        s.clientSize = QSize(364, 287);
        s.actionText = QStringLiteral("Mostra anteprima");
        s.instructions = { QStringLiteral("Anteprima di stampa"),
            QStringLiteral("Questa operazione consente di visualizzare in anteprima i dati che appariranno in "
                           "stampa."),
            QStringLiteral("Fare clic su Mostra anteprima per visualizzare il documento sullo schermo prima di "
                           "eseguire la stampa su carta."),
            Art::pixmap(QStringLiteral("zoom"), QSize(48, 48)) };
        break;
    case ReportWindow::Output::Pdf:
        s.objectName = QLatin1String(WindowNames::frmCrea_PDF_Prev);
        s.caption = QStringLiteral(" Esporta in PDF");
        s.clientSize = QSize(363, 299);
        s.actionText = QStringLiteral("Crea PDF");
        s.instructions = { QStringLiteral("Esporta in PDF"),
            QStringLiteral("Questa operazione provveder\u00E0 a esportare in formato PDF il documento con i dati "
                           "immessi nei campi di testo."),
            QStringLiteral("Premere il pulsante Crea PDF per esportare il documento in un file PDF oppure fare clic "
                           "su Annulla se si desidera annullare l'operazione."),
            Art::pixmap(QStringLiteral("pdf"), QSize(48, 48)) };
        s.pdfPath = [] { return pdfPath(); };
        s.pdfProperties = pdfProperties();
        s.open = [](const QString &target) { TMisc::Open(target); };
        break;
    default:
        s = ReportWindow::sheetPrint(QLatin1String(WindowNames::frmStampaPrev));
        break;
    }
    // A failure of the printer, the preview or the file is shown with its own
    // words in an error box, and the window stays open (no success question).
    s.guard = CommandGuard();
    s.build = [](const ReportWindow &window) -> std::unique_ptr<Report> {
        return filled(
            sheetFromWindow(WindowRegistry::get(QLatin1String(WindowNames::frmPreventivi))), window.picture());
    };
    s.loadPicture = [] { return LogoFile::load(); };
    s.defaultPicture = LogoFile::defaultPicture();
    return s;
}

Layout::Table windowTable(ReportWindow::Output output)
{
    // The instruction picture of each window: 316 units wide, its height
    // the window's own.
    const ReportWindow::Setup setup = windowSetup(output);
    const qreal w = setup.clientSize.width(), h = setup.clientSize.height();
    const qreal pictureHeight = output == ReportWindow::Output::Preview ? 185
        : output == ReportWindow::Output::Pdf                           ? 207
                                                                        : 187;
    const qreal panelW = w - 36, panelH = h - 72;
    const qreal x = (panelW - 316) / 2, y = (panelH - pictureHeight) / 2;
    const Layout::Font words { "Verdana", 8 };
    const Layout::Font buttons { "Verdana", 9 };
    Layout::Table t;
    t.name = QStringLiteral("quote output window");
    t.client = setup.clientSize;
    t.backgroundTop = Style::SteelBlue;
    t.backgroundBottom = Style::White;
    t.items = {
        { .name = "shpSfondo", .x = 18, .y = 18, .w = panelW, .h = panelH },
        { .name = "lblTitolo",
            .in = "shpSfondo",
            .x = x + 4,
            .y = y,
            .w = 308,
            .h = 22,
            .font = { "Verdana", 11, true },
            .colour = Style::HeadingBlue },
        { .name = "lblDescrizione", .in = "shpSfondo", .x = x + 4, .y = y + 24, .w = 308, .h = 58, .font = words },
        { .name = "shpSepara", .in = "shpSfondo", .x = x + 2, .y = y + 88, .w = 312, .h = 4 },
        { .name = "imgSezione", .in = "shpSfondo", .x = x + 6, .y = y + 100, .w = 82, .h = pictureHeight - 104 },
        { .name = "lblIstruzioni",
            .in = "shpSfondo",
            .x = x + 98,
            .y = y + 100,
            .w = 214,
            .h = pictureHeight - 104,
            .font = words },
        { .name = "btnAnnulla", .x = 18, .y = h - 44, .w = 137, .h = 28, .font = buttons },
        { .name = "btnStampa", .x = 208, .y = h - 44, .w = 137, .h = 28, .font = buttons },
    };
    t.tabOrder = { "btnAnnulla", "btnStampa" };
    return t;
}

} // namespace QuoteReport
