// The table as the program's shell: what the command line starts (a solo game, hosting or
// joining), the link to the lobby program, closing, and the window's place on the desktop.
#include "host/serverform.h"
#include "platform/messagebox.h"
#include "platform/workarea.h"
#include "table/chatform.h"
#include "table/tablewidgets.h"
#include "table/wiretext.h"

#include <QAction>
#include <QCloseEvent>
#include <QScopeGuard>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr QSize kDefaultWindowSize(790, 578);
constexpr QPoint kDefaultWindowPlace(3, 3);

} // namespace

void Tchat::setServer(TServer* server)
{
    server_ = server;
    if (!server_)
        return;
    server_->versionProvider = [this] { return toWire(version_()); };
    server_->botSpeedProvider = [this] { return botSpeed(); };
    server_->computerSkillProvider = [this] { return computerSkill(); };
    server_->engine().useRandom(random_);
}

void Tchat::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tchat::FormShow()
{
    // The command line is read once, the first time the window shows.
    if (!commandLine_)
        return;
    const QStringList parameters = *commandLine_;
    commandLine_.reset();
    processparams(parameters);
}

void Tchat::processparams(const QStringList& parameters)
{
    button_start->hide();
    StartGame1->setEnabled(false);
    try {
        if (parameters.isEmpty()) {
            addNotice(QStringLiteral("Loading Solo Game..Please wait."));
            hostAddress_ = QStringLiteral("127.0.0.1");
            playerName_ = QStringLiteral("You");
            // The offer comes over the table once the table is up, not before it, and only after
            // the question of an unfinished game has been answered: it stays on top and would
            // hide that question.
            const auto offer = qScopeGuard([this] {
                QTimer::singleShot(0, this, [this] {
                    if (onShowDownload)
                        onShowDownload();
                });
            });
            hostpress();
            return;
        }
        addNotice(QStringLiteral("Loading Multi-player Game.. Please Wait."));
        // The lobby passes exactly three; with fewer the table only waits, and more change nothing.
        if (parameters.size() < 3)
            return;
        playerName_ = parameters[0];
        hostAddress_ = parameters[1];
        if (parameters[2] == QStringLiteral("true"))
            hostpress();
        else
            joinpress();
        Sock11.Open();
    } catch (const ESockException& error) {
        // Nothing further is started: no connection, no lobby link. The window stays open.
        boxes_.error(this, QString::fromStdString(error.what()));
    }
}

void Tchat::hostpress()
{
    if (!server_)
        throw std::logic_error("the table was given no host to start");
    if (onBeforeHosting)
        onBeforeHosting();
    server_->startListening();
    setHosting(true);
    // The host numbers its connections in arrival order, so this table, first, gets seat 1.
    connectToHost(QStringLiteral("127.0.0.1"), server_->port());
    if (onHosting)
        onHosting();
}

void Tchat::joinpress()
{
    setHosting(false);
    try {
        connectToHost(hostAddress_, gamePort_);
    } catch (const ESockException&) {
        addNotice(QStringLiteral("Could not connect to %1: the host name was not found").arg(hostAddress_));
    }
}

void Tchat::startGame(const QStringList& fields)
{
    if (!loggedIn_)
        return;
    game::Message start("CMD_startgame");
    for (qsizetype i = 0; i < fields.size(); ++i) {
        // The name goes out as the host stored it (the own seat's caption), so every table, this
        // one too, recognises who started the game.
        const QString& text = i == 0 && isSeat(ownSeat_) ? caption(ownSeat_) : fields[i];
        std::string field = toWire(text);
        // A "+" in the name would shift the rounds and the option into the wrong fields.
        if (i == 0)
            std::replace(field.begin(), field.end(), '+', '_');
        start.field(field);
    }
    sendToHost(start);
}

// ---- Closing and the window's place ------------------------------------------------------------

void Tchat::closeEvent(QCloseEvent* event)
{
    FormClose();
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    closed_ = true;
    if (onClosed)
        onClosed();
}

void Tchat::FormClose()
{
    // Bounds never read from the settings are no reason to write over them.
    if (lastBounds_.isNull())
        return;
    QRect bounds(frameGeometry().topLeft(), frameGeometry().size());
    if (bounds == lastBounds_)
        return;
    // A window larger than the desktop is stored a little smaller each time, so it shrinks
    // back into view over a few runs.
    const QRect workArea = desktopWorkArea(this);
    if (!workArea.isEmpty()) {
        if (bounds.width() > workArea.width())
            bounds.setWidth(bounds.width() - 15);
        if (bounds.height() > workArea.height())
            bounds.setHeight(bounds.height() - 15);
    }
    // The window itself shrinks, so the settings store the bounds it has.
    if (bounds.size() != frameGeometry().size())
        resize(size() - (frameGeometry().size() - bounds.size()));
    lastBounds_ = bounds;
    if (onSaveSettings)
        onSaveSettings(SettingsOption::WindowBounds);
}

void Tchat::ResetScreenLocation1Click()
{
    // The default size is the whole window, frame included, as the settings store it.
    const QSize frame = frameGeometry().size() - size();
    move(kDefaultWindowPlace);
    resize(kDefaultWindowSize - frame);
}

void Tchat::Exit1Click() { close(); }

void Tchat::ViewTally1Click()
{
    if (onShowTally)
        onShowTally();
}

void Tchat::SpyList1Click()
{
    if (onShowSpyList)
        onShowSpyList();
}

void Tchat::PrhaseList1Click()
{
    if (onShowPhrases)
        onShowPhrases();
}

void Tchat::Help2Click()
{
    if (onShowHelp)
        onShowHelp();
}

void Tchat::About1Click()
{
    if (onShowAbout)
        onShowAbout();
}
