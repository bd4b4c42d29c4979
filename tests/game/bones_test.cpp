#include "game/board.h"
#include "game/bones.h"
#include "game/random.h"

#include <gtest/gtest.h>

#include <set>

using namespace game;

TEST(Bones, NumberingRunsThroughTopThenBottomPip)
{
    EXPECT_EQ(gettopnum(1), 0);
    EXPECT_EQ(getbotnum(1), 0);
    EXPECT_EQ(gettopnum(10), 0);
    EXPECT_EQ(getbotnum(10), 9);
    EXPECT_EQ(gettopnum(11), 1);
    EXPECT_EQ(getbotnum(11), 1);
    EXPECT_EQ(gettopnum(43), 5);
    EXPECT_EQ(getbotnum(43), 7);
    EXPECT_EQ(gettopnum(54), 8);
    EXPECT_EQ(getbotnum(54), 9);
    EXPECT_EQ(gettopnum(55), 9);
    EXPECT_EQ(getbotnum(55), 9);
}

TEST(Bones, OutOfRangeNumbersAreBlank)
{
    for (int bone : {0, 56, -1, 1000}) {
        EXPECT_EQ(gettopnum(bone), 0) << bone;
        EXPECT_EQ(getbotnum(bone), 0) << bone;
        EXPECT_FALSE(isDouble(bone)) << bone;
    }
}

TEST(Bones, EveryPairOccursOnceAndNumbersInvert)
{
    std::set<std::pair<int, int>> seen;
    for (int bone = 1; bone <= kBoneCount; ++bone) {
        const int top = gettopnum(bone), bottom = getbotnum(bone);
        EXPECT_LE(top, bottom);
        EXPECT_TRUE(seen.insert({top, bottom}).second);
        EXPECT_EQ(boneNumber(top, bottom), bone);
        EXPECT_EQ(boneNumber(bottom, top), bone);
        EXPECT_EQ(pipTotal(bone), top + bottom);
    }
    EXPECT_EQ(seen.size(), 55u);
    EXPECT_EQ(boneNumber(10, 1), 0);
}

TEST(Bones, DoublesAndRoundSpinners)
{
    std::vector<int> doubles;
    for (int bone = 1; bone <= kBoneCount; ++bone)
        if (isDouble(bone))
            doubles.push_back(bone);
    EXPECT_EQ(doubles, (std::vector<int>{1, 11, 20, 28, 35, 41, 46, 50, 53, 55}));

    const int expected[] = {55, 53, 50, 46, 41, 35, 28, 20, 11, 1};
    for (int round = 1; round <= 10; ++round)
        EXPECT_EQ(spinnerForRound(round), expected[round - 1]) << round;
    EXPECT_EQ(spinnerForRound(0), 0);
    EXPECT_EQ(spinnerForRound(11), 0);
    EXPECT_EQ(doubleOf(6), 46);
    EXPECT_EQ(doubleOf(10), 0);
}

TEST(Board, MatchingGivesTheFlipFlag)
{
    // 5|7 against an open end of 7 turns round and leaves 5 open; against 5 it leaves 7.
    EXPECT_EQ(matchFlip(43, 7), std::optional<bool>(true));
    EXPECT_EQ(matchFlip(43, 5), std::optional<bool>(false));
    EXPECT_EQ(matchFlip(43, 6), std::nullopt);
    EXPECT_EQ(matchFlip(0, 0), std::nullopt);

    Board board;
    board.place(2, 1, 43, true);
    EXPECT_EQ(board.openEnd(2), std::optional<int>(5));
    board.place(2, 2, 43, false);
    EXPECT_EQ(board.openEnd(2), std::optional<int>(7));
}

TEST(Board, ToesPhasesAndFirstEmptyPositions)
{
    Board board;
    EXPECT_TRUE(board.isEmpty());
    EXPECT_TRUE(board.anyToeEmpty());
    EXPECT_EQ(board.openEnd(1), std::nullopt);
    board.place(1, 1, 40, true); // 4|9 on 9|9: 4 open
    board.place(2, 1, 55 - 1, false);
    EXPECT_TRUE(board.anyToeEmpty());
    board.place(3, 1, 10, true); // 0|9 turned: 0 open
    EXPECT_FALSE(board.anyToeEmpty());
    EXPECT_EQ(board.firstEmpty(1), 2);
    EXPECT_EQ(board.openEnd(1), std::optional<int>(4));
    EXPECT_EQ(board.openEnd(3), std::optional<int>(0));

    for (int p = 2; p <= 20; ++p)
        board.place(1, p, 1, false);
    EXPECT_EQ(board.firstEmpty(1, 20), 0);
    EXPECT_EQ(board.firstEmpty(1), 21);
    for (int p = 21; p <= kToePositions; ++p)
        board.place(1, p, 1, false);
    EXPECT_EQ(board.firstEmpty(1), 0);
    EXPECT_EQ(board.openEnd(1), std::optional<int>(0));

    board.clear();
    EXPECT_TRUE(board.isEmpty());
}

TEST(Random, FollowsTheGeneratorFormula)
{
    // state := state * 134775813 + 1; random(N) = (N * state) >> 32
    Random rng(12345);
    const std::uint32_t expected[] = {21, 15, 4, 30, 34, 18};
    for (auto value : expected)
        EXPECT_EQ(rng.random(55), value);
    EXPECT_EQ(rng.state(), 1467157059u);

    Random zero(0);
    EXPECT_EQ(zero.random(55), 0u); // state 1
    EXPECT_EQ(zero.random(0), 0u);
}

TEST(Random, ReplaysTheSequenceWorkedOutByHandAndScalesToTheRange)
{
    // From seed 2^32 - 1: the state wraps to 2^32 - 134775813 + 1 = 4160191484, and
    // random(3) = 3 * 4160191484 / 2^32 = 2.9..., so 2. Later states by the same rule, mod 2^32.
    Random rng(0xFFFFFFFFu);
    const std::pair<std::uint32_t, std::uint32_t> draws[] = {
        {3, 2}, {3, 0}, {3, 1}, {3, 0}, {3, 2}, {3, 0}, {3, 1}, {3, 2},
        {55, 17},                  // state 1369248244: 55 * 1369248244 / 2^32 = 17.5...
        {1, 0},                    // one choice only
        {0xFFFFFFFFu, 2960221401}, // the upper half of (2^32 - 1) * 2960221402 is that state less one
        {2, 1}};
    const std::uint32_t states[] = {4160191484u, 866343917u, 2231304098u, 567969323u, 3754609368u, 105731641u,
                                    2042630942u, 4086028183u, 1369248244u, 3304270277u, 2960221402u, 3775356995u};
    for (std::size_t i = 0; i < std::size(draws); ++i) {
        EXPECT_EQ(rng.random(draws[i].first), draws[i].second) << i;
        EXPECT_EQ(rng.state(), states[i]) << i;
    }
    // Seeded from the time of day: milliseconds since midnight, below one day's worth.
    EXPECT_LT(Random::timeOfDaySeed(), 24u * 60 * 60 * 1000);
}
