#include "platform/sound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <map>

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

// The first question to the audio system connects to the sound server; where there is none, Qt
// says so on stderr. A table without sound is normal (a silent machine, a test run), so that one
// complaint is swallowed; every other message passes on as usual.
QtMessageHandler passOn = nullptr;

void dropAudioServerComplaints(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QLatin1String("PulseAudioService:")))
        return;
    if (passOn)
        passOn(type, context, text);
}

bool hasAudioOutput()
{
    static bool asked = false;
    if (!asked) {
        asked = true;
        passOn = qInstallMessageHandler(dropAudioServerComplaints);
        const bool found = !QMediaDevices::audioOutputs().isEmpty();
        qInstallMessageHandler(passOn);
        return found;
    }
    return !QMediaDevices::audioOutputs().isEmpty();
}

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

class QtSoundPlayer : public QObject, public SoundPlayer {
public:
    explicit QtSoundPlayer(QObject* parent) : QObject(parent)
    {
        // Decoding happens on Qt's loader thread, but finding the audio output talks to the sound
        // server on this one: both wait until the table is up, well before the first deal.
        QTimer::singleShot(kPreloadDelayMs, this, [this] {
            if (hasOutput())
                for (int i = 0; i < kGameSoundCount; ++i)
                    effect(kSoundNames[i]);
        });
    }

    void play(const QString& name) override
    {
        const QString key = name.toLower();
        if (soundResource(key).isEmpty() || !hasOutput())
            return;
        QSoundEffect* next = effect(key);
        // One sound at a time: the new one cuts the old.
        if (current_ && current_ != next)
            current_->stop();
        next->stop();
        next->play();
        current_ = next;
    }

private:
    // Without an output device QSoundEffect would only complain; we stay silent instead.
    static bool hasOutput() { return hasAudioOutput(); }

    QSoundEffect* effect(const QString& key)
    {
        auto found = effects_.find(key);
        if (found != effects_.end())
            return found->second;
        auto* created = new QSoundEffect(this);
        created->setSource(QUrl(QStringLiteral("qrc") + soundResource(key)));
        effects_.emplace(key, created);
        return created;
    }

    std::map<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};

SoundPlayer* createSystemSoundPlayer(QObject* parent) { return new QtSoundPlayer(parent); }
