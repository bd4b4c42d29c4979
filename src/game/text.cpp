#include "game/text.h"

#include <algorithm>

namespace game {

namespace {

bool continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// What a byte starts: the length of its sequence (1 for ASCII, 0 for a byte that starts none) and
// the bounds of the second byte, which rule out overlong forms, surrogates and values past U+10FFFF.
struct Lead {
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;
};

Lead leadOf(unsigned char byte)
{
    if (byte < 0x80)
        return {1};
    if (byte >= 0xC2 && byte <= 0xDF)
        return {2};
    if (byte >= 0xE0 && byte <= 0xEF)
        return {3, static_cast<unsigned char>(byte == 0xE0 ? 0xA0 : 0x80), static_cast<unsigned char>(byte == 0xED ? 0x9F : 0xBF)};
    if (byte >= 0xF0 && byte <= 0xF4)
        return {4, static_cast<unsigned char>(byte == 0xF0 ? 0x90 : 0x80), static_cast<unsigned char>(byte == 0xF4 ? 0x8F : 0xBF)};
    return {0};
}

// The length of the valid UTF-8 sequence at `at`, or 0.
std::size_t sequenceLength(std::string_view bytes, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const Lead lead = leadOf(byte(at));
    if (lead.length <= 1)
        return lead.length;
    if (bytes.size() - at < lead.length)
        return 0;
    if (byte(at + 1) < lead.low || byte(at + 1) > lead.high)
        return 0;
    for (std::size_t i = 2; i < lead.length; ++i)
        if (!continuation(byte(at + i)))
            return 0;
    return lead.length;
}

// isUtf8Text a byte at a time: whether the bytes so far are valid UTF-8 with a multi-byte sequence.
class Utf8SoFar {
public:
    void add(unsigned char byte)
    {
        if (broken_)
            return;
        if (missing_ > 0) {
            broken_ = byte < low_ || byte > high_;
            low_ = 0x80, high_ = 0xBF, --missing_;
            return;
        }
        const Lead lead = leadOf(byte);
        broken_ = lead.length == 0;
        multiByte_ = multiByte_ || lead.length > 1;
        missing_ = lead.length > 0 ? lead.length - 1 : 0;
        low_ = lead.low, high_ = lead.high;
    }
    bool isUtf8Text() const { return !broken_ && missing_ == 0 && multiByte_; }

private:
    bool broken_ = false, multiByte_ = false;
    std::size_t missing_ = 0;
    unsigned char low_ = 0x80, high_ = 0xBF;
};

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
    // Every start of whole characters, with the length encodeText gives it: one byte a character
    // while every character fits Latin-1 and those bytes do not read as UTF-8, its own length in
    // bytes otherwise (a bad byte goes as one "?"). That length need not grow with the start ("Ã©"
    // takes four bytes, "Ã©é" three), so the search goes on until no longer start can fit:
    // every character takes at least one byte.
    std::size_t best = 0;
    std::size_t characters = 0;
    bool fitsLatin1 = true;
    Utf8SoFar latin1;
    for (std::size_t end = 0; end < utf8.size() && characters < limit;) {
        const std::size_t length = sequenceLength(utf8, end);
        unsigned char oneByte = '?';
        if (length > 0) {
            const char32_t value = codePoint(utf8, end, length);
            fitsLatin1 = fitsLatin1 && value < 0xFF;
            oneByte = static_cast<unsigned char>(value);
        }
        end += std::max<std::size_t>(length, 1);
        ++characters;
        if (fitsLatin1)
            latin1.add(oneByte);
        const std::size_t encoded = fitsLatin1 && !latin1.isUtf8Text() ? characters : end;
        if (encoded <= limit)
            best = end;
    }
    return utf8.substr(0, best);
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
