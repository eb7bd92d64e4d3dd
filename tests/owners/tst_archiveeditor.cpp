#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/RecordLayout.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/ArchiveForm.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

// A small editor: a name, a town, a flag and one attachment slot.
const RecordLayout &sampleLayout()
{
    static const RecordLayout layout { { "Nome", 20 }, { "Citta", 10 }, { "Flag", 2 }, { "File01", 30 } };
    return layout;
}

QString controlOf(int field)
{
    static const char *const names[] = { "txtNome", "txtCitta", "chkFlag", "lblFile01" };
    return QLatin1String(names[field]);
}

QByteArray record(
    const QString &name, const QString &town = QString(), bool flag = false, const QString &file = QString())
{
    RecordBuffer b(sampleLayout());
    b.clear();
    b.setText(0, name);
    b.setText(1, town);
    b.setFlag(2, flag);
    b.setText(3, file);
    return b.bytes();
}

QByteArray records(int n)
{
    QByteArray all;
    for (int i = 1; i <= n; ++i)
        all += record(QStringLiteral("Nome %1").arg(i), QStringLiteral("Citta %1").arg(i), i % 2 == 0,
            QStringLiteral("file%1.pdf").arg(i));
    return all;
}

// A small editor: its window is the form; each step it adds to the commands
// is written down in `steps`, with the position label's text at that moment.
struct Editor : ArchiveForm {
    QWidget window;
    QLineEdit *txtNome = new QLineEdit(&window);
    QLineEdit *txtCitta = new QLineEdit(&window);
    QCheckBox *chkFlag = new QCheckBox(&window);
    QLabel *lblFile01 = new QLabel(&window);
    QLabel *lblPosizione = new QLabel(&window);
    ArchiveEditor *editor = nullptr;
    QString path;
    QStringList steps;

    explicit Editor(const QString &archive, const std::function<void(ArchiveEditor::Setup &)> &adapt = {})
        : path(archive)
    {
        txtNome->setObjectName("txtNome");
        txtCitta->setObjectName("txtCitta");
        chkFlag->setObjectName("chkFlag");
        lblFile01->setObjectName("lblFile01");
        lblPosizione->setObjectName("lblPosizione");
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : { static_cast<QWidget *>(txtNome), static_cast<QWidget *>(txtCitta),
                 static_cast<QWidget *>(chkFlag), static_cast<QWidget *>(lblPosizione) })
            layout->addWidget(w);
        lblFile01->hide();

        ArchiveEditor::Setup s;
        s.layout = &sampleLayout();
        s.path = [this]() { return path; };
        s.position = lblPosizione;
        s.firstField = txtNome;
        s.checks = { ArchiveEditor::mandatory(txtNome, ArchiveEditor::kMandatoryPrefix + "il nome."),
            ArchiveEditor::mandatory(txtCitta, ArchiveEditor::kMandatoryPrefix + "la citt\u00E0.") };
        if (adapt)
            adapt(s);
        editor = new ArchiveEditor(&window, *this, s);
    }
    void loadRecord(const RecordBuffer &r) override { ArchiveEditor::loadControls(&window, r, controlOf); }
    void storeRecord(RecordBuffer &r) override { ArchiveEditor::storeControls(&window, r, controlOf); }
    void clearRecord() override
    {
        txtNome->clear();
        txtCitta->clear();
        chkFlag->setChecked(false);
        lblFile01->clear();
    }
    void clearForDuplicate() override { lblFile01->clear(); }
    void note(const QString &step) { steps.append(step + "@" + lblPosizione->text()); }
    void afterShow(qint64 position) override { note(QStringLiteral("afterShow %1").arg(position)); }
    void prepareSave() override { note("prepareSave"); }
    void afterWrite(qint64 position) override { note(QStringLiteral("afterWrite %1").arg(position)); }
    void afterNew(qint64 count) override { note(QStringLiteral("afterNew %1").arg(count)); }

    void showActive()
    {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

} // namespace

