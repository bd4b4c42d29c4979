// The chat panel on its own: what the input sends, how lines are cut into words, links and
// smileys, what a link click opens, the view's commands and the phrase buttons with their pause.
#include "host/host_fixture.h"
#include "platform/messagebox.h"
#include "platform/opener.h"
#include "table/chatinput.h"
#include "table/chatmenus.h"
#include "table/chatpanel.h"
#include "table/phrasebuttons.h"
#include "table/smileys.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ChatPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QPixmap button(25, 19);
        button.fill(Qt::white);
        panel = std::make_unique<ChatPanel>(boxes, button);
        panel->setOpener(opener);
        panel->loggedIn = [this] { return loggedIn; };
        panel->ownSeat = [] { return 3; };
        panel->send = [this](const game::Message& message) { sent.append(QString::fromLatin1(message.text())); };
        panel->onSettingsChanged = [this](SettingsOption) { ++saves; };
        panel->show();
    }

    // Types the text and presses Enter, as a player does.
    void say(const QString& text)
    {
        input()->setText(text);
        QTest::keyClick(input(), Qt::Key_Return);
    }
    void show(const char* line, const QColor& colour = Qt::black) { panel->addlinetochat(QString::fromLatin1(line), colour); }
    QLineEdit* input() const { return panel->input(); }
    ChatView* view() const { return panel->view(); }
    QString lastText() const { return view()->lineText(view()->lineCount() - 1); }
    QString lastKinds() const { return view()->pieceKinds(view()->lineCount() - 1); }
    void clickLink(int link)
    {
        const std::optional<QRect> where = view()->linkRect(link);
        ASSERT_TRUE(where.has_value()) << link;
        view()->verticalScrollBar()->setValue(view()->verticalScrollBar()->value());
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, where->center());
    }
    QAction* action(const char* name) const { return panel->findChild<QAction*>(QString::fromLatin1(name)); }

    RecordingMessageBoxes boxes;
    RecordingOpener opener;
    QStringList sent;
    bool loggedIn = true;
    int saves = 0;
    std::unique_ptr<ChatPanel> panel;
};

} // namespace

TEST_F(ChatPanelTest, EnterSendsChatAndMeActionsAndDropsOtherCommands)
{
    say("hello there");
    say("/me waves");
    say("/mexy");
    say("/help");
    EXPECT_EQ(input()->text(), "") << "a command that is not sent still empties the field";
    say("/me");
    say("a|b");
    say("");
    EXPECT_EQ(sent, (QStringList{"CMD_chat+3+hello there|clBlack", "CMD_action+3+waves|clBlack",
                                 "CMD_action+3+y|clBlack", "CMD_action+3+|clBlack", "CMD_chat+3+a|b|clBlack"}));

    // Not logged in: Enter sends nothing and the text stays.
    sent.clear();
    loggedIn = false;
    say("anyone?");
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_EQ(input()->text(), "anyone?");

    // The chat colour travels as colour text: a standard name, else "$" and eight hex digits.
    loggedIn = true;
    panel->setChatColour(QColor(0, 0x80, 0xFF));
    say("blue");
    panel->setChatColour(QColor(0, 128, 128));
    say("teal");
    EXPECT_EQ(sent, (QStringList{"CMD_chat+3+blue|$00FF8000", "CMD_chat+3+teal|clTeal"}));
}

