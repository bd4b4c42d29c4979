// The chat view as the table fills it: notices and relayed lines, their names, colours and
// paragraphs.
#include "tablefixture.h"

#include "table/phrasebuttons.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

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

TEST_F(TableTest, TheChatSendsThroughTheTablesConnectionAndItsOptionsSaveSettings)
{
    // Without a connection a phrase button reports the socket's error and stays ready.
    EXPECT_THROW(table->chatPanel().b_phrase1Click(1), ESockException);
    EXPECT_TRUE(table->chatPanel().phraseReady());

    login(3);
    auto* input = find<QLineEdit>(QStringLiteral("mychat"));
    input->setText(QStringLiteral("/me waves"));
    QTest::keyClick(input, Qt::Key_Return);
    ASSERT_TRUE(host.waitForMessage("CMD_action+3+waves|clBlack"));
    QTest::mouseClick(find(QStringLiteral("b_phrase2")), Qt::LeftButton);
    ASSERT_TRUE(host.waitForMessage("CMD_action+3+says: Good One!|clBlack"));

    int saves = 0, phraseSaves = 0;
    table->hooks.onSaveSettings = [&](SettingsOption) { ++saves; };
    table->hooks.onSavePhrases = [&] { ++phraseSaves; };
    auto* options = find<QMenu>(QStringLiteral("Options1"));
    const auto entry = [&](const char* name) { return table->findChild<QAction*>(QString::fromLatin1(name)); };
    QStringList captions;
    for (QAction* action : options->actions())
        captions.append(action->menu() ? action->menu()->title() : action->text());
    EXPECT_TRUE(captions.contains(QStringLiteral("Text Color")));
    EXPECT_TRUE(captions.contains(QStringLiteral("Text Size")));
    EXPECT_TRUE(captions.contains(QStringLiteral("Scroll Chat Off")));
    EXPECT_TRUE(captions.contains(QStringLiteral("Clear Main Chat")));
    entry("N14")->trigger();
    EXPECT_EQ(table->chatPanel().textSize(), 14);
    table->chatPanel().chooseColour = [](const QColor&) { return std::optional<QColor>(Qt::red); };
    entry("TextColor1")->trigger();
    EXPECT_EQ(saves, 2);
    table->chatPanel().applyTextSize(12);
    EXPECT_TRUE(entry("N12")->isChecked());
    EXPECT_TRUE(entry("N14")->isChecked());
    EXPECT_EQ(saves, 2);

    // The editor's Done: every phrase, an empty one too, then the phrases are written.
    QStringList edited = table->chatPanel().phrases();
    edited[2] = QString();
    edited[8] = QStringLiteral("/me bows");
    table->applyPhrases(edited);
    EXPECT_EQ(table->chatPanel().phrases(), edited);
    EXPECT_EQ(phraseSaves, 1);
    table->chatPanel().phraseButtons().phrasePauseTimer();
    QTest::mouseClick(find(QStringLiteral("b_phrase9")), Qt::LeftButton);
    ASSERT_TRUE(host.waitForMessage("CMD_action+3+bows|clRed"));
}

TEST_F(TableTest, TheChatPanelLeavesThePassButtonSeatRowsAndChatterButtonToTheMouse)
{
    QWidget* main = find(QStringLiteral("panel_main"));
    QWidget* pass = find(QStringLiteral("button_pass"));
    pass->show();
    EXPECT_EQ(main->childAt(390, 380), pass);
    EXPECT_EQ(main->childAt(400, 515), find(QStringLiteral("b_phrase10")));
    EXPECT_EQ(main->childAt(270, 440), find(QStringLiteral("label_playername5")));
    EXPECT_EQ(main->childAt(300, 495), find(QStringLiteral("b_phrase1")));
    EXPECT_EQ(main->childAt(500, 515), find(QStringLiteral("mychat")));
    EXPECT_EQ(main->childAt(760, 515), find(QStringLiteral("button_smilies")));
}
