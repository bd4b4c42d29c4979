#pragma once
// Opening an address (a web page, a downloaded file) with the desktop's default handler. Windows
// ask through Opener, so tests swap in a recorder and no test starts a browser.

#include <QString>
#include <QStringList>
#include <QUrl>

class Opener {
public:
    virtual ~Opener() = default;
    // Hands the address to the desktop; false when it could not be handed over. Whether the
    // handler then manages to show it is not reported.
    virtual bool open(const QString& address) = 0;
};

// Through QDesktopServices. An absolute path opens that file; a web address (web::webAddressUrl)
// opens in the browser, "http://" put in front when it has no scheme; an address with another
// scheme opens as it is; anything else (a relative path, "http://" without a host) opens nothing.
class QtOpener : public Opener {
public:
    bool open(const QString& address) override;
    // What open() hands to the desktop for that address; an invalid URL when nothing is to be opened.
    static QUrl urlFor(const QString& address);
};

// The one QtOpener every window uses unless it is given another.
Opener& desktopOpener();

// Remembers every address in order; open() answers with `answer`. For tests.
class RecordingOpener : public Opener {
public:
    bool open(const QString& address) override
    {
        opened.append(address);
        return answer;
    }
    QStringList opened;
    bool answer = true;
};
