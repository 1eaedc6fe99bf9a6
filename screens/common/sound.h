#pragma once

#include <QString>
#include <functional>

// Click sounds. play() starts a short WAV from the bundle and returns at once; the sound goes
// on while the caller continues. One player per sound is kept and restarted, so pressing a
// button many times uses no more memory than pressing it once, and a machine without an
// audio device stays silent.
namespace sound {

inline const QString Choice = QStringLiteral(":/click3.wav");
inline const QString Click = QStringLiteral(":/click4.wav");
inline const QString Close = QStringLiteral(":/click6.wav");

void play(const QString &resourcePath);

// How many sound players exist (one per distinct sound played so far).
int playerCount();

// Replaces the player; tests install a recorder. An empty function restores the real player.
using Backend = std::function<void(const QString &resourcePath)>;
void setBackend(Backend backend);

} // namespace sound
