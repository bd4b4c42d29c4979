#include "game/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using game::decodeText;
using game::isUtf8Text;

TEST(Text, ValidUtf8WithAMultiByteSequenceIsKeptAndEverythingElseIsLatin1)
{
    EXPECT_EQ(decodeText("Tr\xC3\xA8s"), "Tr\xC3\xA8s");
    EXPECT_EQ(decodeText("Tr\xE8s"), "Tr\xC3\xA8s");
    EXPECT_EQ(decodeText("\xE2\x82\xAC 5 \xF0\x9F\x98\x80"), "\xE2\x82\xAC 5 \xF0\x9F\x98\x80");
    // One bad byte anywhere makes the whole text Latin-1, the good sequences included.
    EXPECT_EQ(decodeText("\xC3\xA8\xFF"), "\xC3\x83\xC2\xA8\xC3\xBF");
    EXPECT_EQ(decodeText("plain"), "plain");
    EXPECT_EQ(decodeText(""), "");
    EXPECT_EQ(decodeText(std::string_view("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_FALSE(isUtf8Text("plain ASCII"));
    EXPECT_FALSE(isUtf8Text(""));
}

TEST(Text, MalformedUtf8IsNotTakenForUtf8)
{
    for (const char* bytes : {
             "\xC3",             // cut short at the end
             "\xC3x",            // no continuation byte
             "\xA8",             // a continuation byte alone
             "\xC0\xAF",         // overlong "/"
             "\xC1\xBF",         // overlong
             "\xE0\x80\xAF",     // overlong three-byte form
             "\xF0\x80\x80\xAF", // overlong four-byte form
             "\xED\xA0\x80",     // a surrogate
             "\xF4\x90\x80\x80", // past U+10FFFF
             "\xF5\x80\x80\x80", // no such lead byte
             "\xE2\x82",         // three-byte sequence cut short
             "\xF0\x9F\x98",     // four-byte sequence cut short
             "\xE2\x82x",
         })
        EXPECT_FALSE(isUtf8Text(bytes)) << testing::PrintToString(std::string(bytes));

    // The edges that are allowed.
    for (const char* bytes : {"\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80", "\xEF\xBF\xBF",
                              "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(isUtf8Text(bytes)) << testing::PrintToString(std::string(bytes));
}

TEST(Text, EveryLatin1ByteBecomesItsOwnCharacter)
{
    std::string all;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        all += static_cast<char>(byte);
    const std::string text = decodeText(all);
    ASSERT_EQ(text.size(), 2 * all.size());
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const std::size_t at = static_cast<std::size_t>(2 * (byte - 0x80));
        const unsigned lead = static_cast<unsigned char>(text[at]);
        const unsigned trail = static_cast<unsigned char>(text[at + 1]);
        EXPECT_EQ(((lead & 0x1F) << 6) | (trail & 0x3F), static_cast<unsigned>(byte));
    }
    // Decoded text is valid UTF-8 and reads back as itself.
    EXPECT_TRUE(isUtf8Text(text));
    EXPECT_EQ(decodeText(text), text);
}

// ---- Writing text out, and cutting it to a byte limit -------------------------------------------

using game::cutText;
using game::encodeText;

namespace {

// The code points of a valid UTF-8 text, decoded here without the code under test.
std::u32string codePoints(std::string_view utf8)
{
    std::u32string points;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t value = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i)
            value = value << 6 | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
        points += value;
        at += length;
    }
    return points;
}

const char* const kScripts[] = {
    "Михаил",                       // Cyrillic
    "李小龙",                        // CJK
    "Zeynep Çağlar",                 // Latin beyond Latin-1
    "Καλημέρα",                      // Greek
    "مرحبا بكم",                     // Arabic
    "שלום עולם",                     // Hebrew
    "नमस्ते",                         // Devanagari with combining marks
    "こんにちは、世界",                // Japanese
    "😀👍🏽 👨‍👩‍👧",                   // emoji, a skin tone, a family joined by zero-width joiners
    "Zoë €5",                        // Latin-1 and a character past it
    "Ã©",                            // Latin-1 whose one-byte form would read as UTF-8
    "ÿ",                             // Latin-1, but its byte ends a message
    "a+b|c ÿ",
    "\xC2\x80\xC2\x9F",              // C1 controls
    "\xF4\x8F\xBF\xBF\xEF\xBF\xBF",  // the highest code points
};

} // namespace

TEST(TextOut, EveryTextReadsBackAsItselfWithoutTheMessageEndAndWithItsAsciiAsIs)
{
    for (const char* text : kScripts) {
        const std::string wire = encodeText(text);
        EXPECT_EQ(decodeText(wire), text);
        EXPECT_EQ(wire.find('\xFF'), std::string::npos) << text;
        // "+" and "|" separate fields: they stay where they were, as themselves, and no other
        // character becomes one of them.
        std::string ascii;
        for (const char c : wire)
            if (static_cast<unsigned char>(c) < 0x80)
                ascii += c;
        std::string textAscii;
        for (const char c : std::string_view(text))
            if (static_cast<unsigned char>(c) < 0x80)
                textAscii += c;
        EXPECT_EQ(ascii, textAscii) << text;
    }
    EXPECT_EQ(encodeText(""), "");
    EXPECT_EQ(encodeText("a+b|c"), "a+b|c");
    EXPECT_EQ(encodeText("ÿ"), "\xC3\xBF");
    EXPECT_EQ(encodeText("Ã©"), "\xC3\x83\xC2\xA9");
    EXPECT_EQ(encodeText("Михаил"), "Михаил");
}

TEST(TextOut, TextThatFitsLatin1GoesOneBytePerCharacterAsOlderCopiesSendIt)
{
    EXPECT_EQ(encodeText("Zoë"), "Zo\xEB");
    EXPECT_EQ(encodeText("Très «bien» ¿sí? ©®µ \xC2\x85"), "Tr\xE8s \xAB" "bien\xBB \xBF" "s\xED? \xA9\xAE\xB5 \x85");
    // Every Latin-1 character but "ÿ", in one text: one byte each, in order.
    std::string all;
    for (unsigned c = 0x20; c < 0xFF; ++c)
        if (c != 0x7F)
            all += c < 0x80 ? std::string(1, static_cast<char>(c)) : decodeText(std::string(1, static_cast<char>(c)));
    const std::string wire = encodeText(all);
    const std::u32string points = codePoints(all);
    ASSERT_EQ(wire.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        EXPECT_EQ(static_cast<unsigned char>(wire[i]), points[i]);
    // A bad byte in what was meant to be UTF-8 goes as "?", never as itself.
    EXPECT_EQ(encodeText("a\xFF" "b"), "a?b");
    EXPECT_EQ(encodeText("\xC3" "\xE9"), "??");
}

TEST(TextCut, TheLongestStartOfWholeCharactersThatFits)
{
    for (const char* text : kScripts) {
        const std::string_view whole(text);
        // Where characters end, found here independently.
        std::vector<std::size_t> ends{0};
        for (std::size_t at = 0; at < whole.size(); ++at)
            if (at + 1 == whole.size() || (static_cast<unsigned char>(whole[at + 1]) & 0xC0) != 0x80)
                ends.push_back(at + 1);
        for (std::size_t limit = 0; limit <= whole.size() + 1; ++limit) {
            std::size_t longest = 0;
            for (const std::size_t end : ends)
                if (encodeText(whole.substr(0, end)).size() <= limit)
                    longest = end;
            const std::string_view cut = cutText(whole, limit);
            EXPECT_EQ(cut.data(), whole.data());
            EXPECT_EQ(cut.size(), longest) << text << " cut at " << limit;
            EXPECT_LE(encodeText(cut).size(), limit);
        }
    }
}

TEST(TextCut, AStartMayFitWhereAShorterOneDoesNot)
{
    // "Ã©" goes as UTF-8 (four bytes), "Ã©é" as Latin-1 (three): the cut looks past the shorter.
    EXPECT_EQ(cutText("Ã©é", 3), "Ã©é");
    EXPECT_EQ(cutText("Ã©éx", 3), "Ã©é");
    EXPECT_EQ(cutText("Ã©", 3), "Ã");
    EXPECT_EQ(cutText("Ã©", 4), "Ã©");
}

TEST(TextCut, LimitsInBytesAsTheChatInputUsesThem)
{
    std::string emoji;
    for (int i = 0; i < 300; ++i)
        emoji += "😀";
    EXPECT_EQ(cutText(emoji, 1000), emoji.substr(0, 1000));
    EXPECT_EQ(cutText(emoji, 1003), emoji.substr(0, 1000)) << "no three-byte piece of a fourth";
    EXPECT_EQ(cutText("a" + emoji, 1000), "a" + emoji.substr(0, 996));

    // Latin-1 text is cut after as many characters as the limit, as before.
    std::string names;
    for (int i = 0; i < 400; ++i)
        names += "Zoë ";
    const std::string_view cut = cutText(names, 1000);
    EXPECT_EQ(codePoints(cut).size(), 1000u);
    EXPECT_EQ(encodeText(cut).size(), 1000u);
    EXPECT_EQ(cutText("Zoë", 2), "Zo");
    EXPECT_EQ(cutText("Zoë", 0), "");
    // One character past Latin-1 makes the whole text UTF-8: fewer characters fit.
    EXPECT_EQ(cutText("Zoë€", 5), "Zoë");
}

TEST(TextCut, BadBytesCountAsTheOneByteEachTheyGoOutAs)
{
    // Each bad byte goes out as "?": two of them and a letter take three bytes.
    EXPECT_EQ(cutText("a\x80\x80", 2), "a\x80");
    EXPECT_EQ(cutText("a\x80\x80", 3), "a\x80\x80");
    EXPECT_EQ(cutText("\xE2\x82" "b\xF0\x9F\x98\x80", 3), "\xE2\x82" "b");
    // Backing off from a start that is too long steps over the bad byte alone.
    EXPECT_EQ(cutText("€\x80", 3), "€");
    EXPECT_EQ(cutText("€\x80\x80x", 4), "€\x80");
}
