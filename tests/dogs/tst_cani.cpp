// The dog editor: saving appends and overwrites records of exactly 10857
// bytes with every field at its offset, the mandatory fields, the duplicate,
// the tab panels and the Enter step from the breed, the upper-cased fields,
// the owner picker's delivery, the linked folder, a damaged archive and the
// close routing.

#include "app/dialogs/AllegaCartella.h"
#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "common/ArchiveFile.h"
#include "common/Cp1252.h"
#include "common/ui/Application.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "dogs/Cani.h"
#include "dogs/DogControls.h"
#include "dogs/PhotoView.h"
#include "dogs/Zoom.h"
#include "dogs/core/DogRecord.h"
#include "owners/TrovaClienti.h"
#include "owners/core/OwnerRecord.h"
#include "tests/support/TestSupport.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;
using Tab = TfrmCani::Tab;

Q_DECLARE_METATYPE(TfrmCani::Tab)

namespace
{

constexpr int kSize = 10857;

// A distinct text for every field: its name, cut to its capacity.
QString sample(int field)
{
    return DogRecord::layout().name(field).left(DogRecord::layout().capacity(field));
}

QLineEdit *edit(const TfrmCani &w, int field)
{
    return w.findChild<QLineEdit *>(DogControls::name(field));
}

void fillAll(TfrmCani &w)
{
    for (int f = 0; f < DogRecord::FieldCount; ++f) {
        QWidget *control = w.findChild<QWidget *>(DogControls::name(f));
        if (auto *line = qobject_cast<QLineEdit *>(control))
            line->setText(sample(f));
        else if (auto *label = qobject_cast<QLabel *>(control))
            label->setText(sample(f));
    }
    w.txtSesso->setText(QStringLiteral("F"));
}

void fillHeader(TfrmCani &w, const QString &name = QStringLiteral("Briciola"))
{
    w.txtNome->setText(name);
    w.txtSesso->setText(QStringLiteral("F"));
    w.txtDataNasc->setText(QStringLiteral("05/06/2018"));
    w.txtGruppo->setText(QStringLiteral("Gruppo 4"));
    w.txtRazza->setText(QStringLiteral("Bassotto"));
}

} // namespace

class TestCani : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { KennoraApplication::installFontSubstitutions(); }
    void init();
    void cleanup();

    void saveAppendsEveryFieldAtItsOffset();
    void saveOverwriteKeepsSize();
    void saveIntoArchiveOfRecordsGivesNextPosition();
    void mandatoryFields_data();
    void mandatoryFields();
    void duplicateEmptiesAttachmentsAndAppends();
    void duplicateOfNewRecordRefused();
    void tabButtonsShowOnePanel();
    void enterFromBreedFollowsVisibleTab_data();
    void enterFromBreedFollowsVisibleTab();
    void browsingKeepsVisibleTab();
    void upperCasing_data();
    void upperCasing();
    void ownerPickerFillsOwnerFields();
    void linkedFolderCreatedAndOpened();
    void linkedFolderRefusedForNewRecord();
    void damagedArchiveGivesAccessMessage_data();
    void damagedArchiveGivesAccessMessage();
    void showingAgainStartsEmpty();
    void closeReturnsToStartMenu();
    void everyCommandIsOn();
    void commandsOpenTheirWindows_data();
    void commandsOpenTheirWindows();
    void zoomShowsPhotoAndClickCloses();
    void hintLine_data();
    void hintLine();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<MessageRecorder> m_boxes;
    std::unique_ptr<TfrmCani> m_window;
};

void TestCani::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    m_boxes = std::make_unique<MessageRecorder>();
    m_window = std::make_unique<TfrmCani>();
    WindowRegistry::set(QLatin1String(WindowNames::frmCani), m_window.get());
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestCani::cleanup()
{
    WindowRegistry::clear();
    TMisc::setOpener(nullptr);
    m_window.reset();
    m_boxes.reset();
    m_folder.reset();
}

