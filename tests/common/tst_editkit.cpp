#include "common/ui/Application.h"
#include "common/ui/EditKit.h"
#include "common/ui/WindowKit.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace EditKit;

namespace
{

// The test window's fields, declared as a window declares its own.
const QList<EditRow> kRows = {
    { .name = "txtNome", .maxLength = 30, .successor = "txtAnno" },
    { .name = "txtAnno", .maxLength = 4, .successor = "btnApri", .filter = Filter::Numeric },
    { .name = "txtPrezzo",
        .maxLength = 12,
        .successor = "txtBox",
        .filter = Filter::Amount,
        .look = Look::HighlightWhite,
        .amountDecimals = 2 },
    { .name = "txtBox", .maxLength = 10, .successor = "txtDesc01", .filter = Filter::BoxNumber },
    { .name = "txtDesc01", .maxLength = 40, .successor = "txtPrezzo01", .filter = Filter::QuoteDescription },
    { .name = "txtPrezzo01",
        .maxLength = 12,
        .successor = "txtCodFisc",
        .amountDecimals = 4,
        .amountEmptyStays = true },
    { .name = "txtCodFisc", .maxLength = 16, .successor = "txtSesso", .casing = Casing::UpperTyping },
    { .name = "txtSesso", .maxLength = 3, .successor = "txtCapRes", .casing = Casing::UpperTypingNoTrim },
    { .name = "txtCapRes", .maxLength = 5, .successor = "txtRazza", .casing = Casing::UpperKeyUpNoTrim },
    { .name = "txtRazza", .maxLength = 20, .successor = "txtCampo01", .look = Look::Highlight },
    { .name = "txtCampo01", .maxLength = 20, .look = Look::FocusFrame, .frame = "effCampo01" },
};

class TestWindow : public QWidget
{
public:
    TestWindow()
    {
        setObjectName(QStringLiteral("frmProva"));
        setWindowTitle(QStringLiteral("Prova campi"));
        auto *form = new QFormLayout(this);
        form->setContentsMargins(20, 16, 20, 16);
        form->setVerticalSpacing(10);
        form->setHorizontalSpacing(14);
        for (QLineEdit *edit : makeEdits(this, kRows)) {
            edit->setMinimumWidth(260);
            form->addRow(edit->objectName().mid(3), edit);
        }
        cboProv = new QComboBox(this);
        cboProv->addItems({ QStringLiteral("MI"), QStringLiteral("RM"), QStringLiteral("TO") });
        applyCombo(
            cboProv, { .name = "txtProvRes", .maxLength = 2, .successor = "btnApri", .casing = Casing::UpperTyping });
        form->addRow(QStringLiteral("ProvRes"), cboProv);
        btnApri = new QPushButton(QStringLiteral("Apri"), this);
        btnApri->setObjectName(QStringLiteral("btnApri"));
        form->addRow(QString(), btnApri);
        WindowKit::prepareButtons(this);
    }

    QLineEdit *edit(const char *name) const { return findChild<QLineEdit *>(QLatin1String(name)); }

    QComboBox *cboProv;
    QPushButton *btnApri;
};

} // namespace

class TestEditKit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void frameFollowsFocus();
    void highlightColours();
    void enterMovesToSuccessor();
    void filledFieldReachedByEnterIsRetyped();
    void numericAndMoneyKeys_data();
    void numericAndMoneyKeys();
    void tabRefusedInNumericFields_data();
    void tabRefusedInNumericFields();
    void forbiddenCharacters_data();
    void forbiddenCharacters();
    void pasteIsFiltered_data();
    void pasteIsFiltered();
    void typingLimitNeverCutsCodeText();
    void moneyNormalisedOnLeaving_data();
    void moneyNormalisedOnLeaving();
    void contextMenuIsNotLeaving();
    void hiddenPageLeavesClosedWindowDoesNot_data();
    void hiddenPageLeavesClosedWindowDoesNot();
    void upperCasing();
    void comboDeselectKeepsText();
    void screenshot();

private:
    void focus(QWidget *w);
    TestWindow *m_window = nullptr;
};

void TestEditKit::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
}

