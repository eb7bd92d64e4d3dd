#include "app/dialogs/AllegaCartella.h"
#include "app/dialogs/OpenURL.h"
#include "app/shell/Avvio.h"
#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "common/ui/Application.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/ControlText.h"
#include "common/ui/EditKit.h"
#include "common/ui/WindowRegistry.h"
#include "owners/Clienti.h"
#include "owners/OwnerControls.h"
#include "owners/core/OwnerRecord.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

constexpr int kSize = 3702;

QByteArray owner(const QString &name, const QString &file01 = QString())
{
    RecordBuffer r(OwnerRecord::layout());
    r.clear();
    r.setText(OwnerRecord::Cliente, name);
    r.setText(OwnerRecord::Recapito, QString(name + " tel"));
    r.setFlag(OwnerRecord::Ricontatta, false);
    r.setText(OwnerRecord::File01, file01);
    return r.bytes();
}

QByteArray owners(int n)
{
    QByteArray all;
    for (int i = 1; i <= n; ++i)
        all += owner(QStringLiteral("Proprietario %1").arg(i), QStringLiteral("doc%1.pdf").arg(i));
    return all;
}

// The bytes of a text field as stored: length byte, then the text.
QByteArray stored(const QString &text)
{
    const QByteArray bytes = Cp1252::encode(text);
    return char(bytes.size()) + bytes;
}

QByteArray fieldBytes(const QByteArray &record, int field, int length)
{
    return record.mid(OwnerRecord::layout().offset(field), length + 1);
}

} // namespace

class TestClienti : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void saveTypedOwnerAppendsThenOverwrites();
    void typedBehaviours_data();
    void typedBehaviours();
    void enterChainAndTab();
    void provinceIsUpperCasedOnLeaving();
    void navigationWalksAndStops();
    void duplicateThenSaveAppendsCopyWithoutAttachments();
    void blankNameIsRefused();
    void showStartsEmpty();
    void attachmentsReachTheRecord();
    void emailCommand();
    void checkerDispatch_data();
    void checkerDispatch();
    void archiveCommandsOpenTheirWindows_data();
    void archiveCommandsOpenTheirWindows();
    void pdfCommandWritesTheSheetOfTheScreen();
    void closeReturnsToStartMenu();
    void ownersTileOpensEditor();
    void typingLimitsAreTheFieldCapacities();
    void loadedLongTextsShowTheirStart_data();
    void loadedLongTextsShowTheirStart();
    void focusFramesLeaveCaptionsFree();
    void everyHintSentenceFitsItsBand();
    void screenshot();

private:
    void press(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void typeInto(QWidget *field, const QString &keys)
    {
        field->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), keys);
    }

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<TfrmClienti> m_window;
    TfrmClienti *w = nullptr;
};

void TestClienti::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
}

void TestClienti::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_window = std::make_unique<TfrmClienti>();
    w = frmClienti = m_window.get();
    WindowRegistry::set("frmClienti", w);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

void TestClienti::cleanup()
{
    WindowRegistry::clear();
    m_window.reset();
    frmClienti = w = nullptr;
    m_folder.reset();
}

