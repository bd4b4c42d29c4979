#include "game/text.h"

#include <gtest/gtest.h>

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