void TestEditKit::init()
{
    m_window = new TestWindow;
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestEditKit::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestEditKit::focus(QWidget *w)
{
    w->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(w->hasFocus());
}

void TestEditKit::frameFollowsFocus()
{
    QLineEdit *nome = m_window->edit("txtNome");
    QLineEdit *anno = m_window->edit("txtAnno");
    QWidget *frame = focusFrame(nome);
    QVERIFY(frame);
    QCOMPARE(frame->objectName(), QStringLiteral("effNome"));
    QCOMPARE(frame->parentWidget(), nome->parentWidget());
    QCOMPARE(m_window->findChild<QWidget *>(QStringLiteral("effCampo01")), focusFrame(m_window->edit("txtCampo01")));
    QVERIFY(!focusFrame(m_window->edit("txtRazza"))); // highlighted fields have no frame

    for (int round = 0; round < 3; ++round) {
        focus(nome);
        QVERIFY(frame->isVisible());
        QCOMPARE(frame->geometry(), nome->geometry().adjusted(-4, -4, 4, 4));
        // Behind its edit.
        const auto siblings = nome->parentWidget()->children();
        QVERIFY(siblings.indexOf(frame) < siblings.indexOf(nome));
        focus(anno);
        QVERIFY(!frame->isVisible());
        QVERIFY(focusFrame(anno)->isVisible());
    }
    // The frame follows the edit when the layout moves it.
    focus(nome);
    m_window->resize(m_window->width() + 80, m_window->height() + 40);
    QTRY_COMPARE(frame->geometry(), nome->geometry().adjusted(-4, -4, 4, 4));
}

void TestEditKit::highlightColours()
{
    QLineEdit *razza = m_window->edit("txtRazza"); // rest 0xFFF0F8FF
    QLineEdit *prezzo = m_window->edit("txtPrezzo"); // rest white
    QCOMPARE(highlightFill(razza), RestFill);
    QCOMPARE(highlightFill(prezzo), RestFillWhite);
    for (int round = 0; round < 3; ++round) {
        focus(razza);
        QCOMPARE(highlightFill(razza), FocusFill);
        focus(prezzo);
        QCOMPARE(highlightFill(razza), RestFill);
        QCOMPARE(highlightFill(prezzo), FocusFill);
        focus(razza);
        QCOMPARE(highlightFill(prezzo), RestFillWhite);
    }
    // The colour is really painted.
    focus(razza);
    const QImage image = razza->grab().toImage();
    QCOMPARE(image.pixel(razza->width() / 2, razza->height() - 3), FocusFill);
}

void TestEditKit::enterMovesToSuccessor()
{
    QSignalSpy pressed(m_window->btnApri, &QPushButton::clicked);
    QLineEdit *nome = m_window->edit("txtNome");
    focus(nome);
    QTest::keyClick(nome, Qt::Key_Return);
    QVERIFY(m_window->edit("txtAnno")->hasFocus());
    // Enter in the last numeric field focuses the button without pressing it.
    QTest::keyClick(m_window->edit("txtAnno"), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(m_window->btnApri->hasFocus());
    QCOMPARE(pressed.count(), 0);
    // Enter or Space on the focused button presses it.
    QTest::keyClick(m_window->btnApri, Qt::Key_Return);
    QCOMPARE(pressed.count(), 1);
    QTest::keyClick(m_window->btnApri, Qt::Key_Space);
    QCOMPARE(pressed.count(), 2);
    // The combo's Enter goes to its successor too.
    focus(m_window->cboProv);
    QTest::keyClick(m_window->cboProv, Qt::Key_Return);
    QVERIFY(m_window->btnApri->hasFocus());
    QCOMPARE(pressed.count(), 2);
}

void TestEditKit::filledFieldReachedByEnterIsRetyped()
{
    // A field reached by Enter shows its text selected, as with Tab, so typing
    // replaces a preset such as "0,00" instead of running on after it.
    QLineEdit *nome = m_window->edit("txtNome");
    QLineEdit *anno = m_window->edit("txtAnno");
    anno->setText(QStringLiteral("1999"));
    focus(nome);
    QTest::keyClick(nome, Qt::Key_Return);
    QVERIFY(anno->hasFocus());
    QCOMPARE(anno->selectedText(), QStringLiteral("1999"));
    QTest::keyClicks(anno, QStringLiteral("2024"));
    QCOMPARE(anno->text(), QStringLiteral("2024"));
}

void TestEditKit::numericAndMoneyKeys_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("numeric digits") << "txtAnno"
                                    << "2024"
                                    << "2024";
    QTest::newRow("numeric letters, blanks, comma") << "txtAnno"
                                                    << "2a 0,2.4"
                                                    << "2024";
    QTest::newRow("numeric sign") << "txtAnno"
                                  << "-12"
                                  << "12";
    QTest::newRow("money comma") << "txtPrezzo"
                                 << "12,5"
                                 << "12,5";
    QTest::newRow("money several commas") << "txtPrezzo"
                                          << "1,,2"
                                          << "1,,2";
    QTest::newRow("money point and letters") << "txtPrezzo"
                                             << "1.5e3"
                                             << "153";
}

void TestEditKit::numericAndMoneyKeys()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QLineEdit *edit = m_window->findChild<QLineEdit *>(field);
    focus(edit);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
    // The editing keys work; Home, End, Up, Down and Escape do nothing.
    QTest::keyClick(edit, Qt::Key_Left);
    QCOMPARE(edit->cursorPosition(), shown.size() - 1);
    QTest::keyClick(edit, Qt::Key_Home);
    QCOMPARE(edit->cursorPosition(), shown.size() - 1);
    QTest::keyClick(edit, Qt::Key_Right);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), shown.chopped(1));
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->text(), shown.chopped(1));
}

