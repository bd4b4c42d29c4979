#include "net/tsock.h"

#include <QEvent>
#include <QPointer>
#include <QSocketNotifier>

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <exception>
#include <map>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The most one read event takes from the network; more waiting raises the read event again.
constexpr std::size_t receiveBlock = 32768;
constexpr int listenBacklog = 5;

// Host names resolved so far, for the whole process, keyed in lower case.
std::map<std::string, std::uint32_t>& hostCache()
{
    static std::map<std::string, std::uint32_t> cache;
    return cache;
}

std::string lowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool startsWithDigit(const std::string& text)
{
    return !text.empty() && text[0] >= '0' && text[0] <= '9';
}

std::string dotted(const sockaddr_in& address)
{
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address.sin_addr, text, sizeof text);
    return text;
}

bool wouldBlock(int error)
{
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

} // namespace

const char* socketInfoName(TSocketInfo info)
{
    static const char* const names[] = {"Lookup", "Connect", "Close", "Listen",
                                        "Receive", "Send", "Accept", "Error"};
    const int index = static_cast<int>(info);
    return index >= 0 && index < 8 ? names[index] : "";
}

// Readiness is handled in the notifier's own event rather than through its activated signal, so
// that an exception from a game handler leaves through the application's notify like any other
// event, and so that a notifier outlives a TSock deleted from within one of its handlers.
class TSock::Notifier final : public QSocketNotifier {
public:
    Notifier(int fd, Type type, TSock* owner) : QSocketNotifier(fd, type), owner_(owner) {}

    void release()
    {
        owner_ = nullptr;
        setEnabled(false);
        deleteLater();
    }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::SockAct)
            return QSocketNotifier::event(e);
        if (owner_ && isEnabled()) {
            if (type() == Read)
                owner_->readable();
            else
                owner_->writable();
        }
        return true;
    }

private:
    QPointer<TSock> owner_;
};

TSock::TSock(QObject* owner) : QObject(owner) {}

TSock::~TSock()
{
    if (listening_ || connected_)
        Close();
    else
        closeHandle();
}

void TSock::setSocketType(TSocketType type)
{
    if (listening_)
        throw ESockException("SocketType - Can't Assign Socket Type While Listening");
    if (connected_)
        throw ESockException("SocketType - Can't Assign Socket Type While Connected");
    socketType_ = type;
}

void TSock::setHostName(const std::string& name)
{
    hostName_ = name;
    if (connected_ && socketType_ == stStream)
        report(siLookup, "Setting HostName While Connected Has No Effect");
}

void TSock::setPortName(const std::string& name)
{
    portName_ = name;
    if (connected_)
        report(siLookup, "Setting PortName While Connected Has No Effect");
}

void TSock::setBlocking(bool blocking)
{
    // Only event-driven sockets are built; an open socket cannot be switched over.
    if (blocking && fd_ >= 0)
        throw ESockException("Blocking - Blocking Sockets Not Supported");
    blocking_ = blocking;
}

void TSock::setListen(bool listen)
{
    if (fd_ >= 0 && !listening_) {
        listening_ = false;
        throw ESockException("Listen - Socket Already In Use");
    }
    if (listen && socketType_ == stDatagram) {
        listening_ = false;
        throw ESockException("Listen - Cannot Listen On A Datagram Socket");
    }
    if (!listen) {
        listening_ = false;
        QPointer<TSock> alive(this);
        Close();
        if (alive)
            report(siListen, "Listening Stopped");
        return;
    }
    if (listening_) {
        report(siListen, "Listening Already Running");
        return;
    }
    if (blocking_)
        throw ESockException("Listen - Blocking Sockets Not Supported");

    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(lookupPort());
    address.sin_addr.s_addr = htonl(INADDR_ANY);

    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw ESockException("Listen - Could Not Create Socket");
    fd_ = fd;
    ++generation_;
    // Lets a host start again at once after a game although its old connections linger in
    // TIME_WAIT; a port another program listens on stays refused.
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    // After a failure the handle stays open, so a further attempt is refused until Close.
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw ESockException("Listen - Error Binding Socket");
    if (::listen(fd, listenBacklog) != 0)
        throw ESockException("Listen - Error Starting Listen");
    readNotifier_ = new Notifier(fd, QSocketNotifier::Read, this);
    listening_ = true;
    report(siListen, "Listening Started");
}

bool TSock::Open()
{
    if (fd_ >= 0)
        return connected_;
    if (socketType_ == stDatagram)
        throw ESockException("Open - Datagram Sockets Not Supported");
    if (blocking_)
        throw ESockException("Open - Blocking Sockets Not Supported");

    // Both lookups come before the handle exists, so a bad name leaves the socket closed and a
    // later Open can try again.
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(lookupPort());
    peer.sin_addr.s_addr = lookupHost(hostName_);

    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw ESockException("Open - Could Not Create Socket");
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    fd_ = fd;
    ++generation_;
    sendFailed_ = false;

    if (::connect(fd, reinterpret_cast<sockaddr*>(&peer), sizeof peer) == 0 || errno == EINPROGRESS) {
        connecting_ = true;
        readNotifier_ = new Notifier(fd, QSocketNotifier::Read, this);
        readNotifier_->setEnabled(false);
        writeNotifier_ = new Notifier(fd, QSocketNotifier::Write, this);
        updateWriteNotifier();
    } else {
        // Refused at once: the same report a refusal arriving later gives, and the socket stays
        // unconnected.
        reportError(errno);
    }
    return connected_;
}

