// The four checker dialogs driven as a user would, and the way the editors
// open them.
#include "app/checkers/Carta.h"
#include "app/checkers/CodFisc.h"
#include "app/checkers/Iban.h"
#include "app/checkers/OpenChecker.h"
#include "app/checkers/PartitaIVA.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

using MessageBoxes::Kind;
Q_DECLARE_METATYPE(MessageBoxes::Kind)

namespace
{

enum Checker { CodFisc, PartitaIva, Carta, Iban };

std::unique_ptr<CheckerDialog> makeChecker(int which)
{
    switch (which) {
    case CodFisc:
        return std::make_unique<TfrmCodFisc>();
    case PartitaIva:
        return std::make_unique<TfrmPartitaIva>();
    case Carta:
        return std::make_unique<TfrmCarta>();
    default:
        return std::make_unique<TfrmIban>();
    }
}

QString editName(int which)
{
    static const char *names[] = { "txtCodFisc", "txtPartitaIva", "txtNumero", "txtIban" };
    return QString::fromLatin1(names[which]);
}

void showAndFocus(QWidget *w)
{
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

} // namespace

class TestCheckerDialogs : public QObject
{
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void typing_data();
    void typing();
    void enterFocusesControlla();
    void controlla_data();
    void controlla();
    void chiudiCloses();
    void openers_data();
    void openers();
    void modalRunAndWarningKeepsOpen();
};

void TestCheckerDialogs::controls_data()
{
    QTest::addColumn<int>("checker");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<int>("limit");

    QTest::newRow("codfisc") << int(CodFisc) << " Controllo codice fiscale"
                             << "Immettere il codice fiscale e premere il pulsante di controllo." << 16;
    QTest::newRow("iva") << int(PartitaIva) << " Controllo partita IVA"
                         << "Immettere il numero di partita IVA e premere il pulsante di controllo." << 11;
    QTest::newRow("carta") << int(Carta) << " Controllo carta di credito"
                           << "Immettere il numero di carta di credito e premere il pulsante di controllo." << 30;
    QTest::newRow("iban") << int(Iban) << " Controllo IBAN"
                          << "Immettere l'IBAN e premere il pulsante di controllo." << 27;
}

void TestCheckerDialogs::controls()
{
    QFETCH(int, checker);
    QFETCH(QString, caption);
    QFETCH(QString, instruction);
    QFETCH(int, limit);

    auto dialog = makeChecker(checker);
    QCOMPARE(dialog->windowTitle(), caption);
    QCOMPARE(dialog->findChild<QLabel *>("lblTitolo")->text(), instruction);
    QCOMPARE(dialog->findChild<QPushButton *>("btnControlla")->text(), QStringLiteral("Controlla"));
    QCOMPARE(dialog->findChild<QPushButton *>("btnChiudi")->text(), QStringLiteral("Chiudi"));
    auto *edit = dialog->findChild<QLineEdit *>(editName(checker));
    QVERIFY(edit);
    QCOMPARE(edit, dialog->input());

    // The focus starts in the edit, typing stops at the limit, and a longer
    // text set by code stays whole.
    showAndFocus(dialog.get());
    QCOMPARE(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, QString(limit + 5, QLatin1Char('1')));
    QCOMPARE(edit->text(), QString(limit, QLatin1Char('1')));
    edit->setText(QString(limit + 5, QLatin1Char('2')));
    QCOMPARE(edit->text().size(), limit + 5);
}

void TestCheckerDialogs::typing_data()
{
    QTest::addColumn<int>("checker");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("codfisc upper-cased") << int(CodFisc) << "rssmra85t10a562s"
                                         << "RSSMRA85T10A562S";
    QTest::newRow("codfisc blank dropped") << int(CodFisc) << "rss "
                                           << "RSS";
    QTest::newRow("iva digits only") << int(PartitaIva) << "06a3-6 3"
                                     << "06363";
    QTest::newRow("carta digits only") << int(Carta) << "4111 abc-1111"
                                       << "41111111";
    QTest::newRow("iban upper-cased") << int(Iban) << "it60x054"
                                      << "IT60X054";
}

void TestCheckerDialogs::typing()
{
    QFETCH(int, checker);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    auto dialog = makeChecker(checker);
    showAndFocus(dialog.get());
    QTest::keyClicks(dialog->input(), typed);
    QCOMPARE(dialog->input()->text(), shown);
}

void TestCheckerDialogs::enterFocusesControlla()
{
    TestSupport::MessageRecorder boxes;
    for (int which : { CodFisc, PartitaIva, Carta, Iban }) {
        auto dialog = makeChecker(which);
        showAndFocus(dialog.get());
        QTest::keyClick(dialog->input(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), dialog->btnControlla);
        QCOMPARE(boxes.count(), 0); // focused, not pressed
        // Enter on the focused button presses it.
        QTest::keyClick(dialog->btnControlla, Qt::Key_Return);
        QCOMPARE(boxes.count(), 1);
        boxes.clear();
    }
}

void TestCheckerDialogs::controlla_data()
{
    QTest::addColumn<int>("checker");
    QTest::addColumn<QString>("input");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("staysOpen");

    QTest::newRow("codfisc valid") << int(CodFisc) << "RSSMRA85T10A562S" << Kind::Information
                                   << QStringLiteral("Il codice fiscale digitato \u00E8 VALIDO.") << false;
    QTest::newRow("codfisc lower case") << int(CodFisc) << "rssmra85t10a562s" << Kind::Information
                                        << QStringLiteral("Il codice fiscale digitato \u00E8 VALIDO.") << false;
    QTest::newRow("codfisc wrong") << int(CodFisc) << "RSSMRA85T10A562T" << Kind::Warning
                                   << QStringLiteral("Attenzione: il codice fiscale digitato \u00E8 ERRATO.") << false;
    QTest::newRow("codfisc hyphen") << int(CodFisc) << "RSSMRA85-10A562S" << Kind::Warning
                                    << QStringLiteral("Attenzione: il codice fiscale digitato \u00E8 ERRATO.") << false;
    QTest::newRow("codfisc 15") << int(CodFisc) << "RSSMRA85T10A562" << Kind::Warning
                                << "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."
                                << true;

    QTest::newRow("iva valid") << int(PartitaIva) << "00000001206" << Kind::Information
                               << "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                  "E' stato rilasciato dall'Ufficio IVA del Comune di Bologna 2."
                               << false;
    QTest::newRow("iva no office") << int(PartitaIva) << "00000001107" << Kind::Information
                                   << "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                      "E' stato rilasciato dall'Ufficio IVA del Comune di ."
                                   << false;
    QTest::newRow("iva wrong") << int(PartitaIva) << "01234567890" << Kind::Warning
                               << QStringLiteral(
                                      "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                      "Non \u00E8 quindi possibile fornire informazioni relative all'Ufficio "
                                      "IVA che lo ha rilasciato.")
                               << false;
    QTest::newRow("iva 3") << int(PartitaIva) << "123" << Kind::Warning
                           << "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici." << true;

    const QString cardWrong = QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon \u00E8 quindi "
                                             "possibile fornire informazioni relative al tipo di carta di credito.");
    QTest::newRow("carta Amex") << int(Carta) << "378282246310005" << Kind::Information
                                << QStringLiteral(
                                       "Il numero di carta di credito 378282246310005 risulta valido.\r\n\r\n"
                                       "La carta di credito \u00E8 del tipo American Express.")
                                << false;
    QTest::newRow("carta grouped") << int(Carta) << "4111 1111 1111 1111 111" << Kind::Information
                                   << QStringLiteral("Il numero di carta di credito 4111 1111 1111 1111 111 risulta "
                                                     "valido.\r\n\r\nLa carta di credito \u00E8 del tipo Visa.")
                                   << false;
    QTest::newRow("carta wrong") << int(Carta) << "4111111111111112" << Kind::Warning << cardWrong << false;
    QTest::newRow("carta begins 2") << int(Carta) << "2221000000000009" << Kind::Warning << cardWrong << false;
    QTest::newRow("carta unknown family") << int(Carta) << "3200000000000002" << Kind::Warning << cardWrong << false;
    QTest::newRow("carta empty") << int(Carta) << "  " << Kind::Warning
                                 << "Attenzione: immettere il numero di carta di credito prima di premere il pulsante "
                                    "di controllo."
                                 << true;

