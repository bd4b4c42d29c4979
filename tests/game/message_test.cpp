#include "game/message.h"

#include <gtest/gtest.h>

using namespace game;

TEST(Message, BuildsVerbFieldsAndTerminator)
{
    EXPECT_EQ(Message("CMD_full").field("").wire(), std::string("CMD_full+\xFF"));
    EXPECT_EQ(Message("CMD_noplay").field(3).field("").text(), "CMD_noplay+3+");
    EXPECT_EQ(Message("CMD_heplayed").field(2).field(5).field(40).field(2).field(1).flag(true).field(6).field("").text(),
              "CMD_heplayed+2+5+40+2+1+t+6+");
    EXPECT_EQ(Message("CMD_endround").field(1).field(-20).text(), "CMD_endround+1+-20");
    EXPECT_EQ(Message("CMD_existingplayers").raw("+1+Ann+0").text(), "CMD_existingplayers+1+Ann+0");
}

TEST(Framer, CutsAtEveryTerminatorInOrder)
{
    Framer framer;
    std::vector<std::string> lines;
    EXPECT_TRUE(framer.feed("CMD_a+1\xFF" "CMD_b+2\xFF\xFF" "CMD_c+", lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"CMD_a+1", "CMD_b+2", ""}));
    EXPECT_EQ(framer.pendingSize(), 6u);

    // The rest of a split message is joined to the next read.
    lines.clear();
    EXPECT_TRUE(framer.feed("3\xFF", lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"CMD_c+3"}));
    EXPECT_EQ(framer.pendingSize(), 0u);

    // Byte by byte gives the same messages.
    lines.clear();
    const std::string stream = "CMD_x+\xC3\xA9t\xFF" "CMD_y+\xFF";
    for (char c : stream)
        EXPECT_TRUE(framer.feed(std::string_view(&c, 1), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"CMD_x+\xC3\xA9t", "CMD_y+"}));
}

TEST(Framer, OverlongTextIsAnOverflow)
{
    Framer framer(10);
    std::vector<std::string> lines;
    EXPECT_TRUE(framer.feed(std::string(10, 'a'), lines));
    EXPECT_FALSE(framer.feed("b", lines));
    EXPECT_EQ(framer.pendingSize(), 0u);
    EXPECT_TRUE(lines.empty());

    // A complete but overlong message is refused too; the good ones around it still arrive.
    lines.clear();
    EXPECT_FALSE(framer.feed("ok1\xFF" + std::string(11, 'x') + "\xFF" "ok2\xFF", lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"ok1", "ok2"}));
}

TEST(FieldReader, TakesFieldsFromTheFrontAndLeavesAFreeRest)
{
    const auto split = splitLine("CMD_logininfo+3+1.0.4+Ann+Bee");
    EXPECT_EQ(split.verb, "CMD_logininfo");
    FieldReader reader(split.payload);
    EXPECT_EQ(reader.nextInt(), std::optional<int>(3));
    EXPECT_EQ(reader.next(), "1.0.4");
    EXPECT_EQ(reader.rest(), "Ann+Bee");

    FieldReader last("5");
    EXPECT_EQ(last.next(), "5");
    EXPECT_TRUE(last.empty());
    EXPECT_EQ(last.next(), "");

    FieldReader trailing("4+");
    EXPECT_EQ(trailing.nextInt(), std::optional<int>(4));
    EXPECT_TRUE(trailing.empty());
}

TEST(FieldReader, LinesWithoutSeparatorHaveNoVerb)
{
    EXPECT_EQ(splitLine("CMD_full").verb, "");
    EXPECT_EQ(splitLine("").verb, "");
    EXPECT_EQ(splitLine("CMD_full+").verb, "CMD_full");
    EXPECT_EQ(splitLine("CMD_full+").payload, "");
}

TEST(ParseInt, AcceptsOnlyDecimalIntegers)
{
    EXPECT_EQ(parseInt("0"), std::optional<int>(0));
    EXPECT_EQ(parseInt("-20"), std::optional<int>(-20));
    EXPECT_EQ(parseInt("2147483647"), std::optional<int>(2147483647));
    EXPECT_EQ(parseInt("-2147483648"), std::optional<int>(-2147483648));
    for (const char* bad : {"", "-", "+3", " 3", "3 ", "x", "3x", "0x10", "$10", "2147483648", "99999999999999999999"})
        EXPECT_EQ(parseInt(bad), std::nullopt) << bad;
}