bool TSock::Close()
{
    const bool wasListening = listening_;
    const bool closed = closeHandle();
    QPointer<TSock> alive(this);
    if (!wasListening) {
        try {
            report(siClose, "Socket Closed");
        } catch (...) {
            // Close never fails its caller, whatever the report handler does.
        }
    }
    if (alive)
        listening_ = false;
    return closed;
}

bool TSock::Send(const std::string& bytes)
{
    if (fd_ < 0)
        throw ESockException("Send - Socket Not Connected");
    if (listening_)
        throw ESockException("Send - Cannot Send On A Listener Socket");
    outBuf_ += bytes;
    if (outBuf_.empty())
        return true;
    QPointer<TSock> alive(this);
    report(siSend, "Non-Blocking Outgoing Data");
    if (alive)
        flush();
    return true;
}

std::string TSock::Receive()
{
    return take(std::string::npos);
}

// A negative count takes nothing.
std::string TSock::Receive(int count)
{
    return take(count < 0 ? 0 : static_cast<std::size_t>(count));
}

std::string TSock::take(std::size_t wanted)
{
    if (fd_ < 0 && inBuf_.empty())
        throw ESockException("Receive - Socket Not Connected");
    if (listening_)
        throw ESockException("Receive - Cannot Receive On A Listener Socket");
    if (wanted >= inBuf_.size()) {
        std::string all;
        all.swap(inBuf_);
        return all;
    }
    std::string part = inBuf_.substr(0, wanted);
    inBuf_.erase(0, wanted);
    return part;
}

bool TSock::Accept(TSock*& newSock)
{
    newSock = nullptr;
    if (!listening_)
        throw ESockException("Accept - Socket Not In Listening Mode");

    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    const int fd = ::accept4(fd_, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
    // The accept event stays off between announcing a connection and this call (see acceptEvent).
    if (readNotifier_)
        readNotifier_->setEnabled(true);
    if (fd < 0) {
        report(siAccept, "Could Not Accept Connection");
        return false;
    }
    lastRemoteAddress_ = dotted(peer);

    auto* sock = new TSock(this);
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    sock->blocking_ = blocking_;
    sock->blockingTimeout_ = blockingTimeout_;
    sock->OnRead = OnRead;
    sock->OnWrite = OnWrite;
    sock->OnDisconnect = OnDisconnect;
    sock->OnInfo = OnInfo;
    sock->fd_ = fd;
    ++sock->generation_;
    sock->connected_ = true;
    sock->readNotifier_ = new Notifier(fd, QSocketNotifier::Read, sock);
    sock->writeNotifier_ = new Notifier(fd, QSocketNotifier::Write, sock);
    sock->updateWriteNotifier();
    newSock = sock;

    sock->setPortName(portName_);
    sock->setHostName(lastRemoteAddress_);
    report(siAccept, "Created New TSock Structure");
    return true;
}

int TSock::LocalPort() const
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (fd_ < 0 || getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    return ntohs(address.sin_port);
}

void TSock::report(TSocketInfo info, const std::string& message)
{
    if (!OnInfo)
        return;
    // A copy, so a handler that replaces OnInfo (or deletes this socket) does not destroy the
    // function while it runs.
    const InfoEvent handler = OnInfo;
    try {
        handler(this, info, message);
    } catch (...) {
        throw ESockException("Error here");
    }
}

void TSock::reportError(int error)
{
    const char* name = strerrorname_np(error);
    report(siError, "Error #" + std::to_string(error) + " (" + (name ? name : "UNKNOWN ERROR") + ")");
}

std::uint16_t TSock::lookupPort()
{
    report(siLookup, "Lookup Of Port " + portName_);
    if (startsWithDigit(portName_)) {
        long port = 0;
        for (char c : portName_) {
            if (c < '0' || c > '9')
                throw ESockException("Port Lookup - Could Not Find Service Entry");
            port = port * 10 + (c - '0');
            if (port > 65535)
                throw ESockException("Port Lookup - Could Not Find Service Entry");
        }
        return static_cast<std::uint16_t>(port);
    }
    const servent* service = getservbyname(portName_.c_str(), socketType_ == stStream ? "tcp" : "udp");
    if (!service)
        throw ESockException("Port Lookup - Could Not Find Service Entry");
    return ntohs(static_cast<std::uint16_t>(service->s_port));
}

// Returns the address in network byte order.
std::uint32_t TSock::lookupHost(const std::string& name)
{
    if (name.empty())
        return htonl(INADDR_ANY);
    report(siLookup, "Lookup Of Host " + name);
    if (startsWithDigit(name)) {
        in_addr address{};
        // A malformed address must not turn into a connection to some other machine.
        if (inet_aton(name.c_str(), &address) == 0)
            throw ESockException("Host Lookup - Could Not Find Host Entry");
        return address.s_addr;
    }
    const std::string key = lowerCase(name);
    if (auto cached = hostCache().find(key); cached != hostCache().end())
        return cached->second;

    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || !found)
        throw ESockException("Host Lookup - Could Not Find Host Entry");
    const std::uint32_t address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    hostCache()[key] = address;
    return address;
}

