// The owner editor against its record layout, with the committed golden
// owners file: every field has its control, typing stops at each capacity,
// the golden records come back byte for byte, and Enter walks the chain.

#include "common/ui/Application.h"
#include "common/ui/ArchiveEditor.h"
#include "owners/Clienti.h"
#include "owners/core/OwnerRecord.h"
#include "tests/support/EditorConformance.h"
#include "tests/support/FixtureData.h"
#include "tests/support/TestSupport.h"

#include <QTest>

#include <memory>

using namespace TestSupport;

namespace
{

// The owner editor's controls and Enter successors, field by field.
const EditorConformance::Table &ownerTable()
{
    static const EditorConformance::Table table {
        { "Cliente", "txtCliente", "txtDataNasc" },
        { "DataNasc", "txtDataNasc", "txtComuneNasc" },
        { "ComuneNasc", "txtComuneNasc", "txtProvNasc" },
        { "ProvNasc", "txtProvNasc", "txtSesso" },
        { "Sesso", "txtSesso", "txtRecapito" },
        { "Recapito", "txtRecapito", "txtIndirizzoRes" },
        { "IndirizzoRes", "txtIndirizzoRes", "txtProvRes" },
        { "ProvRes", "txtProvRes", "txtComuneRes" },
        { "ComuneRes", "txtComuneRes", "txtCapRes" },
        { "CapRes", "txtCapRes", "txtEstremi" },
        { "Estremi", "txtEstremi", "txtTelCasa" },
        { "TelCasa", "txtTelCasa", "txtTelUff" },
        { "TelUff", "txtTelUff", "txtTelCel" },
        { "TelCel", "txtTelCel", "txtFax" },
        { "Fax", "txtFax", "txtEmail" },
        { "Email", "txtEmail", "txtCodFisc" },
        { "CodFisc", "txtCodFisc", "txtCarta" },
        { "Carta", "txtCarta", "txtScadeCarta" },
        { "ScadeCarta", "txtScadeCarta", "txtPartitaIva" },
        { "PartitaIva", "txtPartitaIva", "txtIban" },
        { "Iban", "txtIban", "txtDocumento" },
        { "Documento", "txtDocumento", "txtOccupazione" },
        { "Occupazione", "txtOccupazione", "txtCivile" },
        { "Civile", "txtCivile", "txtTitoli" },
        { "Titoli", "txtTitoli", "txtCaniOra" },
        { "CaniOra", "txtCaniOra", "txtCaniPrima" },
        { "CaniPrima", "txtCaniPrima", "txtQuestioni" },
        { "Questioni", "txtQuestioni", "txtNote" }, // the check box is skipped
        { "Note", "txtNote", "txtCliente" }, // the chain closes
        { "Ricontatta", "chkRicontatta", {} },
        { "File01", "lblFile01", {} },
        { "File02", "lblFile02", {} },
        { "File03", "lblFile03", {} },
        { "Desc01", "lblDesc01", {} },
        { "Desc02", "lblDesc02", {} },
        { "Desc03", "lblDesc03", {} },
    };
    return table;
}

QString failures(const QStringList &list)
{
    return list.join(QLatin1Char('\n'));
}

} // namespace

class TestOwnerConformance : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyFieldHasItsControlAndLimit();
    void goldenRecordsComeBack_data();
    void goldenRecordsComeBack();
    void enterChain();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<TfrmClienti> m_window;
};

void TestOwnerConformance::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
}

void TestOwnerConformance::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_window = std::make_unique<TfrmClienti>();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestOwnerConformance::cleanup()
{
    m_window.reset();
    m_folder.reset();
}

void TestOwnerConformance::everyFieldHasItsControlAndLimit()
{
    const QStringList found = EditorConformance::checkControls(m_window.get(), OwnerRecord::layout(), ownerTable())
        + EditorConformance::checkTypingLimits(m_window.get(), OwnerRecord::layout(), ownerTable());
    QVERIFY2(found.isEmpty(), qPrintable(failures(found)));
}

void TestOwnerConformance::goldenRecordsComeBack_data()
{
    QTest::addColumn<bool>("windowMoves");
    QTest::newRow("shown and taken back by the window") << true;
    QTest::newRow("moved by control name") << false;
}

void TestOwnerConformance::goldenRecordsComeBack()
{
    QFETCH(bool, windowMoves);
    TfrmClienti *w = m_window.get();
    EditorConformance::RecordMoves moves;
    if (windowMoves) {
        moves.load = [w](const RecordBuffer &record) { w->showRecord(record, 1); };
        moves.store = [w](RecordBuffer &record) { record.bytes() = w->currentRecord().bytes(); };
    }
    const QByteArray golden = FixtureData::bytes(FixtureData::file(QStringLiteral("owners"), QStringLiteral("golden")));
    const QStringList found = EditorConformance::checkRoundTrip(w, OwnerRecord::layout(), ownerTable(), golden, moves);
    QVERIFY2(found.isEmpty(), qPrintable(failures(found)));
}

void TestOwnerConformance::enterChain()
{
    const QStringList found = EditorConformance::checkEnterChain(m_window.get(), ownerTable());
    QVERIFY2(found.isEmpty(), qPrintable(failures(found)));
}

QTEST_MAIN(TestOwnerConformance)
#include "tst_ownerconformance.moc"
