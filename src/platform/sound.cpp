#include "platform/sound.h"

#include "platform/embeddedmodule.h"
#include "platform/soundoutput.h"

#include <QObject>
#include <QTimer>

#include <cstdio>

namespace {

const QStringList kSoundNames = {
    QStringLiteral("entered"),   QStringLiteral("selectbone"), QStringLiteral("clearbone"),
    QStringLiteral("sort"),      QStringLiteral("placebone"),  QStringLiteral("double"),
    QStringLiteral("pass"),      QStringLiteral("invalid"),    QStringLiteral("turn"),
    QStringLiteral("turnnew"),   QStringLiteral("roundover"),  QStringLiteral("blocked"),
    QStringLiteral("winner"),    QStringLiteral("wave1"),      QStringLiteral("wave2"),
    QStringLiteral("wave3"),     QStringLiteral("wave4"),      QStringLiteral("wave5"),
    QStringLiteral("wave6"),     QStringLiteral("wave7"),      QStringLiteral("wave8"),
    QStringLiteral("wave9"),     QStringLiteral("wave10"),     QStringLiteral("wave11"),
    QStringLiteral("wave12"),    QStringLiteral("wave13"),     QStringLiteral("wave14"),
    QStringLiteral("wave15"),    QStringLiteral("wave16"),     QStringLiteral("wave17"),
    QStringLiteral("wave18"),    QStringLiteral("wave19"),     QStringLiteral("wave20"),
};

// The game sounds come during play and should start at once; they are loaded as soon as the
// event loop runs. Chatter is rarer and loads on first use.
constexpr int kGameSoundCount = 13;
constexpr int kPreloadDelayMs = 400;

} // namespace

QStringList soundNames() { return kSoundNames; }

QString soundResource(const QString& name)
{
    const QString key = name.toLower();
    if (!kSoundNames.contains(key))
        return {};
    return QStringLiteral(":/sounds/") + key + QStringLiteral(".wav");
}

namespace {

// Qt Multimedia's half, embedded by the build (src/resources); nullptr, said once on stderr, when
// this machine cannot load it.
SoundOutput* makeSoundOutput(QObject* parent)
{
    QString why;
    void* entry = embeddedModuleSymbol(QStringLiteral(":/modules/soundoutput.so"), TILVARO_SOUND_OUTPUT_ENTRY, &why);
    if (!entry) {
        std::fprintf(stderr, "tilvaro: playing no sounds: %s\n", qPrintable(why));
        return nullptr;
    }
    return reinterpret_cast<decltype(&tilvaroMakeSoundOutput)>(entry)(parent);
}

} // namespace

class QtSoundPlayer : public QObject, public SoundPlayer {
public:
    explicit QtSoundPlayer(QObject* parent) : QObject(parent)
    {
        // Loading the module, finding the audio output (a question to the sound server) and
        // decoding (on Qt's loader thread) all wait until the table is up, well before the
        // first deal.
        QTimer::singleShot(kPreloadDelayMs, this, [this] {
            if (SoundOutput* sound = output())
                for (int i = 0; i < kGameSoundCount; ++i)
                    sound->prepare(soundResource(kSoundNames[i]));
        });
    }

    void play(const QString& name) override
    {
        const QString resource = soundResource(name);
        if (resource.isEmpty())
            return;
        if (SoundOutput* sound = output())
            sound->play(resource);
    }

private:
    // The module's output, loaded on first use; without an output device QSoundEffect would
    // only complain, so then there is none and the table stays silent.
    SoundOutput* output()
    {
        if (!loaded_) {
            loaded_ = true;
            output_ = makeSoundOutput(this);
        }
        return output_ && output_->hasDevice() ? output_ : nullptr;
    }

    bool loaded_ = false;
    SoundOutput* output_ = nullptr;
};

SoundPlayer* createSystemSoundPlayer(QObject* parent) { return new QtSoundPlayer(parent); }
