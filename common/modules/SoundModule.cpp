// The alert player, a module of its own: Qt Multimedia and everything it
// loads (the audio server's client, the codecs, the network module) are
// mapped only when the first alert plays, never at start-up. AlertSound loads
// it and calls these three functions.
#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>

namespace
{

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

extern "C" Q_DECL_EXPORT bool kennoraSoundHasOutput()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

extern "C" Q_DECL_EXPORT void kennoraSoundPlay(const QString &filePath)
{
    if (filePath.isEmpty() || !kennoraSoundHasOutput())
        return;
    QMediaPlayer *player = mediaPlayer();
    if (!player)
        return;
    player->stop();
    player->setSource(QUrl::fromLocalFile(filePath));
    player->play();
}

extern "C" Q_DECL_EXPORT void kennoraSoundStop()
{
    if (QCoreApplication::instance() && kennoraSoundHasOutput()) {
        if (QMediaPlayer *player = mediaPlayer())
            player->stop();
    }
}
