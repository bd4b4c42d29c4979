#include "platform/webaddress.h"

namespace web {

QString schemeOf(const QString& text)
{
    const QString trimmed = text.trimmed();
    const qsizetype colon = trimmed.indexOf(QLatin1Char(':'));
    if (colon <= 0 || !trimmed.at(0).isLetter() || trimmed.at(0).unicode() > 0x7F)
        return QString();
    for (qsizetype i = 1; i < colon; ++i) {
        const QChar c = trimmed.at(i);
        const bool allowed = c.unicode() <= 0x7F && (c.isLetterOrNumber() || c == QLatin1Char('+') || c == QLatin1Char('-'));
        if (!allowed)
            return QString();
    }
    return trimmed.left(colon).toLower();
}

QUrl webAddressUrl(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QUrl();
    const QChar first = trimmed.at(0);
    if (first == QLatin1Char('/') || first == QLatin1Char('\\') || first == QLatin1Char('~') || first == QLatin1Char('.'))
        return QUrl();
    const QString scheme = schemeOf(trimmed);
    QUrl url;
    if (scheme.isEmpty())
        url = QUrl(QStringLiteral("http://") + trimmed, QUrl::TolerantMode);
    else if ((scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
             trimmed.mid(scheme.size() + 1, 2) == QLatin1String("//"))
        url = QUrl(trimmed, QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty())
        return QUrl();
    return url;
}

} // namespace web