class TestArchiveEditor : public QObject
{
    Q_OBJECT
private slots:
    void navigation_data();
    void navigation();
    void emptyArchive_data();
    void emptyArchive();
    void saveAppendsThenOverwrites();
    void saveZeroesTheBuffer();
    void mandatoryFieldsInOrder_data();
    void mandatoryFieldsInOrder();
    void newClearsWithoutTouchingArchive();
    void duplicateThenSaveAppendsCopyWithoutAttachments();
    void duplicateNeedsStoredRecord();
    void failedCommandKeepsPosition_data();
    void failedCommandKeepsPosition();
    void failedDuplicateKeepsStoredRecord();
    void accessFailureAsWarning();
    void showRecordSetsPosition();

    void afterShowFollowsEveryShownRecord_data();
    void afterShowFollowsEveryShownRecord();
    void saveStepsRunInOrder_data();
    void saveStepsRunInOrder();
    void checksStopAtTheFirstRefusal_data();
    void checksStopAtTheFirstRefusal();
    void failedAfterWriteKeepsTheWrittenPosition();
    void newCountsTheArchiveForItsStep();
    void newThatCannotCountChangesNothing();
    void duplicateWithoutArchive();
};

void TestArchiveEditor::navigation_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("name"); // name shown after ("-" = untouched)
    QTest::addColumn<QString>("to");
    using C = ArchiveEditor::Command;
    QTest::newRow("first from empty") << "" << int(C::First) << "Nome 1"
                                      << "1";
    QTest::newRow("first from 3") << "3" << int(C::First) << "Nome 1"
                                  << "1";
    QTest::newRow("last from empty") << "" << int(C::Last) << "Nome 3"
                                     << "3";
    QTest::newRow("next from empty") << "" << int(C::Next) << "Nome 1"
                                     << "1";
    QTest::newRow("next from 1") << "1" << int(C::Next) << "Nome 2"
                                 << "2";
    QTest::newRow("next from 2") << "2" << int(C::Next) << "Nome 3"
                                 << "3";
    QTest::newRow("next on last stops") << "3" << int(C::Next) << "-"
                                        << "3";
    QTest::newRow("next beyond count stops") << "7" << int(C::Next) << "-"
                                             << "7";
    QTest::newRow("previous from empty") << "" << int(C::Previous) << "Nome 1"
                                         << "1";
    QTest::newRow("previous on first stops") << "1" << int(C::Previous) << "-"
                                             << "1";
    QTest::newRow("previous from 2") << "2" << int(C::Previous) << "Nome 1"
                                     << "1";
    QTest::newRow("previous from 3") << "3" << int(C::Previous) << "Nome 2"
                                     << "2";
    QTest::newRow("position with blanks") << " 2 " << int(C::Next) << "Nome 3"
                                          << "3";
}

void TestArchiveEditor::navigation()
{
    QFETCH(QString, from);
    QFETCH(int, command);
    QFETCH(QString, name);
    QFETCH(QString, to);
    TempProgramFolder folder;
    writeFile(folder.file("A.pro"), records(3));
    MessageRecorder boxes;
    Editor e(folder.file("A.pro"));
    e.txtNome->setText("-");
    e.lblPosizione->setText(from);
    QVERIFY(e.editor->run(ArchiveEditor::Command(command)));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(e.txtNome->text(), name);
    QCOMPARE(e.lblPosizione->text().trimmed(), to);
    if (name != "-") {
        const int n = name.mid(5).toInt();
        QCOMPARE(e.txtCitta->text(), QStringLiteral("Citta %1").arg(n));
        QCOMPARE(e.chkFlag->isChecked(), n % 2 == 0);
        QCOMPARE(e.lblFile01->text(), QStringLiteral("file%1.pdf").arg(n));
    }
    QCOMPARE(readFile(folder.file("A.pro")), records(3));
}

void TestArchiveEditor::emptyArchive_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("after");
    using C = ArchiveEditor::Command;
    QTest::newRow("first") << int(C::First) << "4";
    QTest::newRow("previous") << int(C::Previous) << "4";
    QTest::newRow("last") << int(C::Last) << "4";
    QTest::newRow("next empties the position") << int(C::Next) << "";
}

void TestArchiveEditor::emptyArchive()
{
    QFETCH(int, command);
    QFETCH(QString, after);
    TempProgramFolder folder;
    MessageRecorder boxes;
    Editor e(folder.file("Vuoto.pro")); // missing: created empty
    e.lblPosizione->setText("4");
    e.editor->run(ArchiveEditor::Command(command));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Information);
    QCOMPARE(boxes.lastText(), QString("L'archivio non contiene nessuna scheda."));
    QCOMPARE(e.lblPosizione->text(), after);
    QVERIFY(QFileInfo::exists(folder.file("Vuoto.pro")));
}

