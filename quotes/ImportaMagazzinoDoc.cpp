#include "quotes/ImportaMagazzinoDoc.h"

#include "catalog/core/CatalogListing.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ui/ControlText.h"
#include "common/ui/WindowNames.h"
#include "quotes/QuoteControls.h"
#include "quotes/core/QuoteListing.h"
#include "quotes/core/QuoteRecord.h"

#include <QLabel>
#include <QShowEvent>

namespace
{

ListWindow::Setup importSetup(TfrmImportaMagazzinoDoc *self)
{
    ListWindow::Setup s;
    s.caption = QStringLiteral(" Importazione dati da listino prezzi");
    s.printTitle = QStringLiteral("Servizi in listino prezzi");
    s.lastSearchText = &TfrmImportaMagazzinoDoc::lastSearchText();
    s.itemWidth = 1600;
    s.headingArt = QStringLiteral("listino");
    s.fill = ListWindow::archiveFill(
        &ServiceRecord::path, ServiceRecord::size(), &QuoteListing::isOfferedService, CatalogListing::serviceShape());
    s.pick = ListWindow::tablePick(&ServiceRecord::path, ServiceRecord::size(), TfrmImportaMagazzinoDoc::deliveries(),
        [self] { return WindowKit::callerMode(self->lblMemory); });
    return s;
}

} // namespace

TfrmImportaMagazzinoDoc::TfrmImportaMagazzinoDoc(QWidget *owner)
    : ListWindow(owner, importSetup(this))
{
    setObjectName(QLatin1String(WindowNames::frmImportaMagazzinoDoc));
    lblMemory = WindowKit::hiddenLabel(this, "lblMemory");
}

QString &TfrmImportaMagazzinoDoc::lastSearchText()
{
    static QString text;
    return text;
}

QString TfrmImportaMagazzinoDoc::rowKey(int row)
{
    return QStringLiteral("pre_art_%1").arg(row, 2, 10, QLatin1Char('0'));
}

QStringList TfrmImportaMagazzinoDoc::emptiedControls(int row)
{
    using namespace QuoteRecord;
    QStringList names { QuoteControls::name(rowField(Importo01, row)) };
    for (int f : { TotImponibile, TotImposta, TotIva, TotEsente, TotFattura })
        names << QuoteControls::name(f);
    return names;
}

const Delivery::Table &TfrmImportaMagazzinoDoc::deliveries()
{
    static const Delivery::Table t = [] {
        using namespace QuoteRecord;
        Delivery::Table table { &ServiceRecord::layout(), {} };
        for (int row = 1; row <= RowCount; ++row) {
            const QStringList emptied = emptiedControls(row);
            table.routes.push_back({ rowKey(row), WindowNames::frmPreventivi,
                { { ServiceRecord::Codice, QuoteControls::name(rowField(Codice01, row)) },
                    { ServiceRecord::Descrizione, QuoteControls::name(rowField(Desc01, row)) },
                    { ServiceRecord::Prezzo, QuoteControls::name(rowField(Prezzo01, row)) } },
                false, [emptied](QWidget *target, const RecordBuffer &, qint64) {
                    for (const QString &name : emptied)
                        ControlText::setNamed(target, name, QString());
                } });
        }
        return table;
    }();
    return t;
}

void TfrmImportaMagazzinoDoc::showEvent(QShowEvent *event)
{
    const bool first = !m_centred;
    ListWindow::showEvent(event);
    if (first && !event->spontaneous()) {
        m_centred = true;
        WindowKit::centreOn(this, nullptr);
    }
}

void TfrmImportaMagazzinoDoc::openForRow(QWidget *owner, int row)
{
    WindowKit::openModalDialog<TfrmImportaMagazzinoDoc>(
        owner, [row](TfrmImportaMagazzinoDoc &d) { d.lblMemory->setText(rowKey(row)); });
}
