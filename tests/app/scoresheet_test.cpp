// The score sheet as tables keep it: the host's messages of a whole game go through each table's
// dispatcher, and the sheet window shows what the host announced, the same on a seat that saw the
// whole game, a spectator and a player who joined in the second round.
#include "app/program.h"
#include "table/link.h"
#include "table/menus.h"
#include "table/shell.h"
#include "table/sounds.h"
#include <QStringListModel>
#include "dialogs/scoresheetform.h"
#include "platform/messagebox.h"
#include "platform/sound.h"
#include "table/artwork.h"
#include "table/chatpanel.h"
#include "table/chatview.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Three players from the start; Dee (seat 4) joins during round 2 under option 2 and is credited
// the highest total. Round 1 restarts around 3|3, round 2 is blocked, round 3 ends in a tie
// between Ann and Cy and is played again; Cy wins.
const Lines kBeforeDee = {
    "CMD_newplayerinfo+1+Ann+0",
    "CMD_newplayerinfo+2+Bob+0",
    "CMD_newplayerinfo+3+Cy+0",
    "CMD_startgame+Ann+3+",
    "CMD_startround+1+55+14+1+t+2+t+3+t+4+f+5+f+6+f",
    "CMD_nextplayer+1+1+t+t+t+1+1+1+",
    "CMD_heplayed+1+2+40+1+1+t+13+",
    "CMD_nextplayer+2+1+f+t+t+1+1+1+",
    "CMD_heplayed+2+7+27+2+1+t+13+",
    "CMD_nextplayer+3+1+f+f+t+1+1+1+",
    "CMD_heplayed+3+1+49+3+1+t+13+",
    "CMD_nextplayer+1+2+t+t+t+2+2+2+",
    "CMD_hepassed+1+",
    "CMD_nextplayer+2+2+t+t+t+2+2+2+",
    "CMD_heplayed+2+3+31+3+2+t+12+",
    "CMD_nextplayer+3+2+t+t+t+2+2+3+",
    "CMD_double+3+4+28+3+3+f+12+",
    "CMD_beginagain+28+",
    "CMD_nextplayer+1+1+t+t+t+1+1+1+",
    "CMD_endround+3+1+23+23+2+31+31+3+-20+-20",
    "CMD_startround+2+53+14+1+t+2+t+3+t+4+f+5+f+6+f",
    "CMD_nextplayer+1+1+t+t+t+1+1+1+",
    "CMD_heplayed+1+5+54+1+1+f+13+",
};
// What the host sends Dee alone when Dee logs in (after the login itself).
const Lines kDeeJoins = {
    "CMD_newplayerinfo+4+Dee+0",
    "CMD_existingplayers+1+Ann+0+2+Bob+0+3+Cy+0",
    "CMD_youplay+2+4",
    "CMD_gamestats+2+2+3+8+f+23+31+-20+0+0+0+1+1+54+f",
};
const Lines kAfterDee = {
    "CMD_nextplayer+2+1+f+t+t+1+1+1+",
    "CMD_hepassed+2+",
    "CMD_nextplayer+3+1+f+t+t+1+1+1+",
    "CMD_hepassed+3+",
    "CMD_nextplayer+1+1+f+t+t+1+1+1+",
    "CMD_hepassed+1+",
    "CMD_endround+0+1+104+127+2+121+152+3+97+77+4+152+152",
    "CMD_startround+3+50+11+1+t+2+t+3+t+4+t+5+f+6+f",
    "CMD_nextplayer+2+1+t+t+t+1+1+1+",
    "CMD_heplayed+2+6+47+1+1+t+10+",
    "CMD_endround+1+1+-20+107+2+10+162+3+30+107+4+5+157",
    "CMD_tiegame+",
    "CMD_startround+3+50+11+1+t+2+t+3+t+4+t+5+f+6+f",
    "CMD_nextplayer+2+1+t+t+t+1+1+1+",
    "CMD_endround+3+1+6+113+2+14+176+3+-20+87+4+8+165",
    "CMD_winner+Cy+",
};

// The rows as the players read them: seat cells as "score/total".
const QStringList kHeading = {"Round", "Spinner", "End", "Ann", "Bob", "Cy", "Dee"};
const std::vector<QStringList> kSeenRows = {
    {"1", "9|9 \u2192 3|3", "Cy went out", "+23/23", "+31/31", "-20/-20", "/"},
    {"2", "8|8", "blocked", "+104/127", "+121/152", "+97/77", "+152/152"},
    {"3", "7|7", "Ann went out", "-20/107", "+10/162", "+30/107", "+5/157"},
    {"3 (tie replay)", "7|7", "Cy went out", "+6/113", "+14/176", "-20/87", "+8/165"},
    {"Winner", "Cy"},
};

