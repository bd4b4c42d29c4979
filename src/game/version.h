#pragma once
// The game's version, as the build names it (the project's version in CMake): the table logs in
// with it, the host compares a newcomer's with its own, the about box and --version show it.

namespace game {

const char* version();

} // namespace game
