#pragma once
// The hint: which play the strong computer player would make from this seat now, worked out from
// what this table was told (the mirror's view of its own seat) and nothing else, and shown the
// way the table shows a play: the bone to raise, the toe marker to play it on, and a line of text.
//
// Asking is split in three so the slow middle part may run on another thread: the question (a
// copy of the view, taken on the table's thread), the thinking (the strong player, any thread),
// and the answer read against the mirror again, which drops it when the game has moved on.
//
// The decision number given to the strong player is the number of this seat's earlier turns in
// the game as this table saw them offered (0 on its first turn). The host counts a computer
// seat's strong decisions the same way, so a table that has seen the whole game hints exactly
// the move the host's strong computer makes for its seat when that seat just watches; and asking
// twice in one turn gives the same hint.

#include "host/strong.h"
#include "mirror/tablemirror.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mirror {

struct HintQuestion {
    host::SeatView view;
    std::uint64_t decision = 0;
    std::uint64_t position = 0; // the mirror's position when asked
};

struct HintThought {
    host::ComputerMove move;
    // Each candidate's score, in the order of host::legalPlays(view): the choice's runners-up.
    std::vector<long long> scores;
};

struct Hint {
    bool pass = true;
    int slot = -1; // the bone to raise, by hand slot
    int bone = 0;
    int toe = 0;   // the marker to play it on
    int position = 0;
    std::string text; // "Hint: 5|3 on toe 2" or "Hint: pass"
    std::uint64_t at = 0; // the mirror's position it was worked out for
    int high = 0; // the bone's ends, larger first, as players name it
    int low = 0;
};

// Whether the player may move now: this seat's turn, logged in, and a marker or Pass offered.
bool canMove(const TableMirror& mirror);
// The question for the strong player; none when the player cannot move now.
std::optional<HintQuestion> askHint(const TableMirror& mirror);
// The strong player's answer. Touches nothing but its argument, so it may run on any thread.
HintThought thinkHint(const HintQuestion& question);
// The answer as this table shows it; none when the game has moved on since the question. A play
// goes on an offered marker: one the strong player chose beyond the markers a table is offered
// (a toe longer than the board shows) is shown on an offered toe with the same open end, or else
// the best-scoring play the markers offer; with none, the hint is to pass.
std::optional<Hint> readHint(const TableMirror& mirror, const HintQuestion& question, const HintThought& thought);
// All three at once, on the caller's thread.
std::optional<Hint> hintNow(const TableMirror& mirror);

} // namespace mirror
