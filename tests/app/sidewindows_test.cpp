// The side windows wired into the program: the banner, Help's About, the download window's way
// out, and pictures of the download window, the help window and the about box.
#include "app/program.h"
#include "platform/messagebox.h"
#include "platform/sound.h"
#include "table/artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

struct SideWindows : testing::Test {
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    RecordingOpener opener;
    QTemporaryDir folder;
    Program program{sounds, boxes, folder.path(), &opener};
};

QString saveShot(QWidget& window, const char* name)
{
    const QString shots = QCoreApplication::applicationDirPath() + "/../../screenshots";
    QDir().mkpath(shots);
    const QString path = QDir(shots).absoluteFilePath(QString::fromLatin1(name));
    EXPECT_TRUE(window.grab().save(path)) << name;
    std::printf("screenshot: %s\n", qPrintable(QDir::cleanPath(path)));
    return path;
}

// Whether the window's corner shows the table's linen, as the table itself does.
bool showsTableBackground(QWidget& window, const QPixmap& background)
{
    const QImage shot = window.grab().toImage();
    const QImage tile = background.toImage();
    return shot.pixelColor(3, 3) == tile.pixelColor(3, 3) && shot.pixelColor(5, 4) == tile.pixelColor(5, 4);
}

} // namespace

TEST_F(SideWindows, TheBannerAndTheAboutLinkOpenTheMakersSiteAndHelpShowsTheAboutBox)
{
    program.chat.show();
    QTest::mouseClick(program.chat.findChild<QLabel*>("Image5"), Qt::LeftButton);
    EXPECT_EQ(opener.opened, QStringList{"http://www.tilvaro.org"});

    program.help->show();
    QTest::mouseClick(program.help->findChild<QPushButton*>("button_about"), Qt::LeftButton);
    EXPECT_TRUE(program.about->isVisible());
    QTest::mouseClick(program.about->findChild<QLabel*>("Label7"), Qt::LeftButton);
    EXPECT_EQ(opener.opened, (QStringList{"http://www.tilvaro.org", "http://www.tilvaro.org"}));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(SideWindows, AnInstalledLobbyClosesTheTableAndTheDownloadGoesToTheDataFolder)
{
    EXPECT_EQ(program.download->savedFile(), QDir(folder.path()).filePath("bklsetup.exe"));
    program.chat.show();
    program.download->setStartLobby([] { return true; });
    program.download->show();
    QTest::mouseClick(program.download->findChild<QPushButton*>("Button2"), Qt::LeftButton);
    EXPECT_FALSE(program.chat.isVisible());
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(SideWindows, PicturesOfTheDownloadHelpAndAboutWindows)
{
    const QPixmap& linen = program.chat.artwork().tableBackground;

    // A download held in the middle by a server on loopback.
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QTcpSocket* client = nullptr;
    QObject::connect(&server, &QTcpServer::newConnection, [&] { client = server.nextPendingConnection(); });
    program.download->setAddress(QString("http://127.0.0.1:%1/lobby/bklsetup.exe").arg(server.serverPort()));
    program.download->show();
    QTest::mouseClick(program.download->findChild<QPushButton*>("getbutton"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return client && client->bytesAvailable() > 0; }, 20000));
    client->write("HTTP/1.0 200 OK\r\nContent-Length: 2400000\r\n\r\n" + QByteArray(815104, 'x'));
    auto* progress = program.download->findChild<QLabel*>("infolabel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress->text() == "815104 bytes"; }, 20000));
    saveShot(*program.download, "download.png");
    // The advert shows whole, pixel for pixel, and the window wears the table's linen.
    auto* picture = program.download->findChild<QLabel*>("picture");
    const QImage shown = program.download->grab().toImage().copy(picture->geometry()).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(shown == QImage(":/advert/lobby.jpg").convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(showsTableBackground(*program.download, linen));
    program.download->abortbuttonClick();

    program.help->show();
    QTest::mouseClick(program.help->findChild<QPushButton*>("SelButton3"), Qt::LeftButton);
    saveShot(*program.help, "help.png");
    EXPECT_TRUE(showsTableBackground(*program.help, linen));

    program.about->show();
    saveShot(*program.about, "about.png");
    EXPECT_TRUE(showsTableBackground(*program.about, linen));
}
