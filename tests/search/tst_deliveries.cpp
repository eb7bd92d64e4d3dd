// The delivery tables of the pickers held to their target windows: every
// control a table writes must exist in the window it writes into. Real windows
// are opened where they exist; windows not built yet are held to their control
// lists. A misspelt table must fail the check, and a delivery into a window
// that lacks a control must be reported at run time, with nothing written.
#include "common/ui/Delivery.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "deadlines/DeadlineEditorLink.h"
#include "deadlines/Scadenzario.h"
#include "deadlines/core/DeadlineRecord.h"
#include "dogs/Cani.h"
#include "dogs/TrovaCani.h"
#include "dogs/core/DogRecord.h"
#include "owners/Clienti.h"
#include "owners/OwnerControls.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"
#include "owners/core/OwnerRecord.h"
#include "quotes/DatiVeicolo.h"
#include "quotes/ImportaMagazzinoDoc.h"
#include "quotes/Preventivi.h"
#include "quotes/Sospesi.h"
#include "quotes/TrovaPreventivi.h"
#include "quotes/core/QuoteRecord.h"
#include "tests/support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using TestSupport::MessageRecorder;
using TestSupport::TempProgramFolder;

class TestDeliveries : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { WindowRegistry::clear(); }
    void everyRouteMeetsItsWindow_data();
    void everyRouteMeetsItsWindow();
    void quoteToolsByNameWritesMeetTheEditor();
    void misspeltTableFailsContract();
    void deliveryIntoMissingControlReported();
};

void TestDeliveries::everyRouteMeetsItsWindow_data()
{
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("controls"); // how many controls the route writes

    QTest::newRow("owner picker, clienti") << "owner picker"
                                           << "clienti" << WindowNames::frmClienti << OwnerRecord::FieldCount + 1;
    QTest::newRow("owner picker, cani") << "owner picker"
                                        << "cani" << WindowNames::frmCani << 4;
    QTest::newRow("owner picker, preventivi") << "owner picker"
                                              << "preventivi" << WindowNames::frmPreventivi << 7;
    QTest::newRow("dog picker, cani") << "dog picker"
                                      << "cani" << WindowNames::frmCani << DogRecord::FieldCount + 1;
    QTest::newRow("dog picker, scadenzario") << "dog picker"
                                             << "scadenzario" << WindowNames::frmScadenzario << 9;
    QTest::newRow("call-back list") << "call-back list"
                                    << "" << WindowNames::frmClienti << OwnerRecord::FieldCount + 1;
    QTest::newRow("quote search") << "quote search"
                                  << "preventivi" << WindowNames::frmPreventivi << QuoteRecord::FieldCount + 1;
    QTest::newRow("pending quotes") << "pending quotes"
                                    << "" << WindowNames::frmPreventivi << QuoteRecord::FieldCount + 1;
    QTest::newRow("service import, row 1") << "service import"
                                           << "pre_art_01" << WindowNames::frmPreventivi << 3;
    QTest::newRow("service import, row 30") << "service import"
                                            << "pre_art_30" << WindowNames::frmPreventivi << 3;
    QTest::newRow("deadline summaries") << "deadline summaries"
                                        << "" << WindowNames::frmScadenzario << DeadlineRecord::FieldCount + 1;
    QTest::newRow("deadline search, Scadenzario")
        << "deadline search"
        << "Scadenzario" << WindowNames::frmScadenzario << DeadlineRecord::FieldCount + 1;
}

void TestDeliveries::everyRouteMeetsItsWindow()
{
    QFETCH(QString, picker);
    QFETCH(QString, mode);
    QFETCH(QString, target);
    QFETCH(int, controls);
    TempProgramFolder folder;
    const Delivery::Table &table = picker == QLatin1String("owner picker") ? OwnerDelivery::table()
        : picker == QLatin1String("dog picker")                            ? DogDelivery::table()
        : picker == QLatin1String("quote search")                          ? QuoteDelivery::searchTable()
        : picker == QLatin1String("pending quotes")                        ? TfrmSospesi::deliveries()
        : picker == QLatin1String("service import")                        ? TfrmImportaMagazzinoDoc::deliveries()
        : picker == QLatin1String("deadline summaries")                    ? DeadlineEditorLink::summaryDeliveries()
        : picker == QLatin1String("deadline search")                       ? DeadlineEditorLink::searchDeliveries()
                                                                           : TfrmRicontatta::deliveries();
    const Delivery::Route *route = table.route(mode);
    QVERIFY(route);
    QCOMPARE(QString::fromLatin1(route->target), target);
    QCOMPARE(route->controls().size(), controls);

    if (target == QLatin1String(WindowNames::frmClienti)) {
        TfrmClienti window; // the real owner editor
        QCOMPARE(window.objectName(), target);
        QCOMPARE(Delivery::missingControls(*route, &window), QStringList());
    } else if (target == QLatin1String(WindowNames::frmCani)) {
        TfrmCani window; // the real dog editor
        QCOMPARE(window.objectName(), target);
        QCOMPARE(Delivery::missingControls(*route, &window), QStringList());
    } else if (target == QLatin1String(WindowNames::frmPreventivi)) {
        TfrmPreventivi window; // the real quote editor
        QCOMPARE(window.objectName(), target);
        QCOMPARE(Delivery::missingControls(*route, &window), QStringList());
    } else if (target == QLatin1String(WindowNames::frmScadenzario)) {
        TfrmScadenzario window; // the real deadlines editor
        QCOMPARE(window.objectName(), target);
        QCOMPARE(Delivery::missingControls(*route, &window), QStringList());
    } else {
        QFAIL("a route into a window this test does not know");
    }
}

