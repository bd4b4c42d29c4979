// How a chat line is cut up: the style of its code, the name part, and which words may be opened.
#include "table/chattext.h"

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

TEST(ChatTextTest, OnlyWebAddressesMayBeOpened)
{
    for (const char* web : {"www.example.com", "WWW.Example.com/a:b", "http://x.org", "HTTPS://x.org/www.",
                            "www.example.com:8080/x", "(www.x.org)"})
        EXPECT_TRUE(chat::isWebAddress(QString::fromLatin1(web))) << web;
    for (const char* local : {"file:///etc/www.passwd", "javascript:www.x", "/tmp/www.sh", "~/www.x",
                              "./www.x", "\\\\server\\www.x", "smb://www.x", "see:http://x.org", "http:www.x", ""})
        EXPECT_FALSE(chat::isWebAddress(QString::fromLatin1(local))) << local;
}
