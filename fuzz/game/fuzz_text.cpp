// Fuzzes the text rule of the wire and the files. The first input byte chooses a byte limit, the
// rest are bytes as another program might send them:
//  - what they are read as is valid UTF-8: the bytes themselves when they are UTF-8 with a
//    multi-byte sequence, one character per byte otherwise;
//  - that text goes out without the byte 0xFF, with its ASCII as it was, as one byte per
//    character exactly when it fits and those bytes would not read as UTF-8, and reads back as
//    itself;
//  - its cut at the limit is the longest start of whole characters that goes out in the limit.
// The checks below decode UTF-8 their own way, so they do not share a fault with the code under test.

#include "game/text.h"

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Strict UTF-8, a byte at a time: a sequence is its leading ones' count long, and once whole its
// value must need that many bytes, lie below U+110000 and not be a surrogate.
struct Utf8Reader {
    bool broken = false;
    bool multiByte = false;
    int missing = 0;
    int length = 0;
    char32_t value = 0;
    std::vector<char32_t> characters;

    void feed(unsigned char byte)
    {
        if (broken)
            return;
        if (missing > 0) {
            if (byte >> 6 != 2) {
                broken = true;
                return;
            }
            value = value << 6 | (byte & 0x3Fu);
            if (--missing == 0)
                finish();
            return;
        }
        const int ones = std::countl_one(byte);
        if (ones == 0) {
            characters.push_back(byte);
            return;
        }
        if (ones == 1 || ones > 4) {
            broken = true;
            return;
        }
        multiByte = true;
        length = ones;
        missing = ones - 1;
        value = byte & (0x7Fu >> ones);
    }
    void finish()
    {
        static constexpr char32_t least[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (value < least[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            broken = true;
        else
            characters.push_back(value);
    }
    bool whole() const { return !broken && missing == 0; }
};

Utf8Reader read(std::string_view bytes)
{
    Utf8Reader reader;
    for (const char c : bytes)
        reader.feed(static_cast<unsigned char>(c));
    return reader;
}

std::string asciiOf(std::string_view bytes)
{
    std::string ascii;
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) < 0x80)
            ascii += c;
    return ascii;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    // Read.
    const Utf8Reader raw = read(bytes);
    const bool rawIsUtf8 = raw.whole() && raw.multiByte;
    require(game::isUtf8Text(bytes) == rawIsUtf8);
    const std::string text = game::decodeText(bytes);
    const Utf8Reader decoded = read(text);
    require(decoded.whole());
    if (rawIsUtf8) {
        require(text == bytes);
    } else {
        require(decoded.characters.size() == bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i)
            require(decoded.characters[i] == static_cast<unsigned char>(bytes[i]));
    }

    // Written out again, and the raw bytes too, whatever they hold.
    const std::string wire = game::encodeText(text);
    require(wire.find('\xFF') == std::string::npos);
    require(game::decodeText(wire) == text);
    require(asciiOf(wire) == asciiOf(text));
    std::string latin1;
    bool fits = true;
    for (const char32_t c : decoded.characters) {
        fits = fits && c < 0xFF;
        latin1 += static_cast<char>(c);
    }
    const Utf8Reader latin1Read = read(latin1);
    require(wire == (fits && !(latin1Read.whole() && latin1Read.multiByte) ? latin1 : text));
    const std::string rawWire = game::encodeText(bytes);
    require(rawWire.find('\xFF') == std::string::npos);
    require(read(game::decodeText(rawWire)).whole());
    if (raw.whole())
        require(game::decodeText(rawWire) == bytes);

    // Cut. The encoded length of every start of whole characters, worked out independently: one
    // byte a character while all are below U+00FF and those bytes do not read as UTF-8, the
    // UTF-8 length otherwise. It need not grow with the start ("Ã©" takes four, "Ã©é" three).
    const std::size_t limit = std::size_t{data[0]} * (wire.size() + 2) / 255;
    std::size_t expected = 0;
    {
        Utf8Reader asLatin1;
        Utf8Reader characters;
        bool allFit = true;
        std::size_t count = 0;
        for (std::size_t at = 0; at < text.size(); ++at) {
            characters.feed(static_cast<unsigned char>(text[at]));
            if (characters.missing > 0)
                continue;
            const char32_t c = characters.characters.back();
            ++count;
            allFit = allFit && c < 0xFF;
            asLatin1.feed(static_cast<unsigned char>(c));
            const bool oneByte = allFit && !(asLatin1.whole() && asLatin1.multiByte);
            if ((oneByte ? count : at + 1) <= limit)
                expected = at + 1;
        }
    }
    const std::string_view cut = game::cutText(text, limit);
    require(cut.data() == text.data());
    require(cut.size() == expected);
    require(game::encodeText(cut).size() <= limit);
    require(read(cut).whole());

    const std::string_view rawCut = game::cutText(bytes, limit);
    require(rawCut.data() == bytes.data() && rawCut.size() <= bytes.size());
    require(game::encodeText(rawCut).size() <= limit);
    if (raw.whole())
        require(read(rawCut).whole());
    return 0;
}
