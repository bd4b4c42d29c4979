// The player's side: the hand's clicks and sorting, and the messages the table proposes to the
// host, byte for byte, with the cases in which it proposes nothing.

#include "mirror_transcript.h"

#include <gtest/gtest.h>

using namespace mirrortest;
using mirror::BoneClick;
using mirror::TableMirror;

namespace {

std::string wire(const std::optional<game::Message>& message) { return message ? message->wire() : "(nothing)"; }

} // namespace

TEST(MirrorProposals, NothingGoesOutBeforeTheLogin)
{
    TableMirror table;
    table.setHosting(true);
    EXPECT_FALSE(table.kick(3));
    EXPECT_FALSE(table.justWatch(2, true));
    EXPECT_FALSE(table.botSpeed(500));
    EXPECT_FALSE(table.chatterSound(4));
    EXPECT_FALSE(table.pass());
    EXPECT_FALSE(table.playOn(1));
    EXPECT_EQ(table.clickBone(1), BoneClick::Ignored);
}

TEST(MirrorProposals, AdministrationAndChatterSoundsAsTheHostReadsThem)
{
    TableMirror table;
    table.handle("CMD_sendlogininfo+3");
    EXPECT_FALSE(table.kick(7)); // only the hosting table removes players
    table.setHosting(true);
    EXPECT_EQ(wire(table.kick(7)), "CMD_kickhim+3+7+\xFF");
    EXPECT_FALSE(table.kick(0));
    EXPECT_FALSE(table.kick(10));
    EXPECT_EQ(wire(table.justWatch(2, true)), "CMD_justwatch+2+1\xFF");
    EXPECT_EQ(wire(table.justWatch(6, false)), "CMD_justwatch+6+2\xFF");
    EXPECT_FALSE(table.justWatch(7, true));
    EXPECT_EQ(wire(table.botSpeed(500)), "CMD_botspeed+3+500+\xFF");
    EXPECT_EQ(wire(table.chatterSound(20)), "CMD_playasound+3+wave20+\xFF");
    EXPECT_FALSE(table.chatterSound(0));
    EXPECT_FALSE(table.chatterSound(21));

    // A spectator chats, but makes no chatter sounds.
    TableMirror spy;
    spy.handle("CMD_sendlogininfo+8");
    EXPECT_FALSE(spy.chatterSound(4));
    EXPECT_EQ(wire(spy.justWatch(2, true)), "CMD_justwatch+2+1\xFF");
}

TEST(MirrorProposals, APlayOrPassGoesOnceOnTheOwnTurnAndARefusalGivesTheTurnBack)
{
    TableMirror table;
    feed(table, {"CMD_sendlogininfo+3", "CMD_startround+1+55+14+1+t+2+t+3+t", "CMD_dealmybones+3+1+10+2+34",
                 "CMD_nextplayer+1+1+t+t+t+1+1+1+"});
    EXPECT_EQ(table.clickBone(2), BoneClick::Ignored);
    EXPECT_FALSE(table.playOn(1));
    EXPECT_FALSE(table.pass());

    table.handle("CMD_nextplayer+3+1+t+f+t+1+1+1+");
    ASSERT_EQ(table.clickBone(2), BoneClick::Raised);
    EXPECT_FALSE(table.playOn(0));
    EXPECT_FALSE(table.playOn(4));
    EXPECT_TRUE(table.ownTurn());
    EXPECT_EQ(wire(table.playOn(3)), "CMD_playbone+3+2+3+1+\xFF");
    // Nothing more until the host answers; a Pass clicked meanwhile hides the markers and Pass.
    EXPECT_FALSE(table.ownTurn());
    EXPECT_FALSE(table.playOn(3));
    EXPECT_FALSE(table.pass());
    EXPECT_FALSE(table.state().markers[1].shown || table.state().passShown);

    EXPECT_EQ(names(table.handle("CMD_noplay+3+")), "Refused");
    const auto& state = table.state();
    EXPECT_TRUE(table.ownTurn());
    EXPECT_TRUE(state.markers[1].shown && state.markers[3].shown && state.passShown);
    EXPECT_FALSE(state.markers[2].shown);
    EXPECT_EQ(state.hand.selectedSlot(), -1);
    EXPECT_EQ(state.hand.place(2).slot, 2); // the refused bone is still in the hand

    EXPECT_EQ(wire(table.pass()), "CMD_hepasses+3+\xFF");
    EXPECT_FALSE(state.markers[1].shown || state.passShown);
}

TEST(MirrorHand, RaiseLowerSwapSortAndRemoveWithCloseUp)
{
    mirror::Hand hand;
    hand.add(1, 30);
    hand.add(2, 10);
    hand.add(3, 55);
    hand.add(2, 5); // a slot already held is ignored
    ASSERT_EQ(hand.count(), 3);
    EXPECT_EQ(hand.place(2).bone, 10);
    EXPECT_EQ(hand.click(9), BoneClick::Ignored);

    EXPECT_EQ(hand.click(1), BoneClick::Raised);
    EXPECT_TRUE(hand.place(1).raised);
    EXPECT_EQ(hand.click(1), BoneClick::Lowered);
    EXPECT_EQ(hand.selectedSlot(), -1);

    // Raising one bone and then another swaps their places; both lie down.
    hand.click(1);
    EXPECT_EQ(hand.click(3), BoneClick::Swapped);
    EXPECT_EQ(hand.place(1).slot, 3);
    EXPECT_EQ(hand.place(3).bone, 30);
    EXPECT_EQ(hand.selectedSlot(), -1);
    EXPECT_FALSE(hand.place(1).raised || hand.place(3).raised);

    // Sorting orders by bone; the raised bone keeps its selection as it moves.
    hand.click(3);
    hand.sort();
    EXPECT_EQ(hand.place(1).bone, 10);
    EXPECT_EQ(hand.place(2).bone, 30);
    EXPECT_EQ(hand.place(3).slot, 3);
    EXPECT_TRUE(hand.place(3).raised);
    EXPECT_EQ(hand.selectedSlot(), 3);

    // A played bone leaves a gap that closes up; every bone lies down, the selection stays for
    // the host's next turn to clear, and a click then raises rather than swaps.
    hand.remove(2);
    EXPECT_EQ(hand.count(), 2);
    EXPECT_EQ(hand.place(1).slot, 1);
    EXPECT_EQ(hand.place(2).slot, 3);
    EXPECT_TRUE(hand.place(3).free);
    EXPECT_FALSE(hand.place(2).raised);
    EXPECT_EQ(hand.selectedSlot(), 3);
    hand.remove(3);
    EXPECT_EQ(hand.click(1), BoneClick::Raised);
    hand.lowerAll();
    EXPECT_EQ(hand.selectedSlot(), -1);

    for (int slot = 2; slot <= mirror::kHandPlaces + 1; ++slot)
        hand.add(slot, slot);
    EXPECT_EQ(hand.count(), mirror::kHandPlaces);
    EXPECT_EQ(hand.placeOf(mirror::kHandPlaces + 1), 0);
    hand.click(4);
    hand.clear();
    EXPECT_EQ(hand.count(), 0);
    EXPECT_EQ(hand.selectedSlot(), 4);
}
