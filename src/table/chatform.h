#pragma once
// Tchat: the table window every player sees, and the program's main window: closing it ends the
// program. It makes the table's parts, lays them out and wires them:
//   mirror/      what this table knows of the game, changed only by the host's messages;
//   link         the socket to the host, the receive queue and its dispatcher `Timer1`;
//   seat rows, hand, board, status line, chat panel, menus, sounds and the describer for screen
//                readers: the views, which draw from the mirror, react to its events and turn the
//                player's clicks and keys into proposals for the host;
//   shell        the command line, hosting, joining, the login and the window's place.
// Every message from the host goes from the link to the mirror, and the events it returns go to
// the views in the order they happened.

#include "mirror/tablemirror.h"
#include "table/tablehooks.h"

#include <QColor>
#include <QMainWindow>

#include <memory>

class BoardView;
class ChatPanel;
class Describer;
class HandView;
class MessageBoxes;
class QStringListModel;
class SeatRows;
class SoundPlayer;
class StatusLine;
class TableHint;
class TableLink;
class TableMenus;
class TableShell;
class TableSounds;
class TurnCountdown;
struct Artwork;

class Tchat : public QMainWindow {
    Q_OBJECT
public:
    using VersionProvider = std::function<QString()>;

    // The sound player and the message boxes must outlive the window. Without a version provider
    // the table logs in with the game's version.
    Tchat(SoundPlayer& sounds, MessageBoxes& boxes, VersionProvider version = {}, QWidget* parent = nullptr);
    ~Tchat() override;

    // What the other windows do.
    TableHooks hooks;

    const mirror::TableMirror& mirror() const { return mirror_; }
    // Round by round scores of this game and the previous one, fed from the host's messages.
    game::ScoreSheet& scoreSheet() { return mirror_.scoreSheet(); }
    TableLink& link() { return *link_; }
    TableShell& shell() { return *shell_; }
    TableMenus& menus() { return *menus_; }
    TableHint& hint() { return *hint_; }
    TableSounds& sounds() { return *sounds_; }
    HandView& hand() { return *hand_; }
    ChatPanel& chatPanel() { return *chatPanel_; }
    const Artwork& artwork() const { return *artwork_; }
    // Spectators as "<n>: <name>", for the spy list window.
    QStringListModel* spectators();
    // What the seat's name label shows (seats 1 to 6; empty for any other number).
    QString seatCaption(int seat) const;

    // This table starts the hidden host, or joins another's.
    void setHosting(bool hosting);
    // The table's own notices in the chat.
    void addNotice(const QString& text);
    // The phrase editor's "Done": the nine texts become the buttons' phrases (empty ones too),
    // then onSavePhrases writes them.
    void applyPhrases(const QStringList& phrases);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildParts(SoundPlayer& sounds, VersionProvider version);
    void wireParts();
    void handleLine(std::string_view line);
    void react(const mirror::Event& event);
    void bonePressed(int slot, Qt::MouseButton button);
    void playOn(int toe);

    MessageBoxes& boxes_;
    std::unique_ptr<Artwork> artwork_;
    mirror::TableMirror mirror_;
    TableLink* link_ = nullptr;
    TableShell* shell_ = nullptr;
    BoardView* board_ = nullptr;
    StatusLine* status_ = nullptr;
    TurnCountdown* countdown_ = nullptr;
    HandView* hand_ = nullptr;
    SeatRows* seats_ = nullptr;
    ChatPanel* chatPanel_ = nullptr;
    TableSounds* sounds_ = nullptr;
    TableMenus* menus_ = nullptr;
    Describer* describer_ = nullptr;
    TableHint* hint_ = nullptr;
};
