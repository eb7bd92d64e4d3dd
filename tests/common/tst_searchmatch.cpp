// Searching and listing without windows: the multi-filter rule, the owner
// line, the list order, the count sentence, find-next and the archive read.
#include "catalog/core/BoxRecord.h"
#include "catalog/core/CatalogListing.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ArchiveFile.h"
#include "common/SearchMatch.h"
#include "deadlines/core/DeadlineListing.h"
#include "deadlines/core/DeadlineRecord.h"
#include "dogs/core/DogListing.h"
#include "dogs/core/DogRecord.h"
#include "owners/core/OwnerListing.h"
#include "owners/core/OwnerRecord.h"
#include "planner/core/BoxChoice.h"
#include "quotes/core/QuoteListing.h"
#include "quotes/core/QuoteRecord.h"
#include "tests/support/CoreSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include <sys/sysinfo.h>

using namespace SearchMatch;

namespace
{

struct Owner {
    QString cliente;
    QString comuneRes;
    QString note;
};

QByteArray ownerBytes(const Owner &o)
{
    RecordBuffer r(OwnerRecord::layout());
    r.setText(OwnerRecord::Cliente, o.cliente);
    r.setText(OwnerRecord::ComuneRes, o.comuneRes);
    r.setText(OwnerRecord::Note, o.note);
    return r.bytes();
}

// The owners every filter case runs against.
const QList<Owner> &fixture()
{
    static const QList<Owner> owners = {
        { QStringLiteral("Rossi Mario"), QStringLiteral("Roma"), QStringLiteral("cliente fedele") },
        { QStringLiteral("Mario Rossi"), QStringLiteral("Milano"), QStringLiteral("paga   in contanti") },
        { QStringLiteral("Bianchi Anna"), QStringLiteral("Roma"), QStringLiteral("tre   blanks") },
        { QStringLiteral("Verdi \u00C0lvaro"), QStringLiteral("Torino"), QString() },
    };
    return owners;
}

QStringList filtersWith(const QString &cliente, const QString &comune = {}, const QString &note = {})
{
    QStringList f(10);
    f[0] = cliente;
    f[1] = comune;
    f[9] = note;
    return f;
}

// sortLines gives the order of one stable sort by lineLess, each line with
// its own record.
void sortsAsOneStableSort(ListLines lines)
{
    ListLines expected = lines;
    std::stable_sort(expected.begin(), expected.end(),
        [](const ListLine &a, const ListLine &b) { return lineLess(a.text, b.text); });
    sortLines(lines);
    QCOMPARE(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        QCOMPARE(lines[i].text, expected[i].text);
        QCOMPARE(lines[i].record, expected[i].record);
    }
}

} // namespace

class TestSearchMatch : public QObject
{
    Q_OBJECT
private slots:
    void filters_data();
    void filters();
    void ownerLine();
    void sortOrder();
    void countSentence();
    void find_data();
    void find();
    void collectFromArchive();
    void storedBlanksCountInMatch_data();
    void storedBlanksCountInMatch();
    void compactKeySortKeepsLineOrder();
    void longListSortsAsOnePass_data();
    void longListSortsAsOnePass();
    void largeArchiveListsAsOnePass();
    void leanListingGivesTheSameLines_data();
    void leanListingGivesTheSameLines();
    void failedReadKeepsTheRecordsBeforeIt_data();
    void failedReadKeepsTheRecordsBeforeIt();
    void listingBoundedByAvailableMemory_data();
    void listingBoundedByAvailableMemory();
    void hugeSparseArchiveFailsFastForMemory();
};

