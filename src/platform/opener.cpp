#include "platform/opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

bool QtOpener::open(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return false;
    QUrl url;
    if (QDir::isAbsolutePath(trimmed))
        url = QUrl::fromLocalFile(trimmed);
    else if (QUrl given(trimmed, QUrl::StrictMode); given.isValid() && given.scheme().size() > 1)
        url = given;
    else
        // "www.example.com": a web address without its scheme, never a file of the current folder.
        url = QUrl(QStringLiteral("http://") + trimmed, QUrl::TolerantMode);
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}
