#include "common/ArchiveFile.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/EditKit.h"
#include "common/ui/MessageBoxes.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QWindow>

#include <stdexcept>

using namespace TestSupport;
using MessageBoxes::Kind;

class TestMessageBoxes : public QObject
{
    Q_OBJECT
private slots:
    void displayText_data();
    void displayText();
    void confirmationOnlyNoStops();
    void realBoxesHaveTheirButtons_data();
    void realBoxesHaveTheirButtons();
    void guardTurnsFailuresIntoErrorBoxes();
    void boxesShowNoMinimiseOrMaximise_data();
    void boxesShowNoMinimiseOrMaximise();
    void plainBoxCaptionIsNotTheProgramName();
    void focusAfterTheBoxIsWhereItWas_data();
    void focusAfterTheBoxIsWhereItWas();
};

void TestMessageBoxes::displayText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CR LF CR LF") << "a\r\n\r\nb"
                                 << "a\n\nb";
    QTest::newRow("LF CR LF CR") << "a\n\r\n\rb"
                                 << "a\n\nb";
    QTest::newRow("lone LF") << "a\nb"
                             << "a\nb";
    QTest::newRow("plain") << "abc"
                           << "abc";
}

void TestMessageBoxes::displayText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(MessageBoxes::displayText(text), shown);
}

void TestMessageBoxes::confirmationOnlyNoStops()
{
    MessageRecorder messages;
    messages.answerNext(true);
    messages.answerNext(false);
    QVERIFY(MessageBoxes::confirmation("Procedere?"));
    QVERIFY(!MessageBoxes::confirmation("Procedere?"));
    MessageBoxes::warning("Attenzione: prova.");
    QCOMPARE(messages.count(), 3);
    QCOMPARE(messages.kind(2), Kind::Warning);
    QCOMPARE(messages.lastText(), QString("Attenzione: prova."));
}

void TestMessageBoxes::realBoxesHaveTheirButtons_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("title");
    QTest::newRow("warning") << int(Kind::Warning) << QStringList { "OK", "Annulla" } << "Avviso";
    QTest::newRow("error") << int(Kind::Error) << QStringList { "OK", "Annulla" } << "Errore";
    QTest::newRow("confirmation") << int(Kind::Confirmation) << QStringList { QString::fromUtf8("S\u00EC"), "No" }
                                  << "Conferma";
    QTest::newRow("plain") << int(Kind::Plain) << QStringList { "OK" } << "";
}

void TestMessageBoxes::realBoxesHaveTheirButtons()
{
    QFETCH(int, kind);
    QFETCH(QStringList, buttons);
    QFETCH(QString, title);
    QStringList seen;
    QString seenTitle;
    onNextModal([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        QVERIFY(box);
        seenTitle = box->windowTitle();
        for (QAbstractButton *b : box->buttons())
            seen << b->text().remove('&');
        // Pressing the last button (Cancel, No or OK) closes the box.
        box->buttons().constLast()->click();
        if (box->isVisible())
            box->reject();
    });
    bool goOn = true;
    switch (Kind(kind)) {
    case Kind::Warning:
        MessageBoxes::warning("x");
        break;
    case Kind::Error:
        MessageBoxes::error("x");
        break;
    case Kind::Confirmation:
        goOn = MessageBoxes::confirmation("x");
        break;
    default:
        MessageBoxes::plain("x");
    }
    seen.sort();
    buttons.sort();
    QCOMPARE(seen, buttons);
    QCOMPARE(seenTitle, title);
    if (Kind(kind) == Kind::Confirmation)
        QVERIFY(!goOn);
}

void TestMessageBoxes::guardTurnsFailuresIntoErrorBoxes()
{
    MessageRecorder messages;
    QVERIFY(!RunGuarded([] { throw ArchiveAccessError(); }));
    QCOMPARE(messages.lastKind(), Kind::Error);
    QCOMPARE(messages.lastText(), kArchiveAccessMessage);
    QVERIFY(!RunGuarded([] { throw std::runtime_error("guasto"); }));
    QCOMPARE(messages.lastText(), QString("guasto"));
    QVERIFY(RunGuarded([] {}));
    QCOMPARE(messages.count(), 2);
}

void TestMessageBoxes::boxesShowNoMinimiseOrMaximise_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("warning") << int(Kind::Warning);
    QTest::newRow("information") << int(Kind::Information);
    QTest::newRow("error") << int(Kind::Error);
    QTest::newRow("confirmation") << int(Kind::Confirmation);
    QTest::newRow("plain") << int(Kind::Plain);
}

void TestMessageBoxes::boxesShowNoMinimiseOrMaximise()
{
    QFETCH(int, kind);
    Qt::WindowFlags flags;
    onNextModal([&](QWidget *w) {
        flags = w->windowFlags();
        qobject_cast<QMessageBox *>(w)->buttons().constLast()->click();
    });
    switch (Kind(kind)) {
    case Kind::Warning:
        MessageBoxes::warning("x");
        break;
    case Kind::Information:
        MessageBoxes::information("x");
        break;
    case Kind::Error:
        MessageBoxes::error("x");
        break;
    case Kind::Confirmation:
        MessageBoxes::confirmation("x");
        break;
    case Kind::Plain:
        MessageBoxes::plain("x");
        break;
    }
    QVERIFY(flags & Qt::CustomizeWindowHint); // only the hints given
    QVERIFY(!(flags & Qt::WindowMinMaxButtonsHint));
    QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
}

// An empty native title makes the window system show the program's name
// ("Kennora") in the caption; the plain box's caption must stay empty.
void TestMessageBoxes::plainBoxCaptionIsNotTheProgramName()
{
    QCoreApplication::setApplicationName(QStringLiteral("Kennora"));
    QString nativeTitle;
    QString title = QStringLiteral("unset");
    onNextModal([&](QWidget *w) {
        title = w->windowTitle();
        nativeTitle = w->windowHandle() ? w->windowHandle()->title() : QString();
        qobject_cast<QMessageBox *>(w)->buttons().constLast()->click();
    });
    MessageBoxes::plain("x");
    QCOMPARE(title, QString());
    QVERIFY(!nativeTitle.isEmpty());
    QCOMPARE(nativeTitle.trimmed(), QString());
}

void TestMessageBoxes::focusAfterTheBoxIsWhereItWas_data()
{
    QTest::addColumn<bool>("fieldHadIt");
    QTest::newRow("a field had the focus") << true;
    QTest::newRow("no field had it") << false;
}

// The window is activated again after the box has closed, as a window
// manager does, at once or a while later: the focus goes back where it was,
// never to the window's first field.
void TestMessageBoxes::focusAfterTheBoxIsWhereItWas()
{
    QFETCH(bool, fieldHadIt);
    QWidget window;
    QLineEdit *first = EditKit::makeEdit(&window, { "txtPrimo" });
    QLineEdit *second = EditKit::makeEdit(&window, { "txtSecondo" });
    second->move(0, 40);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    second->setFocus();
    if (!fieldHadIt)
        second->clearFocus();

    onNextModal([](QWidget *w) { qobject_cast<QMessageBox *>(w)->buttons().constFirst()->click(); });
    MessageBoxes::information("x", &window);
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QCOMPARE(qobject_cast<QLineEdit *>(QApplication::focusWidget()), fieldHadIt ? second : nullptr);
    QCOMPARE(EditKit::focusFrame(second)->isVisible(), fieldHadIt);
    QVERIFY(!EditKit::focusFrame(first)->isVisible());
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