void TestArchiveEditor::saveAppendsThenOverwrites()
{
    TempProgramFolder folder;
    const int size = sampleLayout().size();
    writeFile(folder.file("A.pro"), records(7));
    MessageRecorder boxes;
    Editor e(folder.file("A.pro"));
    e.txtNome->setText("  Rossi  ");
    e.txtCitta->setText("Roma");
    e.chkFlag->setChecked(true);
    QVERIFY(e.editor->save());
    QCOMPARE(e.lblPosizione->text(), QString("8"));
    QCOMPARE(boxes.lastText(), QString("La scheda corrente \u00E8 stata inserita in archivio."));
    QByteArray file = readFile(folder.file("A.pro"));
    QCOMPARE(file.size(), 8 * size);
    QCOMPARE(file.left(7 * size), records(7));
    QCOMPARE(file.mid(7 * size), record("Rossi", "Roma", true));
    QCOMPARE(e.txtNome->text(), QString("  Rossi  ")); // the fields stay as they are

    e.txtNome->setText("Bianchi");
    QVERIFY(e.editor->save());
    QCOMPARE(e.lblPosizione->text(), QString("8"));
    QCOMPARE(boxes.lastText(), QString("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    file = readFile(folder.file("A.pro"));
    QCOMPARE(file.size(), 8 * size);
    QCOMPARE(file.mid(7 * size), record("Bianchi", "Roma", true));

    // A stored record in the middle is overwritten in place.
    e.lblPosizione->setText("2");
    QVERIFY(e.editor->save());
    file = readFile(folder.file("A.pro"));
    QCOMPARE(file.mid(size, size), record("Bianchi", "Roma", true));
    QCOMPARE(file.left(size), records(1));
}

void TestArchiveEditor::saveZeroesTheBuffer()
{
    // A long name read before must not linger behind a shorter one saved after.
    TempProgramFolder folder;
    writeFile(folder.file("A.pro"), record("Un nome molto lungo", "Milano"));
    MessageRecorder boxes;
    Editor e(folder.file("A.pro"));
    QVERIFY(e.editor->first());
    e.txtNome->setText("Re");
    e.lblPosizione->clear();
    QVERIFY(e.editor->save());
    QCOMPARE(readFile(folder.file("A.pro")).mid(sampleLayout().size()), record("Re", "Milano"));
}

void TestArchiveEditor::mandatoryFieldsInOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("town");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("focus");
    QTest::newRow("both blank") << "   "
                                << ""
                                << "Attenzione: per salvare la scheda \u00E8 necessario indicare il nome."
                                << "txtNome";
    QTest::newRow("town blank") << "Rossi"
                                << " \t"
                                << "Attenzione: per salvare la scheda \u00E8 necessario indicare la citt\u00E0."
                                << "txtCitta";
}

void TestArchiveEditor::mandatoryFieldsInOrder()
{
    QFETCH(QString, name);
    QFETCH(QString, town);
    QFETCH(QString, warning);
    QFETCH(QString, focus);
    TempProgramFolder folder;
    MessageRecorder boxes;
    Editor e(folder.file("A.pro"));
    e.showActive();
    e.txtCitta->setFocus();
    e.txtNome->setText(name);
    e.txtCitta->setText(town);
    QVERIFY(!e.editor->save());
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Warning);
    QCOMPARE(boxes.lastText(), warning);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(!QFileInfo::exists(folder.file("A.pro"))); // not even opened
}

void TestArchiveEditor::newClearsWithoutTouchingArchive()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    Editor e(folder.file("A.pro"));
    e.showActive();
    e.txtCitta->setFocus();
    e.txtNome->setText("x");
    e.chkFlag->setChecked(true);
    e.lblFile01->setText("a.pdf");
    e.lblPosizione->setText("3");
    QVERIFY(e.editor->newRecord());
    QVERIFY(e.txtNome->text().isEmpty());
    QVERIFY(!e.chkFlag->isChecked());
    QVERIFY(e.lblFile01->text().isEmpty());
    QVERIFY(e.lblPosizione->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), e.txtNome);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!QFileInfo::exists(folder.file("A.pro")));
}

