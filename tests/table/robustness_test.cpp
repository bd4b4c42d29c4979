// A host that sends nonsense: nothing may crash, and a message that goes wrong changes nothing
// outside the handler's own checks.
#include "tablefixture.h"

#include "game/random.h"
#include "table/tablewidgets.h"

#include <array>

namespace {

class RobustnessTest : public TableTest {
protected:
    void startGame()
    {
        login(3);
        feed({"CMD_existingplayers+1+Hal+0", "CMD_startgame+Hal+10+", "CMD_startround+1+55+3+1+t+2+t+3+t+4+f+5+f+6+f",
              "CMD_dealmybones+3+1+30+2+1+3+27", "CMD_heplayed+1+1+46+1+1+f+2+", "CMD_nextplayer+3+2+f+t+t+1+1+1+"});
    }
    // Everything a handler could wrongly touch, as text.
    QStringList snapshot()
    {
        QStringList state;
        for (QLabel* label : table->findChildren<QLabel*>())
            state << label->objectName() + "=" + label->text() + (label->isVisible() ? "+" : "-");
        for (ClickImage* image : table->findChildren<ClickImage*>())
            state << image->objectName() + QString::number(image->tag) + (image->isVisible() ? "+" : "-");
        for (BoneImage* bone : table->findChildren<BoneImage*>())
            state << bone->objectName() + QStringLiteral("@%1,%2").arg(bone->x()).arg(bone->y());
        for (int place = 1; place <= Tchat::kHandPlaces; ++place)
            state << QString::number(table->handSlotAt(place));
        for (int toe = 1; toe <= 3; ++toe)
            for (int position = 1; position <= 40; ++position)
                state << QString::number(table->boardTable().cell(toe, position).bone);
        state << QString::number(table->spinnerBone()) << QString::number(table->turnSeat())
              << QString::number(table->ownSeat()) << chat();
        return state;
    }
};

} // namespace

TEST_F(RobustnessTest, MessagesWithBadNumbersSeatsSlotsOrPositionsChangeNothing)
{
    startGame();
    const QStringList before = snapshot();
    feed({"CMD_heplayed+3+0+30+1+2+f+2+", "CMD_heplayed+3+21+30+1+2+f+2+", "CMD_heplayed+9+1+30+1+2+f+2+",
          "CMD_heplayed+3+1+30+4+2+f+2+", "CMD_heplayed+3+1+30+1+41+f+2+", "CMD_heplayed+3+1+30+0+-1+f+2+",
          "CMD_heplayed+3+1+30+1+2+f+x+", "CMD_heplayed+3+1+30+1+2+f+", "CMD_double+3+1+30+2+41+f+2+",
          "CMD_double+0+1+30+1+2+f+2+", "CMD_nextplayer+7+2+t+t+t+1+1+1+", "CMD_nextplayer+3+2+t+t+t+41+1+1+",
          "CMD_nextplayer+3+2+t+t+t+0+1+1+", "CMD_nextplayer+3+x+t+t+t+1+1+1+", "CMD_nextplayer+-2147483648+",
          "CMD_hepassed+0+", "CMD_hepassed+10+", "CMD_noplay+x+", "CMD_endround+x+1+2+3", "CMD_startround+x+55+7",
          "CMD_beginagain+x+", "CMD_gamestats+3+1+10+9+t+1+2+3+4+5+x+*", "CMD_dealmybones+3+0+5",
          "CMD_dealmybones+3+22+5", "CMD_dealmybones+7+4+5", "CMD_youplay+x+3", "CMD_justwatching+10+1",
          "CMD_playerdisconnected+-5+x", "CMD_newplayerinfo+100+x+0", "CMD_sendlogininfo+-1", "CMD_sendlogininfo+",
          "CMD_heplayed+", "CMD_double+", "CMD_gamestats+", "CMD_endround+", "CMD_startround+", "CMD_winner"});
    EXPECT_EQ(snapshot(), before);
}

TEST_F(RobustnessTest, RandomMessagesNeverBreakTheHand)
{
    startGame();
    static constexpr std::array<const char*, 19> verbs = {
        "CMD_newplayerinfo", "CMD_existingplayers", "CMD_playerdisconnected", "CMD_startgame", "CMD_nextplayer",
        "CMD_winner", "CMD_justwatching", "CMD_startround", "CMD_beginagain", "CMD_dealmybones", "CMD_hepassed",
        "CMD_heplayed", "CMD_noplay", "CMD_endround", "CMD_double", "CMD_gamestats", "CMD_youplay",
        "CMD_playasound", "CMD_chat"};
    static constexpr std::array<const char*, 18> fields = {"-1", "0", "1", "2", "3", "7", "9", "20", "21", "40",
                                                           "41", "55", "99999999999", "t", "f", "x", "", "*"};
    game::Random random(2024);
    for (int i = 0; i < 3000; ++i) {
        std::string message = verbs[random.random(verbs.size())];
        const int count = 1 + static_cast<int>(random.random(14));
        for (int f = 0; f < count; ++f)
            message += std::string("+") + fields[random.random(fields.size())];
        feed({message});
    }
    // The places stay gap-free and every shown bone is exactly one occupied place.
    int occupied = 0;
    while (occupied < Tchat::kHandPlaces && table->handSlotAt(occupied + 1) != -1)
        ++occupied;
    for (int place = occupied + 1; place <= Tchat::kHandPlaces; ++place)
        EXPECT_EQ(table->handSlotAt(place), -1);
    const auto bones = table->findChildren<BoneImage*>();
    EXPECT_EQ(bones.size(), occupied);
    for (int place = 1; place <= occupied; ++place) {
        BoneImage* bone = table->findChild<BoneImage*>(QStringLiteral("bone%1").arg(table->handSlotAt(place)));
        ASSERT_NE(bone, nullptr);
        EXPECT_EQ(bone->x(), 40 * place - 36);
    }
    EXPECT_TRUE(table->isVisible());
}
