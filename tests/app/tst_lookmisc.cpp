// What the geometry test's tables cannot hold: the maximised windows, the
// colours and pictures of single controls outside any table, narrow texts
// that must show whole, and Qt's own dialogs in Italian. (The export windows'
// places and band colour are rows of their table, held by the geometry test.)

#include "app/shell/StartUp.h"
#include "common/report/Report.h"
#include "common/report/ReportPreviewDialog.h"
#include "common/ui/Application.h"
#include "common/ui/EditKit.h"
#include "common/ui/FileDialogs.h"
#include "common/ui/TextFit.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowRegistry.h"
#include "quotes/Logo.h"
#include "tests/support/CoreSupport.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace TestSupport;

namespace
{

QWidget *window(const QString &name)
{
    QWidget *w = WindowRegistry::get(name);
    if (!w)
        qFatal("no window %s", qPrintable(name));
    return w;
}

template <class T = QWidget> T *control(const QString &windowName, const QString &name)
{
    auto *c = window(windowName)->findChild<T *>(name);
    if (!c)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(windowName));
    return c;
}

QColor pixelOf(QWidget *widget, QPoint at)
{
    return widget->grab().toImage().pixelColor(at);
}

class BlankReport : public Report
{
public:
    QString name() const override { return QStringLiteral("Prova"); }
    QPageLayout pageLayout() const override
    {
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF());
    }
    int pageCount() const override { return 1; }
    void paintPage(QPainter &, int, double) const override { }
};

} // namespace

class TestLookMisc : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void choosersOpenMainWindowsMaximised_data();
    void choosersOpenMainWindowsMaximised();
    void previewOpensMaximised();
    void controlColours_data();
    void controlColours();
    void deadlinesYearFieldHasNoFocusLook();
    void unavailableCommandsShowYellowTriangle_data();
    void unavailableCommandsShowYellowTriangle();
    void narrowTextsShowWhole_data();
    void narrowTextsShowWhole();
    void narrowEditsOfEveryEditorShowWholeNumbers();
    void qtTextsMissingFromQtCatalogue_data();
    void qtTextsMissingFromQtCatalogue();
    void printDialogOptionsInItalian();
    void logoChooserFiltersAsWrittenInAnyCase();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestLookMisc::initTestCase()
{
    KennoraApplication::installFontSubstitutions();
    KennoraApplication::installItalianTranslation();
    m_folder = std::make_unique<TempProgramFolder>();
    m_messages = std::make_unique<MessageRecorder>();
    StartUp::createWindowSet();
}

void TestLookMisc::cleanupTestCase()
{
    StartUp::destroyWindowSet();
    m_messages.reset();
    m_folder.reset();
}

// A chooser's close shows its main window maximised, so its panel is centred
// on the window's own background.
void TestLookMisc::choosersOpenMainWindowsMaximised_data()
{
    QTest::addColumn<QString>("chooser");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("target");
    QTest::newRow("quotes") << "frmMenuPreventivi"
                            << "preventivi"
                            << "frmPreventivi";
    QTest::newRow("planner") << "frmMenuDisponibili"
                             << "planning"
                             << "frmPlanning";
}

void TestLookMisc::choosersOpenMainWindowsMaximised()
{
    QFETCH(QString, chooser);
    QFETCH(QString, word);
    QFETCH(QString, target);
    QWidget *menu = window(chooser);
    QWidget *main = window(target);
    menu->show();
    control<QLabel>(chooser, QStringLiteral("lblMemory"))->setText(word);
    menu->close();
    QVERIFY(main->isVisible());
    QVERIFY(main->windowState() & Qt::WindowMaximized);
    main->hide();
}

void TestLookMisc::previewOpensMaximised()
{
    BlankReport report;
    ReportPreviewDialog preview(report);
    bool maximised = false;
    onNextModal([&](QWidget *modal) {
        maximised = modal->windowState() & Qt::WindowMaximized;
        modal->close();
    });
    preview.exec();
    QVERIFY(maximised);
}

void TestLookMisc::controlColours_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("controlName");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("planner hint strip") << "frmPlanning"
                                        << "shpInfo" << QPoint(6, 16) << QColor(0x30, 0x30, 0xDD);
}

void TestLookMisc::controlColours()
{
    QFETCH(QString, windowName);
    QFETCH(QString, controlName);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    QCOMPARE(pixelOf(control(windowName, controlName), at), colour);
}

