// The dog search and picker: its ten filters and their fields, the count
// sentence with every filter empty, the golden list line, the pick of mode
// "cani" loading record, position and photo into the real dog editor, mode
// "scadenzario" writing exactly the nine fields of the deadlines editor, and
// an unknown mode writing nothing.

#include "common/ui/Delivery.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "dogs/Cani.h"
#include "dogs/DogPhoto.h"
#include "dogs/TrovaCani.h"
#include "dogs/core/DogListing.h"
#include "dogs/core/DogRecord.h"
#include "tests/support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

using namespace TestSupport;

namespace
{

struct Dog {
    QString nome, razza, chip, prop, tel, note;
};

QByteArray dogRecord(const Dog &d)
{
    RecordBuffer r(DogRecord::layout());
    r.setText(DogRecord::Nome, d.nome);
    r.setText(DogRecord::Razza, d.razza);
    r.setText(DogRecord::Microchip, d.chip);
    r.setText(DogRecord::Proprietario, d.prop);
    r.setText(DogRecord::Recapito, d.tel);
    r.setText(DogRecord::Note, d.note);
    r.setText(DogRecord::Mantello, QStringLiteral("fulvo"));
    r.setText(DogRecord::Segni, QStringLiteral("macchia bianca"));
    r.setText(DogRecord::DataNasc, QStringLiteral("01/02/2020"));
    r.setText(DogRecord::CodFisc, QStringLiteral("RSSMRA80A01H501U"));
    r.setText(DogRecord::Medico, QStringLiteral("dott. Verdi"));
    r.setText(DogRecord::File01, QStringLiteral("libretto.pdf"));
    return r.bytes();
}

// Three dogs, not in name order; the last is the one picked.
void writeArchive()
{
    QByteArray bytes;
    bytes += dogRecord({ "Zeus", "Alano", "380260000000001", "Bianchi Anna", "333 1", "" });
    bytes += dogRecord({ "Argo", "Pastore tedesco", "380260000000002", "Rossi Mario", "333 2", "morde" });
    bytes += dogRecord({ "Briciola", "Barboncino", "380260000000003", "Rossi Mario", "06 123456", "" });
    writeFile(DogRecord::path(), bytes);
}

void pickLine(TfrmTrovaCani &w, const QString &beginning)
{
    const QStringList lines = w.listedLines();
    for (int row = 0; row < lines.size(); ++row) {
        if (lines.at(row).startsWith(beginning)) {
            w.lstRecords->setCurrentRow(row);
            w.pickCommand();
            return;
        }
    }
    QFAIL("no line for that dog");
}

} // namespace

class TestTrovaCani : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { WindowRegistry::clear(); }
    void filtersSearchTheirFields_data();
    void filtersSearchTheirFields();
    void emptyFiltersListEveryDogInNameOrder();
    void listLineGolden();
    void pickLoadsDogEditor();
    void pickIntoDeadlinesWritesNineFields();
    void deliveryContract();
};

void TestTrovaCani::filtersSearchTheirFields_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("found");
    QTest::newRow("name") << "txtNome"
                          << "ARGO" << 1;
    QTest::newRow("breed") << "txtRazza"
                           << "pastore" << 1;
    QTest::newRow("chip") << "txtMicrochip"
                          << "38026" << 3;
    QTest::newRow("owner") << "txtProprietario"
                           << "rossi" << 2;
    QTest::newRow("notes") << "txtNote"
                           << "morde" << 1;
    QTest::newRow("vet") << "txtMedico"
                         << "verdi" << 3;
    QTest::newRow("fiscal code") << "txtCodFisc"
                                 << "h501u" << 3;
    QTest::newRow("date of birth") << "txtDataNasc"
                                   << "/2020" << 3;
    QTest::newRow("group: empty field") << "txtGruppo"
                                        << "terrier" << 0;
    QTest::newRow("ROI: empty field") << "txtROI"
                                      << "x" << 0;
}

