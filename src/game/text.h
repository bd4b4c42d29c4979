#pragma once
// Text that other programs wrote: the lobby, older copies of the game and their messages use a
// one-byte encoding, newer ones UTF-8. Bytes are read as UTF-8 only when they are valid UTF-8 and
// hold at least one multi-byte sequence; otherwise every byte is one Latin-1 character. Plain
// ASCII is the same either way.

#include <cstddef>
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

// The bytes a text (UTF-8) goes out as, to the other tables or into a file that older copies
// read. A text whose every character is Latin-1 goes as one byte per character, exactly as older
// copies send it, unless those bytes would read back as UTF-8 ("Ã©") or hold the byte 0xFF that
// ends a message ("ÿ"); any other text goes as UTF-8. decodeText(encodeText(t)) == t for every
// valid UTF-8 text t. Bytes that are not valid UTF-8 go out as "?", one per byte.
std::string encodeText(std::string_view utf8);

// The longest start of a text (UTF-8) that encodeText puts in at most `limit` bytes, cut between
// whole characters only.
std::string_view cutText(std::string_view utf8, std::size_t limit);

} // namespace game
