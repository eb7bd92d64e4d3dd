// Every reader of a whole archive against one huge file: a 1 TB sparse archive
// (it takes no disk) holds far more records than memory can, so each window
// that lists, chooses from, scans or exports a whole archive refuses it within
// a second with its memory message, reads nothing, leaves the file alone and
// stays open and usable.

#include "catalog/NonErogabili.h"
#include "catalog/NonPrenotabili.h"
#include "catalog/core/BoxRecord.h"
#include "catalog/core/ServiceRecord.h"
#include "common/Clock.h"
#include "common/MemoryRoom.h"
#include "common/SearchMatch.h"
#include "common/ui/ExportWindow.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "deadlines/DateLists.h"
#include "deadlines/Scadenzario.h"
#include "deadlines/Summaries.h"
#include "deadlines/core/DeadlineRecord.h"
#include "dogs/CostiCane.h"
#include "dogs/core/DogCostRecord.h"
#include "owners/ExpClienti.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"
#include "owners/core/OwnerRecord.h"
#include "planner/MenuDisponibili.h"
#include "quotes/ImportaMagazzinoDoc.h"
#include "quotes/Sospesi.h"
#include "quotes/TrovaPreventivi.h"
#include "quotes/core/QuoteRecord.h"
#include "tests/support/TestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>
#include <type_traits>

using namespace TestSupport;

namespace
{

constexpr qint64 kHuge = qint64(1) << 40;

// The windows that read an archive named by their editor see this one: the
// year files of 2026, dog 3.
struct StandInEditor {
    QWidget window;
    StandInEditor()
    {
        auto label = [this](const char *name, const QString &text) {
            auto *l = new QLabel(text, &window);
            l->setObjectName(QLatin1String(name));
        };
        label("lblFile", QString());
        label("lblPosizione", QStringLiteral("3"));
        label("lblMemory", QStringLiteral("preventivi"));
        for (const char *name : { "txtNome", "txtRazza" }) {
            auto *e = new QLineEdit(QStringLiteral("Briciola"), &window);
            e->setObjectName(QLatin1String(name));
        }
        for (const char *name : { WindowNames::frmPreventivi, WindowNames::frmScadenzario, WindowNames::frmCani })
            WindowRegistry::set(QLatin1String(name), &window);
    }
    ~StandInEditor() { WindowRegistry::clear(); }
    void setFile(const QString &path) { window.findChild<QLabel *>(QStringLiteral("lblFile"))->setText(path); }
};

// Every window takes its owner; only the dog cost ledger reads from it.
template <class W> std::unique_ptr<QWidget> make(QWidget *owner)
{
    if constexpr (std::is_same_v<W, TfrmCostiCane>)
        return std::make_unique<W>(owner);
    else
        return std::make_unique<W>();
}

// Runs the search of a search window (every filter empty: every record).
void search(QWidget *window)
{
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("btnCerca")), Qt::LeftButton);
}

struct Reader {
    std::function<QString()> archive;
    std::function<std::unique_ptr<QWidget>(QWidget *editor)> open;
    std::function<void(QWidget *)> command; // what the user does once it stands
    bool exportWindow; // says its own "too large" warning
};

template <class W> Reader reader(std::function<QString()> archive, std::function<void(QWidget *)> command = {})
{
    return Reader { std::move(archive), [](QWidget *editor) { return make<W>(editor); }, std::move(command),
        std::is_base_of_v<ExportWindow, W> };
}

QString yearQuotes()
{
    return QuoteRecord::path(QStringLiteral("2026"));
}

QString yearDeadlines()
{
    return DeadlineRecord::path(QStringLiteral("2026"));
}

QString dogCosts()
{
    return DogCostRecord::path(QStringLiteral("3"));
}

const QMap<QString, Reader> &readers()
{
    static const QMap<QString, Reader> table {
        { "owners' call-back list", reader<TfrmRicontatta>(&OwnerRecord::path) },
        { "owner search", reader<TfrmTrovaClienti>(&OwnerRecord::path, &search) },
        { "owner export", reader<TfrmExpClienti>(&OwnerRecord::path) },
        { "unbookable boxes list", reader<TfrmNonPrenotabili>(&BoxRecord::path) },
        { "services not offered list", reader<TfrmNonErogabili>(&ServiceRecord::path) },
        { "service import list", reader<TfrmImportaMagazzinoDoc>(&ServiceRecord::path) },
        { "planner box chooser", reader<TfrmMenuDisponibili>(&BoxRecord::path) },
        { "pending quotes list", reader<TfrmSospesi>(&yearQuotes) },
        { "quote search", reader<TfrmTrovaPreventivi>(&yearQuotes, &search) },
        { "dog cost ledger", reader<TfrmCostiCane>(&dogCosts) },
        { "deadlines window's alert", reader<TfrmScadenzario>(&yearDeadlines) },
        { "appointments to confirm", reader<TfrmDaConfermare>(&yearDeadlines) },
        { "payments made", reader<TfrmNonConfermati>(&yearDeadlines) },
        { "imminent deadlines export", reader<TfrmExpImminenti>(&yearDeadlines) },
    };
    return table;
}

} // namespace

class TestHugeArchives : public QObject
{
    Q_OBJECT
private slots:
    void hugeArchiveIsRefusedAtOnceWithTheMemoryMessage_data();
    void hugeArchiveIsRefusedAtOnceWithTheMemoryMessage();
};

void TestHugeArchives::hugeArchiveIsRefusedAtOnceWithTheMemoryMessage_data()
{
    QTest::addColumn<QString>("reader");
    for (auto it = readers().cbegin(); it != readers().cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key();
}

void TestHugeArchives::hugeArchiveIsRefusedAtOnceWithTheMemoryMessage()
{
    QFETCH(QString, reader);
    const Reader &r = readers()[reader];
    TempProgramFolder folder;
    MessageRecorder boxes;
    Clock::Fixed clock(QDateTime(QDate(2026, 6, 15), QTime(10, 0)));
    StandInEditor editor;
    const QString path = r.archive();
    editor.setFile(path);
    {
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        if (!huge.resize(kHuge))
            QSKIP("this file system cannot hold a 1 TB sparse file");
    }
    if (kHuge <= MemoryRoom::available())
        QSKIP("this machine could hold the whole archive");

    std::unique_ptr<QWidget> window = r.open(&editor.window);
    QElapsedTimer timer;
    timer.start();
    window->show();
    if (r.command)
        r.command(window.get());
    QCoreApplication::processEvents(); // a box said once the window stands
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));

    QCOMPARE(boxes.count(), 1);
    if (r.exportWindow) {
        QCOMPARE(boxes.lastKind(), MessageBoxes::Kind::Warning);
        QCOMPARE(boxes.lastText(), ExportWindow::kTooLarge);
    } else {
        QCOMPARE(boxes.lastKind(), MessageBoxes::Kind::Plain);
        QCOMPARE(boxes.lastText(), QStringLiteral("Attenzione: memoria insufficiente per completare la ricerca."));
    }
    QVERIFY(window->isVisible()); // still there to be used or closed
    QCOMPARE(QFileInfo(path).size(), kHuge);
}

QTEST_MAIN(TestHugeArchives)
#include "tst_hugearchives.moc"
