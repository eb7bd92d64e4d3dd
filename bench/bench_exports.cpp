// The export windows of the owners, the dogs and a year of deadlines, at
// several archive sizes, each measure beside a plain process timed in the
// same alternating pairs:
//
//   open:   what the user waits for after pressing the export command: the
//           window made (every export window is made afresh by its command,
//           as a modal dialog), shown, its grid filled from the archive and
//           painted; timed from the making to the end of the grid's first
//           paint, nothing made or warmed beforehand;
//           reference: `cat` of the archive to /dev/null (the page cache
//           warm). Goal <= 3x. The memory the shown window holds is printed
//           beside the archive's size (goal: no more than the archive);
//   write:  the export command's file written (made durable and renamed into
//           place); reference: `cp` of the same bytes and `sync` of the copy.
//           Goal <= 1.5x.
//
// Run it under a real X server with a window manager (bench/run_all.sh does);
// without one it falls back to offscreen.
// Usage: bench_exports [pairs] [records ...]   (default 9; 10000 100000 300000)
#include "BenchPairs.h"

#include "common/ProgramFolder.h"
#include "common/RecordLayout.h"
#include "common/SpreadsheetExport.h"
#include "common/ui/Application.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "deadlines/ExpScadenzario.h"
#include "deadlines/core/DeadlineRecord.h"
#include "dogs/ExpCani.h"
#include "dogs/core/DogRecord.h"
#include "owners/ExpClienti.h"
#include "owners/core/OwnerRecord.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace
{

// Every text field about two thirds full, the flags alternating: records as
// a kennel's archive holds them, different from one another.
void writeArchive(const QString &path, const RecordLayout &layout, qint64 records)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    RecordBuffer record(layout);
    QByteArray block;
    for (qint64 i = 0; i < records; ++i) {
        record.clear();
        for (int f = 0; f < layout.fieldCount(); ++f) {
            const int capacity = layout.capacity(f);
            if (capacity == 2) {
                record.setFlag(f, (i + f) % 2 == 0);
                continue;
            }
            QString text = QStringLiteral("%1 %2 Forlì").arg(layout.name(f)).arg(i + 1);
            while (text.size() < capacity * 2 / 3)
                text += QStringLiteral(" Via della Libertà");
            record.setText(f, text.left(capacity * 2 / 3 + 1));
        }
        block += record.bytes();
        if (block.size() > (8 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    if (file.write(block) != block.size())
        qFatal("cannot write %s", qPrintable(path));
}

qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : 0;
}

// Set when the watched widget has been painted.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *widget) { widget->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

struct Export {
    const char *name;
    QString archive;
    const RecordLayout *layout;
    std::function<ExportWindow *()> make;
};

void measure(const Export &e, qint64 records, int pairs, const QString &folder)
{
    writeArchive(e.archive, *e.layout, records);
    const double archiveBytes = double(QFileInfo(e.archive).size());
    qint64 grown = 0;
    QString written;
    std::unique_ptr<ExportWindow> window;

    auto open = [&]() -> double {
        window.reset();
        const qint64 before = residentBytes();
        QElapsedTimer clock;
        clock.start();
        window.reset(e.make());
        PaintWatch watch(window->grdRecords->viewport());
        window->setWindowModality(Qt::ApplicationModal); // as exec() shows it
        window->show();
        while (!watch.painted && clock.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        const double ms = clock.nsecsElapsed() / 1e6;
        grown = qMax(grown, residentBytes() - before);
        window->hide();
        return watch.painted ? ms : -1;
    };
    const BenchPairs::Pairs opened = BenchPairs::run(pairs, open, [&] { return BenchPairs::catFile(e.archive); });

    const SpreadsheetExport::Sheet sheet = window->sheet();
    const QString target = programFile(sheet.fileName);
    const QString copy = folder + QStringLiteral("/copia.xls");
    auto write = [&]() -> double {
        QElapsedTimer clock;
        clock.start();
        try {
            SpreadsheetExport::writeFile(target, sheet.sheetName, sheet.columns, window->exportRows());
        } catch (...) {
            return -1;
        }
        return clock.nsecsElapsed() / 1e6;
    };
    // The reference copies the file the export has just written.
    const BenchPairs::Pairs wrote = BenchPairs::run(pairs, write, [&] { return BenchPairs::syncedCopy(target, copy); });
    window.reset();

    std::printf("%s, %lld records (archive %.1f MB, export %.1f MB)\n", e.name, static_cast<long long>(records),
        archiveBytes / 1e6, QFileInfo(target).size() / 1e6);
    BenchPairs::print("  open, grid shown", "cat", opened, 3.0);
    std::printf("  memory held by the shown window: %.1f MB = %.2fx the archive (goal <= 1)\n", grown / 1e6,
        grown / archiveBytes);
    BenchPairs::print("  write the file", "cp + sync", wrote, 1.5);
    QFile::remove(target);
    QFile::remove(copy);
    QFile::remove(e.archive);
}

} // namespace

int main(int argc, char **argv)
{
    KennoraApplication::prepareEnvironment();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    KennoraApplication app(argc, argv);
    const int pairs = BenchPairs::pairCount(argc, argv);
    std::vector<qint64> sizes;
    for (int i = 2; i < argc; ++i)
        sizes.push_back(QByteArray(argv[i]).toLongLong());
    if (sizes.empty())
        sizes = { 10000, 100000, 300000 };

    QTemporaryDir folder;
    setProgramFolder(folder.path());
    // The deadlines export shows the year open in the editor (its lblFile).
    const QString year = DeadlineRecord::path(u"2024");
    QWidget editor;
    auto *lblFile = new QLabel(year, &editor);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    WindowRegistry::set(QLatin1String(WindowNames::frmScadenzario), &editor);

    const Export exports[] = {
        { "owners export", OwnerRecord::path(), &OwnerRecord::layout(), [] { return new TfrmExpClienti; } },
        { "dogs export", DogRecord::path(), &DogRecord::layout(), [] { return new TfrmExpCani; } },
        { "deadlines whole-year export", year, &DeadlineRecord::layout(), [] { return new TfrmExpScadenzario; } },
    };
    std::printf("export windows, platform %s, %d pairs\n",
        qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb")).toLatin1().constData(), pairs);
    for (qint64 records : sizes) {
        for (const Export &e : exports)
            measure(e, records, pairs, folder.path());
    }
    WindowRegistry::set(QLatin1String(WindowNames::frmScadenzario), nullptr);
    return 0;
}
