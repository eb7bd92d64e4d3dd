#pragma once

#include <QString>

#include <functional>

// The alert sound (the deadlines alert plays Avviso.mp3 of the program folder).
// Played through Qt Multimedia, which the kennora_sound module loads on the
// first alert (see Modules); without an audio device, without the module, or
// with a file that cannot be read or decoded, the alert is silent: never an
// error box, never a wait.
namespace AlertSound
{

// Starts playing `filePath` once and returns at once; a sound still playing
// is stopped first.
void play(const QString &filePath);
// Stops the sound (nothing happens when none plays).
void stop();
// True when the machine has an audio output to play on.
bool hasAudioOutput();

// Test seam: while a player is set, play() hands it the path and nothing is
// played; nullptr restores Qt Multimedia.
using Player = std::function<void(const QString &filePath)>;
void setPlayer(Player player);
// Test seam: while set, stop() calls it instead of stopping Qt Multimedia.
using Stopper = std::function<void()>;
void setStopper(Stopper stopper);

} // namespace AlertSound
