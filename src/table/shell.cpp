#include "table/shell.h"

#include "game/version.h"
#include "host/serverform.h"
#include "mirror/tablemirror.h"
#include "platform/messagebox.h"
#include "platform/workarea.h"
#include "table/firstdrawn.h"
#include "table/link.h"
#include "table/wiretext.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr QSize kDefaultWindowSize(790, 578);
constexpr QPoint kDefaultWindowPlace(3, 3);

} // namespace

TableShell::TableShell(QWidget* window, TableLink& link, mirror::TableMirror& mirror, const TableHooks& hooks,
                       MessageBoxes& boxes, VersionProvider version)
    : QObject(window),
      window_(window),
      link_(link),
      mirror_(mirror),
      hooks_(hooks),
      boxes_(boxes),
      version_(std::move(version)),
      random_(game::Random::timeOfDaySeed())
{
    if (!version_)
        version_ = [] { return QString::fromLatin1(game::version()); };
    Sock11.setSocketType(stStream);
    Sock11.setHostName("127.0.0.1");
    Sock11.setPortName("9001");
    Sock11.setBlocking(false);
}

void TableShell::setServer(TServer* server)
{
    server_ = server;
    if (!server_)
        return;
    server_->versionProvider = [this] { return toWire(version_()); };
    server_->botSpeedProvider = [this] { return botSpeed(); };
    server_->computerSkillProvider = [this] { return computerSkill(); };
    server_->turnLimitProvider = [this] { return turnLimit ? turnLimit() : 0; };
    server_->engine().useRandom(random_);
}

void TableShell::FormShow()
{
    // The command line is read once, the first time the window shows.
    if (!commandLine_)
        return;
    const QStringList parameters = *commandLine_;
    commandLine_.reset();
    processparams(parameters);
}

void TableShell::processparams(const QStringList& parameters)
{
    if (onStarting)
        onStarting();
    const auto notice = [this](const QString& text) {
        if (onNotice)
            onNotice(text);
    };
    try {
        if (parameters.isEmpty()) {
            notice(QCoreApplication::translate("TableShell", "Loading Solo Game..Please wait."));
            hostAddress_ = QStringLiteral("127.0.0.1");
            playerName_ = QStringLiteral("You");
            // The offer comes over the table once the table is up, not before it, and only after
            // the question of an unfinished game has been answered: it stays on top and would
            // hide that question.
            const auto offer = qScopeGuard([this] {
                whenFirstDrawn(*window_, [this] { TableHooks::call(hooks_.onShowDownload); });
            });
            hostpress();
            return;
        }
        notice(QCoreApplication::translate("TableShell", "Loading Multi-player Game.. Please Wait."));
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
        boxes_.error(window_, QString::fromStdString(error.what()));
    }
}

void TableShell::hostpress()
{
    if (!server_)
        throw std::logic_error("the table was given no host to start");
    TableHooks::call(hooks_.onBeforeHosting);
    server_->startListening();
    if (onHostingChanged)
        onHostingChanged(true);
    // The host numbers its connections in arrival order, so this table, first, gets seat 1.
    link_.connectToHost(QStringLiteral("127.0.0.1"), server_->port());
    TableHooks::call(hooks_.onHosting);
}

void TableShell::joinpress()
{
    if (onHostingChanged)
        onHostingChanged(false);
    try {
        link_.connectToHost(hostAddress_, gamePort_);
    } catch (const ESockException&) {
        if (onNotice)
            onNotice(QCoreApplication::translate("TableShell", "Could not connect to %1: the host name was not found").arg(hostAddress_));
    }
}

void TableShell::sendLogin(int seat)
{
    // The host skips the empty message after the login; both go out in one write.
    const game::Message login =
        game::Message("CMD_logininfo").field(seat).field(toWire(version_())).field(toWire(playerName_));
    link_.sock.Send(login.wire() + game::kTerminator);
}

void TableShell::startGame(const QStringList& fields)
{
    const mirror::TableState& state = mirror_.state();
    if (!state.loggedIn)
        return;
    game::Message start("CMD_startgame");
    for (qsizetype i = 0; i < fields.size(); ++i) {
        // The name goes out as the host stored it (the own seat's name), so every table, this
        // one too, recognises who started the game.
        std::string field = i == 0 && mirror::isSeat(state.ownSeat) ? mirror_.seat(state.ownSeat).name
                                                                    : toWire(fields[i]);
        // A "+" in the name would shift the rounds and the option into the wrong fields.
        if (i == 0)
            std::replace(field.begin(), field.end(), '+', '_');
        start.field(field);
    }
    link_.send(start);
}

std::optional<QString> TableShell::gameSeedNotice() const
{
    // Only the hosting table knows the generator the host deals with; a player who reports an
    // odd game quotes this number, and TILVARO_SEED set to it deals the game again.
    if (!mirror_.state().hosting || !server_)
        return std::nullopt;
    return QCoreApplication::translate("TableShell", "Game seed: %1").arg(server_->engine().gameSeed());
}

// ---- The window's place ------------------------------------------------------------------------------

void TableShell::FormClose()
{
    // Bounds never read from the settings are no reason to write over them.
    if (lastBounds_.isNull())
        return;
    QRect bounds(window_->frameGeometry().topLeft(), window_->frameGeometry().size());
    if (bounds == lastBounds_)
        return;
    // A window larger than the desktop is stored a little smaller each time, so it shrinks
    // back into view over a few runs.
    const QRect workArea = desktopWorkArea(window_);
    if (!workArea.isEmpty()) {
        if (bounds.width() > workArea.width())
            bounds.setWidth(bounds.width() - 15);
        if (bounds.height() > workArea.height())
            bounds.setHeight(bounds.height() - 15);
    }
    // The window itself shrinks, so the settings store the bounds it has.
    if (bounds.size() != window_->frameGeometry().size())
        window_->resize(window_->size() - (window_->frameGeometry().size() - bounds.size()));
    lastBounds_ = bounds;
    hooks_.saveSettings(SettingsOption::WindowBounds);
}

void TableShell::ResetScreenLocation1Click()
{
    // The default size is the whole window, frame included, as the settings store it.
    const QSize frame = window_->frameGeometry().size() - window_->size();
    window_->move(kDefaultWindowPlace);
    window_->resize(kDefaultWindowSize - frame);
}
