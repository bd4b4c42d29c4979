#pragma once
// Playing the program's embedded wave recordings. Everything above asks through SoundPlayer,
// so tests swap in a recorder and no test makes a noise.

#include <QString>
#include <QStringList>

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays the embedded wave of that name ("placebone", "wave13"; letter case ignored)
    // asynchronously; a new sound cuts the one still playing. A name without a recording, or a
    // machine without an audio device, plays nothing and reports nothing.
    virtual void play(const QString& name) = 0;
};

class QObject;

// Plays through the machine's audio output.
class QtSoundPlayer;
// Creates the player the program uses (defined with the implementation). The parent owns it;
// without a parent the caller deletes it.
SoundPlayer* createSystemSoundPlayer(QObject* parent);

// The 33 recordings the program carries, by lower-case name: the 13 game sounds ("entered" ...
// "winner") and the chatter sounds "wave1" to "wave20".
QStringList soundNames();
// The resource path of a recording (":/sounds/placebone.wav"), letter case ignored; empty for a
// name that has none.
QString soundResource(const QString& name);

// Remembers what it was asked to play, in order; for tests.
class RecordingSoundPlayer : public SoundPlayer {
public:
    void play(const QString& name) override { played.append(name); }
    QStringList played;
};
