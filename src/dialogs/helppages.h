#pragma once
// The help window's pages, one function each, as rich text. Each page starts with its own
// heading line.

#include <QString>

namespace helppages {

QString overview();      // "Overview"
QString connecting();    // "Connecting"
QString gamePlay();      // "Game Play"
QString scoring();       // "Scoring"
QString documentation(); // "Documentation": the version history, newest first
QString license();       // "License"
QString lobby();         // "The Lobby"

} // namespace helppages