void TestSearchMatch::filters_data()
{
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<int>("setCount");
    QTest::addColumn<QStringList>("listed");

    const QString rossiMario = QStringLiteral("Rossi Mario"), marioRossi = QStringLiteral("Mario Rossi"),
                  bianchi = QStringLiteral("Bianchi Anna"), verdi = QStringLiteral("Verdi \u00C0lvaro");
    QTest::newRow("none set: every owner")
        << filtersWith({}) << 0 << QStringList { rossiMario, marioRossi, bianchi, verdi };
    QTest::newRow("one, capitals match any case")
        << filtersWith(QStringLiteral("ROSSI")) << 1 << QStringList { rossiMario, marioRossi };
    QTest::newRow("leading blank matched as typed")
        << filtersWith(QStringLiteral(" rossi")) << 1 << QStringList { marioRossi };
    QTest::newRow("several: all must occur")
        << filtersWith(QStringLiteral("rossi"), QStringLiteral("roma")) << 2 << QStringList { rossiMario };
    QTest::newRow("several: none occurs")
        << filtersWith(QStringLiteral("neri"), QStringLiteral("bari")) << 2 << QStringList {};
    QTest::newRow("accented letters keep their case")
        << filtersWith(QStringLiteral("\u00E0lvaro")) << 1 << QStringList {};
    QTest::newRow("accented letter as stored")
        << filtersWith(QStringLiteral("\u00C0LVARO")) << 1 << QStringList { verdi };
    // Three blanks in Note are no filter: they neither count nor stand in for
    // the name filter on an owner whose note happens to hold three blanks.
    QTest::newRow("blanks-only filter does not count") << filtersWith(QStringLiteral("rossi"), {},
        QStringLiteral("   ")) << 1 << QStringList { rossiMario, marioRossi };
    QTest::newRow("blanks-only filters alone: every owner") << filtersWith(QStringLiteral("  "), {},
        QStringLiteral("   ")) << 0 << QStringList { rossiMario, marioRossi, bianchi, verdi };
    QTest::newRow("character no record can hold") << filtersWith(QStringLiteral("\u4E2D")) << 1 << QStringList {};
}

void TestSearchMatch::filters()
{
    QFETCH(QStringList, filters);
    QFETCH(int, setCount);
    QFETCH(QStringList, listed);

    const MultiFilter filter(filters, OwnerListing::filterFields());
    QCOMPARE(filter.setCount(), setCount);
    QStringList got;
    for (const Owner &o : fixture()) {
        if (filter.matches(ownerBytes(o).constData()))
            got << o.cliente;
    }
    QCOMPARE(got, listed);
}

void TestSearchMatch::ownerLine()
{
    RecordBuffer r(OwnerRecord::layout());
    r.setText(OwnerRecord::Cliente, QStringLiteral("Abbondanza-Castelfranchi Maria Teresa")); // 37, cut to 26
    r.setText(OwnerRecord::Recapito, QStringLiteral("333 1234567"));
    r.setText(OwnerRecord::Occupazione, QStringLiteral("Insegnante"));
    r.setText(OwnerRecord::CaniOra, QStringLiteral("Fido"));
    r.setText(OwnerRecord::Note, QStringLiteral("Preferisce il box 3"));
    r.setText(OwnerRecord::Questioni, QString());

    const QString search = OwnerListing::searchLine(r.bytes().constData());
    QCOMPARE(search,
        QStringLiteral("Abbondanza-Castelfranchi M  Tel. 333 1234567      Insegnante               "
                       "  Cani: Fido                            Preferisce il box 3"));
    QCOMPARE(search.size(), 115 + 19);
    // Empty questions: the call-back line ends with the two blanks after the dogs.
    const QString callBack = OwnerListing::callBackLine(r.bytes().constData());
    QCOMPARE(callBack.size(), 115);
    QVERIFY(callBack.endsWith(QStringLiteral("Fido                            ")));
}

void TestSearchMatch::sortOrder()
{
    ListLines lines;
    qint64 k = 0;
    for (const char *t : { "_abc", "Zeta", "alfa", "ALF", "Alfa2", "alfa" })
        lines.push_back({ QString::fromLatin1(t), k++ });
    sortLines(lines);
    QStringList texts;
    QList<qint64> records;
    for (const ListLine &l : lines) {
        texts << l.text;
        records << l.record;
    }
    // a-z compare as A-Z, so "_" (after "Z") follows every letter; a prefix
    // comes first; equal lines keep their file order.
    QCOMPARE(texts, (QStringList { "ALF", "alfa", "alfa", "Alfa2", "Zeta", "_abc" }));
    QCOMPARE(records, (QList<qint64> { 3, 2, 5, 4, 1, 0 }));
}

