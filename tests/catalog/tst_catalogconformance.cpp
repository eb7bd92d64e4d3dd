// The services editor and the boxes editor against their record layouts,
// with the committed golden files: every field has its control, typing stops
// at each capacity, the golden records come back byte for byte, and Enter
// walks the ten edits in a circle (the check box is not in it).

#include "catalog/Box_Cani.h"
#include "catalog/Listino_Prezzi.h"
#include "catalog/core/BoxRecord.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ui/Application.h"
#include "tests/support/EditorConformance.h"
#include "tests/support/FixtureData.h"
#include "tests/support/TestSupport.h"

#include <QTest>

#include <memory>

using namespace TestSupport;

namespace
{

EditorConformance::Table table(const RecordLayout &layout, const QList<int> &tabOrder, int flag)
{
    EditorConformance::Table rows;
    for (int i = 0; i < tabOrder.size(); ++i) {
        const QString name = layout.name(tabOrder.at(i));
        const QString next = layout.name(tabOrder.at((i + 1) % tabOrder.size()));
        rows.append({ name, QStringLiteral("txt") + name, QStringLiteral("txt") + next });
    }
    rows.append({ layout.name(flag), QStringLiteral("chk") + layout.name(flag), {} });
    for (const char *slot : { "File01", "File02", "File03", "Desc01", "Desc02", "Desc03" })
        rows.append({ QLatin1String(slot), QStringLiteral("lbl") + QLatin1String(slot), {} });
    return rows;
}

const EditorConformance::Table &serviceTable()
{
    using namespace ServiceRecord;
    static const EditorConformance::Table rows = table(layout(),
        { Codice, Descrizione, Prezzo, Tipologia, Supplementi, Luogo, Durata, Vincoli, Responsabile, Note },
        NonErogabile);
    return rows;
}

const EditorConformance::Table &boxTable()
{
    using namespace BoxRecord;
    static const EditorConformance::Table rows = table(layout(),
        { Box, Dimensioni, Capacita, Prezzo, Tipologia, Taglia, Descrizione, Collocazione, Accessori, Note },
        NonPrenotabile);
    return rows;
}

} // namespace

class TestCatalogConformance : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { KennoraApplication::installFontSubstitutions(); }
    void conforms_data();
    void conforms();
};

void TestCatalogConformance::conforms_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("windowMoves");
    QTest::newRow("services, shown and taken back by the window") << "services" << true;
    QTest::newRow("services, moved by control name") << "services" << false;
    QTest::newRow("boxes, shown and taken back by the window") << "boxes" << true;
    QTest::newRow("boxes, moved by control name") << "boxes" << false;
}

void TestCatalogConformance::conforms()
{
    QFETCH(QString, format);
    QFETCH(bool, windowMoves);
    TempProgramFolder folder;
    const bool services = format == QLatin1String("services");
    std::unique_ptr<TCatalogEditor> window;
    if (services)
        window = std::make_unique<TfrmListino_Prezzi>();
    else
        window = std::make_unique<TfrmBox_Cani>();
    TCatalogEditor *w = window.get();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));

    const RecordLayout &layout = services ? ServiceRecord::layout() : BoxRecord::layout();
    const EditorConformance::Table &rows = services ? serviceTable() : boxTable();
    EditorConformance::RecordMoves moves;
    if (windowMoves) {
        moves.load = [w](const RecordBuffer &record) { w->showRecord(record, 1); };
        moves.store = [w](RecordBuffer &record) { record.bytes() = w->currentRecord().bytes(); };
    }
    const QByteArray golden = FixtureData::bytes(FixtureData::file(format, QStringLiteral("golden")));
    const QStringList found = EditorConformance::check(w, layout, rows, golden, moves);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestCatalogConformance)
#include "tst_catalogconformance.moc"
