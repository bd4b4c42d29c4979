// Qt Network's side of the download; see platform/httpget.h for why it is a module.
#include "platform/httpget.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>

namespace {

// An event may delete this object, so each handler calls out last, through a copy of the
// callback: the member it came from may be gone by the time the call returns.
class QtHttpGet : public QObject, public HttpGet {
public:
    QtHttpGet(QNetworkReply* reply, HttpEvents events) : reply_(reply), events_(std::move(events))
    {
        connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
            HttpHead head;
            head.lines = int(reply_->rawHeaderPairs().size()) + 1;
            head.status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            bool known = false;
            const qint64 length = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
            head.length = known ? length : -1;
            if (auto event = events_.head)
                event(head);
        });
        connect(reply_, &QNetworkReply::readyRead, this, [this] {
            const QByteArray piece = reply_->readAll();
            if (piece.isEmpty())
                return;
            if (auto event = events_.body)
                event(piece);
        });
        connect(reply_, &QNetworkReply::finished, this, [this] {
            const bool failed = reply_->error() != QNetworkReply::NoError;
            // A failed reply is closed: there is nothing left to read.
            const QByteArray rest = failed ? QByteArray() : reply_->readAll();
            if (auto event = events_.finished)
                event(failed, rest);
        });
    }

    ~QtHttpGet() override
    {
        if (!reply_) // gone with its manager
            return;
        reply_->disconnect(this);
        if (!reply_->isFinished())
            reply_->abort();
        // Not at once: this may be running inside one of the reply's own signals.
        reply_->deleteLater();
    }

    void abort() override
    {
        if (reply_ && !reply_->isFinished())
            reply_->abort();
    }

private:
    QPointer<QNetworkReply> reply_;
    HttpEvents events_;
};

class QtHttpClient : public QObject, public HttpClient {
public:
    explicit QtHttpClient(QObject* parent) : QObject(parent), manager_(new QNetworkAccessManager(this))
    {
        manager_->setProxy(QNetworkProxy::NoProxy);
    }

    std::unique_ptr<HttpGet> get(const HttpRequest& request, HttpEvents events) override
    {
        QNetworkRequest asked(request.url);
        for (const auto& [name, value] : request.headers)
            asked.setRawHeader(name, value);
        asked.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
        asked.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        asked.setTransferTimeout(request.stallMs);
        return std::make_unique<QtHttpGet>(manager_->get(asked), std::move(events));
    }

private:
    QNetworkAccessManager* manager_;
};

} // namespace

extern "C" __attribute__((visibility("default"))) HttpClient* tilvaroMakeHttpClient(QObject* parent)
{
    return new QtHttpClient(parent);
}