TEST_F(ChatPanelTest, TheInputHoldsWhatTheHostCanRelay)
{
    // The host relays "CMD_chat+<seat>+<name> chats: <text>|<colour>" only within 4096 bytes; a
    // name has at most 32 characters and a colour text 9.
    const QString longest = QString(1500, QLatin1Char('x'));
    input()->setText(QString());
    QTest::keyClicks(input(), QString(1005, QLatin1Char('y')));
    EXPECT_EQ(input()->text().size(), 1000);
    QApplication::clipboard()->setText(longest);
    input()->setText(QString(990, QLatin1Char('z')));
    panel->chatInput().Paste1Click();
    EXPECT_EQ(input()->text(), QString(990, QLatin1Char('z')) + QString(10, QLatin1Char('x')));
    panel->setChatColour(QColor(1, 2, 3));
    panel->ownSeat = [] { return 1; };
    QTest::keyClick(input(), Qt::Key_Return);
    ASSERT_EQ(sent.size(), 1);
    const QString typed = QString(990, QLatin1Char('z')) + QString(10, QLatin1Char('x'));
    EXPECT_EQ(sent[0], "CMD_chat+1+" + typed + "|$00030201");

    // A host relays it from a player with the longest name and the longest colour text to every
    // table, which reads it back whole.
    hosttest::Recorder io;
    host::Engine host(io, 1);
    io.engine = &host;
    const std::string name(host::kMaxNameLength, 'N');
    const int n = host.numberForNewConnection();
    host.connectionAccepted(n);
    host.Sock1Read(n, "CMD_logininfo+1+1.0.4+" + name + "\xFF");
    host.Sock1Read(n, sent[0].toStdString() + "\xFF");
    while (host.queuedLines() > 0)
        host.socktimerTimer();
    const std::string relayed = "1 CMD_chat+1+" + name + " chats: " + typed.toStdString() + "|$00030201";
    EXPECT_NE(std::find(io.log.begin(), io.log.end(), relayed), io.log.end()) << "the host did not relay the line";
    game::Framer table;
    std::vector<std::string> read;
    EXPECT_TRUE(table.feed(relayed.substr(2) + "\xFF", read)) << "a table cannot read the relayed line";
    EXPECT_EQ(read, std::vector<std::string>{relayed.substr(2)});

    // A pasted line break would split nothing on the wire, but the chat is one line.
    QApplication::clipboard()->setText("one\ntwo");
    input()->clear();
    panel->chatInput().Paste1Click();
    EXPECT_EQ(input()->text(), "one two");
}

TEST_F(ChatPanelTest, ThePromptGoesOnKeysAndSmileysButNotOnPaste)
{
    EXPECT_EQ(input()->text(), "<Enter Chat Here>");
    QTest::keyClick(input(), Qt::Key_H);
    EXPECT_EQ(input()->text(), "h");

    input()->setText(ChatInput::prompt());
    panel->menus().smileys()->findChild<QAction*>("smiley12")->trigger();
    EXPECT_EQ(input()->text(), ":)#12");
    panel->chatInput().N271Click(27);
    EXPECT_EQ(input()->text(), ":)#12:)#27");
    EXPECT_EQ(input()->cursorPosition(), 10);

    QApplication::clipboard()->setText("pasted");
    input()->setText(ChatInput::prompt());
    panel->chatInput().Paste1Click();
    EXPECT_EQ(input()->text(), "<Enter Chat Here>pasted");
    // From the keyboard, Ctrl is a key of its own: it takes the prompt, then V appends.
    input()->setText("x");
    input()->setCursorPosition(0);
    QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(input()->text(), "xpasted") << "Ctrl+V appends, as the menu's Paste does";
    input()->setText(ChatInput::prompt());
    QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(input()->text(), "pasted");
    EXPECT_FALSE(input()->hasSelectedText());
    EXPECT_EQ(panel->menus().smileys()->actions().size(), 18);
    EXPECT_EQ(panel->findChild<QWidget*>("button_smilies")->toolTip(), "See ya!");
}

TEST_F(ChatPanelTest, TheSmileyButtonTellsScreenReadersWhatItIs)
{
    QWidget* button = panel->findChild<QWidget*>("button_smilies");
    ASSERT_TRUE(button);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(button);
    ASSERT_TRUE(spoken);
    EXPECT_EQ(spoken->role(), QAccessible::Button);
    EXPECT_EQ(spoken->text(QAccessible::Name), "Smileys");
}

