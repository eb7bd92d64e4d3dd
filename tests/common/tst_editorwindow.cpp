#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/RecordLayout.h"
#include "common/ui/EditKit.h"
#include "common/ui/EditorWindow.h"
#include "common/ui/Layout.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using namespace TestSupport;
using Kind = MessageBoxes::Kind;

namespace
{

const RecordLayout &sampleLayout()
{
    static const RecordLayout layout = RecordLayout::Builder()
                                           .add({ { "Nome", 30 }, { "Prov", 2 }, { "Flag", 2 } })
                                           .repeat(3, { { "File", 250 } })
                                           .repeat(3, { { "Desc", 250 } })
                                           .build();
    return layout;
}

QString controlOf(int field)
{
    const QString name = sampleLayout().name(field);
    if (name == QLatin1String("Flag"))
        return QStringLiteral("chkFlag");
    if (name.startsWith(QLatin1String("File")) || name.startsWith(QLatin1String("Desc")))
        return QStringLiteral("lbl") + name;
    return QStringLiteral("txt") + name;
}

// A dog-like editor: commands in a bar at the top, in groups, with the
// navigation strip in the bar.
class BarEditor : public EditorWindow
{
public:
    // FromTable: the panel is laid out from its table, with a caption over
    // the name, a background rectangle and a picture.
    enum Placing { ByHand, FromTable };
    explicit BarEditor(const QString &archive, Placing placing = ByHand)
        : EditorWindow({ .caption = QStringLiteral(" Prova"),
            .objectName = QStringLiteral("frmProva"),
            .panel = QSize(996, 692),
            .layout = CommandLayout::Bar,
            .commandOrigin = QPoint(8, 8) })
    {
        txtNome = EditKit::makeEdit(panContainer, { .name = "txtNome", .successor = "txtProv" });
        txtNome->setGeometry(20, 80, 300, 26);
        txtProv = new QComboBox(panContainer);
        txtProv->addItems({ QStringLiteral("MI"), QStringLiteral("RM") });
        EditKit::applyCombo(txtProv, { .name = "txtProv", .successor = "txtNome" });
        txtProv->setGeometry(340, 80, 80, 26);
        chkFlag = new QCheckBox(QStringLiteral("Segno"), panContainer);
        chkFlag->setObjectName(QStringLiteral("chkFlag"));
        chkFlag->setGeometry(440, 80, 100, 26);
        addCommands({
            { "cmdNuovo", "Nuovo", "Prepara la schermata per l'inserimento di una nuova scheda.", 0 },
            { "cmdDuplica", "Duplica",
                "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.", 0 },
            { "cmdSalva", "Salva", "Salva la scheda corrente in archivio.", 0 },
            { "cmdTrova", "Trova", "Trova una scheda in archivio.", 0 },
            { "cmdFile", "Allega file", "Allega file alla scheda corrente.", 1 },
            { "cmdAnteprima", "Anteprima", "Esporta la scheda corrente in formato RTF.", 2 },
            { "cmdStampa", "Stampa", "Stampa la scheda corrente.", 2 },
            { kNavigationStrip, nullptr, nullptr, 3 },
            { "cmdEsporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel.", 4 },
            { "cmdGuida", "Guida", "Visualizza la guida in linea.", 5 },
            { "cmdEsci", "Esci", "Esci da questa schermata.", 5 },
        });
        ArchiveEditor::Setup s;
        s.layout = &sampleLayout();
        s.path = [archive]() { return archive; };
        s.firstField = txtNome;
        s.checks = { ArchiveEditor::mandatory(txtNome, ArchiveEditor::kMandatoryPrefix + "il nome.") };
        s.duplicate = ArchiveEditor::DuplicateStep::WithoutArchive;
        setUpArchive(s, controlOf);
        if (placing == FromTable) {
            QList<Layout::Item> rows = { { .name = "shpSfondo",
                                             .in = "panContainer",
                                             .x = 8,
                                             .y = 50,
                                             .w = 600,
                                             .h = 100,
                                             .kind = Layout::Kind::Shape,
                                             .fill = 0xFFFFFFFF,
                                             .stroke = 0xFF8FAED0,
                                             .radius = 8 },
                { .name = "imgSfondo",
                    .in = "panContainer",
                    .x = 620,
                    .y = 50,
                    .w = 56,
                    .h = 56,
                    .kind = Layout::Kind::Picture,
                    .art = QStringLiteral("cartella") } };
            rows << captionedField(
                "txtNome", "lblNome", QStringLiteral("Nome:"), nullptr, 20, 60, 300, { "Verdana", 11, true });
            rows.append({ .name = "txtProv", .in = "panContainer", .x = 340, .y = 79, .w = 80, .h = 26 });
            rows.append({ .name = "chkFlag", .in = "panContainer", .x = 440, .y = 79, .w = 100, .h = 26 });
            applyPanel(rows, { "txtNome", "txtProv", "chkFlag" });
        }
        finishWindow();
    }

