#pragma once
// The board: a spinner double in the middle and three toes of 40 positions growing from it.
// Position 1 of a toe touches the spinner; position p + 1 touches position p. Toes have no gaps.

#include <array>
#include <optional>

namespace game {

constexpr int kToes = 3;
constexpr int kToePositions = 40;

enum class Phase { Foot = 1, Toe = 2 };

struct BoardCell {
    int bone = 0;      // 0 = empty
    bool flip = false; // false: the top pip touches the inner neighbour, the bottom pip faces out
};

// The pip a placed bone shows outward: its top pip when flipped, else its bottom pip.
int outwardPip(const BoardCell& cell);

// Whether a bone can be laid against pip v and, if so, with which flip flag:
// false when its top pip equals v, true when only its bottom pip does; nothing when neither does.
std::optional<bool> matchFlip(int bone, int pip);

class Board {
public:
    static bool isValidToe(int toe) { return toe >= 1 && toe <= kToes; }
    static bool isValidPosition(int position) { return position >= 1 && position <= kToePositions; }

    void clear();

    // Toe 1..3, position 1..40; callers check with isValid* first.
    const BoardCell& cell(int toe, int position) const;
    void place(int toe, int position, int bone, bool flip);

    bool isToeEmpty(int toe) const { return cell(toe, 1).bone == 0; }
    bool anyToeEmpty() const;
    // First empty position of a toe among positions 1..limit, 0 when they are all taken.
    int firstEmpty(int toe, int limit = kToePositions) const;
    // The open end of a started toe: the outward pip of the bone before its first empty position.
    // Nothing for an empty toe.
    std::optional<int> openEnd(int toe) const;
    bool isEmpty() const;

private:
    std::array<std::array<BoardCell, kToePositions>, kToes> cells_{};
};

} // namespace game