void TestEditKit::tabRefusedInNumericFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("focusStays");
    QTest::newRow("numeric") << "txtAnno" << true;
    QTest::newRow("money") << "txtPrezzo" << true;
    QTest::newRow("plain text") << "txtNome" << false;
    QTest::newRow("box number") << "txtBox" << false;
}

void TestEditKit::tabRefusedInNumericFields()
{
    QFETCH(QString, field);
    QFETCH(bool, focusStays);
    QLineEdit *edit = m_window->findChild<QLineEdit *>(field);
    focus(edit);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->hasFocus(), focusStays);
    focus(edit);
    QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(edit->hasFocus(), focusStays);
}

void TestEditKit::forbiddenCharacters_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("box: slash, question mark, colon") << "txtBox"
                                                      << "A/1?:"
                                                      << "A1";
    QTest::newRow("box: quote, star, backslash, < >") << "txtBox"
                                                      << "B\"*\\<>2"
                                                      << "B2";
    QTest::newRow("box: vertical bar passes") << "txtBox"
                                              << "C|3"
                                              << "C|3";
    QTest::newRow("box: degree and cedilla refused") << "txtBox" << u"4°Çç5ñÑ"_qs << "45";
    QTest::newRow("box: euro passes") << "txtBox" << u"€7"_qs << u"€7"_qs;
    QTest::newRow("desc: & / < >") << "txtDesc01"
                                   << "a&b/c<d>e"
                                   << "abcde";
    QTest::newRow("desc: accented refused") << "txtDesc01" << u"caffè città ÀÉÑü"_qs << "caff citt ";
    QTest::newRow("desc: pound refused, euro passes") << "txtDesc01" << u"£5 €5"_qs << u"5 €5"_qs;
    QTest::newRow("desc: other letters pass") << "txtDesc01" << u"Åøß ÿ ã"_qs << u"Åøß ÿ ã"_qs;
}

void TestEditKit::forbiddenCharacters()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QLineEdit *edit = m_window->findChild<QLineEdit *>(field);
    focus(edit);
    // One key event per character (keyClicks cannot type non-ASCII text).
    for (QChar c : typed)
        QTest::sendKeyEvent(QTest::KeyAction::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(edit->text(), shown);
}

void TestEditKit::pasteIsFiltered_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("shown");
    QTest::newRow("box number refuses a/b") << "txtBox"
                                            << "a/b"
                                            << "";
    QTest::newRow("box number takes a-b") << "txtBox"
                                          << "a-b"
                                          << "a-b";
    QTest::newRow("numeric refuses 12a") << "txtAnno"
                                         << "12a"
                                         << "";
    QTest::newRow("numeric takes 12") << "txtAnno"
                                      << "12"
                                      << "12";
    QTest::newRow("money refuses 1.5") << "txtPrezzo"
                                       << "1.5"
                                       << "";
    QTest::newRow("quote description refuses è") << "txtDesc01" << u"caffè"_qs << "";
    QTest::newRow("beyond the limit refused") << "txtAnno"
                                              << "20245"
                                              << "";
}

void TestEditKit::pasteIsFiltered()
{
    QFETCH(QString, field);
    QFETCH(QString, clipboard);
    QFETCH(QString, shown);
    QLineEdit *edit = m_window->findChild<QLineEdit *>(field);
    focus(edit);
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keySequence(edit, QKeySequence::Paste); // Ctrl+V
    QCOMPARE(edit->text(), shown);
    edit->clear();
    edit->paste(); // the context menu's command
    QCOMPARE(edit->text(), shown);
}

