#include "platform/opener.h"

#include "platform/webaddress.h"

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
    // "www.example.com" is a web address without its scheme, never a file of the current folder.
    if (const QUrl web = web::webAddressUrl(trimmed); web.isValid())
        return web;
    // Other schemes ("mailto:", "file:") are opened as they are; anything else is nothing.
    if (web::schemeOf(trimmed).isEmpty())
        return QUrl();
    const QUrl given(trimmed, QUrl::StrictMode);
    return given.isValid() ? given : QUrl();
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
