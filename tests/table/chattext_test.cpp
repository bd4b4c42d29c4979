// How a chat line is cut up: the style of its code, the name part, and notices shown whole.
#include "table/chattext.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(ChatTextTest, CodesChooseStylesAndNamePartsEndAtTheFirstColon)
{
    const auto notice = chat::parseLine("0+You are Connected.");
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->style, 0);
    ASSERT_EQ(notice->pieces.size(), 4u); // " ", "You ", "are ", "Connected. "
    EXPECT_EQ(notice->pieces[0].text, " ");
    EXPECT_EQ(notice->pieces[3].text, "Connected. ");

    const auto seat = chat::parseLine("9+Zed chats: a+b: c");
    ASSERT_TRUE(seat);
    EXPECT_EQ(seat->style, 14);
    EXPECT_EQ(seat->pieces[0].text, "Zed chats: ");
    EXPECT_EQ(seat->pieces[1].text, " ");
    EXPECT_EQ(seat->pieces[2].text, "a+b: ") << "only the first colon ends the name part";
    EXPECT_EQ(chat::parseLine("1+x")->style, 6);

    for (const char* foreign : {"10+x", "-1+x", "x+y", "no plus", "+x", " 1+x"})
        EXPECT_FALSE(chat::parseLine(QString::fromLatin1(foreign))) << foreign;
}

TEST(ChatTextTest, ANoticeShownWholeKeepsItsColonInItsText)
{
    // As a line, the colon would end a name part and push the number one more blank away.
    const chat::Line seed = chat::parseNotice("Game seed: 4000000000");
    EXPECT_EQ(seed.style, 0);
    QStringList texts;
    for (const chat::Piece& piece : seed.pieces)
        texts.append(piece.text);
    EXPECT_EQ(texts, (QStringList{" ", "Game ", "seed: ", "4000000000 "}));
    EXPECT_EQ(chat::parseLine("0+You are Connected.")->pieces.front().text, " ") << "the same shape as a notice without a colon";

    // Words, links and smileys are cut as in any line.
    const chat::Line mixed = chat::parseNotice("see: www.x.org :)#12");
    ASSERT_EQ(mixed.pieces.size(), 5u);
    EXPECT_EQ(mixed.pieces[2].kind, chat::Piece::Link);
    EXPECT_EQ(mixed.pieces[2].text, "www.x.org ");
    EXPECT_EQ(mixed.pieces[4].kind, chat::Piece::Smiley);
    EXPECT_EQ(mixed.pieces[4].picture, 2);
}
