// The owner search at 10,000, 100,000 and 300,000 owners (about 3.7 KB each),
// each figure printed beside its reference measured in the same run:
//   - the search with three filters beside one plain read of the archive (it
//     reads the archive once in blocks and matches the raw bytes, so it should
//     stay within a small factor of the read);
//   - listing every owner (no filter: read, lines, sort, shown in the result
//     list) beside the sqlite3 command-line program listing the same lines from
//     a database of the same owners, sorted the same way, to /dev/null (one
//     plain read of the archive stands in when sqlite3 is not installed).
// Every figure is the median of five runs with the files in the page cache.
// The list-all figure should grow linearly (time per owner about the same at
// every size) and stay at or below sqlite3's at every size.
// Usage: bench_owner_search [owners ...]   (default: 10000 100000 300000)
#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/SearchMatch.h"
#include "owners/core/OwnerListing.h"
#include "owners/core/OwnerRecord.h"

#include "common/ui/ListWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

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

struct Owner {
    QString cliente, recapito, comune, codFisc, occupazione, cani, questioni, note;
    bool callBack;
};

Owner owner(qint64 i)
{
    return { pick(kSurnames, i) + QLatin1Char(' ') + pick(kNames, i / 7), QStringLiteral("06 %1").arg(1000000 + i),
        pick(kTowns, i / 3), QStringLiteral("RSSMRA80A01H%1").arg(i % 1000, 3, 10, QLatin1Char('0')),
        pick(kJobs, i / 5), pick(kDogs, i / 11), QStringLiteral("Richiamare per il saldo della pensione estiva"),
        QStringLiteral("Cliente dal 2019, cane socievole, preferisce il box %1").arg(i % 40), i % 10 == 0 };
}

