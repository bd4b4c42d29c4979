#pragma once
// The table's options in the settings file: the keys of the section "Chickenfoot" of
// "briskolobby.ini" and what each one sets. The table and its dialogs are reached through
// SettingsTarget, so the rules (defaults, exact comparisons, what a save writes) are tested
// without a window, and the file through ini::IniFile, which leaves the lobby's part of the file
// alone.

#include "platform/inifile.h"

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

    // The chat's options. A table without them answers nothing, and their keys in the file are
    // then neither written nor applied, so what is stored stays as it is.
    virtual std::optional<int> textSize() const { return std::nullopt; }
    // Sets all chat styles and checks the "Text Size" entry of that size, if there is one.
    virtual void applyTextSize(int /*points*/) {}
    // The chat colour as colour text ("clBlack", "$00FF8000"); nothing when it cannot be named.
    virtual std::optional<QString> chatColourText() const { return std::nullopt; }
    virtual void setChatColour(const QColor& /*colour*/) {}
    virtual std::optional<QString> phrase(int /*n*/) const { return std::nullopt; } // n 1 to 9
    virtual void setPhrase(int /*n*/, const QString& /*text*/) {}
    // "Computer Skill": 0 Standard, 1 Strong; nothing from a target without it.
    virtual std::optional<int> computerSkill() const { return std::nullopt; }
    virtual void setComputerSkill(int /*skill*/) {}
};

class TableSettings {
public:
    static constexpr int kPhraseCount = 9;
    static constexpr QRect kDefaultBounds{3, 3, 790, 578};

    // `target` must outlive the settings. Its state now is the window's design state: until the
    // file has been loaded, a save writes only what has changed since.
    TableSettings(const QString& filePath, SettingsTarget& target);

    // Reads the section and applies it: missing keys and unreadable values give the defaults.
    void load();
    bool loaded() const { return loaded_; }

    // Writes every key but the phrases from the target's current state. Before the first load
    // it writes only the keys the player changed in this run, and never the window's bounds,
    // so the design state never overwrites what an earlier run stored. False when the file could
    // not be written; errorString() says why.
    bool save();
    // Writes the nine phrase keys (before the first load: only the phrases changed in this run).
    bool savePhrases();
    const QString& errorString() const { return file_.errorString(); }

    static constexpr const char* kSection = "Chickenfoot";

private:
    ini::KeyValues currentOptions() const;
    ini::KeyValues currentPhrases() const;
    bool write(const ini::KeyValues& current, ini::KeyValues& lastSeen, QStringList& changed);

    ini::IniFile file_;
    SettingsTarget& target_;
    bool loaded_ = false;
    // Until the load: the values last seen, and the keys the player has changed in this run.
    ini::KeyValues optionsSeen_, phrasesSeen_;
    QStringList optionsChanged_, phrasesChanged_;
};