void TestDeliveries::quoteToolsByNameWritesMeetTheEditor()
{
    // What the quote tools write by name besides their routes: the amount and
    // totals an import empties, the extra dog data, the year file they read.
    TempProgramFolder folder;
    TfrmPreventivi editor; // the real quote editor
    QStringList written = TfrmDatiVeicolo::editorLabels();
    for (int row = 1; row <= QuoteRecord::RowCount; ++row)
        written << TfrmImportaMagazzinoDoc::emptiedControls(row);
    written << QStringLiteral("lblFile");
    for (const QString &name : written)
        QVERIFY2(editor.findChild<QWidget *>(name), qPrintable(name));
}

void TestDeliveries::misspeltTableFailsContract()
{
    TempProgramFolder folder;
    TfrmClienti window;
    Delivery::Route wrong = OwnerDelivery::ownerEditorRoute(QStringLiteral("clienti"));
    wrong.fields[OwnerRecord::Cliente].control = QStringLiteral("txtClinete");
    wrong.fields.push_back({ OwnerRecord::Note, QStringLiteral("txtNota") });
    QCOMPARE(Delivery::missingControls(wrong, &window), (QStringList { "txtClinete", "txtNota" }));

    const Delivery::Route *cani = OwnerDelivery::table().route(QStringLiteral("cani"));
    QVERIFY(cani);
    Delivery::Route wrongDogs = *cani;
    wrongDogs.fields[0].control = QStringLiteral("txtProprietari");
    TfrmCani dogs;
    QCOMPARE(Delivery::missingControls(wrongDogs, &dogs), QStringList { "txtProprietari" });
    // The position label is part of the contract too.
    QCOMPARE(Delivery::missingControls(wrong, QStringList()).last(), QStringLiteral("lblPosizione"));
}

void TestDeliveries::deliveryIntoMissingControlReported()
{
    TempProgramFolder folder;
    RecordBuffer owner(OwnerRecord::layout());
    owner.setText(OwnerRecord::Cliente, QStringLiteral("Rossi Mario"));
    owner.setText(OwnerRecord::Email, QStringLiteral("r@x.it"));
    TestSupport::writeFile(OwnerRecord::path(), owner.bytes());

    // An owner editor without its e-mail edit.
    QWidget editor;
    for (int f = 0; f < OwnerRecord::FieldCount; ++f) {
        if (f == OwnerRecord::Email)
            continue;
        auto *e = new QLineEdit(QStringLiteral("before"), &editor);
        e->setObjectName(OwnerControls::name(f));
    }
    auto *position = new QLabel(QStringLiteral("before"), &editor);
    position->setObjectName(QStringLiteral("lblPosizione"));
    WindowRegistry::set(WindowNames::frmClienti, &editor);

    QVERIFY_THROWS_EXCEPTION(
        Delivery::MissingControls, OwnerDelivery::deliver(QStringLiteral("clienti"), owner.bytes(), 1));

    // Through the picker: an error box names the control; nothing is written.
    MessageRecorder boxes;
    TfrmTrovaClienti w;
    w.lblMemory->setText(QStringLiteral("clienti"));
    w.show();
    QTest::mouseClick(w.btnCerca, Qt::LeftButton);
    QCOMPARE(w.lstRecords->count(), 1);
    w.lstRecords->setCurrentRow(0);
    w.pickCommand();
    QVERIFY(!w.isVisible());
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), MessageBoxes::Kind::Error);
    QVERIFY(boxes.lastText().contains(QStringLiteral("txtEmail")));
    QVERIFY(boxes.lastText().startsWith(QStringLiteral("Attenzione: la scheda scelta non \u00E8 stata caricata")));
    QCOMPARE(editor.findChild<QLineEdit *>(QStringLiteral("txtCliente"))->text(), QStringLiteral("before"));
    QCOMPARE(position->text(), QStringLiteral("before"));
}

QTEST_MAIN(TestDeliveries)
#include "tst_deliveries.moc"
