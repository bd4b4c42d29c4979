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

// Host names resolved so far, for the whole process, keyed in lower case; the ports are left 0.
std::map<std::string, std::vector<sockaddr_storage>>& hostCache()
{
    static std::map<std::string, std::vector<sockaddr_storage>> cache;
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

// An IPv4 peer of a dual-stack listener arrives as ::ffff:a.b.c.d and is shown as a.b.c.d.
std::string addressText(const sockaddr_storage& address)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET6) {
        const auto& six = reinterpret_cast<const sockaddr_in6&>(address);
        if (IN6_IS_ADDR_V4MAPPED(&six.sin6_addr))
            inet_ntop(AF_INET, &six.sin6_addr.s6_addr[12], text, sizeof text);
        else
            inet_ntop(AF_INET6, &six.sin6_addr, text, sizeof text);
    } else {
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in&>(address).sin_addr, text, sizeof text);
    }
    return text;
}

socklen_t lengthOf(const sockaddr_storage& address)
{
    return address.ss_family == AF_INET6 ? sizeof(sockaddr_in6) : sizeof(sockaddr_in);
}

void setPort(sockaddr_storage& address, std::uint16_t port)
{
    if (address.ss_family == AF_INET6)
        reinterpret_cast<sockaddr_in6&>(address).sin6_port = htons(port);
    else
        reinterpret_cast<sockaddr_in&>(address).sin_port = htons(port);
}

sockaddr_storage ipv4(std::uint32_t networkOrder)
{
    sockaddr_storage address{};
    auto& four = reinterpret_cast<sockaddr_in&>(address);
    four.sin_family = AF_INET;
    four.sin_addr.s_addr = networkOrder;
    return address;
}

// Every address getaddrinfo gives for the name, in its order, without duplicates.
std::vector<sockaddr_storage> resolve(const std::string& name, int flags)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags;
    addrinfo* found = nullptr;
    std::vector<sockaddr_storage> addresses;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0)
        return addresses;
    for (const addrinfo* entry = found; entry; entry = entry->ai_next) {
        if ((entry->ai_family != AF_INET && entry->ai_family != AF_INET6) || entry->ai_addrlen > sizeof(sockaddr_storage))
            continue;
        sockaddr_storage address{};
        std::memcpy(&address, entry->ai_addr, entry->ai_addrlen);
        const bool seen = std::any_of(addresses.begin(), addresses.end(), [&](const sockaddr_storage& other) {
            return std::memcmp(&other, &address, sizeof address) == 0;
        });
        if (!seen)
            addresses.push_back(address);
    }
    freeaddrinfo(found);
    return addresses;
}

bool wouldBlock(int error)
{
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

bool bindListener(int fd, const sockaddr_storage& address)
{
    // Lets a host start again at once after a game although its old connections linger in
    // TIME_WAIT; a port another program listens on stays refused.
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    return ::bind(fd, reinterpret_cast<const sockaddr*>(&address), lengthOf(address)) == 0;
}

} // namespace

std::vector<sockaddr_storage> (*TSock::Resolver)(const std::string& name, std::uint16_t port) = nullptr;

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

    const std::uint16_t port = lookupPort();
    // One socket on :: takes IPv6 and IPv4 tables alike. A machine without IPv6 refuses to make
    // or bind it; then the host listens on IPv4 only.
    sockaddr_storage address{};
    auto& six = reinterpret_cast<sockaddr_in6&>(address);
    six.sin6_family = AF_INET6;
    six.sin6_addr = in6addr_any;
    setPort(address, port);
    bool bound = false;
    int fd = ::socket(AF_INET6, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd >= 0) {
        const int off = 0;
        setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off);
        bound = bindListener(fd, address);
        if (!bound && (errno == EADDRNOTAVAIL || errno == EAFNOSUPPORT)) {
            ::close(fd);
            fd = -1;
        }
    }
    if (fd < 0) {
        address = ipv4(htonl(INADDR_ANY));
        setPort(address, port);
        fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd >= 0)
            bound = bindListener(fd, address);
    }
    if (fd < 0)
        throw ESockException("Listen - Could Not Create Socket");
    fd_ = fd;
    ++generation_;
    // After a failure the handle stays open, so a further attempt is refused until Close.
    if (!bound)
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
    const std::uint16_t port = lookupPort();
    peers_ = lookupHost(hostName_, port);
    nextPeer_ = 0;
    connectNext(true);
    return connected_;
}

