#pragma once
// The greedy player: it lays its heaviest fitting bone and passes only when nothing fits. It knows
// no more than a table does, and it plays as one, through the messages a table sends. Only the duel
// uses it, as a sterner opponent than the standard computer, which ignores what a bone weighs.

#include "game/bones.h"
#include "host/engine.h"
#include "host/simulatedio.h"

#include <string>

namespace benchgreedy {

// Among equally heavy plays the first that legalPlays() lists: the lowest slot, then the lowest toe.
inline host::ComputerMove greedyMove(const host::SeatView& view)
{
    host::ComputerMove best;  // a pass
    int bestPips = -1;
    for (const auto& play : host::legalPlays(view))
        if (const int pips = game::pipTotal(view.hand[play.slot - 1]); pips > bestPips) {
            best = play;
            bestPips = pips;
        }
    return best;
}

// The move as the seat's table would send it to the host.
inline void sendMove(host::Engine& engine, int seat, const host::ComputerMove& move)
{
    const std::string s = std::to_string(seat);
    if (move.pass)
        host::say(engine, seat, "CMD_hepasses+" + s + "+");
    else
        host::say(engine, seat,
                  "CMD_playbone+" + s + "+" + std::to_string(move.slot) + "+" + std::to_string(move.toe) + "+" +
                      std::to_string(move.position) + "+");
}

} // namespace benchgreedy
