#include "table/sounds.h"

#include "platform/sound.h"
#include "table/artwork.h"
#include "table/seatrows.h"
#include "table/tablewidgets.h"

#include <QCoreApplication>
#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <type_traits>

namespace {

constexpr const char* kChatterCaptions[21] = {
    QT_TRANSLATE_NOOP("TableSounds", "<Cancel>"),       QT_TRANSLATE_NOOP("TableSounds", "Doh"),
    QT_TRANSLATE_NOOP("TableSounds", "Cough"),          QT_TRANSLATE_NOOP("TableSounds", "Hello"),
    QT_TRANSLATE_NOOP("TableSounds", "Thank You"),      QT_TRANSLATE_NOOP("TableSounds", "Where have you been?"),
    QT_TRANSLATE_NOOP("TableSounds", "Snoring"),        QT_TRANSLATE_NOOP("TableSounds", "Sneezing"),
    QT_TRANSLATE_NOOP("TableSounds", "Sorry"),          QT_TRANSLATE_NOOP("TableSounds", "Welcome"),
    QT_TRANSLATE_NOOP("TableSounds", "Yeehaa"),         QT_TRANSLATE_NOOP("TableSounds", "Yippee"),
    QT_TRANSLATE_NOOP("TableSounds", "Oh No"),          QT_TRANSLATE_NOOP("TableSounds", "Applause"),
    QT_TRANSLATE_NOOP("TableSounds", "Honk"),           QT_TRANSLATE_NOOP("TableSounds", "Oooh"),
    QT_TRANSLATE_NOOP("TableSounds", "Razzberry"),      QT_TRANSLATE_NOOP("TableSounds", "Cheer"),
    QT_TRANSLATE_NOOP("TableSounds", "Woman Laughing"), QT_TRANSLATE_NOOP("TableSounds", "Man Laughing"),
    QT_TRANSLATE_NOOP("TableSounds", "Crying"),
};

} // namespace

TableSounds::TableSounds(SoundPlayer& player, const mirror::TableMirror& mirror, const Artwork& artwork, QWidget* panel)
    : QObject(panel), player_(player), mirror_(mirror)
{
    // The chatter sound button sits with the phrase buttons, second row, last column.
    b_phrase10 = new ClickImage(panel);
    b_phrase10->setObjectName(QStringLiteral("b_phrase10"));
    b_phrase10->setPixmap(artwork.phraseButton);
    b_phrase10->setGeometry(396, 508, 25, 19);
    b_phrase10->setToolTip(QCoreApplication::translate("TableSounds", "Chatter Sounds"));
    connect(b_phrase10, &ClickImage::clicked, this,
            [this] { popup_sounds->popup(b_phrase10->mapToGlobal(b_phrase10->rect().bottomRight())); });
}

void TableSounds::buildSoundMenus(QMenu* options, QWidget* window)
{
    PlaySounds1 = options->addAction(QCoreApplication::translate("TableSounds", "Play Sounds"));
    PlaySounds1->setObjectName(QStringLiteral("PlaySounds1"));
    PlaySounds1->setCheckable(true);
    PlaySounds1->setChecked(true);
    PlayChatterSounds1 = options->addAction(QCoreApplication::translate("TableSounds", "Play Chatter Sounds"));
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

    QMenu* turn = options->addMenu(QCoreApplication::translate("TableSounds", "Turn Sound"));
    turn->setObjectName(QStringLiteral("TurnSound1"));
    auto* group = new QActionGroup(window);
    //: The sound played when it is the player's turn: the classic one or the new one
    Classic1 = turn->addAction(QCoreApplication::translate("TableSounds", "Classic"));
    Classic1->setObjectName(QStringLiteral("Classic1"));
    New1 = turn->addAction(QCoreApplication::translate("TableSounds", "New"));
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

    popup_sounds = new QMenu(window);
    popup_sounds->setObjectName(QStringLiteral("popup_sounds"));
    for (int n = 0; n <= 20; ++n) {
        QAction* entry = popup_sounds->addAction(QCoreApplication::translate("TableSounds", kChatterCaptions[n]));
        entry->setObjectName(n == 0 ? QStringLiteral("Cancel1") : QStringLiteral("wave%1").arg(n));
        connect(entry, &QAction::triggered, this, [this, n] {
            if (onChatterSound)
                onChatterSound(n);
        });
    }
}

bool TableSounds::playSounds() const { return PlaySounds1->isChecked(); }

void TableSounds::setPlaySounds(bool on) { PlaySounds1->setChecked(on); }

bool TableSounds::playChatterSounds() const { return PlayChatterSounds1->isChecked(); }

void TableSounds::setPlayChatterSounds(bool on) { PlayChatterSounds1->setChecked(on); }

void TableSounds::setTurnSound(int sound)
{
    turnSound_ = sound == 1 ? 1 : 0;
    (turnSound_ == 1 ? New1 : Classic1)->setChecked(true);
}

void TableSounds::playsounds(const QString& name)
{
    if (PlaySounds1->isChecked())
        player_.play(name);
}

void TableSounds::react(const mirror::Event& event)
{
    const int own = mirror_.state().ownSeat;
    std::visit(
        [&](const auto& happened) {
            using E = std::decay_t<decltype(happened)>;
            if constexpr (std::is_same_v<E, mirror::ArrivalsDone>)
                playsounds(QStringLiteral("entered"));
            else if constexpr (std::is_same_v<E, mirror::TurnChanged>) {
                if (happened.seat == own)
                    playsounds(turnSound_ == 1 ? QStringLiteral("turnnew") : QStringLiteral("turn"));
            } else if constexpr (std::is_same_v<E, mirror::Played>)
                playsounds(happened.isDouble ? QStringLiteral("double") : QStringLiteral("placebone"));
            else if constexpr (std::is_same_v<E, mirror::Passed>) {
                if (happened.seat == own)
                    playsounds(QStringLiteral("pass"));
            } else if constexpr (std::is_same_v<E, mirror::Refused>)
                playsounds(QStringLiteral("invalid"));
            else if constexpr (std::is_same_v<E, mirror::RoundEnded>)
                playsounds(happened.out != 0 ? QStringLiteral("roundover") : QStringLiteral("blocked"));
            else if constexpr (std::is_same_v<E, mirror::GameWon>)
                playsounds(QStringLiteral("winner"));
            else if constexpr (std::is_same_v<E, mirror::ChatterSound>)
                playasound(happened);
        },
        event);
}

void TableSounds::playasound(const mirror::ChatterSound& chatter)
{
    const QString sound = shown(chatter.sound);
    if (PlayChatterSounds1->isChecked()) {
        player_.play(sound);
        return;
    }
    if (!mirror::isSeat(chatter.seat))
        return;
    for (int n = 1; n <= 20; ++n)
        if (sound.compare(QStringLiteral("wave%1").arg(n), Qt::CaseInsensitive) == 0) {
            if (onNotice)
                onNotice(QCoreApplication::translate("TableSounds", "%1: <Chatter Sound> %2")
                             .arg(shown(mirror_.seat(chatter.seat).name),
                                  QCoreApplication::translate("TableSounds", kChatterCaptions[n])));
            return;
        }
}
