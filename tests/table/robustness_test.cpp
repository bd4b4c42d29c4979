// A host that sends nonsense: a number that is not a number, a seat, slot, toe or position out of
// range stops the handler before it touches anything.
#include "tablefixture.h"

#include "table/tablewidgets.h"

namespace {

// Everything a handler could wrongly touch, as text.
QStringList snapshot(Tchat& table)
{
    QStringList state;
    for (QLabel* label : table.findChildren<QLabel*>())
        state << label->objectName() + "=" + label->text() + (label->isVisible() ? "+" : "-") + label->toolTip();
    for (ClickImage* image : table.findChildren<ClickImage*>())
        state << image->objectName() + QString::number(image->tag) + (image->isVisible() ? "+" : "-");
    for (BoneImage* bone : table.findChildren<BoneImage*>())
        state << bone->objectName() + QStringLiteral("@%1,%2").arg(bone->x()).arg(bone->y());
    for (int place = 1; place <= mirror::kHandPlaces; ++place)
        state << QString::number(table.mirror().state().hand.place(place).slot);
    for (int toe = 1; toe <= 3; ++toe)
        for (int position = 1; position <= 40; ++position)
            state << QString::number(table.mirror().state().board.cell(toe, position).bone);
    state << QString::number(table.mirror().state().spinnerBone) << QString::number(table.mirror().state().turnSeat)
          << QString::number(table.mirror().state().ownSeat) << table.spectators()->stringList().join(',');
    return state;
}

} // namespace

TEST_F(TableTest, MessagesWithBadNumbersSeatsSlotsOrPositionsChangeNothing)
{
    login(3);
    feed({"CMD_existingplayers+1+Hal+0", "CMD_startgame+Hal+10+", "CMD_startround+1+55+3+1+t+2+t+3+t+4+f+5+f+6+f",
          "CMD_dealmybones+3+1+30+2+1+3+27", "CMD_heplayed+1+1+46+1+1+f+2+", "CMD_nextplayer+3+2+f+t+t+1+1+1+"});
    const QStringList before = snapshot(*table);
    const QString chatBefore = chat();
    const QStringList soundsBefore = sounds.played;
    feed({"CMD_heplayed+3+0+30+1+2+f+2+", "CMD_heplayed+3+21+30+1+2+f+2+", "CMD_heplayed+9+1+30+1+2+f+2+",
          "CMD_heplayed+3+1+30+4+2+f+2+", "CMD_heplayed+3+1+30+1+41+f+2+", "CMD_heplayed+3+1+30+0+-1+f+2+",
          "CMD_heplayed+3+1+30+1+2+f+x+", "CMD_heplayed+3+1+30+1+2+f+", "CMD_double+3+1+30+2+41+f+2+",
          "CMD_double+0+1+30+1+2+f+2+", "CMD_nextplayer+7+2+t+t+t+1+1+1+", "CMD_nextplayer+3+2+t+t+t+41+1+1+",
          "CMD_nextplayer+3+2+t+t+t+0+1+1+", "CMD_nextplayer+3+x+t+t+t+1+1+1+", "CMD_nextplayer+-2147483648+",
          "CMD_hepassed+0+", "CMD_hepassed+10+", "CMD_noplay+x+", "CMD_endround+x+1+2+3", "CMD_startround+x+55+7",
          "CMD_beginagain+x+", "CMD_gamestats+3+1+10+9+t+1+2+3+4+5+x+*", "CMD_dealmybones+3+0+5",
          "CMD_dealmybones+3+22+5", "CMD_dealmybones+3+-1+5", "CMD_dealmybones+3+2+x", "CMD_dealmybones+3+1+44",
          "CMD_dealmybones+7+4+5", "CMD_dealmybones+x+4+5", "CMD_youplay+x+3", "CMD_justwatching+10+1",
          "CMD_justwatching+0+1", "CMD_justwatching++1", "CMD_playerdisconnected+-5+x",
          "CMD_playerdisconnected+2x+Hal", "CMD_newplayerinfo+100+x+0", "CMD_newplayerinfo+0+Eve+1",
          "CMD_newplayerinfo+99999999999+Eve+1", "CMD_sendlogininfo+-1", "CMD_sendlogininfo+", "CMD_heplayed+",
          "CMD_double+", "CMD_gamestats+", "CMD_endround+", "CMD_startround+", "CMD_existingplayers+", "CMD_winner",
          // A round whose seat list goes wrong only at its end must not start halfway.
          "CMD_startround+2+53+8+1+t+2+f+3+t+7+t", "CMD_startround+2+53+8+1+t+2+f+3+t+x+t",
          "CMD_startround+2+53+8+1+t+2+f+3"});
    EXPECT_EQ(snapshot(*table), before);
    EXPECT_EQ(chat(), chatBefore);
    EXPECT_EQ(sounds.played, soundsBefore);

    // A seat list stops at its bad entry; the entries before it stay.
    feed({"CMD_newplayerinfo+2+Bob+0+x+Eve+0+4+Cy+0"});
    EXPECT_EQ(texts({"label_playername2", "label_playername4"}), (QStringList{"Bob", "<Waiting>"}));
}
