#include "app/core/HelpText.h"

#include <QTest>

Q_DECLARE_METATYPE(HelpTopic)

namespace
{
const QString Sep = QStringLiteral("\r\n\r\n");

QStringList slice(const QStringList &list, int from, int to) // 1-based, inclusive
{
    return list.mid(from - 1, to - from + 1);
}
} // namespace

class TestHelpText : public QObject
{
    Q_OBJECT
private slots:
    void joinGivesOneSeparatorBetweenParagraphs_data();
    void joinGivesOneSeparatorBetweenParagraphs();
    void topics_data();
    void topics();
    void generalTopicIsComposedFromTheOthers();
    void sharedParagraphsAreTheSame();
    void quotedTexts_data();
    void quotedTexts();
    void quoteTopicNamesTheAppAndTheKennel();
};

void TestHelpText::joinGivesOneSeparatorBetweenParagraphs_data()
{
    QTest::addColumn<QStringList>("paragraphs");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("one") << QStringList { "Uno." } << QStringLiteral("Uno.");
    QTest::newRow("two") << QStringList { "Uno.", "Due." } << QStringLiteral("Uno.\r\n\r\nDue.");
    QTest::newRow("three") << QStringList { "A", "B", "C" } << QStringLiteral("A\r\n\r\nB\r\n\r\nC");
}

void TestHelpText::joinGivesOneSeparatorBetweenParagraphs()
{
    QFETCH(QStringList, paragraphs);
    QFETCH(QString, expected);
    QCOMPARE(HelpText::join(paragraphs), expected);
}

void TestHelpText::topics_data()
{
    QTest::addColumn<HelpTopic>("topic");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("count");
    const auto row = [](HelpTopic t, const char *title, int count) {
        QTest::newRow(title) << t << QString::fromUtf8(title) << count;
    };
    row(HelpTopic::General, "Uno sguardo a Kennora", 69);
    row(HelpTopic::Owners, "App Anagrafica Proprietari", 9);
    row(HelpTopic::OwnersExport, "Esportazione archivio proprietari in Microsoft Excel", 3);
    row(HelpTopic::Dogs, "App Anagrafica Cani", 14);
    row(HelpTopic::DogsExport, "Esportazione archivio anagrafico cani in Microsoft Excel", 3);
    row(HelpTopic::PriceListAndBoxes, "App Listino Prezzi e Box per Cani", 15);
    row(HelpTopic::PriceList, "App Listino Prezzi", 7);
    row(HelpTopic::Boxes, "App Box per Cani", 7);
    row(HelpTopic::PriceListExport, "Esportazione listino prezzi in Microsoft Excel", 3);
    row(HelpTopic::BoxesExport, "Esportazione archivio box per cani in Microsoft Excel", 3);
    row(HelpTopic::Planner, "App Planner Prenotazioni Box", 7);
    row(HelpTopic::Quotes, "App Emissione Preventivi", 10);
    row(HelpTopic::QuotesExport, "Esportazione archivio preventivi in Microsoft Excel", 3);
    row(HelpTopic::Deadlines, "App Scadenze e Appuntamenti", 9);
    row(HelpTopic::DeadlinesView, "Visualizzazione scadenze e appuntamenti", 5);
    row(HelpTopic::DeadlinesExport, "Esportazione archivio Scadenze e appuntamenti in Microsoft Excel", 3);
}

// Title, paragraph count, and the shown text: n paragraphs, n - 1 separators,
// nothing before the first or after the last; every paragraph is one clean line.
void TestHelpText::topics()
{
    QFETCH(HelpTopic, topic);
    QFETCH(QString, title);
    QFETCH(int, count);

    QVERIFY(HelpText::allTopics().contains(topic));
    QCOMPARE(HelpText::title(topic), title);
    const QStringList paragraphs = HelpText::paragraphs(topic);
    QCOMPARE(paragraphs.size(), count);
    for (const QString &p : paragraphs) {
        QVERIFY2(!p.isEmpty() && p == p.trimmed(), qPrintable(p));
        QVERIFY2(!p.contains(QLatin1Char('\r')) && !p.contains(QLatin1Char('\n')), qPrintable(p));
        QVERIFY2(!p.contains(QLatin1String("  ")), qPrintable(p)); // pieces joined with one blank
        QVERIFY2(p.endsWith(QLatin1Char('.')), qPrintable(p));
    }

    const QString text = HelpText::text(topic);
    QCOMPARE(text.count(Sep), count - 1);
    QVERIFY(!text.startsWith(QLatin1Char('\r')) && !text.endsWith(QLatin1Char('\n')));
    QCOMPARE(text.split(Sep), paragraphs);
}

