// Running the table: the seat popup, Just Watch, Bot Speed and removing players.
#include "tablefixture.h"

#include "host/serverform.h"

#include <QAction>
#include <QMenu>

TEST_F(TableTest, SeatPopupIsTheHostsAndActsOnTheSeatItWasOpenedOn)
{
    auto* menu = find<QMenu>(QStringLiteral("popup_kick"));
    const char* entries[] = {"RemoveFromGame1", "SettoJustWatch1", "UnsetJustWatch1"};
    // Opens the popup on a seat's name as a right click does; which entries are enabled.
    const auto open = [&](int seat) {
        emit find(QStringLiteral("label_playername%1").arg(seat))->customContextMenuRequested(QPoint(2, 2));
        QString marks;
        for (const char* entry : entries)
            marks += find<QAction>(QLatin1String(entry))->isEnabled() ? QLatin1Char('+') : QLatin1Char('-');
        menu->close();
        return marks;
    };
    EXPECT_EQ(open(1), QStringLiteral("---"));
    table->setHosting(true);
    // Before the login nothing may go out (there is no connection to send on).
    for (const char* entry : entries)
        find<QAction>(QLatin1String(entry))->trigger();

    login(1);
    feed({"CMD_existingplayers+2+Bob+0"});
    EXPECT_EQ(open(3), QStringLiteral("-++"));
    EXPECT_EQ(open(2), QStringLiteral("+++"));
    for (const char* entry : entries)
        find<QAction>(QLatin1String(entry))->trigger();
    table->menus().kicking(7); // the spy list's way in
    ASSERT_TRUE(host.waitForMessage("CMD_kickhim+1+7+"));
    EXPECT_EQ(host.received,
              QByteArray("CMD_kickhim+1+2+\xFF" "CMD_justwatch+2+1\xFF" "CMD_justwatch+2+2\xFF" "CMD_kickhim+1+7+\xFF"));

    // A table that does not host sees the entries greyed and removes nobody.
    host.received.clear();
    table->setHosting(false);
    EXPECT_EQ(open(2), QStringLiteral("---"));
    table->menus().kicking(2);
    find<QAction>(QStringLiteral("Fast1"))->trigger();
    ASSERT_TRUE(host.waitForMessage("CMD_botspeed+1+500+"));
    EXPECT_EQ(host.received, QByteArray("CMD_botspeed+1+500+\xFF"));
}

TEST_F(TableTest, JustWatchAsksTheHostAndShowsOnlyItsAnswer)
{
    login(4);
    auto* justWatch = find<QAction>(QStringLiteral("JustWatch1"));
    justWatch->trigger();
    EXPECT_FALSE(justWatch->isChecked());
    ASSERT_TRUE(host.waitForMessage("CMD_justwatch+4+1"));
    feed({"CMD_justwatching+4+1"});
    EXPECT_TRUE(justWatch->isChecked());
    justWatch->trigger();
    EXPECT_TRUE(justWatch->isChecked());
    ASSERT_TRUE(host.waitForMessage("CMD_justwatch+4+2"));
    EXPECT_EQ(host.received, QByteArray("CMD_justwatch+4+1\xFF" "CMD_justwatch+4+2\xFF"));
}