void TestArchiveEditor::duplicateThenSaveAppendsCopyWithoutAttachments()
{
    TempProgramFolder folder;
    writeFile(folder.file("A.pro"), records(3));
    MessageRecorder boxes;
    Editor e(folder.file("A.pro"));
    e.showActive();
    e.lblPosizione->setText("1");
    QVERIFY(e.editor->next());
    QCOMPARE(e.lblFile01->text(), QString("file2.pdf"));
    e.txtCitta->setText("Nuova"); // typed since the load: kept in the copy
    e.txtCitta->setFocus();
    QVERIFY(e.editor->duplicate());
    QCOMPARE(boxes.lastKind(), Kind::Information);
    QCOMPARE(boxes.lastText(),
        QString("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                "Al termine premere Salva per inserire la scheda in archivio."));
    QVERIFY(e.lblPosizione->text().isEmpty());
    QVERIFY(e.lblFile01->text().isEmpty());
    QCOMPARE(e.txtNome->text(), QString("Nome 2"));
    QCOMPARE(QApplication::focusWidget(), e.txtNome);
    QVERIFY(e.editor->save());
    QCOMPARE(e.lblPosizione->text(), QString("4"));
    const QByteArray file = readFile(folder.file("A.pro"));
    QCOMPARE(file.left(3 * sampleLayout().size()), records(3)); // the original keeps its attachment
    QCOMPARE(file.mid(3 * sampleLayout().size()), record("Nome 2", "Nuova", true, QString()));
}

void TestArchiveEditor::duplicateNeedsStoredRecord()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    Editor e(folder.file("A.pro"));
    e.txtNome->setText("Rossi");
    e.lblFile01->setText("a.pdf");
    e.lblPosizione->setText("  ");
    QVERIFY(!e.editor->duplicate());
    QCOMPARE(boxes.lastKind(), Kind::Warning);
    QCOMPARE(boxes.lastText(),
        QString("Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo "
                "che questa \u00E8 stata inserita in archivio."));
    QCOMPARE(e.lblFile01->text(), QString("a.pdf"));
    QCOMPARE(e.txtNome->text(), QString("Rossi"));
    QVERIFY(!QFileInfo::exists(folder.file("A.pro")));
}

void TestArchiveEditor::failedCommandKeepsPosition_data()
{
    QTest::addColumn<QString>("archive"); // "dir": a folder stands where the file should be
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("command");
    using C = ArchiveEditor::Command;
    QTest::newRow("next from empty, archive unreadable") << "dir" << 0 << "" << int(C::Next);
    QTest::newRow("first, archive unreadable") << "dir" << 0 << "2" << int(C::First);
    QTest::newRow("save new, archive unreadable") << "dir" << 0 << "" << int(C::Save);
    QTest::newRow("save, position not a number") << "file" << 3 << "abc" << int(C::Save);
    QTest::newRow("next, position not a number") << "file" << 3 << "x1" << int(C::Next);
    QTest::newRow("previous, position 0") << "file" << 3 << "0" << int(C::Previous);
    QTest::newRow("save beyond a truncated archive") << "file" << 3 << "6" << int(C::Save);
    QTest::newRow("previous beyond a truncated archive") << "file" << 3 << "6" << int(C::Previous);
    QTest::newRow("archive folder missing") << "missing" << 0 << "" << int(C::Next);
}

void TestArchiveEditor::failedCommandKeepsPosition()
{
    QFETCH(QString, archive);
    QFETCH(int, records);
    QFETCH(QString, from);
    QFETCH(int, command);
    TempProgramFolder folder;
    QString path = folder.file("A.pro");
    if (archive == "dir")
        QVERIFY(QDir().mkpath(path));
    else if (archive == "missing")
        path = folder.file("nessuna/A.pro");
    else
        writeFile(path, ::records(records) + QByteArray(10, 'x')); // with a partial tail
    const QByteArray before = readFile(path);
    MessageRecorder boxes;
    Editor e(path);
    e.txtNome->setText("Rossi");
    e.txtCitta->setText("Roma");
    e.lblPosizione->setText(from);
    QVERIFY(!e.editor->run(ArchiveEditor::Command(command)));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Error);
    QCOMPARE(boxes.lastText(), kArchiveAccessMessage);
    QCOMPARE(e.lblPosizione->text(), from);
    QCOMPARE(e.txtNome->text(), QString("Rossi"));
    QCOMPARE(readFile(path), before);
}

