#include "app/dialogs/AllegaCartella.h"
#include "common/Clock.h"
#include "common/ui/AlertSound.h"
#include "common/ui/Application.h"
#include "common/ui/FileDialogs.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QTest>

using namespace TestSupport;

// The seams the windows share: the clock, the file choosers, the alert sound,
// Qt's Italian texts (the pictures are held by the window families' test).
class TestSeams : public QObject
{
    Q_OBJECT

private slots:
    void clockCanBeFixed();
    void fileChoosersTakeQueuedAnswersFirst();
    void fileChooserOpensLargeAndInItalian();
    void attachmentChooserGoesThroughTheSeam();
    void alertSoundSeamAndSilence();
    void qtTextsAreItalian();
};

void TestSeams::clockCanBeFixed()
{
    const QDateTime leap(QDate(2028, 2, 29), QTime(23, 59, 58));
    {
        Clock::Fixed fixed(leap);
        QVERIFY(Clock::isFixed());
        QCOMPARE(Clock::now(), leap);
        QCOMPARE(Clock::today(), QDate(2028, 2, 29));
    }
    QVERIFY(!Clock::isFixed());
    const QDateTime before = QDateTime::currentDateTime();
    const QDateTime now = Clock::now();
    QVERIFY(now >= before && now <= QDateTime::currentDateTime());
}

void TestSeams::fileChoosersTakeQueuedAnswersFirst()
{
    MessageRecorder messages;
    QStringList asked;
    FileDialogs::setAnswerer([&](const FileDialogs::Request &r) {
        asked << r.title;
        return QStringLiteral("/risposta");
    });
    FileDialogs::setNextAnswer(QStringLiteral("/primo"));
    FileDialogs::setNextAnswer(QString()); // cancelled
    QCOMPARE(FileDialogs::openFile(nullptr, QStringLiteral("A"), QStringLiteral("Tutti i file (*)")),
        QStringLiteral("/primo"));
    QCOMPARE(FileDialogs::saveFile(nullptr, QStringLiteral("B"), QStringLiteral("Immagini (*.bmp)")), QString());
    QCOMPARE(FileDialogs::lastRequest().kind, FileDialogs::Kind::Save);
    QCOMPARE(FileDialogs::lastRequest().filter, QStringLiteral("Immagini (*.bmp)"));
    QCOMPARE(FileDialogs::openFile(nullptr, QStringLiteral("C"), QString()), QStringLiteral("/risposta"));
    QCOMPARE(asked, QStringList { QStringLiteral("C") });
    FileDialogs::clearAnswers();
    QCOMPARE(messages.count(), 0);
}

// The chooser opened at 624x412 with cut columns and English words.
void TestSeams::fileChooserOpensLargeAndInItalian()
{
    KennoraApplication::installItalianTranslation();
    FileDialogs::clearAnswers();
    QWidget owner;
    owner.resize(900, 700);
    owner.show();
    QSize seenSize;
    QStringList buttons;
    onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        seenSize = dialog->size();
        for (QAbstractButton *b : dialog->findChild<QDialogButtonBox *>()->buttons())
            buttons << b->text().remove(QLatin1Char('&'));
        dialog->reject();
    });
    QCOMPARE(FileDialogs::openFile(
                 &owner, TfrmAllegaCartella::kChooserTitle, TfrmAllegaCartella::kChooserFilter, QDir::tempPath()),
        QString());
    QCOMPARE(seenSize, FileDialogs::chooserSize(&owner));
    const QSize room = owner.screen()->availableGeometry().size();
    QVERIFY(seenSize.width() >= qMin(1000, room.width() * 9 / 10));
    QVERIFY(buttons.contains(QStringLiteral("Apri")));
    QVERIFY(buttons.contains(QStringLiteral("Annulla")));
}

void TestSeams::attachmentChooserGoesThroughTheSeam()
{
    FileDialogs::setNextAnswer(QString());
    TfrmAllegaCartella dialog;
    dialog.chooseAndCopy(0);
    QCOMPARE(FileDialogs::lastRequest().title, TfrmAllegaCartella::kChooserTitle);
    QCOMPARE(FileDialogs::lastRequest().filter, TfrmAllegaCartella::kChooserFilter);
    QCOMPARE(FileDialogs::lastRequest().parent, &dialog);
    FileDialogs::clearAnswers();
}

void TestSeams::alertSoundSeamAndSilence()
{
    MessageRecorder messages;
    QStringList played;
    AlertSound::setPlayer([&](const QString &path) { played << path; });
    AlertSound::play(QStringLiteral("/cartella/Avviso.mp3"));
    QCOMPARE(played, QStringList { QStringLiteral("/cartella/Avviso.mp3") });
    AlertSound::setPlayer(nullptr);

    // A missing file (and, on a machine without audio, any file) is silence:
    // no box, no wait.
    QElapsedTimer timer;
    timer.start();
    AlertSound::play(QDir::temp().filePath(QStringLiteral("manca-Avviso.mp3")));
    QTest::qWait(200);
    AlertSound::stop();
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(messages.count(), 0);
}

void TestSeams::qtTextsAreItalian()
{
    QVERIFY(KennoraApplication::installItalianTranslation());
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Cerca in:"));
    // Installed once: a second call changes nothing.
    QVERIFY(KennoraApplication::installItalianTranslation());
}

QTEST_MAIN(TestSeams)
#include "tst_seams.moc"
