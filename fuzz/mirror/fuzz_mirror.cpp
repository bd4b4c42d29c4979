// Arbitrary bytes from the host into a table's mirror: cut into reads, through the framer, into
// every handler, with the player's clicks, sorts, plays and passes in between as a person might
// make them. The sanitizers catch memory and arithmetic faults; the checks below catch a hand
// whose row has gaps or holds a slot twice, a raised bone that is not the selection, a selection
// of a bone never held, markers off the board and a seat's view that its own hint could not read.
//
// Input as the table window's target takes it, so the two share seeds and dictionary: byte 0
// chooses how the rest is cut into reads (bits 0-1) and the table's own connection number (bits
// 2-5, 1 to 9, given by a login at the start); bits 6-7 say how often the player acts. The rest is
// the stream (messages end with 0xFF). Each input gets a mirror of its own: making one is cheap.

#include "game/bones.h"
#include "game/message.h"
#include "game/random.h"
#include "host/strong.h"
#include "mirror/tablemirror.h"
#include "../readcuts.h"

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using mirror::TableMirror;

void require(bool holds)
{
    if (!holds)
        std::abort();
}

// Places 1 to count hold bones, each a different slot of the hand; the rest are free. At most one
// bone is raised, and it is the selection.
void checkHand(const mirror::Hand& hand, std::bitset<mirror::kHandPlaces + 1>& everHeld)
{
    const int count = hand.count();
    std::bitset<mirror::kHandPlaces + 1> seen;
    int raised = 0;
    for (int place = 1; place <= mirror::kHandPlaces; ++place) {
        const mirror::HandPlace& held = hand.place(place);
        require(held.free == (place > count));
        if (held.free) {
            require(!held.raised);
            continue;
        }
        require(held.slot >= 1 && held.slot <= mirror::kHandPlaces && !seen[held.slot]);
        require(hand.placeOf(held.slot) == place);
        seen[held.slot] = true;
        everHeld[held.slot] = true;
        if (held.raised) {
            ++raised;
            require(held.slot == hand.selectedSlot());
        }
    }
    require(raised <= 1);
    const int selected = hand.selectedSlot();
    require(selected == -1 || (selected >= 1 && selected <= mirror::kHandPlaces && everHeld[selected]));
}

void check(const TableMirror& table, std::bitset<mirror::kHandPlaces + 1>& everHeld)
{
    const mirror::TableState& state = table.state();
    checkHand(state.hand, everHeld);
    for (int toe = 1; toe <= mirror::kToes; ++toe) {
        const mirror::Marker& marker = state.markers[toe];
        require(marker.position >= 1 && marker.position <= game::kToePositions + 1);
        require(marker.placedAt >= 0 && marker.placedAt <= game::kToePositions);
    }
    for (const mirror::Spectator& spy : state.spectators)
        require(spy.number > mirror::kSeatCount && spy.number <= mirror::kMaxConnection);
    // The view a hint is built from holds the hand by slot, and its plays name held slots.
    const host::SeatView view = table.seatView();
    int inView = 0;
    for (int bone : view.hand)
        inView += bone != 0;
    require(inView <= state.hand.count());
    for (const host::ComputerMove& play : host::legalPlays(view))
        require(state.hand.placeOf(play.slot) != 0);
    // A marker asks for a pip or for nothing known; the toe a raised bone would go to by itself
    // shows its marker.
    for (int toe = 0; toe <= mirror::kToes + 1; ++toe)
        require(table.markerPip(toe) >= -1 && table.markerPip(toe) <= game::kHighestPip);
    const int fit = table.onlyFit();
    require(fit == 0 || (fit >= 1 && fit <= mirror::kToes && state.markers[fit].shown));
}

// A proposal is one message with its terminator at the end and nowhere else.
void checkProposal(const std::optional<game::Message>& message)
{
    if (!message)
        return;
    const std::string wire = message->wire();
    require(wire.find('\xFF') == wire.size() - 1 && wire.rfind("CMD_", 0) == 0);
}

// What the player does between two messages; mostly nothing.
void act(TableMirror& table, game::Random& chance, int eagerness)
{
    if (chance.random(8) >= static_cast<unsigned>(1 + eagerness * 2))
        return;
    const int choice = static_cast<int>(chance.random(10));
    const int number = static_cast<int>(chance.random(23)) - 1;
    switch (choice) {
    case 0:
    case 1:
    case 2: table.clickBone(number); break;
    case 3: table.sortHand(); break;
    case 4: checkProposal(table.playOn(number % 5)); break;
    case 5: checkProposal(table.pass()); break;
    case 6:
        table.setHosting(chance.random(2) == 0);
        checkProposal(table.kick(number));
        break;
    case 7: checkProposal(table.justWatch(number % 8, chance.random(2) == 0)); break;
    case 8: checkProposal(table.botSpeed(number * 100)); break;
    default: checkProposal(table.chatterSound(number)); break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int mode = data[0];
    const int cutting = mode & 3;
    const int ownSeat = 1 + ((mode >> 2) & 15) % mirror::kMaxConnection;
    const int eagerness = (mode >> 6) & 3;
    std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);

    TableMirror table;
    std::bitset<mirror::kHandPlaces + 1> everHeld;
    game::Framer framer;
    game::Random chance(static_cast<std::uint32_t>(size) * 2654435761u + static_cast<std::uint32_t>(mode));
    table.handle("CMD_sendlogininfo+" + std::to_string(ownSeat));

    std::vector<std::string> lines;
    while (!stream.empty()) {
        const std::size_t length = nextReadLength(stream, cutting, chance);
        lines.clear();
        framer.feed(stream.substr(0, length), lines);
        stream.remove_prefix(length);
        for (const std::string& line : lines) {
            table.handle(line);
            check(table, everHeld);
            act(table, chance, eagerness);
            check(table, everHeld);
        }
    }
    return 0;
}