void TestArchiveEditor::failedDuplicateKeepsStoredRecord()
{
    TempProgramFolder folder;
    QVERIFY(QDir().mkpath(folder.file("A.pro")));
    MessageRecorder boxes;
    Editor e(folder.file("A.pro"));
    e.lblPosizione->setText("2");
    e.lblFile01->setText("a.pdf");
    QVERIFY(!e.editor->duplicate());
    QCOMPARE(boxes.lastText(), kArchiveAccessMessage);
    QCOMPARE(e.lblPosizione->text(), QString("2"));
    QCOMPARE(e.lblFile01->text(), QString("a.pdf"));
}

void TestArchiveEditor::accessFailureAsWarning()
{
    TempProgramFolder folder;
    QVERIFY(QDir().mkpath(folder.file("A.pro")));
    MessageRecorder boxes;
    Editor quoteLike(folder.file("A.pro"),
        [](ArchiveEditor::Setup &s) { s.accessFailureAsWarning = { ArchiveEditor::Command::First }; });
    QVERIFY(!quoteLike.editor->first());
    QCOMPARE(boxes.lastKind(), Kind::Warning);
    QCOMPARE(boxes.lastText(), kArchiveAccessMessage);
    QVERIFY(!quoteLike.editor->last());
    QCOMPARE(boxes.lastKind(), Kind::Error);
}

void TestArchiveEditor::showRecordSetsPosition()
{
    TempProgramFolder folder;
    writeFile(folder.file("A.pro"), records(3));
    MessageRecorder boxes;
    Editor e(folder.file("A.pro"));
    RecordBuffer picked(sampleLayout());
    picked.bytes() = record("Verdi", "Pisa", true, "x.pdf");
    e.editor->showRecord(picked, 2);
    QCOMPARE(e.txtNome->text(), QString("Verdi"));
    QCOMPARE(e.lblFile01->text(), QString("x.pdf"));
    QCOMPARE(e.lblPosizione->text(), QString("2"));
    e.txtCitta->setText("Lucca");
    QVERIFY(e.editor->save());
    QCOMPARE(readFile(folder.file("A.pro")).mid(sampleLayout().size(), sampleLayout().size()),
        record("Verdi", "Lucca", true, "x.pdf"));
}

void TestArchiveEditor::afterShowFollowsEveryShownRecord_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("command"); // -1: a pick from another window (showRecord)
    QTest::addColumn<QStringList>("steps");
    using C = ArchiveEditor::Command;
    QTest::newRow("first") << 3 << "2" << int(C::First) << QStringList { "afterShow 1@1" };
    QTest::newRow("next") << 3 << "1" << int(C::Next) << QStringList { "afterShow 2@2" };
    QTest::newRow("previous") << 3 << "3" << int(C::Previous) << QStringList { "afterShow 2@2" };
    QTest::newRow("last") << 3 << "" << int(C::Last) << QStringList { "afterShow 3@3" };
    QTest::newRow("pick") << 3 << "" << -1 << QStringList { "afterShow 2@2" };
    QTest::newRow("next on the last shows nothing") << 3 << "3" << int(C::Next) << QStringList {};
    QTest::newRow("previous on the first shows nothing") << 3 << "1" << int(C::Previous) << QStringList {};
    QTest::newRow("empty archive shows nothing") << 0 << "" << int(C::First) << QStringList {};
}

void TestArchiveEditor::afterShowFollowsEveryShownRecord()
{
    QFETCH(int, records);
    QFETCH(QString, from);
    QFETCH(int, command);
    QFETCH(QStringList, steps);
    TempProgramFolder folder;
    writeFile(folder.file("A.pro"), ::records(records));
    MessageRecorder boxes;
    Editor e(folder.file("A.pro"));
    e.lblPosizione->setText(from);
    if (command < 0) {
        RecordBuffer picked(sampleLayout());
        picked.bytes() = record("Verdi");
        e.editor->showRecord(picked, 2);
    } else {
        QVERIFY(e.editor->run(ArchiveEditor::Command(command)));
    }
    QCOMPARE(e.steps, steps);
}