void TestCani::saveAppendsEveryFieldAtItsOffset()
{
    TfrmCani &w = *m_window;
    fillAll(w);
    w.txtNome->setText(QStringLiteral("  Briciola  ")); // blanks at the ends are never stored
    QTest::mouseClick(w.cmdSalva, Qt::LeftButton);
    QCOMPARE(m_boxes->lastText(), QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio."));
    QCOMPARE(w.lblPosizione->text(), QStringLiteral("1"));

    const QByteArray file = readFile(DogRecord::path());
    QCOMPARE(file.size(), kSize);
    const RecordLayout &layout = DogRecord::layout();
    for (int f = 0; f < layout.fieldCount(); ++f) {
        const QString expected = f == DogRecord::Nome ? QStringLiteral("Briciola")
            : f == DogRecord::Sesso                   ? QStringLiteral("F")
                                                      : sample(f);
        const QByteArray bytes = Cp1252::encode(expected);
        const int offset = layout.offset(f);
        QVERIFY2(quint8(file.at(offset)) == bytes.size(), qPrintable(layout.name(f)));
        QCOMPARE(file.mid(offset + 1, bytes.size()), bytes);
    }
}

void TestCani::saveOverwriteKeepsSize()
{
    TfrmCani &w = *m_window;
    fillHeader(w);
    w.cmdSalva->click();
    w.txtRazza->setText(QStringLiteral("Volpino"));
    w.cmdSalva->click();
    QCOMPARE(m_boxes->lastText(),
        QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    const QByteArray file = readFile(DogRecord::path());
    QCOMPARE(file.size(), kSize);
    QCOMPARE(w.lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(file.mid(DogRecord::layout().offset(DogRecord::Razza), 8), QByteArray("\x07Volpino"));
}

void TestCani::saveIntoArchiveOfRecordsGivesNextPosition()
{
    RecordBuffer r(DogRecord::layout());
    r.clear();
    r.setText(DogRecord::Nome, QStringLiteral("Primo"));
    writeFile(DogRecord::path(), r.bytes() + r.bytes() + r.bytes());
    fillHeader(*m_window);
    m_window->cmdSalva->click();
    QCOMPARE(m_window->lblPosizione->text(), QStringLiteral("4"));
    QCOMPARE(readFile(DogRecord::path()).size(), 4 * kSize);
}

void TestCani::mandatoryFields_data()
{
    QTest::addColumn<int>("blank");
    QTest::addColumn<QString>("message");
    const QString prefix = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ");
    QTest::newRow("name") << int(DogRecord::Nome) << prefix + "il nome del cane.";
    QTest::newRow("sex") << int(DogRecord::Sesso) << prefix + "il sesso del cane.";
    QTest::newRow("birth date") << int(DogRecord::DataNasc)
                                << prefix + "la data di nascita del cane nel formato gg/mm/aaaa.";
    QTest::newRow("group") << int(DogRecord::Gruppo) << prefix + "il gruppo di appartenenza del cane.";
    QTest::newRow("breed") << int(DogRecord::Razza) << prefix + "la razza del cane.";
    QTest::newRow("all five blank: the name first") << -1 << prefix + "il nome del cane.";
}

void TestCani::mandatoryFields()
{
    QFETCH(int, blank);
    QFETCH(QString, message);
    TfrmCani &w = *m_window;
    fillHeader(w);
    if (blank >= 0)
        edit(w, blank)->setText(QStringLiteral("   ")); // blanks only count as empty
    else
        for (int f = DogRecord::Nome; f <= DogRecord::Razza; ++f)
            edit(w, f)->clear();
    w.cmdSalva->click();
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->lastKind(), Kind::Warning);
    QCOMPARE(m_boxes->lastText(), message);
    QCOMPARE(QApplication::focusWidget(), edit(w, blank >= 0 ? blank : int(DogRecord::Nome)));
    QVERIFY(!QFileInfo::exists(DogRecord::path()));
}

void TestCani::duplicateEmptiesAttachmentsAndAppends()
{
    TfrmCani &w = *m_window;
    fillAll(w);
    w.cmdSalva->click();
    w.showTab(Tab::Sanitaria);
    w.cmdDuplica->click();
    QCOMPARE(m_boxes->lastText(),
        QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                       "Al termine premere Salva per inserire la scheda in archivio."));
    QVERIFY(w.lblPosizione->text().isEmpty());
    QVERIFY(w.lblFile01->text().isEmpty());
    QVERIFY(w.lblDesc03->text().isEmpty());
    QVERIFY(w.imgFoto->isBlank());
    QCOMPARE(w.visibleTab(), Tab::Psicosomatica);
    QCOMPARE(QApplication::focusWidget(), w.txtNome);
    w.cmdSalva->click();
    QCOMPARE(w.lblPosizione->text(), QStringLiteral("2"));

    const QByteArray file = readFile(DogRecord::path());
    QCOMPARE(file.size(), 2 * kSize);
    const RecordLayout &layout = DogRecord::layout();
    const int edits = layout.offset(DogRecord::File01);
    QCOMPARE(file.mid(kSize, edits), file.left(edits)); // the same 54 texts
    for (int f = DogRecord::File01; f < DogRecord::FieldCount; ++f) {
        QCOMPARE(int(file.at(layout.offset(f))), sample(f).size()); // the first keeps its slots
        QCOMPARE(int(file.at(kSize + layout.offset(f))), 0); // the copy has none
    }
}

void TestCani::duplicateOfNewRecordRefused()
{
    fillHeader(*m_window);
    m_window->cmdDuplica->click();
    QCOMPARE(m_boxes->lastKind(), Kind::Warning);
    QCOMPARE(m_boxes->lastText(),
        QStringLiteral("Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo che questa \u00E8 "
                       "stata inserita in archivio."));
    QCOMPARE(m_window->txtNome->text(), QStringLiteral("Briciola"));
    QVERIFY(!QFileInfo::exists(DogRecord::path())); // the dog duplicate never opens the archive
}

void TestCani::tabButtonsShowOnePanel()
{
    TfrmCani &w = *m_window;
    const QList<QPair<QPushButton *, QWidget *>> tabs = { { w.btnPsicosomatica, w.panPsicosomatica },
        { w.btnAlbero, w.panAlbero }, { w.btnSanitaria, w.panSanitaria }, { w.btnDocumenti, w.panDocumenti } };
    QWidget *firsts[] = { w.txtMantello, w.txtProprietario, w.txtVaccinazioni, w.btnCartella };
    // At opening the first panel is in front.
    QVERIFY(w.panPsicosomatica->isVisible());
    QVERIFY(!w.btnPsicosomatica->isEnabled());
    for (int i : { 1, 2, 3, 0 }) {
        QTest::mouseClick(tabs.at(i).first, Qt::LeftButton);
        for (int j = 0; j < 4; ++j) {
            QCOMPARE(tabs.at(j).second->isVisible(), i == j);
            QCOMPARE(tabs.at(j).first->isEnabled(), i != j);
        }
        QCOMPARE(QApplication::focusWidget(), firsts[i]);
    }
}

void TestCani::enterFromBreedFollowsVisibleTab_data()
{
    QTest::addColumn<Tab>("tab");
    QTest::addColumn<QString>("next");
    QTest::newRow("Dati psicosomatici") << Tab::Psicosomatica << "txtMantello";
    QTest::newRow("Albero genealogico") << Tab::Albero << "txtProprietario";
    QTest::newRow("Situazione sanitaria") << Tab::Sanitaria << "txtVaccinazioni";
    QTest::newRow("Documenti e costi") << Tab::Documenti << "btnCartella";
}

void TestCani::enterFromBreedFollowsVisibleTab()
{
    QFETCH(Tab, tab);
    QFETCH(QString, next);
    TfrmCani &w = *m_window;
    w.showTab(tab);
    w.txtRazza->setFocus();
    QTest::keyClick(w.txtRazza, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), next);
    // The last field of the panel goes back to the name.
    const QHash<Tab, QLineEdit *> last = { { Tab::Psicosomatica, w.txtNote }, { Tab::Albero, w.txtIscrizioni },
        { Tab::Sanitaria, w.txtAlimentazione } };
    if (QLineEdit *end = last.value(tab)) {
        end->setFocus();
        QTest::keyClick(end, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.txtNome);
    }
}

