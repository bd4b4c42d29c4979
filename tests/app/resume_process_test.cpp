// The real program survives its own death: a hosting copy is killed in round 2 of a game, a new
// copy in the same folder takes the game up, the two tables log in again under their names, get
// their seats and hands back, and the game runs to its end. Each table checks every message it
// receives against the rules on its own.
#include "rawtable.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

std::pair<int, int> pipsOf(int bone)
{
    int number = 0;
    for (int top = 0; top <= 9; ++top)
        for (int bottom = top; bottom <= 9; ++bottom)
            if (++number == bone)
                return {top, bottom};
    return {-1, -1};
}

bool shows(int bone, int pip) { return pipsOf(bone).first == pip || pipsOf(bone).second == pip; }

// A table run by a script that also referees: it plays the first bone of its hand that fits the
// first toe offered (or passes), answers every login request, and records every message that breaks
// a rule of the game.
class RefereeingPlayer {
public:
    explicit RefereeingPlayer(const QByteArray& name) : name_(name) {}

    // Handles what arrived since the last call; true once the game has a winner.
    bool step()
    {
        for (qsizetype end; (end = table->received.indexOf('\xFF', read_)) >= 0; read_ = end + 1)
            handle(QString::fromLatin1(table->received.mid(read_, end - read_)).split('+'));
        return over;
    }
    // A new connection (to a new host): what is known of the board and the other seats is relearned.
    void connect(quint16 port)
    {
        if (table)
            step();
        table = std::make_unique<RawTable>(port, name_);
        read_ = 0;
        seat = 0;
        left_.clear();
        handAtLogin.clear();
        loginHandPending_ = true;
    }

    QByteArray name_;
    std::unique_ptr<RawTable> table;
    int seat = 0;
    bool over = false;
    int rounds = 0;   // "CMD_startround" seen
    int plays = 0;    // plays seen
    std::map<int, int> hand;  // slot -> bone
    std::vector<std::string> faults;
    std::map<int, int> handAtLogin;  // the hand the host gave at the latest login

private:
    void fault(const QStringList& f, const char* what) { faults.push_back(f.join('+').toStdString() + ": " + what); }

    int end(int toe, int position) const
    {
        if (position == 1)
            return spinner_;
        const auto [bone, flip] = toes_[toe][position - 1];
        return flip ? pipsOf(bone).first : pipsOf(bone).second;
    }
    int firstEmpty(int toe) const
    {
        for (int p = 1; p <= 40; ++p)
            if (toes_[toe][p].first == 0)
                return p;
        return 0;
    }
    bool footPhase() const { return toes_[1][1].first == 0 || toes_[2][1].first == 0 || toes_[3][1].first == 0; }
    int handPips() const
    {
        int pips = 0;
        for (const auto& [slot, bone] : hand)
            pips += pipsOf(bone).first + pipsOf(bone).second;
        return pips;
    }

    // A bone played by `who` at toe/position: it must fit there, and come from where it is said to.
    void checkPlay(const QStringList& f, int who, int slot, int bone, int toe, int position)
    {
        if (toe < 1 || toe > 3 || position < 1 || position > 40 || played_.count(bone)) {
            fault(f, "impossible place or a bone played twice");
            return;
        }
        if (position == 1 ? !footPhase() || toes_[toe][1].first != 0 : footPhase() || position != firstEmpty(toe))
            fault(f, "not the place to play now");
        if (!shows(bone, end(toe, position)))
            fault(f, "the bone does not fit");
        if (who == seat) {
            if (hand[slot] != bone)
                fault(f, "not the bone of that slot");
            hand.erase(slot);
        }
        played_.insert(bone);
        if (left_.count(who) && --left_[who] != number(f, 7))
            fault(f, "wrong count of bones left");
        if (who == seat && static_cast<int>(hand.size()) != number(f, 7))
            fault(f, "wrong count of my bones left");
    }
    static int number(const QStringList& f, int i) { return f.value(i).toInt(); }