    QTest::newRow("iban valid") << int(Iban) << "IT60X0542811101000000123456" << Kind::Information
                                << QStringLiteral("L'IBAN digitato \u00E8 VALIDO.") << false;
    QTest::newRow("iban wrong") << int(Iban) << "IT61X0542811101000000123456" << Kind::Warning
                                << QStringLiteral("Attenzione: l'IBAN digitato \u00E8 ERRATO!") << false;
    QTest::newRow("iban grouped too long")
        << int(Iban) << "IT60 X054 2811 1010 0000 0123 456" << Kind::Warning
        << "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici." << true;
}

void TestCheckerDialogs::controlla()
{
    QFETCH(int, checker);
    QFETCH(QString, input);
    QFETCH(Kind, kind);
    QFETCH(QString, text);
    QFETCH(bool, staysOpen);

    TestSupport::MessageRecorder boxes;
    auto dialog = makeChecker(checker);
    showAndFocus(dialog.get());
    dialog->input()->setText(input);
    dialog->btnControlla->setFocus();
    QTest::mouseClick(dialog->btnControlla, Qt::LeftButton);

    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastText(), text);
    QCOMPARE(boxes.lastKind(), kind);
    QCOMPARE(dialog->isVisible(), staysOpen);
    if (staysOpen)
        QCOMPARE(QApplication::focusWidget(), dialog->input());
    else
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(dialog->input()->text(), input); // the text is left as it was
}