void TestCani::browsingKeepsVisibleTab()
{
    RecordBuffer r(DogRecord::layout());
    r.clear();
    r.setText(DogRecord::Nome, QStringLiteral("Fido"));
    r.setText(DogRecord::Vaccinazioni, QStringLiteral("Rabbia 2024"));
    writeFile(DogRecord::path(), r.bytes());
    TfrmCani &w = *m_window;
    w.showTab(Tab::Sanitaria);
    w.cmdUltimo->click();
    QCOMPARE(w.visibleTab(), Tab::Sanitaria);
    QCOMPARE(w.txtVaccinazioni->text(), QStringLiteral("Rabbia 2024"));
    QCOMPARE(w.lblPosizione->text(), QStringLiteral("1"));
}

void TestCani::upperCasing_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("sex") << "txtSesso"
                         << "m"
                         << "M";
    QTest::newRow("birth date in words") << "txtDataNasc"
                                         << "ieri"
                                         << "IERI";
    QTest::newRow("fiscal code, trailing blank gone") << "txtCodFisc"
                                                      << "rssmra80 "
                                                      << "RSSMRA80";
    QTest::newRow("other fields keep their case") << "txtRazza"
                                                  << "bassotto"
                                                  << "bassotto";
}

void TestCani::upperCasing()
{
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TfrmCani &w = *m_window;
    if (control == QLatin1String("txtCodFisc"))
        w.showTab(Tab::Albero);
    auto *e = w.findChild<QLineEdit *>(control);
    e->setFocus();
    QTest::keyClicks(e, typed);
    QCOMPARE(e->text(), shown);
}

