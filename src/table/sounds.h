#pragma once
// Sounds: the game's own sounds for what happens at the table, and the chatter sounds players send
// each other, which every table plays, or reports in the chat when chatter sounds are off. The
// sound options live in the Options menu; the chatter sounds are picked with the button beside
// the phrase buttons.

#include "mirror/events.h"
#include "mirror/tablemirror.h"
#include "table/settingsoption.h"

#include <QObject>
#include <QString>

#include <functional>

class ClickImage;
class QAction;
class QMenu;
class QWidget;
class SoundPlayer;
struct Artwork;

class TableSounds : public QObject {
public:
    // The sound player must outlive the table.
    TableSounds(SoundPlayer& player, const mirror::TableMirror& mirror, const Artwork& artwork, QWidget* panel);
    // Play Sounds, Play Chatter Sounds and Turn Sound in the Options menu; the chatter sound list.
    void buildSoundMenus(QMenu* options, QWidget* window);

    void react(const mirror::Event& event);
    // One of the game's own sounds, unless the player turned them off.
    void playsounds(const QString& name);

    // Sound options, for the settings file.
    bool playSounds() const;
    void setPlaySounds(bool on);
    bool playChatterSounds() const;
    void setPlayChatterSounds(bool on);
    int turnSound() const { return turnSound_; } // 0 Classic, 1 New
    void setTurnSound(int sound);

    std::function<void(const QString& text)> onNotice;    // a chatter sound told in the chat
    std::function<void(int number)> onChatterSound;       // the player picked chatter sound 1 to 20
    std::function<void(SettingsOption)> onSaveSettings;

private:
    void playasound(const mirror::ChatterSound& sound);

    SoundPlayer& player_;
    const mirror::TableMirror& mirror_;
    int turnSound_ = 0;
    ClickImage* b_phrase10 = nullptr;
    QMenu* popup_sounds = nullptr;
    QAction* PlaySounds1 = nullptr;
    QAction* PlayChatterSounds1 = nullptr;
    QAction* Classic1 = nullptr;
    QAction* New1 = nullptr;
};
