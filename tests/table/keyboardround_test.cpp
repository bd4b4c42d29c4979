// A whole round between two tables and the host, played once with the mouse and once, on the
// same deal, with keys alone: every table must send the host exactly the same bytes.
#include "tablefixture.h"

#include "game/board.h"
#include "game/bones.h"
#include "host/serverform.h"
#include "table/tablewidgets.h"

#include <QLineEdit>

#include <array>
#include <deque>

namespace {

// Stands between the tables and the host, passing bytes both ways and keeping what each table
// sent, in the order the tables connected.
class Relay {
public:
    explicit Relay(int hostPort)
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this, hostPort] {
            while (QTcpSocket* table = server.nextPendingConnection()) {
                auto* host = new QTcpSocket(table);
                host->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(hostPort));
                host->waitForConnected(10000);
                QByteArray& log = sent.emplace_back();
                QObject::connect(table, &QTcpSocket::readyRead, [table, host, &log] {
                    const QByteArray bytes = table->readAll();
                    log += bytes;
                    host->write(bytes);
                });
                QObject::connect(host, &QTcpSocket::readyRead, [table, host] { table->write(host->readAll()); });
            }
        });
    }
    int port() const { return server.serverPort(); }

    QTcpServer server;
    std::deque<QByteArray> sent;
};

struct Seat {
    explicit Seat(const char* name) : table(sounds, boxes)
    {
        table.setPlayerName(QString::fromLatin1(name));
        table.show();
    }
    bool roundOver() const
    {
        return sounds.played.contains(QStringLiteral("roundover")) || sounds.played.contains(QStringLiteral("blocked"));
    }
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes boxes;
    Tchat table;
    bool sorted = false;
};

enum class Input { Mouse, Keys };

struct Tally {
    int plays = 0, passes = 0, enters = 0, mouseEvents = 0;
};

// Counts every mouse button event the application delivers.
class MouseWatch : public QObject {
public:
    explicit MouseWatch(int& count) : count_(count) { qApp->installEventFilter(this); }
    ~MouseWatch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick)
            ++count_;
        return false;
    }

private:
    int& count_;
};

template <typename T = QWidget>
T* child(Tchat& table, const QString& name)
{
    return table.findChild<T*>(name);
}

bool canAct(Tchat& table)
{
    return table.turnSeat() == table.ownSeat() && table.queuedMessages() == 0 &&
           child(table, QStringLiteral("button_pass"))->isVisible();
}

BoneImage* boneAt(Tchat& table, int place)
{
    const int slot = table.handSlotAt(place);
    return slot == -1 ? nullptr : child<BoneImage>(table, QStringLiteral("bone%1").arg(slot));
}

// The pip a bone needs to go where a shown marker stands, worked out from the board as the
// rules have it: the spinner's pip on an empty toe, else the outward pip of the toe's last bone.
int neededPip(Tchat& table, int toe)
{
    auto* marker = child<ClickImage>(table, QStringLiteral("image_toe%1").arg(toe));
    if (!marker->isVisible())
        return -1;
    return marker->tag == 1 ? game::gettopnum(table.spinnerBone()) : game::outwardPip(table.boardTable().cell(toe, marker->tag - 1));
}

bool fits(int bone, int pip) { return pip >= 0 && (game::gettopnum(bone) == pip || game::getbotnum(bone) == pip); }

