#pragma once
// What the table asks of the program's other windows. Each may be left empty.

#include "table/settingsoption.h"

#include <QString>

#include <functional>

struct TableHooks {
    std::function<void()> onShowGameStart;              // Start Game while logged in
    std::function<void()> onLoadSettings;               // the host confirmed this table's own entry
    std::function<void(const QString& winner, bool thisPlayerWon)> onAddGame; // a game this player took part in ended
    std::function<void(SettingsOption)> onSaveSettings; // the player chose a sound option, the bot speed, ...
    std::function<void()> onSavePhrases;                // the phrase editor's Done applied the nine phrases
    std::function<void()> onShowTally, onShowSpyList, onShowPhrases, onShowHelp, onShowAbout;
    std::function<void()> onShowScoreSheet;
    std::function<void()> onBannerClick;                // the banner at the lower left
    std::function<void()> onShowDownload;               // a solo start offers the lobby
    std::function<void()> onBeforeHosting;              // hosting starts: before the host listens
    std::function<void()> onHosting;                    // this table started hosting
    std::function<void()> onClosed;                     // the window closed: the program ends
    std::function<void()> onMessageHandled;             // after each message from the host

    static void call(const std::function<void()>& hook)
    {
        if (hook)
            hook();
    }
    void saveSettings(SettingsOption option) const
    {
        if (onSaveSettings)
            onSaveSettings(option);
    }
};