void TestSearchMatch::countSentence()
{
    QCOMPARE(
        SearchMatch::countSentence(kRiepilogoBeginning, 1), QStringLiteral("Il presente riepilogo contiene 1 schede."));
    QCOMPARE(SearchMatch::countSentence(kElencoBeginning, 0), QStringLiteral("Il presente elenco contiene 0 schede."));
}

void TestSearchMatch::find_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("expectedLast");
    // Lines: 0 "Rossi Mario", 1 "Bianchi", 2 "mario rossi", 3 "Verdi"
    QTest::newRow("new text: first from the top") << 3 << "ROSSI"
                                                  << "" << 0 << "rossi";
    QTest::newRow("new text tests line 0 first") << 2 << "Rossi"
                                                 << "x" << 0 << "rossi";
    QTest::newRow("same text: the next one") << 0 << "rossi"
                                             << "rossi" << 2 << "rossi";
    QTest::newRow("same text: wraps to the first") << 2 << "rossi"
                                                   << "rossi" << 0 << "rossi";
    QTest::newRow("only match stays selected") << 1 << "bianchi"
                                               << "bianchi" << 1 << "bianchi";
    QTest::newRow("not found: selection stays") << 3 << "neri"
                                                << "" << 3 << "neri";
    QTest::newRow("no selection: line 0 selected") << -1 << "neri"
                                                   << "" << 0 << "neri";
    QTest::newRow("empty text never matches") << 2 << ""
                                              << "" << 2 << "";
}

void TestSearchMatch::find()
{
    QFETCH(int, selected);
    QFETCH(QString, typed);
    QFETCH(QString, last);
    QFETCH(int, expected);
    QFETCH(QString, expectedLast);
    const QStringList lines = { "Rossi Mario", "Bianchi", "mario rossi", "Verdi" };
    const FindOutcome out = findNext(
        int(lines.size()), [&](int i) { return lines.at(i); }, selected, typed, last);
    QCOMPARE(out.selected, expected);
    QCOMPARE(out.lastSearch, expectedLast);
}

void TestSearchMatch::collectFromArchive()
{
    TestSupport::TempProgramFolder folder;
    ListLines lines;
    // A missing archive is created empty and lists nothing.
    collectLines(OwnerRecord::path(), OwnerRecord::size(), {}, OwnerListing::searchLine, lines);
    QVERIFY(lines.empty());
    QVERIFY(QFile::exists(OwnerRecord::path()));
    QCOMPARE(QFile(OwnerRecord::path()).size(), 0);

    // Records keep their index; a tail shorter than a record is ignored.
    QByteArray bytes;
    for (const Owner &o : fixture())
        bytes += ownerBytes(o);
    bytes += QByteArray(100, 'x');
    TestSupport::writeFile(OwnerRecord::path(), bytes);
    const MultiFilter filter(filtersWith(QStringLiteral("rossi")), OwnerListing::filterFields());
    collectLines(
        OwnerRecord::path(), OwnerRecord::size(), [&](const char *r) { return filter.matches(r); },
        OwnerListing::searchLine, lines);
    QCOMPARE(lines.size(), size_t(2));
    QCOMPARE(lines[0].record, 0);
    QCOMPARE(lines[1].record, 1);
    QVERIFY(lines[1].text.startsWith(QStringLiteral("Mario Rossi")));

    QByteArray record;
    readRecord(OwnerRecord::path(), OwnerRecord::size(), 3, record);
    QCOMPARE(record, ownerBytes(fixture().at(3)));
    QVERIFY_THROWS_EXCEPTION(ArchiveAccessError, readRecord(OwnerRecord::path(), OwnerRecord::size(), 4, record));
}

// Writes `stored` into the owner's name field byte by byte, as another writer
// may have left it (blanks around it included), with `length` as its length
// byte (-1: the text's own length).
QByteArray rawNameRecord(const QByteArray &stored, int length = -1)
{
    RecordBuffer r(OwnerRecord::layout());
    char *f = r.bytes().data() + OwnerRecord::layout().offset(OwnerRecord::Cliente);
    const int capacity = OwnerRecord::layout().capacity(OwnerRecord::Cliente);
    std::memcpy(f + 1, stored.constData(), size_t(qMin<qsizetype>(stored.size(), capacity)));
    f[0] = char(length >= 0 ? length : int(stored.size()));
    return r.bytes();
}