void TestClienti::saveTypedOwnerAppendsThenOverwrites()
{
    writeFile(OwnerRecord::path(), owners(7));
    MessageRecorder boxes;
    {
        TfrmClienti fresh;
        QCOMPARE(fresh.panInfo->text(), QString("Pronto per archiviare una nuova scheda..."));
    }

    typeInto(w->txtCliente, "Rossi Mario");
    QTest::keyClick(w->txtCliente, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->txtDataNasc);
    QTest::keyClicks(w->txtDataNasc, "01/02/1980");
    QTest::keyClick(w->txtDataNasc, Qt::Key_Return);
    QTest::keyClicks(w->txtComuneNasc, "Siena");
    QTest::keyClick(w->txtComuneNasc, Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "si");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->txtSesso);
    QTest::keyClicks(w->txtSesso, "m");
    typeInto(w->txtTelCasa, "0577 123456");
    typeInto(w->txtCarta, "4111111111111111");
    w->txtNote->setText(QString::fromUtf8("Perché no"));
    QTest::mouseClick(w->chkRicontatta, Qt::LeftButton);
    QVERIFY(w->chkRicontatta->isChecked());
    QCOMPARE(w->fieldText(OwnerRecord::Ricontatta), QString::fromUtf8("Sì"));

    press(w->cmdSalva);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Information);
    QCOMPARE(boxes.lastText(), QString::fromUtf8("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(w->lblPosizione->text(), QString("8"));
    QByteArray file = readFile(OwnerRecord::path());
    QCOMPARE(file.size(), 8 * kSize);
    QCOMPARE(file.left(7 * kSize), owners(7));
    QByteArray record = file.mid(7 * kSize);
    QCOMPARE(record.mid(0, 12), stored("Rossi Mario"));
    QCOMPARE(record.mid(51, 11), stored("01/02/1980"));
    QCOMPARE(record.mid(82, 6), stored("Siena"));
    QCOMPARE(record.mid(133, 3), stored("SI"));
    QCOMPARE(record.mid(136, 2), stored("M"));
    QCOMPARE(record.mid(551, 12), stored("0577 123456"));
    QCOMPARE(record.mid(743, 17), stored("4111111111111111"));
    QCOMPARE(record.mid(1942, 10), QByteArray("\x09Perch\xE9 no"));
    QCOMPARE(record.mid(2193, 3), QByteArray("\x02\x53\xEC"));
    QCOMPARE(record.mid(2196, 1), QByteArray(1, '\0')); // no attachment
    QCOMPARE(w->currentRecord().bytes(), record);

    // A second save overwrites the same record in place.
    w->txtTelCasa->setText("0577 654321");
    QTest::mouseClick(w->chkRicontatta, Qt::LeftButton);
    press(w->cmdSalva);
    QCOMPARE(boxes.lastText(), QString("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    QCOMPARE(w->lblPosizione->text(), QString("8"));
    file = readFile(OwnerRecord::path());
    QCOMPARE(file.size(), 8 * kSize);
    record = file.mid(7 * kSize);
    QCOMPARE(record.mid(551, 12), stored("0577 654321"));
    QCOMPARE(record.mid(2193, 3), QByteArray("\x02No"));
    QCOMPARE(file.left(7 * kSize), owners(7));
}

void TestClienti::typedBehaviours_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("sex upper-cased, one letter") << "txtSesso"
                                                 << "mx"
                                                 << "M";
    QTest::newRow("postcode upper-cased, blanks kept") << "txtCapRes"
                                                       << "ab1 "
                                                       << "AB1 ";
    QTest::newRow("province outside the list kept") << "txtProvNasc"
                                                    << "xx"
                                                    << "XX";
    QTest::newRow("province of residence") << "txtProvRes"
                                           << "mi"
                                           << "MI";
    QTest::newRow("card digits only") << "txtCarta"
                                      << "12a3 4"
                                      << "1234";
    QTest::newRow("VAT digits only, 11 at most") << "txtPartitaIva"
                                                 << "0123456789012"
                                                 << "01234567890";
    QTest::newRow("fiscal code upper-cased") << "txtCodFisc"
                                             << "rssmra"
                                             << "RSSMRA";
    QTest::newRow("IBAN upper-cased") << "txtIban"
                                      << "it60x"
                                      << "IT60X";
    QTest::newRow("e-mail never keeps blanks") << "txtEmail"
                                               << " a@b.it "
                                               << "a@b.it";
    QTest::newRow("name limited to 50") << "txtCliente" << QString(55, 'a') << QString(50, 'a');
}

void TestClienti::typedBehaviours()
{
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QWidget *control = w->findChild<QWidget *>(field);
    QVERIFY(control);
    typeInto(control, keys);
    QCOMPARE(ControlText::text(control), shown);
}

void TestClienti::provinceIsUpperCasedOnLeaving()
{
    // A code put there by the program (a loaded record) in lower case.
    w->txtProvRes->setEditText(QStringLiteral("rm "));
    w->txtProvRes->setFocus();
    QTRY_VERIFY(w->txtProvRes->hasFocus() || w->txtProvRes->lineEdit()->hasFocus());
    w->txtCliente->setFocus();
    QTRY_VERIFY(w->txtCliente->hasFocus());
    QCOMPARE(w->txtProvRes->currentText(), QStringLiteral("RM"));
}

void TestClienti::enterChainAndTab()
{
    w->txtQuestioni->setFocus();
    QTest::keyClick(w->txtQuestioni, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->txtNote); // the check box is skipped
    QTest::keyClick(w->txtNote, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->txtCliente); // the chain closes
    w->txtCarta->setFocus();
    QTest::keyClick(w->txtCarta, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->txtCarta); // Enter is the way out
    QTest::keyClick(w->txtCarta, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->txtScadeCarta);
}

void TestClienti::navigationWalksAndStops()
{
    writeFile(OwnerRecord::path(), owners(3));
    MessageRecorder boxes;
    press(w->cmdAvanti); // from an empty position: record 1
    QCOMPARE(w->lblPosizione->text(), QString("1"));
    QCOMPARE(w->txtCliente->text(), QString("Proprietario 1"));
    QCOMPARE(w->lblFile01->text(), QString("doc1.pdf"));
    press(w->cmdIndietro); // on the first: nothing
    QCOMPARE(w->lblPosizione->text(), QString("1"));
    press(w->cmdUltimo);
    QCOMPARE(w->lblPosizione->text(), QString("3"));
    QCOMPARE(w->txtRecapito->text(), QString("Proprietario 3 tel"));
    press(w->cmdAvanti); // on the last: nothing
    QCOMPARE(w->lblPosizione->text(), QString("3"));
    press(w->cmdIndietro);
    QCOMPARE(w->txtCliente->text(), QString("Proprietario 2"));
    QCOMPARE(w->lblPosizione->text(), QString("2"));
    press(w->cmdPrimo);
    QCOMPARE(w->txtCliente->text(), QString("Proprietario 1"));
    QCOMPARE(boxes.count(), 0);
}

void TestClienti::duplicateThenSaveAppendsCopyWithoutAttachments()
{
    writeFile(OwnerRecord::path(), owners(3));
    MessageRecorder boxes;
    press(w->cmdDuplica);
    QCOMPARE(boxes.lastKind(), Kind::Warning);
    QCOMPARE(boxes.lastText(),
        QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire soltanto "
                          "dopo che questa è stata inserita in archivio."));
    press(w->cmdUltimo);
    press(w->cmdDuplica);
    QCOMPARE(boxes.lastKind(), Kind::Information);
    QVERIFY(w->lblPosizione->text().isEmpty());
    QVERIFY(w->lblFile01->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), w->txtCliente);
    press(w->cmdSalva);
    QCOMPARE(w->lblPosizione->text(), QString("4"));
    const QByteArray file = readFile(OwnerRecord::path());
    QCOMPARE(file.left(3 * kSize), owners(3));
    QCOMPARE(file.mid(3 * kSize), owner("Proprietario 3"));
}

