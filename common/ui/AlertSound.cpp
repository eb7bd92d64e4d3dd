#include "common/ui/AlertSound.h"

#include "common/ui/Modules.h"

#include <QString>

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

// The alert player lives in a module of its own (Qt Multimedia is loaded
// with it, on the first alert); without the module the alert is silent.
template <class Function> Function playerFunction(const char *symbol)
{
    return reinterpret_cast<Function>(Modules::resolve("kennora_sound", symbol));
}

// Set once play() has handed a file to the module: before that nothing plays
// and stop() need not load it.
bool g_played = false;

} // namespace

bool hasAudioOutput()
{
    const auto hasOutput = playerFunction<bool (*)()>("kennoraSoundHasOutput");
    return hasOutput && hasOutput();
}

void play(const QString &filePath)
{
    if (testPlayer()) {
        testPlayer()(filePath);
        return;
    }
    if (filePath.isEmpty())
        return;
    if (const auto playFile = playerFunction<void (*)(const QString &)>("kennoraSoundPlay")) {
        g_played = true;
        playFile(filePath);
    }
}

void stop()
{
    if (testStopper()) {
        testStopper()();
        return;
    }
    if (testPlayer() || !g_played)
        return;
    if (const auto stopPlaying = playerFunction<void (*)()>("kennoraSoundStop"))
        stopPlaying();
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
