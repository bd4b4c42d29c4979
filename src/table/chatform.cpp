// The table window: creation, the connection to the host, the receive queue and its dispatcher,
// the login and the seat list (who sits where, who watches, who left, the spectators).
#include "table/chatform.h"

#include "game/version.h"
#include "platform/messagebox.h"
#include "platform/sound.h"
#include "table/artwork.h"
#include "table/chatpanel.h"
#include "table/tablewidgets.h"
#include "table/wiretext.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QtGlobal>

#include <cstdio>
#include <cstring>
#include <vector>

const std::array<Tchat::Route, 24> Tchat::kRoutes{{
    {"CMD_sendlogininfo", &Tchat::sendloginfo},
    {"CMD_chat", &Tchat::chatrecieved},
    {"CMD_action", &Tchat::chatrecieved},
    {"CMD_newplayerinfo", &Tchat::newplayerinfo},
    {"CMD_havewrongversion", &Tchat::havewrongversion},
    {"CMD_wrongversion", &Tchat::wrongversion},
    {"CMD_existingplayers", &Tchat::newplayerinfo},
    {"CMD_playerdisconnected", &Tchat::playerdisconnected},
    {"CMD_startgame", &Tchat::startthegame},
    {"CMD_nextplayer", &Tchat::getnextplayer},
    {"CMD_winner", &Tchat::winner},
    {"CMD_full", &Tchat::gameisfull},
    {"CMD_justwatching", &Tchat::justwatching},
    {"CMD_startround", &Tchat::startround},
    {"CMD_beginagain", &Tchat::beginagain},
    {"CMD_dealmybones", &Tchat::dealmybones},
    {"CMD_hepassed", &Tchat::hepassed},
    {"CMD_heplayed", &Tchat::heplayed},
    {"CMD_noplay", &Tchat::noplay},
    {"CMD_endround", &Tchat::endround},
    {"CMD_double", &Tchat::doubleplayed},
    {"CMD_gamestats", &Tchat::gamestats},
    {"CMD_youplay", &Tchat::youplay},
    {"CMD_playasound", &Tchat::playasound},
}};

Tchat::Tchat(SoundPlayer& sounds, MessageBoxes& boxes, VersionProvider version, QWidget* parent)
    : QMainWindow(parent),
      sounds_(sounds),
      boxes_(boxes),
      version_(std::move(version)),
      artwork_(std::make_unique<Artwork>()),
      random_(game::Random::timeOfDaySeed())
{
    setObjectName(QStringLiteral("chat"));
    setWindowTitle(QStringLiteral("Tilvaro"));
    if (!version_)
        version_ = [] { return QString::fromLatin1(game::version()); };

    buildLayout();
    buildMenus();
    buildSeatPopup();
    // Where the window opens until the settings say otherwise.
    move(3, 3);

    sock.setSocketType(stStream);
    sock.setPortName("7772");
    sock.setBlocking(false);
    sock.OnRead = [this](TSock* sender, int count) { sockRead(sender, count); };
    sock.OnInfo = [this](TSock* sender, TSocketInfo info, const std::string& message) {
        sockInfo(sender, info, message);
    };

    Sock11.setSocketType(stStream);
    Sock11.setHostName("127.0.0.1");
    Sock11.setPortName("9001");
    Sock11.setBlocking(false);

    // The dispatcher ticks every millisecond, but only while messages wait: an idle table sleeps.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &Tchat::Timer1Timer);

    connectTimer_ = new QTimer(this);
    connectTimer_->setObjectName(QStringLiteral("connecttimer"));
    connectTimer_->setSingleShot(true);
    connectTimer_->setInterval(kConnectTimeoutMs);
    connect(connectTimer_, &QTimer::timeout, this, &Tchat::connectTimerTimer);

    clearall();
    buildKeyboard();
    buildAccessibility();
}

Tchat::~Tchat()
{
    // Closing the socket reports "Socket Closed"; the window must not hear it while it goes.
    sock.OnInfo = nullptr;
    sock.OnRead = nullptr;
}

void Tchat::connectToHost(const QString& address, int port)
{
    sock.setHostName(address.toStdString());
    sock.setPortName(std::to_string(port));
    connectingTo_ = address;
    connectTimer_->start();
    try {
        sock.Open();
    } catch (...) {
        connectTimer_->stop();
        connectingTo_.clear();
        throw;
    }
}

void Tchat::setHosting(bool hosting)
{
    hosting_ = hosting;
    button_start->setVisible(hosting);
    StartGame1->setEnabled(hosting);
    ComputerSkill1->setEnabled(hosting);
}