void TestLookMisc::deadlinesYearFieldHasNoFocusLook()
{
    QWidget *w = window(QStringLiteral("frmScadenzario"));
    w->show();
    auto *txtAnno = control<QLineEdit>(QStringLiteral("frmScadenzario"), QStringLiteral("txtAnno"));
    const QString sheet = txtAnno->styleSheet();
    txtAnno->setFocus();
    QApplication::processEvents();
    QVERIFY(!EditKit::focusFrame(txtAnno));
    QCOMPARE(EditKit::highlightFill(txtAnno), QRgb(0));
    QCOMPARE(txtAnno->styleSheet(), sheet);
    w->hide();
}

void TestLookMisc::unavailableCommandsShowYellowTriangle_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("commandName");
    QTest::newRow("services") << "frmListino_Prezzi"
                              << "cmdNonErogabile";
    QTest::newRow("boxes") << "frmBox_Cani"
                           << "cmdNonPrenotabile";
}

void TestLookMisc::unavailableCommandsShowYellowTriangle()
{
    QFETCH(QString, windowName);
    QFETCH(QString, commandName);
    auto *command = control<QAbstractButton>(windowName, commandName);
    QVERIFY(!command->icon().isNull());
    const QImage picture = command->icon().pixmap(command->iconSize()).toImage();
    int yellow = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            yellow += c.alpha() > 200 && c.red() > 220 && c.green() > 180 && c.blue() < 80;
        }
    }
    QVERIFY2(yellow > picture.width() * picture.height() / 8, qPrintable(QString::number(yellow)));
    // The whole caption stays readable beside the picture.
    QVERIFY(command->fontMetrics().horizontalAdvance(command->text()) + command->iconSize().width() < command->width());
}

// Texts as long as their field allows, in the widest characters the field
// takes, show whole in their control.
void TestLookMisc::narrowTextsShowWhole_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("controlName");
    QTest::addColumn<QString>("text");
    const QString quotes = QStringLiteral("frmPreventivi");
    for (const char *row : { "01", "17", "30" }) {
        const QString nn = QLatin1String(row);
        QTest::addRow("quantity %s", row) << quotes << "txtQuant" + nn << "100000";
        QTest::addRow("quantity %s decimals", row) << quotes << "txtQuant" + nn << "12,345";
        QTest::addRow("discount %s", row) << quotes << "txtPercSconto" + nn << "100000";
        QTest::addRow("price %s", row) << quotes << "txtPrezzo" + nn << "0000000000";
        QTest::addRow("row amount %s", row) << quotes << "txtImporto" + nn << "-0000000,0000";
    }
    QTest::newRow("VAT rate") << quotes << "txtPercIva"
                              << "0000000000";
    for (const char *total : { "txtTotImponibile", "txtTotImposta", "txtTotIva", "txtTotEsente", "txtTotFattura" })
        QTest::addRow("%s", total) << quotes << QString::fromLatin1(total) << "-000000000,00";
}

void TestLookMisc::narrowTextsShowWhole()
{
    QFETCH(QString, windowName);
    QFETCH(QString, controlName);
    QFETCH(QString, text);
    QWidget *c = control(windowName, controlName);
    if (auto *edit = qobject_cast<QLineEdit *>(c)) {
        const QFont before = edit->font();
        edit->setText(text);
        QVERIFY2(TextFit::fits(edit, text), qPrintable(edit->font().toString()));
        // A short text takes a larger font again, never one above the window's own.
        const int longPixels = edit->font().pixelSize();
        edit->setText(QStringLiteral("1"));
        QVERIFY(TextFit::fits(edit, QStringLiteral("1")));
        QVERIFY(edit->font().pixelSize() <= before.pixelSize());
        QVERIFY(edit->font() == before || edit->font().pixelSize() > longPixels);
        edit->clear();
    } else {
        auto *label = qobject_cast<QLabel *>(c);
        QVERIFY(label);
        label->setText(text);
        label->grab();
        QVERIFY2(TextFit::fits(label, text), qPrintable(label->font().toString()));
        label->clear();
    }
}

