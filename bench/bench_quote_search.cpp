// The quote search over a year of 20,000 quotes (4926 bytes each, about
// 98 MB), beside one plain read of the year file measured in the same run:
//   - the search with two filters set (customer and reference);
//   - every quote listed (no filter: read, lines, sort), the worst case,
//     printed for information (about 3x: 20,000 lines built and sorted).
// Every figure is the median of five runs with the file in the page cache.
// Goal: the search within 1x the plain read (reported; never fails).
// Usage: bench_quote_search [quotes]   (default: 20000)
#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/SearchMatch.h"
#include "quotes/core/QuoteListing.h"
#include "quotes/core/QuoteRecord.h"

#include "BenchPairs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

const char *const kCustomers[] = { "Rossi Mario", "Bianchi Anna", "Verdi Luca", "Esposito Giulia", "Romano Marco",
    "Colombo Sara", "Ricci Paolo", "Marino Elena", "Greco Nicola", "Bruno Carla", "Gallo Piero" };
const char *const kReferences[]
    = { "Pensione estiva", "Toelettatura", "Soggiorno breve", "Addestramento", "Pensione invernale", "Visita e bagno" };

template <size_t N> QString pick(const char *const (&list)[N], qint64 i)
{
    return QString::fromLatin1(list[size_t(i) % N]);
}

void writeYear(const QString &path, qint64 quotes)
{
    using namespace QuoteRecord;
    RecordBuffer r(layout());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the year file");
    BenchPairs::BlockWriter block(file);
    for (qint64 i = 0; i < quotes; ++i) {
        r.clear();
        r.setText(NumFatt, QString::number(i + 1));
        r.setText(Data,
            QStringLiteral("%1/%2/2026")
                .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                .arg(i % 12 + 1, 2, 10, QLatin1Char('0')));
        r.setText(Ditta, u"Pensione per cani Il Girasole");
        r.setText(Cliente, pick(kCustomers, i));
        r.setText(ViaCliente, QStringLiteral("Via Roma %1").arg(i % 200));
        r.setText(CittaCliente, u"Forl\u00EC");
        r.setText(IvaCliente, QStringLiteral("%1").arg(10000000000LL + i));
        r.setText(Riferimenti, pick(kReferences, i / 11));
        r.setText(Pagamento, u"Bonifico bancario");
        for (int row = 1; row <= 6; ++row) {
            r.setText(rowField(Quant01, row), u"1");
            r.setText(rowField(Codice01, row), QStringLiteral("SRV%1").arg(row));
            r.setText(rowField(Desc01, row), u"Soggiorno giornaliero in box singolo con passeggiata");
            r.setText(rowField(Prezzo01, row), u"25,00");
            r.setText(rowField(Importo01, row), u"25,00");
            r.setFlag(rowField(Es01, row), false);
        }
        r.setText(TotFattura, u"183,00");
        r.setText(Note, u"Cane socievole, portare il cibo abituale");
        r.setFlag(Saldata, i % 4 == 0);
        block.add(r.bytes());
    }
    block.flush();
}

std::vector<FieldRef> filterFields()
{
    using namespace QuoteRecord;
    std::vector<FieldRef> fields;
    for (int f :
        { NumFatt, Data, Cliente, ViaCliente, CittaCliente, Pagamento, IvaCliente, CodFiscCliente, Riferimenti, Note })
        fields.push_back(FieldRef::of(layout(), f));
    return fields;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const qint64 quotes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 20000;
    QTemporaryDir dir;
    setProgramFolder(dir.path());
    const QString path = QuoteRecord::path(u"2026");
    writeYear(path, quotes);

    auto readOnce = [&] {
        ArchiveFile file(path, QuoteRecord::size());
        quint64 sum = 0;
        file.scan([&](qint64, const char *record) { sum += static_cast<unsigned char>(record[0]); });
        return sum;
    };
    auto search = [&](const QStringList &filters) {
        const SearchMatch::MultiFilter filter(filters, filterFields());
        SearchMatch::RecordListing lines;
        lines.collect(
            path, QuoteRecord::size(), [&](const char *r) { return filter.matches(r); }, QuoteListing::lineShape(),
            SearchMatch::lineBytes(QuoteListing::kFixedChars));
        lines.sort();
        return size_t(lines.size());
    };
    QStringList two(10);
    two[2] = QStringLiteral("rossi");
    two[8] = QStringLiteral("ESTIVA");

    std::vector<double> read, searched, all;
    size_t found = 0, listed = 0;
    QElapsedTimer timer;
    readOnce(); // the file is now in the page cache
    for (int round = 0; round < 5; ++round) {
        timer.start();
        readOnce();
        read.push_back(timer.nsecsElapsed() / 1e9);
        timer.start();
        found = search(two);
        searched.push_back(timer.nsecsElapsed() / 1e9);
        timer.start();
        listed = search(QStringList(10));
        all.push_back(timer.nsecsElapsed() / 1e9);
    }
    if (listed != size_t(quotes))
        qFatal("listed %zu of %lld quotes", listed, static_cast<long long>(quotes));
    const double r = BenchPairs::median(read), s = BenchPairs::median(searched), a = BenchPairs::median(all);
    std::printf("%lld quotes, %.1f MB; medians of 5 runs, seconds\n", static_cast<long long>(quotes),
        double(QFile(path).size()) / 1e6);
    std::printf("read %.3f | search (2 filters, %zu found) %.3f = %.2fx | list all %.3f = %.2fx\n", r, found, s, s / r,
        a, a / r);
    const bool ok = s / r <= 1;
    std::printf("goal: the search within 1x the read: %s\n", ok ? "met" : "NOT met");
    return 0;
}
