#include "platform/singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <cstdio>
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

} // namespace

SingleInstance::SingleInstance(const QString& name) : socketPath_(perUserPath(name)) {}

// Closing the server removes the socket file, so the next start finds the place empty.
SingleInstance::~SingleInstance() = default;

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

bool SingleInstance::isListening() const { return server_ && server_->isListening(); }

bool SingleInstance::askRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kWaitMs)) {
        // A missing file or a refused connection means nobody is there. A copy that is alive
        // but too busy to take the connection in time still counts as running.
        return socket.error() == QLocalSocket::SocketTimeoutError;
    }
    socket.write(kBringForward);
    socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWaitMs);
    return true;
}

void SingleInstance::listen()
{
    // Nobody answered, so a socket file still there was left by a copy that crashed.
    QLocalServer::removeServer(socketPath_);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath_)) {
        std::fprintf(stderr, "tilvaro: cannot listen on %s: %s\n", qPrintable(socketPath_),
                     qPrintable(server_->errorString()));
        server_.reset();
        return;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [this] { acceptRequests(); });
}

void SingleInstance::acceptRequests()
{
    while (QLocalSocket* peer = server_->nextPendingConnection()) {
        QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        auto readRequest = [this, peer] {
            if (!peer->canReadLine()) {
                if (peer->bytesAvailable() > kLongestRequest)
                    peer->disconnectFromServer();
                return;
            }
            const QByteArray request = peer->readLine(kLongestRequest);
            peer->disconnectFromServer();
            if (request == kBringForward && bringForward_)
                bringForward_();
        };
        QObject::connect(peer, &QLocalSocket::readyRead, peer, readRequest);
        // The request may have arrived with the connection.
        readRequest();
    }
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