void TestSearchMatch::storedBlanksCountInMatch_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("length"); // -1: the stored text's own length
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("listed");

    QTest::newRow("leading blanks of the filter meet the stored ones")
        << QByteArray("  Spazi attorno  ") << -1 << QStringLiteral("  spazi") << true;
    QTest::newRow("trailing blanks of the filter meet the stored ones")
        << QByteArray("  Spazi attorno  ") << -1 << QStringLiteral("ATTORNO  ") << true;
    QTest::newRow("the whole stored text as typed")
        << QByteArray("  Spazi attorno  ") << -1 << QStringLiteral("  spazi attorno  ") << true;
    QTest::newRow("a trimmed stored text has no leading blanks")
        << QByteArray("Spazi attorno") << -1 << QStringLiteral("  spazi") << false;
    QTest::newRow("more blanks than stored")
        << QByteArray("  Spazi attorno  ") << -1 << QStringLiteral("   spazi") << false;
    QTest::newRow("blanks-only filter is still no filter")
        << QByteArray("Spazi attorno") << -1 << QStringLiteral("   ") << true;
    QTest::newRow("bytes past the length byte are not the text")
        << QByteArray("  Spazi attorno  ") << 7 << QStringLiteral("attorno") << false;
    QTest::newRow("a length byte above the capacity reads the capacity")
        << QByteArray("  Spazi attorno  ") << 255 << QStringLiteral("attorno  ") << true;
}

void TestSearchMatch::storedBlanksCountInMatch()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, length);
    QFETCH(QString, filter);
    QFETCH(bool, listed);
    const MultiFilter f(filtersWith(filter), OwnerListing::filterFields());
    QCOMPARE(f.matches(rawNameRecord(stored, length).constData()), listed);
}

void TestSearchMatch::compactKeySortKeepsLineOrder()
{
    // Lines with long common beginnings (past the key), ASCII case, letters
    // from U+00FF up (where the key stops telling characters apart), NUL
    // characters and prefixes: the order must be exactly lineLess's, equal
    // lines in file order.
    const QString alphabet = QStringLiteral("aAbB \u00E9\u00C9\u00FF\u20AC\u0152_z");
    const QString common = QStringLiteral("Rossi Mario                 Tel. 06 1000");
    ListLines lines;
    quint32 seed = 12345;
    auto next = [&seed](quint32 bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % bound;
    };
    for (qint64 i = 0; i < 3000; ++i) {
        QString text = next(3) == 0 ? QString() : common.left(qsizetype(next(quint32(common.size()) + 1)));
        const int extra = int(next(7));
        for (int k = 0; k < extra; ++k)
            text += next(10) == 0 ? QChar(u'\0') : alphabet.at(next(quint32(alphabet.size())));
        lines.push_back({ text, i });
    }
    sortsAsOneStableSort(lines);
}

void TestSearchMatch::longListSortsAsOnePass_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("common");
    QTest::addColumn<int>("parts"); // side by side (0: as many as the machine gives)
    // A short list sorts in one part, a long one in parts that are merged
    // (an odd count of merging rounds included); lines agree up to and past
    // the compact key.
    QTest::newRow("one part") << 3000 << 100 << 0;
    QTest::newRow("parts merged") << 40000 << 100 << 0;
    QTest::newRow("parts merged, short lines") << 40000 << 6 << 0;
    for (const int parts : { 2, 3, 5, 6 })
        QTest::addRow("%d parts merged", parts) << 40000 << 100 << parts;
}

