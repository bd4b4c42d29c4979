#pragma once
// Where the settings ("briskolobby.ini", shared with the lobby) and the tally file live: in the
// program's own folder, as the lobby expects. A copy installed where the player cannot write
// keeps them in the player's data folder instead, so nothing they set or win is lost.

#include <QString>

// The folder to use for a program in `programFolder`: that folder when files can be created in
// it and it is not a system program folder, otherwise userDataFolder(), which is created if
// missing.
QString chooseDataFolder(const QString& programFolder);

// chooseDataFolder() for the running program. Decide once at start and keep the answer.
QString dataFolder();

// The desktop's per-user data folder for the game: $XDG_DATA_HOME/Tilvaro, by default
// ~/.local/share/Tilvaro.
QString userDataFolder();

// True for the folders a distribution or the administrator installs programs in (/usr/games,
// /usr/bin, /usr/local/bin, ...), even for a player who could write there.
bool isSystemProgramFolder(const QString& folder);

// True when a file can be created in `folder` (tried, not guessed from permission bits).
bool canCreateFilesIn(const QString& folder);
