#include "dialogs/downloadform.h"

#include "dialogs/background.h"
#include "platform/httpget.h"
#include "platform/lobbyprogram.h"
#include "platform/messagebox.h"
#include "platform/opener.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <cstdio>

namespace {

constexpr QSize kAdvertSize(436, 360);

QLabel* wrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

Tdownload::Tdownload(QWidget* parent, const QPixmap& background, const QString& folder, MessageBoxes& boxes)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      folder_(folder), boxes_(boxes), opener_(&desktopOpener()),
      startLobby_(startLobbyProgram), address_(configuredAddress()), httpModule_(QLatin1String(kHttpModule))
{
    setObjectName(QStringLiteral("Tdownload"));
    setWindowTitle(tr("Download The Brisko Lobby"));
    setTiledBackground(this, background);

    buildAdvert();
    QLabel* offer = buildOffer();
    buildProgressLines();
    const WaysOn waysOn = buildWaysOn();
    layOut(offer, waysOn);
    // A program that quits while a download runs must neither keep nor install half a file.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &Tdownload::dropDownload);
}

void Tdownload::buildAdvert()
{
    picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(QPixmap(QStringLiteral(":/advert/lobby.jpg")));
    picture->setFixedSize(kAdvertSize);
    picture->setFrameStyle(QFrame::Box | QFrame::Plain);
    picture->setLineWidth(0);
}

QLabel* Tdownload::buildOffer()
{
    auto* offer = wrappedLabel(tr("Download The Brisko Lobby Now to play this  and other exciting games "
                                              "online with other players! "),
                               this);
    offer->setObjectName(QStringLiteral("label_offer"));
    QFont heading = offer->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.15);
    offer->setFont(heading);

    getbutton = new QPushButton(tr("Download And Install The Brisko Lobby Now"), this);
    getbutton->setObjectName(QStringLiteral("getbutton"));
    connect(getbutton, &QPushButton::clicked, this, &Tdownload::getbuttonClick);
    abortbutton = new QPushButton(tr("Stop Download"), this);
    abortbutton->setObjectName(QStringLiteral("abortbutton"));
    abortbutton->setEnabled(false);
    connect(abortbutton, &QPushButton::clicked, this, &Tdownload::abortbuttonClick);
    return offer;
}

void Tdownload::buildProgressLines()
{
    infolabel = new QLabel(this);
    infolabel->setObjectName(QStringLiteral("infolabel"));
    infolabel->setProperty("tag", int(Idle));
    infolabel3 = new QLabel(this);
    infolabel3->setObjectName(QStringLiteral("infolabel3"));
    // It tells where the file was saved, which may take more than a line; the player may copy it.
    infolabel3->setWordWrap(true);
    infolabel3->setTextInteractionFlags(Qt::TextSelectableByMouse);
    infolabel2 = new QLabel(this);
    infolabel2->setObjectName(QStringLiteral("infolabel2"));
    infolabel2->hide();
    // Both progress lines keep their height while empty, so nothing below them jumps.
    for (QLabel* line : {infolabel, infolabel3}) {
        line->setMinimumHeight(line->fontMetrics().height());
        QFont bold = line->font();
        bold.setBold(true);
        line->setFont(bold);
        line->setStyleSheet(QStringLiteral("color: #0b4a1c"));
    }
}

Tdownload::WaysOn Tdownload::buildWaysOn()
{
    WaysOn ways;
    ways.solo = wrappedLabel(
        tr("To proceed to the game without the ability to play against others click the button below."), this);
    Button1 = new QPushButton(tr("Play Solo Game"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &Tdownload::Button1Click);

    ways.firewall = wrappedLabel(tr("Note: Even if you are playing offline, you will need to configure your "
                                                "FIREWALL to allow the game to access the internet components."),
                                 this);
    QFont small = ways.firewall->font();
    small.setItalic(true);
    small.setPointSizeF(small.pointSizeF() * 0.9);
    ways.firewall->setFont(small);
    ways.others = wrappedLabel(tr("If you already have The Brisko Lobby and you wish to play with others "
                                              "then click the button below to close this game and open The Brisko Lobby."),
                               this);
    Button2 = new QPushButton(tr("Play with Others"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button2, &QPushButton::clicked, this, &Tdownload::Button2Click);
    return ways;
}

void Tdownload::layOut(QLabel* offer, const WaysOn& ways)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    column->addWidget(offer);
    column->addSpacing(4);
    column->addWidget(getbutton);
    column->addWidget(abortbutton, 0, Qt::AlignLeft);
    column->addWidget(infolabel);
    column->addWidget(infolabel3);
    column->addStretch();
    column->addWidget(ways.solo);
    column->addWidget(Button1, 0, Qt::AlignLeft);
    column->addWidget(ways.firewall);
    column->addStretch();
    column->addWidget(ways.others);
    column->addWidget(Button2, 0, Qt::AlignLeft);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 14, 12);
    layout->setSpacing(14);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(column, 1);
    setFixedWidth(kAdvertSize.width() + 12 + 14 + 14 + 330);
    setFixedHeight(std::max(kAdvertSize.height() + 24, layout->heightForWidth(width())));
}

HttpClient* Tdownload::client()
{
    if (!HttpCli1) {
        QString why;
        HttpCli1 = makeHttpClient(this, httpModule_, &why);
        if (!HttpCli1)
            std::fprintf(stderr, "tilvaro: cannot download: %s\n", qPrintable(why));
    }
    return HttpCli1;
}

Tdownload::~Tdownload() { dropDownload(); }

QString Tdownload::configuredAddress()
{
    const QString configured = qEnvironmentVariable("TILVARO_LOBBY_URL").trimmed();
    return configured.isEmpty() ? QString::fromLatin1(kDefaultAddress) : configured;
}

