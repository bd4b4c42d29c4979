// Click to drawn: two tables and the host in one process over loopback. On each move the player
// raises a fitting bone and clicks its toe marker; the time runs from that click until both
// tables paint the board with the bone on it (the host judges the play and announces it to both).
// Prints the first play apart (it pays for the first drawing of new texts and pictures), then the
// median, 90th percentile and worst time over the plays after it.
#include "benchsetup.h"

#include "game/bones.h"
#include "platform/messagebox.h"
#include "platform/sound.h"
#include "table/tablewidgets.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

// Notes the first paint of a table's board that shows the awaited bone.
class PaintWatch : public QObject {
public:
    PaintWatch(Tchat& table, QElapsedTimer& clock) : table_(table), clock_(clock)
    {
        table.findChild<QWidget*>(QStringLiteral("paintbox_board"))->installEventFilter(this);
    }
    void await(int toe, int position, int bone)
    {
        toe_ = toe;
        position_ = position;
        bone_ = bone;
        paintedAt = -1;
    }
    qint64 paintedAt = -1;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && paintedAt < 0 && toe_ > 0 &&
            table_.mirror().state().board.cell(toe_, position_).bone == bone_)
            paintedAt = clock_.nsecsElapsed();
        return false;
    }

private:
    Tchat& table_;
    QElapsedTimer& clock_;
    int toe_ = 0, position_ = 0, bone_ = 0;
};

bool canAct(Tchat& table)
{
    return table.mirror().state().turnSeat == table.mirror().state().ownSeat && table.link().queuedMessages() == 0 &&
           table.findChild<QWidget*>(QStringLiteral("button_pass"))->isVisible();
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int wanted = argc > 1 ? std::atoi(argv[1]) : 100;

    SoundPlayer* sounds = createSystemSoundPlayer(&app);
    QtMessageBoxes boxes;
    TServer server;
    server.Sock1.setPortName("0");
    server.setTimer1Interval(20); // the pauses between rounds are not what is measured
    server.startListening();
    Tchat ann(*sounds, boxes);
    Tchat bob(*sounds, boxes);
    ann.setHosting(true);
    join(ann, server, "Ann");
    join(bob, server, "Bob");

    QElapsedTimer clock;
    clock.start();
    PaintWatch annWatch(ann, clock);
    PaintWatch bobWatch(bob, clock);
    auto* annBanner = ann.findChild<QWidget*>(QStringLiteral("panel_winner"));
    std::vector<double> times;
    double first = -1;
    int games = 0;
    ann.link().sock.Send(std::string("CMD_startgame+Ann+10+1+") + '\xFF');
    while (static_cast<int>(times.size()) < wanted) {
        require(runUntil([&] { return annBanner->isVisible() || canAct(ann) || canAct(bob); }), "a move");
        if (annBanner->isVisible()) {
            ++games;
            annBanner->hide();
            ann.link().sock.Send(std::string("CMD_startgame+Ann+10+1+") + '\xFF');
            continue;
        }
        Tchat& table = canAct(ann) ? ann : bob;
        ClickImage* marker = nullptr;
        BoneImage* chosen = nullptr;
        const bool refused = table.findChild<QLabel*>(QStringLiteral("label_status"))->text() == "That is not a valid play";
        for (int toe = 1; toe <= 3 && !chosen && !refused; ++toe) {
            marker = table.findChild<ClickImage*>(QStringLiteral("image_toe%1").arg(toe));
            if (!marker->isVisible())
                continue;
            const int pip = marker->tag == 1 ? game::gettopnum(table.mirror().state().spinnerBone)
                                             : game::outwardPip(table.mirror().state().board.cell(toe, marker->tag - 1));
            for (BoneImage* bone : table.findChildren<BoneImage*>())
                if (!chosen && (game::gettopnum(bone->hint) == pip || game::getbotnum(bone->hint) == pip))
                    chosen = bone;
        }
        if (!chosen) {
            QTest::mouseClick(table.findChild<QWidget*>(QStringLiteral("button_pass")), Qt::LeftButton);
            continue;
        }
        const int toe = marker->hint.toInt();
        annWatch.await(toe, marker->tag, chosen->hint);
        bobWatch.await(toe, marker->tag, chosen->hint);
        QTest::mouseClick(chosen, Qt::LeftButton);
        const qint64 clicked = clock.nsecsElapsed();
        QTest::mouseClick(marker, Qt::LeftButton);
        require(runUntil([&] { return (annWatch.paintedAt >= 0 && bobWatch.paintedAt >= 0) || canAct(table); }, 5000),
                "the play drawn");
        if (annWatch.paintedAt < 0 || bobWatch.paintedAt < 0)
            continue; // refused: the table passes next time
        const double took = (std::max(annWatch.paintedAt, bobWatch.paintedAt) - clicked) / 1e6;
        if (first < 0)
            first = took;
        else
            times.push_back(took);
        
    }
    std::sort(times.begin(), times.end());
    std::printf("click_to_drawn_plays %zu (games finished %d)\n", times.size(), games);
    std::printf("click_to_drawn_first_play_ms %.2f\n", first);
    std::printf("click_to_drawn_median_ms %.2f\n", times[times.size() / 2]);
    std::printf("click_to_drawn_p90_ms %.2f\n", times[times.size() * 9 / 10]);
    std::printf("click_to_drawn_max_ms %.2f\n", times.back());
    return 0;
}
