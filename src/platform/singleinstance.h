#pragma once
// One copy of the game per user and session. The first copy listens on a local socket named
// after "oksirb" and the user id; a later start finds it there, asks it to come forward and ends.
//
// The socket lives in the login session's runtime folder (XDG_RUNTIME_DIR), or in the temporary
// folder (TMPDIR, /tmp when unset) where the session has none, so copies started with different
// folders do not see each other: that is how a hosting and a joining copy run side by side on one
// machine.
//
// Plain POSIX local sockets, watched by QSocketNotifier: the same sockets a QLocalSocket uses, so
// any copy finds any other, without linking Qt Network into every start.

#include <QLockFile>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QSocketNotifier;
class QWidget;

class SingleInstance {
public:
    // The socket's place is fixed here, from XDG_RUNTIME_DIR or TMPDIR as they are now.
    explicit SingleInstance(const QString& name = QStringLiteral("oksirb"));
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Call once, before any window is made. True when another copy runs: it has been asked to
    // come forward, and this copy should end at once without showing or writing anything.
    // False when this copy is the first; it then listens for later starts. A socket file left
    // behind by a copy that crashed is removed when nobody answers on it.
    bool anotherInstanceRuns();

    // Called in the first copy, on the window thread, each time a later start asks it to come
    // forward. The shell points it at the table window (see bringWindowForward).
    void setBringForward(std::function<void()> handler) { bringForward_ = std::move(handler); }

    // False when this copy could not listen (an unwritable temporary folder): it runs anyway,
    // and later starts will not find it.
    bool isListening() const;
    QString socketPath() const { return socketPath_; }

private:
    struct Peer {
        std::unique_ptr<QSocketNotifier> readable;
        std::string received;
    };

    bool askRunningCopy();
    void listen();
    void stopListening();
    void acceptRequests();
    void readRequest(int peer);
    void dropPeer(int peer);

    QString socketPath_;
    int server_ = -1;
    std::unique_ptr<QSocketNotifier> serverReadable_;
    std::map<int, Peer> peers_;
    std::function<void()> bringForward_;
};

// Restores the window if it is minimised, raises it and gives it the focus (as far as the
// window manager allows a program to take the focus).
void bringWindowForward(QWidget* window);

// The marker "chickenfoot": a lock file in the same per-user place, taken when the table is
// made and held while the program runs. Nothing in the game looks at it; it only tells other
// programs that the game is running.
class RunningMarker {
public:
    explicit RunningMarker(const QString& name = QStringLiteral("chickenfoot"));
    bool isHeld() const { return lock_.isLocked(); }

private:
    QLockFile lock_;
};
