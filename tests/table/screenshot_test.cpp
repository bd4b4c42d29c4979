// A picture of the table in the middle of a game, for a look at it as a player sees it.
#include "tablefixture.h"

#include "game/bones.h"
#include "table/tablewidgets.h"

#include <QDir>

namespace {

std::string play(int seat, int slot, int a, int b, int toe, int position, bool flip, int left)
{
    return "CMD_heplayed+" + std::to_string(seat) + "+" + std::to_string(slot) + "+" +
           std::to_string(game::boneNumber(a, b)) + "+" + std::to_string(toe) + "+" + std::to_string(position) +
           (flip ? "+t+" : "+f+") + std::to_string(left) + "+";
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
    EXPECT_EQ(shot.size(), table->size());
    std::printf("table screenshot: %s\n", qPrintable(path));
}
