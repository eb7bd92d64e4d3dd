#include "common/ui/AlertSound.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>

namespace AlertSound
{

namespace
{

Player &testPlayer()
{
    static Player player;
    return player;
}

Stopper &testStopper()
{
    static Stopper stopper;
    return stopper;
}

// Made on the first alert, owned by the application object.
QMediaPlayer *mediaPlayer()
{
    static QPointer<QMediaPlayer> player;
    if (!player && QCoreApplication::instance()) {
        player = new QMediaPlayer(QCoreApplication::instance());
        auto *output = new QAudioOutput(player);
        player->setAudioOutput(output);
        // A file that cannot be played stays silent.
        QObject::connect(player, &QMediaPlayer::errorOccurred, player, [](QMediaPlayer::Error, const QString &) {});
    }
    return player;
}

} // namespace

bool hasAudioOutput()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

void play(const QString &filePath)
{
    if (testPlayer()) {
        testPlayer()(filePath);
        return;
    }
    if (filePath.isEmpty() || !hasAudioOutput())
        return;
    QMediaPlayer *player = mediaPlayer();
    if (!player)
        return;
    player->stop();
    player->setSource(QUrl::fromLocalFile(filePath));
    player->play();
}

void stop()
{
    if (testStopper()) {
        testStopper()();
        return;
    }
    if (testPlayer())
        return;
    if (QCoreApplication::instance() && hasAudioOutput()) {
        if (QMediaPlayer *player = mediaPlayer())
            player->stop();
    }
}

void setPlayer(Player player)
{
    testPlayer() = std::move(player);
}

void setStopper(Stopper stopper)
{
    testStopper() = std::move(stopper);
}

} // namespace AlertSound