bool TSock::closeHandle()
{
    releaseNotifiers();
    bool closed = false;
    if (fd_ >= 0) {
        closed = ::close(fd_) == 0;
        fd_ = -1;
    }
    connected_ = false;
    connecting_ = false;
    return closed;
}

void TSock::releaseNotifiers()
{
    if (readNotifier_)
        readNotifier_->release();
    if (writeNotifier_)
        writeNotifier_->release();
    readNotifier_ = nullptr;
    writeNotifier_ = nullptr;
}

// Hands the whole outbound buffer to the network in one call. Bytes the network does not take
// stay queued for the next Send or write event; nothing goes out before the connection is made.
void TSock::flush()
{
    if (fd_ < 0 || !connected_ || outBuf_.empty())
        return;
    const ssize_t sent = ::send(fd_, outBuf_.data(), outBuf_.size(), MSG_NOSIGNAL);
    if (sent > 0) {
        outBuf_.erase(0, static_cast<std::size_t>(sent));
        sendFailed_ = false;
    } else if (sent < 0 && !wouldBlock(errno))
        sendFailed_ = true;
    updateWriteNotifier();
}

// The write notifier is level-triggered: left on with nothing to send it would wake the program on
// every pass, so it is on only while connecting or while bytes wait for room.
void TSock::updateWriteNotifier()
{
    if (!writeNotifier_)
        return;
    const bool wanted = connecting_ || (connected_ && !outBuf_.empty() && !sendFailed_);
    if (writeNotifier_->isEnabled() != wanted)
        writeNotifier_->setEnabled(wanted);
}

void TSock::readable()
{
    if (listening_)
        acceptEvent();
    else if (connected_)
        readEvent();
}

void TSock::writable()
{
    if (connecting_)
        connectEvent();
    else if (connected_)
        writeEvent();
}

void TSock::acceptEvent()
{
    // Like the platform the game was made for, a pending connection is announced once and again
    // only after Accept has been called; a listener that never accepts then does not spin.
    readNotifier_->setEnabled(false);
    if (OnAccept) {
        const NotifyEvent handler = OnAccept;
        handler(this);
    }
}

void TSock::readEvent()
{
    char block[receiveBlock];
    const ssize_t got = ::recv(fd_, block, sizeof block, 0);
    if (got == 0) {
        closeEvent();
        return;
    }
    if (got < 0) {
        const int error = errno;
        if (!wouldBlock(error)) {
            // A reset or failed connection is over: report it, then close as when the peer closes,
            // so that no dead connection stays open.
            QPointer<TSock> alive(this);
            std::exception_ptr failure;
            try {
                reportError(error);
            } catch (...) {
                failure = std::current_exception();
            }
            if (alive)
                closeEvent();
            if (failure)
                std::rethrow_exception(failure);
            return;
        }
    } else {
        inBuf_.append(block, static_cast<std::size_t>(got));
    }
    QPointer<TSock> alive(this);
    report(siReceive, "Non-Blocking Incoming Data");
    if (alive && OnRead) {
        const ReadEvent handler = OnRead;
        handler(this, static_cast<int>(std::min<std::size_t>(inBuf_.size(), INT_MAX)));
    }
}

void TSock::connectEvent()
{
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        error = errno;
    connecting_ = false;
    if (error != 0) {
        // The socket stays open but unconnected; nothing more will come from it.
        releaseNotifiers();
        reportError(error);
        return;
    }
    connected_ = true;
    readNotifier_->setEnabled(true);
    updateWriteNotifier();

    QPointer<TSock> alive(this);
    const unsigned generation = generation_;
    report(siConnect, "Non-Blocking Socket Connected");
    if (alive && OnConnect) {
        const NotifyEvent handler = OnConnect;
        handler(this);
    }
    // The first write event follows the connection: it sends what was queued while connecting.
    if (alive && generation_ == generation && connected_)
        writeEvent();
}

void TSock::writeEvent()
{
    QPointer<TSock> alive(this);
    if (!outBuf_.empty())
        Send(std::string());
    if (!alive)
        return;
    report(siSend, "Non-Blocking Outgoing Data");
    if (alive && OnWrite) {
        const NotifyEvent handler = OnWrite;
        handler(this);
    }
    if (alive)
        updateWriteNotifier();
}

void TSock::closeEvent()
{
    QPointer<TSock> alive(this);
    if (OnDisconnect) {
        const NotifyEvent handler = OnDisconnect;
        handler(this);
    }
    if (alive)
        Close();
}
