#pragma once
// Who made the game, as the help window and the about box name them.

namespace maker {

inline constexpr const char* kCompany = "The Tilvaro Team";
inline constexpr const char* kWebSite = "www.tilvaro.org";
// The first year of the copyright notices; the last is the clock's.
inline constexpr int kFirstYear = 2025;

} // namespace maker
