// The texts a spreadsheet would take for something else, through every export
// window: a text that reads as a formula is written as a text cell, so the
// spreadsheet shows it as typed and never runs it; control characters typed or
// pasted into a text are written as blanks, so the file stays well-formed; a
// plain number stays a plain cell. The archive keeps what was typed.

#include "catalog/ExpBox.h"
#include "catalog/ExpListino.h"
#include "catalog/core/BoxRecord.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ArchiveFile.h"
#include "common/Clock.h"
#include "common/RecordLayout.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "deadlines/DateLists.h"
#include "deadlines/ExpScadenzario.h"
#include "deadlines/core/DeadlineRecord.h"
#include "dogs/ExpCani.h"
#include "dogs/core/DogRecord.h"
#include "owners/ExpClienti.h"
#include "owners/core/OwnerRecord.h"
#include "quotes/ExpPreventivi.h"
#include "quotes/core/QuoteRecord.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QMap>
#include <QTest>

#include <functional>
#include <memory>

using namespace TestSupport;

namespace
{

const QString kYear = QStringLiteral("2026");

struct Export {
    std::function<std::unique_ptr<QWidget>()> open;
    const RecordLayout *layout;
    std::function<QString()> archive;
    int field; // a free text, in a column that is not kept as text
    std::function<void(RecordBuffer &)> complete; // what else the window's selection needs
};

template <class W> std::unique_ptr<QWidget> make()
{
    return std::make_unique<W>();
}

void imminentToday(RecordBuffer &record)
{
    record.setText(DeadlineRecord::Data, u"15/06/2026");
    record.setText(DeadlineRecord::Avviso, u"0");
}

const QMap<QString, Export> &exports()
{
    static const QMap<QString, Export> table {
        { "owners", { &make<TfrmExpClienti>, &OwnerRecord::layout(), &OwnerRecord::path, OwnerRecord::Note, {} } },
        { "dogs", { &make<TfrmExpCani>, &DogRecord::layout(), &DogRecord::path, DogRecord::Note, {} } },
        { "services",
            { &make<TfrmExpListino>, &ServiceRecord::layout(), &ServiceRecord::path, ServiceRecord::Note, {} } },
        { "boxes", { &make<TfrmExpBox>, &BoxRecord::layout(), &BoxRecord::path, BoxRecord::Note, {} } },
        { "quotes",
            { &make<TfrmExpPreventivi>, &QuoteRecord::layout(), [] { return QuoteRecord::path(kYear); },
                QuoteRecord::Note, {} } },
        { "deadlines",
            { &make<TfrmExpScadenzario>, &DeadlineRecord::layout(), [] { return DeadlineRecord::path(kYear); },
                DeadlineRecord::Note, {} } },
        { "imminent deadlines",
            { &make<TfrmExpImminenti>, &DeadlineRecord::layout(), [] { return DeadlineRecord::path(kYear); },
                DeadlineRecord::Note, &imminentToday } },
    };
    return table;
}

} // namespace

class TestExportCells : public QObject
{
    Q_OBJECT
private slots:
    void formulasAndControlCharactersStayText_data();
    void formulasAndControlCharactersStayText();
};

void TestExportCells::formulasAndControlCharactersStayText_data()
{
    QTest::addColumn<QString>("name");
    for (auto it = exports().cbegin(); it != exports().cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key();
}

void TestExportCells::formulasAndControlCharactersStayText()
{
    QFETCH(QString, name);
    const Export &e = exports()[name];
    TempProgramFolder folder;
    MessageRecorder boxes;
    boxes.answerNext(true); // export
    boxes.answerNext(false); // do not open
    Clock::Fixed clock(QDateTime(QDate(2026, 6, 15), QTime(10, 0)));
    // The windows of a year read the file their editor has open.
    QWidget editor;
    auto *file = new QLabel(e.archive(), &editor);
    file->setObjectName(QStringLiteral("lblFile"));
    for (const char *window : { WindowNames::frmPreventivi, WindowNames::frmScadenzario })
        WindowRegistry::set(QLatin1String(window), &editor);

    const QStringList typed {
        QStringLiteral("=HYPERLINK(\"http://esempio.it\";\"clic\")"),
        QStringLiteral("@somma"),
        QStringLiteral("+39 333"),
        QStringLiteral("suono\acampanello\x1B[31m rosso\vfine"),
        QStringLiteral("-12,50"),
    };
    {
        ArchiveFile archive(e.archive(), e.layout->size());
        for (const QString &text : typed) {
            RecordBuffer record(*e.layout);
            record.clear();
            record.setText(e.field, text);
            if (e.complete)
                e.complete(record);
            archive.append(record.bytes());
        }
    }
    const QByteArray stored = readFile(e.archive());

    std::unique_ptr<QWidget> window = e.open();
    window->show();
    window->findChild<QAbstractButton *>(QStringLiteral("cmdEsporta"))->click();
    const QStringList written = QDir(folder.path()).entryList({ QStringLiteral("*.xls") });
    QCOMPARE(written.size(), 1);
    const QByteArray bytes = readFile(folder.file(written.first()));
    WindowRegistry::clear();

    const QByteArray formulaOpen
        = "<td style=\"text-align: left; mso-number-format:'\\@';\" class=\"txt\" sdnum=\"1040;0;@\">";
    QVERIFY(bytes.contains(formulaOpen + "=HYPERLINK(\"http://esempio.it\";\"clic\")</td>"));
    QVERIFY(bytes.contains(formulaOpen + "@somma</td>"));
    QVERIFY(bytes.contains(formulaOpen + "+39 333</td>"));
    QVERIFY(bytes.contains("<td style=\"text-align: left;\">suono campanello [31m rosso fine</td>"));
    QVERIFY(bytes.contains("<td style=\"text-align: left;\">-12,50</td>"));
    for (const char c : bytes)
        QVERIFY2(uchar(c) >= 0x20 && uchar(c) != 0x7F, qPrintable(QString::number(uchar(c))));
    QCOMPARE(readFile(e.archive()), stored); // the records keep what was typed
    QVERIFY(stored.contains("suono\acampanello\x1B[31m rosso\vfine"));
}

QTEST_MAIN(TestExportCells)
#include "tst_exportcells.moc"