void TestEditKit::typingLimitNeverCutsCodeText()
{
    QLineEdit *nome = m_window->edit("txtNome"); // 30 wide
    QCOMPARE(typingLimit(nome), 30);
    QCOMPARE(nome->maxLength(), 32767);
    const QString forty = QString(40, QLatin1Char('n'));
    nome->setText(forty);
    QCOMPARE(nome->text(), forty);
    focus(nome);
    nome->end(false);
    QTest::keyClicks(nome, "xy");
    QCOMPARE(nome->text(), forty); // no growth beyond the width
    QTest::keyClick(nome, Qt::Key_Backspace);
    QCOMPARE(nome->text().size(), 39); // shortening is allowed
    // Replacing a selection inside the long text does not make it longer: allowed.
    nome->setSelection(0, 2);
    QTest::keyClicks(nome, "A");
    QCOMPARE(nome->text(), QStringLiteral("A") + QString(37, QLatin1Char('n')));

    // Typing into an empty edit stops at 30.
    nome->clear();
    QTest::keyClicks(nome, QString(35, QLatin1Char('k')));
    QCOMPARE(nome->text(), QString(30, QLatin1Char('k')));
    // Code may still set any length, also after the user has typed.
    nome->setText(forty);
    QCOMPARE(nome->text(), forty);
    QTest::keyClicks(nome, "z");
    QCOMPARE(nome->text(), forty);
}

void TestEditKit::moneyNormalisedOnLeaving_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("12,5") << "txtPrezzo"
                          << "12,5"
                          << "12,50";
    QTest::newRow("5") << "txtPrezzo"
                       << "5"
                       << "5,00";
    QTest::newRow("1,999") << "txtPrezzo"
                           << "1,999"
                           << "2,00";
    QTest::newRow("empty") << "txtPrezzo"
                           << ""
                           << "0,00";
    QTest::newRow("two commas") << "txtPrezzo"
                                << "1,,2"
                                << "0,00";
    QTest::newRow("comma alone") << "txtPrezzo"
                                 << ","
                                 << "0,00";
    QTest::newRow("quote: empty stays empty") << "txtPrezzo01"
                                              << ""
                                              << "";
    QTest::newRow("quote: 0,12345") << "txtPrezzo01"
                                    << "0,12345"
                                    << "0,1235";
    QTest::newRow("quote: 3") << "txtPrezzo01"
                              << "3"
                              << "3,00";
    QTest::newRow("quote: pasted text") << "txtPrezzo01"
                                        << "abc"
                                        << "0,00";
}

void TestEditKit::moneyNormalisedOnLeaving()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QLineEdit *edit = m_window->findChild<QLineEdit *>(field);
    focus(edit);
    QTest::keyClicks(edit, text);
    QCOMPARE(edit->text(), text);
    QTest::keyClick(edit, Qt::Key_Return); // leaves for the successor
    QVERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), shown);
    // Leaving by a mouse click elsewhere does the same.
    edit->setText(text);
    focus(edit);
    focus(m_window->edit("txtNome"));
    QCOMPARE(edit->text(), shown);
}

void TestEditKit::contextMenuIsNotLeaving()
{
    QLineEdit *prezzo = m_window->edit("txtPrezzo");
    focus(prezzo);
    QTest::keyClicks(prezzo, "12,5");
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), prezzo->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(prezzo, &menuEvent);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(prezzo->text(), QStringLiteral("12,5"));
    QCOMPARE(highlightFill(prezzo), FocusFill);
    QApplication::activePopupWidget()->close();
    QTRY_VERIFY(prezzo->hasFocus());
    QCOMPARE(prezzo->text(), QStringLiteral("12,5"));
    focus(m_window->edit("txtNome"));
    QCOMPARE(prezzo->text(), QStringLiteral("12,50"));
}

void TestEditKit::hiddenPageLeavesClosedWindowDoesNot_data()
{
    QTest::addColumn<bool>("closeWindow");
    QTest::addColumn<QString>("shown");
    QTest::newRow("its page hidden") << false << "12,50";
    QTest::newRow("its window closed") << true << "12,5";
}