void TestCani::ownerPickerFillsOwnerFields()
{
    TfrmCani &w = *m_window;
    fillHeader(w);
    w.txtNote->setText(QStringLiteral("nota"));
    RecordBuffer owner(OwnerRecord::layout());
    owner.clear();
    owner.setText(OwnerRecord::Cliente, QStringLiteral("Rossi Mario"));
    owner.setText(OwnerRecord::Recapito, QStringLiteral("333 1234567"));
    owner.setText(OwnerRecord::CodFisc, QStringLiteral("RSSMRA80A01H501U"));
    owner.setText(OwnerRecord::ComuneRes, QStringLiteral("Roma"));
    owner.setText(OwnerRecord::Note, QStringLiteral("non per il cane"));
    OwnerDelivery::deliver(QStringLiteral("cani"), owner.bytes(), 7);
    QCOMPARE(w.txtProprietario->text(), QStringLiteral("Rossi Mario"));
    QCOMPARE(w.txtRecapito->text(), QStringLiteral("333 1234567"));
    QCOMPARE(w.txtCodFisc->text(), QStringLiteral("RSSMRA80A01H501U"));
    QCOMPARE(w.txtComuneRes->text(), QStringLiteral("Roma"));
    // Nothing else of the editor changes.
    QCOMPARE(w.txtNote->text(), QStringLiteral("nota"));
    QCOMPARE(w.txtNome->text(), QStringLiteral("Briciola"));
    QVERIFY(w.lblPosizione->text().isEmpty());
}

void TestCani::linkedFolderCreatedAndOpened()
{
    QList<QUrl> opened;
    TMisc::setOpener([&opened](const QUrl &url) { opened.append(url); });
    RecordBuffer r(DogRecord::layout());
    r.clear();
    r.setText(DogRecord::Nome, QStringLiteral("Fido"));
    QByteArray five;
    for (int i = 0; i < 5; ++i)
        five += r.bytes();
    writeFile(DogRecord::path(), five);
    TfrmCani &w = *m_window;
    w.cmdUltimo->click();
    QCOMPARE(w.lblPosizione->text(), QStringLiteral("5"));
    const QString folder = m_folder->file(QStringLiteral("Cartelle_Abbinate/Cane_5"));
    w.showTab(Tab::Documenti);
    w.btnCartella->click();
    QVERIFY(QFileInfo(folder).isDir());
    w.btnCartella->click();
    QCOMPARE(opened.size(), 2);
    QCOMPARE(QFileInfo(opened.at(0).toLocalFile()).canonicalFilePath(), QFileInfo(folder).canonicalFilePath());
    QCOMPARE(opened.at(1), opened.at(0));
    QCOMPARE(m_boxes->count(), 0);
}