    QLineEdit *txtNome;
    QComboBox *txtProv;
    QCheckBox *chkFlag;
};

} // namespace

class TestEditorWindow : public QObject
{
    Q_OBJECT
private slots:
    void barLaysOutCommandsInGroups();
    void commandsRunTheArchiveEditor();
    void typingLimitsFromTheLayout();
    void panelFromOneTable();
};

void TestEditorWindow::barLaysOutCommandsInGroups()
{
    TempProgramFolder folder;
    BarEditor w(folder.file("A.pro"));
    const QStringList order
        = { "cmdNuovo", "cmdDuplica", "cmdSalva", "cmdTrova", "cmdFile", "cmdAnteprima", "cmdStampa", "cmdPrimo",
              "cmdIndietro", "lblPosizione", "cmdAvanti", "cmdUltimo", "cmdEsporta", "cmdGuida", "cmdEsci" };
    // The gaps that separate the groups: after Trova, Allega file, Stampa,
    // the strip, Esporta.
    const QSet<QString> groupEnds = { "cmdTrova", "cmdFile", "cmdStampa", "cmdUltimo", "cmdEsporta" };
    QRect previous;
    QString previousName;
    for (const QString &name : order) {
        QWidget *control = w.panContainer->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QVERIFY2(control->isVisibleTo(&w), qPrintable(name));
        const QRect r = control->geometry();
        QVERIFY2(w.panContainer->rect().contains(r), qPrintable(name));
        QVERIFY2(r.bottom() < w.panInfo->y(), qPrintable(name)); // above the hint line
        if (!previous.isNull()) {
            QVERIFY2(qAbs(r.center().y() - previous.center().y()) <= 1, qPrintable(name)); // one row
            const int gap = r.left() - previous.right() - 1;
            QVERIFY2(gap >= 0, qPrintable(name + " overlaps " + previousName));
            if (groupEnds.contains(previousName))
                QVERIFY2(gap >= 12, qPrintable(name));
            else
                QVERIFY2(gap < 12, qPrintable(name));
        }
        previous = r;
        previousName = name;
    }
    // The hint line takes the bottom of the panel, across it.
    QCOMPARE(w.panInfo->geometry().left(), 8);
    QCOMPARE(w.panInfo->geometry().right(), w.panContainer->width() - 9);
    QCOMPARE(w.hintSentences().size(), 14);
}

void TestEditorWindow::commandsRunTheArchiveEditor()
{
    TempProgramFolder folder;
    MessageRecorder boxes;
    BarEditor w(folder.file("A.pro"));
    w.show();
    // Save appends through the default form (controls by field name).
    w.txtNome->setText(QStringLiteral("Fido"));
    w.txtProv->setEditText(QStringLiteral("RM"));
    w.chkFlag->setChecked(true);
    w.lblFile02->setText(QStringLiteral("b.pdf"));
    QTest::mouseClick(w.command(QStringLiteral("cmdSalva")), Qt::LeftButton);
    QCOMPARE(w.lblPosizione->text(), QString("1"));
    RecordBuffer stored(sampleLayout());
    stored.bytes() = readFile(folder.file("A.pro"));
    QCOMPARE(stored.text(u"Nome"), QString("Fido"));
    QCOMPARE(stored.text(u"Prov"), QString("RM"));
    QCOMPARE(stored.flag(u"Flag"), std::optional<bool>(true));
    QCOMPARE(stored.text(u"File02"), QString("b.pdf"));

    // New empties every record control, the combo with no item selected.
    QTest::mouseClick(w.command(QStringLiteral("cmdNuovo")), Qt::LeftButton);
    QVERIFY(w.txtNome->text().isEmpty());
    QCOMPARE(w.txtProv->currentIndex(), -1);
    QVERIFY(w.txtProv->currentText().isEmpty());
    QVERIFY(!w.chkFlag->isChecked());
    QVERIFY(w.lblFile02->text().isEmpty());
    QVERIFY(w.lblPosizione->text().isEmpty());

    // The strip browses; duplicate keeps the fields, empties the slots.
    QTest::mouseClick(w.cmdUltimo, Qt::LeftButton);
    QCOMPARE(w.txtNome->text(), QString("Fido"));
    QCOMPARE(w.txtProv->currentIndex(), 1);
    QCOMPARE(w.lblFile02->text(), QString("b.pdf"));
    QTest::mouseClick(w.command(QStringLiteral("cmdDuplica")), Qt::LeftButton);
    QVERIFY(w.lblPosizione->text().isEmpty());
    QVERIFY(w.lblFile02->text().isEmpty());
    QCOMPARE(w.txtNome->text(), QString("Fido"));
    QCOMPARE(boxes.lastKind(), Kind::Information);
}

