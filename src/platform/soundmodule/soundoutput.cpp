// Qt Multimedia's side of the game's sounds; see platform/soundoutput.h for why it is a module.
#include "platform/soundoutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

#include <map>

namespace {

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

class QtSoundOutput : public QObject, public SoundOutput {
public:
    explicit QtSoundOutput(QObject* parent) : QObject(parent) {}

    bool hasDevice() override
    {
        if (!asked_) {
            asked_ = true;
            passOn = qInstallMessageHandler(dropAudioServerComplaints);
            const bool found = !QMediaDevices::audioOutputs().isEmpty();
            qInstallMessageHandler(passOn);
            return found;
        }
        return !QMediaDevices::audioOutputs().isEmpty();
    }

    void prepare(const QString& resource) override { effect(resource); }

    void play(const QString& resource) override
    {
        QSoundEffect* next = effect(resource);
        if (current_ && current_ != next)
            current_->stop();
        next->stop();
        next->play();
        current_ = next;
    }

private:
    QSoundEffect* effect(const QString& resource)
    {
        auto found = effects_.find(resource);
        if (found != effects_.end())
            return found->second;
        auto* created = new QSoundEffect(this);
        created->setSource(QUrl(QStringLiteral("qrc") + resource));
        effects_.emplace(resource, created);
        return created;
    }

    bool asked_ = false;
    std::map<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};

} // namespace

extern "C" __attribute__((visibility("default"))) SoundOutput* tilvaroMakeSoundOutput(QObject* parent)
{
    return new QtSoundOutput(parent);
}