void TestCani::linkedFolderRefusedForNewRecord()
{
    int opened = 0;
    TMisc::setOpener([&opened](const QUrl &) { ++opened; });
    fillHeader(*m_window);
    m_window->linkedFolderCommand();
    QCOMPARE(m_boxes->lastKind(), Kind::Warning);
    QCOMPARE(m_boxes->lastText(),
        QStringLiteral("Attenzione: l'abbinamento della cartella al cane pu\u00F2 avvenire soltanto dopo che la scheda "
                       "\u00E8 stata inserita in archivio."));
    QCOMPARE(opened, 0);
    QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("Cartelle_Abbinate"))));
}

void TestCani::damagedArchiveGivesAccessMessage_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("save") << "cmdSalva";
    QTest::newRow("first") << "cmdPrimo";
    QTest::newRow("last") << "cmdUltimo";
}

void TestCani::damagedArchiveGivesAccessMessage()
{
    QFETCH(QString, command);
    QVERIFY(QDir().mkpath(DogRecord::path())); // a folder where the archive should be
    TfrmCani &w = *m_window;
    fillHeader(w);
    w.findChild<QPushButton *>(command)->click();
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->lastKind(), Kind::Error);
    QCOMPARE(m_boxes->lastText(), kArchiveAccessMessage);
    QVERIFY(w.lblPosizione->text().isEmpty());
    QCOMPARE(w.txtNome->text(), QStringLiteral("Briciola"));
}

void TestCani::showingAgainStartsEmpty()
{
    RecordBuffer r(DogRecord::layout());
    r.clear();
    r.setText(DogRecord::Nome, QStringLiteral("Fido"));
    writeFile(DogRecord::path(), r.bytes());
    TfrmCani &w = *m_window;
    w.cmdPrimo->click();
    w.showTab(Tab::Albero);
    w.hide();
    w.show();
    QVERIFY(w.txtNome->text().isEmpty());
    QVERIFY(w.lblPosizione->text().isEmpty());
    QCOMPARE(w.visibleTab(), Tab::Psicosomatica);
}

void TestCani::closeReturnsToStartMenu()
{
    QWidget menu;
    WindowKit::setStartMenu(&menu);
    m_window->cmdEsci->click();
    QVERIFY(menu.isVisible());
    QVERIFY(!m_window->isVisible());
    WindowKit::setStartMenu(nullptr);
}

void TestCani::everyCommandIsOn()
{
    TfrmCani &w = *m_window;
    for (QPushButton *b : { w.cmdAnteprima, w.cmdStampa, w.cmdEsporta, w.btnCosti, w.cmdNuovo, w.cmdDuplica, w.cmdSalva,
             w.cmdTrova, w.cmdFile, w.cmdGuida, w.cmdEsci })
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
}

void TestCani::commandsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fiscalCode");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("shown"); // the caller mode, the title or the checker's text
    QTest::newRow("attachments") << "cmdFile"
                                 << ""
                                 << "TfrmAllegaCartella"
                                 << "cani|Libretto.pdf";
    QTest::newRow("help") << "cmdGuida"
                          << ""
                          << "TfrmGuida"
                          << "App Anagrafica Cani";
    QTest::newRow("dog search") << "cmdTrova"
                                << ""
                                << "TfrmTrovaCani"
                                << "cani";
    QTest::newRow("owner picker") << "btnCarta"
                                  << ""
                                  << "TfrmTrovaClienti"
                                  << "cani";
    QTest::newRow("fiscal-code checker") << "btnCodFisc"
                                         << "RSSMRA80A01H501U"
                                         << "TfrmCodFisc"
                                         << "RSSMRA80A01H501U";
    QTest::newRow("digits: VAT-number checker") << "btnCodFisc"
                                                << "01234567890"
                                                << "TfrmPartitaIva"
                                                << "01234567890";
    QTest::newRow("rich-text sheet") << "cmdAnteprima"
                                     << ""
                                     << "TfrmCreaRTF"
                                     << "cani";
    QTest::newRow("sheet print") << "cmdStampa"
                                 << ""
                                 << "TfrmStampaCane"
                                 << "";
    QTest::newRow("export") << "cmdEsporta"
                            << ""
                            << "TfrmExpCani"
                            << "";
    QTest::newRow("zoom") << "btnZoomFoto"
                          << ""
                          << "TfrmZoom"
                          << "";
}

