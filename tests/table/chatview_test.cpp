// The chat view: notices and relayed lines, their names, colours and paragraphs.
#include "tablefixture.h"

#include <QTextBlock>

namespace {

// The colour of the text at the start of the given paragraph's rest.
QColor colourOf(QTextBrowser* view, int paragraph)
{
    const QTextBlock block = view->document()->findBlockByNumber(paragraph);
    return block.begin().fragment().charFormat().foreground().color();
}

} // namespace

TEST_F(TableTest, ChatLinesShowNameTextAndColourOnePerParagraph)
{
    auto* view = find<QTextBrowser>(QStringLiteral("mainchat"));
    feed({"CMD_wrongversion+", "CMD_chat+3+Bob chats: hi there|clGreen", "CMD_action+4+Cy waves|$00FF0000",
          "CMD_chat+5+Di chats: a|b|clBlue", "CMD_chat+6+Ed chats: no colour"});
    EXPECT_EQ(chatLines(), (QStringList{QStringLiteral("You have a differnt version of the game then the host."),
                                        QStringLiteral("Bob chats: hi there"), QStringLiteral("Cy waves"),
                                        QStringLiteral("Di chats: a"), QStringLiteral("Ed chats: no colour")}));
    EXPECT_EQ(colourOf(view, 0), QColor(0, 0, 255));
    EXPECT_EQ(colourOf(view, 1), QColor(0, 128, 0));
    EXPECT_EQ(colourOf(view, 2), QColor(0, 0, 255));
    EXPECT_EQ(colourOf(view, 3), QColor(255, 0, 0)) << "what follows the first | is no colour";
    EXPECT_EQ(colourOf(view, 4), QColor(255, 0, 0));
    EXPECT_TRUE(view->document()->findBlockByNumber(1).begin().fragment().charFormat().font().bold());
    EXPECT_EQ(view->document()->findBlockByNumber(1).text(), QStringLiteral("Bob chats:  hi there "));

    // A seat's new colour is the colour of all its lines.
    feed({"CMD_chat+3+Bob chats: again|clPurple"});
    EXPECT_EQ(colourOf(view, 1), QColor(128, 0, 128));
    EXPECT_EQ(colourOf(view, 5), QColor(128, 0, 128));
    EXPECT_EQ(colourOf(view, 2), QColor(0, 0, 255));

    feed({"CMD_chat+12+Zed chats: hi|clRed", "CMD_chat+x+Zed chats: hi|clRed", "CMD_chat+Zed"});
    EXPECT_EQ(chatLines().size(), 6) << "lines that name no connection are dropped";
}
