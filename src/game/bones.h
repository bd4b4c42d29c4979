#pragma once
// The double-nine set. Bones are spoken of by number everywhere (host, table, wire):
// numbers 1..55 run through the top pip, then the bottom pip, top never above bottom,
// so 1 = 0|0, 2 = 0|1, 10 = 0|9, 11 = 1|1, ..., 55 = 9|9.

namespace game {

constexpr int kBoneCount = 55;
constexpr int kHighestPip = 9;

// Top and bottom pip of a bone; 0 for anything outside 1..55 (an empty slot or position).
int gettopnum(int bone);
int getbotnum(int bone);

// The bone number of a|b (either order); 0 when a pip is outside 0..9.
int boneNumber(int pipA, int pipB);

bool isValidBone(int bone);
bool isDouble(int bone);
// What a bone left in the hand costs at the end of a round.
int pipTotal(int bone);

// The double that starts round r: round 1 uses 9|9 (55), round 10 uses 0|0 (1); 0 outside 1..10.
int spinnerForRound(int round);
// The double p|p as a bone number; 0 when p is outside 0..9.
int doubleOf(int pip);

} // namespace game
