// The owners export on large archives, each figure beside its reference
// measured in the same run (medians of several rounds, page cache warm):
//  - opening the export window with its grid filled, against one plain read of
//    the archive (1 MB reads into one buffer); the window is destroyed after
//    the clock stops; the memory the filled window holds beside the archive's size;
//  - writing Proprietari.xls, against a copy of the same bytes into a new file
//    made durable with fdatasync and renamed into place, as the export is.
// Usage: bench_owner_export [records ...]   (default 10000 100000 300000)
#include "common/ProgramFolder.h"
#include "common/RecordLayout.h"
#include "common/SpreadsheetExport.h"
#include "owners/ExpClienti.h"
#include "owners/core/OwnerRecord.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace
{

constexpr int kRounds = 5;

// Takes every byte and keeps none: the writer's own work, without the file.
class NullDevice : public QIODevice
{
public:
    NullDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 len) override { return len; }
};

void writeArchive(qint64 records)
{
    RecordBuffer record(OwnerRecord::layout());
    QFile file(OwnerRecord::path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the archive");
    for (qint64 i = 0; i < records; ++i) {
        record.clear();
        record.setText(OwnerRecord::Cliente, QStringLiteral("Proprietario numero %1").arg(i + 1));
        record.setText(OwnerRecord::DataNasc, QStringLiteral("12/03/1975"));
        record.setText(OwnerRecord::ComuneNasc, QStringLiteral("Forlì"));
        record.setText(OwnerRecord::ProvNasc, QStringLiteral("FC"));
        record.setText(OwnerRecord::Recapito, QStringLiteral("0543 123456"));
        record.setText(OwnerRecord::IndirizzoRes, QStringLiteral("Via della Libertà, %1").arg(i % 200));
        record.setText(OwnerRecord::ComuneRes, QStringLiteral("Cesena"));
        record.setText(OwnerRecord::ProvRes, QStringLiteral("FC"));
        record.setText(OwnerRecord::Estremi, QStringLiteral("Bonifico bancario a 30 giorni"));
        record.setText(OwnerRecord::TelCel, QStringLiteral("333 1234567"));
        record.setText(OwnerRecord::Email, QStringLiteral("proprietario%1@example.it").arg(i));
        record.setText(OwnerRecord::CodFisc, QStringLiteral("RSSMRA75C12D704X"));
        record.setText(OwnerRecord::PartitaIva, QStringLiteral("0%1").arg(1234567890 + i));
        record.setText(OwnerRecord::CaniOra, QStringLiteral("Fido (pastore tedesco), Luna & Maya"));
        record.setText(OwnerRecord::Note, QStringLiteral("Preferisce essere contattato la sera <dopo le 19>."));
        if (file.write(record.bytes()) != record.bytes().size())
            qFatal("cannot write the archive");
    }
}

double seconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Resident memory of this process, in bytes.
qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : 0;
}

// One plain read of a file: 1 MB reads into one buffer.
double plainRead(const QString &path)
{
    static std::unique_ptr<char[]> buffer(new char[1 << 20]);
    QElapsedTimer timer;
    timer.start();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        qFatal("cannot read");
    while (::read(fd, buffer.get(), 1 << 20) > 0) { }
    ::close(fd);
    return seconds(timer);
}

// A copy of a file into a new one, synced with fdatasync and renamed into place.
double syncedCopy(const QString &from, const QString &to)
{
    static std::unique_ptr<char[]> buffer(new char[1 << 20]);
    const QByteArray temporary = QFile::encodeName(to + QStringLiteral(".tmp"));
    QElapsedTimer timer;
    timer.start();
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY);
    const int out = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0)
        qFatal("cannot copy");
    ssize_t n;
    while ((n = ::read(in, buffer.get(), 1 << 20)) > 0) {
        if (::write(out, buffer.get(), size_t(n)) != n)
            qFatal("cannot copy");
    }
    if (::fdatasync(out) != 0)
        qFatal("cannot sync");
    ::close(out);
    ::close(in);
    if (::rename(temporary.constData(), QFile::encodeName(to).constData()) != 0)
        qFatal("cannot rename");
    return seconds(timer);
}

void measure(const QString &folder, qint64 records)
{
    writeArchive(records);
    const QString archive = OwnerRecord::path();
    const double archiveMb = records * OwnerRecord::size() / 1e6;
    plainRead(archive); // warm the cache

    std::vector<double> reads, opens, writes, copies, makes;
    qint64 grown = 0;
    qint64 rows = 0;
    const QString target = folder + QStringLiteral("/Proprietari.xls");
    const QString copy = folder + QStringLiteral("/copia.xls");
    for (int round = 0; round < kRounds; ++round) {
        reads.push_back(plainRead(archive));

        const qint64 before = residentBytes();
        QElapsedTimer timer;
        timer.start();
        auto *window = new TfrmExpClienti;
        window->show(); // fills the grid
        QApplication::processEvents();
        opens.push_back(seconds(timer));
        grown = qMax(grown, residentBytes() - before);
        rows = window->grid().rows();

        const SpreadsheetExport::Sheet sheet = window->sheet();
        timer.restart();
        SpreadsheetExport::writeFile(target, sheet.sheetName, sheet.columns, window->exportRows());
        writes.push_back(seconds(timer));
        NullDevice null;
        timer.restart();
        SpreadsheetExport::write(null, sheet.sheetName, sheet.columns, window->exportRows());
        makes.push_back(seconds(timer));
        delete window; // not timed

        copies.push_back(syncedCopy(target, copy));
    }
    const double exportMb = QFileInfo(target).size() / 1e6;
    const double read = median(reads), open = median(opens);
    const double write = median(writes), synced = median(copies);
    std::printf("%lld owners (archive %.1f MB, grid rows %lld), medians of %d rounds\n",
        static_cast<long long>(records), archiveMb, static_cast<long long>(rows), kRounds);
    std::printf("  one plain read of the archive:      %8.4f s\n", read);
    std::printf("  open the window, grid filled:       %8.4f s   %.2fx the read\n", open, open / read);
    std::printf(
        "  memory grown by the open window:    %8.1f MB  %.2fx the archive\n", grown / 1e6, grown / 1e6 / archiveMb);
    std::printf("  synced copy of %6.1f MB:            %8.4f s\n", exportMb, synced);
    std::printf(
        "  write Proprietari.xls (%6.1f MB):   %8.4f s   %.2fx the synced copy\n", exportMb, write, write / synced);
    std::printf("  of which making the bytes:          %8.4f s\n", median(makes));
    std::fflush(stdout);
    QFile::remove(target);
    QFile::remove(copy);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<qint64> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(QByteArray(argv[i]).toLongLong());
    if (sizes.empty())
        sizes = { 10000, 100000, 300000 };
    QTemporaryDir dir;
    setProgramFolder(dir.path());
    for (qint64 records : sizes)
        measure(dir.path(), records);
    return 0;
}
