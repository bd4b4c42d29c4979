// Sounds: the game's own sounds for what happens at the table, and the chatter sounds players send
// each other, which every table plays, or reports in the chat when chatter sounds are off.
#include "platform/sound.h"
#include "table/chatform.h"
#include "table/tablewidgets.h"
#include "table/wiretext.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>

namespace {

constexpr const char* kChatterCaptions[21] = {
    "<Cancel>",  "Doh",     "Cough",    "Hello", "Thank You", "Where have you been?", "Snoring",
    "Sneezing",  "Sorry",   "Welcome",  "Yeehaa", "Yippee",   "Oh No",                "Applause",
    "Honk",      "Oooh",    "Razzberry", "Cheer", "Woman Laughing", "Man Laughing",     "Crying",
};

} // namespace

void Tchat::buildSoundMenus(QMenu* options)
{
    PlaySounds1 = options->addAction(QStringLiteral("Play Sounds"));
    PlaySounds1->setObjectName(QStringLiteral("PlaySounds1"));
    PlaySounds1->setCheckable(true);
    PlaySounds1->setChecked(true);
    PlayChatterSounds1 = options->addAction(QStringLiteral("Play Chatter Sounds"));
    PlayChatterSounds1->setObjectName(QStringLiteral("PlayChatterSounds1"));
    PlayChatterSounds1->setCheckable(true);
    for (QAction* toggle : {PlaySounds1, PlayChatterSounds1}) {
        const SettingsOption option =
            toggle == PlaySounds1 ? SettingsOption::PlaySounds : SettingsOption::ChatterSounds;
        connect(toggle, &QAction::triggered, this, [this, option] {
            if (onSaveSettings)
                onSaveSettings(option);
        });
    }

    QMenu* turn = options->addMenu(QStringLiteral("Turn Sound"));
    turn->setObjectName(QStringLiteral("TurnSound1"));
    auto* group = new QActionGroup(this);
    Classic1 = turn->addAction(QStringLiteral("Classic"));
    Classic1->setObjectName(QStringLiteral("Classic1"));
    New1 = turn->addAction(QStringLiteral("New"));
    New1->setObjectName(QStringLiteral("New1"));
    for (QAction* choice : {Classic1, New1}) {
        choice->setCheckable(true);
        choice->setActionGroup(group);
        const int sound = choice == New1 ? 1 : 0;
        connect(choice, &QAction::triggered, this, [this, sound] {
            setTurnSound(sound);
            if (onSaveSettings)
                onSaveSettings(SettingsOption::TurnSound);
        });
    }

    popup_sounds = new QMenu(this);
    popup_sounds->setObjectName(QStringLiteral("popup_sounds"));
    for (int n = 0; n <= 20; ++n) {
        QAction* entry = popup_sounds->addAction(QString::fromLatin1(kChatterCaptions[n]));
        entry->setObjectName(n == 0 ? QStringLiteral("Cancel1") : QStringLiteral("wave%1").arg(n));
        connect(entry, &QAction::triggered, this, [this, n] { wave20Click(n); });
    }
}

bool Tchat::playSounds() const { return PlaySounds1->isChecked(); }

void Tchat::setPlaySounds(bool on) { PlaySounds1->setChecked(on); }

bool Tchat::playChatterSounds() const { return PlayChatterSounds1->isChecked(); }

void Tchat::setPlayChatterSounds(bool on) { PlayChatterSounds1->setChecked(on); }

void Tchat::setTurnSound(int sound)
{
    turnSound_ = sound == 1 ? 1 : 0;
    (turnSound_ == 1 ? New1 : Classic1)->setChecked(true);
}

void Tchat::setBotSpeed(int milliseconds)
{
    const int index = milliseconds == 2000 ? 0 : milliseconds == 500 ? 2 : 1;
    botSpeed_ = index == 0 ? 2000 : index == 2 ? 500 : 1000;
    botSpeedItems_[index]->setChecked(true);
}

void Tchat::playsounds(const QString& name)
{
    if (PlaySounds1->isChecked())
        sounds_.play(name);
}

void Tchat::b_phrase10Click() { popup_sounds->popup(b_phrase10->mapToGlobal(b_phrase10->rect().bottomRight())); }

void Tchat::wave20Click(int number)
{
    if (number < 1 || number > 20)
        return;
    // Spectators may chat, but the sounds are the seated players'.
    if (!loggedIn_ || !isSeat(ownSeat_))
        return;
    sendToHost(game::Message("CMD_playasound").field(ownSeat_).field("wave" + std::to_string(number)).raw("+"));
}

void Tchat::playasound(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto seat = reader.nextInt();
    if (!seat)
        return;
    const QString sound = fromWire(reader.next());
    if (PlayChatterSounds1->isChecked()) {
        sounds_.play(sound);
        return;
    }
    if (!isSeat(*seat))
        return;
    for (int n = 1; n <= 20; ++n)
        if (sound.compare(QStringLiteral("wave%1").arg(n), Qt::CaseInsensitive) == 0) {
            addNotice(caption(*seat) + QStringLiteral(": <Chatter Sound> ") + QString::fromLatin1(kChatterCaptions[n]));
            return;
        }
}
