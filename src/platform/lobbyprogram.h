#pragma once
// The Brisko Lobby, when it is installed: a program called "brisko-lobby" on the PATH.

#include <QString>

// The lobby program's full path, or empty when none is on the PATH.
QString findLobbyProgram();

// Starts the lobby program on its own, so it keeps running when the game closes. False when
// there is none or it could not be started.
bool startLobbyProgram();