void TestClienti::blankNameIsRefused()
{
    MessageRecorder boxes;
    typeInto(w->txtCliente, "   ");
    w->txtNote->setFocus();
    w->txtNote->setText("una nota");
    press(w->cmdSalva);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Warning);
    QCOMPARE(boxes.lastText(),
        QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il nome del proprietario."));
    QCOMPARE(QApplication::focusWidget(), w->txtCliente);
    QVERIFY(!QFileInfo::exists(OwnerRecord::path()));
    QCOMPARE(w->txtNote->text(), QString("una nota"));
}

void TestClienti::showStartsEmpty()
{
    RecordBuffer r(OwnerRecord::layout());
    r.bytes() = owner("Verdi", "x.pdf");
    r.setText(OwnerRecord::ProvRes, u"MI");
    r.setFlag(OwnerRecord::Ricontatta, true);
    w->showRecord(r, 5);
    QCOMPARE(w->txtCliente->text(), QString("Verdi"));
    QCOMPARE(w->txtProvRes->currentText(), QString("MI"));
    QCOMPARE(w->lblPosizione->text(), QString("5"));
    QVERIFY(w->chkRicontatta->isChecked());
    w->txtNote->setFocus();
    w->hide();
    w->show();
    for (int field = 0; field < OwnerRecord::FieldCount; ++field)
        QCOMPARE(w->fieldText(field), field == OwnerRecord::Ricontatta ? QString("No") : QString());
    QCOMPARE(w->txtProvRes->currentIndex(), -1);
    QCOMPARE(w->txtProvNasc->currentIndex(), -1);
    QVERIFY(w->lblPosizione->text().isEmpty());
    QCOMPARE(w->focusWidget(), w->txtCliente);
}

