// Hosting with an unfinished game in the data folder: the question, and what Yes, No and a damaged
// journal lead to.
#include "app/program.h"
#include "table/link.h"
#include "table/menus.h"
#include "table/shell.h"
#include "table/sounds.h"
#include <QStringListModel>
#include "host/journal.h"
#include "host/simulatedio.h"
#include "platform/messagebox.h"
#include "platform/sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

class QuietIo : public host::SimulatedIo {
public:
    void send(int, const std::string&) override {}
};

// A five-round game of ANN, BOB and CY, played by the computer into round 4.
host::JournalState gameInRound4()
{
    QuietIo io;
    host::Engine engine(io, 2026);
    for (const char* name : {"ANN", "BOB", "CY"}) {
        const int n = engine.numberForNewConnection();
        engine.connectionAccepted(n);
        host::say(engine, n, "CMD_logininfo+" + std::to_string(n) + "+1.0.4+" + name);
    }
    host::say(engine, 1, "CMD_startgame+ANN+5+1+");
    for (int seat = 3; seat >= 1; --seat)
        host::say(engine, 1, "CMD_justwatch+" + std::to_string(seat) + "+1");
    while (!(engine.state().round == 4 && engine.state().turnOpen) && host::fireDueTimer(engine, io)) {
    }
    EXPECT_EQ(engine.state().round, 4);
    return engine.journalState();
}

struct ResumeTest : testing::Test {
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    QTemporaryDir folder;
    std::unique_ptr<Program> program;

    QString journalPath() const { return QDir(folder.path()).filePath(QString::fromLatin1(Program::kJournalFileName)); }
    void writeJournal(const QByteArray& text)
    {
        QFile file(journalPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // The program hosts under this name, as from the lobby.
    void host(const QString& name)
    {
        program = std::make_unique<Program>(sounds, boxes, folder.path());
        program->server.Sock1.setPortName("0");
        program->chat.shell().setCommandLine({name, QStringLiteral("-"), QStringLiteral("true")});
        program->chat.show();
    }
};

} // namespace

TEST_F(ResumeTest, YesTakesUpTheGameAndTheHostsPlayerGetsTheirSeatBack)
{
    const host::JournalState saved = gameInRound4();
    writeJournal(QByteArray::fromStdString(host::writeJournal(saved)));
    boxes.answer = true;
    host(QStringLiteral("ANN"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return program->chat.seatCaption(1) == QStringLiteral("ANN"); }, 20000));
    EXPECT_EQ(boxes.shown, QStringList{QStringLiteral("Resume the unfinished game with ANN, BOB and CY from round 4?")});
    const host::HostState& state = program->server.engine().state();
    EXPECT_TRUE(state.gameRunning);
    EXPECT_EQ(state.round, 4);
    EXPECT_EQ(state.seat(1).hand, saved.state.seat(1).hand);
    EXPECT_EQ(state.seat(2).total, saved.state.seat(2).total);
    // The table is told the game as a late joiner is: its hand is back in its hand.
    ASSERT_TRUE(QTest::qWaitFor([&] { return program->chat.mirror().state().ownSeat == 1 && state.seat(1).open; }, 20000));
    EXPECT_TRUE(QFile::exists(journalPath()));
}

TEST_F(ResumeTest, NoSetsTheJournalAsideAndADamagedOneIsSetAsideWithANotice)
{
    writeJournal(QByteArray::fromStdString(host::writeJournal(gameInRound4())));
    boxes.answer = false;
    host(QStringLiteral("ANN"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return program->chat.seatCaption(1) == QStringLiteral("ANN"); }, 20000));
    EXPECT_EQ(boxes.shown.size(), 1);
    EXPECT_FALSE(program->server.engine().state().gameRunning);
    EXPECT_FALSE(QFile::exists(journalPath()));
    EXPECT_TRUE(QFile::exists(journalPath() + QStringLiteral(".declined")));
    program.reset();

    // One byte changed: never asked about, never trusted, kept for a look.
    std::string text = host::writeJournal(gameInRound4());
    text[text.find("seat 2") + 7] ^= 1;
    writeJournal(QByteArray::fromStdString(text));
    boxes.shown.clear();
    host(QStringLiteral("ANN"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return program->chat.seatCaption(1) == QStringLiteral("ANN"); }, 20000));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].startsWith(QStringLiteral("The unfinished game could not be read"))) << boxes.shown[0].toStdString();
    EXPECT_TRUE(boxes.shown[0].endsWith(QStringLiteral("set aside as Chickenfoot.journal.damaged."))) << boxes.shown[0].toStdString();
    EXPECT_FALSE(program->server.engine().state().gameRunning);
    EXPECT_TRUE(QFile::exists(journalPath() + QStringLiteral(".damaged")));
    EXPECT_TRUE(QFile::exists(journalPath() + QStringLiteral(".declined")));
}

namespace {

// The real question is a modal box: while it is open, the event loop runs on beneath it.
class ModalMessageBoxes : public RecordingMessageBoxes {
public:
    std::function<void()> whileOpen;
    bool confirm(QWidget* parent, const QString& text) override
    {
        QCoreApplication::processEvents();
        if (whileOpen)
            whileOpen();
        return RecordingMessageBoxes::confirm(parent, text);
    }
};

} // namespace

TEST(ResumeSolo, TheLobbyOfferWaitsUntilTheQuestionIsAnswered)
{
    RecordingSoundPlayer sounds;
    ModalMessageBoxes boxes;
    QTemporaryDir folder;
    {
        QFile file(QDir(folder.path()).filePath(QString::fromLatin1(Program::kJournalFileName)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(host::writeJournal(gameInRound4())));
    }
    Program program(sounds, boxes, folder.path());
    program.server.Sock1.setPortName("0");
    // The offer stays on top: shown during the question, it would hide it.
    bool offerShownDuringQuestion = true;
    boxes.whileOpen = [&] { offerShownDuringQuestion = program.download->isVisible(); };
    boxes.answer = false;
    program.chat.shell().setCommandLine({});
    program.chat.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.download->isVisible(); }, 20000));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].startsWith(QStringLiteral("Resume the unfinished game"))) << boxes.shown[0].toStdString();
    EXPECT_FALSE(offerShownDuringQuestion);
}