// A listener in the host's place, so a table can log in on the number the test gives it.
struct HostEnd {
    HostEnd()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] { connection = server.nextPendingConnection(); });
    }
    QTcpServer server;
    QTcpSocket* connection = nullptr;
};

struct Table {
    Table() : sheet(chat.scoreSheet(), boxes, QPixmap()) {}

    void feed(const Lines& lines)
    {
        for (const std::string& line : lines)
            chat.link().queueReceived(line + '\xFF');
        while (chat.link().queuedMessages() > 0)
            chat.link().Timer1Timer();
    }
    void login(int number)
    {
        chat.link().connectToHost(QStringLiteral("127.0.0.1"), host.server.serverPort());
        ASSERT_TRUE(QTest::qWaitFor([&] { return host.connection && chat.link().sock.Connected(); }, 20000));
        feed({"CMD_sendlogininfo+" + std::to_string(number)});
    }
    QTableWidget* grid() { return sheet.findChild<QTableWidget*>(QStringLiteral("grid_sheet")); }
    QStringList heading()
    {
        QStringList names;
        for (int column = 0; column < grid()->columnCount(); ++column)
            names.append(grid()->horizontalHeaderItem(column)->text());
        return names;
    }
    std::vector<QStringList> rows()
    {
        std::vector<QStringList> all;
        for (int row = 0; row < grid()->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < grid()->columnCount(); ++column) {
                const QTableWidgetItem* item = grid()->item(row, column);
                if (!item)
                    continue;
                cells.append(column < 3 ? item->text()
                                        : item->text() + '/' + item->data(Qt::UserRole + 1).toString());
            }
            all.push_back(cells);
        }
        return all;
    }
    QTableWidgetItem* at(int row, int column) { return grid()->item(row, column); }

    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    HostEnd host;
    Tchat chat{sounds, boxes};
    Tscoresheet sheet;
};

std::string describe(const std::vector<QStringList>& rows)
{
    std::string text;
    for (const QStringList& row : rows)
        text += row.join(" | ").toStdString() + "\n";
    return text;
}

} // namespace

TEST(ScoreSheet, EverySeatSpectatorAndLateJoinerShowsTheTotalsTheHostAnnounced)
{
    Table ann, spy, dee;
    ann.login(1);
    spy.login(7);
    for (Table* table : {&ann, &spy})
        table->feed(kBeforeDee);
    dee.login(4);
    dee.feed(kDeeJoins);
    for (Table* table : {&ann, &spy}) {
        table->feed({"CMD_newplayerinfo+4+Dee+0"});
        // Open while the game goes on: it follows each message.
        table->sheet.show();
    }
    for (Table* table : {&ann, &spy, &dee})
        table->feed(kAfterDee);

    const QStringList winnerHeading = {"Round", "Spinner", "End", "Ann", "Bob", "Cy \u2605", "Dee"};
    for (Table* table : {&ann, &spy}) {
        EXPECT_EQ(table->heading(), winnerHeading);
        EXPECT_EQ(describe(table->rows()), describe(kSeenRows));
    }
    // Dee saw round 1 only as the totals that came with the state of the game.
    dee.sheet.show();
    EXPECT_EQ(dee.heading(), winnerHeading);
    std::vector<QStringList> deeRows = kSeenRows;
    deeRows[0] = {"1", "9|9", "not seen", "not seen/23", "not seen/31", "not seen/-20", "not seen/0"};
    EXPECT_EQ(describe(dee.rows()), describe(deeRows));

    // The seed is the hosting table's notice; no other table shows one.
    for (Table* table : {&ann, &spy, &dee})
        EXPECT_FALSE(table->chat.chatPanel().view()->toPlainText().contains(QStringLiteral("seed")));
    for (Table* table : {&ann, &spy, &dee}) {
        // Dee's 152 in round 2 is the credit for joining; Dee was not dealt in.
        EXPECT_EQ(table->at(1, 6)->toolTip(), QStringLiteral("Credited on joining the game"));
        EXPECT_TRUE(table->at(1, 5)->toolTip().isEmpty());
        // The seat that went out stands out from the rest of its row, and so does a blocked round.
        EXPECT_NE(table->at(2, 3)->background(), table->at(2, 4)->background());
        EXPECT_EQ(table->at(2, 4)->background(), table->at(2, 5)->background());
        EXPECT_NE(table->at(1, 3)->background(), table->at(2, 4)->background());
        EXPECT_TRUE(table->grid()->horizontalHeaderItem(5)->font().bold());
        EXPECT_FALSE(table->grid()->horizontalHeaderItem(3)->font().bold());
        EXPECT_EQ(table->sheet.findChild<QLabel*>(QStringLiteral("label_game"))->text().left(18),
                  QStringLiteral("Cy has Won the Gam"));
    }

    // Copy gives the same sheet as tab-separated lines.
    dee.sheet.findChild<QPushButton*>(QStringLiteral("button_copy"))->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "Round\tSpinner\tEnd\tAnn\tTotal\tBob\tTotal\tCy\tTotal\tDee\tTotal\n"
              "1\t9|9\tnot seen\tnot seen\t23\tnot seen\t31\tnot seen\t-20\tnot seen\t0\n"
              "2\t8|8\tblocked\t104\t127\t121\t152\t97\t77\t152\t152\n"
              "3\t7|7\tAnn went out\t-20\t107\t10\t162\t30\t107\t5\t157\n"
              "3 (tie replay)\t7|7\tCy went out\t6\t113\t14\t176\t-20\t87\t8\t165\n"
              "Winner\t\tCy\n");

    // The next game starts a new sheet; the finished one is kept as the previous game.
    auto* choice = ann.sheet.findChild<QComboBox*>(QStringLiteral("combo_game"));
    auto* choices = qobject_cast<QStandardItemModel*>(choice->model());
    EXPECT_FALSE(choices->item(1)->isEnabled());
    ann.feed({"CMD_startgame+Ann+5+", "CMD_startround+1+55+11+1+t+2+t+3+t+4+t+5+f+6+f"});
    EXPECT_TRUE(choices->item(1)->isEnabled());
    EXPECT_EQ(describe(ann.rows()), describe({{"1", "9|9", "in play", "/", "/", "/", "/"}}));
    ann.sheet.showGame(1);
    EXPECT_EQ(describe(ann.rows()), describe(kSeenRows));
    // A third game pushes the first one out.
    ann.feed({"CMD_startgame+Ann+3+"});
    EXPECT_EQ(describe(ann.rows()), describe({{"1", "9|9", "in play", "/", "/", "/", "/"}}));
}