void TestArchiveEditor::saveStepsRunInOrder_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("append") << ""
                            << "La scheda corrente \u00E8 stata inserita in archivio."
                            << QStringList { "prepareSave@", "afterWrite 4@4" };
    QTest::newRow("overwrite") << "2"
                               << "Le modifiche apportate alla scheda corrente sono state salvate in archivio."
                               << QStringList { "prepareSave@2", "afterWrite 2@2" };
}

void TestArchiveEditor::saveStepsRunInOrder()
{
    QFETCH(QString, from);
    QFETCH(QString, notice);
    QFETCH(QStringList, steps);
    TempProgramFolder folder;
    writeFile(folder.file("A.pro"), records(3));
    MessageRecorder boxes;
    Editor e(folder.file("A.pro"));
    QStringList atNotice;
    boxes.onMessage([&](Kind, const QString &) { atNotice = e.steps; });
    e.txtNome->setText("Rossi");
    e.lblPosizione->setText(from);
    QVERIFY(!e.editor->save()); // the town is empty: refused after the prepare step
    QCOMPARE(e.steps, QStringList { QStringLiteral("prepareSave@") + from });
    QCOMPARE(boxes.lastKind(), Kind::Warning);
    QCOMPARE(readFile(folder.file("A.pro")), records(3));

    e.steps.clear();
    e.txtCitta->setText("Roma");
    QVERIFY(e.editor->save());
    QCOMPARE(e.steps, steps);
    QCOMPARE(atNotice, steps); // the step after the write comes before the notice
    QCOMPARE(boxes.lastText(), notice);
}

void TestArchiveEditor::checksStopAtTheFirstRefusal_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("kind"); // -1: no refusal
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("checksRun");
    QTest::newRow("first: mandatory") << ""
                                      << "" << int(Kind::Warning)
                                      << "Attenzione: per salvare la scheda \u00E8 necessario indicare il giorno."
                                      << "txtNome" << 1;
    QTest::newRow("second: form of a field") << "5"
                                             << "" << int(Kind::Warning) << "Usare due cifre."
                                             << "txtNome" << 2;
    QTest::newRow("third: computed text, plain box")
        << "31"
        << "02" << int(Kind::Plain) << "Attenzione: la data 31/02 non esiste."
        << "txtCitta" << 3;
    QTest::newRow("all pass") << "28"
                              << "02" << -1 << ""
                              << "" << 3;
}

void TestArchiveEditor::checksStopAtTheFirstRefusal()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QString, focus);
    QFETCH(int, checksRun);
    TempProgramFolder folder;
    MessageRecorder boxes;
    int run = 0;
    QString computed; // what a check computes for the next, as the deadline's date
    Editor e(folder.file("A.pro"));
    // The checks of a deadline-like save: mandatory day, its form, a date made
    // from day and month (a computed text, a plain box, another focus).
    ArchiveEditor::Setup s;
    s.layout = &sampleLayout();
    s.path = [&]() { return folder.file("A.pro"); };
    s.position = e.lblPosizione;
    s.firstField = e.txtNome;
    const auto counted = [&run](ArchiveEditor::SaveCheck check) {
        return [&run, check]() {
            ++run;
            return check();
        };
    };
    s.checks = {
        counted(ArchiveEditor::mandatory(e.txtNome, ArchiveEditor::kMandatoryPrefix + "il giorno.")),
        counted(ArchiveEditor::check(
            [&]() { return e.txtNome->text().size() == 2; }, Kind::Warning, "Usare due cifre.", e.txtNome)),
        counted([&]() -> std::optional<ArchiveEditor::Refusal> {
            computed = e.txtNome->text() + "/" + e.txtCitta->text();
            if (computed != "31/02")
                return std::nullopt;
            return ArchiveEditor::Refusal { Kind::Plain, "Attenzione: la data " + computed + " non esiste.",
                e.txtCitta };
        }),
    };
    ArchiveEditor editor(&e.window, e, s);
    e.showActive();
    e.lblPosizione->setFocus();
    e.txtNome->setText(day);
    e.txtCitta->setText(month);
    run = 0;
    const bool saved = editor.save();
    QCOMPARE(run, checksRun);
    if (kind < 0) {
        QVERIFY(saved);
        QCOMPARE(boxes.lastKind(), Kind::Information);
        QCOMPARE(readFile(folder.file("A.pro")).size(), sampleLayout().size());
        return;
    }
    QVERIFY(!saved);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(int(boxes.lastKind()), kind);
    QCOMPARE(boxes.lastText(), text);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(!QFileInfo::exists(folder.file("A.pro"))); // not even opened
}

