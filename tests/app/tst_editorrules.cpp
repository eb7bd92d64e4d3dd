// Rules that every editor keeps, checked on each of them: an edit is left,
// and its exit handler runs, also when its row page, tab or panel is hidden
// while it has the focus; an amount is never stored cut, a save refuses it
// with the focus on it; after a message box the focus is where the command
// left it, also once the window is activated again.
#include "catalog/Box_Cani.h"
#include "catalog/Listino_Prezzi.h"
#include "catalog/core/BoxRecord.h"
#include "catalog/core/ServiceRecord.h"
#include "common/Clock.h"
#include "common/RecordLayout.h"
#include "common/ui/Application.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/EditKit.h"
#include "common/ui/PickList.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "deadlines/Scadenzario.h"
#include "deadlines/core/DeadlineRecord.h"
#include "dogs/Cani.h"
#include "dogs/CostiCane.h"
#include "dogs/core/DogCostRecord.h"
#include "dogs/core/DogRecord.h"
#include "quotes/Preventivi.h"
#include "quotes/core/QuoteRecord.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace TestSupport;

namespace
{

// One editor, opened in its own program folder: how to fill what a save
// needs, how to save, how to show and to hide the page of an edit with the
// window's own commands, and where its records go.
struct Editor {
    std::unique_ptr<QWidget> owner; // the dog editor behind the cost ledger
    std::unique_ptr<QWidget> window;
    std::function<void()> fill;
    std::function<void()> save;
    std::function<void(QLineEdit *)> reveal = [](QLineEdit *) {};
    std::function<void(QLineEdit *)> turn = [](QLineEdit *) {};
    const RecordLayout *layout = nullptr;
    QString file;

    QLineEdit *edit(const QString &name) const { return window->findChild<QLineEdit *>(name); }
    // A field of the first stored record.
    QString stored(const QString &field) const
    {
        RecordBuffer record(*layout);
        record.bytes() = readFile(file).left(layout->size());
        return record.text(layout->indexOf(field));
    }
};

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
}

void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

int pageOfRow(const QLineEdit *edit)
{
    return (edit->objectName().right(2).toInt() - 1) / 5 + 1;
}

Editor quoteEditor()
{
    Editor e;
    auto *w = new TfrmPreventivi;
    e.window.reset(w);
    WindowRegistry::set(QLatin1String(WindowNames::frmPreventivi), w);
    e.layout = &QuoteRecord::layout();
    e.file = QuoteRecord::path(QStringLiteral("2025"));
    w->lblFile->setText(e.file);
    showActive(w);
    e.fill = [w] {
        w->txtCliente->setText(QStringLiteral("Rossi Mario"));
        w->txtNumFatt->setText(QStringLiteral("1"));
        w->txtData->setText(QStringLiteral("14/03/2025"));
    };
    e.save = [w] { click(w->cmdSalva); };
    e.reveal = [w](QLineEdit *edit) { w->showPage(pageOfRow(edit)); };
    // The arrows: to the next page and back (from the last page, back and on).
    e.turn = [w](QLineEdit *edit) {
        const int page = pageOfRow(edit);
        if (page < TfrmPreventivi::kPages) {
            click(w->imgAvanti[page - 1]);
            click(w->imgIndietro[page]);
        } else {
            click(w->imgIndietro[page - 1]);
            click(w->imgAvanti[page - 2]);
        }
        QCOMPARE(w->visiblePage(), page);
    };
    return e;
}