TEST_F(ChatPanelTest, ANoticeWithAColonIsOneNoticeNotANameAndAText)
{
    show("0+You are Connected.", Qt::blue);
    panel->addNotice("Game seed: 4000000000", Qt::blue);
    EXPECT_EQ(lastText(), " Game seed: 4000000000 ");
    EXPECT_EQ(lastKinds(), "TTTT");
    EXPECT_EQ(view()->lineText(0), " You are Connected. ") << "shaped as every other notice";
    EXPECT_EQ(view()->styleAt(1, 1), 0);
    EXPECT_EQ(view()->colourAt(1, 1), QColor(Qt::blue));
    panel->addNotice("see www.x.org", Qt::blue);
    clickLink(0);
    EXPECT_EQ(opener.opened, QStringList{"www.x.org"});
}

TEST_F(ChatPanelTest, SmileyCodesChooseTheirPictureAndAnythingElseTheFirst)
{
    // Name part "H:" and its blank; a segment before a code is its words after one more blank.
    show("1+H: :)#12");
    EXPECT_EQ(lastText(), "H:   :)#12");
    EXPECT_EQ(lastKinds(), "TTTS2");
    show("1+H: :)#28 :)#09 :)#ab :)#27");
    EXPECT_EQ(lastKinds(), "TTTS0TTS0TTS0TTS17");
    show("1+H: x:)#1");
    EXPECT_EQ(lastText(), "H:  x :)#10") << "a lone 1 at the end shows the first picture";
    EXPECT_EQ(lastKinds(), "TTTS0");
    show("1+H: :)#11:)#12 after");
    EXPECT_EQ(lastKinds(), "TTTS1TS2TT");
    show("1+H: a smiley in the name:)#12 part");
    EXPECT_EQ(lastKinds(), "TTTTTTTS2TT");
    show("0+:)#12 in a notice's name part");
    EXPECT_EQ(lastKinds(), "TTTTTTT") << "the first colon ends the name part, so no code is left";
}

TEST_F(ChatPanelTest, WordsWithWebAddressesAreGreenUnderlinedLinksThatOpenThemselves)
{
    show("1+Hal chats: see WWW.Example.com or Http://x.org/a?b=1 now http:", QColor(0, 0, 128));
    EXPECT_EQ(lastKinds(), "TTTLTLTT");
    EXPECT_EQ(view()->linkCount(), 2);
    EXPECT_EQ(view()->style(4).colour, QColor(0, 128, 0));
    EXPECT_TRUE(view()->style(4).underline);
    EXPECT_FALSE(view()->style(4).bold);
    EXPECT_EQ(view()->colourAt(0, lastText().indexOf("see")), QColor(0, 0, 128));
    EXPECT_EQ(panel->links().counter(), 1);
    EXPECT_EQ(panel->links().slot(0), "WWW.Example.com ");

    clickLink(1);
    clickLink(0);
    EXPECT_EQ(opener.opened, (QStringList{"Http://x.org/a?b=1", "WWW.Example.com"}));
    EXPECT_TRUE(boxes.shown.isEmpty());

    // An action has no colon before its link: the name part runs into the address.
    show("4+Di look at http://x.org", Qt::darkGreen);
    EXPECT_EQ(lastText(), "Di look at http: //x.org ");
    EXPECT_EQ(lastKinds(), "TT");
    EXPECT_EQ(view()->linkCount(), 2);

    // Words that hold an address but name something of this machine are never handed over.
    opener.opened.clear();
    show("2+Bob chats: file:///etc/www.x javascript:www.y /tmp/www.z");
    for (int link = 2; link <= 4; ++link)
        clickLink(link);
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_EQ(boxes.shown, QStringList(3, "Cannot open Webpage"));

    // The desktop refusing an address is reported the same way.
    boxes.shown.clear();
    opener.answer = false;
    clickLink(0);
    EXPECT_EQ(boxes.shown, QStringList{"Cannot open Webpage"});
}

