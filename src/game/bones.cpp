#include "game/bones.h"

#include <array>

namespace game {
namespace {

struct Pips {
    int top = 0;
    int bottom = 0;
};

constexpr std::array<Pips, kBoneCount + 1> makePipTable()
{
    std::array<Pips, kBoneCount + 1> table{};
    int number = 1;
    for (int top = 0; top <= kHighestPip; ++top)
        for (int bottom = top; bottom <= kHighestPip; ++bottom)
            table[number++] = Pips{top, bottom};
    return table;
}

constexpr auto kPips = makePipTable();

} // namespace

bool isValidBone(int bone) { return bone >= 1 && bone <= kBoneCount; }

int gettopnum(int bone) { return isValidBone(bone) ? kPips[bone].top : 0; }

int getbotnum(int bone) { return isValidBone(bone) ? kPips[bone].bottom : 0; }

int boneNumber(int pipA, int pipB)
{
    if (pipA < 0 || pipA > kHighestPip || pipB < 0 || pipB > kHighestPip)
        return 0;
    const int top = pipA < pipB ? pipA : pipB;
    const int bottom = pipA < pipB ? pipB : pipA;
    // Top pip t starts after the 10 + 9 + ... + (11 - t) bones of the smaller top pips.
    const int firstOfTop = top * (kHighestPip + 1) - top * (top - 1) / 2 + 1;
    return firstOfTop + (bottom - top);
}

bool isDouble(int bone) { return isValidBone(bone) && kPips[bone].top == kPips[bone].bottom; }

int pipTotal(int bone) { return gettopnum(bone) + getbotnum(bone); }

int doubleOf(int pip) { return boneNumber(pip, pip); }

int spinnerForRound(int round)
{
    if (round < 1 || round > 10)
        return 0;
    return doubleOf(10 - round);
}

} // namespace game