void TestSearchMatch::longListSortsAsOnePass()
{
    QFETCH(int, count);
    QFETCH(int, common);
    QFETCH(int, parts);
    setSideBySideForTest(parts);
    const auto machineParts = qScopeGuard([] { setSideBySideForTest(0); });
    const QString alphabet = QStringLiteral("aAbB \u00E9\u00C9\u00FF\u20AC_z");
    const QString beginning = QString(common, QLatin1Char('x'));
    ListLines lines;
    quint32 seed = 777;
    auto next = [&seed](quint32 bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % bound;
    };
    for (qint64 i = 0; i < count; ++i) {
        QString text = beginning.left(qsizetype(next(quint32(common) + 1)));
        const int extra = int(next(5));
        for (int k = 0; k < extra; ++k)
            text += alphabet.at(next(quint32(alphabet.size())));
        lines.push_back({ text, i });
    }
    sortsAsOneStableSort(lines);
}

void TestSearchMatch::largeArchiveListsAsOnePass()
{
    // An archive large enough to be read in parts side by side: the lines
    // are those of one pass, in file order, each with its own record.
    TestSupport::TempProgramFolder folder;
    const int records = int((qint64(24) << 20) / OwnerRecord::size()) + 7;
    QByteArray bytes;
    bytes.reserve(qsizetype(records) * OwnerRecord::size());
    for (int i = 0; i < records; ++i) {
        const Owner o { QStringLiteral("Owner %1 %2").arg(i).arg(i % 3 == 0 ? "rossi" : "verdi"),
            QStringLiteral("Roma"), QString() };
        bytes += ownerBytes(o);
    }
    TestSupport::writeFile(OwnerRecord::path(), bytes);
    const MultiFilter filter(filtersWith(QStringLiteral("rossi")), OwnerListing::filterFields());
    ListLines lines;
    lines.push_back({ QStringLiteral("before"), -1 }); // lines are appended to what is there
    collectLines(
        OwnerRecord::path(), OwnerRecord::size(), [&](const char *r) { return filter.matches(r); },
        OwnerListing::searchLine, lines);
    QCOMPARE(lines.size(), size_t(1 + (records + 2) / 3));
    QCOMPARE(lines[0].text, QStringLiteral("before"));
    for (size_t k = 1; k < lines.size(); ++k) {
        const qint64 index = qint64(k - 1) * 3;
        QCOMPARE(lines[k].record, index);
        QCOMPARE(lines[k].text, OwnerListing::searchLine(bytes.constData() + index * OwnerRecord::size()));
    }
}

