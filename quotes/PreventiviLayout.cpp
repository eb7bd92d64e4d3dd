#include "quotes/PreventiviLayout.h"

#include "common/ui/Style.h"

#include <set>
#include <string>

namespace PreventiviLayout
{

namespace
{

using Layout::Font;
using Layout::Item;
using Layout::Kind;

constexpr Font kCaption { "Verdana", 8, true };
constexpr Font kHeaderEdit { "Verdana", 10 };
constexpr Font kRowEdit { "Verdana", 12, true };
constexpr Font kCommand { "Tahoma", 8.5, true };
constexpr qreal kEditHeight = 22;
constexpr int kAlignRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr int kAlignLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int kAlignCentre = Qt::AlignCenter;

// Names made from a pattern (the 30 rows, the six pages) live as long as
// the program: a table keeps only pointers to them.
const char *keep(const QString &name)
{
    static std::set<std::string> names;
    return names.insert(name.toStdString()).first->c_str();
}

QString two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// The command groups along the top (y 16, 57 high, x 16 to 976): each group
// on its rectangle, the buttons 4 units apart inside it; a row without a
// name is the navigation strip.
struct Command {
    const char *name;
    qreal width;
};
struct Group {
    const char *shape;
    QList<Command> commands;
};

constexpr qreal kBarLeft = 16, kBarTop = 16, kBarHeight = 57, kBarRight = 976;
constexpr qreal kButtonTop = 28, kButtonHeight = 32, kGroupPadding = 4, kButtonSpacing = 4;

// The navigation strip: first, previous, the position, next, last.
constexpr qreal kArrow = 30, kPosition = 56;

const QList<Group> &groups()
{
    static const QList<Group> table = {
        { "shpNuovo", { { "cmdNuovo", 56 }, { "cmdSalva", 52 }, { "cmdTrova", 54 }, { "cmdSospese", 64 } } },
        { "shpStampa", { { "cmdAnteprima", 80 }, { "cmdStampa", 62 }, { "cmdPDF", 42 } } },
        { "shpRecord", { { nullptr, 4 * kArrow + kPosition + 4 * kButtonSpacing } } },
        { "shpNumerazione", { { "cmdNumerazione", 94 }, { "cmdEsporta", 68 } } },
        { "shpEsci", { { "cmdGuida", 58 }, { "cmdEsci", 48 } } },
    };
    return table;
}

void addCommandBar(QList<Item> &items)
{
    QList<qreal> widths;
    qreal used = 0;
    for (const Group &g : groups()) {
        qreal w = 2 * kGroupPadding + kButtonSpacing * (g.commands.size() - 1);
        for (const Command &c : g.commands)
            w += c.width;
        widths << w;
        used += w;
    }
    const qreal gap = (kBarRight - kBarLeft - used) / (groups().size() - 1);
    qreal x = kBarLeft;
    for (qsizetype k = 0; k < groups().size(); ++k) {
        const Group &g = groups().at(k);
        items << Item { .name = g.shape,
            .in = "panContainer",
            .x = x,
            .y = kBarTop,
            .w = widths.at(k),
            .h = kBarHeight,
            .kind = Kind::Shape,
            .fill = Style::GroupFill,
            .stroke = Style::GroupEdge };
        qreal at = x + kGroupPadding;
        for (const Command &c : g.commands) {
            if (c.name) {
                items << Item { .name = c.name,
                    .in = "panContainer",
                    .x = at,
                    .y = kButtonTop,
                    .w = c.width,
                    .h = kButtonHeight,
                    .font = kCommand };
                at += c.width + kButtonSpacing;
                continue;
            }
            const char *strip[] = { "cmdPrimo", "cmdIndietro", "lblPosizione", "cmdAvanti", "cmdUltimo" };
            for (const char *name : strip) {
                const bool position = qstrcmp(name, "lblPosizione") == 0;
                const qreal w = position ? kPosition : kArrow;
                items << Item { .name = name,
                    .in = "panContainer",
                    .x = at,
                    .y = kButtonTop + (position ? 1 : 0),
                    .w = w,
                    .h = kButtonHeight - (position ? 2 : 0) };
                at += w + kButtonSpacing;
            }
        }
        x += widths.at(k) + gap;
    }
}

// A header field: its caption above it, the edit 13 units lower.
struct Field {
    const char *edit;
    const char *caption; // object name of the caption
    QString text;
    qreal x, y, w;
};

void addField(QList<Item> &items, const char *panel, const Field &f)
{
    items << Item { .name = f.caption,
        .in = panel,
        .x = f.x,
        .y = f.y,
        .w = f.w,
        .h = 13,
        .kind = Kind::Text,
        .font = kCaption,
        .text = f.text };
    items << Item {
        .name = f.edit, .in = panel, .x = f.x, .y = f.y + 13, .w = f.w, .h = kEditHeight, .font = kHeaderEdit
    };
}

// A picture button at the right of a field.
void addButton(QList<Item> &items, const char *panel, const char *name, qreal x, qreal y, qreal w = 22)
{
    items << Item { .name = name, .in = panel, .x = x, .y = y, .w = w, .h = kEditHeight };
}

// The company and the customer panels (360 x 254): one field every 35
// units, the postcode, town and province side by side.
void addHeader(QList<Item> &items)
{
    const char *d = "panDitta";
    addField(items, d, { "txtDitta", "lblDitta", QStringLiteral("Ditta emittente:"), 8, 4, 268 });
    addButton(items, d, "btnLogo", 280, 17, 46);
    addButton(items, d, "btnCancDitta", 330, 17);
    addField(items, d, { "txtViaDitta", "lblViaDitta", QStringLiteral("Via e numero civico:"), 8, 39, 344 });
    addField(items, d, { "txtCapDitta", "lblCapDitta", QStringLiteral("CAP:"), 8, 74, 86 });
    addField(items, d, { "txtCittaDitta", "lblCittaDitta", QStringLiteral("Citt\u00E0:"), 102, 74, 186 });
    addField(items, d, { "txtProvDitta", "lblProvDitta", QStringLiteral("Prov."), 296, 74, 56 });
    addField(items, d, { "txtIvaDitta", "lblIvaDitta", QStringLiteral("Partita IVA:"), 8, 109, 318 });
    addButton(items, d, "btnIvaDitta", 330, 122);
    addField(items, d, { "txtCodFiscDitta", "lblCodFiscDitta", QStringLiteral("Codice fiscale:"), 8, 144, 318 });
    addButton(items, d, "btnCodFiscDitta", 330, 157);
    addField(items, d, { "txtLibero01", "lblLibero01", QStringLiteral("Campo libero 1:"), 8, 179, 344 });
    addField(items, d, { "txtLibero02", "lblLibero02", QStringLiteral("Campo libero 2:"), 8, 214, 344 });

    const char *c = "panCliente";
    addField(items, c, { "txtCliente", "lblCliente", QStringLiteral("Cliente:"), 8, 4, 318 });
    addButton(items, c, "impCliente", 330, 17);
    addField(items, c, { "txtViaCliente", "lblViaCliente", QStringLiteral("Via e numero civico:"), 8, 39, 344 });
    addField(items, c, { "txtCapCliente", "lblCapCliente", QStringLiteral("CAP:"), 8, 74, 86 });
    addField(items, c, { "txtCittaCliente", "lblCittaCliente", QStringLiteral("Citt\u00E0:"), 102, 74, 186 });
    addField(items, c, { "txtProvCliente", "lblProvCliente", QStringLiteral("Prov."), 296, 74, 56 });
    addField(items, c, { "txtIvaCliente", "lblIvaCliente", QStringLiteral("Partita IVA:"), 8, 109, 318 });
    addButton(items, c, "btnIvaCliente", 330, 122);
    addField(items, c, { "txtCodFiscCliente", "lblCodFiscCliente", QStringLiteral("Codice fiscale:"), 8, 144, 318 });
    addButton(items, c, "btnCodFiscCliente", 330, 157);
    addField(items, c, { "txtRiferimenti", "lblRiferimenti", QStringLiteral("Riferimenti:"), 8, 179, 344 });
    items << Item { .name = "cmdDatiComputer", .in = c, .x = 8, .y = 222, .w = 344, .h = 24, .font = kCaption };

    // The quote's own data: the number on its coloured strip, then the date,
    // payment, bank and IBAN, one every 48 units.
    const char *n = "panNumFattura";
    items << Item { .name = "shpNumFattura",
        .in = n,
        .x = 4,
        .y = 3,
        .w = 201,
        .h = 46,
        .kind = Kind::Shape,
        .fill = Style::AmountFill,
        .stroke = Style::AmountEdge };
    const Field quote[] = {
        { "txtNumFatt", "lblNumFatt", QStringLiteral("Preventivo n."), 8, 8, 193 },
        { "txtData", "lblData", QStringLiteral("Data emissione:"), 8, 56, 165 },
        { "txtPagamento", "lblPagamento", QStringLiteral("Pagamento:"), 8, 104, 193 },
        { "txtBanca", "lblBanca", QStringLiteral("Banca d'appoggio:"), 8, 152, 193 },
        { "txtIban", "lblIban", QStringLiteral("IBAN:"), 8, 200, 193 },
    };
    for (const Field &f : quote)
        addField(items, n, f);
    addButton(items, n, "impOggi", 179, 69);
    // The quote number reads centred.
    for (Item &item : items)
        if (qstrcmp(item.name, "txtNumFatt") == 0)
            item.align = kAlignCentre;
}

// The columns of an item row: x and width within the row page.
struct Column {
    const char *prefix;
    qreal x, w;
    int align;
    const char *title; // the caption at y 48
};
const Column kColumns[] = {
    { "txtQuant", 44, 54, kAlignCentre, "Quant." },
    { "txtCodice", 108, 142, kAlignLeft, "Codice articolo:" },
    { "txtDesc", 260, 300, kAlignLeft, "Descrizione:" },
    { "txtPrezzo", 570, 108, kAlignRight, "Prezzo:" },
    { "txtPercSconto", 688, 54, kAlignCentre, "% Sc." },
};
constexpr qreal kAmountX = 752, kAmountW = 108, kExemptX = 871, kImportX = 910;
constexpr qreal kRowTop = 66, kRowPitch = 32;

void addRowPages(QList<Item> &items)
{
    const char letters[] = "ABCDEF";
    for (int page = 0; page < 6; ++page) {
        const QString letter(QLatin1Char(letters[page]));
        const char *grp = keep(QStringLiteral("grpPage") + two(page + 1));
        items << Item { .name = grp, .in = "panContainer", .x = 24, .y = 350, .w = 945, .h = 230 };
        const auto shape = [&](const char *base, qreal x) {
            return Item { .name = keep(QLatin1String(base) + letter),
                .in = grp,
                .x = x,
                .y = 8,
                .w = 50,
                .h = 30,
                .kind = Kind::Shape,
                .fill = Style::White,
                .stroke = Style::SectionEdge };
        };
        items << shape("shpIndietro_", 8);
        items << Item {
            .name = keep(QStringLiteral("imgIndietro_") + letter), .in = grp, .x = 20, .y = 16, .w = 22, .h = 15
        };
        items << Item { .name = keep(QStringLiteral("titProdotti_") + letter),
            .in = grp,
            .x = 64,
            .y = 8,
            .w = 817,
            .h = 30,
            .font = { "Verdana", 10, true },
            .align = kAlignCentre };
        items << shape("shpAvanti_", 887);
        items << Item {
            .name = keep(QStringLiteral("imgAvanti_") + letter), .in = grp, .x = 902, .y = 16, .w = 22, .h = 15
        };

        // The column captions.
        struct Title {
            const char *name;
            const char *text;
            qreal x;
        };
        const Title titles[] = { { "titQuant_", "Quant.", 44 }, { "titCodice_", "Codice articolo:", 108 },
            { "titDesc_", "Descrizione:", 260 }, { "titPrezzo_", "Prezzo:", 570 }, { "titPercSconto_", "% Sc.", 688 },
            { "titImporto_", "Importo tot.", 752 }, { "titEs_", "Es.", 871 } };
        for (const Title &t : titles)
            items << Item { .name = keep(QLatin1String(t.name) + letter),
                .in = grp,
                .x = t.x,
                .y = 48,
                .w = t.x == 871 ? 36.0 : 108.0,
                .h = 16,
                .kind = Kind::Text,
                .font = { "Verdana", 9, true },
                .colour = Style::DarkBlue,
                .text = QString::fromUtf8(t.text) };

        for (int place = 0; place < 5; ++place) {
            const QString nn = two(page * 5 + place + 1);
            const qreal y = kRowTop + kRowPitch * place;
            items << Item { .name = keep(QStringLiteral("lblNum") + nn),
                .in = grp,
                .x = 6,
                .y = y + 2,
                .w = 30,
                .h = 18,
                .font = kRowEdit,
                .colour = Style::Maroon,
                .align = kAlignRight };
            for (const Column &c : kColumns)
                items << Item { .name = keep(QLatin1String(c.prefix) + nn),
                    .in = grp,
                    .x = c.x,
                    .y = y,
                    .w = c.w,
                    .h = kEditHeight,
                    .font = kRowEdit,
                    .align = c.align };
            items << Item { .name = keep(QStringLiteral("shpImporto") + nn),
                .in = grp,
                .x = kAmountX,
                .y = y,
                .w = kAmountW,
                .h = kEditHeight,
                .kind = Kind::Shape,
                .fill = Style::AmountFill };
            items << Item { .name = keep(QStringLiteral("txtImporto") + nn),
                .in = grp,
                .x = kAmountX + 4,
                .y = y + 2,
                .w = kAmountW - 8,
                .h = 18,
                .font = { "Verdana", 10, true },
                .align = kAlignRight };
            items << Item {
                .name = keep(QStringLiteral("chkEs") + nn), .in = grp, .x = kExemptX, .y = y - 1, .w = 26, .h = 25
            };
            items << Item {
                .name = keep(QStringLiteral("impMag") + nn), .in = grp, .x = kImportX, .y = y, .w = 22, .h = 22
            };
        }
    }
}

// The totals row (y 590 to 625, x 24 to 969): each total on its small
// rectangle with its caption above, the VAT rate with "%", "Calcola" and the
// grand total on the larger rectangle.
void addTotals(QList<Item> &items)
{
    const char *p = "panContainer";
    struct Total {
        const char *shape, *label, *caption;
        const char *text;
        qreal x, w;
    };
    const Total totals[] = {
        { "shpTotImponibile", "txtTotImponibile", "lblTotImponibile", "Tot. imponibile:", 24, 120 },
        { "shpTotImposta", "txtTotImposta", "lblTotImposta", "Tot. imposta:", 224, 120 },
        { "shpTotIva", "txtTotIva", "lblTotIva", "Tot. IVA inclusa:", 352, 130 },
        { "shpTotEsente", "txtTotEsente", "lblTotEsente", "Tot. esente:", 490, 120 },
    };
    for (const Total &t : totals) {
        items << Item { .name = t.caption,
            .in = p,
            .x = t.x + 2,
            .y = 584,
            .w = t.w,
            .h = 14,
            .kind = Kind::Text,
            .font = kCaption,
            .text = QString::fromUtf8(t.text) };
        items << Item { .name = t.shape,
            .in = p,
            .x = t.x,
            .y = 598,
            .w = t.w,
            .h = 26,
            .kind = Kind::Shape,
            .fill = Style::AmountFill,
            .stroke = Style::AmountEdge };
        items << Item { .name = t.label,
            .in = p,
            .x = t.x + 4,
            .y = 601,
            .w = t.w - 8,
            .h = 20,
            .font = { "Verdana", 10, true },
            .align = kAlignRight };
    }
    items << Item { .name = "lblPercIva",
        .in = p,
        .x = 156,
        .y = 584,
        .w = 47,
        .h = 14,
        .kind = Kind::Text,
        .font = kCaption,
        .text = QStringLiteral("IVA:") };
    items << Item { .name = "txtPercIva",
        .in = p,
        .x = 154,
        .y = 602,
        .w = 47,
        .h = kEditHeight,
        .font = kRowEdit,
        .align = kAlignCentre };
    items << Item { .name = "lblPercento",
        .in = p,
        .x = 206,
        .y = 604,
        .w = 14,
        .h = 18,
        .kind = Kind::Text,
        .font = { "Verdana", 10, true },
        .text = QStringLiteral("%") };
    items << Item {
        .name = "cmdCalcola", .in = p, .x = 620, .y = 597, .w = 96, .h = 28, .font = { "Verdana", 10, true }
    };
    items << Item { .name = "shpTotFattura",
        .in = p,
        .x = 726,
        .y = 590,
        .w = 243,
        .h = 36,
        .kind = Kind::Shape,
        .fill = Style::GrandTotalFill,
        .stroke = Style::GrandTotalEdge };
    items << Item { .name = "lblTotFattura",
        .in = p,
        .x = 734,
        .y = 598,
        .w = 76,
        .h = 20,
        .kind = Kind::Text,
        .font = { "Verdana", 11, true },
        .text = QStringLiteral("TOTALE:") };
    items << Item { .name = "txtTotFattura",
        .in = p,
        .x = 810,
        .y = 596,
        .w = 151,
        .h = 24,
        .font = { "Verdana", 12, true },
        .align = kAlignRight };
}

} // namespace

Layout::Table hintBarTable()
{
    Layout::Table t;
    t.name = QStringLiteral("quote editor panel");
    const char *p = "panContainer";
    t.items << Item { .name = p, .x = Layout::Centre, .y = Layout::Centre, .w = 995, .h = 692 };
    t.items << Item { .name = "shpContainer",
        .in = p,
        .w = 995,
        .h = 692,
        .kind = Kind::Shape,
        .fill = Style::ContainerGrey,
        .fillBottom = Style::White };
    t.items << Item { .name = "shpInfo",
        .in = p,
        .x = 16,
        .y = 642,
        .w = 449,
        .h = 32,
        .kind = Kind::Shape,
        .fill = Style::QuoteHintColour };
    t.items << Item { .name = "panInfo", .in = p, .x = 16, .y = 642, .w = 449, .h = 32 };
    return t;
}

Layout::Table table()
{
    Layout::Table t;
    t.name = QStringLiteral("quote editor");
    const char *p = "panContainer";
    addCommandBar(t.items);
    t.items << Item { .name = "shpSezione01",
        .in = p,
        .x = 16,
        .y = 80,
        .w = 961,
        .h = 556,
        .kind = Kind::Shape,
        .fill = Style::White,
        .stroke = Style::SectionEdge };
    t.items << Item { .name = "panDitta", .in = p, .x = 24, .y = 88, .w = 360, .h = 254 };
    t.items << Item { .name = "panCliente", .in = p, .x = 392, .y = 88, .w = 360, .h = 254 };
    t.items << Item { .name = "panNumFattura", .in = p, .x = 760, .y = 88, .w = 209, .h = 254 };
    addHeader(t.items);
    addRowPages(t.items);
    addTotals(t.items);
    t.items << Item { .name = "lblNote",
        .in = p,
        .x = 478,
        .y = 651,
        .w = 46,
        .h = 16,
        .kind = Kind::Text,
        .font = { "Verdana", 9, true },
        .text = QStringLiteral("NOTE:") };
    t.items << Item { .name = "txtNote", .in = p, .x = 524, .y = 648, .w = 342, .h = kEditHeight, .font = kHeaderEdit };
    t.items << Item {
        .name = "chkSaldata", .in = p, .x = 878, .y = 647, .w = 98, .h = 25, .font = { "Verdana", 9, true }
    };

    // Page 1 in Tab order along its rows; the exempt boxes of rows 04 and 05
    // after every other field of the page.
    for (int row = 1; row <= 5; ++row) {
        for (const Column &c : kColumns)
            t.tabOrder << keep(QLatin1String(c.prefix) + two(row));
        if (row <= 3)
            t.tabOrder << keep(QStringLiteral("chkEs") + two(row));
    }
    t.tabOrder << "chkEs04"
               << "chkEs05";
    return t;
}

QList<const char *> shapes()
{
    QList<const char *> names;
    for (const Layout::Table &t : { hintBarTable(), table() })
        for (const Item &item : t.items)
            if (item.kind == Kind::Shape)
                names << item.name;
    return names;
}

} // namespace PreventiviLayout
