// The settings file with the program's real windows: what the table loads once the host confirms
// it, what each option writes, and what a choice made before that leaves alone.
#include "app/program.h"
#include "platform/messagebox.h"
#include "platform/sound.h"
#include "platform/workarea.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct SettingsProgramTest : testing::Test {
    QString path() const { return folder.filePath("briskolobby.ini"); }
    void store(const QByteArray& text)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    QByteArray stored() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::unique_ptr<Program> start(const QString& in = {})
    {
        auto program = std::make_unique<Program>(sounds, boxes, in.isEmpty() ? folder.path() : in);
        program->server.Sock1.setPortName("0");
        program->chat.show();
        return program;
    }
    // A solo game: the table hosts, and the host confirms it, which loads the settings.
    static bool connect(Program& program)
    {
        program.chat.processparams({});
        return QTest::qWaitFor([&] { return program.chat.seatCaption(1) == QStringLiteral("You"); }, 20000);
    }
    static QAction* entry(Program& program, const char* name)
    {
        auto* action = program.chat.findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    QTemporaryDir folder;
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
};

} // namespace

TEST_F(SettingsProgramTest, ChoicesMadeOnceConnectedComeBackInTheNextRun)
{
    {
        auto first = start();
        ASSERT_TRUE(connect(*first));
        EXPECT_EQ(first->chat.frameGeometry(), QRect(3, 3, 790, 578));
        entry(*first, "Slow1")->trigger();
        entry(*first, "New1")->trigger();
        entry(*first, "PlaySounds1")->trigger();
        first->gamestart.setRounds(6);
        first->gamestart.checkit(QStringLiteral("image_newcomers2"));
        first->gamestart.button_startClick();
        first->chat.move(5, 10);
        first->chat.close();
    }
    EXPECT_EQ(stored(), "[Chickenfoot]\nTop=10\nLeft=5\nWidth=790\nHeight=578\nPlaytoscore=6\nNewcomers=2\n"
                        "Botspeed=2000\nTurnsound=1\nChatterSounds=true\nPlaysounds=false\n");

    auto second = start();
    EXPECT_EQ(second->chat.botSpeed(), 1000);
    ASSERT_TRUE(connect(*second));
    EXPECT_EQ(second->chat.botSpeed(), 2000);
    EXPECT_TRUE(entry(*second, "Slow1")->isChecked());
    EXPECT_TRUE(entry(*second, "New1")->isChecked());
    EXPECT_FALSE(entry(*second, "PlaySounds1")->isChecked());
    EXPECT_TRUE(entry(*second, "PlayChatterSounds1")->isChecked());
    EXPECT_EQ(second->gamestart.rounds(), 6);
    EXPECT_EQ(second->gamestart.newcomers(), 2);
    EXPECT_EQ(second->chat.frameGeometry(), QRect(5, 10, 790, 578));
    // Not moved since the load: closing writes nothing.
    const QByteArray before = stored();
    QFile::remove(path());
    second->chat.close();
    EXPECT_FALSE(QFile::exists(path())) << before.toStdString();
}

TEST_F(SettingsProgramTest, BeforeTheHostConfirmsTheTableAChoiceChangesOnlyItsOwnKey)
{
    const QByteArray lobby = "[Lobby]\r\nNick=Ann\r\n\r\n";
    store(lobby + "[Chickenfoot]\r\nTop=100\r\nLeft=5\r\nWidth=700\r\nHeight=560\r\nBotspeed=2000\r\n"
                  "Playtoscore=4\r\nPlaysounds=false");
    auto program = start();
    entry(*program, "Fast1")->trigger();
    program->gamestart.button_startClick(); // the dialog still shows its design state
    program->chat.move(60, 70);
    program->chat.close();
    EXPECT_EQ(stored(), lobby + "[Chickenfoot]\r\nTop=100\r\nLeft=5\r\nWidth=700\r\nHeight=560\r\nBotspeed=500\r\n"
                                "Playtoscore=4\r\nPlaysounds=false");
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(SettingsProgramTest, BoundsNoScreenCanShowGiveTheDefaultPlaceAndThoseHalfOffAreMovedOn)
{
    const QRect work = desktopWorkArea();
    ASSERT_GE(work.width(), 790);
    store("[Chickenfoot]\nTop=20\nLeft=-5000\nWidth=790\nHeight=578\n");
    {
        auto program = start();
        ASSERT_TRUE(connect(*program));
        EXPECT_EQ(program->chat.frameGeometry(), QRect(3, 3, 790, 578));
        // Not where the file said: closing stores where the window is.
        program->chat.close();
    }
    EXPECT_EQ(stored(), "[Chickenfoot]\nTop=3\nLeft=3\nWidth=790\nHeight=578\nPlaytoscore=10\nNewcomers=1\n"
                        "Botspeed=1000\nTurnsound=0\nChatterSounds=true\nPlaysounds=true\n");

    store(QStringLiteral("[Chickenfoot]\nTop=%1\nLeft=%2\nWidth=790\nHeight=578\n")
              .arg(work.top())
              .arg(work.right() - 300)
              .toLatin1());
    auto program = start();
    ASSERT_TRUE(connect(*program));
    EXPECT_EQ(program->chat.frameGeometry(), QRect(work.right() + 1 - 790, work.top(), 790, 578));
}

TEST_F(SettingsProgramTest, ASettingsFileThatCannotBeWrittenIsReportedOnce)
{
    auto program = start(folder.filePath("gone"));
    entry(*program, "Fast1")->trigger();
    entry(*program, "Slow1")->trigger();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].startsWith("The settings could not be saved. ") && boxes.shown[0].contains("/gone/"))
        << boxes.shown[0].toStdString();
}