void TestCani::commandsOpenTheirWindows()
{
    QFETCH(QString, button);
    QFETCH(QString, fiscalCode);
    QFETCH(QString, window);
    QFETCH(QString, shown);
    TfrmCani &w = *m_window;
    w.showTab(button == QLatin1String("btnZoomFoto") ? Tab::Psicosomatica : Tab::Albero);
    w.txtCodFisc->setText(fiscalCode);
    w.lblFile01->setText(QStringLiteral("Libretto.pdf"));
    QString opened, seen;
    QWidget *owner = nullptr;
    onNextModal([&](QWidget *modal) {
        opened = QString::fromLatin1(modal->metaObject()->className());
        owner = modal->parentWidget();
        if (auto *d = qobject_cast<TfrmAllegaCartella *>(modal))
            seen = d->lblMemory->text() + QLatin1Char('|') + d->txtFile01->text();
        else if (auto *g = qobject_cast<TfrmGuida *>(modal))
            seen = g->lblTitolo->text();
        else if (auto *memory = modal->findChild<QLabel *>(QStringLiteral("lblMemory")))
            seen = memory->text();
        else if (auto *edit = modal->findChild<QLineEdit *>())
            seen = edit->text();
        qobject_cast<QDialog *>(modal)->reject();
    });
    QTest::mouseClick(w.findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(opened, window);
    QCOMPARE(seen, shown);
    QCOMPARE(owner ? owner->window() : nullptr, static_cast<QWidget *>(&w));
    QCOMPARE(m_boxes->count(), 0);
}

void TestCani::zoomShowsPhotoAndClickCloses()
{
    QCOMPARE(TfrmZoom::pictureArea(QSize(1920, 1080)), QSize(1860, 990));
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::red);
    m_window->imgFoto->setImage(photo);
    bool closedByClick = false;
    QSize area;
    onNextModal([&](QWidget *modal) {
        auto *zoom = qobject_cast<TfrmZoom *>(modal);
        QVERIFY(zoom);
        QCOMPARE(zoom->windowTitle(), QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
        QCOMPARE(zoom->imgFoto->image(), photo);
        area = zoom->imgFoto->size();
        QTest::mouseClick(zoom->imgFoto, Qt::LeftButton);
        closedByClick = !zoom->isVisible();
        if (!closedByClick)
            zoom->reject();
    });
    m_window->btnZoomFoto->click();
    QVERIFY(closedByClick);
    QCOMPARE(area, TfrmZoom::pictureArea(m_window->screen()->size()));
}

void TestCani::hintLine_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("new") << "cmdNuovo"
                         << "Prepara la schermata per l'inserimento di una nuova scheda.";
    QTest::newRow("tab") << "btnDocumenti"
                         << "Visualizza la sezione relativa ai documenti e costi.";
    QTest::newRow("owner picker") << "btnCarta"
                                  << "Importa i dati dall'archivio anagrafico dei proprietari.";
    QTest::newRow("load photo") << "btnCaricaFoto"
                                << "Carica una foto esistente.";
    QTest::newRow("linked folder") << "btnCartella"
                                   << "Apri la cartella abbinata al cane per aggiungere o rimuovere documenti.";
}

void TestCani::hintLine()
{
    QFETCH(QString, control);
    QFETCH(QString, sentence);
    TfrmCani &w = *m_window;
    QCOMPARE(w.panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    auto move = [](QWidget *target) {
        const QPointF at(5, 5);
        QMouseEvent event(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    QWidget *command = w.findChild<QWidget *>(control);
    if (command->parentWidget() == w.panAlbero)
        w.showTab(Tab::Albero);
    else if (command->parentWidget() == w.panDocumenti)
        w.showTab(Tab::Documenti);
    move(command);
    QCOMPARE(w.panInfo->text(), sentence);
    // The panel in front and the window's panel clear it.
    QWidget *panel = w.panPsicosomatica->isVisible() ? w.panPsicosomatica
        : w.panAlbero->isVisible()                   ? w.panAlbero
                                                     : w.panDocumenti;
    for (QWidget *background : { panel, static_cast<QWidget *>(w.panContainer) }) {
        move(command);
        move(background);
        QVERIFY(w.panInfo->text().isEmpty());
    }
}

QTEST_MAIN(TestCani)
#include "tst_cani.moc"