Editor dogEditor()
{
    Editor e;
    auto *w = new TfrmCani;
    e.window.reset(w);
    WindowRegistry::set(QLatin1String(WindowNames::frmCani), w);
    e.layout = &DogRecord::layout();
    e.file = DogRecord::path();
    showActive(w);
    e.fill = [w] {
        w->txtNome->setText(QStringLiteral("Briciola"));
        w->txtSesso->setText(QStringLiteral("F"));
        w->txtDataNasc->setText(QStringLiteral("05/06/2018"));
        w->txtGruppo->setText(QStringLiteral("Gruppo 4"));
        w->txtRazza->setText(QStringLiteral("Bassotto"));
    };
    e.save = [w] { click(w->cmdSalva); };
    // The tab buttons with their panels.
    const QList<QPair<QPushButton *, QFrame *>> tabs = { { w->btnPsicosomatica, w->panPsicosomatica },
        { w->btnAlbero, w->panAlbero }, { w->btnSanitaria, w->panSanitaria }, { w->btnDocumenti, w->panDocumenti } };
    auto tabOf = [tabs](QLineEdit *edit) {
        for (qsizetype i = 0; i < tabs.size(); ++i)
            if (tabs.at(i).second->isAncestorOf(edit))
                return i;
        return qsizetype(0);
    };
    e.reveal = [tabs, tabOf](QLineEdit *edit) { tabs.at(tabOf(edit)).first->click(); };
    // Another tab's button, pressed as a key would press it: the focus does
    // not go to the button first.
    e.turn = [tabs, tabOf](QLineEdit *edit) {
        tabs.at(tabOf(edit) == 0 ? 2 : 0).first->click();
        QVERIFY(!edit->isVisible());
    };
    return e;
}

Editor deadlineEditor()
{
    Editor e;
    auto *w = new TfrmScadenzario;
    e.window.reset(w);
    WindowRegistry::set(QLatin1String(WindowNames::frmScadenzario), w);
    e.layout = &DeadlineRecord::layout();
    e.file = DeadlineRecord::path(QStringLiteral("2025"));
    showActive(w);
    // The year's panel opens with "Apri", pressed as a key would press it.
    e.turn = [w](QLineEdit *) {
        w->btnApri->click();
        QVERIFY(w->panContainer->isVisible());
    };
    e.reveal = [w](QLineEdit *edit) {
        if (!w->panContainer->isAncestorOf(edit))
            return;
        w->txtAnno->setText(QStringLiteral("2025"));
        w->btnApri->click();
    };
    e.fill = [w] {
        w->txtGiorno->setEditText(QStringLiteral("05"));
        w->txtMese->setEditText(QStringLiteral("Marzo"));
        w->txtOreApp->setEditText(QStringLiteral("09"));
        w->txtMinutiApp->setEditText(QStringLiteral("30"));
        w->txtAvviso->setText(QStringLiteral("3"));
        w->txtProprietario->setText(QStringLiteral("Bianchi Maria"));
        w->txtNome->setText(QStringLiteral("Briciola"));
        w->txtDettagli->setText(QStringLiteral("Richiamo vaccinazione"));
    };
    e.save = [w] { w->cmdSalva->click(); };
    return e;
}

Editor catalogEditor(bool services)
{
    Editor e;
    TCatalogEditor *w = nullptr;
    if (services) {
        auto *list = new TfrmListino_Prezzi;
        frmListino_Prezzi = list;
        w = list;
        WindowRegistry::set(QLatin1String(WindowNames::frmListino_Prezzi), w);
        e.layout = &ServiceRecord::layout();
        e.file = ServiceRecord::path();
    } else {
        auto *boxes = new TfrmBox_Cani;
        frmBox_Cani = boxes;
        w = boxes;
        WindowRegistry::set(QLatin1String(WindowNames::frmBox_Cani), w);
        e.layout = &BoxRecord::layout();
        e.file = BoxRecord::path();
    }
    e.window.reset(w);
    showActive(w);
    e.fill = [w, services] {
        const QList<int> fields = services
            ? QList<int> { ServiceRecord::Codice, ServiceRecord::Descrizione, ServiceRecord::Tipologia }
            : QList<int> { BoxRecord::Box, BoxRecord::Dimensioni, BoxRecord::Capacita };
        for (int field : fields)
            w->edit(field)->setText(QStringLiteral("A1"));
    };
    e.save = [w] { click(w->cmdSalva); };
    return e;
}