    void handle(const QStringList& f)
    {
        const QString& verb = f[0];
        if (verb == "CMD_sendlogininfo") {
            seat = number(f, 1);
            table->send("CMD_logininfo+" + QByteArray::number(seat) + "+1.0.4+" + name_);
        } else if (verb == "CMD_startround") {
            ++rounds;
            spinner_ = pipsOf(number(f, 2)).first;
            toes_ = {};
            played_ = {number(f, 2)};
            hand.clear();
            left_.clear();
            for (int i = 4; i + 1 < f.size(); i += 2)
                if (f[i + 1] == "t")
                    left_[number(f, i)] = number(f, 3);
        } else if (verb == "CMD_beginagain") {
            if (number(f, 1) != pendingDouble_)
                fault(f, "a new centre that was not the double played");
            spinner_ = pipsOf(number(f, 1)).first;
            toes_ = {};
        } else if (verb == "CMD_dealmybones" && number(f, 1) == seat) {
            hand.clear();
            for (int i = 2; i + 1 < f.size(); i += 2) {
                if (played_.count(number(f, i + 1)))
                    fault(f, "dealt a bone already played");
                hand[number(f, i)] = number(f, i + 1);
            }
            if (std::exchange(loginHandPending_, false))
                handAtLogin = hand;
        } else if (verb == "CMD_gamestats") {
            // Told as a late joiner: the spinner, the totals and the board.
            spinner_ = number(f, 4);
            for (int s = 1; s <= 6; ++s)
                totals_[s] = number(f, 5 + s);
            toes_ = {};
            played_.clear();
            for (int i = 12; i + 3 < f.size(); i += 4) {
                toes_[number(f, i)][number(f, i + 1)] = {number(f, i + 2), f[i + 3] == "t"};
                played_.insert(number(f, i + 2));
            }
        } else if (verb == "CMD_heplayed") {
            const int bone = number(f, 3), toe = number(f, 4), position = number(f, 5);
            checkPlay(f, number(f, 1), number(f, 2), bone, toe, position);
            const bool flip = f.value(6) == "t";
            if (toe >= 1 && toe <= 3 && position >= 1 && position <= 40) {
                if (flip != (pipsOf(bone).first != end(toe, position)))
                    fault(f, "the bone lies the wrong way round");
                toes_[toe][position] = {bone, flip};
            }
            ++plays;
        } else if (verb == "CMD_double") {
            const int bone = number(f, 3);
            if (pipsOf(bone).first != pipsOf(bone).second)
                fault(f, "not a double");
            checkPlay(f, number(f, 1), number(f, 2), bone, number(f, 4), number(f, 5));
            pendingDouble_ = bone;
            ++plays;
        } else if (verb == "CMD_endround") {
            const int out = number(f, 1);
            scored_.clear();
            for (int i = 2; i + 2 < f.size() + 0; i += 3) {
                const int who = number(f, i), score = number(f, i + 1), total = number(f, i + 2);
                if (totals_.count(who) && totals_[who] + score != total)
                    fault(f, "a total that is not the sum of the scores");
                if (who == seat && score != handPips() - (out == seat ? 20 : 0))
                    fault(f, "my score is not the pips left in my hand");
                if (who == out && left_.count(who) && left_[who] != 0)
                    fault(f, "out with bones left");
                totals_[who] = total;
                scored_.insert(who);
            }
        } else if (verb == "CMD_nextplayer" && number(f, 1) == seat) {
            play(f);
        } else if (verb == "CMD_winner") {
            int best = 1;
            for (const int who : scored_)
                if (totals_[who] < totals_[best])
                    best = who;
            static const std::array<QString, 4> names{"", "Ann", "Bob", "Cy"};
            if (best > 3 || f.value(1) != names[best])
                fault(f, "the winner has not the lowest total");
            over = true;
        }
    }

    void play(const QStringList& f)
    {
        for (const auto& [slot, bone] : hand)
            for (int toe = 1; toe <= 3; ++toe) {
                const int position = number(f, 5 + toe);
                if (f.value(2 + toe) == "t" && position >= 1 && position <= 40 && shows(bone, end(toe, position))) {
                    table->send(QStringLiteral("CMD_playbone+%1+%2+%3+%4+").arg(seat).arg(slot).arg(toe).arg(position).toLatin1());
                    return;
                }
            }
        table->send(QStringLiteral("CMD_hepasses+%1+").arg(seat).toLatin1());
    }

    qsizetype read_ = 0;
    int spinner_ = -1;
    int pendingDouble_ = 0;
    std::set<int> played_;
    std::map<int, int> left_;    // seat -> bones left, while known
    std::map<int, int> totals_;  // seat -> game total
    std::set<int> scored_;       // the seats scored at the latest end of a round
    bool loginHandPending_ = false;
    std::array<std::array<std::pair<int, bool>, 41>, 4> toes_{};
};

