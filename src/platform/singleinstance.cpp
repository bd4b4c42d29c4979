#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The one request a later start makes.
constexpr char kBringForward[] = "forward\n";
constexpr qint64 kLongestRequest = 64;
// How long a start waits for the running copy (or for another copy that starts at the same time).
constexpr int kWaitMs = 2000;

// The login session's own folder for sockets when the desktop gives one, else the temporary folder.
QString perUserPath(const QString& name)
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("%1-%2").arg(name).arg(getuid()));
}

// The socket's address, or false when the path is too long for one.
bool addressFor(const QString& path, sockaddr_un& address)
{
    const QByteArray bytes = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (bytes.isEmpty() || std::size_t(bytes.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, bytes.constData(), std::size_t(bytes.size()));
    return true;
}

void sendAll(int fd, const char* text, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::send(fd, text, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        text += n;
        size -= std::size_t(n);
    }
}

} // namespace

SingleInstance::SingleInstance(const QString& name) : socketPath_(perUserPath(name)) {}

SingleInstance::~SingleInstance() { stopListening(); }

bool SingleInstance::anotherInstanceRuns()
{
    // Two copies started at the same moment must not both find nobody and both listen, each
    // removing the other's socket, so looking and taking the place happen under a lock. Without
    // the lock (an unwritable folder) we go on: listening will fail the same way.
    QLockFile guard(socketPath_ + QStringLiteral(".lock"));
    guard.tryLock(kWaitMs);
    if (askRunningCopy())
        return true;
    listen();
    return false;
}

bool SingleInstance::isListening() const { return server_ >= 0; }

bool SingleInstance::askRunningCopy()
{
    sockaddr_un address;
    if (!addressFor(socketPath_, address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // A local connection is taken at once while the running copy's queue has room; a full queue
    // keeps us waiting, up to the time limit.
    const timeval limit{kWaitMs / 1000, (kWaitMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    int result;
    do
        result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    while (result < 0 && errno == EINTR);
    if (result < 0) {
        // A missing file or a refused connection means nobody is there. A copy that is alive
        // but too busy to take the connection in time still counts as running.
        const bool busy = errno == EAGAIN || errno == ETIMEDOUT || errno == EINPROGRESS;
        ::close(fd);
        return busy;
    }
    sendAll(fd, kBringForward, sizeof kBringForward - 1);
    ::close(fd);
    return true;
}

void SingleInstance::listen()
{
    const auto fail = [this](const char* what) {
        std::fprintf(stderr, "tilvaro: cannot listen on %s: %s: %s\n", qPrintable(socketPath_), what,
                     std::strerror(errno));
        stopListening();
    };
    sockaddr_un address;
    if (!addressFor(socketPath_, address)) {
        errno = ENAMETOOLONG;
        return fail("address");
    }
    // Nobody answered, so a socket file still there was left by a copy that crashed.
    ::unlink(address.sun_path);
    server_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (server_ < 0)
        return fail("socket");
    if (::bind(server_, reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0)
        return fail("bind");
    // Only this user may ask this copy to come forward.
    if (::chmod(address.sun_path, S_IRWXU) < 0)
        return fail("chmod");
    if (::listen(server_, 16) < 0)
        return fail("listen");
    serverReadable_ = std::make_unique<QSocketNotifier>(server_, QSocketNotifier::Read);
    QObject::connect(serverReadable_.get(), &QSocketNotifier::activated, serverReadable_.get(),
                     [this] { acceptRequests(); });
}

void SingleInstance::stopListening()
{
    for (const auto& [peer, entry] : peers_)
        ::close(peer);
    peers_.clear();
    serverReadable_.reset();
    if (server_ < 0)
        return;
    ::close(server_);
    server_ = -1;
    // The next start finds the place empty.
    sockaddr_un address;
    if (addressFor(socketPath_, address))
        ::unlink(address.sun_path);
}

void SingleInstance::acceptRequests()
{
    for (;;) {
        const int peer = ::accept4(server_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (peer < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // EAGAIN: all taken; anything else waits for the next readiness
        }
        Peer& entry = peers_[peer];
        entry.readable = std::make_unique<QSocketNotifier>(peer, QSocketNotifier::Read);
        QObject::connect(entry.readable.get(), &QSocketNotifier::activated, entry.readable.get(),
                         [this, peer] { readRequest(peer); });
        // The request may have arrived with the connection.
        readRequest(peer);
    }
}

void SingleInstance::readRequest(int peer)
{
    const auto found = peers_.find(peer);
    if (found == peers_.end())
        return;
    std::string& received = found->second.received;
    char buffer[kLongestRequest + 1];
    ssize_t n;
    do
        n = ::read(peer, buffer, sizeof buffer);
    while (n < 0 && errno == EINTR);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        return;
    if (n > 0)
        received.append(buffer, std::size_t(n));
    // One line of at most 63 characters; a peer that sends more, ends or fails is let go.
    const std::size_t end = received.find('\n');
    if (end == std::string::npos && n > 0 && received.size() <= std::size_t(kLongestRequest))
        return;
    const bool forward = end != std::string::npos && end < std::size_t(kLongestRequest) - 1 &&
                         received.compare(0, end + 1, kBringForward) == 0;
    dropPeer(peer);
    if (forward && bringForward_)
        bringForward_();
}

void SingleInstance::dropPeer(int peer)
{
    const auto found = peers_.find(peer);
    if (found == peers_.end())
        return;
    // Not deleted here: this may run inside the notifier's own signal.
    found->second.readable->setEnabled(false);
    found->second.readable.release()->deleteLater();
    peers_.erase(found);
    ::close(peer);
}

void bringWindowForward(QWidget* window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->raise();
    window->activateWindow();
}

RunningMarker::RunningMarker(const QString& name) : lock_(perUserPath(name))
{
    // Held for the whole run; only a copy that has ended leaves a lock the next one may take.
    lock_.setStaleLockTime(0);
    lock_.tryLock(0);
}