void TestArchiveEditor::failedAfterWriteKeepsTheWrittenPosition()
{
    // A failure of the step after the write (the dog photo) is reported; the
    // record is written and its position shown, so the next save overwrites
    // it instead of appending a second copy.
    struct PhotoFails : Editor {
        using Editor::Editor;
        void afterWrite(qint64) override { throw std::runtime_error("foto non salvata"); }
    };
    TempProgramFolder folder;
    writeFile(folder.file("A.pro"), records(2));
    MessageRecorder boxes;
    PhotoFails e(folder.file("A.pro"));
    e.txtNome->setText("Rossi");
    e.txtCitta->setText("Roma");
    QVERIFY(!e.editor->save());
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Error);
    QCOMPARE(e.lblPosizione->text(), QString("3"));
    QCOMPARE(readFile(folder.file("A.pro")).size(), 3 * sampleLayout().size());
    e.editor->save();
    QCOMPARE(readFile(folder.file("A.pro")).size(), 3 * sampleLayout().size());
}

void TestArchiveEditor::newCountsTheArchiveForItsStep()
{
    TempProgramFolder folder;
    writeFile(folder.file("A.pro"), records(7));
    MessageRecorder boxes;
    Editor numbered(folder.file("A.pro"), [](ArchiveEditor::Setup &s) { s.newCountsRecords = true; });
    numbered.txtNome->setText("x");
    numbered.lblPosizione->setText("3");
    QVERIFY(numbered.editor->newRecord());
    QCOMPARE(numbered.steps, QStringList { "afterNew 7@" }); // after the clearing, with the count
    QVERIFY(numbered.txtNome->text().isEmpty());

    Editor plain(folder.file("B.pro"));
    QVERIFY(plain.editor->newRecord());
    QCOMPARE(plain.steps, QStringList { "afterNew -1@" });
    QVERIFY(!QFileInfo::exists(folder.file("B.pro"))); // an editor that does not count never opens it
    QCOMPARE(boxes.count(), 0);
}

void TestArchiveEditor::newThatCannotCountChangesNothing()
{
    TempProgramFolder folder;
    QVERIFY(QDir().mkpath(folder.file("A.pro")));
    MessageRecorder boxes;
    Editor numbered(folder.file("A.pro"), [](ArchiveEditor::Setup &s) { s.newCountsRecords = true; });
    numbered.txtNome->setText("Rossi");
    numbered.lblPosizione->setText("3");
    QVERIFY(!numbered.editor->newRecord());
    QCOMPARE(boxes.lastKind(), Kind::Error);
    QCOMPARE(boxes.lastText(), kArchiveAccessMessage);
    QCOMPARE(numbered.txtNome->text(), QString("Rossi"));
    QCOMPARE(numbered.lblPosizione->text(), QString("3"));
    QVERIFY(numbered.steps.isEmpty());
}

void TestArchiveEditor::duplicateWithoutArchive()
{
    // The dog editor's duplicate: the archive is not opened (a folder in its
    // place would fail), the copy still loses its attachments and position.
    TempProgramFolder folder;
    QVERIFY(QDir().mkpath(folder.file("A.pro")));
    MessageRecorder boxes;
    Editor e(folder.file("A.pro"),
        [](ArchiveEditor::Setup &s) { s.duplicate = ArchiveEditor::DuplicateStep::WithoutArchive; });
    e.showActive();
    e.txtNome->setText("Fido");
    e.lblFile01->setText("a.pdf");
    e.lblPosizione->setText("4");
    e.txtCitta->setFocus();
    QVERIFY(e.editor->duplicate());
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Information);
    QVERIFY(e.lblPosizione->text().isEmpty());
    QVERIFY(e.lblFile01->text().isEmpty());
    QCOMPARE(e.txtNome->text(), QString("Fido"));
    QCOMPARE(QApplication::focusWidget(), e.txtNome);
}

QTEST_MAIN(TestArchiveEditor)
#include "tst_archiveeditor.moc"