TEST_F(ChatPanelTest, ClearingEmptiesTheViewStartsTheLinksAgainAndFocusesTheInput)
{
    show("1+H: www.first.org");
    // Focus is elsewhere in an active window, so only Clear can bring it to the input.
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    view()->setFocus();
    ASSERT_TRUE(view()->hasFocus());
    panel->ClearMainChat1Click();
    EXPECT_EQ(view()->lineCount(), 0);
    EXPECT_EQ(panel->links().counter(), -1);
    EXPECT_TRUE(input()->hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), input());
    show("1+H: www.second.org");
    EXPECT_EQ(panel->links().counter(), 0);
    clickLink(0);
    EXPECT_EQ(opener.opened, QStringList{"www.second.org"});
}

TEST_F(ChatPanelTest, EveryLinkInTheViewOpensItsOwnAddressPastTheHundredFirst)
{
    // 250 links: the slots' counter runs 0 to 100, then 1 to 100 again and on, so link 101 takes
    // slot 1 and links past it share slots with earlier ones. Each still opens what it shows.
    for (int n = 0; n < 250; ++n)
        show(QStringLiteral("1+H: www.site%1.org").arg(n).toLatin1().constData());
    EXPECT_EQ(view()->linkCount(), 250);
    EXPECT_EQ(panel->links().counter(), 49); // 0..100, 1..100, 1..49
    EXPECT_EQ(panel->links().slot(1), "www.site201.org ");
    EXPECT_EQ(panel->links().slot(100), "www.site200.org ");
    EXPECT_EQ(panel->links().slot(0), "www.site0.org ") << "slot 0 is taken only once";
    QStringList expected;
    QScrollBar* bar = view()->verticalScrollBar();
    for (const int link : {249, 200, 101, 100, 1, 0}) {
        ASSERT_TRUE(view()->linkRect(link).has_value()) << link;
        bar->setValue(bar->value() + view()->linkRect(link)->top() - 20); // into sight
        ASSERT_GE(view()->linkRect(link)->top(), 0) << link;
        ASSERT_LE(view()->linkRect(link)->bottom(), view()->viewport()->height()) << link;
        clickLink(link);
        expected.append(QStringLiteral("www.site%1.org").arg(link));
    }
    EXPECT_EQ(opener.opened, expected);
    EXPECT_TRUE(boxes.shown.isEmpty()) << boxes.shown.join('\n').toStdString();

    // A number the view has no link for opens nothing.
    panel->mainchatJump(250);
    panel->mainchatJump(-1);
    EXPECT_EQ(boxes.shown, QStringList(2, "Cannot open Webpage"));
    EXPECT_EQ(opener.opened.size(), 6);

    // After Clear the numbering and the counter start again; the old links are gone.
    panel->ClearMainChat1Click();
    show("1+H: www.again.org");
    clickLink(0);
    EXPECT_EQ(opener.opened.last(), "www.again.org");
    EXPECT_EQ(panel->links().slot(0), "www.again.org ");
}