Editor costLedger()
{
    Editor e;
    auto *dog = new TfrmCani;
    e.owner.reset(dog);
    WindowRegistry::set(QLatin1String(WindowNames::frmCani), dog);
    dog->show();
    dog->txtNome->setText(QStringLiteral("Briciola"));
    dog->lblPosizione->setText(QStringLiteral("3"));
    auto *w = new TfrmCostiCane(dog);
    e.window.reset(w);
    e.layout = &DogCostRecord::layout();
    e.file = DogCostRecord::path(QStringLiteral("3"));
    showActive(w);
    e.reveal = [w](QLineEdit *) {
        if (!w->panCosti->isVisible())
            click(w->btnAggiungi);
    };
    e.fill = [w] {
        w->txtData->setText(QStringLiteral("04/03/2025"));
        w->txtCausale->setText(QStringLiteral("Toelettatura"));
        w->txtPagatore->setText(QStringLiteral("Rossi"));
        w->txtBeneficiario->setText(QStringLiteral("Pelo & Co."));
    };
    e.save = [w] { click(w->btnSalva); };
    return e;
}

Editor openEditor(const QString &name)
{
    if (name == QLatin1String("quotes"))
        return quoteEditor();
    if (name == QLatin1String("dogs"))
        return dogEditor();
    if (name == QLatin1String("deadlines"))
        return deadlineEditor();
    if (name == QLatin1String("services") || name == QLatin1String("boxes"))
        return catalogEditor(name == QLatin1String("services"));
    return costLedger();
}

// Types `text` into the edit, as the user does, in place of what it held.
void typeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(edit->hasFocus());
    edit->clear();
    QTest::keyClicks(edit, text);
}

// The texts "Field=text" of a table row, as pairs.
QList<QPair<QString, QString>> pairs(const QStringList &texts)
{
    QList<QPair<QString, QString>> out;
    for (const QString &t : texts)
        out.append({ t.section(u'=', 0, 0), t.section(u'=', 1) });
    return out;
}

} // namespace

class TestEditorRules : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { KennoraApplication::installFontSubstitutions(); }
    void init();
    void cleanup();

    void hiddenPageLeavesTheEdit_data();
    void hiddenPageLeavesTheEdit();
    void amountNeverStoredCut_data();
    void amountNeverStoredCut();
    void focusAfterTheBox_data();
    void focusAfterTheBox();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<Clock::Fixed> m_clock;
    Editor m_editor;
};

void TestEditorRules::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_clock = std::make_unique<Clock::Fixed>(QDateTime(QDate(2030, 6, 15), QTime(10, 0)));
}

void TestEditorRules::cleanup()
{
    m_editor.window.reset(); // the ledger before the dog editor that owns it
    m_editor = Editor();
    WindowRegistry::clear();
    frmListino_Prezzi = nullptr;
    frmBox_Cani = nullptr;
    m_clock.reset();
    m_folder.reset();
}

void TestEditorRules::hiddenPageLeavesTheEdit_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QStringList>("before"); // texts set first: "control=text"
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left"); // the edit's text once its page was hidden
    QTest::addColumn<QStringList>("stored"); // "Field=text" of the saved record

    QTest::newRow("quote price, row page turned")
        << "quotes" << QStringList { "txtPercIva=22", "txtQuant05=1000" } << "txtPrezzo05"
        << "1,23456"
        << "1,2346" << QStringList { "Prezzo05=1,2346", "Importo05=1234,60", "TotFattura=1506,21" };
    QTest::newRow("quote price without decimals") << "quotes" << QStringList() << "txtPrezzo03"
                                                  << "12"
                                                  << "12,00" << QStringList { "Prezzo03=12,00" };
    QTest::newRow("quote price, a loaded VAT rate kept")
        << "quotes" << QStringList { "txtPercIva=22,50" } << "txtPrezzo02"
        << "5"
        << "5,00" << QStringList { "Prezzo02=5,00", "PercIva=22,50" };
    QTest::newRow("quote quantity on the last page") << "quotes" << QStringList() << "txtQuant28"
                                                     << "2,50"
                                                     << "2,5" << QStringList { "Quant28=2,5" };
    QTest::newRow("quote discount, page 3") << "quotes" << QStringList { "txtPrezzo12=10" } << "txtPercSconto12"
                                            << "0010"
                                            << "10" << QStringList { "PercSconto12=10", "Importo12=9,00" };
    QTest::newRow("dog editor, tab turned") << "dogs" << QStringList() << "txtCodFisc"
                                            << "rss"
                                            << "RSS" << QStringList { "CodFisc=RSS" };
    QTest::newRow("dog editor, first tab turned") << "dogs" << QStringList() << "txtPeso"
                                                  << "12 kg"
                                                  << "12 kg" << QStringList { "Peso=12 kg" };
    QTest::newRow("deadlines, start panel left for the year's") << "deadlines" << QStringList() << "txtAnno"
                                                                << "2025"
                                                                << "2025" << QStringList { "Anno=2025" };
}

