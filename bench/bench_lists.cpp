// The list, search and summary windows at N records of each archive, each
// beside one plain read of the same archive by a separate process
// (`cat archive > /dev/null`, the file in the page cache), timed in the same
// run as medians of alternating pairs.
//
// A list window is timed from its making by its command (a fresh modal
// dialog, as the program makes it) through its show and fill to the first
// paint of its list; a search from the press of "Cerca" (the window open on
// its filters, on the screen) to the first paint of the result list; the planner's chooser
// from its show to the first paint of its list. Each subsystem also prints
// the floor of any window: a bare QDialog of the same size made, shown and
// painted (see ListBench.h).
//
// Usage: bench_lists [subsystem ...] [records ...] [--pairs n]
//   subsystems: owners deadlines quotes services boxes dogs chooser (default: all)
//   records: default 10000 100000 300000
// Run it under a real X server with a window manager, e.g.
//   xvfb-run -a -s "-screen 0 1920x1080x24" sh -c 'openbox & sleep 1; build/bench/bench_lists'
// It reports and exits 0; the goals are printed beside the ratios.
#include "ListBench.h"

#include "catalog/NonErogabili.h"
#include "catalog/NonPrenotabili.h"
#include "catalog/TrovaBox.h"
#include "catalog/TrovaListino.h"
#include "catalog/core/BoxRecord.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ProgramFolder.h"
#include "common/RecordLayout.h"
#include "common/ui/Application.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "deadlines/Summaries.h"
#include "deadlines/TrovaScadenzario.h"
#include "deadlines/core/DeadlineRecord.h"
#include "dogs/TrovaCani.h"
#include "dogs/core/DogRecord.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"
#include "owners/core/OwnerRecord.h"
#include "planner/MenuDisponibili.h"
#include "quotes/Sospesi.h"
#include "quotes/TrovaPreventivi.h"
#include "quotes/core/QuoteRecord.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

