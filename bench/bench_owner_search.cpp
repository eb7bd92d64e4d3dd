// Searches 100,000 owners (about 370 MB) with three filters and prints the
// time beside the time to read the same file once. The search reads the
// archive once in blocks, matches the raw bytes and builds lines only for the
// owners it lists, so it should stay within a small factor of the read.
// Usage: bench_owner_search [records]
#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/SearchMatch.h"
#include "owners/core/OwnerListing.h"
#include "owners/core/OwnerRecord.h"

#include "common/ui/ListWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

const char *const kSurnames[] = { "Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo", "Ricci", "Marino",
    "Greco", "Bruno", "Gallo", "Conti", "De Luca", "Mancini" };
const char *const kNames[] = { "Mario", "Anna", "Luca", "Giulia", "Marco", "Sara", "Paolo", "Elena", "Nicola" };
const char *const kTowns[] = { "Roma", "Milano", "Napoli", "Torino", "Firenze", "Bologna", "Bari", "Verona" };
const char *const kJobs[] = { "Impiegato", "Insegnante", "Medico", "Artigiano", "Commerciante", "Pensionato" };
const char *const kDogs[] = { "Fido (pastore tedesco)", "Luna (beagle)", "Rex", "Birba e Tobia", "" };

template <size_t N> QString pick(const char *const (&list)[N], qint64 i)
{
    return QString::fromLatin1(list[size_t(i) % N]);
}

void writeArchive(qint64 records)
{
    RecordBuffer buffer(OwnerRecord::layout());
    QFile file(OwnerRecord::path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the archive");
    QByteArray block;
    for (qint64 i = 0; i < records; ++i) {
        buffer.clear();
        buffer.setText(OwnerRecord::Cliente, pick(kSurnames, i) + QLatin1Char(' ') + pick(kNames, i / 7));
        buffer.setText(OwnerRecord::Recapito, QStringLiteral("06 %1").arg(1000000 + i));
        buffer.setText(OwnerRecord::ComuneRes, pick(kTowns, i / 3));
        buffer.setText(OwnerRecord::CodFisc, QStringLiteral("RSSMRA80A01H%1").arg(i % 1000, 3, 10, QLatin1Char('0')));
        buffer.setText(OwnerRecord::Occupazione, pick(kJobs, i / 5));
        buffer.setText(OwnerRecord::CaniOra, pick(kDogs, i / 11));
        buffer.setText(OwnerRecord::Questioni, QStringLiteral("Richiamare per il saldo della pensione estiva"));
        buffer.setText(
            OwnerRecord::Note, QStringLiteral("Cliente dal 2019, cane socievole, preferisce il box %1").arg(i % 40));
        buffer.setFlag(OwnerRecord::Ricontatta, i % 10 == 0);
        block += buffer.bytes();
        if (block.size() > (8 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qint64 records = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100000;
    QTemporaryDir dir;
    setProgramFolder(dir.path());
    writeArchive(records);

    // One plain read of the file (block by block, every byte touched once).
    auto readOnce = [] {
        ArchiveFile file(OwnerRecord::path(), OwnerRecord::size());
        quint64 sum = 0;
        file.scan([&](qint64, const char *record) { sum += static_cast<unsigned char>(record[0]); });
        return sum;
    };
    // The owner search with three filters set (and seven empty).
    const QStringList filters = { QStringLiteral("rossi"), QStringLiteral("ROMA"), QString(), QString(), QString(),
        QStringLiteral("impieg"), QString(), QString(), QString(), QString() };
    auto search = [&] {
        const SearchMatch::MultiFilter filter(filters, OwnerListing::filterFields());
        ListLines lines;
        SearchMatch::collectLines(
            OwnerRecord::path(), OwnerRecord::size(), [&](const char *r) { return filter.matches(r); },
            OwnerListing::searchLine, lines);
        SearchMatch::sortLines(lines);
        return lines.size();
    };
    // Every owner listed (no filter set): the worst case for line building and
    // sorting; then the lines go into a shown result list.
    RecordList list;
    list.resize(830, 380);
    list.show();
    double fillBest = 1e9;
    auto listAll = [&] {
        const SearchMatch::MultiFilter filter(QStringList(10), OwnerListing::filterFields());
        ListLines lines;
        SearchMatch::collectLines(
            OwnerRecord::path(), OwnerRecord::size(), [&](const char *r) { return filter.matches(r); },
            OwnerListing::searchLine, lines);
        SearchMatch::sortLines(lines);
        const size_t n = lines.size();
        QElapsedTimer fill;
        fill.start();
        list.lines()->setLines(std::move(lines));
        list.lines()->setItemWidth(1600);
        QCoreApplication::processEvents();
        fillBest = qMin(fillBest, fill.nsecsElapsed() / 1e9);
        return n;
    };

    readOnce(); // the file is now in the page cache for every measurement
    double readBest = 1e9, searchBest = 1e9, allBest = 1e9;
    size_t found = 0, all = 0;
    QElapsedTimer timer;
    for (int round = 0; round < 3; ++round) {
        timer.start();
        readOnce();
        readBest = qMin(readBest, timer.nsecsElapsed() / 1e9);
        timer.start();
        found = search();
        searchBest = qMin(searchBest, timer.nsecsElapsed() / 1e9);
        timer.start();
        all = listAll();
        allBest = qMin(allBest, timer.nsecsElapsed() / 1e9);
    }

    std::printf("owners: %lld of %d bytes (%.1f MB)\n", static_cast<long long>(records), OwnerRecord::size(),
        records * OwnerRecord::size() / 1e6);
    std::printf("read the file once:         %.3f s\n", readBest);
    std::printf(
        "search, three filters:      %.3f s (%zu listed), %.2f x the read\n", searchBest, found, searchBest / readBest);
    std::printf("search, no filter (all):    %.3f s (%zu listed), %.2f x the read\n", allBest, all, allBest / readBest);
    std::printf("  of which list fill:       %.3f s\n", fillBest);
    return searchBest <= 3 * readBest ? 0 : 1;
}