// The focus leaves an edit whose page is hidden under it (the next control
// takes it): the exit steps run. A window that closes is not left.
void TestEditKit::hiddenPageLeavesClosedWindowDoesNot()
{
    QFETCH(bool, closeWindow);
    QFETCH(QString, shown);
    QWidget window;
    auto *page = new QFrame(&window);
    QLineEdit *prezzo = makeEdit(page, { "txtPrezzo", 0, nullptr, Filter::Amount, Casing::None, Look::Highlight, 2 });
    QLineEdit *after = makeEdit(&window, { "txtNote" });
    after->move(0, 60);
    int exits = 0;
    onExit(prezzo, [&exits] { ++exits; });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    focus(prezzo);
    QTest::keyClicks(prezzo, "12,5");
    if (closeWindow)
        window.close();
    else
        page->hide();
    QCOMPARE(exits, closeWindow ? 0 : 1);
    QCOMPARE(prezzo->text(), shown);
    QCOMPARE(highlightFill(prezzo), closeWindow ? FocusFill : RestFill);
}

void TestEditKit::upperCasing()
{
    // On typing, trimmed: a blank typed at the end disappears at once; à stays.
    QLineEdit *codFisc = m_window->edit("txtCodFisc");
    focus(codFisc);
    QTest::keyClicks(codFisc, "rss ");
    QCOMPARE(codFisc->text(), QStringLiteral("RSS"));
    QTest::sendKeyEvent(QTest::KeyAction::Click, codFisc, Qt::Key_unknown, u"à"_qs, Qt::NoModifier);
    QTest::keyClicks(codFisc, "b");
    QCOMPARE(codFisc->text(), u"RSSàB"_qs);
    // Typing in the middle keeps the cursor where it was.
    codFisc->setCursorPosition(1);
    QTest::keyClicks(codFisc, "x");
    QCOMPARE(codFisc->text(), u"RXSSàB"_qs);
    QCOMPARE(codFisc->cursorPosition(), 2);
    // Text set by code is not touched until the user types.
    codFisc->setText(QStringLiteral(" abc "));
    QCOMPARE(codFisc->text(), QStringLiteral(" abc "));

    // On typing, not trimmed.
    QLineEdit *sesso = m_window->edit("txtSesso");
    focus(sesso);
    QTest::keyClicks(sesso, "m ");
    QCOMPARE(sesso->text(), QStringLiteral("M "));

    // On key release, not trimmed.
    QLineEdit *cap = m_window->edit("txtCapRes");
    focus(cap);
    QTest::sendKeyEvent(QTest::KeyAction::Press, cap, Qt::Key_A, QStringLiteral("a"), Qt::NoModifier);
    QCOMPARE(cap->text(), QStringLiteral("a"));
    QTest::sendKeyEvent(QTest::KeyAction::Release, cap, Qt::Key_A, QStringLiteral("a"), Qt::NoModifier);
    QCOMPARE(cap->text(), QStringLiteral("A"));
    QTest::keyClicks(cap, "b ");
    QCOMPARE(cap->text(), QStringLiteral("AB "));

    // The combo's edit too.
    focus(m_window->cboProv);
    m_window->cboProv->lineEdit()->selectAll();
    QTest::keyClicks(m_window->cboProv, "bg");
    QCOMPARE(m_window->cboProv->currentText(), QStringLiteral("BG"));
    QTest::keyClicks(m_window->cboProv, "x"); // 2 wide
    QCOMPARE(m_window->cboProv->currentText(), QStringLiteral("BG"));
}

void TestEditKit::comboDeselectKeepsText()
{
    QComboBox *combo = m_window->cboProv;
    combo->setCurrentIndex(1);
    QCOMPARE(combo->currentText(), QStringLiteral("RM"));
    focus(combo);
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), QStringLiteral("RM"));
    QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    QVERIFY(!combo->completer());
    QCOMPARE(combo->count(), 3);
    QVERIFY(focusFrame(combo->lineEdit()));
    QVERIFY(focusFrame(combo->lineEdit())->isVisible());
}

void TestEditKit::screenshot()
{
    const QString folder = qEnvironmentVariable("KENNORA_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("KENNORA_SCREENSHOTS not set");
    m_window->edit("txtNome")->setText(QStringLiteral("Rossi Maria"));
    m_window->edit("txtPrezzo")->setText(QStringLiteral("12,50"));
    focus(m_window->edit("txtNome"));
    QVERIFY(m_window->grab().save(folder + QStringLiteral("/editkit-frame.png")));
    focus(m_window->edit("txtRazza"));
    QVERIFY(m_window->grab().save(folder + QStringLiteral("/editkit-highlight.png")));
}

QTEST_MAIN(TestEditKit)
#include "tst_editkit.moc"
