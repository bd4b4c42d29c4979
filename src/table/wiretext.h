#pragma once
// Text on the wire: names, chat, actions and phrases go out as one Latin-1 byte per character when
// they fit, exactly as older copies send them, and as UTF-8 otherwise; what arrives is read as
// UTF-8 when it is valid UTF-8 with a multi-byte sequence, as Latin-1 otherwise (game/text.h).
// The byte 0xFF, which ends a message, never leaves this table inside a text.

#include "game/text.h"

#include <QString>

#include <algorithm>

#include <string>
#include <string_view>

inline std::string toWire(const QString& text) { return game::encodeText(text.toStdString()); }

inline QString fromWire(std::string_view bytes)
{
    const std::string text = game::decodeText(bytes);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The longest start of a text that goes on the wire in at most `limit` bytes, whole characters only.
inline QString cutForWire(const QString& text, int limit)
{
    const std::string utf8 = text.toStdString();
    const std::string_view kept = game::cutText(utf8, static_cast<std::size_t>(std::max(limit, 0)));
    return kept.size() == utf8.size() ? text : QString::fromUtf8(kept.data(), static_cast<qsizetype>(kept.size()));
}