// Every edit of the editors that takes a few characters only: as many
// digits as it takes show whole.
void TestLookMisc::narrowEditsOfEveryEditorShowWholeNumbers()
{
    const QStringList editors = { QStringLiteral("frmClienti"), QStringLiteral("frmCani"),
        QStringLiteral("frmListino_Prezzi"), QStringLiteral("frmBox_Cani"), QStringLiteral("frmScadenzario"),
        QStringLiteral("frmPreventivi"), QStringLiteral("frmPlanning") };
    QStringList cut;
    for (const QString &name : editors) {
        const auto edits = window(name)->findChildren<QLineEdit *>();
        for (QLineEdit *edit : edits) {
            const int limit = EditKit::typingLimit(edit);
            if (limit <= 0 || limit > 12 || edit->objectName().isEmpty())
                continue;
            const QString previous = edit->text();
            const QString widest(limit, QLatin1Char('0'));
            edit->setText(widest);
            if (!TextFit::fits(edit, widest))
                cut << QStringLiteral("%1.%2 (%3)").arg(name, edit->objectName()).arg(limit);
            edit->setText(previous);
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
}

void TestLookMisc::qtTextsMissingFromQtCatalogue_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("italian");
    QTest::newRow("pages") << "QPrintSettingsOutput"
                           << "Pages"
                           << "Pagine";
    QTest::newRow("duplex") << "QPrintSettingsOutput"
                            << "Double Sided Printing"
                            << "Stampa fronte/retro";
    QTest::newRow("off") << "QPrintSettingsOutput"
                         << "Off"
                         << "Disattivata";
    QTest::newRow("long side") << "QPrintSettingsOutput"
                               << "Long side binding"
                               << "Rilegatura sul lato lungo";
    QTest::newRow("short side") << "QPrintSettingsOutput"
                                << "Short side binding"
                                << "Rilegatura sul lato corto";
    QTest::newRow("advanced") << "QPrintPropertiesWidget"
                              << "Advanced"
                              << "Avanzate";
    QTest::newRow("drive") << "QAbstractFileIconProvider"
                           << "Drive" << QString::fromUtf8("Unità");
    // Texts Qt's catalogue has stay Qt's.
    QTest::newRow("Qt's own") << "QFileDialog"
                              << "Look in:"
                              << "Cerca in:";
    QTest::newRow("other context") << "QMessageBox"
                                   << "Off"
                                   << "Off";
}

void TestLookMisc::qtTextsMissingFromQtCatalogue()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, italian);
    QCOMPARE(QCoreApplication::translate(context.toLatin1().constData(), source.toLatin1().constData()), italian);
}

void TestLookMisc::printDialogOptionsInItalian()
{
    QPrinter printer;
    QPrintDialog dialog(&printer);
    const struct {
        const char *name;
        const char *text;
    } buttons[] = {
        { "noDuplex", "Disattivata" },
        { "duplexLong", "Rilegatura sul lato lungo" },
        { "duplexShort", "Rilegatura sul lato corto" },
    };
    for (const auto &b : buttons) {
        auto *radio = dialog.findChild<QRadioButton *>(QLatin1String(b.name));
        QVERIFY2(radio, b.name);
        QCOMPARE(radio->text(), QString::fromUtf8(b.text));
    }
}

void TestLookMisc::logoChooserFiltersAsWrittenInAnyCase()
{
    QTemporaryDir pictures;
    for (const char *name : { "a.JPG", "b.jpeg", "c.Jpg", "d.BMP", "e.txt", "f.png" })
        writeFile(pictures.filePath(QLatin1String(name)), "x");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(pictures.path());
    FileDialogs::clearAnswers();

    TfrmLogo dialog;
    dialog.show();
    QStringList filters;
    bool listed = false;
    onNextModal([&](QWidget *modal) {
        const auto closeAtEnd = qScopeGuard([modal] { modal->close(); });
        auto *chooser = qobject_cast<QFileDialog *>(modal);
        QVERIFY(chooser);
        filters = chooser->nameFilters();
        auto *model = chooser->findChild<QFileSystemModel *>();
        QVERIFY(model);
        auto shown = [&] {
            QStringList names;
            const QModelIndex folder = model->index(pictures.path());
            for (int row = 0; row < model->rowCount(folder); ++row) {
                const QModelIndex file = model->index(row, 0, folder);
                if (model->flags(file) & Qt::ItemIsEnabled)
                    names << model->fileName(file);
            }
            names.sort();
            return names;
        };
        QTRY_COMPARE(
            shown(), QStringList({ QStringLiteral("a.JPG"), QStringLiteral("b.jpeg"), QStringLiteral("c.Jpg") }));
        chooser->selectNameFilter(filters.value(1));
        QTRY_COMPARE(shown(), QStringList({ QStringLiteral("d.BMP") }));
        listed = true;
    });
    QTest::mouseClick(dialog.btnSfoglia, Qt::LeftButton);
    QDir::setCurrent(previous);

    QCOMPARE(filters,
        QStringList({ QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)"), QStringLiteral("Immagine Bitmap (*.bmp)") }));
    QVERIFY(listed);
}

QTEST_MAIN(TestLookMisc)
#include "tst_lookmisc.moc"
