#pragma once
// The half of sound playing that needs Qt Multimedia. Qt Multimedia brings a dozen libraries
// with it (PulseAudio and the codecs behind sndfile), and linking them costs every start several
// milliseconds before the table can show; so this half is a module of its own, embedded in the
// program and loaded once the table is up (sound.cpp). Both sides are built from this tree with
// the same compiler and Qt, so a C++ interface is a safe boundary.

class QObject;
class QString;

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Whether the machine has an audio output to play on (asked of the sound server).
    virtual bool hasDevice() = 0;
    // Decodes the wave at that resource path (":/sounds/pass.wav") ahead of its first play.
    virtual void prepare(const QString& resource) = 0;
    // Plays it asynchronously; a new sound cuts the one still playing.
    virtual void play(const QString& resource) = 0;
};

// The module's one entry point, looked up by this name; the parent owns what it returns.
#define TILVARO_SOUND_OUTPUT_ENTRY "tilvaroMakeSoundOutput"
extern "C" SoundOutput* tilvaroMakeSoundOutput(QObject* parent);