namespace
{

// The lines of each list, as the windows build them, with their archives.
struct ListedArea {
    const RecordLayout *layout;
    QString path;
    LineBuilder line;
};

ListedArea listedArea(const QString &name)
{
    if (name == QLatin1String("owner call-back"))
        return { &OwnerRecord::layout(), OwnerRecord::path(), OwnerListing::callBackShape() };
    if (name == QLatin1String("deadline summary"))
        return { &DeadlineRecord::layout(), DeadlineRecord::path(u"2024"), DeadlineListing::summaryShape() };
    if (name == QLatin1String("quote"))
        return { &QuoteRecord::layout(), QuoteRecord::path(u"2026"), QuoteListing::lineShape() };
    if (name == QLatin1String("service"))
        return { &ServiceRecord::layout(), ServiceRecord::path(), CatalogListing::serviceShape() };
    if (name == QLatin1String("box"))
        return { &BoxRecord::layout(), BoxRecord::path(), CatalogListing::boxShape() };
    if (name == QLatin1String("dog"))
        return { &DogRecord::layout(), DogRecord::path(), DogListing::searchShape() };
    if (name == QLatin1String("box choice"))
        return { &BoxRecord::layout(), BoxRecord::path(), BoxChoice::shape() };
    if (name.startsWith(QLatin1String("long blank runs"))) {
        // Long runs of blanks (padded columns side by side, some over 250),
        // ended by a character above or below the blank (a tab), by a letter
        // above U+00FF or by the end of the line.
        const auto field = [](int f) { return FieldRef::of(OwnerRecord::layout(), f); };
        static const LineShape shape(
            { { {}, field(OwnerRecord::Cliente), 126 }, { QStringLiteral(" "), field(OwnerRecord::DataNasc), 127 },
                { {}, field(OwnerRecord::ComuneNasc), 2 }, { QStringLiteral("\t"), field(OwnerRecord::ProvNasc), 3 },
                { {}, field(OwnerRecord::Recapito), 130 }, { QStringLiteral(" "), field(OwnerRecord::IndirizzoRes) } });
        // Through the line's text rather than the record's bytes.
        if (name.endsWith(QLatin1String("text")))
            return { &OwnerRecord::layout(), OwnerRecord::path(), [](const char *r) { return shape(r); } };
        return { &OwnerRecord::layout(), OwnerRecord::path(), shape };
    }
    if (name == QLatin1String("whole column first")) {
        // A column of no fixed width ahead of others: the texts after it
        // stand at a different place in each line.
        const auto field = [](int f) { return FieldRef::of(OwnerRecord::layout(), f); };
        static const LineShape shape({ { QStringLiteral("a"), field(OwnerRecord::Cliente) },
            { QStringLiteral(" "), field(OwnerRecord::ComuneNasc), 6 },
            { QStringLiteral(" Z"), field(OwnerRecord::Note) } });
        return { &OwnerRecord::layout(), OwnerRecord::path(), shape };
    }
    return { &OwnerRecord::layout(), OwnerRecord::path(), OwnerListing::searchShape() };
}

// Record i of a generic archive: every field from a few texts that fold the
// same or nearly (case, accents, letters above U+00FF, blanks, empty, texts
// longer than their columns), so that many lines tie or differ late.
QByteArray mixedRecord(const RecordLayout &layout, int i)
{
    static const char *const texts[] = { "", "Rossi Mario", "rossi mario", "ROSSI MARI", "\xC3\x80lvaro",
        "\xC3\xA0lvaro", "\xC5\x92uvre", "\xC5\x93uvre", "\xE2\x82\xAC 12,00", "12", "1", "  Zeta  ", "_abc", "z",
        "Abbondanza-Castelfranchi Maria Teresa e figli", "\xC3\xBF fine", "Rossi Mario e Anna", "Rossi\tMario",
        "Rossi \tMario", "Rossi   Mario" };
    constexpr int n = int(std::size(texts));
    RecordBuffer r(layout);
    for (int f = 0; f < layout.fieldCount(); ++f) {
        // Most fields change slowly, so records agree on long beginnings.
        const int pick = f % 3 == 0 ? (i / 7 + f) % n : ((i * (f + 3)) / 11 + f * 5) % n;
        r.setText(f, QString::fromUtf8(texts[pick]));
    }
    return r.bytes();
}

} // namespace

void TestSearchMatch::leanListingGivesTheSameLines_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<int>("records");
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<QString>("filter"); // on the owner's name (owner search only)
    // Lines that agree past the sort key and differ (or not) only in the
    // notes at their end; a large archive is read in parts side by side.
    const QString owners = QStringLiteral("owner search");
    QTest::newRow("sorted, ties past the key") << owners << 600 << true << QString();
    QTest::newRow("sorted, filtered") << owners << 600 << true << QStringLiteral("rossi");
    QTest::newRow("file order") << owners << 600 << false << QString();
    QTest::newRow("sorted, read in parts")
        << owners << int((qint64(24) << 20) / OwnerRecord::size()) + 7 << true << QString();
    // Each list's own key from the record bytes, on mixed texts.
    for (const char *area : { "owner call-back", "deadline summary", "quote", "service", "box", "dog", "box choice",
             "long blank runs", "long blank runs, from the text", "whole column first" })
        QTest::newRow(area) << QString::fromLatin1(area) << 900 << true << QString();
    QTest::newRow("deadline summary, read in parts")
        << QStringLiteral("deadline summary") << int((qint64(24) << 20) / DeadlineRecord::size()) + 7 << true
        << QString();
}

