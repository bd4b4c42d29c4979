#pragma once
// The table's options in the settings file: the keys of the section "Chickenfoot" of
// "briskolobby.ini" and what each one sets. The table and its dialogs are reached through
// SettingsTarget, so the rules (defaults, exact comparisons, what a save writes) are tested
// without a window, and the file through ini::IniFile, which leaves the lobby's part of the file
// alone.

#include "game/phrases.h"
#include "platform/inifile.h"
#include "table/settingsoption.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <array>
#include <optional>

// What the settings read and set. The window's bounds are its frame, as the player sees it.
class SettingsTarget {
public:
    virtual ~SettingsTarget() = default;

    virtual QRect windowBounds() const = 0;
    // The bounds read from the file, to remember as the last stored ones and to move the window to.
    virtual void setWindowBounds(const QRect& stored) = 0;
    virtual int rounds() const = 0;
    virtual void setRounds(int rounds) = 0;        // the dialog keeps it within 3 to 10
    virtual int newcomers() const = 0;             // 1 to 3
    virtual void setNewcomers(int option) = 0;
    virtual int botSpeed() const = 0;              // 2000, 1000 or 500
    virtual void setBotSpeed(int milliseconds) = 0;
    virtual int turnSound() const = 0;             // 0 Classic, 1 New
    virtual void setTurnSound(int sound) = 0;
    virtual bool playSounds() const = 0;
    virtual void setPlaySounds(bool on) = 0;
    virtual bool chatterSounds() const = 0;
    virtual void setChatterSounds(bool on) = 0;
    virtual int textSize() const = 0;
    // Sets all chat styles and checks the "Text Size" entry of that size, if there is one.
    virtual void applyTextSize(int points) = 0;
    // The chat colour as colour text ("clBlack", "$00FF8000").
    virtual QString chatColourText() const = 0;
    virtual void setChatColour(const QColor& colour) = 0;
    // n 1 to 9. A button may keep less of a long text than it was given.
    virtual QString phrase(int n) const = 0;
    virtual void setPhrase(int n, const QString& text) = 0;
    // "Computer Skill": 0 Standard, 1 Strong.
    virtual int computerSkill() const = 0;
    virtual void setComputerSkill(int skill) = 0;
    // "Turn Time Limit" in seconds: 0 (Off), 30, 60 or 120.
    virtual int turnLimit() const = 0;
    virtual void setTurnLimit(int seconds) = 0;
};

class TableSettings {
public:
    static constexpr int kPhraseCount = game::kPhraseCount;
    static constexpr QRect kDefaultBounds{3, 3, 790, 578};

    // `target` must outlive the settings. Its state now is the window's design state: until the
    // file has been loaded, a save writes only what the player has chosen since.
    TableSettings(const QString& filePath, SettingsTarget& target);

    // Reads the section and applies it: missing keys and unreadable values give the defaults.
    void load();
    bool loaded() const { return loaded_; }

    // After the player chose `option`. Once loaded: writes every key but the phrases from the
    // target's current state. Before the first load: writes the keys of every option chosen in
    // this run, and never the window's bounds, so the design state never overwrites what an
    // earlier run stored. False when the file could not be written; errorString() says why.
    bool save(SettingsOption option);
    // Writes the nine phrase keys (before the first load: only the phrases changed in this run).
    // A phrase unchanged since the load is written exactly as it was read.
    bool savePhrases();
    const QString& errorString() const { return file_.errorString(); }

    static constexpr const char* kSection = "Chickenfoot";

private:
    struct LoadedPhrase {
        QString stored; // as the file held it
        QString shown;  // as the button took it
    };

    ini::KeyValues currentOptions() const;
    ini::KeyValues currentPhrases() const;
    bool write(const ini::KeyValues& values);

    ini::IniFile file_;
    SettingsTarget& target_;
    bool loaded_ = false;
    // Before phrasesSeen_: reading the phrases consults it.
    std::array<std::optional<LoadedPhrase>, kPhraseCount> loadedPhrases_{};
    // Until the load: the keys of the options the player has chosen in this run, and the phrases
    // last seen with those the player has changed.
    QStringList optionsChosen_;
    ini::KeyValues phrasesSeen_;
    QStringList phrasesChanged_;
};
