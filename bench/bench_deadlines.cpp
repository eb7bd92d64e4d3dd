// A year of deadlines (50,000 records of 1448 bytes, about 72 MB) listed and
// searched, each figure beside one plain read of the same file measured in
// the same run:
//   - the month list (records of one month in chronological order, as the
//     month window's grid holds them);
//   - the whole-year grid (every record in file order);
//   - a summary (payments to make: line, sort);
//   - the search with two filters, and with none (every record listed).
// Every figure is the median of five runs (or of `rounds`) with the file in the page cache;
// the goal is the plain read (1x). The benchmark reports and never fails.
// Usage: bench_deadlines [records] [rounds]   (default: 50000 5)
#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/SearchMatch.h"
#include "common/SpreadsheetExport.h"
#include "deadlines/DateLists.h"
#include "deadlines/core/DeadlineListing.h"
#include "deadlines/core/DeadlineRecord.h"

#include "BenchPairs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{

const char *const kOwners[] = { "Rossi Mario", "Bianchi Anna", "Verdi Luca", "Esposito Giulia", "Romano Marco",
    "Colombo Sara", "Ricci Paolo", "Marino Elena" };
const char *const kDogs[] = { "Fido", "Luna", "Rex", "Birba", "Tobia", "Pluto", "Argo" };
const char *const kReasons[] = { "Vaccinazione antirabbica", "Saldo pensione estiva", "Toelettatura completa",
    "Visita veterinaria di controllo", "Richiamo antiparassitario" };
const char *const kMonths[] = { "Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio", "Agosto",
    "Settembre", "Ottobre", "Novembre", "Dicembre" };

template <size_t N> QString pick(const char *const (&list)[N], qint64 i)
{
    return QString::fromLatin1(list[size_t(i) % N]);
}