TEST_F(TableTest, ComputerSkillSitsAboveJustWatchAndOnlyTheHostingTableMayChooseIt)
{
    auto* options = find<QMenu>(QStringLiteral("Options1"));
    const auto entries = options->actions();
    ASSERT_GE(entries.size(), 2);
    EXPECT_EQ(entries.last()->text(), QStringLiteral("Just Watch"));
    EXPECT_EQ(entries[entries.size() - 2]->text(), QStringLiteral("Computer Skill"));
    auto* skillMenu = find<QMenu>(QStringLiteral("ComputerSkill1"));
    auto* standard = find<QAction>(QStringLiteral("Standard1"));
    auto* strong = find<QAction>(QStringLiteral("Strong1"));
    EXPECT_EQ(skillMenu->actions(), (QList<QAction*>{standard, strong}));
    EXPECT_TRUE(standard->isChecked());
    EXPECT_FALSE(strong->isChecked());
    EXPECT_EQ(table->menus().computerSkill(), 0);

    table->setHosting(false);
    EXPECT_FALSE(skillMenu->isEnabled());
    table->setHosting(true);
    EXPECT_TRUE(skillMenu->isEnabled());

    // The choice is saved and read by the host from this table; nothing is sent.
    TServer server;
    table->shell().setServer(&server);
    int saves = 0;
    table->hooks.onSaveSettings = [&saves](SettingsOption) { ++saves; };
    login(1);
    strong->trigger();
    EXPECT_TRUE(strong->isChecked());
    EXPECT_FALSE(standard->isChecked());
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(server.computerSkillProvider(), 1);
    standard->trigger();
    EXPECT_EQ(server.computerSkillProvider(), 0);
    EXPECT_EQ(saves, 2);
    table->menus().setComputerSkill(7);  // anything but Strong is Standard
    EXPECT_TRUE(standard->isChecked());
    find<QAction>(QStringLiteral("Fast1"))->trigger();
    ASSERT_TRUE(host.waitForMessage("CMD_botspeed+1+500+"));
    EXPECT_EQ(host.received, QByteArray("CMD_botspeed+1+500+\xFF"));
}

// What the host reads of it is shown by the real program's turn limit test.
TEST_F(TableTest, TurnTimeLimitSitsAboveComputerSkillAndOnlyTheHostingTableMayChooseIt)
{
    const auto entries = find<QMenu>(QStringLiteral("Options1"))->actions();
    auto* limitMenu = find<QMenu>(QStringLiteral("TurnTimeLimit1"));
    ASSERT_GE(entries.size(), 3);
    EXPECT_EQ(entries[entries.size() - 3], limitMenu->menuAction());
    EXPECT_FALSE(limitMenu->isEnabled());
    table->setHosting(true);
    EXPECT_TRUE(limitMenu->isEnabled());
    int saves = 0;
    table->hooks.onSaveSettings = [&saves](SettingsOption option) { saves += option == SettingsOption::TurnLimit; };
    limitMenu->actions().at(3)->trigger();
    EXPECT_EQ(table->menus().turnLimit(), 120);
    EXPECT_EQ(saves, 1);
}

// The host and two tables over loopback: the computer moves at the hosting table's Bot Speed,
// whatever a joined table chooses.
TEST(BotSpeed, ComputerFollowsTheHostingTableNotAJoinedOne)
{
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    QTcpServer lobby;
    ASSERT_TRUE(lobby.listen(QHostAddress::LocalHost, 0));
    TServer server;
    server.Sock1.setPortName("0");
    Tchat ann(sounds, boxes), bob(sounds, boxes);
    for (Tchat* table : {&ann, &bob}) {
        table->shell().Sock11.setPortName(std::to_string(lobby.serverPort()));
        table->show();
    }
    ann.shell().setServer(&server);
    ann.shell().processparams({"Ann", "-", "true"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.mirror().state().loggedIn; }, 10000));
    bob.shell().setGamePort(server.port());
    bob.shell().processparams({"Bob", "127.0.0.1", "false"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.seatCaption(2) == "Bob"; }, 10000));

    bob.findChild<QAction*>("Fast1")->trigger();
    ann.shell().startGame({"Ann", "3", "1", ""});
    auto* bobsRound = bob.findChild<QLabel*>("label_round");
    ASSERT_TRUE(QTest::qWaitFor([&] { return bobsRound->text() == "Round: 1 of 3"; }, 10000));
    // Both watch, so the computer plays every turn.
    for (Tchat* table : {&ann, &bob})
        table->findChild<QAction*>("JustWatch1")->trigger();
    QList<int> delays;
    const auto armedWith = [&](int delay) {
        return QTest::qWaitFor([&] {
            if (server.computertimer.isActive() && !delays.contains(server.computertimer.interval()))
                delays.append(server.computertimer.interval());
            return delays.contains(delay);
        }, 20000);
    };
    EXPECT_TRUE(armedWith(1000));
    ann.findChild<QAction*>("Slow1")->trigger();
    EXPECT_TRUE(armedWith(2000));
    EXPECT_EQ(delays, QList<int>({1000, 2000}));
    EXPECT_EQ(bob.menus().botSpeed(), 500);
}