void TestEditorWindow::typingLimitsFromTheLayout()
{
    TempProgramFolder folder;
    BarEditor w(folder.file("A.pro"));
    w.show();
    QCOMPARE(EditKit::typingLimit(w.txtNome), 30);
    QCOMPARE(EditKit::typingLimit(w.txtProv), 2);
    w.txtNome->setFocus();
    QTest::keyClicks(w.txtNome, QString(35, QLatin1Char('a')));
    QCOMPARE(w.txtNome->text(), QString(30, QLatin1Char('a')));
    w.txtProv->setFocus();
    QTest::keyClicks(w.txtProv->lineEdit(), QStringLiteral("MIX"));
    QCOMPARE(w.txtProv->currentText(), QString("MI"));
    // Labels (the attachment slots) take no limit: a long name set by code stays.
    w.lblFile01->setText(QString(300, QLatin1Char('f')));
    QCOMPARE(w.lblFile01->text().size(), 300);
}

void TestEditorWindow::panelFromOneTable()
{
    TempProgramFolder folder;
    BarEditor w(folder.file("A.pro"), BarEditor::FromTable);
    w.resize(1200, 800);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // One table: the panel first, the window's rows, then the kit's rows.
    const QList<Layout::Table> tables = Layout::tables(&w);
    QCOMPARE(tables.size(), 1);
    QStringList names;
    for (const Layout::Item &row : tables.first().items)
        names << QLatin1String(row.name);
    QCOMPARE(names.first(), QString("panContainer"));
    QVERIFY(names.indexOf("chkFlag") < names.indexOf("cmdNuovo"));
    for (const char *kit : { "panInfo", "cmdNuovo", "cmdEsci", "cmdPrimo", "lblPosizione", "cmdUltimo" })
        QVERIFY2(names.contains(QLatin1String(kit)), kit);

    // Every row where its table puts it: the panel centred, the rest in it.
    QCOMPARE(w.panContainer->geometry(), QRect((1200 - 996) / 2, (800 - 692) / 2, 996, 692));
    for (const Layout::Item &row : tables.first().items) {
        QWidget *control = Layout::find(&w, row);
        QVERIFY2(control, row.name);
        if (row.in)
            QCOMPARE(control->geometry(), Layout::rect(row.x, row.y, row.w, row.h));
    }
    // The caption made by the table stands over its edit.
    auto *caption = w.panContainer->findChild<QLabel *>(QStringLiteral("lblNome"));
    QVERIFY(caption);
    QCOMPARE(caption->text(), QString("Nome:"));
    QCOMPARE(caption->x(), w.txtNome->x());
    QVERIFY(caption->geometry().bottom() < w.txtNome->y());

    // The table's background rectangle and picture empty the hint line.
    const auto move = [](QWidget *over) {
        const QPointF at(3, 3);
        QMouseEvent event(QEvent::MouseMove, at, over->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(over, &event);
    };
    for (const char *background : { "shpSfondo", "imgSfondo" }) {
        move(w.command(QStringLiteral("cmdSalva")));
        QCOMPARE(w.panInfo->text(), QString("Salva la scheda corrente in archivio."));
        move(w.panContainer->findChild<QWidget *>(QLatin1String(background)));
        QVERIFY2(w.panInfo->text().isEmpty(), background);
    }
}

QTEST_MAIN(TestEditorWindow)
#include "tst_editorwindow.moc"