void writeYear(qint64 records)
{
    using D = DeadlineRecord::Field;
    RecordBuffer r(DeadlineRecord::layout());
    QFile file(DeadlineRecord::path(u"2024"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the year file");
    BenchPairs::BlockWriter block(file);
    for (qint64 i = 0; i < records; ++i) {
        const QDate date = QDate(2024, 1, 1).addDays(int((i * 7919) % 366));
        const QString day = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
        const QString hour = QStringLiteral("%1").arg(8 + i % 10, 2, 10, QLatin1Char('0'));
        const QString minute = QStringLiteral("%1").arg((i * 5) % 60, 2, 10, QLatin1Char('0'));
        r.clear();
        r.setText(D::Giorno, day);
        r.setText(D::Mese, QString::fromLatin1(kMonths[date.month() - 1]));
        r.setText(D::Anno, QStringLiteral("2024"));
        r.setText(D::Data, date.toString(QStringLiteral("dd/MM/yyyy")));
        r.setText(D::OreApp, hour);
        r.setText(D::MinutiApp, minute);
        r.setText(D::Ora, hour + QLatin1Char(':') + minute);
        r.setText(D::Avviso, QString::number(i % 15));
        r.setText(D::Proprietario, pick(kOwners, i));
        r.setText(D::CodFisc, QStringLiteral("RSSMRA80A01H%1").arg(i % 1000, 3, 10, QLatin1Char('0')));
        r.setText(D::Recapito, QStringLiteral("06 %1").arg(1000000 + i));
        r.setText(D::Nome, pick(kDogs, i / 3));
        r.setText(D::Razza, QStringLiteral("Meticcio"));
        r.setText(D::Microchip, QStringLiteral("380260000%1").arg(i, 6, 10, QLatin1Char('0')));
        r.setText(D::Dettagli, pick(kReasons, i / 5));
        r.setText(D::Officina, QStringLiteral("Bonifico bancario"));
        r.setText(D::Costo, QStringLiteral("%1,00").arg(20 + i % 200));
        r.setText(D::Note, QStringLiteral("Portare il libretto sanitario, chiamare il giorno prima"));
        r.setFlag(D::DaConfermare, i % 3 == 0);
        r.setFlag(D::Effettuata, i % 2 == 0);
        block.add(r.bytes());
    }
    block.flush();
}

int g_rounds = 5;

double timed(const std::function<void()> &work)
{
    std::vector<double> runs;
    QElapsedTimer timer;
    for (int round = 0; round < g_rounds; ++round) {
        timer.start();
        work();
        runs.push_back(double(timer.nsecsElapsed()) / 1e9);
    }
    return BenchPairs::median(runs);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const qint64 records = argc > 1 ? QByteArray(argv[1]).toLongLong() : 50000;
    g_rounds = argc > 2 ? qMax(1, QByteArray(argv[2]).toInt()) : 5;
    QTemporaryDir dir;
    setProgramFolder(dir.path());
    writeYear(records);
    const QString path = DeadlineRecord::path(u"2024");
    std::printf("%lld deadlines, %.1f MB\n", records, double(QFile(path).size()) / 1e6);

    size_t listed = 0;
    auto plainRead = [&] {
        ArchiveFile file(path, DeadlineRecord::size());
        quint64 sum = 0;
        file.scan([&](qint64, const char *record) { sum += static_cast<unsigned char>(record[0]); });
        listed = size_t(sum % 2);
    };
    const QList<ExportWindow::Column> columns = DeadlineDateList::columns(true);
    QList<SpreadsheetExport::RecordText> sources;
    for (const ExportWindow::Column &c : columns)
        sources.append(c.source);
    auto monthList = [&] {
        SpreadsheetExport::RecordRows rows(DeadlineRecord::layout(), sources);
        rows.load(path,
            { DeadlineListing::dateTest(DeadlineListing::DateRule::Month, QDate(2024, 3, 15), QDate(2024, 3, 15)),
                &DeadlineListing::sortKey });
        listed = size_t(rows.count());
    };
    auto wholeYear = [&] {
        QList<SpreadsheetExport::RecordText> noKey = sources.mid(0, sources.size() - 1);
        SpreadsheetExport::RecordRows rows(DeadlineRecord::layout(), noKey);
        rows.load(path);
        listed = size_t(rows.count());
    };
    // The summaries and searches as their windows list them: each record's
    // number and sort key, sorted; a line's text is made only when it is drawn.
    auto summary = [&] {
        SearchMatch::RecordListing lines;
        lines.collect(
            path, DeadlineRecord::size(),
            [](const char *r) { return DeadlineListing::meets(DeadlineListing::Summary::PaymentsToMake, r); },
            DeadlineListing::summaryShape());
        lines.sort();
        listed = size_t(lines.size());
    };
    auto search = [&](const QStringList &filters) {
        return [&, filters] {
            const SearchMatch::MultiFilter filter(filters, DeadlineListing::filterFields());
            SearchMatch::RecordListing lines;
            lines.collect(
                path, DeadlineRecord::size(), [&](const char *r) { return filter.matches(r); },
                DeadlineListing::summaryShape(), SearchMatch::lineBytes(DeadlineListing::kFixedChars));
            lines.sort();
            listed = size_t(lines.size());
        };
    };

    plainRead(); // the file is now in the page cache
    const double read = timed(plainRead);
    std::printf("%-28s %8.4f s\n", "plain read", read);
    bool ok = true;
    const auto report = [&](const char *name, const std::function<void()> &work) {
        const double t = timed(work);
        const double ratio = t / read;
        ok = ok && ratio <= 1.0;
        std::printf("%-28s %8.4f s  %6.2f x read  %7zu listed%s\n", name, t, ratio, listed,
            ratio <= 1.0 ? "" : "  above the goal");
    };
    report("month list (sorted)", monthList);
    report("whole-year grid", wholeYear);
    report("summary (to make)", summary);
    report("search, two filters",
        search({ QStringLiteral("/03/"), QString(), QStringLiteral("rossi"), QString(), QString(), QString(), QString(),
            QString(), QString(), QString() }));
    report("search, no filter", search(QStringList(10)));
    std::printf(ok ? "goal (<= 1x the plain read): met by every figure\n"
                   : "goal (<= 1x the plain read): NOT met by some figures\n");
    return 0;
}