void TestTrovaCani::filtersSearchTheirFields()
{
    QFETCH(QString, filter);
    QFETCH(QString, text);
    QFETCH(int, found);
    TempProgramFolder folder;
    writeArchive();
    TfrmTrovaCani w;
    w.show();
    auto *edit = w.findChild<QLineEdit *>(filter);
    QVERIFY(edit);
    edit->setText(text);
    QTest::mouseClick(w.btnCerca, Qt::LeftButton);
    QCOMPARE(w.lblConta->text(), QStringLiteral("1"));
    QCOMPARE(w.listedLines().size(), found);
    QCOMPARE(w.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(found));
}

void TestTrovaCani::emptyFiltersListEveryDogInNameOrder()
{
    TempProgramFolder folder;
    writeArchive();
    TfrmTrovaCani w;
    QCOMPARE(w.windowTitle(), QStringLiteral(" Trova cani in archivio"));
    w.show();
    QTest::mouseClick(w.btnCerca, Qt::LeftButton);
    QCOMPARE(w.lblConta->text(), QStringLiteral("0"));
    QCOMPARE(w.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 3 schede."));
    const QStringList lines = w.listedLines();
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(0).startsWith(QStringLiteral("Argo ")));
    QVERIFY(lines.at(1).startsWith(QStringLiteral("Briciola ")));
    QVERIFY(lines.at(2).startsWith(QStringLiteral("Zeus ")));

    // A missing archive is created empty and lists nothing.
    TempProgramFolder empty;
    TfrmTrovaCani none;
    none.show();
    QTest::mouseClick(none.btnCerca, Qt::LeftButton);
    QVERIFY(QFileInfo::exists(DogRecord::path()));
    QCOMPARE(none.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede."));
}

void TestTrovaCani::listLineGolden()
{
    const QByteArray r
        = dogRecord({ "Fido con un nome molto piu lungo di trenta", "Labrador", "123", "Neri Luca", " 0612 ", "" });
    const QString expected = QStringLiteral("Fido con un nome molto piu lun") + QStringLiteral("  Razza: ")
        + QStringLiteral("Labrador") + QString(20, QLatin1Char(' ')) + QStringLiteral("  Chip: ")
        + QStringLiteral("123") + QString(17, QLatin1Char(' ')) + QStringLiteral("  Prop. ")
        + QStringLiteral("Neri Luca") + QString(21, QLatin1Char(' ')) + QStringLiteral("  Tel. 0612");
    QCOMPARE(DogListing::searchLine(r.constData()), expected);
    QCOMPARE(expected.size(), DogListing::kFixedChars + 4);
}

void TestTrovaCani::pickLoadsDogEditor()
{
    TempProgramFolder folder;
    writeArchive();
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::red);
    QCOMPARE(DogPhoto::save(photo, QStringLiteral("3")), QString());

    TfrmCani editor;
    WindowRegistry::set(WindowNames::frmCani, &editor);
    editor.show();
    editor.txtAlimentazione->setText(QStringLiteral("before"));

    TfrmTrovaCani w;
    w.lblMemory->setText(QStringLiteral("cani"));
    w.show();
    QTest::mouseClick(w.btnCerca, Qt::LeftButton);
    pickLine(w, QStringLiteral("Briciola"));
    QVERIFY(!w.isVisible());

    QCOMPARE(editor.txtNome->text(), QStringLiteral("Briciola"));
    QCOMPARE(editor.txtRazza->text(), QStringLiteral("Barboncino"));
    QCOMPARE(editor.txtRecapito->text(), QStringLiteral("06 123456"));
    QCOMPARE(editor.txtAlimentazione->text(), QString()); // every field, the empty ones too
    QCOMPARE(editor.lblFile01->text(), QStringLiteral("libretto.pdf"));
    QCOMPARE(editor.lblPosizione->text().trimmed(), QStringLiteral("3"));
    const QImage shown = editor.photo();
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.size(), photo.size());
    QVERIFY(shown.pixelColor(5, 5).red() > 240 && shown.pixelColor(5, 5).green() < 20); // a JPEG: red, near enough
}

