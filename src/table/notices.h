#pragma once
// What the table tells the player in the chat about the people at the table and the game:
// arrivals, departures, watching, versions, the start and the end of a game.

#include "mirror/events.h"
#include "mirror/tablemirror.h"

#include <QStringList>

QStringList chatNotices(const mirror::Event& event, const mirror::TableMirror& mirror);
