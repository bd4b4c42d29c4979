#include "platform/turl.h"

#include "platform/opener.h"

QString urlPrefix(TURLType type)
{
    switch (type) {
    case TURLType::utFile: return QStringLiteral("file://");
    case TURLType::utFtp: return QStringLiteral("ftp://");
    case TURLType::utGopher: return QStringLiteral("gopher://");
    case TURLType::utHttp: return QStringLiteral("http://");
    case TURLType::utHttps: return QStringLiteral("https://");
    case TURLType::utMailto: return QStringLiteral("mailto:");
    case TURLType::utNews: return QStringLiteral("news:");
    case TURLType::utTelnet: return QStringLiteral("telnet:");
    case TURLType::utWais: return QStringLiteral("wais:");
    case TURLType::utnone: break;
    }
    return QString();
}

bool run_program(Opener& opener, const QString& file) { return opener.open(file); }

bool TURL::open() const
{
    if (URL.isEmpty())
        return false;
    return run_program(*opener_, address());
}
