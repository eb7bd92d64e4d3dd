#include "app/core/HelpText.h"
#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "common/ProgramFolder.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(HelpTopic)

class TestGuida : public QObject
{
    Q_OBJECT
private slots:
    void helpCommandShowsTopicInFreshModalViewer_data();
    void helpCommandShowsTopicInFreshModalViewer();
    void helpTitlesStayOnOneLine();
    void manualLinkOpensQuotedPathInProgramFolder_data();
    void manualLinkOpensQuotedPathInProgramFolder();
};

void TestGuida::helpCommandShowsTopicInFreshModalViewer_data()
{
    QTest::addColumn<HelpTopic>("topic");
    QTest::newRow("general") << HelpTopic::General;
    QTest::newRow("owners") << HelpTopic::Owners;
    QTest::newRow("longest title") << HelpTopic::DeadlinesExport;
}

// The help command of a window: a viewer owned by that window, title and text
// written in, shown modally at its fixed size, destroyed once closed.
void TestGuida::helpCommandShowsTopicInFreshModalViewer()
{
    QFETCH(HelpTopic, topic);
    QWidget owner;
    owner.show();

    QPointer<TfrmGuida> seen;
    bool checked = false;
    TestSupport::onNextModal([&](QWidget *modal) {
        auto *viewer = qobject_cast<TfrmGuida *>(modal);
        QVERIFY(viewer);
        seen = viewer;
        QCOMPARE(viewer->parentWidget(), &owner);
        QCOMPARE(viewer->windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
        QCOMPARE(viewer->size(), QSize(670, 572));
        QCOMPARE(viewer->findChild<QLabel *>("lblTitolo")->text(), HelpText::title(topic));
        QCOMPARE(viewer->text(), HelpText::text(topic));
        auto *memo = viewer->findChild<QPlainTextEdit *>("txtGuida");
        QVERIFY(memo->isReadOnly());
        // CR LF CR LF shows as one empty line between paragraphs.
        QCOMPARE(memo->toPlainText(), HelpText::paragraphs(topic).join(QStringLiteral("\n\n")));
        QCOMPARE(viewer->findChild<QLabel *>("lnkWeb")->text(), QStringLiteral("Visualizza guida in formato PDF"));
        checked = true;
        QTest::mouseClick(viewer->findChild<QPushButton *>("btnChiudi"), Qt::LeftButton);
    });
    ShowHelp(&owner, topic);

    QVERIFY(checked);
    QVERIFY(seen.isNull());
    QVERIFY(owner.findChildren<TfrmGuida *>().isEmpty());
}

// "Esportazione archivio proprietari in Microsoft Excel" wrapped onto two lines.
void TestGuida::helpTitlesStayOnOneLine()
{
    for (HelpTopic topic : HelpText::allTopics()) {
        TfrmGuida viewer;
        viewer.lblTitolo->setText(HelpText::title(topic));
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        const QLabel *title = viewer.lblTitolo;
        const QFontMetrics metrics(title->font());
        QVERIFY2(!title->wordWrap(), qPrintable(title->text()));
        QVERIFY2(metrics.horizontalAdvance(title->text()) <= title->contentsRect().width(), qPrintable(title->text()));
        QVERIFY2(title->height() >= metrics.height(), qPrintable(title->text()));
        // Short titles keep the full size.
        if (topic == HelpTopic::General)
            QCOMPARE(title->font().pixelSize(), 21);
    }
}

void TestGuida::manualLinkOpensQuotedPathInProgramFolder_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("link text") << QStringLiteral("lnkWeb");
    QTest::newRow("pdf picture") << QStringLiteral("imgPDF");
}

// The manual is Guida.pdf of the program folder, also when the folder's path
// holds blanks; a missing file is not reported.
void TestGuida::manualLinkOpensQuotedPathInProgramFolder()
{
    QFETCH(QString, control);
    TestSupport::TempProgramFolder temp;
    const QString folder = temp.path() + QStringLiteral("Pensione Fido e Birba/");
    QVERIFY(QDir().mkpath(folder));
    setProgramFolder(folder);
    TestSupport::MessageRecorder messages;
    QList<QUrl> opened;
    TMisc::setOpener([&](const QUrl &url) { opened.append(url); });

    QCOMPARE(TfrmGuida::manualTarget(), QLatin1Char('"') + folder + QStringLiteral("Guida.pdf\""));

    TfrmGuida viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    auto *lnkWeb = viewer.findChild<QLabel *>("lnkWeb");
    QTest::mouseClick(viewer.findChild<QWidget *>(control), Qt::LeftButton);

    QCOMPARE(opened, QList<QUrl> { QUrl::fromLocalFile(folder + QStringLiteral("Guida.pdf")) });
    QCOMPARE(lnkWeb->palette().color(QPalette::WindowText).rgba(), 0xFF00008Bu);
    QCOMPARE(messages.count(), 0);
    QVERIFY(viewer.isVisible());

    TMisc::setOpener(nullptr);
    setProgramFolder(temp.path());
}

QTEST_MAIN(TestGuida)
#include "tst_guida.moc"