// Starts connecting to the next address that takes a connection attempt. An address that fails
// gives way to the next one silently; only the last one's failure is reported.
void TSock::connectNext(bool opening)
{
    while (nextPeer_ < peers_.size()) {
        const sockaddr_storage& peer = peers_[nextPeer_++];
        const bool last = nextPeer_ == peers_.size();
        const int fd = ::socket(peer.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            if (!last)
                continue;
            if (opening)
                throw ESockException("Open - Could Not Create Socket");
            reportError(errno);
            return;
        }
        const int on = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        fd_ = fd;
        ++generation_;
        sendFailed_ = false;

        if (::connect(fd, reinterpret_cast<const sockaddr*>(&peer), lengthOf(peer)) == 0 || errno == EINPROGRESS) {
            connecting_ = true;
            readNotifier_ = new Notifier(fd, QSocketNotifier::Read, this);
            readNotifier_->setEnabled(false);
            writeNotifier_ = new Notifier(fd, QSocketNotifier::Write, this);
            updateWriteNotifier();
            return;
        }
        const int error = errno;
        if (!last) {
            closeHandle();
            continue;
        }
        // Refused at once: the same report a refusal arriving later gives, and the socket stays
        // unconnected.
        reportError(error);
        return;
    }
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

    sockaddr_storage peer{};
    socklen_t length = sizeof peer;
    const int fd = ::accept4(fd_, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
    // The accept event stays off between announcing a connection and this call (see acceptEvent).
    if (readNotifier_)
        readNotifier_->setEnabled(true);
    if (fd < 0) {
        report(siAccept, "Could Not Accept Connection");
        return false;
    }
    lastRemoteAddress_ = addressText(peer);

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
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (fd_ < 0 || getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
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

// The addresses to try, each with the port: a dotted IPv4 address, an IPv6 literal with or
// without brackets, or a host name with every address the resolver gives.
std::vector<sockaddr_storage> TSock::lookupHost(const std::string& name, std::uint16_t port)
{
    std::vector<sockaddr_storage> addresses;
    if (name.empty()) {
        addresses.push_back(ipv4(htonl(INADDR_ANY)));
    } else {
        report(siLookup, "Lookup Of Host " + name);
        if (Resolver) {
            addresses = Resolver(name, port);
            if (addresses.empty())
                throw ESockException("Host Lookup - Could Not Find Host Entry");
            return addresses;
        }
        const bool bracketed = name.size() >= 2 && name.front() == '[' && name.back() == ']';
        if (bracketed || name.find(':') != std::string::npos) {
            addresses = resolve(bracketed ? name.substr(1, name.size() - 2) : name, AI_NUMERICHOST);
        } else if (startsWithDigit(name)) {
            in_addr address{};
            // A malformed address must not turn into a connection to some other machine.
            if (inet_aton(name.c_str(), &address) != 0)
                addresses.push_back(ipv4(address.s_addr));
        } else {
            const std::string key = lowerCase(name);
            if (auto cached = hostCache().find(key); cached != hostCache().end()) {
                addresses = cached->second;
            } else {
                addresses = resolve(name, 0);
                if (!addresses.empty())
                    hostCache()[key] = addresses;
            }
        }
        if (addresses.empty())
            throw ESockException("Host Lookup - Could Not Find Host Entry");
    }
    for (sockaddr_storage& address : addresses)
        setPort(address, port);
    return addresses;
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
    if (error != 0 && nextPeer_ < peers_.size()) {
        closeHandle();
        connectNext(false);
        return;
    }
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