void TestSearchMatch::leanListingGivesTheSameLines()
{
    QFETCH(QString, area);
    QFETCH(int, records);
    QFETCH(bool, sorted);
    QFETCH(QString, filter);
    TestSupport::TempProgramFolder folder;
    // Letters below and above U+00FF (Œ, €) and case that folds the same.
    const char *const names[]
        = { "Rossi Mario", "rossi mario", "Bianchi Anna", "Verdi \xC3\x80lvaro", "\xC5\x92uvre", "\xE2\x82\xAC uno" };
    const ListedArea listed = listedArea(area);
    const bool ownerSearch = area == QLatin1String("owner search");
    QByteArray bytes;
    for (int i = 0; i < records; ++i) {
        const Owner o { QString::fromUtf8(names[(i * 7) % 6]), QStringLiteral("Roma"),
            QStringLiteral("nota %1").arg((i * 31) % 97) };
        bytes += ownerSearch ? ownerBytes(o) : mixedRecord(*listed.layout, i);
    }
    TestSupport::writeFile(listed.path, bytes);
    const MultiFilter match(filtersWith(filter), OwnerListing::filterFields());
    const RecordTest accept = [&](const char *r) { return !ownerSearch || match.matches(r); };

    ListLines expected;
    // The lines made whole and sorted by lineLess, against the listing's keys.
    const LineBuilder wholeLine = [&listed](const char *r) { return listed.line(r); };
    collectLines(listed.path, listed.layout->size(), accept, wholeLine, expected);
    if (sorted)
        sortLines(expected);

    RecordListing listing;
    listing.setSorted(sorted);
    listing.collect(listed.path, listed.layout->size(), accept, listed.line);
    if (sorted)
        listing.sort();
    // The archive replaced afterwards: the lines stay those of the listing.
    QVERIFY(QFile::remove(listed.path));
    TestSupport::writeFile(listed.path, QByteArray(listed.layout->size(), ' '));

    QCOMPARE(listing.size(), qsizetype(expected.size()));
    for (qsizetype row = 0; row < listing.size(); row += 5) { // line by line, as drawn
        QCOMPARE(listing.record(row), expected[size_t(row)].record);
        QCOMPARE(listing.text(row), expected[size_t(row)].text);
    }
    const QStringList texts = listing.texts(); // all at once, as found or printed
    QCOMPARE(texts.size(), qsizetype(expected.size()));
    for (size_t row = 0; row < expected.size(); ++row) {
        QCOMPARE(texts[qsizetype(row)], expected[row].text);
        QCOMPARE(listing.record(qsizetype(row)), expected[row].record);
    }
}

void TestSearchMatch::failedReadKeepsTheRecordsBeforeIt_data()
{
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<double>("at"); // where the failing record lies, as a share of the archive
    QTest::addColumn<int>("parts"); // read side by side (0: as many as the machine gives)
    for (const bool sorted : { true, false }) {
        const char *order = sorted ? "sorted" : "file order";
        QTest::addRow("%s, first record", order) << sorted << 0.0 << 0;
        QTest::addRow("%s, middle", order) << sorted << 0.41 << 0;
        QTest::addRow("%s, last record", order) << sorted << 1.0 << 0;
        QTest::addRow("%s, middle, five parts", order) << sorted << 0.41 << 5;
    }
}

void TestSearchMatch::failedReadKeepsTheRecordsBeforeIt()
{
    // A large archive (read side by side) whose reading fails at one record:
    // the listing keeps exactly the records before it, as one pass would.
    QFETCH(bool, sorted);
    QFETCH(double, at);
    QFETCH(int, parts);
    setSideBySideForTest(parts);
    const auto machineParts = qScopeGuard([] { setSideBySideForTest(0); });
    TestSupport::TempProgramFolder folder;
    const int records = int((qint64(24) << 20) / OwnerRecord::size()) + 7;
    const int failing = qMin(records - 1, int(at * records));
    QByteArray bytes;
    for (int i = 0; i < records; ++i) {
        QByteArray record = mixedRecord(OwnerRecord::layout(), i);
        if (i == failing) {
            RecordBuffer r(OwnerRecord::layout());
            r.bytes() = record;
            r.setText(OwnerRecord::Cliente, QStringLiteral("unreadable"));
            record = r.bytes();
        }
        bytes += record;
    }
    TestSupport::writeFile(OwnerRecord::path(), bytes);
    const FieldRef name = FieldRef::of(OwnerRecord::layout(), OwnerRecord::Cliente);
    const RecordTest accept = [&](const char *r) {
        if (name.load(r) == QLatin1String("unreadable"))
            throw std::runtime_error("unreadable record");
        return true;
    };
    const LineBuilder line = OwnerListing::searchShape();

    ListLines expected;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
        collectLines(
            OwnerRecord::path(), OwnerRecord::size(), accept, [&](const char *r) { return line(r); }, expected));
    QCOMPARE(expected.size(), size_t(failing));
    if (sorted)
        sortLines(expected);

    RecordListing listing;
    listing.setSorted(sorted);
    QVERIFY_THROWS_EXCEPTION(
        std::runtime_error, listing.collect(OwnerRecord::path(), OwnerRecord::size(), accept, line));
    if (sorted)
        listing.sort();
    QCOMPARE(listing.size(), qsizetype(expected.size()));
    const QStringList texts = listing.texts();
    for (size_t row = 0; row < expected.size(); ++row) {
        QCOMPARE(listing.record(qsizetype(row)), expected[row].record);
        QCOMPARE(texts[qsizetype(row)], expected[row].text);
    }
}

