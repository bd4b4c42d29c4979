// The settings file with the program's real windows: what the table loads once the host confirms
// it, what each option writes, and what a choice made before that leaves alone.
#include "app/program.h"
#include "table/link.h"
#include "table/menus.h"
#include "table/shell.h"
#include "table/sounds.h"
#include <QStringListModel>
#include "platform/messagebox.h"
#include "platform/sound.h"
#include "platform/workarea.h"
#include "table/chatpanel.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
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
        program.chat.shell().processparams({});
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
        entry(*first, "Strong1")->trigger();
        entry(*first, "TurnLimit1m1")->trigger();
        entry(*first, "New1")->trigger();
        entry(*first, "PlaySounds1")->trigger();
        first->gamestart->setRounds(6);
        first->gamestart->checkit(QStringLiteral("image_newcomers2"));
        entry(*first, "N12")->trigger();
        first->chat.chatPanel().setChatColour(QColor(0x12, 0x34, 0x56));
        first->gamestart->button_startClick();
        // The phrase editor writes the phrases, and only they.
        first->chat.findChild<QAction*>(QStringLiteral("PrhaseList1"))->trigger();
        ASSERT_TRUE(first->phrases->isVisible());
        QStringList phrases = first->phrases->phrases();
        phrases[2] = QStringLiteral("Well played, partner");
        first->phrases->setPhrases(phrases);
        first->phrases->button_doneClick();
        EXPECT_EQ(first->chat.chatPanel().phrase(3), QStringLiteral("Well played, partner"));
        first->chat.move(5, 10);
        first->chat.close();
    }
    const QByteArray text = stored();
    EXPECT_TRUE(text.startsWith("[Chickenfoot]\nTextsize=12\nTop=10\nLeft=5\nWidth=790\nHeight=578\n"
                                "Textcolor=$00563412\nPlaytoscore=6\nNewcomers=2\nBotspeed=2000\nTurnsound=1\n"
                                "ChatterSounds=true\nPlaysounds=false\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("\nPhrase3=Well played, partner\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nPlaysounds=false\nComputerskill=1\nTurnlimit=60\n")) << text.toStdString();

    auto second = start();
    EXPECT_EQ(second->chat.menus().botSpeed(), 1000);
    ASSERT_TRUE(connect(*second));
    EXPECT_EQ(second->chat.menus().botSpeed(), 2000);
    EXPECT_TRUE(entry(*second, "Slow1")->isChecked());
    EXPECT_TRUE(entry(*second, "New1")->isChecked());
    EXPECT_TRUE(entry(*second, "Strong1")->isChecked());
    EXPECT_EQ(second->chat.menus().computerSkill(), 1);
    EXPECT_TRUE(entry(*second, "TurnLimit1m1")->isChecked());
    EXPECT_EQ(second->chat.menus().turnLimit(), 60);
    EXPECT_FALSE(entry(*second, "PlaySounds1")->isChecked());
    EXPECT_TRUE(entry(*second, "PlayChatterSounds1")->isChecked());
    EXPECT_EQ(second->gamestart->rounds(), 6);
    EXPECT_EQ(second->gamestart->newcomers(), 2);
    EXPECT_EQ(second->chat.frameGeometry(), QRect(5, 10, 790, 578));
    EXPECT_EQ(second->chat.chatPanel().textSize(), 12);
    EXPECT_TRUE(entry(*second, "N12")->isChecked());
    EXPECT_EQ(second->chat.chatPanel().chatColour(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(second->chat.chatPanel().phrase(3), QStringLiteral("Well played, partner"));
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
    program->chat.move(60, 70);
    program->chat.close();
    EXPECT_EQ(stored(), lobby + "[Chickenfoot]\r\nTop=100\r\nLeft=5\r\nWidth=700\r\nHeight=560\r\nBotspeed=500\r\n"
                                "Playtoscore=4\r\nPlaysounds=false");
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(SettingsProgramTest, AChoiceBeforeTheHostConfirmsTheTableStandsEvenWhenItIsTheStartingValue)
{
    store("[Chickenfoot]\nTextsize=12\nTextcolor=clRed\nBotspeed=2000\nTurnsound=1\nPlaysounds=false\n");
    auto program = start();
    // What the window starts with, chosen all the same.
    entry(*program, "Normal1")->trigger();
    entry(*program, "N10")->trigger();
    entry(*program, "Classic1")->trigger();
    program->chat.chatPanel().chooseColour = [](const QColor&) { return std::optional<QColor>(Qt::black); };
    entry(*program, "TextColor1")->trigger();
    ASSERT_TRUE(connect(*program));

    EXPECT_EQ(program->chat.menus().botSpeed(), 1000);
    EXPECT_TRUE(entry(*program, "Normal1")->isChecked());
    EXPECT_EQ(program->chat.chatPanel().textSize(), 10);
    EXPECT_EQ(program->chat.sounds().turnSound(), 0);
    EXPECT_TRUE(entry(*program, "Classic1")->isChecked());
    EXPECT_EQ(program->chat.chatPanel().chatColour(), QColor(Qt::black));
    EXPECT_FALSE(entry(*program, "PlaySounds1")->isChecked()); // not chosen: as stored
    EXPECT_TRUE(stored().startsWith("[Chickenfoot]\nTextsize=10\nTextcolor=clBlack\nBotspeed=1000\nTurnsound=0\n"
                                    "Playsounds=false\n"))
        << stored().toStdString();
}

TEST_F(SettingsProgramTest, StoredPhrasesAreSaidAndKeptWholeAndInTheirOwnBytesWhenAnotherIsEdited)
{
    // Longer than the editor lets a player type, and in the lobby's one-byte encoding.
    const QByteArray longPhrase = "Well played everyone, that was a close one, see you next time!";
    ASSERT_GT(longPhrase.size(), Tphrases::kMaxPhraseLength);
    const QByteArray section = "[Chickenfoot]\nPhrase1=" + longPhrase + "\nPhrase2=Tr\xE8s bien\n";
    store(section);
    auto program = start();
    ASSERT_TRUE(connect(*program));
    EXPECT_EQ(program->chat.chatPanel().phrase(1), QString::fromLatin1(longPhrase));
    EXPECT_EQ(program->chat.chatPanel().phrase(2), QStringLiteral("Tr\u00E8s bien"));

    // Said at the table, through the host, as the letters the file holds.
    program->chat.chatPanel().b_phrase1Click(2);
    const auto said = [&] {
        const QString text = program->chat.chatPanel().view()->toPlainText();
        return text.contains(QStringLiteral("You says:")) && text.contains(QStringLiteral("Tr\u00E8s bien"));
    };
    EXPECT_TRUE(QTest::qWaitFor(said, 20000)) << program->chat.chatPanel().view()->toPlainText().toStdString();

    // Only phrase 5 edited in the editor.
    program->chat.findChild<QAction*>(QStringLiteral("PrhaseList1"))->trigger();
    ASSERT_TRUE(program->phrases->isVisible());
    auto* first = program->phrases->findChild<QLineEdit*>(QStringLiteral("phrase1"));
    EXPECT_EQ(first->text(), QString::fromLatin1(longPhrase)); // shown whole
    auto* fifth = program->phrases->findChild<QLineEdit*>(QStringLiteral("phrase5"));
    fifth->selectAll();
    QTest::keyClicks(fifth, QStringLiteral("brb"));
    program->phrases->button_doneClick();

    EXPECT_TRUE(stored().startsWith(section + "Phrase3=Nice Try!\nPhrase4=Excellent!\nPhrase5=brb\n")) << stored().toStdString();
    EXPECT_EQ(program->chat.chatPanel().phrase(1), QString::fromLatin1(longPhrase));
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
    // The keys it held are changed in place; the missing ones follow in their own order.
    EXPECT_EQ(stored(), "[Chickenfoot]\nTop=3\nLeft=3\nWidth=790\nHeight=578\nTextsize=8\nTextcolor=clBlack\n"
                        "Playtoscore=10\nNewcomers=1\nBotspeed=1000\nTurnsound=0\nChatterSounds=true\n"
                        "Playsounds=true\n");

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
    // Read-only: left as it is, and the player is told once.
    const QByteArray text = "[Chickenfoot]\nBotspeed=2000\n";
    store(text);
    ASSERT_TRUE(QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    {
        auto program = start();
        entry(*program, "Fast1")->trigger();
        entry(*program, "Normal1")->trigger();
        ASSERT_EQ(boxes.shown.size(), 1);
        EXPECT_TRUE(boxes.shown[0].startsWith("The settings could not be saved. ") && boxes.shown[0].contains("read-only"))
            << boxes.shown[0].toStdString();
    }
    EXPECT_EQ(stored(), text);
    EXPECT_FALSE(QFileInfo(path()).permissions() & QFile::WriteOwner);
    boxes.shown.clear();

    // A folder that is not there.
    auto program = start(folder.filePath("gone"));
    entry(*program, "Fast1")->trigger();
    entry(*program, "Slow1")->trigger();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].startsWith("The settings could not be saved. ") && boxes.shown[0].contains("/gone/"))
        << boxes.shown[0].toStdString();
}
