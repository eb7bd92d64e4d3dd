// The delivery contract itself (every enlisted table is held to its real
// targets by the window families' test): a misspelt table must fail the
// check, the quote tools' writes by name must meet the editor, and a delivery
// into a window that lacks a control must be reported at run time, with
// nothing written.
#include "common/ui/Delivery.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "dogs/Cani.h"
#include "owners/Clienti.h"
#include "owners/OwnerControls.h"
#include "owners/TrovaClienti.h"
#include "owners/core/OwnerRecord.h"
#include "quotes/DatiVeicolo.h"
#include "quotes/ImportaMagazzinoDoc.h"
#include "quotes/Preventivi.h"
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
    void quoteToolsByNameWritesMeetTheEditor();
    void misspeltTableFailsContract();
    void deliveryIntoMissingControlReported();
};

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