// The archive and, when sqlite3 is there, a database of the same owners.
void writeData(qint64 records, const QString &sqlite, const QString &database)
{
    RecordBuffer buffer(OwnerRecord::layout());
    QFile file(OwnerRecord::path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the archive");
    const QString tsvPath = database + QStringLiteral(".tsv");
    QFile tsv(tsvPath);
    if (!sqlite.isEmpty() && !tsv.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the database rows");
    QByteArray block, rows;
    for (qint64 i = 0; i < records; ++i) {
        const Owner o = owner(i);
        buffer.clear();
        buffer.setText(OwnerRecord::Cliente, o.cliente);
        buffer.setText(OwnerRecord::Recapito, o.recapito);
        buffer.setText(OwnerRecord::ComuneRes, o.comune);
        buffer.setText(OwnerRecord::CodFisc, o.codFisc);
        buffer.setText(OwnerRecord::Occupazione, o.occupazione);
        buffer.setText(OwnerRecord::CaniOra, o.cani);
        buffer.setText(OwnerRecord::Questioni, o.questioni);
        buffer.setText(OwnerRecord::Note, o.note);
        buffer.setFlag(OwnerRecord::Ricontatta, o.callBack);
        block += buffer.bytes();
        if (!sqlite.isEmpty()) {
            rows += QStringList { o.cliente, o.recapito, o.comune, o.codFisc, o.occupazione, o.cani, o.questioni,
                o.note, o.callBack ? QStringLiteral("S\u00EC") : QStringLiteral("No") }
                        .join(QLatin1Char('\t'))
                        .toUtf8();
            rows += '\n';
        }
        if (block.size() > (8 << 20)) {
            file.write(block);
            block.clear();
            tsv.write(rows);
            rows.clear();
        }
    }
    file.write(block);
    file.close();
    if (sqlite.isEmpty())
        return;
    tsv.write(rows);
    tsv.close();
    QFile::remove(database);
    QProcess p;
    p.start(sqlite,
        { database,
            QStringLiteral("CREATE TABLE owners(cliente TEXT, recapito TEXT, comune TEXT, codfisc TEXT, "
                           "occupazione TEXT, cani TEXT, questioni TEXT, note TEXT, ricontatta TEXT);"),
            QStringLiteral(".mode tabs"), QStringLiteral(".import %1 owners").arg(tsvPath) });
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        qFatal("sqlite3 could not build the database: %s", p.readAllStandardError().constData());
    QFile::remove(tsvPath);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Row {
    qint64 owners;
    double read, reference, search, all, collect, sort, fill;
    size_t found, listed;
};

Row measure(qint64 records, const QString &sqlite, const QString &database, RecordList &list)
{
    writeData(records, sqlite, database);

    // One plain read of the file (block by block, every byte touched once).
    auto readOnce = [] {
        ArchiveFile file(OwnerRecord::path(), OwnerRecord::size());
        quint64 sum = 0;
        file.scan([&](qint64, const char *record) { sum += static_cast<unsigned char>(record[0]); });
        return sum;
    };
    // sqlite3 listing the same lines in the same order (ASCII letters folded).
    auto sqliteList = [&] {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(sqlite,
            { database,
                QStringLiteral("SELECT printf('%-26.26s  Tel. %-15.15s  %-25.25s  Cani: %-30.30s  %s', cliente, "
                               "recapito, occupazione, cani, note) AS line FROM owners ORDER BY upper(line);") });
        if (!p.waitForFinished(600000) || p.exitCode() != 0)
            qFatal("sqlite3 failed");
    };
    // The owner search with three filters set (and seven empty).
    const QStringList filters = { QStringLiteral("rossi"), QStringLiteral("ROMA"), QString(), QString(), QString(),
        QStringLiteral("impieg"), QString(), QString(), QString(), QString() };
    auto search = [&] {
        const SearchMatch::MultiFilter filter(filters, OwnerListing::filterFields());
        SearchMatch::RecordListing lines;
        lines.collect(
            OwnerRecord::path(), OwnerRecord::size(), [&](const char *r) { return filter.matches(r); },
            OwnerListing::searchShape(), SearchMatch::lineBytes(OwnerListing::kFixedChars));
        lines.sort();
        return size_t(lines.size());
    };

    Row row { records, 0, 0, 0, 0, 0, 0, 0, 0, 0 };
    std::vector<double> read, reference, searched, all, collect, sort, fill;
    QElapsedTimer timer;
    readOnce(); // the files are now in the page cache for every measurement
    if (!sqlite.isEmpty())
        sqliteList();
    for (int round = 0; round < 5; ++round) {
        timer.start();
        readOnce();
        read.push_back(timer.nsecsElapsed() / 1e9);
        if (!sqlite.isEmpty()) {
            timer.start();
            sqliteList();
            reference.push_back(timer.nsecsElapsed() / 1e9);
        }
        timer.start();
        row.found = search();
        searched.push_back(timer.nsecsElapsed() / 1e9);

        // Every owner listed (no filter set), the worst case for line building
        // and sorting, then shown in a result list emptied beforehand (its
        // emptying is not counted).
        list.lines()->clear();
        QCoreApplication::processEvents();
        timer.start();
        QElapsedTimer step;
        step.start();
        const SearchMatch::MultiFilter none(QStringList(10), OwnerListing::filterFields());
        SearchMatch::RecordListing lines;
        lines.collect(
            OwnerRecord::path(), OwnerRecord::size(), [&](const char *r) { return none.matches(r); },
            OwnerListing::searchShape(), SearchMatch::lineBytes(OwnerListing::kFixedChars));
        collect.push_back(step.nsecsElapsed() / 1e9);
        step.start();
        lines.sort();
        sort.push_back(step.nsecsElapsed() / 1e9);
        step.start();
        row.listed = size_t(lines.size());
        list.lines()->setItemWidth(1600);
        list.lines()->setListing(std::move(lines));
        QCoreApplication::processEvents();
        fill.push_back(step.nsecsElapsed() / 1e9);
        all.push_back(timer.nsecsElapsed() / 1e9);
    }
    list.lines()->clear();
    row.read = median(read);
    row.reference = sqlite.isEmpty() ? row.read : median(reference);
    row.search = median(searched);
    row.all = median(all);
    row.collect = median(collect);
    row.sort = median(sort);
    row.fill = median(fill);
    return row;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QList<qint64> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QByteArray(argv[i]).toLongLong();
    if (sizes.isEmpty())
        sizes = { 10000, 100000, 300000 };

    QTemporaryDir dir;
    setProgramFolder(dir.path());
    const QString sqlite = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    const QString database = dir.filePath(QStringLiteral("owners.db"));
    const char *refName = sqlite.isEmpty() ? "read" : "sqlite3";
    if (sqlite.isEmpty())
        std::printf("sqlite3 not found: one plain read of the archive is the list-all reference\n");

    RecordList list;
    list.resize(830, 380);
    list.show();

    std::printf("medians of 5 runs, seconds\n");
    std::printf("%8s %8s %8s %8s %6s | %8s %8s %6s %6s %9s | %7s %7s %7s\n", "owners", "read", "search3", refName, "",
        "list-all", refName, "ratio", "x read", "us/owner", "collect", "sort", "fill");
    bool ok = true;
    for (const qint64 n : sizes) {
        const Row r = measure(n, sqlite, database, list);
        const double searchRatio = r.search / r.read;
        const double allRatio = r.all / r.reference;
        std::printf("%8lld %8.3f %8.3f %8s %5.2fx | %8.3f %8.3f %5.2fx %5.1fx %9.3f | %7.3f %7.3f %7.3f\n",
            static_cast<long long>(n), r.read, r.search, "", searchRatio, r.all, r.reference, allRatio, r.all / r.read,
            r.all / double(n) * 1e6, r.collect, r.sort, r.fill);
        ok = ok && searchRatio <= 1 && allRatio <= 1;
        if (r.listed != size_t(n))
            qFatal("listed %zu of %lld owners", r.listed, static_cast<long long>(n));
    }
    std::printf("search3: three filters (found about 1 in 420); list-all: no filter, read + lines + sort + list; "
                "ratio = list-all / %s\n",
        refName);
    std::printf("goals: search3 <= 1x the read; list-all <= 1x %s at every size, us/owner about even: %s\n", refName,
        ok ? "met" : "NOT met");
    QFile::remove(database);
    return 0;
}
