// The lobby download window against a small HTTP server on loopback that the test drives step
// by step: headers, part of the body, the rest.
#include "dialogs/downloadform.h"
#include "platform/httpget.h"
#include "platform/messagebox.h"
#include "platform/opener.h"
#include "support/stderrcapture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kWait = 20000;

// Answers one GET at a time, as the test tells it to.
class LocalServer {
public:
    LocalServer()
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            client = server.nextPendingConnection();
            QObject::connect(client, &QTcpSocket::readyRead, [this, socket = client] {
                request += socket->readAll();
            });
        });
    }
    QString url(const QString& path = QStringLiteral("/lobby/bklsetup.exe")) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path);
    }
    bool waitForRequest()
    {
        return QTest::qWaitFor([this] { return request.contains("\r\n\r\n"); }, kWait);
    }
    // Status line and three header lines.
    void sendHeaders(qint64 length, const QByteArray& status = "200 OK")
    {
        client->write("HTTP/1.0 " + status + "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                      QByteArray::number(length) + "\r\nServer: loopback\r\n\r\n");
    }
    void send(const QByteArray& bytes) { client->write(bytes); }
    void close() { client->disconnectFromHost(); }
    bool clientGone()
    {
        return QTest::qWaitFor([this] { return client && client->state() == QAbstractSocket::UnconnectedState; },
                               kWait);
    }

    QTcpServer server;
    QTcpSocket* client = nullptr;
    QByteArray request;
};

QByteArray installerBytes(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed) % 256); // every byte value, 0x00 and 0xFF among them
    return bytes;
}