void TestEditorRules::hiddenPageLeavesTheEdit()
{
    QFETCH(QString, editor);
    QFETCH(QStringList, before);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, left);
    QFETCH(QStringList, stored);
    MessageRecorder boxes;
    m_editor = openEditor(editor);
    Editor &e = m_editor;
    for (const auto &[name, text] : pairs(before))
        e.edit(name)->setText(text);
    QLineEdit *edit = e.edit(field);
    QVERIFY(edit);
    e.reveal(edit);
    int exits = 0;
    EditKit::onExit(edit, [&exits] { ++exits; });
    typeInto(edit, typed);

    e.turn(edit);
    QCOMPARE(exits, 1);
    // The focus went from the edit to the page's first control: no other
    // edit was entered and left on the way.
    for (const auto &[name, text] : pairs(before))
        QCOMPARE(e.edit(name)->text(), text);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), left);
    QVERIFY(EditKit::highlightFill(edit) != EditKit::FocusFill);
    if (QWidget *frame = EditKit::focusFrame(edit))
        QVERIFY(frame->isHidden());

    e.fill();
    e.save();
    QCOMPARE(boxes.lastKind(), MessageBoxes::Kind::Information);
    for (const auto &[name, text] : pairs(stored))
        QCOMPARE(e.stored(name), text);
}

void TestEditorRules::amountNeverStoredCut_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("left"); // Enter pressed before the save
    QTest::addColumn<QString>("stored"); // empty: refused

    QTest::newRow("service price, 9 digits") << "services"
                                             << "txtPrezzo"
                                             << "999999999" << true << "";
    QTest::newRow("service price, 9 digits, not left") << "services"
                                                       << "txtPrezzo"
                                                       << "999999999" << false << "";
    QTest::newRow("service price, 7 digits") << "services"
                                             << "txtPrezzo"
                                             << "9999999" << false << "9999999,00";
    QTest::newRow("box price, 13 digits") << "boxes"
                                          << "txtPrezzo"
                                          << "9999999999999" << true << "";
    QTest::newRow("box price, 12 digits") << "boxes"
                                          << "txtPrezzo"
                                          << "999999999999" << true << "999999999999,00";
    QTest::newRow("dog cost, 15 digits") << "costs"
                                         << "txtImporto"
                                         << "999999999999999" << false << "";
    QTest::newRow("dog cost, 12 digits") << "costs"
                                         << "txtImporto"
                                         << "999999999999" << true << "999999999999,00";
    QTest::newRow("quote price, 10 digits") << "quotes"
                                            << "txtPrezzo01"
                                            << "9999999999" << false << "";
    QTest::newRow("quote price, one decimal cut") << "quotes"
                                                  << "txtPrezzo08"
                                                  << "12345678,9" << true << "";
    QTest::newRow("quote price that fits") << "quotes"
                                           << "txtPrezzo01"
                                           << "1234567,12" << false << "1234567,12";
    QTest::newRow("deadline cost, 15 digits") << "deadlines"
                                              << "txtCosto"
                                              << "999999999999999" << true << "";
    QTest::newRow("deadline cost, 15 digits, not left") << "deadlines"
                                                        << "txtCosto"
                                                        << "999999999999999" << false << "";
    QTest::newRow("deadline cost, 11 digits") << "deadlines"
                                              << "txtCosto"
                                              << "99999999999" << true << "99999999999,00";
}