TEST(ScoreSheet, MessagesThatDoNotParseLeaveTheSheetAsItWas)
{
    Table ann;
    ann.feed({"CMD_newplayerinfo+1+Ann+0", "CMD_startgame+Ann+3+", "CMD_startround+1+55+16+1+t+2+t+3+f+4+f+5+f+6+f"});
    ann.sheet.show();
    const std::string before = describe(ann.rows());
    ann.feed({"CMD_endround+9+1+10+10+2+-20+-20", "CMD_endround+2+1+10+10+7+-20+-20", "CMD_endround+2+1+x+10",
              "CMD_startround+2+53+16+1+t+8+t", "CMD_beginagain+99+", "CMD_gamestats+1+2+3+8+t+1+2"});
    EXPECT_EQ(describe(ann.rows()), before);
    EXPECT_EQ(before, describe({{"1", "9|9", "in play", "/", "/"}}));
    // A refused save says why and writes nothing.
    const QString missing = QDir::temp().filePath(QStringLiteral("no-such-folder-for-tilvaro/sheet.csv"));
    ann.sheet.chooseFile = [&] { return missing; };
    ann.sheet.findChild<QPushButton*>(QStringLiteral("button_save"))->click();
    ASSERT_EQ(ann.boxes.shown.size(), 1);
    EXPECT_TRUE(ann.boxes.shown[0].startsWith(QStringLiteral("The score sheet could not be saved.")));
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(ScoreSheet, TheViewMenuOpensItAndOnlyTheHostingTableSeesTheGameSeed)
{
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    QTemporaryDir folder;
    Program program{sounds, boxes, folder.path()};
    Tchat& chat = program.chat;
    program.server.Sock1.setPortName("0");
    chat.shell().random().seed(4000000000u);
    chat.shell().setCommandLine({QStringLiteral("Ann"), QStringLiteral("-"), QStringLiteral("true")});
    chat.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return chat.seatCaption(1) == QStringLiteral("Ann"); }, 20000));

    // The last item of View, with a letter of its own, opens the sheet without blocking the table.
    auto* view = chat.findChild<QMenu*>(QStringLiteral("View1"));
    QAction* item = view->actions().last();
    EXPECT_EQ(item->objectName(), QStringLiteral("ScoreSheet1"));
    EXPECT_EQ(item->text(), QStringLiteral("S&core Sheet"));
    for (QAction* other : view->actions())
        EXPECT_TRUE(other == item || !other->text().contains(QStringLiteral("&c"), Qt::CaseInsensitive))
            << other->text().toStdString();
    item->trigger();
    EXPECT_TRUE(program.scoresheet->isVisible());
    EXPECT_FALSE(program.scoresheet->isModal());
    EXPECT_EQ(program.scoresheet->windowTitle(), QStringLiteral("Tilvaro - Score Sheet"));

    // Two games from the same table: each shows the generator's state as the host began to deal.
    chat.shell().startGame({QStringLiteral("Ann"), QStringLiteral("3"), QStringLiteral("1"), QString()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.scoresheet->shownGame() && !program.scoresheet->shownGame()->rows.empty(); }, 20000));
    // The chat view sets names and texts apart with blanks.
    const auto chatText = [&] { return chat.chatPanel().view()->toPlainText().simplified(); };
    const QString text = chatText();
    EXPECT_TRUE(text.contains(QStringLiteral("Game seed: 4000000000"))) << text.toStdString();
    // One notice of the table, not a name "Game seed:" and a text.
    const ChatView* shown = chat.chatPanel().view();
    const QStringList lines = shown->toPlainText().split(QLatin1Char('\n'));
    const int seedLine = static_cast<int>(lines.indexOf(QStringLiteral(" Game seed: 4000000000 ")));
    ASSERT_GE(seedLine, 0) << shown->toPlainText().toStdString();
    EXPECT_EQ(shown->pieceKinds(seedLine), QStringLiteral("TTTT"));
    EXPECT_EQ(shown->colourAt(seedLine, 1), QColor(0, 0, 255));
    const std::uint32_t second = chat.shell().random().state();
    chat.shell().startGame({QStringLiteral("Ann"), QStringLiteral("3"), QStringLiteral("1"), QString()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return chat.scoreSheet().previous() != nullptr; }, 20000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return chatText().contains(QStringLiteral("Game seed: %1").arg(second)); }, 20000));
    EXPECT_EQ(program.server.engine().gameSeed(), second);
}