namespace
{

using ListBench::alternate;
using ListBench::catSeconds;
using ListBench::printRow;
using ListBench::untilPainted;

const char *const kSurnames[] = { "Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo", "Ricci", "Marino",
    "Greco", "Bruno", "Gallo", "Conti", "De Luca", "Mancini" };
const char *const kNames[] = { "Mario", "Anna", "Luca", "Giulia", "Marco", "Sara", "Paolo", "Elena", "Nicola" };
const char *const kJobs[] = { "Impiegato", "Insegnante", "Medico", "Artigiano", "Commerciante", "Pensionato" };
const char *const kDogs[] = { "Fido", "Luna", "Rex", "Birba", "Tobia", "Argo", "Briciola", "Zeus", "Maya" };
const char *const kBreeds[] = { "Pastore tedesco", "Beagle", "Barboncino", "Labrador", "Meticcio", "Alano" };
const char *const kReasons[] = { "Vaccinazione antirabbica", "Saldo pensione estiva", "Toelettatura completa",
    "Visita veterinaria di controllo", "Richiamo antiparassitario" };
const char *const kKinds[] = { "Pensione", "Toelettatura", "Addestramento", "Trasporto", "Veterinario", "Asilo" };
const char *const kReferences[]
    = { "Pensione estiva", "Toelettatura", "Soggiorno breve", "Addestramento", "Pensione invernale", "Visita e bagno" };

template <size_t N> QString pick(const char *const (&list)[N], qint64 i)
{
    return QString::fromLatin1(list[size_t(i) % N]);
}

QString person(qint64 i)
{
    return pick(kSurnames, i) + QLatin1Char(' ') + pick(kNames, i / 7);
}

// Writes `records` records, record i made by `make(buffer, i)`.
void writeArchive(const QString &path, const RecordLayout &layout, qint64 records,
    const std::function<void(RecordBuffer &, qint64)> &make)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    RecordBuffer buffer(layout);
    QByteArray block;
    for (qint64 i = 0; i < records; ++i) {
        buffer.clear();
        make(buffer, i);
        block += buffer.bytes();
        if (block.size() > (8 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
}

void makeOwner(RecordBuffer &r, qint64 i)
{
    r.setText(OwnerRecord::Cliente, person(i));
    r.setText(OwnerRecord::Recapito, QStringLiteral("06 %1").arg(1000000 + i));
    r.setText(OwnerRecord::ComuneRes, QStringLiteral("Roma"));
    r.setText(OwnerRecord::CodFisc, QStringLiteral("RSSMRA80A01H%1").arg(i % 1000, 3, 10, QLatin1Char('0')));
    r.setText(OwnerRecord::Occupazione, pick(kJobs, i / 5));
    r.setText(OwnerRecord::CaniOra, pick(kDogs, i / 11));
    r.setText(OwnerRecord::Questioni, QStringLiteral("Richiamare per il saldo della pensione estiva"));
    r.setText(OwnerRecord::Note, QStringLiteral("Cliente dal 2019, cane socievole, preferisce il box %1").arg(i % 40));
    r.setFlag(OwnerRecord::Ricontatta, i % 10 == 0);
}

void makeDeadline(RecordBuffer &r, qint64 i)
{
    using D = DeadlineRecord::Field;
    const QDate date = QDate(2024, 1, 1).addDays(int((i * 7919) % 366));
    const QString hour = QStringLiteral("%1").arg(8 + i % 10, 2, 10, QLatin1Char('0'));
    const QString minute = QStringLiteral("%1").arg((i * 5) % 60, 2, 10, QLatin1Char('0'));
    r.setText(D::Giorno, QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0')));
    r.setText(D::Mese, QLocale(QLocale::Italian).monthName(date.month()));
    r.setText(D::Anno, QStringLiteral("2024"));
    r.setText(D::Data, date.toString(QStringLiteral("dd/MM/yyyy")));
    r.setText(D::OreApp, hour);
    r.setText(D::MinutiApp, minute);
    r.setText(D::Ora, hour + QLatin1Char(':') + minute);
    r.setText(D::Avviso, QString::number(i % 15));
    r.setText(D::Proprietario, person(i));
    r.setText(D::Recapito, QStringLiteral("06 %1").arg(1000000 + i));
    r.setText(D::Nome, pick(kDogs, i / 3));
    r.setText(D::Razza, pick(kBreeds, i / 9));
    r.setText(D::Microchip, QStringLiteral("380260000%1").arg(i, 6, 10, QLatin1Char('0')));
    r.setText(D::Dettagli, pick(kReasons, i / 5));
    r.setText(D::Costo, QStringLiteral("%1,00").arg(20 + i % 200));
    r.setText(D::Note, QStringLiteral("Portare il libretto sanitario, chiamare il giorno prima"));
    r.setFlag(D::DaConfermare, i % 3 == 0);
    r.setFlag(D::Effettuata, i % 2 == 0);
}

void makeQuote(RecordBuffer &r, qint64 i)
{
    using namespace QuoteRecord;
    r.setText(NumFatt, QString::number(i + 1));
    r.setText(Data,
        QStringLiteral("%1/%2/2026").arg(i % 28 + 1, 2, 10, QLatin1Char('0')).arg(i % 12 + 1, 2, 10, QLatin1Char('0')));
    r.setText(Ditta, u"Pensione per cani Il Girasole");
    r.setText(Cliente, person(i));
    r.setText(ViaCliente, QStringLiteral("Via Roma %1").arg(i % 200));
    r.setText(CittaCliente, u"Forl\u00EC");
    r.setText(IvaCliente, QStringLiteral("%1").arg(10000000000LL + i));
    r.setText(Riferimenti, pick(kReferences, i / 11));
    r.setText(Pagamento, u"Bonifico bancario");
    r.setText(TotFattura, u"183,00");
    r.setText(Note, u"Cane socievole, portare il cibo abituale");
    r.setFlag(Saldata, i % 4 == 0);
}

void makeService(RecordBuffer &r, qint64 i)
{
    using namespace ServiceRecord;
    r.setText(Codice, QStringLiteral("S%1").arg(i, 7, 10, QLatin1Char('0')));
    r.setText(Descrizione, pick(kReasons, i / 3) + QStringLiteral(" per cani di taglia media"));
    r.setText(Prezzo, QStringLiteral("%1,00").arg(10 + i % 90));
    r.setText(Tipologia, pick(kKinds, i / 7));
    r.setText(Durata, QStringLiteral("%1 ore").arg(1 + i % 8));
    r.setText(Note, QStringLiteral("Su prenotazione, almeno un giorno prima"));
    r.setText(NonErogabile, i % 10 == 0 ? QStringLiteral("S\u00EC") : QStringLiteral("No"));
}

void makeBox(RecordBuffer &r, qint64 i)
{
    using namespace BoxRecord;
    r.setText(Box, QString::number(i + 1));
    r.setText(Dimensioni, QStringLiteral("%1 x %2 m").arg(2 + i % 3).arg(1 + i % 4));
    r.setText(Capacita, QString::number(1 + i % 4));
    r.setText(Prezzo, QStringLiteral("%1,00").arg(15 + i % 30));
    r.setText(Tipologia, pick(kKinds, i / 5));
    r.setText(Note, QStringLiteral("Box coperto con recinto esterno"));
    r.setText(NonPrenotabile, i % 10 == 0 ? QStringLiteral("S\u00EC") : QStringLiteral("No"));
}

void makeDog(RecordBuffer &r, qint64 i)
{
    r.setText(DogRecord::Nome, pick(kDogs, i));
    r.setText(DogRecord::Razza, pick(kBreeds, i / 9));
    r.setText(DogRecord::Microchip, QStringLiteral("3802600%1").arg(i, 8, 10, QLatin1Char('0')));
    r.setText(DogRecord::Proprietario, person(i / 2));
    r.setText(DogRecord::Recapito, QStringLiteral("06 %1").arg(1000000 + i));
    r.setText(DogRecord::Note, QStringLiteral("Socievole con gli altri cani, box %1").arg(i % 40));
}

// An editor stand-in registered under `name`, its lblFile on `path`.
struct EditorStandIn {
    QWidget window;
    EditorStandIn(const char *name, const QString &path)
    {
        auto *file = new QLabel(path, &window);
        file->setObjectName(QStringLiteral("lblFile"));
        WindowRegistry::set(QLatin1String(name), &window);
    }
    ~EditorStandIn() { WindowRegistry::clear(); }
};

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Waits until a window just shown stands on the screen: painted and active
// (the window manager's map round trip over), so that what is timed next
// does not pay for it.
void onScreen(QWidget *window)
{
    ListBench::PaintWatch painted(window);
    painted.wait();
    QElapsedTimer guard;
    guard.start();
    while (!window->isActiveWindow() && guard.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    settle();
}

// A list window: created, shown, filled, its list painted.
template <typename Window> double listWindowRun(const std::function<Window *()> &make)
{
    std::unique_ptr<Window> window;
    const double seconds = untilPainted([&] {
        window.reset(make());
        window->setWindowModality(Qt::ApplicationModal); // as exec() shows it
        window->show();
        return window->lstRecords->viewport();
    });
    window->close();
    window.reset();
    settle();
    return seconds;
}

// A search: the window open on its filters, then "Cerca" until the result list is painted.
template <typename Window> double searchRun(const QString &filterName, const QString &filterText)
{
    auto window = std::make_unique<Window>();
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    onScreen(window.get());
    if (!filterName.isEmpty())
        window->template findChild<QLineEdit *>(filterName)->setText(filterText);
    const double seconds = untilPainted([&] {
        window->btnCerca->click();
        return window->lstRecords->viewport();
    });
    window->close();
    window.reset();
    settle();
    return seconds;
}

struct Run {
    int pairs;
    qint64 records;
    QString archive;
    std::function<double()> cat() const
    {
        return [path = archive] { return catSeconds(path); };
    }
};

void searches(const Run &run, const char *listAll, const char *filtered, const std::function<double()> &all,
    const std::function<double()> &some)
{
    printRow(listAll, run.records, alternate(run.pairs, all, run.cat()), 1);
    if (filtered)
        printRow(filtered, run.records, alternate(run.pairs, some, run.cat()), 1);
}

void owners(const Run &run)
{
    writeArchive(run.archive, OwnerRecord::layout(), run.records, makeOwner);
    searches(
        run, "owner search, no filter", "owner search, Cliente \"rossi\"",
        [] { return searchRun<TfrmTrovaClienti>({}, {}); },
        [] { return searchRun<TfrmTrovaClienti>(QStringLiteral("txtCliente"), QStringLiteral("rossi")); });
    printRow("owners to call back", run.records,
        alternate(
            run.pairs, [] { return listWindowRun<TfrmRicontatta>([] { return new TfrmRicontatta; }); }, run.cat()),
        1);
}

void deadlines(const Run &run)
{
    writeArchive(run.archive, DeadlineRecord::layout(), run.records, makeDeadline);
    EditorStandIn editor(WindowNames::frmScadenzario, run.archive);
    searches(
        run, "deadline search, no filter", "deadline search, Proprietario",
        [] { return searchRun<TfrmTrovaScadenzario>({}, {}); },
        [] { return searchRun<TfrmTrovaScadenzario>(QStringLiteral("txtProprietario"), QStringLiteral("rossi")); });
    printRow("payments to make", run.records,
        alternate(
            run.pairs, [] { return listWindowRun<TfrmConfermati>([] { return new TfrmConfermati; }); }, run.cat()),
        1);
    printRow("payments made", run.records,
        alternate(
            run.pairs, [] { return listWindowRun<TfrmNonConfermati>([] { return new TfrmNonConfermati; }); },
            run.cat()),
        1);
    printRow("appointments to confirm", run.records,
        alternate(
            run.pairs, [] { return listWindowRun<TfrmDaConfermare>([] { return new TfrmDaConfermare; }); }, run.cat()),
        1);
}

void quotes(const Run &run)
{
    writeArchive(run.archive, QuoteRecord::layout(), run.records, makeQuote);
    EditorStandIn editor(WindowNames::frmPreventivi, run.archive);
    searches(
        run, "quote search, no filter", "quote search, Cliente \"rossi\"",
        [] { return searchRun<TfrmTrovaPreventivi>({}, {}); },
        [] { return searchRun<TfrmTrovaPreventivi>(QStringLiteral("txtCliente"), QStringLiteral("rossi")); });
    printRow("pending quotes", run.records,
        alternate(
            run.pairs, [] { return listWindowRun<TfrmSospesi>([] { return new TfrmSospesi; }); }, run.cat()),
        1);
}

void services(const Run &run)
{
    writeArchive(run.archive, ServiceRecord::layout(), run.records, makeService);
    searches(
        run, "service search, no filter", "service search, Tipologia",
        [] { return searchRun<TfrmTrovaListino>({}, {}); },
        [] { return searchRun<TfrmTrovaListino>(QStringLiteral("txtTipologia"), QStringLiteral("toelett")); });
    printRow("services not available", run.records,
        alternate(
            run.pairs, [] { return listWindowRun<TfrmNonErogabili>([] { return new TfrmNonErogabili; }); }, run.cat()),
        1);
}

void boxes(const Run &run)
{
    writeArchive(run.archive, BoxRecord::layout(), run.records, makeBox);
    searches(
        run, "box search, no filter", "box search, Tipologia", [] { return searchRun<TfrmTrovaBox>({}, {}); },
        [] { return searchRun<TfrmTrovaBox>(QStringLiteral("txtTipologia"), QStringLiteral("toelett")); });
    printRow("boxes not bookable", run.records,
        alternate(
            run.pairs, [] { return listWindowRun<TfrmNonPrenotabili>([] { return new TfrmNonPrenotabili; }); },
            run.cat()),
        1);
}

void dogs(const Run &run)
{
    writeArchive(run.archive, DogRecord::layout(), run.records, makeDog);
    searches(run, "dog search, no filter", nullptr, [] { return searchRun<TfrmTrovaCani>({}, {}); }, {});
}

void chooser(const Run &run)
{
    writeArchive(run.archive, BoxRecord::layout(), run.records, makeBox);
    auto window = std::make_unique<TfrmMenuDisponibili>();
    frmMenuDisponibili = window.get();
    const auto show = [&] {
        const double seconds = untilPainted([&] {
            window->show();
            return window->lstRecords->viewport();
        });
        window->hide();
        settle();
        return seconds;
    };
    printRow("planner's box chooser", run.records, alternate(run.pairs, show, run.cat()), 1);
    frmMenuDisponibili = nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    // The program's application object: its fonts (substitutions) and environment.
    KennoraApplication::prepareEnvironment();
    KennoraApplication app(argc, argv);
    QStringList subsystems;
    QList<qint64> sizes;
    int pairs = 7;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        bool number = false;
        const qint64 n = args.at(i).toLongLong(&number);
        if (args.at(i) == QLatin1String("--pairs") && i + 1 < args.size())
            pairs = qMax(7, args.at(++i).toInt());
        else if (number)
            sizes << n;
        else
            subsystems << args.at(i);
    }
    if (sizes.isEmpty())
        sizes = { 10000, 100000, 300000 };
    const QList<QPair<QString, void (*)(const Run &)>> all = { { QStringLiteral("owners"), owners },
        { QStringLiteral("deadlines"), deadlines }, { QStringLiteral("quotes"), quotes },
        { QStringLiteral("services"), services }, { QStringLiteral("boxes"), boxes }, { QStringLiteral("dogs"), dogs },
        { QStringLiteral("chooser"), chooser } };
    if (subsystems.isEmpty())
        for (const auto &s : all)
            subsystems << s.first;

    QTemporaryDir dir;
    setProgramFolder(dir.path());
    std::printf("platform %s; medians of %d alternating pairs; reference: cat archive > /dev/null (page cache)\n",
        qPrintable(QGuiApplication::platformName()), pairs);
    ListBench::printHeader();
    for (const qint64 n : sizes) {
        for (const auto &[name, bench] : all) {
            if (!subsystems.contains(name))
                continue;
            QString archive;
            if (name == QLatin1String("owners"))
                archive = OwnerRecord::path();
            else if (name == QLatin1String("deadlines"))
                archive = DeadlineRecord::path(u"2024");
            else if (name == QLatin1String("quotes"))
                archive = QuoteRecord::path(u"2026");
            else if (name == QLatin1String("services"))
                archive = ServiceRecord::path();
            else if (name == QLatin1String("boxes") || name == QLatin1String("chooser"))
                archive = BoxRecord::path();
            else
                archive = DogRecord::path();
            bench({ pairs, n, archive });
            printRow("  (floor: a bare QDialog, same size)", n,
                alternate(
                    pairs, [] { return ListBench::bareWindowSeconds(); }, [archive] { return catSeconds(archive); }),
                1);
            QFile::remove(archive);
        }
    }
    return 0;
}