// ---- The chat: short forwards to its panel -------------------------------------------------------

void Tchat::addlinetochat(const QString& line, const QColor& colour) { chatPanel_->addlinetochat(line, colour); }

void Tchat::chatrecieved(std::string_view payload) { chatPanel_->chatrecieved(payload); }

bool Tchat::phraseReady() const { return chatPanel_->phraseReady(); }

void Tchat::startPhrasePause() { chatPanel_->startPhrasePause(); }

void Tchat::applyTextSize(int points) { chatPanel_->applyTextSize(points); }

void Tchat::applyPhrases(const QStringList& phrases)
{
    for (int n = 1; n <= ChatPanel::kPhraseCount; ++n)
        chatPanel_->setPhrase(n, phrases.value(n - 1));
    if (onSavePhrases)
        onSavePhrases();
}

int Tchat::handSlotAt(int place) const
{
    if (place < 1 || place > kHandPlaces || places_[place].free)
        return -1;
    return places_[place].slot;
}

QString Tchat::computerName(int seat)
{
    static const char* const names[kSeatCount + 1] = {"", "", "Klot", "Klock", "Kling", "Klick", "Krazy"};
    return isSeat(seat) ? QString::fromLatin1(names[seat]) : QString();
}

QString Tchat::caption(int seat) const { return isSeat(seat) ? label_playername[seat]->text() : QString(); }

// ---- Receiving and dispatching -------------------------------------------------------------------

void Tchat::sockRead(TSock*, int) { queueReceived(sock.Receive()); }

namespace {

// "Error #111 (ECONNREFUSED)" as a player reads it: "connection refused".
QString reasonOf(const std::string& report)
{
    int code = 0;
    if (std::sscanf(report.c_str(), "Error #%d", &code) != 1 || code <= 0)
        return QString::fromStdString(report);
    QString reason = QString::fromLocal8Bit(std::strerror(code));
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    return reason;
}

} // namespace

void Tchat::sockInfo(TSock*, TSocketInfo info, const std::string& message)
{
    if (info == siConnect) {
        connectTimer_->stop();
        connectingTo_.clear();
        return;
    }
    if (info == siError && !connectingTo_.isEmpty() && !sock.Connected()) {
        connectionFailed(reasonOf(message));
        return;
    }
    if (message != "Socket Closed" || quietClose_)
        return;
    // The host went away (or threw us out): whatever it said last (a full game, the winner, a
    // goodbye) is shown first, then the table has nothing left to show.
    handleEverythingReceived();
    if (!closed_)
        close();
}

void Tchat::connectTimerTimer()
{
    if (!connectingTo_.isEmpty() && !sock.Connected())
        connectionFailed(QStringLiteral("no answer within %1 seconds").arg(kConnectTimeoutMs / 1000));
}

void Tchat::connectionFailed(const QString& reason)
{
    const QString host = connectingTo_;
    abandonConnection();
    addNotice(QStringLiteral("Could not connect to %1: %2").arg(host, reason));
}

void Tchat::abandonConnection()
{
    connectTimer_->stop();
    connectingTo_.clear();
    // The attempt is over; closing the handle is not the host leaving.
    quietClose_ = true;
    sock.Close();
    quietClose_ = false;
}

void Tchat::handleEverythingReceived()
{
    try {
        queueReceived(sock.Receive());
    } catch (const ESockException&) {
    }
    while (!receivedlist.empty() && !closed_) {
        try {
            processsocktimer();
        } catch (const std::exception& error) {
            // The connection is gone: a reply the handler wanted to send cannot go anywhere.
            std::fprintf(stderr, "Tilvaro: %s\n", error.what());
        }
        if (onMessageHandled)
            onMessageHandled();
    }
    Timer1->stop();
}

void Tchat::queueReceived(std::string_view bytes)
{
    std::vector<std::string> lines;
    if (!framer_.feed(bytes, lines))
        qWarning("Tilvaro: dropped an overlong message from the host");
    for (std::string& line : lines)
        receivedlist.push_back(std::move(line));
    // A line arriving at an idle dispatcher is handled on the next pass of the event loop.
    if (!receivedlist.empty() && !Timer1->isActive())
        Timer1->start(0);
}

bool Tchat::dispatcherRunning() const { return Timer1->isActive(); }

