#include "game/text.h"

#include <algorithm>
#include <vector>

namespace game {

namespace {

bool continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at `at`, or 0.
std::size_t sequenceLength(std::string_view bytes, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    std::size_t length;
    // The bounds of the second byte rule out overlong forms, surrogates and values past U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() - at < length)
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!continuation(byte(at + i)))
            return 0;
    return length;
}

// The code point of the valid sequence of `length` bytes at `at`.
char32_t codePoint(std::string_view bytes, std::size_t at, std::size_t length)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
    static constexpr unsigned char leadMask[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t value = byte(0) & leadMask[length];
    for (std::size_t i = 1; i < length; ++i)
        value = (value << 6) | (byte(i) & 0x3F);
    return value;
}

// What encodeText makes of a text, counted as it goes.
struct Encoding {
    std::string latin1;   // one byte per character, while every character fits
    std::string utf8;     // the text with any invalid byte as "?"
    bool fitsLatin1 = true;
};

Encoding encodingOf(std::string_view text)
{
    Encoding encoding;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = sequenceLength(text, at);
        if (length == 0) {
            encoding.utf8 += '?';
            encoding.latin1 += '?';
            ++at;
            continue;
        }
        const char32_t value = codePoint(text, at, length);
        encoding.utf8.append(text.substr(at, length));
        // 0xFF ends a message on the wire, so "ÿ" cannot travel as one byte.
        if (value >= 0xFF)
            encoding.fitsLatin1 = false;
        else if (encoding.fitsLatin1)
            encoding.latin1 += static_cast<char>(value);
        at += length;
    }
    return encoding;
}

} // namespace

std::string encodeText(std::string_view utf8)
{
    Encoding encoding = encodingOf(utf8);
    if (encoding.fitsLatin1 && !isUtf8Text(encoding.latin1))
        return std::move(encoding.latin1);
    return std::move(encoding.utf8);
}

std::string_view cutText(std::string_view utf8, std::size_t limit)
{
    if (encodeText(utf8).size() <= limit)
        return utf8;
    // Every character takes at least one byte, so no start of more than `limit` characters fits.
    // Where they end is kept, so that backing off steps over a bad byte alone and not over the
    // character before it.
    std::vector<std::size_t> ends;
    for (std::size_t end = 0; end < utf8.size() && ends.size() < limit;) {
        end += std::max<std::size_t>(sequenceLength(utf8, end), 1);
        ends.push_back(end);
    }
    // The encoded length need not grow with the start ("Ã©" takes four bytes, "Ã©é" three), so
    // back off one character at a time; a start no longer in bytes than the limit always fits.
    while (!ends.empty() && ends.back() > limit && encodeText(utf8.substr(0, ends.back())).size() > limit)
        ends.pop_back();
    return utf8.substr(0, ends.empty() ? 0 : ends.back());
}

bool isUtf8Text(std::string_view bytes)
{
    bool multiByte = false;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, at);
        if (length == 0)
            return false;
        multiByte = multiByte || length > 1;
        at += length;
    }
    return multiByte;
}

std::string decodeText(std::string_view bytes)
{
    return isUtf8Text(bytes) ? std::string(bytes) : fromLatin1(bytes);
}

std::string fromLatin1(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

} // namespace game
