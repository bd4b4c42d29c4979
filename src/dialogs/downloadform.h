#pragma once
// Tdownload: offered on a solo start, it leads on to the solo game, to installing the Brisko
// Lobby or to a lobby already installed. It stays above the other windows.
//
// The download runs on the event loop, so the window (and its Stop button) stays live. The file
// is written under a name of our own in the data folder, through a temporary file that becomes
// the real one only when the whole body has arrived; a stopped or failed download leaves
// nothing behind. The finished file goes to the desktop's opener, which asks the player before
// anything is installed, never straight to execution; the game stays open and says where the file
// was saved.

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <functional>
#include <memory>

class HttpClient;
class HttpGet;
class MessageBoxes;
class Opener;
class QLabel;
class QPushButton;
class QSaveFile;

class Tdownload : public QDialog {
    Q_OBJECT
public:
    // The maker's download, unless TILVARO_LOBBY_URL names another address.
    static constexpr const char* kDefaultAddress = "http://www.tilvaro.org/lobby/bklsetup.exe";
    // What the downloaded file is called in the data folder, whatever the address ends in.
    static constexpr const char* kSavedName = "bklsetup.exe";
    // More than any lobby installer; a server that keeps sending is cut off here.
    static constexpr qint64 kMostBytes = qint64(512) << 20;
    // A server that sends nothing for this long ends the download, as Stop would.
    static constexpr int kStallMs = 60000;
    // The download state in infolabel's tag.
    enum State { Idle = 0, Started = 1, Stopped = 2 };

    // `background` is the table's picture, tiled; the file is saved in `folder`; the error box
    // goes through `boxes`, which must outlive the window.
    Tdownload(QWidget* parent, const QPixmap& background, const QString& folder, MessageBoxes& boxes);
    ~Tdownload() override;

    // The address from the environment, or kDefaultAddress.
    static QString configuredAddress();
    const QString& address() const { return address_; }
    void setAddress(const QString& address) { address_ = address; }
    // Where a finished download is saved.
    QString savedFile() const;

    // Not owned; the desktop's unless set.
    void setOpener(Opener& opener) { opener_ = &opener; }
    // Smaller limits, so tests need not send half a gigabyte or wait a minute.
    void setMostBytes(qint64 bytes) { mostBytes_ = bytes; }
    qint64 mostBytes() const { return mostBytes_; }
    void setStallTimeout(int milliseconds) { stallMs_ = milliseconds; }
    int stallTimeout() const { return stallMs_; }
    // The embedded HTTP module, loaded when the first download starts (kHttpModule unless set).
    void setHttpModule(const QString& resource) { httpModule_ = resource; }
    // Closes the game, as its Exit menu item does (for "Play with Others").
    void setExitGame(std::function<void()> exitGame) { exitGame_ = std::move(exitGame); }
    // Starts an installed lobby; false when there is none. startLobbyProgram() unless set.
    void setStartLobby(std::function<bool()> start) { startLobby_ = std::move(start); }

    int state() const;
    bool downloading() const { return get_ != nullptr; }

    void getbuttonClick();   // "Download And Install The Brisko Lobby Now"
    void abortbuttonClick(); // "Stop Download"
    void Button1Click();     // "Play Solo Game": hides the window; the solo game goes on
    void Button2Click();     // "Play with Others"

signals:
    // A download ended, whichever way; the buttons and labels show how.
    void downloadEnded();

private:
    // The texts and buttons below the progress lines.
    struct WaysOn {
        QLabel* solo = nullptr;
        QLabel* firewall = nullptr;
        QLabel* others = nullptr;
    };
    void buildAdvert();
    QLabel* buildOffer();
    void buildProgressLines();
    WaysOn buildWaysOn();
    void layOut(QLabel* offer, const WaysOn& ways);
    // The module's client, loaded on first use; nullptr, said on stderr, when it cannot be.
    HttpClient* client();

    void setState(State state);
    void headersArrived(int status, int lines, qint64 announced);
    void bodyArrived(const QByteArray& piece);
    void requestEnded(bool error, const QByteArray& rest);
    // The finished file goes to the desktop's opener.
    void handOver();
    // Drops the transfer and the temporary file without a word: the program is closing.
    void dropDownload();

    QString folder_;
    MessageBoxes& boxes_;
    Opener* opener_;
    std::function<void()> exitGame_;
    std::function<bool()> startLobby_;
    QString address_;

    QLabel* picture;
    QPushButton* getbutton;
    QPushButton* abortbutton;
    QLabel* infolabel;
    QLabel* infolabel3;
    QLabel* infolabel2;
    QPushButton* Button1;
    QPushButton* Button2;

    QString httpModule_;
    HttpClient* HttpCli1 = nullptr;
    std::unique_ptr<HttpGet> get_;
    // Counts the downloads started, so a late abort meant for one cannot end the next.
    unsigned transfer_ = 0;
    std::unique_ptr<QSaveFile> file_;
    qint64 received_ = 0;
    qint64 mostBytes_ = kMostBytes;
    int stallMs_ = kStallMs;
    bool headersShown_ = false;
    bool failed_ = false;
};