void TestCheckerDialogs::chiudiCloses()
{
    TestSupport::MessageRecorder boxes;
    for (int which : { CodFisc, PartitaIva, Carta, Iban }) {
        auto dialog = makeChecker(which);
        showAndFocus(dialog.get());
        QTest::mouseClick(dialog->btnChiudi, Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
    }
    QCOMPARE(boxes.count(), 0);
}

void TestCheckerDialogs::openers_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("preloaded");

    QTest::newRow("dispatch empty") << "dispatch"
                                    << ""
                                    << "TfrmCodFisc"
                                    << "txtCodFisc"
                                    << "";
    QTest::newRow("dispatch blanks") << "dispatch"
                                     << "   "
                                     << "TfrmCodFisc"
                                     << "txtCodFisc"
                                     << "";
    QTest::newRow("dispatch short digits") << "dispatch"
                                           << "123"
                                           << "TfrmPartitaIva"
                                           << "txtPartitaIva"
                                           << "123";
    QTest::newRow("dispatch VAT trimmed") << "dispatch"
                                          << " 06363391001  "
                                          << "TfrmPartitaIva"
                                          << "txtPartitaIva"
                                          << "06363391001";
    QTest::newRow("dispatch mixed") << "dispatch"
                                    << "AB1"
                                    << "TfrmCodFisc"
                                    << "txtCodFisc"
                                    << "AB1";
    QTest::newRow("dispatch lower case kept") << "dispatch"
                                              << "rssmra85t10a562s"
                                              << "TfrmCodFisc"
                                              << "txtCodFisc"
                                              << "rssmra85t10a562s";
    QTest::newRow("dispatch inner blank") << "dispatch"
                                          << "123 456"
                                          << "TfrmCodFisc"
                                          << "txtCodFisc"
                                          << "123 456";
    QTest::newRow("codfisc") << "codfisc"
                             << "12345678901"
                             << "TfrmCodFisc"
                             << "txtCodFisc"
                             << "12345678901";
    QTest::newRow("iva") << "iva"
                         << "RSS"
                         << "TfrmPartitaIva"
                         << "txtPartitaIva"
                         << "RSS";
    QTest::newRow("carta") << "carta"
                           << " 4111 1111 1111 1111 "
                           << "TfrmCarta"
                           << "txtNumero"
                           << "4111 1111 1111 1111";
    QTest::newRow("iban longer than the limit") << "iban"
                                                << "IT60 X054 2811 1010 0000 0123 456"
                                                << "TfrmIban"
                                                << "txtIban"
                                                << "IT60 X054 2811 1010 0000 0123 456";
}

void TestCheckerDialogs::openers()
{
    QFETCH(QString, opener);
    QFETCH(QString, field);
    QFETCH(QString, dialogClass);
    QFETCH(QString, edit);
    QFETCH(QString, preloaded);

    QWidget owner;
    owner.show();
    QString seenClass, seenText;
    QWidget *seenParent = nullptr;
    TestSupport::onNextModal([&](QWidget *modal) {
        seenClass = QString::fromLatin1(modal->metaObject()->className());
        seenParent = modal->parentWidget();
        if (auto *e = modal->findChild<QLineEdit *>(edit))
            seenText = e->text();
        modal->findChild<QPushButton *>("btnChiudi")->click();
    });
    if (opener == "dispatch")
        OpenChecker(&owner, field);
    else if (opener == "codfisc")
        OpenCodFiscChecker(&owner, field);
    else if (opener == "iva")
        OpenPartitaIvaChecker(&owner, field);
    else if (opener == "carta")
        OpenCartaChecker(&owner, field);
    else
        OpenIbanChecker(&owner, field);

    QCOMPARE(seenClass, dialogClass);
    QCOMPARE(seenParent, &owner);
    QCOMPARE(seenText, preloaded);
    // The checker is gone once it closes.
    QVERIFY(owner.findChildren<CheckerDialog *>().isEmpty());
}

void TestCheckerDialogs::modalRunAndWarningKeepsOpen()
{
    // Opened from an editor: the length warning leaves the checker up, a
    // corrected number gets its verdict and ends the modal run.
    TestSupport::MessageRecorder boxes;
    QWidget owner;
    owner.show();
    bool stayedUp = false;
    TestSupport::onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<TfrmPartitaIva *>(modal);
        QVERIFY(dialog);
        dialog->btnControlla->click();
        stayedUp = dialog->isVisible();
        dialog->txtPartitaIva->setText(QStringLiteral("06363391001"));
        dialog->btnControlla->click();
        if (dialog->isVisible())
            dialog->reject(); // never leave the test hanging
    });
    OpenChecker(&owner, QStringLiteral("123"));

    QVERIFY(stayedUp);
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(
        boxes.text(0), QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
    QCOMPARE(boxes.text(1),
        QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                       "E' stato rilasciato dall'Ufficio IVA del Comune di Roma 2."));
}

QTEST_MAIN(TestCheckerDialogs)
#include "tst_checkerdialogs.moc"
