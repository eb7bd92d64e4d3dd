// The shipped alert sound against the real media player: Avviso.mp3 loads as
// playable audio of about a second, and the alert hands the player exactly
// the file it is given.

#include "common/ui/AlertSound.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

class TestAlertSound : public QObject
{
    Q_OBJECT
private slots:
    void shippedSoundLoads();
    void seamReceivesThePath();
};

void TestAlertSound::shippedSoundLoads()
{
    const QString path = QStringLiteral(KENNORA_ALERT_SOUND);
    QVERIFY(QFileInfo(path).isFile());
    QMediaPlayer player;
    if (!player.isAvailable())
        QSKIP("no multimedia backend on this machine");
    QSignalSpy failed(&player, &QMediaPlayer::errorOccurred);
    player.setSource(QUrl::fromLocalFile(path));
    QTRY_VERIFY_WITH_TIMEOUT(player.mediaStatus() == QMediaPlayer::LoadedMedia
            || player.mediaStatus() == QMediaPlayer::InvalidMedia || !failed.isEmpty(),
        10000);
    if (player.error() == QMediaPlayer::ResourceError && player.mediaStatus() != QMediaPlayer::InvalidMedia)
        QSKIP("the multimedia backend cannot open media here");
    QCOMPARE(player.mediaStatus(), QMediaPlayer::LoadedMedia);
    QCOMPARE(player.error(), QMediaPlayer::NoError);
    QVERIFY(player.hasAudio());
    QTRY_VERIFY_WITH_TIMEOUT(player.duration() > 0, 5000);
    QVERIFY2(player.duration() >= 500 && player.duration() <= 3000, qPrintable(QString::number(player.duration())));
}

void TestAlertSound::seamReceivesThePath()
{
    QStringList played;
    int stops = 0;
    AlertSound::setPlayer([&](const QString &path) { played.append(path); });
    AlertSound::setStopper([&] { ++stops; });
    AlertSound::play(QStringLiteral("/folder/Avviso.mp3"));
    AlertSound::stop();
    AlertSound::setPlayer(nullptr);
    AlertSound::setStopper(nullptr);
    QCOMPARE(played, QStringList { QStringLiteral("/folder/Avviso.mp3") });
    QCOMPARE(stops, 1);
}

QTEST_MAIN(TestAlertSound)
#include "tst_alertsound.moc"