TEST_F(ChatPanelTest, StylesAreSharedSizedTogetherAndLinesScrollUnlessTurnedOff)
{
    show("1+Hal chats: one|red", Qt::red);
    show("2+Bob chats: mine", Qt::darkRed);
    show("1+Hal chats: two", Qt::blue);
    EXPECT_EQ(view()->colourAt(0, 12), QColor(Qt::blue)) << "the seat's later colour colours its earlier line";
    EXPECT_EQ(view()->colourAt(1, 12), QColor(Qt::darkRed));

    // Sizes: a menu choice checks its entry alone and is saved; the settings' rule leaves marks.
    action("N12")->trigger();
    EXPECT_EQ(panel->textSize(), 12);
    for (int n = 0; n < 15; ++n)
        EXPECT_EQ(view()->style(n).pointSize, 12) << n;
    EXPECT_EQ(saves, 1);
    panel->applyTextSize(11);
    EXPECT_EQ(panel->textSize(), 11);
    panel->applyTextSize(14);
    QStringList checked;
    for (QAction* size : panel->textSizeEntries())
        if (size->isChecked())
            checked.append(size->text());
    EXPECT_EQ(checked, (QStringList{"12", "14"}));
    action("N8")->trigger();
    checked.clear();
    for (QAction* size : panel->textSizeEntries())
        if (size->isChecked())
            checked.append(size->text());
    EXPECT_EQ(checked, QStringList{"8"});
    EXPECT_EQ(saves, 2) << "the settings' own size is not saved again";

    // Scrolling: new lines follow to the end until "Scroll Chat Off"; both entries agree.
    for (int n = 0; n < 40; ++n)
        show("0+filler line");
    QScrollBar* bar = view()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    action("ScrollChatOff1")->trigger();
    EXPECT_TRUE(action("ScrollChatOff2")->isChecked());
    bar->setValue(0);
    show("0+quiet line");
    EXPECT_EQ(bar->value(), 0);
    action("ScrollChatOff2")->trigger();
    EXPECT_FALSE(action("ScrollChatOff1")->isChecked());
    show("0+loud line");
    EXPECT_EQ(bar->value(), bar->maximum());

    // A new size keeps the newest line in view, and leaves a reader who scrolled back where they were.
    const int before = bar->maximum();
    action("N14")->trigger();
    EXPECT_GT(bar->maximum(), before);
    EXPECT_EQ(bar->value(), bar->maximum());
    bar->setValue(0);
    action("N10")->trigger();
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(ChatPanelTest, SelectAllCopyAndDraggingAcrossALine)
{
    show("1+Hal chats: first www.x.org", Qt::blue);
    show("0+second");
    QApplication::clipboard()->setText("before");
    panel->Copy1Click();
    EXPECT_EQ(QApplication::clipboard()->text(), "before") << "nothing selected: the clipboard keeps its text";
    action("SelectAll1")->trigger();
    action("Copy1")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "Hal chats:  first www.x.org \n second ");

    // A drag across the first line selects it and does not follow the link it ends on.
    view()->clearSelection();
    const QRect link = *view()->linkRect(0);
    QWidget* surface = view()->viewport();
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(1, link.center().y()));
    QTest::mouseMove(surface, link.center());
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(surface->width() - 2, link.center().y()));
    EXPECT_TRUE(opener.opened.isEmpty());
    panel->Copy1Click();
    EXPECT_EQ(QApplication::clipboard()->text(), "Hal chats:  first www.x.org ");

    // A double click selects the word between the delimiters.
    QTest::mouseDClick(surface, Qt::LeftButton, {}, QPoint(8, link.center().y()));
    panel->Copy1Click();
    EXPECT_EQ(QApplication::clipboard()->text(), "Hal");

    action("ClearMainChat2")->trigger();
    EXPECT_EQ(view()->toPlainText(), "");
}

TEST_F(ChatPanelTest, SmileysAreEighteenDifferentPicturesAtEveryPixelRatio)
{
    QList<QImage> seen;
    for (int n = 0; n < 18; ++n) {
        const QPixmap plain = smileyPicture(n, 1.0);
        const QPixmap sharp = smileyPicture(n, 2.0);
        EXPECT_EQ(plain.size(), QSize(17, 16));
        EXPECT_EQ(sharp.size(), QSize(34, 32)) << "drawn for the screen's pixels, not enlarged";
        EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(17, 16));
        const QImage picture = plain.toImage();
        EXPECT_FALSE(seen.contains(picture)) << "picture " << n << " repeats another";
        seen.append(picture);
    }
    EXPECT_EQ(smileyPicture(18).toImage(), seen[0]);
    EXPECT_EQ(smileyPicture(-1).toImage(), seen[0]);

    // The menu's entries show the same pictures, drawn for the screen they are shown on.
    const QList<QAction*> entries = panel->findChild<QMenu*>("popup_smilies")->actions();
    ASSERT_EQ(entries.size(), 18);
    for (int n = 0; n < 18; ++n) {
        const QIcon icon = entries[n]->icon();
        EXPECT_EQ(icon.pixmap(QSize(17, 16), 1.0).toImage(), seen[n]) << n;
        const QPixmap sharp = icon.pixmap(QSize(17, 16), 2.0);
        EXPECT_EQ(sharp.toImage(), smileyPicture(n, 2.0).toImage()) << n;
        EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(17, 16)) << n;
    }
}

