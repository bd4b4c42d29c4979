#pragma once
// The table's menus and the seat popup. Running the table: the hosting player starts games,
// removes players and sets seats to watch or play again; every seated player may watch; everyone
// chooses how fast the computer plays, and the hosting player how well and how long a turn may
// last. Each command only asks the host; the tables change when the host's answer comes.

#include "mirror/events.h"
#include "mirror/tablemirror.h"
#include "table/tablehooks.h"

#include <QObject>

#include <array>
#include <functional>

class ChatPanel;
class MessageBoxes;
class QAction;
class QMainWindow;
class QMenu;
class QPoint;
class TableLink;
class TableSounds;

class TableMenus : public QObject {
public:
    TableMenus(mirror::TableMirror& mirror, TableLink& link, const TableHooks& hooks, MessageBoxes& boxes,
               QMainWindow* window);
    // The menu bar; the chat's and the sounds' entries go into Options.
    void build(ChatPanel& chat, TableSounds& sounds);

    void react(const mirror::Event& event);
    // The entries only the hosting table may use.
    void setHosting(bool hosting);
    void enableStartGame(bool enabled);
    // Start Game (the menu entry and the button on the board).
    void button_startClick();
    // Asks the host to remove the player on that seat (or spectator number).
    void kicking(int number);
    void label_playername1ContextPopup(int seat, const QPoint& global);

    // The computer players' delay chosen under Options, Bot Speed: 2000, 1000 or 500 ms.
    int botSpeed() const { return botSpeed_; }
    void setBotSpeed(int milliseconds);
    // Options, Computer Skill: 0 Standard (the default), 1 Strong. Only the hosting table's counts.
    int computerSkill() const { return computerSkill_; }
    void setComputerSkill(int skill); // 1 Strong, anything else Standard
    // Options, Hint: the table's hint answers it and keeps it enabled while the player may move.
    QAction* hintEntry() const { return Hint1; }
    // Options, Turn Time Limit, in seconds: 0 Off (the default), 30, 60 or 120. Only the hosting
    // table's counts.
    int turnLimit() const { return turnLimit_; }
    void setTurnLimit(int seconds); // anything but 30, 60 or 120 is Off

    std::function<void()> onResetScreenLocation;

private:
    void buildOptions(QMenu* options, ChatPanel& chat, TableSounds& sounds);
    void buildSeatPopup();
    void JustWatch1Click();
    void Fast1Click(QAction* entry);
    void ComputerSkill1Click(QAction* entry);
    void TurnTimeLimit1Click(QAction* entry);

    mirror::TableMirror& mirror_;
    TableLink& link_;
    const TableHooks& hooks_;
    MessageBoxes& boxes_;
    QMainWindow* window_;
    int botSpeed_ = 1000;
    int computerSkill_ = 0;
    int turnLimit_ = 0;
    int popupSeat_ = 0; // the seat the popup was opened on
    QAction* StartGame1 = nullptr;
    QAction* JustWatch1 = nullptr;
    QAction* Hint1 = nullptr;
    QMenu* ComputerSkill1 = nullptr; // greyed on tables that do not host
    QMenu* TurnTimeLimit1 = nullptr; // likewise
    std::array<QAction*, 3> botSpeedItems_{};    // Slow, Normal, Fast
    std::array<QAction*, 2> computerSkillItems_{}; // Standard, Strong
    std::array<QAction*, 4> turnLimitItems_{};     // Off, 30 seconds, 1 minute, 2 minutes
    QMenu* popup_kick = nullptr;
    QAction* RemoveFromGame1 = nullptr;
    QAction* SettoJustWatch1 = nullptr;
    QAction* UnsetJustWatch1 = nullptr;
};