// A hosting copy of the program in `folder`, Ann's, with the computer's bot speed at Fast.
class HostingCopy {
public:
    HostingCopy(const QString& folder, quint16 gamePort, quint16 lobbyPort, bool resume)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("TMPDIR", folder + "/tmp");
        environment.insert("XDG_RUNTIME_DIR", folder + "/tmp");
        environment.insert("XDG_DATA_HOME", folder + "/data");
        environment.insert("TILVARO_TEST_GAME_PORT", QString::number(gamePort));
        environment.insert("TILVARO_TEST_LOBBY_PORT", QString::number(lobbyPort));
        environment.insert("TILVARO_TEST_PRINT_SEATS", "1");
        environment.insert("TILVARO_TEST_COMMANDS", "1");
        environment.insert("TILVARO_SEED", "20261208");
        if (resume)
            environment.insert("TILVARO_TEST_RESUME", "yes");
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder);
        QObject::connect(&process, &QProcess::readyReadStandardOutput, &process,
                         [this] { printed += process.readAllStandardOutput(); });
        process.start(folder + "/tilvaro", {"Ann", "-", "true"});
    }
    ~HostingCopy()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(10000);
        }
    }
    bool showsSeatOne() { return QTest::qWaitFor([&] { return printed.contains("seats\tAnn\t"); }, 20000); }

    QProcess process;
    QByteArray printed;
};

} // namespace

TEST(RealProgram, AHostKilledInRound2IsResumedAndItsPlayersGetTheirSeatsAndHandsBack)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir().mkpath(folder.filePath("tmp")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TILVARO_PROGRAM), folder.filePath("tilvaro")));
    {
        QFile settings(folder.filePath("briskolobby.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[Chickenfoot]\r\nBotspeed=500\r\n");
    }
    const QString journal = folder.filePath("Chickenfoot.journal");
    const quint16 lobby = freePort();
    quint16 port = freePort();

    auto first = std::make_unique<HostingCopy>(folder.path(), port, lobby, false);
    ASSERT_TRUE(first->showsSeatOne());
    RefereeingPlayer bob("Bob"), cy("Cy");
    bob.connect(port);
    ASSERT_TRUE(QTest::qWaitFor([&] { bob.step(); return bob.seat == 2 && bob.table->received.contains("CMD_existingplayers+"); }, 20000));
    cy.connect(port);  // only now: the host lists connections not yet logged in, nameless
    ASSERT_TRUE(QTest::qWaitFor([&] { cy.step(); return cy.seat == 3; }, 20000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return first->printed.contains("seats\tAnn\tBob\tCy\t"); }, 20000));
    first->process.write("start 3\nwatch\n");

    // Into round 2, a few plays in; then the host dies without a word.
    ASSERT_TRUE(QTest::qWaitFor([&] { bob.step(); cy.step(); return bob.rounds >= 2 && bob.plays >= 3; }, 240000));
    ASSERT_TRUE(QFile::exists(journal));
    first->process.kill();
    ASSERT_TRUE(first->process.waitForFinished(10000));
    ASSERT_TRUE(bob.table->disconnected());
    ASSERT_TRUE(cy.table->disconnected());
    bob.step();
    cy.step();
    const auto bobHand = bob.hand, cyHand = cy.hand;
    ASSERT_FALSE(bobHand.empty());
    first.reset();

    // A new copy takes the game up. Cy comes back first and still gets seat 3.
    port = freePort();
    HostingCopy second(folder.path(), port, lobby, true);
    ASSERT_TRUE(second.showsSeatOne());
    cy.connect(port);
    ASSERT_TRUE(QTest::qWaitFor([&] { cy.step(); return cy.seat == 3 && cy.table->received.contains("CMD_dealmybones+3+"); }, 20000));
    bob.connect(port);
    ASSERT_TRUE(QTest::qWaitFor([&] { bob.step(); return bob.seat == 2 && bob.table->received.contains("CMD_dealmybones+2+"); }, 20000));
    EXPECT_EQ(cy.handAtLogin, cyHand);
    EXPECT_EQ(bob.handAtLogin, bobHand);
    EXPECT_TRUE(cy.table->received.contains("CMD_sendlogininfo+2\xFF")) << "Cy was first given number 2";
    second.process.write("watch\n");

    ASSERT_TRUE(QTest::qWaitFor([&] { return bob.step() & cy.step(); }, 240000));
    EXPECT_GT(bob.plays, 40);  // the referee saw the game through, not a few moves of it
    for (const RefereeingPlayer* player : {&bob, &cy})
        EXPECT_TRUE(player->faults.empty()) << player->name_.toStdString() << ": " << player->faults.front();
    // The finished game takes its journal with it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(journal); }, 20000));
}
