#pragma once
// TSock: the event-driven TCP socket component behind every connection of the game.
// It lives on the main thread: readiness (data arrived, room to send, connection pending,
// connection made, connection closed) arrives through QSocketNotifier and is turned into calls
// of the event handlers below, one at a time, like every timer tick. It moves bytes unchanged
// and does no framing.
//
// The game uses stream sockets, non-blocking, accepted by hand. Every stream socket sets
// TCP_NODELAY and hands each Send to the network in one call.

#include <QObject>

#include <sys/socket.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class QSocketNotifier;

class ESockException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TSocketType { stStream = 0, stDatagram = 1 };
enum TLineBreak { lbCRLF = 0, lbCR = 1, lbLF = 2, lbSmart = 3 };
// Report codes passed to OnInfo with a message text.
enum TSocketInfo { siLookup = 0, siConnect, siClose, siListen, siReceive, siSend, siAccept, siError };

// "Lookup", "Connect", "Close", "Listen", "Receive", "Send", "Accept", "Error".
const char* socketInfoName(TSocketInfo info);

class TSock : public QObject {
public:
    using NotifyEvent = std::function<void(TSock* sender)>;
    using InfoEvent = std::function<void(TSock* sender, TSocketInfo info, const std::string& message)>;
    using ReadEvent = std::function<void(TSock* sender, int count)>;

    explicit TSock(QObject* owner = nullptr);
    // A listening or connected socket is closed first, with the reports of Close.
    ~TSock() override;

    TSocketType SocketType() const { return socketType_; }
    void setSocketType(TSocketType type);
    const std::string& HostName() const { return hostName_; }
    void setHostName(const std::string& name);
    const std::string& PortName() const { return portName_; }
    void setPortName(const std::string& name);
    bool Blocking() const { return blocking_; }
    void setBlocking(bool blocking);
    bool AutoAccept() const { return autoAccept_; }
    void setAutoAccept(bool autoAccept) { autoAccept_ = autoAccept; }
    bool Listen() const { return listening_; }
    void setListen(bool listen);
    TLineBreak LineBreak() const { return lineBreak_; }
    void setLineBreak(TLineBreak lineBreak) { lineBreak_ = lineBreak; }
    int BlockingTimeout() const { return blockingTimeout_; }
    void setBlockingTimeout(int seconds) { blockingTimeout_ = seconds; }
    bool Connected() const { return connected_; }
    // The general-purpose number every component carries; the host keeps the connection number here.
    int Tag = 0;

    NotifyEvent OnConnect;
    NotifyEvent OnDisconnect;
    InfoEvent OnInfo;
    ReadEvent OnRead;
    NotifyEvent OnWrite;
    NotifyEvent OnAccept;

    // Creates the socket and starts connecting; returns Connected (false while a non-blocking
    // connection is still being made; the connect event reports it later).
    bool Open();
    // Closes the handle; true when a valid handle was closed without error.
    bool Close();
    // Queues the bytes and hands the whole outbound buffer to the network in one call.
    bool Send(const std::string& bytes);
    // Takes every buffered received byte (a closed socket still yields what it buffered).
    std::string Receive();
    std::string Receive(int count);
    // On a listening socket, takes one pending connection as a new TSock owned by this one.
    bool Accept(TSock*& newSock);

    // The port a listening socket is bound to (PortName "0" lets the system choose, for tests).
    int LocalPort() const;
    // The platform's socket handle, -1 while closed.
    int Handle() const { return fd_; }
    // Received bytes not yet taken by Receive.
    std::size_t PendingInput() const { return inBuf_.size(); }
    // Bytes queued by Send that the network has not taken yet.
    std::size_t PendingOutput() const { return outBuf_.size(); }
    // Address of the last accepted peer in its family's usual form ("192.0.2.7", "2001:db8::7");
    // an IPv4 peer of a dual-stack listener reads as IPv4.
    const std::string& LastRemoteAddress() const { return lastRemoteAddress_; }

    // Stands in for the system resolver when set (tests): takes a host name and port and returns
    // the addresses to try, in order, each with its own port.
    static std::vector<sockaddr_storage> (*Resolver)(const std::string& name, std::uint16_t port);

private:
    TSocketType socketType_ = stStream;
    std::string hostName_;
    std::string portName_;
    bool blocking_ = false;
    bool autoAccept_ = false;
    bool listening_ = false;
    TLineBreak lineBreak_ = lbSmart;
    int blockingTimeout_ = 0;
    bool connected_ = false;
    std::string lastRemoteAddress_;

    class Notifier;
    friend class Notifier;

    int fd_ = -1;
    // Counts handles, so an event that ran a handler can tell whether its socket was closed
    // (and perhaps opened again) meanwhile.
    unsigned generation_ = 0;
    bool connecting_ = false;
    // A hard send error: the read side reports the broken connection; until then the bytes stay
    // queued without waking the write notifier on every pass.
    bool sendFailed_ = false;
    // The addresses Open found for the host, tried in order until one connects.
    std::vector<sockaddr_storage> peers_;
    std::size_t nextPeer_ = 0;
    std::string inBuf_;
    std::string outBuf_;
    // Readable (or a pending connection on a listener) and writable.
    Notifier* readNotifier_ = nullptr;
    Notifier* writeNotifier_ = nullptr;

    void report(TSocketInfo info, const std::string& message);
    void reportError(int error);
    std::uint16_t lookupPort();
    std::vector<sockaddr_storage> lookupHost(const std::string& name, std::uint16_t port);
    void connectNext(bool opening);
    void adoptHandle(int fd, bool connecting);
    bool closeHandle();
    void releaseNotifiers();
    std::string take(std::size_t wanted);
    void flush();
    void updateWriteNotifier();
    void readable();
    void writable();
    void acceptEvent();
    void readEvent();
    void connectEvent();
    void writeEvent();
    void closeEvent();
};