QString Tdownload::savedFile() const { return QDir(folder_).filePath(QLatin1String(kSavedName)); }

int Tdownload::state() const { return infolabel->property("tag").toInt(); }

void Tdownload::setState(State state) { infolabel->setProperty("tag", int(state)); }

void Tdownload::getbuttonClick()
{
    if (get_)
        return;
    setState(Started);
    const QUrl url(address_);
    // Shown as the address names it; the file on disk keeps our own name.
    infolabel2->setText(url.path().section(QLatin1Char('/'), -1));
    infolabel3->clear();
    received_ = 0;
    headersShown_ = false;
    failed_ = false;

    getbutton->setEnabled(false);
    abortbutton->setEnabled(true);
    infolabel->setText(tr("Loading"));

    HttpClient* http = url.isValid() && !url.scheme().isEmpty() ? client() : nullptr;
    if (http)
        file_ = std::make_unique<QSaveFile>(savedFile());
    if (!http || !file_->open(QIODevice::WriteOnly)) {
        file_.reset();
        failed_ = true;
        requestEnded(false, {});
        return;
    }
    // The new file takes the old one's bits; whatever they were, it is data: only the player
    // decides to run it.
    file_->setPermissions(file_->permissions() &
                          ~(QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther));

    HttpRequest request;
    request.url = url;
    request.headers = {{"User-Agent", "Mozilla/3.0 (compatible)"},
                       {"Accept", "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*"}};
    request.stallMs = stallMs_;
    HttpEvents events;
    events.head = [this](const HttpHead& head) { headersArrived(head.status, head.lines, head.length); };
    events.body = [this](const QByteArray& piece) { bodyArrived(piece); };
    events.finished = [this](bool error, const QByteArray& rest) { requestEnded(error, rest); };
    ++transfer_;
    get_ = http->get(request, std::move(events));
}

void Tdownload::headersArrived(int status, int lines, qint64 announced)
{
    if (!get_ || headersShown_)
        return;
    headersShown_ = true;
    // One dot per header line, the status line among them.
    infolabel->setText(infolabel->text() + QString(lines, QLatin1Char('.')));
    // Not from inside the head's own event: it may be reporting its error just now.
    const auto abortSoon = [this] {
        QTimer::singleShot(0, this, [this, transfer = transfer_] {
            if (get_ && transfer == transfer_)
                get_->abort();
        });
    };
    // Only a 2xx answer carries the file; an error page or a redirect is not an installer.
    if (status < 200 || status > 299) {
        failed_ = true;
        abortSoon();
        return;
    }
    // A body announced past the cap is refused before a byte of it is stored.
    if (announced > mostBytes_) {
        failed_ = true;
        abortSoon();
        return;
    }
    infolabel3->setText(tr("Downloading: %1").arg(infolabel2->text()));
}

void Tdownload::bodyArrived(const QByteArray& piece)
{
    if (!get_ || !file_ || failed_)
        return;
    received_ += piece.size();
    if (received_ > mostBytes_ || file_->write(piece) != piece.size()) {
        failed_ = true;
        get_->abort();
        return;
    }
    infolabel->setText(tr("%1 bytes").arg(received_));
}

void Tdownload::requestEnded(bool error, const QByteArray& rest)
{
    // Deleting the transfer inside its own event is allowed; nothing of it is touched after.
    const std::unique_ptr<HttpGet> ended = std::move(get_);
    if (ended) {
        if (!failed_ && !error && file_) {
            // Whatever arrived with the end of the transfer.
            received_ += rest.size();
            if (received_ > mostBytes_ || (!rest.isEmpty() && file_->write(rest) != rest.size()))
                failed_ = true;
        }
        if (error)
            failed_ = true;
    }
    if (!failed_ && state() != Stopped && file_ && file_->commit()) {
        infolabel->setText(tr("Received %1 bytes").arg(QFileInfo(savedFile()).size()));
    } else {
        infolabel->setText(tr("Download Aborted"));
        setState(Stopped);
        if (file_)
            file_->cancelWriting();
    }
    file_.reset(); // an uncommitted temporary file is removed here
    getbutton->setEnabled(true);
    abortbutton->setEnabled(false);

    if (state() != Stopped)
        handOver();
    emit downloadEnded();
}

void Tdownload::handOver()
{
    // The desktop's opener asks the player what to do with the file. It reports only that it has
    // started, not whether anything took the file, so the game stays open and the window says
    // where the file is, for the player to run it by hand if nothing else does.
    const QString saved = QDir::toNativeSeparators(savedFile());
    infolabel3->setText(tr("Saved as %1").arg(saved));
    infolabel3->setToolTip(saved);
    if (!opener_->open(savedFile()))
        boxes_.inform(this, tr("An Error has Occurred."));
}

void Tdownload::abortbuttonClick()
{
    infolabel->setText(tr("Download has been aborted."));
    setState(Stopped);
    infolabel3->setText(tr("Download Aborted"));
    if (get_)
        get_->abort(); // ends the transfer through requestEnded()
}

void Tdownload::Button1Click() { hide(); }

void Tdownload::Button2Click()
{
    if (startLobby_ && startLobby_()) {
        if (exitGame_)
            exitGame_();
        return;
    }
    boxes_.inform(this, tr("Please close the game and open the Brisko Lobby using the icon on your "
                                       "desktop or using the your Window's start-up menu."));
}

void Tdownload::dropDownload()
{
    if (get_) {
        get_.reset(); // ends it without a word
        setState(Stopped);
    }
    if (file_) {
        file_->cancelWriting();
        file_.reset();
    }
}
