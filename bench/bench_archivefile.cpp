// Writes and reads back 100,000 records of 3702 bytes through ArchiveFile and
// prints records per second for each direction.
#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "owners/core/OwnerRecord.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const qint64 records = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100000;
    QTemporaryDir dir;
    setProgramFolder(dir.path());
    RecordBuffer buffer(OwnerRecord::layout());

    QElapsedTimer timer;
    timer.start();
    {
        ArchiveFile file(OwnerRecord::path(), OwnerRecord::size());
        file.seek(0);
        for (qint64 i = 0; i < records; ++i) {
            buffer.clear();
            buffer.setText(OwnerRecord::Cliente, QStringLiteral("Proprietario %1").arg(i));
            buffer.setFlag(OwnerRecord::Ricontatta, i % 2 == 0);
            file.write(buffer.bytes());
        }
        file.close();
    }
    const double writeSeconds = timer.nsecsElapsed() / 1e9;

    timer.restart();
    qint64 flagged = 0;
    {
        ArchiveFile file(OwnerRecord::path(), OwnerRecord::size());
        file.seek(0);
        while (!file.atEnd()) {
            file.read(buffer.bytes());
            flagged += buffer.flag(OwnerRecord::Ricontatta).value_or(false) ? 1 : 0;
        }
    }
    const double readSeconds = timer.nsecsElapsed() / 1e9;

    timer.restart();
    qint64 scanned = 0;
    {
        ArchiveFile file(OwnerRecord::path(), OwnerRecord::size());
        file.scan([&](qint64, const char *) { ++scanned; });
    }
    const double scanSeconds = timer.nsecsElapsed() / 1e9;

    std::printf("records: %lld of %d bytes (%.1f MB)\n", static_cast<long long>(records), OwnerRecord::size(),
        records * OwnerRecord::size() / 1e6);
    std::printf("write one by one: %.3f s, %.0f records/s\n", writeSeconds, records / writeSeconds);
    std::printf("read one by one:  %.3f s, %.0f records/s (%lld flagged)\n", readSeconds, records / readSeconds,
        static_cast<long long>(flagged));
    std::printf("scan in blocks:   %.3f s, %.0f records/s\n", scanSeconds, scanned / scanSeconds);
    return 0;
}