void TestSearchMatch::listingBoundedByAvailableMemory_data()
{
    QTest::addColumn<qint64>("roomForLines"); // memory left, in lines of the owner search
    QTest::addColumn<bool>("refused");
    // 100 owners in the archive.
    QTest::newRow("room for every line") << qint64(100) << false;
    QTest::newRow("room for one line fewer") << qint64(99) << true;
    QTest::newRow("no room at all") << qint64(0) << true;
}

void TestSearchMatch::listingBoundedByAvailableMemory()
{
    QFETCH(qint64, roomForLines);
    QFETCH(bool, refused);
    TestSupport::TempProgramFolder folder;
    TestSupport::writeFile(OwnerRecord::path(), QByteArray(100 * OwnerRecord::size(), '\0'));
    const qint64 perLine = lineBytes(OwnerListing::kFixedChars);
    QVERIFY(perLine > 2 * OwnerListing::kFixedChars); // the text is UTF-16
    setAvailableMemoryForTest(roomForLines * perLine);
    ListLines lines;
    bool threw = false;
    try {
        collectLines(OwnerRecord::path(), OwnerRecord::size(), {}, OwnerListing::searchLine, lines, perLine);
    } catch (const ListingMemoryError &) {
        threw = true;
    }
    setAvailableMemoryForTest(-1);
    QCOMPARE(threw, refused);
    QCOMPARE(lines.size(), refused ? size_t(0) : size_t(100));
}

void TestSearchMatch::hugeSparseArchiveFailsFastForMemory()
{
    // A 1 TB archive (sparse: it takes no disk) lists 297 million owners, far
    // more than this machine's memory holds: the listing is refused before a
    // single record is read, with the memory failure, not the archive one.
    TestSupport::TempProgramFolder folder;
    {
        QFile huge(OwnerRecord::path());
        QVERIFY(huge.open(QIODevice::WriteOnly));
        if (!huge.resize(qint64(1) << 40))
            QSKIP("this file system cannot hold a 1 TB sparse file");
    }
    // The measured figure is real: never above the machine's memory and swap.
    struct sysinfo machine = {};
    QVERIFY(::sysinfo(&machine) == 0);
    const qint64 total = (qint64(machine.totalram) + qint64(machine.totalswap)) * machine.mem_unit;
    QVERIFY(availableMemory() > 0);
    QVERIFY(availableMemory() <= total);
    const qint64 perLine = lineBytes(OwnerListing::kFixedChars);
    if ((qint64(1) << 40) / OwnerRecord::size() <= total / perLine)
        QSKIP("this machine could hold the whole listing");
    QElapsedTimer timer;
    timer.start();
    ListLines lines;
    QVERIFY_THROWS_EXCEPTION(ListingMemoryError,
        collectLines(OwnerRecord::path(), OwnerRecord::size(), {}, OwnerListing::searchLine, lines, perLine));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(lines.empty());
    QVERIFY(QFile::remove(OwnerRecord::path()));
}

QTEST_GUILESS_MAIN(TestSearchMatch)
#include "tst_searchmatch.moc"
