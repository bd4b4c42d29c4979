// Two tables and the host in one process over loopback: a whole three-round game played by
// clicking bones, toe markers and Pass, until both tables show the winner.
#include "tablefixture.h"

#include "game/bones.h"
#include "host/serverform.h"
#include "table/tablewidgets.h"


namespace {

struct Player {
    explicit Player(const char* name) : table(sounds, boxes) { table.shell().setPlayerName(QString::fromLatin1(name)); table.show(); }
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    Tchat table;
    QStringList tally;
};

// The table's turn is open and nothing is on its way: it may act.
bool canAct(Tchat& table)
{
    return table.mirror().state().turnSeat == table.mirror().state().ownSeat && table.link().queuedMessages() == 0 &&
           table.findChild<QWidget*>(QStringLiteral("button_pass"))->isVisible();
}

// Plays the first bone of the hand that fits an offered toe, as a player would by clicking it and
// then the marker; passes when none fits or the host refused the last try.
void act(Tchat& table)
{
    auto* status = table.findChild<QLabel*>(QStringLiteral("label_status"));
    if (status->text() != QStringLiteral("That is not a valid play")) {
        for (int toe = 1; toe <= 3; ++toe) {
            auto* marker = table.findChild<ClickImage*>(QStringLiteral("image_toe%1").arg(toe));
            if (!marker->isVisible())
                continue;
            const int pip = marker->tag == 1 ? game::gettopnum(table.mirror().state().spinnerBone)
                                             : game::outwardPip(table.mirror().state().board.cell(toe, marker->tag - 1));
            for (BoneImage* bone : table.findChildren<BoneImage*>())
                if (game::gettopnum(bone->hint) == pip || game::getbotnum(bone->hint) == pip) {
                    QTest::mouseClick(bone, Qt::LeftButton);
                    QTest::mouseClick(marker, Qt::LeftButton);
                    return;
                }
        }
    }
    QTest::mouseClick(table.findChild<QWidget*>(QStringLiteral("button_pass")), Qt::LeftButton);
}

bool sameBoard(const game::Board& a, const game::Board& b)
{
    bool same = true;
    for (int toe = 1; toe <= 3; ++toe)
        for (int p = 1; p <= game::kToePositions; ++p)
            same &= a.cell(toe, p).bone == b.cell(toe, p).bone && a.cell(toe, p).flip == b.cell(toe, p).flip;
    return same;
}

} // namespace

TEST(EndToEnd, TwoTablesPlayAWholeGameWithTheHost)
{
    TServer server;
    server.Sock1.setPortName("0");
    server.setTimer1Interval(20);
    server.startListening();
    const host::HostState& hostState = server.engine().state();

    Player ann("Ann");
    Player bob("Bob");
    server.botSpeedProvider = [&] { return ann.table.menus().botSpeed(); };
    ann.table.setHosting(true);
    ann.table.hooks.onShowGameStart = [&] { ann.table.link().sock.Send("CMD_startgame+Ann+3+1+\xFF"); };
    for (Player* player : {&ann, &bob})
        player->table.hooks.onAddGame = [player](const QString& winner, bool won) {
            player->tally.append(winner + (won ? "+won" : ""));
        };

    ann.table.link().connectToHost(QStringLiteral("127.0.0.1"), server.port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.table.mirror().state().loggedIn; }, 10000));
    bob.table.link().connectToHost(QStringLiteral("127.0.0.1"), server.port());
    auto* bobOnAnnsTable = ann.table.findChild<QLabel*>(QStringLiteral("label_playername2"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return bobOnAnnsTable->text() == QStringLiteral("Bob"); }, 10000));
    EXPECT_EQ(bob.table.mirror().state().ownSeat, 2);
    EXPECT_EQ(bob.table.findChild<QLabel*>(QStringLiteral("label_playername1"))->text(), QStringLiteral("Ann"));

    QTest::mouseClick(ann.table.findChild<QWidget*>(QStringLiteral("button_start")), Qt::LeftButton);
    auto* annBanner = ann.table.findChild<QWidget*>(QStringLiteral("panel_winner"));
    auto* bobBanner = bob.table.findChild<QWidget*>(QStringLiteral("panel_winner"));
    const auto over = [&] { return annBanner->isVisible() && bobBanner->isVisible(); };
    int actions = 0;
    while (!over()) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return over() || canAct(ann.table) || canAct(bob.table); }, 30000))
            << "the game stalled after " << actions << " actions";
        if (over())
            break;
        // Whenever a player is about to act, both tables show the host's board.
        EXPECT_TRUE(sameBoard(ann.table.mirror().state().board, hostState.board));
        EXPECT_TRUE(sameBoard(bob.table.mirror().state().board, hostState.board));
        act(canAct(ann.table) ? ann.table : bob.table);
        ASSERT_LT(++actions, 2000);
    }

    std::printf("game over after %d actions\n", actions);
    const int winnerSeat = hostState.seat(1).total < hostState.seat(2).total ? 1 : 2;
    Player& winner = winnerSeat == 1 ? ann : bob;
    Player& loser = winnerSeat == 1 ? bob : ann;
    const QString name = QString::fromStdString(hostState.seat(winnerSeat).name);
    EXPECT_EQ(winner.table.findChild<QLabel*>(QStringLiteral("label_winner1"))->text(), QStringLiteral("You have Won the Game!"));
    EXPECT_EQ(loser.table.findChild<QLabel*>(QStringLiteral("label_winner1"))->text(), name + QStringLiteral(" has Won the Game!"));
    EXPECT_EQ(winner.tally, QStringList{name + QStringLiteral("+won")});
    EXPECT_EQ(loser.tally, QStringList{name});
    const QStringList hostTotals{QString::number(hostState.seat(1).total), QString::number(hostState.seat(2).total)};
    for (Player* player : {&ann, &bob}) {
        const auto label = [player](const QString& name) { return player->table.findChild<QLabel*>(name)->text(); };
        EXPECT_EQ(QStringList({label("label_score1"), label("label_score2")}), hostTotals);
        EXPECT_EQ(label("label_round"), QStringLiteral("Round: 3 of 3"));
        EXPECT_EQ(player->sounds.played.last(), QStringLiteral("winner"));
        EXPECT_TRUE(player->boxes.shown.isEmpty());
    }
    EXPECT_TRUE(ann.table.findChild<QWidget*>(QStringLiteral("button_start"))->isVisible());
    EXPECT_FALSE(bob.table.findChild<QWidget*>(QStringLiteral("button_start"))->isVisible());
}