void TestHelpText::generalTopicIsComposedFromTheOthers()
{
    QCOMPARE(HelpText::allTopics().size(), 16);
    const QStringList general = HelpText::paragraphs(HelpTopic::General);
    QCOMPARE(general.size(), 69);
    QCOMPARE(slice(general, 2, 10), HelpText::paragraphs(HelpTopic::Owners));
    QCOMPARE(slice(general, 11, 24), HelpText::paragraphs(HelpTopic::Dogs));
    QCOMPARE(slice(general, 25, 39), HelpText::paragraphs(HelpTopic::PriceListAndBoxes));
    QCOMPARE(slice(general, 40, 46), HelpText::paragraphs(HelpTopic::Planner));
    QCOMPARE(slice(general, 47, 55), HelpText::paragraphs(HelpTopic::Deadlines));
    QCOMPARE(slice(general, 56, 65), HelpText::paragraphs(HelpTopic::Quotes));
    QVERIFY(general.at(66).contains(QLatin1String("\"girasolemattin\"")));

    // The menu of the price list and the boxes: its own paragraph, then the two apps.
    const QStringList menu = HelpText::paragraphs(HelpTopic::PriceListAndBoxes);
    QCOMPARE(slice(menu, 2, 8), HelpText::paragraphs(HelpTopic::PriceList));
    QCOMPARE(slice(menu, 9, 15), HelpText::paragraphs(HelpTopic::Boxes));
    QCOMPARE(HelpText::text(HelpTopic::PriceListAndBoxes),
        menu.first() + Sep + HelpText::text(HelpTopic::PriceList) + Sep + HelpText::text(HelpTopic::Boxes));
}

void TestHelpText::sharedParagraphsAreTheSame()
{
    QCOMPARE(HelpText::paragraphs(HelpTopic::Boxes).at(2), HelpText::paragraphs(HelpTopic::PriceList).at(2));
    const QStringList owners = HelpText::paragraphs(HelpTopic::OwnersExport);
    for (HelpTopic t : { HelpTopic::DogsExport, HelpTopic::PriceListExport, HelpTopic::BoxesExport,
             HelpTopic::QuotesExport, HelpTopic::DeadlinesExport }) {
        const QStringList p = HelpText::paragraphs(t);
        QCOMPARE(p.mid(1), owners.mid(1));
        QVERIFY(p.first() != owners.first()); // the first one names the window's own archive
    }
}

void TestHelpText::quotedTexts_data()
{
    QTest::addColumn<HelpTopic>("topic");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    QTest::newRow("export, two pieces")
        << HelpTopic::OwnersExport << 1
        << QString::fromUtf8("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic "
                             "sull'icona di Excel. Questa "
                             "operazione crea in tempo reale un file in formato XLS contenente le schede in archivio, "
                             "che potrà essere "
                             "aperto immediatamente rispondendo affermativamente al messaggio di domanda che appare.");
    QTest::newRow("quotes export, with 'con'")
        << HelpTopic::QuotesExport << 0
        << QString::fromUtf8("Il pulsante Esporta archivio consente di esportare tutti i preventivi emessi in un anno "
                             "solare in un foglio "
                             "di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di "
                             "gestire i file in "
                             "formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).");
    QTest::newRow("dogs, last")
        << HelpTopic::Dogs << 13
        << QString::fromUtf8("L'archivio anagrafico dei cani può essere esportato in un file di Microsoft Excel.");
    QTest::newRow("planner, three pieces")
        << HelpTopic::Planner << 1
        << QString::fromUtf8("Visualizzato il planner annuale, per registrare la prenotazione del box in un certo "
                             "giorno dell'anno, basta "
                             "fare clic sul numero del giorno corrispondente nel calendario e digitare il nome del "
                             "cane e/o del cliente che "
                             "effettua la prenotazione, eventualmente seguito da un recapito telefonico. Per "
                             "cancellare una prenotazione "
                             "bisogna fare clic sul giorno di interesse, cancellare il contenuto del campo di testo e "
                             "premere Applica e "
                             "chiudi. Il salvataggio delle prenotazioni registrate nel planning avviene "
                             "automaticamente quando si esce "
                             "dalla schermata di lavoro.");
    QTest::newRow("deadlines view, accent and apostrophe")
        << HelpTopic::DeadlinesView << 4
        << QString::fromUtf8("E' possibile esportare la lista delle scadenze in un foglio di Microsoft Excel. A tal "
                             "fine, basta fare clic "
                             "sulla relativa icona e salvare il file che viene generato in tempo reale.");
    QTest::newRow("menu of price list and boxes")
        << HelpTopic::PriceListAndBoxes << 0
        << QString::fromUtf8("Il pulsante Listino Prezzi presente nella schermata di avvio del programma visualizza "
                             "una finestra nella "
                             "quale è possibile accedere a due diverse app: la prima serve a redigere il listino "
                             "prezzi, la seconda a "
                             "schedare i box per cani di cui la propria pensione dispone. Per accedere all'app "
                             "desiderata, è sufficiente "
                             "premere il relativo pulsante.");
}

void TestHelpText::quotedTexts()
{
    QFETCH(HelpTopic, topic);
    QFETCH(int, index);
    QFETCH(QString, expected);
    QCOMPARE(HelpText::paragraphs(topic).at(index), expected);
}

// The quote topic is shown under the app's own name and names the user's kennel
// in plain Italian.
void TestHelpText::quoteTopicNamesTheAppAndTheKennel()
{
    const QStringList p = HelpText::paragraphs(HelpTopic::Quotes);
    QVERIFY(p.at(0).startsWith(QLatin1String(
        "L'app Emissione Preventivi risulta utile per accontentare il cliente della propria pensione per cani che "
        "vuole sapere i costi")));
    QVERIFY(p.at(7).startsWith(
        QLatin1String("Le informazioni riguardanti la propria pensione per cani sono salvate in automatico")));
    for (HelpTopic t : HelpText::allTopics()) {
        QVERIFY(!HelpText::title(t).contains(QLatin1String("Rod ")));
        QVERIFY(!HelpText::text(t).contains(QLatin1String("Odozazare")));
    }
}

QTEST_GUILESS_MAIN(TestHelpText)
#include "tst_helptext.moc"
