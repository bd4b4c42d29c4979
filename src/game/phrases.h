#pragma once
// The phrase buttons: as many on every table, in the phrase editor and in the settings file.

namespace game {

inline constexpr int kPhraseCount = 9;

} // namespace game
