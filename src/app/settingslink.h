#pragma once
// The settings' view of the running program: the table window's place, sounds and bot speed, the
// chat's text size, colour and phrases, and the game start dialog's choices.

#include "table/settings.h"

#include <functional>

class Tchat;
class Tgamestart;

class SettingsLink : public SettingsTarget {
public:
    // The game start dialog is asked for each time: it may be made only when first needed.
    SettingsLink(Tchat& table, std::function<Tgamestart&()> gamestart) : table_(table), gamestart_(std::move(gamestart)) {}

    // The frame, as the player sees the window and as the close handler compares it.
    QRect windowBounds() const override;
    // Remembers the stored bounds as the last ones, then shows the window there, or, when no
    // screen could show it there, where placeOnScreens() puts it.
    void setWindowBounds(const QRect& stored) override;
    int rounds() const override;
    void setRounds(int rounds) override;
    int newcomers() const override;
    void setNewcomers(int option) override;
    int botSpeed() const override;
    void setBotSpeed(int milliseconds) override;
    int turnSound() const override;
    void setTurnSound(int sound) override;
    bool playSounds() const override;
    void setPlaySounds(bool on) override;
    bool chatterSounds() const override;
    void setChatterSounds(bool on) override;
    int textSize() const override;
    void applyTextSize(int points) override;
    QString chatColourText() const override;
    void setChatColour(const QColor& colour) override;
    QString phrase(int n) const override;
    void setPhrase(int n, const QString& text) override;
    int computerSkill() const override;
    void setComputerSkill(int skill) override;
    int turnLimit() const override;
    void setTurnLimit(int seconds) override;

private:
    Tchat& table_;
    std::function<Tgamestart&()> gamestart_;
};