TEST(ScoreSheet, PictureOfAFinishedFiveRoundGameWithFourSeats)
{
    Table ann;
    ann.login(1);
    Tscoresheet sheet(ann.chat.scoreSheet(), ann.boxes, ann.chat.artwork().tableBackground, [&](int bone) {
        return ann.chat.artwork().lyingBone(bone, false).scaledToHeight(17, Qt::SmoothTransformation);
    });
    ann.feed({"CMD_newplayerinfo+1+Ann+0", "CMD_newplayerinfo+2+Bob+0", "CMD_newplayerinfo+3+Cy+0",
              "CMD_newplayerinfo+4+Dee+0", "CMD_startgame+Ann+5+",
              "CMD_startround+1+55+11+1+t+2+t+3+t+4+t+5+f+6+f", "CMD_endround+2+1+18+18+2+-20+-20+3+25+25+4+11+11",
              "CMD_startround+2+53+11+1+t+2+t+3+t+4+t+5+f+6+f", "CMD_double+1+3+35+2+4+f+6+", "CMD_beginagain+35+",
              "CMD_endround+1+1+-20+-2+2+14+-6+3+9+34+4+22+33",
              "CMD_startround+3+50+11+1+t+2+t+3+t+4+t+5+f+6+f", "CMD_endround+4+1+7+5+2+16+10+3+3+37+4+-20+13",
              "CMD_startround+4+46+11+1+t+2+t+3+t+4+t+5+f+6+f", "CMD_endround+0+1+31+36+2+27+37+3+40+77+4+19+32",
              "CMD_startround+5+41+11+1+t+2+t+3+t+4+t+5+f+6+f", "CMD_endround+3+1+12+48+2+8+45+3+-20+57+4+6+38",
              "CMD_winner+Dee+"});
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    auto* grid = sheet.findChild<QTableWidget*>(QStringLiteral("grid_sheet"));
    EXPECT_EQ(grid->rowCount(), 6);
    EXPECT_EQ(grid->item(4, 6)->data(Qt::UserRole + 1).toString(), QStringLiteral("38"));
    EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("8|8 \u2192 4|4"));
    // Every row and column in sight: nothing of the finished sheet needs scrolling.
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());

    const QImage shot = sheet.grab().toImage();
    QDir().mkpath(QStringLiteral(TILVARO_SCREENSHOT_DIR));
    const QString path = QStringLiteral(TILVARO_SCREENSHOT_DIR "/scoresheet.png");
    ASSERT_TRUE(shot.save(path)) << path.toStdString();
    // The spinner column shows bones: ivory beside the round numbers.
    const QRect spinners = grid->visualItemRect(grid->item(0, 1)).translated(grid->viewport()->mapTo(&sheet, QPoint()));
    int ivory = 0;
    for (int x = spinners.left(); x < spinners.left() + 40; ++x) {
        const QColor c = shot.pixelColor(x, spinners.center().y());
        ivory += c.red() > 200 && c.green() > 200 && c.blue() > 170 && c.red() - c.blue() < 60;
    }
    EXPECT_GT(ivory, 10);
}