void TestClienti::attachmentsReachTheRecord()
{
    MessageRecorder boxes;
    QVERIFY(QDir().mkpath(m_folder->file("scansioni")));
    writeFile(m_folder->file("scansioni/Libretto.pdf"), "pdf");
    TfrmAllegaCartella::setFileChooser(
        [this](QWidget *, const QString &, const QString &) { return m_folder->file("scansioni/Libretto.pdf"); });
    w->txtCliente->setText("Bianchi");
    w->lblDesc02->setText("seconda");
    onNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<TfrmAllegaCartella *>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->lblMemory->text(), QString("clienti"));
        QCOMPARE(dialog->txtDesc02->text(), QString("seconda"));
        QTest::mouseClick(dialog->btnSfoglia01, Qt::LeftButton);
        dialog->txtDesc01->setText("Libretto sanitario");
        QTest::mouseClick(dialog->btnApplica, Qt::LeftButton);
    });
    press(w->cmdFile);
    TfrmAllegaCartella::setFileChooser(nullptr);
    QCOMPARE(w->lblFile01->text(), QString("Libretto.pdf"));
    QCOMPARE(w->lblDesc01->text(), QString("Libretto sanitario"));
    QCOMPARE(readFile(m_folder->file("Documenti_Allegati/Libretto.pdf")), QByteArray("pdf"));
    press(w->cmdSalva);
    const QByteArray record = readFile(OwnerRecord::path());
    QCOMPARE(record.size(), kSize);
    QCOMPARE(fieldBytes(record, OwnerRecord::File01, 12), stored("Libretto.pdf"));
    QCOMPARE(fieldBytes(record, OwnerRecord::Desc01, 18), stored("Libretto sanitario"));
    QCOMPARE(fieldBytes(record, OwnerRecord::Desc02, 7), stored("seconda"));
}

void TestClienti::emailCommand()
{
    QList<QUrl> opened;
    TMisc::setOpener([&](const QUrl &url) { opened.append(url); });
    w->txtEmail->setText("mario@esempio.it");
    press(w->btnEmail);
    TMisc::setOpener(nullptr);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first().toString(), QString("mailto:mario@esempio.it"));
}

void TestClienti::checkerDispatch_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("checker");
    QTest::newRow("empty fiscal code") << "btnCodFisc"
                                       << "txtCodFisc"
                                       << ""
                                       << "TfrmCodFisc";
    QTest::newRow("all digits: VAT number") << "btnCodFisc"
                                            << "txtCodFisc"
                                            << " 12345 "
                                            << "TfrmPartitaIva";
    QTest::newRow("fiscal code") << "btnCodFisc"
                                 << "txtCodFisc"
                                 << "RSSMRA80A01H501U"
                                 << "TfrmCodFisc";
    QTest::newRow("VAT") << "btnPartitaIva"
                         << "txtPartitaIva"
                         << "01234567890"
                         << "TfrmPartitaIva";
    QTest::newRow("card") << "btnCarta"
                          << "txtCarta"
                          << "4111"
                          << "TfrmCarta";
    QTest::newRow("IBAN") << "btnIban"
                          << "txtIban"
                          << "IT60X"
                          << "TfrmIban";
}

void TestClienti::checkerDispatch()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, checker);
    w->findChild<QLineEdit *>(field)->setText(text);
    QString opened;
    onNextModal([&](QWidget *modal) {
        opened = QString::fromLatin1(modal->metaObject()->className());
        qobject_cast<QDialog *>(modal)->reject();
    });
    press(w->findChild<QPushButton *>(button));
    QCOMPARE(opened, checker);
}

void TestClienti::archiveCommandsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("search") << "cmdTrova"
                            << "TfrmTrovaClienti";
    QTest::newRow("call-back list") << "cmdRicontatta"
                                    << "TfrmRicontatta";
    QTest::newRow("export") << "cmdEsporta"
                            << "TfrmExpClienti";
    QTest::newRow("preview") << "cmdAnteprima"
                             << "ReportPreviewDialog";
}

void TestClienti::archiveCommandsOpenTheirWindows()
{
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    MessageRecorder boxes;
    QString opened;
    QWidget *parent = nullptr;
    onNextModal([&](QWidget *modal) {
        opened = QString::fromLatin1(modal->metaObject()->className());
        parent = modal->parentWidget();
        qobject_cast<QDialog *>(modal)->reject();
    });
    QPushButton *command = w->findChild<QPushButton *>(button);
    QVERIFY(command->isEnabled());
    press(command);
    QCOMPARE(opened, dialog);
    QCOMPARE(parent ? parent->window() : nullptr, static_cast<QWidget *>(w));
    QCOMPARE(boxes.count(), 0);
}

void TestClienti::pdfCommandWritesTheSheetOfTheScreen()
{
    MessageRecorder boxes;
    boxes.answerNext(false); // do not open the file
    w->txtCliente->setText(QString::fromUtf8("Niccol\u00F2 non salvato"));
    press(w->cmdPDF);
    QVERIFY(QFileInfo(m_folder->file("Proprietario.pdf")).size() > 0);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.lastKind(), Kind::Confirmation);
    // Nothing was stored: the sheet prints what the screen shows.
    QVERIFY(!QFileInfo::exists(OwnerRecord::path()) || QFileInfo(OwnerRecord::path()).size() == 0);
}

