#pragma once
// Text that other programs wrote: the lobby, older copies of the game and their messages use a
// one-byte encoding, newer ones UTF-8. Bytes are read as UTF-8 only when they are valid UTF-8 and
// hold at least one multi-byte sequence; otherwise every byte is one Latin-1 character. Plain
// ASCII is the same either way.

#include <string>
#include <string_view>

namespace game {

// True when the bytes are valid UTF-8 (no overlong forms, surrogates or code points past
// U+10FFFF) with at least one multi-byte sequence.
bool isUtf8Text(std::string_view bytes);

// The text the bytes hold, as UTF-8.
std::string decodeText(std::string_view bytes);

// Every byte one Latin-1 character, as UTF-8: names and chat as they travel between host and tables.
std::string fromLatin1(std::string_view bytes);

} // namespace game