void TestTrovaCani::pickIntoDeadlinesWritesNineFields()
{
    TempProgramFolder folder;
    writeArchive();
    // The deadlines editor, known by its controls: the nine edits and others.
    const QStringList nine = { "txtNome", "txtDataNasc", "txtRazza", "txtMantello", "txtMicrochip", "txtSegni",
        "txtProprietario", "txtRecapito", "txtCodFisc" };
    QWidget deadlines;
    for (const QString &name : nine + QStringList { "txtNote", "txtGruppo", "txtMedico" }) {
        auto *e = new QLineEdit(QStringLiteral("before"), &deadlines);
        e->setObjectName(name);
    }
    auto *position = new QLabel(QStringLiteral("before"), &deadlines);
    position->setObjectName(QStringLiteral("lblPosizione"));
    WindowRegistry::set(WindowNames::frmScadenzario, &deadlines);

    TfrmTrovaCani w;
    w.lblMemory->setText(QStringLiteral("scadenzario"));
    w.show();
    QTest::mouseClick(w.btnCerca, Qt::LeftButton);
    pickLine(w, QStringLiteral("Argo"));

    auto text = [&](const char *name) { return deadlines.findChild<QLineEdit *>(name)->text(); };
    QCOMPARE(text("txtNome"), QStringLiteral("Argo"));
    QCOMPARE(text("txtDataNasc"), QStringLiteral("01/02/2020"));
    QCOMPARE(text("txtRazza"), QStringLiteral("Pastore tedesco"));
    QCOMPARE(text("txtMantello"), QStringLiteral("fulvo"));
    QCOMPARE(text("txtMicrochip"), QStringLiteral("380260000000002"));
    QCOMPARE(text("txtSegni"), QStringLiteral("macchia bianca"));
    QCOMPARE(text("txtProprietario"), QStringLiteral("Rossi Mario"));
    QCOMPARE(text("txtRecapito"), QStringLiteral("333 2"));
    QCOMPARE(text("txtCodFisc"), QStringLiteral("RSSMRA80A01H501U"));
    // Nothing else: no note, group, vet or position.
    QCOMPARE(text("txtNote"), QStringLiteral("before"));
    QCOMPARE(text("txtGruppo"), QStringLiteral("before"));
    QCOMPARE(text("txtMedico"), QStringLiteral("before"));
    QCOMPARE(position->text(), QStringLiteral("before"));

    // Another mode ("Scadenzario": the case counts) writes nothing.
    deadlines.findChild<QLineEdit *>("txtNome")->setText(QStringLiteral("before"));
    TfrmTrovaCani other;
    other.lblMemory->setText(QStringLiteral("Scadenzario"));
    other.show();
    QTest::mouseClick(other.btnCerca, Qt::LeftButton);
    pickLine(other, QStringLiteral("Argo"));
    QCOMPARE(text("txtNome"), QStringLiteral("before"));
}

void TestTrovaCani::deliveryContract()
{
    TempProgramFolder folder;
    const Delivery::Route *cani = DogDelivery::table().route(QStringLiteral("cani"));
    QVERIFY(cani);
    QCOMPARE(QString::fromLatin1(cani->target), QString::fromLatin1(WindowNames::frmCani));
    QCOMPARE(cani->controls().size(), DogRecord::FieldCount + 1);
    TfrmCani editor; // the real dog editor
    QCOMPARE(Delivery::missingControls(*cani, &editor), QStringList());
    QCOMPARE(cani->controls().last(), QStringLiteral("lblPosizione"));
}

QTEST_MAIN(TestTrovaCani)
#include "tst_trovacani.moc"