struct Download : testing::Test {
    Download()
    {
        window->setOpener(opener);
        window->setExitGame([this] { ++exits; });
        window->setAddress(server.url());
        QObject::connect(window.get(), &Tdownload::downloadEnded, [this] { ++ended; });
    }
    QString text(const char* label) { return window->findChild<QLabel*>(label)->text(); }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    QStringList files() { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }
    QByteArray saved()
    {
        QFile file(folder.filePath("bklsetup.exe"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool waitForText(const char* label, const QString& wanted)
    {
        return QTest::qWaitFor([&] { return text(label) == wanted; }, kWait);
    }
    bool waitForEnd(int count = 1)
    {
        return QTest::qWaitFor([&] { return ended >= count; }, kWait);
    }
    void expectButtonsAtRest()
    {
        EXPECT_TRUE(button("getbutton")->isEnabled());
        EXPECT_FALSE(button("abortbutton")->isEnabled());
        EXPECT_FALSE(window->downloading());
    }
    // Starts a download and lets the server answer with the headers and `first` body bytes.
    void startAndSendPart(const QByteArray& body, int first)
    {
        QTest::mouseClick(button("getbutton"), Qt::LeftButton);
        ASSERT_TRUE(server.waitForRequest());
        server.sendHeaders(body.size());
        ASSERT_TRUE(waitForText("infolabel", "Loading...."));
        server.send(body.left(first));
        ASSERT_TRUE(waitForText("infolabel", QString("%1 bytes").arg(first)));
    }

    QTemporaryDir folder;
    RecordingMessageBoxes boxes;
    RecordingOpener opener;
    int exits = 0;
    int ended = 0;
    LocalServer server;
    std::unique_ptr<Tdownload> window = std::make_unique<Tdownload>(nullptr, QPixmap(), folder.path(), boxes);
};

} // namespace

TEST_F(Download, AWholeDownloadIsSavedByteForByteAndHandedToTheOpener)
{
    EXPECT_EQ(text("infolabel"), "");
    EXPECT_FALSE(button("abortbutton")->isEnabled());
    const QByteArray body = installerBytes(70000, 3);

    QTest::mouseClick(button("getbutton"), Qt::LeftButton);
    EXPECT_EQ(window->state(), Tdownload::Started);
    EXPECT_EQ(text("infolabel"), "Loading");
    EXPECT_EQ(text("infolabel2"), "bklsetup.exe");
    EXPECT_FALSE(button("getbutton")->isEnabled());
    EXPECT_TRUE(button("abortbutton")->isEnabled());

    ASSERT_TRUE(server.waitForRequest());
    EXPECT_TRUE(server.request.startsWith("GET /lobby/bklsetup.exe HTTP/1.1\r\n"));
    EXPECT_TRUE(server.request.contains("\r\nUser-Agent: Mozilla/3.0 (compatible)\r\n"));
    EXPECT_TRUE(server.request.contains("\r\nAccept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"));

    server.sendHeaders(body.size());
    ASSERT_TRUE(waitForText("infolabel", "Loading...."));
    server.send(body.left(30000));
    ASSERT_TRUE(waitForText("infolabel", "30000 bytes"));
    EXPECT_EQ(text("infolabel3"), "Downloading: bklsetup.exe");
    // Half a file never stands under the real name.
    EXPECT_FALSE(files().contains("bklsetup.exe"));

    server.send(body.mid(30000));
    server.close();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(text("infolabel"), "Received 70000 bytes");
    EXPECT_EQ(window->state(), Tdownload::Started);
    expectButtonsAtRest();
    EXPECT_EQ(files(), QStringList{"bklsetup.exe"});
    EXPECT_TRUE(saved() == body);
    EXPECT_EQ(opener.opened, QStringList{folder.filePath("bklsetup.exe")});
    // The opener only says it started: the game stays, and the window says where the file is.
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(text("infolabel3"), "Saved as " + folder.filePath("bklsetup.exe"));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(Download, TheFileKeepsOurNameAndARefusingOpenerLeavesTheGameRunning)
{
    opener.answer = false;
    window->setAddress(server.url("/files/../setup-2.exe"));
    const QByteArray body = installerBytes(5000, 11);
    QTest::mouseClick(button("getbutton"), Qt::LeftButton);
    ASSERT_TRUE(server.waitForRequest());
    server.sendHeaders(body.size());
    server.send(body);
    server.close();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(text("infolabel2"), "setup-2.exe");
    EXPECT_EQ(text("infolabel"), "Received 5000 bytes");
    EXPECT_EQ(files(), QStringList{"bklsetup.exe"});
    EXPECT_TRUE(saved() == body);
    EXPECT_EQ(boxes.shown, QStringList{"An Error has Occurred."});
    EXPECT_EQ(text("infolabel3"), "Saved as " + folder.filePath("bklsetup.exe"));
    EXPECT_EQ(exits, 0);
}

TEST_F(Download, ANotFoundARedirectOrARefusedConnectionIsAbortedWithNothingSavedOrOpened)
{
    QTest::mouseClick(button("getbutton"), Qt::LeftButton);
    ASSERT_TRUE(server.waitForRequest());
    server.sendHeaders(9, "404 Not Found");
    server.send("not found");
    server.close();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(text("infolabel"), "Download Aborted");
    EXPECT_EQ(text("infolabel3"), ""); // an error page is not the file
    EXPECT_EQ(window->state(), Tdownload::Stopped);
    expectButtonsAtRest();

    // A redirect is not followed, and its page is not the file.
    server.request.clear();
    QTest::mouseClick(button("getbutton"), Qt::LeftButton);
    ASSERT_TRUE(server.waitForRequest());
    server.send("HTTP/1.0 301 Moved Permanently\r\nLocation: " + server.url("/elsewhere.exe").toLatin1() +
                "\r\nContent-Length: 5\r\n\r\nmoved");
    server.close();
    ASSERT_TRUE(waitForEnd(2));
    EXPECT_EQ(text("infolabel"), "Download Aborted");
    EXPECT_EQ(window->state(), Tdownload::Stopped);
    EXPECT_FALSE(server.request.contains("elsewhere"));

    // A port where nobody listens.
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    window->setAddress(QString("http://127.0.0.1:%1/lobby/bklsetup.exe").arg(port));
    QTest::mouseClick(button("getbutton"), Qt::LeftButton);
    EXPECT_EQ(window->state(), Tdownload::Started);
    ASSERT_TRUE(waitForEnd(3));
    EXPECT_EQ(text("infolabel"), "Download Aborted");
    EXPECT_EQ(window->state(), Tdownload::Stopped);
    expectButtonsAtRest();

    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(exits, 0);
}

TEST_F(Download, AStopLeavesNoPartialFileAndStartingAgainReplacesTheOldOne)
{
    {
        QFile stale(folder.filePath("bklsetup.exe"));
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("an installer from long ago");
    }
    const QByteArray first = installerBytes(40000, 5);
    startAndSendPart(first, 10000);
    QTest::mouseClick(button("abortbutton"), Qt::LeftButton);
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(text("infolabel"), "Download Aborted");
    EXPECT_EQ(text("infolabel3"), "Download Aborted");
    EXPECT_EQ(window->state(), Tdownload::Stopped);
    expectButtonsAtRest();
    EXPECT_EQ(files(), QStringList{"bklsetup.exe"}); // no temporary file is left beside it
    EXPECT_EQ(saved(), "an installer from long ago"); // and no half file in its place
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(server.clientGone());

    const QByteArray second = installerBytes(20000, 9);
    server.request.clear();
    startAndSendPart(second, 100);
    EXPECT_EQ(window->state(), Tdownload::Started);
    server.send(second.mid(100));
    server.close();
    ASSERT_TRUE(waitForEnd(2));
    EXPECT_EQ(text("infolabel"), "Received 20000 bytes");
    EXPECT_TRUE(saved() == second);
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(exits, 0);
}

TEST_F(Download, ClosingTheProgramInTheMiddleDropsTheTransferAndItsFile)
{
    startAndSendPart(installerBytes(50000, 1), 20000);
    window.reset();
    EXPECT_TRUE(server.clientGone());
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(ended, 0);
}

TEST_F(Download, AFileAlreadyMarkedAsAProgramIsSavedAsPlainData)
{
    {
        QFile stale(folder.filePath("bklsetup.exe"));
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("old");
        stale.setPermissions(stale.permissions() | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    }
    const QByteArray body = installerBytes(3000, 4);
    QTest::mouseClick(button("getbutton"), Qt::LeftButton);
    ASSERT_TRUE(server.waitForRequest());
    server.sendHeaders(body.size());
    server.send(body);
    server.close();
    ASSERT_TRUE(waitForEnd());
    EXPECT_TRUE(saved() == body);
    const QFile::Permissions bits = QFile::permissions(folder.filePath("bklsetup.exe"));
    EXPECT_FALSE(bits & (QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther)) << int(bits);
    EXPECT_TRUE(bits & QFile::ReadOwner);
}

TEST_F(Download, ABodyPastTheCapIsCutOffWithNothingSaved)
{
    EXPECT_EQ(window->mostBytes(), qint64(512) * 1024 * 1024);
    window->setMostBytes(1000);
    // Exactly the cap is fine.
    QTest::mouseClick(button("getbutton"), Qt::LeftButton);
    ASSERT_TRUE(server.waitForRequest());
    server.sendHeaders(1000);
    server.send(installerBytes(1000, 1));
    server.close();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(text("infolabel"), "Received 1000 bytes");
    ASSERT_EQ(opener.opened.size(), 1);
    QFile::remove(folder.filePath("bklsetup.exe"));

    // Announced past the cap: refused at the headers.
    server.request.clear();
    QTest::mouseClick(button("getbutton"), Qt::LeftButton);
    ASSERT_TRUE(server.waitForRequest());
    server.sendHeaders(1001);
    ASSERT_TRUE(waitForEnd(2));
    EXPECT_EQ(text("infolabel"), "Download Aborted");
    EXPECT_EQ(window->state(), Tdownload::Stopped);

    // Not announced at all, and more than the cap arrives.
    server.request.clear();
    QTest::mouseClick(button("getbutton"), Qt::LeftButton);
    ASSERT_TRUE(server.waitForRequest());
    server.send("HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\n\r\n" + installerBytes(600, 2));
    ASSERT_TRUE(waitForText("infolabel", "600 bytes"));
    server.send(installerBytes(600, 3));
    ASSERT_TRUE(waitForEnd(3));
    EXPECT_EQ(text("infolabel"), "Download Aborted");
    EXPECT_EQ(window->state(), Tdownload::Stopped);
    expectButtonsAtRest();
    EXPECT_TRUE(files().isEmpty());
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(server.clientGone());
}

TEST_F(Download, AServerThatStallsEndsTheDownload)
{
    EXPECT_EQ(window->stallTimeout(), 60000);
    window->setStallTimeout(300);
    startAndSendPart(installerBytes(9000, 6), 4000);
    // Nothing more comes.
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(text("infolabel"), "Download Aborted");
    EXPECT_EQ(window->state(), Tdownload::Stopped);
    expectButtonsAtRest();
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(opener.opened.isEmpty());
}

TEST_F(Download, QuittingTheProgramInTheMiddleDropsTheTransferAndItsFile)
{
    startAndSendPart(installerBytes(50000, 7), 20000);
    // What the application says when its event loop ends.
    ASSERT_TRUE(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit", Qt::DirectConnection));
    EXPECT_FALSE(window->downloading());
    EXPECT_EQ(window->state(), Tdownload::Stopped);
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(server.clientGone());
    // Whatever else arrives goes nowhere.
    QTest::qWait(50);
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_EQ(exits, 0);
}

TEST_F(Download, AnHttpModuleThatCannotLoadEndsTheDownloadAsAbortedAndSaysWhy)
{
    // Set after the window is made: the module is loaded only when a download starts.
    window->setHttpModule(":/modules/missing.so");
    const QByteArray said = QByteArray::fromStdString(
        capturedStderr([&] { QTest::mouseClick(button("getbutton"), Qt::LeftButton); }));
    EXPECT_EQ(said.count("tilvaro: cannot download: "), 1) << said.constData();
    EXPECT_TRUE(said.contains(":/modules/missing.so")) << said.constData();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(text("infolabel"), "Download Aborted");
    EXPECT_EQ(window->state(), Tdownload::Stopped);
    expectButtonsAtRest();
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(boxes.shown.isEmpty());
    QTest::qWait(50);
    EXPECT_TRUE(server.request.isEmpty());

    // The program's own module still works afterwards.
    window->setHttpModule(kHttpModule);
    const QByteArray body = installerBytes(2000, 8);
    QTest::mouseClick(button("getbutton"), Qt::LeftButton);
    ASSERT_TRUE(server.waitForRequest());
    server.sendHeaders(body.size());
    server.send(body);
    server.close();
    ASSERT_TRUE(waitForEnd(2));
    EXPECT_EQ(text("infolabel"), "Received 2000 bytes");
    EXPECT_TRUE(saved() == body);
}

TEST(DownloadAddress, TheEnvironmentOverridesTheMakersAddress)
{
    RecordingMessageBoxes boxes;
    qunsetenv("TILVARO_LOBBY_URL");
    EXPECT_EQ(Tdownload(nullptr, QPixmap(), QDir::tempPath(), boxes).address(),
              "http://www.tilvaro.org/lobby/bklsetup.exe");
    qputenv("TILVARO_LOBBY_URL", "http://127.0.0.1:8080/x/lobby.bin");
    EXPECT_EQ(Tdownload(nullptr, QPixmap(), QDir::tempPath(), boxes).address(), "http://127.0.0.1:8080/x/lobby.bin");
    qunsetenv("TILVARO_LOBBY_URL");
}

TEST(DownloadWindow, ShowsTheAdvertAndTheOfferAboveOtherWindows)
{
    RecordingMessageBoxes boxes;
    Tdownload window(nullptr, QPixmap(), QDir::tempPath(), boxes);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window.windowTitle(), "Download The Brisko Lobby");
    EXPECT_NE(window.findChild<QLabel*>("label_offer")->text().indexOf("play this  and other"), -1);

    QImageReader advert(":/advert/lobby.jpg");
    EXPECT_EQ(advert.format(), "jpeg");
    EXPECT_EQ(advert.size(), QSize(436, 360));
    const QLabel* picture = window.findChild<QLabel*>("picture");
    EXPECT_EQ(picture->pixmap().size(), QSize(436, 360));
}

TEST(DownloadWindow, TheTextsAndButtonsAtRest)
{
    RecordingMessageBoxes boxes;
    Tdownload window(nullptr, QPixmap(), QDir::tempPath(), boxes);
    window.show();
    QStringList texts;
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->isVisible() && !label->text().isEmpty())
            texts.append(label->text());
    texts.sort();
    EXPECT_EQ(texts, (QStringList{
                         "Download The Brisko Lobby Now to play this  and other exciting games online with other players! ",
                         "If you already have The Brisko Lobby and you wish to play with others then click the button "
                         "below to close this game and open The Brisko Lobby.",
                         "Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the "
                         "game to access the internet components.",
                         "To proceed to the game without the ability to play against others click the button below."}));
    QStringList buttons;
    for (const char* name : {"getbutton", "abortbutton", "Button1", "Button2"})
        buttons.append(window.findChild<QPushButton*>(name)->text());
    EXPECT_EQ(buttons, (QStringList{"Download And Install The Brisko Lobby Now", "Stop Download", "Play Solo Game",
                                    "Play with Others"}));
    EXPECT_TRUE(window.findChild<QPushButton*>("Button1")->isDefault());
    EXPECT_EQ(window.state(), Tdownload::Idle);
    EXPECT_FALSE(window.findChild<QLabel*>("infolabel2")->isVisible());
    // Every text reads whole inside the window.
    for (QWidget* part : window.findChildren<QWidget*>()) {
        if (part->isVisible()) {
            EXPECT_TRUE(window.rect().contains(QRect(part->mapTo(&window, QPoint()), part->size())))
                << part->objectName().toStdString();
        }
    }
    window.findChild<QPushButton*>("Button1")->click();
    EXPECT_FALSE(window.isVisible());
}

TEST(DownloadWindow, PlayWithOthersStartsTheInstalledLobbyOrSaysHowToOpenIt)
{
    QTemporaryDir bin;
    const QByteArray oldPath = qgetenv("PATH");
    RecordingMessageBoxes boxes;
    Tdownload window(nullptr, QPixmap(), bin.path(), boxes);
    int exits = 0;
    window.setExitGame([&] { ++exits; });

    qputenv("PATH", bin.path().toLocal8Bit());
    window.findChild<QPushButton*>("Button2")->click();
    EXPECT_EQ(boxes.shown, QStringList{"Please close the game and open the Brisko Lobby using the icon on your desktop "
                                       "or using the your Window's start-up menu."});
    EXPECT_EQ(exits, 0);

    // An installed lobby: a program of that name on the PATH, which leaves a mark when it runs.
    const QString mark = bin.filePath("started");
    QFile lobby(bin.filePath("brisko-lobby"));
    ASSERT_TRUE(lobby.open(QIODevice::WriteOnly));
    lobby.write(QString("#!/bin/sh\necho started > '%1'\n").arg(mark).toLocal8Bit());
    lobby.close();
    lobby.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    window.findChild<QPushButton*>("Button2")->click();
    qputenv("PATH", oldPath);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(mark); }, kWait));
}
