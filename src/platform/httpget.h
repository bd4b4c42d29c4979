#pragma once
// The download window's HTTP client. Qt Network brings Kerberos, GSSAPI and libproxy with it, and
// linking them costs every start a tenth of its time for a window few players open; so the client
// is a module of its own, embedded in the program (src/resources) and loaded when the first
// download starts. As with the sounds (soundoutput.h), both sides are built from this tree with the
// same compiler and Qt, so a C++ interface is a safe boundary.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QObject;

// One plain HTTP/1.1 GET: no proxy, no HTTP/2, and a redirect is answered, never followed.
struct HttpRequest {
    QUrl url;
    // Sent in this order.
    QList<QPair<QByteArray, QByteArray>> headers;
    // The transfer ends as failed when nothing arrives for this long.
    int stallMs = 0;
};

// What the server's head said.
struct HttpHead {
    int status = 0;
    // Header lines, the status line among them.
    int lines = 0;
    // Content-Length, or -1 when the server did not announce one.
    qint64 length = -1;
};

// The events of one transfer, all on the thread that started it. Any of them may delete the
// HttpGet; no event follows its deletion.
struct HttpEvents {
    // The head has arrived (it may come again, for instance with the error that ends a transfer).
    std::function<void(const HttpHead&)> head;
    // The next piece of the body, never empty.
    std::function<void(const QByteArray&)> body;
    // The transfer is over: `failed` when it did not end cleanly (a network error, a timeout, an
    // abort); otherwise `rest` holds whatever body arrived with its end.
    std::function<void(bool failed, const QByteArray& rest)> finished;
};

class HttpGet {
public:
    // Deleting a running transfer drops it without any further event.
    virtual ~HttpGet() = default;
    // Ends the transfer as failed; `finished` comes before this returns, unless it came before.
    // Not from inside `head`: Qt may be reporting the transfer's error at that moment.
    virtual void abort() = 0;
};

class HttpClient {
public:
    virtual ~HttpClient() = default;
    virtual std::unique_ptr<HttpGet> get(const HttpRequest& request, HttpEvents events) = 0;
};

// The module's one entry point, looked up by this name; the parent owns what it returns.
#define TILVARO_HTTP_CLIENT_ENTRY "tilvaroMakeHttpClient"
extern "C" HttpClient* tilvaroMakeHttpClient(QObject* parent);

// Where the program carries the module.
inline constexpr const char* kHttpModule = ":/modules/httpget.so";

// A client from the module embedded at `resource` (loaded once per program), or nullptr with the
// reason in `why`.
HttpClient* makeHttpClient(QObject* parent, const QString& resource, QString* why);