void Tchat::Timer1Timer()
{
    if (receivedlist.empty()) {
        Timer1->stop();
        return;
    }
    if (Timer1->interval() != 1)
        Timer1->setInterval(1);
    processsocktimer();
    describeTable();
    if (receivedlist.empty())
        Timer1->stop();
    if (onMessageHandled)
        onMessageHandled();
}

void Tchat::processsocktimer()
{
    if (receivedlist.empty())
        return;
    const std::string line = std::move(receivedlist.front());
    receivedlist.pop_front();
    const game::SplitLine split = game::splitLine(line);
    if (split.verb.empty())
        return;
    for (const Route& route : kRoutes)
        if (route.verb == split.verb)
            (this->*route.handler)(split.payload);
}

void Tchat::sendToHost(const game::Message& message) { sock.Send(message.wire()); }

// ---- Login and seat list ---------------------------------------------------------------------------

void Tchat::sendloginfo(std::string_view payload)
{
    const auto number = game::parseInt(payload);
    if (!number || *number < 1 || *number > kMaxConnection)
        return;
    ownSeat_ = *number;
    loggedIn_ = true;
    // The host skips the empty message after the login; both go out in one write.
    const game::Message login = game::Message("CMD_logininfo")
                                    .field(ownSeat_)
                                    .field(toWire(version_()))
                                    .field(toWire(playerName_));
    sock.Send(login.wire() + game::kTerminator);
}

void Tchat::newplayerinfo(std::string_view payload)
{
    game::FieldReader reader(payload);
    // An empty list announces nobody, so it makes no sound.
    bool anyone = false;
    while (!reader.empty()) {
        const auto number = reader.nextInt();
        if (!number || *number < 1 || *number > kMaxConnection)
            return;
        anyone = true;
        const QString name = fromWire(reader.next());
        const std::string_view watch = reader.next();
        const int n = *number;

        if (n == ownSeat_) {
            addNotice(QStringLiteral("You are Connected."));
            if (onLoadSettings)
                onLoadSettings();
        } else {
            addNotice(name + QStringLiteral(" is Connected."));
        }
        if (isSeat(n)) {
            label_playername[n]->setText(name);
            label_playername[n]->show();
            label_score[n]->show();
            if (watch == "1")
                image_eyes[n]->show();
        } else {
            QStringList spies = spectators_.stringList();
            spies.append(QStringLiteral("%1: %2").arg(n).arg(name));
            spectators_.setStringList(spies);
            addNotice(n == ownSeat_ ? QStringLiteral("You are spying.") : name + QStringLiteral(" is spying."));
        }
    }
    if (anyone)
        playsounds(QStringLiteral("entered"));
}

void Tchat::playerdisconnected(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto number = reader.nextInt();
    if (!number || *number < 1 || *number > kMaxConnection)
        return;
    const QString name = fromWire(reader.next());
    const int n = *number;
    if (isSeat(n)) {
        const QString shown = caption(n);
        if (shown != QStringLiteral("<Waiting>") && shown != computerName(n))
            addNotice(shown + QStringLiteral(" disconnected."));
        label_playername[n]->setText(computerName(n));
        image_eyes[n]->hide();
        return;
    }
    // The host names the spectator as it logged in; the list compares without regard to case.
    const QString entry = QStringLiteral("%1: %2").arg(n).arg(name);
    QStringList spies = spectators_.stringList();
    int found = -1;
    for (int i = 0; i < spies.size() && found < 0; ++i)
        if (spies[i].compare(entry, Qt::CaseInsensitive) == 0)
            found = i;
    if (found < 0)
        return;
    addNotice(name + QStringLiteral(" has left."));
    spies.removeAt(found);
    spectators_.setStringList(spies);
}

void Tchat::justwatching(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto number = reader.nextInt();
    if (!number || !isSeat(*number))
        return;
    const int n = *number;
    if (reader.next() == "1") {
        if (n == ownSeat_)
            JustWatch1->setChecked(true);
        addNotice(caption(n) + QStringLiteral(" is just watching"));
        image_eyes[n]->show();
    } else {
        if (n == ownSeat_)
            JustWatch1->setChecked(false);
        addNotice(caption(n) + QStringLiteral(" is now playing again"));
        image_eyes[n]->hide();
    }
}

void Tchat::havewrongversion(std::string_view payload)
{
    addNotice(fromWire(payload) + QStringLiteral(" has a different version of the game then you."));
}

void Tchat::wrongversion(std::string_view)
{
    addNotice(QStringLiteral("You have a differnt version of the game then the host."));
}

void Tchat::gameisfull(std::string_view)
{
    boxes_.inform(this, QStringLiteral("Game is full"));
    close();
}
