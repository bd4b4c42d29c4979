// A whole round between two tables and the host, played once with the mouse and once, on the
// same deal, with keys alone: each table must send the host exactly the same bytes.
#include "tablefixture.h"

#include "game/board.h"
#include "game/bones.h"
#include "host/serverform.h"
#include "table/tablewidgets.h"

#include <QLineEdit>

#include <deque>

namespace {

// Passes bytes between the tables and the host and keeps what each table sent.
struct Relay {
    explicit Relay(int hostPort)
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this, hostPort] {
            QTcpSocket* table = server.nextPendingConnection();
            auto* host = new QTcpSocket(table);
            host->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(hostPort));
            host->waitForConnected(10000);
            QByteArray& log = sent.emplace_back();
            QObject::connect(table, &QTcpSocket::readyRead, [table, host, &log] {
                log += table->peek(table->bytesAvailable());
                host->write(table->readAll());
            });
            QObject::connect(host, &QTcpSocket::readyRead, [table, host] { table->write(host->readAll()); });
        });
    }
    QTcpServer server;
    std::deque<QByteArray> sent;
};

// Counts the mouse button events the application delivers.
struct MouseWatch : QObject {
    MouseWatch() { qApp->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        clicks += event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease;
        return false;
    }
    int clicks = 0;
};

struct Seat {
    explicit Seat(const char* name) : table(sounds, boxes) { table.shell().setPlayerName(QString::fromLatin1(name)); table.show(); }
    bool roundOver() const { return sounds.played.contains("roundover") || sounds.played.contains("blocked"); }
    QWidget* widget(const QString& name) { return table.findChild<QWidget*>(name); }
    BoneImage* boneAt(int place) { return table.findChild<BoneImage*>(QStringLiteral("bone%1").arg(table.mirror().state().hand.place(place).slot)); }
    bool canAct()
    {
        return table.mirror().state().turnSeat == table.mirror().state().ownSeat && table.link().queuedMessages() == 0 && widget("button_pass")->isVisible();
    }
    // The pip a shown marker wants, from the board as the rules have it: the spinner's on an empty
    // toe, else the outward pip of the toe's last bone. -1 where no marker shows.
    int neededPip(int toe)
    {
        auto* marker = table.findChild<ClickImage*>(QStringLiteral("image_toe%1").arg(toe));
        if (!marker->isVisible())
            return -1;
        return marker->tag == 1 ? game::gettopnum(table.mirror().state().spinnerBone) : game::outwardPip(table.mirror().state().board.cell(toe, marker->tag - 1));
    }
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    Tchat table;
    bool sorted = false;
};

enum class Input { Mouse, Keys };
struct Tally {
    int plays = 0, passes = 0, enters = 0, clicks = 0;
};

bool fits(int bone, int pip) { return pip >= 0 && (game::gettopnum(bone) == pip || game::getbotnum(bone) == pip); }

// One move, chosen alike for both inputs: the hand is sorted first; then the first bone, left to
// right, that fits the first marker it can go on is played there; else the seat passes.
void act(Seat& seat, Input input, Tally& tally)
{
    QWidget* hand = seat.widget("panel_bones");
    const auto key = [hand](int k) { QTest::keyClick(hand, static_cast<Qt::Key>(k)); };
    if (input == Input::Keys && seat.table.focusWidget() != hand)
        QTest::keyClick(seat.table.chatPanel().input(), Qt::Key_F6);
    if (!std::exchange(seat.sorted, true))
        input == Input::Mouse ? QTest::mouseClick(seat.boneAt(1), Qt::RightButton) : key(Qt::Key_S);

    for (int toe = 1; toe <= 3; ++toe)
        for (int place = 1; BoneImage* bone = seat.boneAt(place); ++place) {
            if (!fits(bone->hint, seat.neededPip(toe)))
                continue;
            ++tally.plays;
            if (input == Input::Mouse) {
                QTest::mouseClick(bone, Qt::LeftButton);
                QTest::mouseClick(seat.widget(QStringLiteral("image_toe%1").arg(toe)), Qt::LeftButton);
                return;
            }
            key(Qt::Key_Home);
            for (int step = 1; step < place; ++step)
                key(Qt::Key_Right);
            key(Qt::Key_Space);
            const int markersThatFit = fits(bone->hint, seat.neededPip(1)) + fits(bone->hint, seat.neededPip(2)) +
                                       fits(bone->hint, seat.neededPip(3));
            tally.enters += markersThatFit == 1;
            key(markersThatFit == 1 ? Qt::Key_Return : Qt::Key_0 + toe);
            return;
        }
    ++tally.passes;
    input == Input::Mouse ? QTest::mouseClick(seat.widget("button_pass"), Qt::LeftButton) : key(Qt::Key_P);
}

// Round 1 of a seeded game between Ann, who hosts, and Bob; what each table sent.
std::deque<QByteArray> playRound(Input input, Tally& tally)
{
    game::Random random(20261208);
    TServer server;
    server.Sock1.setPortName("0");
    server.setTimer1Interval(20);
    server.startListening();
    server.engine().useRandom(random);
    Relay relay(server.port());
    MouseWatch watch;

    Seat ann("Ann");
    Seat bob("Bob");
    ann.table.link().connectToHost(QStringLiteral("127.0.0.1"), relay.server.serverPort());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ann.table.mirror().state().loggedIn; }, 10000));
    bob.table.link().connectToHost(QStringLiteral("127.0.0.1"), relay.server.serverPort());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ann.table.seatCaption(2) == QStringLiteral("Bob"); }, 10000));
    ann.table.shell().startGame({QStringLiteral("Ann"), QStringLiteral("3"), QStringLiteral("1"), QString()});

    const auto over = [&] { return ann.roundOver() && bob.roundOver(); };
    for (int actions = 0; !over() && actions < 500; ++actions) {
        if (!QTest::qWaitFor([&] { return over() || ann.canAct() || bob.canAct(); }, 30000)) {
            ADD_FAILURE() << "the round stalled after " << actions << " actions";
            break;
        }
        if (!over())
            act(ann.canAct() ? ann : bob, input, tally);
    }
    EXPECT_TRUE(over());
    tally.clicks = watch.clicks;
    return relay.sent;
}

} // namespace

TEST(KeyboardRound, KeysAloneSendTheSameBytesAsTheMouseOnTheSameDeal)
{
    Tally mouse;
    const auto clicked = playRound(Input::Mouse, mouse);
    Tally keys;
    const auto typed = playRound(Input::Keys, keys);

    std::printf("%d plays (%d by Enter), %d passes\n", keys.plays, keys.enters, keys.passes);
    EXPECT_GT(mouse.clicks, 0);
    EXPECT_EQ(keys.clicks, 0) << "the keyboard round used no mouse at all";
    EXPECT_EQ(std::make_pair(keys.plays, keys.passes), std::make_pair(mouse.plays, mouse.passes));
    EXPECT_GT(keys.passes, 0);
    EXPECT_TRUE(keys.enters > 0 && keys.enters < keys.plays) << "both Enter and the toe keys were used";
    ASSERT_EQ(clicked.size(), 2u);
    ASSERT_EQ(typed.size(), 2u);
    for (int n = 0; n < 2; ++n) {
        EXPECT_TRUE(clicked[n].contains("CMD_playbone+")) << n;
        EXPECT_EQ(typed[n], clicked[n]) << "table " << n + 1;
    }
}
