// The dog editor against its record layout, with the committed golden dogs
// file: every field has its edit, typing stops at each capacity, the golden
// records come back byte for byte, and Enter walks the chain of the header and
// of the panel in front, whichever it is.

#include "common/ui/Application.h"
#include "dogs/Cani.h"
#include "dogs/DogControls.h"
#include "dogs/core/DogRecord.h"
#include "tests/support/EditorConformance.h"
#include "tests/support/FixtureData.h"
#include "tests/support/TestSupport.h"

#include <QFrame>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(TfrmCani::Tab)

using namespace TestSupport;

namespace
{

using Tab = TfrmCani::Tab;

DogRecord::Section sectionOf(Tab tab)
{
    switch (tab) {
    case Tab::Psicosomatica:
        return DogRecord::Section::Psicosomatica;
    case Tab::Albero:
        return DogRecord::Section::Albero;
    case Tab::Sanitaria:
        return DogRecord::Section::Sanitaria;
    case Tab::Documenti:
        break;
    }
    return DogRecord::Section::Hidden;
}

// Every field with its control. Enter successors are given for the fields
// that can take the focus with `tab` in front (the header and that panel):
// the next field within the header and the panel, the name after the last
// field of the panel, the first control of the panel after the breed.
EditorConformance::Table dogTable(Tab tab)
{
    static const char *const firstControls[] = { "txtMantello", "txtProprietario", "txtVaccinazioni", "btnCartella" };
    EditorConformance::Table table;
    const RecordLayout &layout = DogRecord::layout();
    for (int f = 0; f < layout.fieldCount(); ++f) {
        QString successor;
        const DogRecord::Section section = DogRecord::section(f);
        if (f == DogRecord::Razza)
            successor = QLatin1String(firstControls[int(tab)]);
        else if (section != DogRecord::Section::Hidden
            && (section == DogRecord::Section::Header || section == sectionOf(tab)))
            successor = f == DogRecord::lastField(section) ? QStringLiteral("txtNome") : DogControls::name(f + 1);
        table.append({ layout.name(f), DogControls::name(f), successor });
    }
    return table;
}

QString failures(const QStringList &list)
{
    return list.join(QLatin1Char('\n'));
}

} // namespace

class TestDogConformance : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { KennoraApplication::installFontSubstitutions(); }
    void init();
    void cleanup();

    void everyFieldHasItsControlAndLimit();
    void goldenRecordsComeBack_data();
    void goldenRecordsComeBack();
    void enterChain_data();
    void enterChain();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<TfrmCani> m_window;
};

void TestDogConformance::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_window = std::make_unique<TfrmCani>();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestDogConformance::cleanup()
{
    m_window.reset();
    m_folder.reset();
}

void TestDogConformance::everyFieldHasItsControlAndLimit()
{
    QStringList found = EditorConformance::checkControls(m_window.get(), DogRecord::layout(), dogTable(Tab::Albero));
    // Typing needs the field's panel in front: the header with the first panel,
    // then each panel's own fields.
    for (Tab tab : { Tab::Psicosomatica, Tab::Albero, Tab::Sanitaria }) {
        m_window->showTab(tab);
        EditorConformance::Table typed;
        for (const EditorConformance::Row &row : dogTable(tab)) {
            const int field = DogRecord::layout().indexOf(row.field);
            if (DogRecord::section(field) == sectionOf(tab)
                || (tab == Tab::Psicosomatica && DogRecord::section(field) == DogRecord::Section::Header))
                typed.append(row);
        }
        found += EditorConformance::checkTypingLimits(m_window.get(), DogRecord::layout(), typed);
    }
    QCOMPARE(m_window->edits().size(), 54);
    QVERIFY2(found.isEmpty(), qPrintable(failures(found)));
}

void TestDogConformance::goldenRecordsComeBack_data()
{
    QTest::addColumn<bool>("windowMoves");
    QTest::newRow("shown and taken back by the window") << true;
    QTest::newRow("moved by control name") << false;
}

void TestDogConformance::goldenRecordsComeBack()
{
    QFETCH(bool, windowMoves);
    TfrmCani *w = m_window.get();
    EditorConformance::RecordMoves moves;
    if (windowMoves) {
        moves.load = [w](const RecordBuffer &record) { w->showRecord(record, 1); };
        moves.store = [w](RecordBuffer &record) { record.bytes() = w->currentRecord().bytes(); };
    }
    const QByteArray golden = FixtureData::bytes(FixtureData::file(QStringLiteral("dogs"), QStringLiteral("golden")));
    const QStringList found
        = EditorConformance::checkRoundTrip(w, DogRecord::layout(), dogTable(Tab::Psicosomatica), golden, moves);
    QVERIFY2(found.isEmpty(), qPrintable(failures(found)));
}

void TestDogConformance::enterChain_data()
{
    QTest::addColumn<Tab>("tab");
    QTest::newRow("Dati psicosomatici") << Tab::Psicosomatica;
    QTest::newRow("Albero genealogico") << Tab::Albero;
    QTest::newRow("Situazione sanitaria") << Tab::Sanitaria;
    QTest::newRow("Documenti e costi") << Tab::Documenti;
}

void TestDogConformance::enterChain()
{
    QFETCH(Tab, tab);
    m_window->showTab(tab);
    const QStringList found = EditorConformance::checkEnterChain(m_window.get(), dogTable(tab));
    QVERIFY2(found.isEmpty(), qPrintable(failures(found)));
    QCOMPARE(m_window->visibleTab(), tab); // the chain never switches tabs
}

QTEST_MAIN(TestDogConformance)
#include "tst_dogconformance.moc"
