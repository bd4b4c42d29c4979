// The chat view as the table fills it: notices and relayed lines, their names, colours and
// paragraphs.
#include "tablefixture.h"

namespace {

// The colour the view paints a word of a line with now.
QColor colourOf(const ChatView* view, int line, const QString& word)
{
    return view->colourAt(line, view->lineText(line).indexOf(word));
}

} // namespace

TEST_F(TableTest, ChatLinesShowNameTextAndColourOnePerParagraph)
{
    const ChatView* view = table->chatPanel().view();
    feed({"CMD_wrongversion+", "CMD_chat+3+Bob chats: hi there|clGreen", "CMD_action+4+Cy waves|$00FF0000",
          "CMD_chat+5+Di chats: a|b|clBlue", "CMD_chat+6+Ed chats: no colour"});
    EXPECT_EQ(chatLines(), (QStringList{QStringLiteral("You have a differnt version of the game then the host."),
                                        QStringLiteral("Bob chats: hi there"), QStringLiteral("Cy waves"),
                                        QStringLiteral("Di chats: a"), QStringLiteral("Ed chats: no colour")}));
    EXPECT_EQ(colourOf(view, 0, "You"), QColor(0, 0, 255));
    EXPECT_EQ(colourOf(view, 1, "hi"), QColor(0, 128, 0));
    EXPECT_EQ(colourOf(view, 2, "waves"), QColor(0, 0, 255));
    EXPECT_EQ(colourOf(view, 3, "a"), QColor(255, 0, 0)) << "what follows the first | is no colour";
    EXPECT_EQ(colourOf(view, 4, "no"), QColor(255, 0, 0));
    EXPECT_TRUE(view->style(view->styleAt(1, 0)).bold);
    EXPECT_EQ(view->lineText(1), QStringLiteral("Bob chats:  hi there "));

    // A seat's new colour is the colour of all its lines.
    feed({"CMD_chat+3+Bob chats: again|clPurple"});
    EXPECT_EQ(colourOf(view, 1, "hi"), QColor(128, 0, 128));
    EXPECT_EQ(colourOf(view, 5, "again"), QColor(128, 0, 128));
    EXPECT_EQ(colourOf(view, 2, "waves"), QColor(0, 0, 255));

    feed({"CMD_chat+12+Zed chats: hi|clRed", "CMD_chat+x+Zed chats: hi|clRed", "CMD_chat+Zed"});
    EXPECT_EQ(chatLines().size(), 6) << "lines that name no connection are dropped";
}