void TestClienti::closeReturnsToStartMenu()
{
    QWidget menu;
    WindowKit::setStartMenu(&menu);
    press(w->cmdEsci);
    WindowKit::setStartMenu(nullptr);
    QVERIFY(!w->isVisible());
    QVERIFY(menu.isVisible());
}

void TestClienti::ownersTileOpensEditor()
{
    writeFile(OwnerRecord::path(), owners(2));
    MessageRecorder boxes;
    press(w->cmdUltimo);
    w->hide();
    TfrmAvvio menu;
    WindowKit::setStartMenu(&menu);
    menu.show();
    QTest::mouseClick(menu.imgProprietari, Qt::LeftButton);
    QVERIFY(w->isVisible());
    QVERIFY(!menu.isVisible());
    QVERIFY(w->lblPosizione->text().isEmpty()); // opened empty
    QVERIFY(w->txtCliente->text().isEmpty());
    press(w->cmdEsci);
    WindowKit::setStartMenu(nullptr);
    QVERIFY(!w->isVisible());
    QVERIFY(menu.isVisible());
}

void TestClienti::typingLimitsAreTheFieldCapacities()
{
    // The limits come from the owner record's layout: every edit and combo
    // takes exactly its field's capacity.
    const RecordLayout &layout = OwnerRecord::layout();
    int edits = 0;
    for (int field = 0; field < layout.fieldCount(); ++field) {
        QWidget *control = w->findChild<QWidget *>(OwnerControls::name(field));
        QVERIFY2(control, qPrintable(OwnerControls::name(field)));
        if (!qobject_cast<QLineEdit *>(control) && !qobject_cast<QComboBox *>(control))
            continue;
        ++edits;
        QCOMPARE(EditKit::typingLimit(control), layout.capacity(field));
    }
    QCOMPARE(edits, 29);
}

void TestClienti::loadedLongTextsShowTheirStart_data()
{
    QTest::addColumn<bool>("picked");
    QTest::newRow("browsing") << false;
    QTest::newRow("a pick from another window") << true;
}

void TestClienti::loadedLongTextsShowTheirStart()
{
    // A record whose every field is full: each loaded edit must show the
    // start of its text ("San Giovanni ..."), not its end.
    QFETCH(bool, picked);
    const RecordLayout &layout = OwnerRecord::layout();
    RecordBuffer full(layout);
    full.clear();
    for (int field = 0; field < layout.fieldCount(); ++field) {
        if (field == OwnerRecord::Ricontatta)
            full.setFlag(field, true);
        else
            full.setText(field, QString::fromUtf8("San Giovanni in Persiceto àè ").repeated(10));
    }
    MessageRecorder boxes;
    w->txtComuneRes->setFocus(); // a focused edit as well
    if (picked) {
        w->showRecord(full, 1);
    } else {
        writeFile(OwnerRecord::path(), full.bytes());
        press(w->cmdPrimo);
    }
    QCOMPARE(w->lblPosizione->text(), QString("1"));
    w->grab(); // painted as on screen (an edit settles its scrolling when painted)
    int checked = 0;
    for (QLineEdit *edit : w->findChildren<QLineEdit *>()) {
        if (edit->text().isEmpty())
            continue;
        ++checked;
        const QString name = edit->objectName().isEmpty() ? edit->parentWidget()->objectName() : edit->objectName();
        QVERIFY2(edit->cursorPosition() == 0, qPrintable(name));
        // A text longer than its edit shows its first character at the left.
        if (edit->fontMetrics().horizontalAdvance(edit->text()) > edit->width())
            QVERIFY2(
                edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < edit->width() / 4, qPrintable(name));
    }
    QCOMPARE(checked, 29);
    QCOMPARE(boxes.count(), 0);
}

