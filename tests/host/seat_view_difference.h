#pragma once
// Two views of one seat held side by side: what the host's engine knows the seat may see, and what
// a table rebuilt from the messages it was sent.

#include "host/strong.h"

#include <string>

namespace hosttest {

// The first field in which two views differ, or "" when they are alike.
inline std::string difference(const host::SeatView& a, const host::SeatView& b)
{
    if (a.seat != b.seat)
        return "seat";
    if (a.hand != b.hand)
        return "hand";
    if (a.inGame != b.inGame)
        return "seats in the game";
    if (a.bonesLeft != b.bonesLeft)
        return "bones left";
    if (a.passed != b.passed)
        return "pass marks";
    if (a.lacks != b.lacks)
        return "pips passed on";
    if (a.gone != b.gone)
        return "bones gone";
    if (a.phase != b.phase || a.spinnerPip != b.spinnerPip)
        return "phase or spinner";
    for (int toe = 1; toe <= game::kToes; ++toe)
        for (int position = 1; position <= game::kToePositions; ++position) {
            const auto &x = a.board.cell(toe, position), &y = b.board.cell(toe, position);
            if (x.bone != y.bone || x.flip != y.flip)
                return "board at toe " + std::to_string(toe) + ", position " + std::to_string(position);
        }
    return "";
}

} // namespace hosttest
