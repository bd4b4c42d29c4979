#pragma once
// TURL: an address and its scheme, opened with the desktop's default handler. The about box's
// URL1 holds the maker's web site; the table's banner opens it too.

#include <QString>

class Opener;

// The schemes, in this order; utnone puts nothing in front of the address.
enum class TURLType { utFile, utFtp, utGopher, utHttp, utHttps, utMailto, utNews, utTelnet, utWais, utnone };

// "file://", "ftp://", ... "wais:"; empty for utnone.
QString urlPrefix(TURLType type);

// Asks the desktop to open `file` (a program, a document or an address) with its default
// action. The whole text is handed over as it is, however long. False when the desktop refused.
bool run_program(Opener& opener, const QString& file);

class TURL {
public:
    // Not owned; must outlive the component.
    explicit TURL(Opener& opener) : opener_(&opener) {}

    QString URL;                     // the address without its scheme
    TURLType URLType = TURLType::utHttp;

    void setOpener(Opener& opener) { opener_ = &opener; }
    // The scheme's prefix followed by URL.
    QString address() const { return urlPrefix(URLType) + URL; }
    // Hands address() to the desktop. An empty URL opens nothing and fails.
    bool open() const;

private:
    Opener* opener_;
};