void TestClienti::focusFramesLeaveCaptionsFree()
{
    // The yellow frame around the focused field covers no caption: neither its
    // own (above it) nor the caption of the row below; each caption is tall
    // enough for its text.
    QList<QLabel *> captions;
    for (QLabel *label : w->panContainer->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(w) || label->text().isEmpty() || !label->objectName().startsWith("lbl")
            || label == w->lblPosizione)
            continue;
        QVERIFY2(label->height() >= label->fontMetrics().height(), qPrintable(label->objectName()));
        captions.append(label);
    }
    QCOMPARE(captions.size(), 29);
    int frames = 0;
    for (QLineEdit *edit : w->panContainer->findChildren<QLineEdit *>()) {
        QWidget *frame = EditKit::focusFrame(edit);
        if (!frame)
            continue;
        ++frames;
        edit->setFocus();
        QTRY_VERIFY(frame->isVisible());
        for (QLabel *caption : std::as_const(captions))
            QVERIFY2(!frame->geometry().intersects(caption->geometry()),
                qPrintable(frame->objectName() + " covers " + caption->objectName()));
    }
    QCOMPARE(frames, 29);
}

void TestClienti::everyHintSentenceFitsItsBand()
{
    // Each control that writes a sentence into the hint line is hovered; the
    // sentence, in the band's font, must fit inside the band (its padding
    // kept free at both ends).
    const auto move = [](QWidget *target) {
        const QPointF at(3, 3);
        QMouseEvent event(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    const int padding = 10;
    QStringList seen;
    for (QWidget *control : w->panContainer->findChildren<QWidget *>()) {
        move(w->panContainer); // empties the line
        move(control);
        const QString sentence = w->panInfo->text();
        if (sentence.isEmpty())
            continue;
        seen.append(sentence);
        const int width = QFontMetrics(w->panInfo->font()).horizontalAdvance(sentence);
        QVERIFY2(width + 2 * padding <= w->panInfo->width(),
            qPrintable(QStringLiteral("%1 (%2 px in a band of %3)").arg(sentence).arg(width).arg(w->panInfo->width())));
    }
    QCOMPARE(seen.size(), 22); // 12 commands, 4 arrows, 5 small buttons, the check box
    QVERIFY(seen.contains(
        QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.")));
}

void TestClienti::screenshot()
{
    // A look at the editor on a real screen: KENNORA_SCREENSHOTS names the
    // folder of the pictures (run under an X server with a window manager).
    const QString folder = qEnvironmentVariable("KENNORA_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("KENNORA_SCREENSHOTS not set");
    RecordBuffer full(OwnerRecord::layout());
    full.clear();
    full.setText(OwnerRecord::Cliente, QString::fromUtf8("Bartolomei Castelfranchi Niccol\u00F2 Maria Giuseppe"));
    full.setText(OwnerRecord::DataNasc, u"12/03/1961");
    full.setText(OwnerRecord::ComuneNasc, u"San Giovanni in Persiceto");
    full.setText(OwnerRecord::ProvNasc, u"BO");
    full.setText(OwnerRecord::Sesso, u"M");
    full.setText(OwnerRecord::Recapito, u"+39 051 1234567 / +39 333 7654321");
    full.setText(OwnerRecord::IndirizzoRes, QString::fromUtf8("Via dell'Indipendenza Risorgimentale 128/B, scala C"));
    full.setText(OwnerRecord::ProvRes, u"BO");
    full.setText(OwnerRecord::ComuneRes, u"San Giovanni in Persiceto");
    full.setText(OwnerRecord::CapRes, u"40017");
    full.setText(OwnerRecord::Estremi,
        QString::fromUtf8("Bonifico bancario a trenta giorni data fattura, oppure contanti alla consegna "
                          "del cane; per soggiorni pi\u00F9 lunghi di due settimane acconto del 30%"));
    full.setText(OwnerRecord::Email, u"niccolo.bartolomei.castelfranchi@esempio-posta.it");
    full.setText(OwnerRecord::CodFisc, u"BRTNCL61C12I110X");
    full.setText(OwnerRecord::PartitaIva, u"01234567890");
    full.setText(OwnerRecord::Iban, u"IT60X0542811101000000123456");
    full.setText(OwnerRecord::Note,
        QString::fromUtf8("Preferisce essere chiamato la sera; il cane \u00E8 "
                          "allergico al pollo e va tenuto separato dagli altri maschi"));
    full.setFlag(OwnerRecord::Ricontatta, true);
    w->showMaximized();
    w->showRecord(full, 12);
    w->txtComuneRes->setFocus();
    const QPointF at(5, 5);
    QMouseEvent move(QEvent::MouseMove, at, w->cmdDuplica->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w->cmdDuplica, &move);
    QTest::qWait(500);
    QVERIFY(w->screen()->grabWindow(0).save(folder + QStringLiteral("/owner-editor-long.png")));
}

QTEST_MAIN(TestClienti)
#include "tst_clienti.moc"