// One move chosen the same way whatever the input: the first bone of the hand, left to right,
// that fits the first marker it can go on; a pass when none does or the host refused the last.
void act(Tchat& table, Seat& seat, Input input, Tally& tally)
{
    QWidget* hand = child(table, QStringLiteral("panel_bones"));
    const auto key = [hand](Qt::Key k) { QTest::keyClick(hand, k); };
    if (input == Input::Keys && table.focusWidget() != hand)
        QTest::keyClick(table.chatPanel().input(), Qt::Key_F6);
    if (!seat.sorted) {
        seat.sorted = true;
        if (input == Input::Mouse)
            QTest::mouseClick(boneAt(table, 1), Qt::RightButton);
        else
            key(Qt::Key_S);
    }

    if (child<QLabel>(table, QStringLiteral("label_status"))->text() != QStringLiteral("That is not a valid play"))
        for (int toe = 1; toe <= 3; ++toe)
            for (int place = 1; BoneImage* bone = boneAt(table, place); ++place) {
                if (!fits(bone->hint, neededPip(table, toe)))
                    continue;
                ++tally.plays;
                if (input == Input::Mouse) {
                    QTest::mouseClick(bone, Qt::LeftButton);
                    QTest::mouseClick(child(table, QStringLiteral("image_toe%1").arg(toe)), Qt::LeftButton);
                    return;
                }
                key(Qt::Key_Home);
                for (int step = 1; step < place; ++step)
                    key(Qt::Key_Right);
                key(Qt::Key_Space);
                int markersThatFit = 0;
                for (int other = 1; other <= 3; ++other)
                    markersThatFit += fits(bone->hint, neededPip(table, other)) ? 1 : 0;
                if (markersThatFit == 1) {
                    ++tally.enters;
                    key(Qt::Key_Return);
                } else {
                    key(static_cast<Qt::Key>(Qt::Key_0 + toe));
                }
                return;
            }
    ++tally.passes;
    if (input == Input::Mouse)
        QTest::mouseClick(child(table, QStringLiteral("button_pass")), Qt::LeftButton);
    else
        key(Qt::Key_P);
}

// Plays round 1 of a seeded game between Ann (who hosts) and Bob; returns what each table sent.
std::array<QByteArray, 2> playRound(Input input, Tally& tally)
{
    game::Random random(20261208);
    TServer server;
    server.Sock1.setPortName("0");
    server.setTimer1Interval(20);
    server.startListening();
    server.engine().useRandom(random);
    Relay relay(server.port());
    MouseWatch watch(tally.mouseEvents);

    Seat ann("Ann");
    Seat bob("Bob");
    ann.table.connectToHost(QStringLiteral("127.0.0.1"), relay.port());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ann.table.loggedIn(); }, 10000));
    bob.table.connectToHost(QStringLiteral("127.0.0.1"), relay.port());
    EXPECT_TRUE(QTest::qWaitFor([&] { return bob.table.loggedIn() && ann.table.seatCaption(2) == QStringLiteral("Bob"); }, 10000));
    ann.table.startGame({QStringLiteral("Ann"), QStringLiteral("3"), QStringLiteral("1"), QString()});

    const auto over = [&] { return ann.roundOver() && bob.roundOver(); };
    for (int actions = 0; !over(); ++actions) {
        const bool moved = QTest::qWaitFor([&] { return over() || canAct(ann.table) || canAct(bob.table); }, 30000);
        EXPECT_TRUE(moved) << "the round stalled after " << actions << " actions";
        EXPECT_LT(actions, 500);
        if (!moved || actions >= 500 || over())
            break;
        if (canAct(ann.table))
            act(ann.table, ann, input, tally);
        else
            act(bob.table, bob, input, tally);
    }
    EXPECT_EQ(relay.sent.size(), 2u);
    return {relay.sent.size() > 0 ? relay.sent[0] : QByteArray(), relay.sent.size() > 1 ? relay.sent[1] : QByteArray()};
}

} // namespace

TEST(KeyboardRound, KeysAloneSendTheSameBytesAsTheMouseOnTheSameDeal)
{
    Tally mouse;
    const auto clicked = playRound(Input::Mouse, mouse);
    Tally keys;
    const auto typed = playRound(Input::Keys, keys);

    std::printf("mouse: %d plays, %d passes; keys: %d plays (%d by Enter), %d passes\n", mouse.plays, mouse.passes,
                keys.plays, keys.enters, keys.passes);
    EXPECT_GT(mouse.mouseEvents, 0);
    EXPECT_EQ(keys.mouseEvents, 0) << "the keyboard round used no mouse at all";
    EXPECT_EQ(keys.plays, mouse.plays);
    EXPECT_EQ(keys.passes, mouse.passes);
    EXPECT_GT(keys.enters, 0);
    EXPECT_LT(keys.enters, keys.plays) << "both Enter and the toe keys were used";
    for (int n = 0; n < 2; ++n) {
        EXPECT_TRUE(clicked[n].contains("CMD_playbone+")) << n;
        EXPECT_EQ(typed[n], clicked[n]) << "table " << n + 1;
    }
}
