#pragma once
// The table as the program's shell: what the command line starts (a solo game, hosting or
// joining), the hidden host it starts when it hosts, the login, the link to the lobby program,
// and the window's place on the desktop.

#include "game/message.h"
#include "game/random.h"
#include "net/tsock.h"
#include "table/tablehooks.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class MessageBoxes;
class QWidget;
class TServer;
class TableLink;
namespace mirror {
class TableMirror;
}

class TableShell : public QObject {
public:
    using VersionProvider = std::function<QString()>;

    // Without a version provider the table logs in with the game's version.
    TableShell(QWidget* window, TableLink& link, mirror::TableMirror& mirror, const TableHooks& hooks,
               MessageBoxes& boxes, VersionProvider version);

    // The hidden host this table starts when it hosts; not owned. From then on the host reads
    // this table's version text, its Bot Speed as the computer's delay, its Computer Skill and its
    // Turn Time Limit.
    void setServer(TServer* server);
    // What the host asks of the table at every computer move (the limit: at every turn).
    std::function<int()> botSpeed, computerSkill, turnLimit;
    // The port a joining table connects to: the game's 7772 unless a test says otherwise.
    void setGamePort(int port) { gamePort_ = port; }
    // The program's arguments (without the program's own name), acted on by processparams when
    // the window is first shown. Without them showing the window starts nothing.
    void setCommandLine(const QStringList& parameters) { commandLine_ = parameters; }
    void FormShow();
    // No parameters: a solo game as "You". One or two: the loading notice only. Three or more:
    // name, host address, and "true" to host (anything else joins); then the lobby link opens.
    // A connection that cannot be started is reported in an error box; the window stays open.
    void processparams(const QStringList& parameters);
    // Start the host listening and connect to it; throws ESockException when it cannot listen.
    void hostpress();
    // Connect to the host address; a name that cannot be looked up is reported in the chat.
    void joinpress();
    const QString& hostAddress() const { return hostAddress_; }
    const QString& playerName() const { return playerName_; }
    void setPlayerName(const QString& name) { playerName_ = name; }
    game::Random& random() { return random_; }

    // The login, once the host numbered this table's connection; both go out in one write.
    void sendLogin(int seat);
    // Sends "CMD_startgame" with the game start dialog's fields (name, rounds, option, "").
    void startGame(const QStringList& fields);
    // The game seed, for the hosting player to quote; nothing on other tables.
    std::optional<QString> gameSeedNotice() const;

    // The window's bounds as last read from or written to the settings; null until then.
    QRect lastWindowBounds() const { return lastBounds_; }
    void setLastWindowBounds(const QRect& bounds) { lastBounds_ = bounds; }
    void FormClose();
    void ResetScreenLocation1Click();

    // The link to the lobby program, 127.0.0.1 port 9001. Its existence is the only signal: it
    // has no handlers, nothing is sent or read, and a refusal goes unnoticed.
    TSock Sock11;
    std::function<void(bool hosting)> onHostingChanged;
    std::function<void()> onStarting; // the command line is acted on: no Start Game until hosting
    std::function<void(const QString& text)> onNotice;

private:
    QWidget* window_;
    TableLink& link_;
    mirror::TableMirror& mirror_;
    const TableHooks& hooks_;
    MessageBoxes& boxes_;
    VersionProvider version_;
    game::Random random_;
    TServer* server_ = nullptr;
    int gamePort_ = 7772;
    std::optional<QStringList> commandLine_;
    QString hostAddress_;
    QString playerName_;
    QRect lastBounds_;
};
