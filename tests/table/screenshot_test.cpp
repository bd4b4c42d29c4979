// A picture of the table in the middle of a game, for a look at it as a player sees it.
#include "tablefixture.h"

#include "game/bones.h"
#include "table/tablewidgets.h"

#include <QDir>

#include <cstdlib>

namespace {

std::string play(int seat, int slot, int a, int b, int toe, int position, bool flip, int left)
{
    return "CMD_heplayed+" + std::to_string(seat) + "+" + std::to_string(slot) + "+" +
           std::to_string(game::boneNumber(a, b)) + "+" + std::to_string(toe) + "+" + std::to_string(position) +
           (flip ? "+t+" : "+f+") + std::to_string(left) + "+";
}

// How much of a part of the picture is bone ivory (light and unsaturated), from 0 to 1.
double ivory(const QImage& picture, const QRect& area)
{
    int light = 0, all = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x, ++all) {
            const QColor c = picture.pixelColor(x, y);
            light += c.red() > 200 && c.green() > 200 && c.blue() > 170 && c.red() - c.blue() < 60;
        }
    return all ? double(light) / all : 0;
}

// Whether any pixel of that part of the picture is close to this colour.
bool holds(const QImage& picture, const QRect& area, const QColor& colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) < 40)
                return true;
        }
    return false;
}

} // namespace

TEST_F(TableTest, ScreenshotInTheMiddleOfAGame)
{
    login(3);
    feed({"CMD_existingplayers+1+Hal+0+2+Bob+0+4+Di+1+7+Eve+0", "CMD_newplayerinfo+3+Ann+0",
          "CMD_startgame+Hal+5+", "CMD_startround+1+55+9+1+t+2+t+3+t+4+t+5+t+6+f",
          "CMD_endround+4+1+23+23+2+31+31+3+8+8+4+-20+-20+5+40+40", "CMD_startround+2+53+8+1+t+2+t+3+t+4+t+5+t+6+f",
          "CMD_dealmybones+3+1+36+2+1+3+26+4+44+5+12+6+49+7+23+8+9",
          play(1, 4, 3, 8, 1, 1, true, 7), play(2, 2, 8, 9, 2, 1, false, 7), play(3, 3, 2, 8, 3, 1, true, 7),
          play(4, 1, 3, 5, 1, 2, false, 7), play(5, 6, 1, 9, 2, 2, true, 7), play(1, 5, 2, 7, 3, 2, false, 6),
          play(2, 8, 5, 6, 1, 3, false, 6), "CMD_hepassed+5+", "CMD_chat+1+Hal chats: good luck all|clNavy",
          "CMD_chat+2+Bob chats: thanks!|clMaroon", "CMD_nextplayer+3+2+t+t+t+4+3+3+"});
    QTest::mouseClick(table->findChild<BoneImage*>(QStringLiteral("bone6")), Qt::LeftButton);

    QDir().mkpath(QStringLiteral(TILVARO_SCREENSHOT_DIR));
    const QString path = QStringLiteral(TILVARO_SCREENSHOT_DIR "/table-midgame.png");
    const QImage shot = table->grab().toImage();
    ASSERT_TRUE(shot.save(path)) << path.toStdString();
    EXPECT_EQ(shot.size(), table->size() * shot.devicePixelRatio());
    std::printf("table screenshot: %s\n", qPrintable(path));

    // What a player sees: a bone on every place played, felt on the places after them, seven
    // bones in the hand with the raised one standing higher, and Bob's line in his colour.
    const QImage picture = shot.scaled(table->size());
    QWidget* board = find(QStringLiteral("paintbox_board"));
    const auto cell = [&](int toe, int position) {
        const int rows[] = {0, 68, 128, 192};
        return QRect(board->mapTo(table.get(), QPoint(67 * position - 3 + 4, rows[toe] + 4)), QSize(58, 26));
    };
    const int played[] = {0, 3, 2, 2};
    for (int toe = 1; toe <= 3; ++toe) {
        for (int position = 1; position <= played[toe]; ++position)
            EXPECT_GT(ivory(picture, cell(toe, position)), 0.5) << "toe " << toe << " place " << position;
        EXPECT_LT(ivory(picture, cell(toe, played[toe] + 2)), 0.02) << "toe " << toe << " after the marker";
    }
    QWidget* raised = table->findChild<BoneImage*>(QStringLiteral("bone6"));
    QWidget* lowered = table->findChild<BoneImage*>(QStringLiteral("bone5"));
    const QRect raisedTop(raised->mapTo(table.get(), QPoint(4, 2)), QSize(raised->width() - 8, 6));
    const QRect loweredTop(lowered->mapTo(table.get(), QPoint(4, 2)), QSize(lowered->width() - 8, 6));
    EXPECT_GT(ivory(picture, raisedTop), 0.5);
    EXPECT_GT(ivory(picture, loweredTop), 0.5);
    EXPECT_LT(raisedTop.top(), loweredTop.top());
    int bonesInHand = 0;
    for (BoneImage* bone : table->findChildren<BoneImage*>())
        bonesInHand += bone->isVisible() &&
                       ivory(picture, QRect(bone->mapTo(table.get(), QPoint(4, 4)), bone->size() - QSize(8, 8))) > 0.4;
    EXPECT_EQ(bonesInHand, 7);
    QWidget* chatView = find(QStringLiteral("mainchat"));
    EXPECT_TRUE(holds(picture, QRect(chatView->mapTo(table.get(), QPoint(0, 0)), chatView->size()), QColor(128, 0, 0)));
}
