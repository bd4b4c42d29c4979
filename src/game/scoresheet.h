#pragma once
// The score sheet a table keeps: round by round, the spinner, who went out or whether the round
// was blocked, each seat's round score and the running totals the host announced; the tie replay
// as a row of its own and the winner at the end. It is built only from messages every table
// receives (seats, spectators and late arrivals alike) and keeps the current game and the one
// before it. Plain C++: the table feeds it, the score sheet window shows it, tests read it.
//
// Every payload is the wire text after the verb. Nothing in it is trusted: a message with a
// field that is not a number or names no seat changes nothing.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace game {

constexpr int kSheetSeats = 6;

struct SheetRow {
    int round = 0;                 // as the host numbers it; a tie replay repeats the last number
    bool replay = false;           // the last round played again after a tie
    bool seen = true;              // false: played before this table joined the game
    int spinner = 0;               // the round's double (bone number); 0 when not known
    std::vector<int> newSpinners;  // doubles played on a toe end that restarted the board
    int out = -1;                  // seat that went out, 0 when everyone passed, -1 while in play
    std::array<bool, kSheetSeats + 1> dealt{};                  // seats dealt into the round
    std::array<std::optional<int>, kSheetSeats + 1> score{};    // round scores (seats 1 to 6)
    std::array<std::optional<int>, kSheetSeats + 1> total{};    // running totals after the round
    bool finished() const { return out >= 0; }
};

struct SheetGame {
    std::array<std::string, kSheetSeats + 1> names{};  // the column of each seat (UTF-8)
    std::array<bool, kSheetSeats + 1> column{};        // seats that take part (seats 1 and 2 always)
    std::string rounds;                                // rounds to play, as the host announced it
    bool joinedLate = false;
    std::vector<SheetRow> rows;
    std::string winner;  // the name the host announced; empty while the game runs
    int winnerSeat = 0;  // the winner's column, 0 when none
    bool over() const { return !winner.empty(); }
    // The latest total the host announced for the seat, if any.
    std::optional<int> latestTotal(int seat) const;
};

// What the table shows for each seat when a message arrives: the caption (a computer name in
// place of "<Waiting>") and whether a player, not the computer, holds the seat.
struct SheetSeatNames {
    std::array<std::string, kSheetSeats + 1> shown{};
    std::array<bool, kSheetSeats + 1> player{};
};

class ScoreSheet {
public:
    // "CMD_startgame": name, rounds. The running game becomes the previous one.
    void startGame(std::string_view payload);
    // "CMD_startround": round, spinner, count, then seat and flag pairs.
    void startRound(std::string_view payload, const SheetSeatNames& names);
    // "CMD_beginagain": the double that restarted the board.
    void beginAgain(std::string_view payload);
    // "CMD_endround": the seat that went out or 0, then seat, round score and total per entry.
    void endRound(std::string_view payload, const SheetSeatNames& names);
    // "CMD_winner": the winner's name.
    void winner(std::string_view payload);
    // "CMD_gamestats": this table joined a running game; the rounds before it are not seen. Its
    // in-play flag tells whether `ownSeat` (the table's own number) takes part in this round.
    void gameStats(std::string_view payload, const SheetSeatNames& names, int ownSeat);

    // Null until a game is seen; the previous game is null until a second one starts.
    const SheetGame* current() const { return current_ ? &*current_ : nullptr; }
    const SheetGame* previous() const { return previous_ ? &*previous_ : nullptr; }

    // Called after every change.
    std::function<void()> onChanged;

private:
    SheetGame& game();
    SheetRow* openRow();
    void noteNames(const SheetSeatNames& names);
    void changed();

    std::optional<SheetGame> current_;
    std::optional<SheetGame> previous_;
};

// The sheet as a grid of texts: a heading line, one line per row and, once the game is over, a
// line naming the winner. Each seat has two columns, its round score and its running total.
std::vector<std::vector<std::string>> sheetCells(const SheetGame& game);
// RFC 4180: fields with a comma, a quote or a line break are quoted, quotes doubled, lines end
// with CR LF. The texts are written as they are (UTF-8), except that a text starting with "=",
// "+", "-", "@", a tab or a carriage return, and not a number such as "-20", gets a leading
// apostrophe so that no spreadsheet takes a player's name for a formula.
std::string toCsv(const std::vector<std::vector<std::string>>& cells);
// Tab-separated lines for the clipboard; tabs and line breaks inside a cell become blanks.
std::string toTabText(const std::vector<std::vector<std::string>>& cells);
// "9|9" for bone 55; empty for anything that is not a bone.
std::string boneText(int bone);

} // namespace game