TEST_F(ChatPanelTest, TextColorAsksTheDialogColoursTheInputAndSaves)
{
    panel->chooseColour = [](const QColor&) { return std::optional<QColor>(QColor(0, 128, 128)); };
    action("TextColor1")->trigger();
    EXPECT_EQ(panel->chatColour(), QColor(0, 128, 128));
    EXPECT_EQ(input()->palette().color(QPalette::Text), QColor(0, 128, 128));
    EXPECT_EQ(saves, 1);
    panel->chooseColour = [](const QColor&) { return std::optional<QColor>(); };
    action("TextColor1")->trigger();
    EXPECT_EQ(panel->chatColour(), QColor(0, 128, 128));
    EXPECT_EQ(saves, 1) << "a cancelled dialog changes and saves nothing";
}

TEST_F(ChatPanelTest, PhraseButtonsSayTheirPhraseOncePerPause)
{
    const QStringList defaults{"Way To Go!", "Good One!", "Nice Try!", "Excellent!", "Brilliant!",
                               "Wow, WTG!", "Thanks!", "Way To Go Teamie!", "Good Game Everyone!"};
    EXPECT_EQ(panel->phrases(), defaults);
    const int lefts[9] = {292, 318, 344, 370, 396, 292, 318, 344, 370};
    for (int n = 1; n <= 9; ++n) {
        QWidget* button = panel->findChild<QWidget*>(QStringLiteral("b_phrase%1").arg(n));
        EXPECT_EQ(button->toolTip(), defaults[n - 1]);
        EXPECT_EQ(button->mapTo(panel.get(), QPoint(0, 0)) + ChatPanel::kOrigin, QPoint(lefts[n - 1], n <= 5 ? 488 : 508));
        EXPECT_EQ(button->size(), QSize(25, 19));
    }

    // Phrases go out even before the login (the host judges), once per pause.
    loggedIn = false;
    QWidget* first = panel->findChild<QWidget*>("b_phrase1");
    QTest::mouseClick(first, Qt::LeftButton);
    QTest::mouseClick(first, Qt::LeftButton);
    panel->b_phrase1Click(2);
    EXPECT_EQ(sent, QStringList{"CMD_action+3+says: Way To Go!|clBlack"});
    panel->phraseButtons().phrasePauseTimer();

    panel->setPhrase(4, "/me dances");
    panel->b_phrase1Click(4);
    panel->phraseButtons().phrasePauseTimer();
    panel->setPhrase(5, "/me");
    panel->b_phrase1Click(5);
    panel->phraseButtons().phrasePauseTimer();
    panel->setPhrase(6, "");
    panel->b_phrase1Click(6);
    EXPECT_EQ(sent.mid(1), (QStringList{"CMD_action+3+dances|clBlack", "CMD_action+3+says: /me|clBlack",
                                        "CMD_action+3+says: |clBlack"}));
    EXPECT_FALSE(panel->phraseReady());

    // A send that fails leaves the buttons ready.
    panel->phraseButtons().phrasePauseTimer();
    panel->send = [](const game::Message&) { throw std::runtime_error("Send - Socket Not Connected"); };
    EXPECT_THROW(panel->b_phrase1Click(1), std::runtime_error);
    EXPECT_TRUE(panel->phraseReady());
}

TEST_F(ChatPanelTest, OnlyTheControlsTakeTheMouse)
{
    // The panel spans from the phrase buttons to the view; the seat rows and the pass button
    // beneath it must still be clicked.
    EXPECT_TRUE(panel->mask().contains(QPoint(428 - 292 + 10, 10)));          // the view
    EXPECT_TRUE(panel->mask().contains(QPoint(300 - 292, 490 - 369)));        // phrase button 1
    EXPECT_FALSE(panel->mask().contains(QPoint(380 - 292, 380 - 369)));       // the pass button
    EXPECT_FALSE(panel->mask().contains(QPoint(300 - 292, 420 - 369)));       // a seat row
    EXPECT_FALSE(panel->mask().contains(QPoint(400 - 292, 510 - 369)));       // the chatter button
}
