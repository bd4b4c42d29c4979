#include "game/board.h"

#include "game/bones.h"

namespace game {

int outwardPip(const BoardCell& cell) { return cell.flip ? gettopnum(cell.bone) : getbotnum(cell.bone); }

std::optional<bool> matchFlip(int bone, int pip)
{
    if (!isValidBone(bone))
        return std::nullopt;
    if (gettopnum(bone) == pip)
        return false;
    if (getbotnum(bone) == pip)
        return true;
    return std::nullopt;
}

void Board::clear() { cells_ = {}; }

const BoardCell& Board::cell(int toe, int position) const { return cells_[toe - 1][position - 1]; }

void Board::place(int toe, int position, int bone, bool flip) { cells_[toe - 1][position - 1] = BoardCell{bone, flip}; }

bool Board::anyToeEmpty() const
{
    for (int toe = 1; toe <= kToes; ++toe)
        if (isToeEmpty(toe))
            return true;
    return false;
}

int Board::firstEmpty(int toe, int limit) const
{
    for (int position = 1; position <= limit && position <= kToePositions; ++position)
        if (cell(toe, position).bone == 0)
            return position;
    return 0;
}

std::optional<int> Board::openEnd(int toe) const
{
    if (isToeEmpty(toe))
        return std::nullopt;
    const int free = firstEmpty(toe);
    const int last = free == 0 ? kToePositions : free - 1;
    return outwardPip(cell(toe, last));
}

bool Board::isEmpty() const
{
    for (const auto& toe : cells_)
        for (const auto& c : toe)
            if (c.bone != 0)
                return false;
    return true;
}

} // namespace game
