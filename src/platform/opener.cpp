#include "platform/opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

QUrl QtOpener::urlFor(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return QUrl();
    if (QDir::isAbsolutePath(trimmed))
        return QUrl::fromLocalFile(trimmed);
    // A scheme has no dot: "www.example.com:8080" is a host and its port.
    if (QUrl given(trimmed, QUrl::StrictMode);
        given.isValid() && given.scheme().size() > 1 && !given.scheme().contains(QLatin1Char('.')))
        return given;
    // "www.example.com": a web address without its scheme, never a file of the current folder.
    return QUrl(QStringLiteral("http://") + trimmed, QUrl::TolerantMode);
}

bool QtOpener::open(const QString& address)
{
    const QUrl url = urlFor(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

Opener& desktopOpener()
{
    static QtOpener opener;
    return opener;
}