void TestEditorRules::amountNeverStoredCut()
{
    QFETCH(QString, editor);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, left);
    QFETCH(QString, stored);
    MessageRecorder boxes;
    m_editor = openEditor(editor);
    Editor &e = m_editor;
    QLineEdit *edit = e.edit(field);
    QVERIFY(edit);
    e.reveal(edit);
    e.fill();
    typeInto(edit, typed);
    if (left) {
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!edit->hasFocus());
    }
    e.save();
    if (!stored.isEmpty()) {
        QCOMPARE(boxes.lastKind(), MessageBoxes::Kind::Information);
        QCOMPARE(e.stored(field.mid(3)), stored);
        return;
    }
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), MessageBoxes::Kind::Warning);
    QCOMPARE(boxes.lastText(), ArchiveEditor::kAmountTooLarge);
    QCOMPARE(QApplication::focusWidget(), edit);
    QVERIFY(edit->isVisible());
    QCOMPARE(readFile(e.file), QByteArray());
}

// Real boxes, closed with their OK button; then the window is activated
// again, as a window manager does a while after a box has closed.
void TestEditorRules::focusAfterTheBox_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QString>("field"); // typed into before the save
    QTest::addColumn<QString>("focus"); // after the box: the control that has it

    QTest::newRow("quote saved: no field") << "quotes" << true << "txtPrezzo01"
                                           << "btnFocus";
    QTest::newRow("quote refused: the customer") << "quotes" << false << "txtPrezzo01"
                                                 << "txtCliente";
    QTest::newRow("service saved: the command") << "services" << true << "txtNote"
                                                << "cmdSalva";
    QTest::newRow("service refused: the field") << "services" << false << "txtNote"
                                                << "txtCodice";
    QTest::newRow("deadline saved: the field typed in") << "deadlines" << true << "txtCosto"
                                                        << "txtCosto";
    QTest::newRow("deadline refused: the day") << "deadlines" << false << "txtCosto"
                                               << "txtGiorno";
    QTest::newRow("dog cost saved: the command") << "costs" << true << "txtImporto"
                                                 << "btnSalva";
    QTest::newRow("dog cost refused: the date") << "costs" << false << "txtImporto"
                                                << "txtData";
}

void TestEditorRules::focusAfterTheBox()
{
    QFETCH(QString, editor);
    QFETCH(bool, filled);
    QFETCH(QString, field);
    QFETCH(QString, focus);
    m_editor = openEditor(editor);
    Editor &e = m_editor;
    QLineEdit *edit = e.edit(field);
    QVERIFY(edit);
    e.reveal(edit);
    if (filled)
        e.fill();
    typeInto(edit, QStringLiteral("12"));

    int shown = 0;
    onNextModal([&shown](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        ++shown;
        box->buttons().constFirst()->click();
        if (box->isVisible())
            box->accept();
    });
    e.save();
    QCOMPARE(shown, 1);

    QWidget elsewhere;
    showActive(&elsewhere);
    showActive(e.window.get());
    // The window system may hand the focus over a little later.
    QTRY_VERIFY(QApplication::focusWidget());
    QWidget *now = QApplication::focusWidget();
    QCOMPARE(now->objectName(), focus);
    // No other field shows its focus.
    for (QLineEdit *line : e.window->findChildren<QLineEdit *>()) {
        if (line == now)
            continue;
        if (QWidget *frame = EditKit::focusFrame(line))
            QVERIFY2(!frame->isVisible(), qPrintable(line->objectName()));
        QVERIFY2(EditKit::highlightFill(line) != EditKit::FocusFill, qPrintable(line->objectName()));
    }
}

QTEST_MAIN(TestEditorRules)
#include "tst_editorrules.moc"
