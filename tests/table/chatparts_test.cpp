// The chat's parts on their own: the selection, the link slots, how a line is set, the phrase
// buttons and the menus' shared entries.
#include "platform/messagebox.h"
#include "table/chatlinks.h"
#include "table/chatmenus.h"
#include "table/chatpanel.h"
#include "table/chatselection.h"
#include "table/chattypesetter.h"
#include "table/phrasebuttons.h"

#include <QAction>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

using Line = ChatTypesetter::Line;

// A line of pieces in style 1; a piece starting with "www." is the next link.
Line lineOf(const QStringList& words)
{
    Line line;
    int links = 0;
    for (const QString& word : words) {
        const bool link = word.startsWith(QLatin1String("www."));
        line.pieces.push_back({static_cast<std::uint32_t>(line.text.size()), static_cast<std::uint16_t>(word.size()),
                               static_cast<std::uint8_t>(link ? chat::kLinkStyle : 1), -1, link ? links++ : -1});
        line.text += word;
    }
    return line;
}

} // namespace

TEST(ChatSelectionTest, SpansAndTextRunFromTheEarlierEndWhicheverWayTheMouseWent)
{
    const QStringList lines{"first line", "second", "third line"};
    const auto text = [&](int n) { return lines[n]; };
    ChatSelection selection;
    EXPECT_TRUE(selection.isEmpty());
    EXPECT_EQ(selection.text(3, text), "");
    EXPECT_EQ(selection.span(0, 10), std::make_pair(-1, -1));

    selection.set({2, 5}, {0, 6}); // dragged upwards
    EXPECT_EQ(selection.text(3, text), "line\nsecond\nthird");
    EXPECT_EQ(selection.span(0, 10), std::make_pair(6, 11)) << "runs on past the first line's end";
    EXPECT_EQ(selection.span(1, 6), std::make_pair(0, 7));
    EXPECT_EQ(selection.span(2, 10), std::make_pair(0, 5));
    EXPECT_EQ(selection.span(3, 10), std::make_pair(-1, -1));
    EXPECT_EQ(selection.text(2, text), "line\nsecond") << "lines the view no longer has are left out";

    selection.moveCursor({2, 5});
    EXPECT_TRUE(selection.isEmpty());
    selection.clear();
    EXPECT_TRUE(selection.start() == ChatSelection::Position{});
}

TEST(ChatSelectionTest, AWordEndsAtBlanksAndPunctuation)
{
    const QString text = QStringLiteral("Hal chats: (see www.x.org;now)\"yes\"");
    ChatSelection selection;
    const auto word = [&](int offset) {
        selection.selectWord(text, {4, offset});
        EXPECT_EQ(selection.start().line, 4);
        return text.mid(selection.start().offset, selection.end().offset - selection.start().offset);
    };
    EXPECT_EQ(word(0), "Hal");
    EXPECT_EQ(word(3), "Hal") << "at the word's end";
    EXPECT_EQ(word(13), "see");
    EXPECT_EQ(word(17), "www") << "a full stop parts a word";
    EXPECT_EQ(word(27), "now");
    EXPECT_EQ(word(33), "yes");
    EXPECT_EQ(word(static_cast<int>(text.size())), "") << "after the closing quote";
}

TEST(ChatLinksTest, SlotsRunToAHundredThenStartAgainAtOne)
{
    ChatLinks links;
    EXPECT_EQ(links.counter(), -1);
    for (int n = 0; n <= 101; ++n)
        links.remember(QStringLiteral("www.%1.org").arg(n));
    EXPECT_EQ(links.counter(), 1);
    EXPECT_EQ(links.slot(0), "www.0.org");
    EXPECT_EQ(links.slot(1), "www.101.org");
    EXPECT_EQ(links.slot(100), "www.100.org");
    EXPECT_EQ(links.slot(101), "");
    EXPECT_EQ(links.slot(-1), "");
    links.clear();
    EXPECT_EQ(links.counter(), -1);
    links.remember("www.new.org");
    EXPECT_EQ(links.slot(0), "www.new.org") << "after clearing, slot 0 is used again";
}

TEST(ChatTypesetterTest, AWordWiderThanARowIsBrokenWhereTheRowEnds)
{
    QWidget surface;
    surface.resize(120, 50);
    ChatTypesetter typesetter(surface);
    const Line line = lineOf({"Hal: ", QString(60, QLatin1Char('m')) + ' ', "end "});
    const ChatTypesetter::Layout layout = typesetter.layout(line);
    ASSERT_GE(layout.rows.size(), 3u);
    // Every part of the long word but its last (which may end in its blank) fits its row.
    std::vector<ChatTypesetter::Fragment> parts;
    for (const ChatTypesetter::Fragment& fragment : layout.fragments)
        if (fragment.piece == 1)
            parts.push_back(fragment);
    ASSERT_GE(parts.size(), 2u);
    int broken = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i + 1 < parts.size()) {
            EXPECT_LE(parts[i].x + parts[i].width, surface.width() - ChatTypesetter::kMargin + 0.01) << i;
        }
        EXPECT_EQ(parts[i].from, 5 + broken);
        broken += parts[i].length;
    }
    EXPECT_EQ(broken, 61);
    qreal top = 0;
    for (const ChatTypesetter::Row& row : layout.rows) {
        EXPECT_EQ(row.top, top);
        top += row.height;
    }
    EXPECT_EQ(layout.height, static_cast<int>(std::ceil(top)));

    // Hit-testing follows the rows: before the first character, past the last one.
    EXPECT_EQ(typesetter.offsetAt(line, QPointF(0, 1)), 0);
    EXPECT_EQ(typesetter.offsetAt(line, QPointF(500, layout.height - 1)), line.text.size());

    // A larger size makes taller rows.
    typesetter.setPointSize(20);
    EXPECT_GT(typesetter.layout(line).height, layout.height);
}

TEST(ChatTypesetterTest, LinksAreFoundUnderThePointAndStylesChangeOnlyWhenTheyDiffer)
{
    QWidget surface;
    surface.resize(400, 50);
    ChatTypesetter typesetter(surface);
    const Line line = lineOf({"see ", "www.x.org ", "now "});
    const std::optional<QRectF> link = typesetter.pieceBox(line, 1);
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(typesetter.linkAt(line, link->center()), 0);
    EXPECT_EQ(typesetter.linkAt(line, typesetter.pieceBox(line, 0)->center()), -1);
    EXPECT_EQ(typesetter.linkAt(line, QPointF(390, link->center().y())), -1) << "past the text";
    EXPECT_FALSE(typesetter.pieceBox(line, 3).has_value());
    EXPECT_EQ(typesetter.offsetAt(line, QPointF(link->left() + 0.5, link->center().y())), 4);

    EXPECT_EQ(typesetter.style(chat::kLinkStyle).colour, QColor(0, 128, 0));
    EXPECT_TRUE(typesetter.style(chat::kLinkStyle).underline);
    EXPECT_TRUE(typesetter.setColour(3, Qt::red));
    EXPECT_FALSE(typesetter.setColour(3, Qt::red));
    EXPECT_FALSE(typesetter.setColour(chat::kStyleCount, Qt::red));
    EXPECT_TRUE(typesetter.setBold(3, true));
    EXPECT_FALSE(typesetter.setBold(3, true));
    EXPECT_FALSE(typesetter.setBold(-1, true));
    EXPECT_TRUE(typesetter.style(3).bold);
}

TEST(ChatPhraseButtonsTest, APhraseIsCutToTheLongestAndAFailedSayLeavesTheButtonsReady)
{
    QWidget panel;
    PhraseButtons buttons(panel, QPixmap(25, 19), QPoint(292, 369), 6);
    QStringList said;
    buttons.say = [&](const char* verb, const QString& text) { said.append(QLatin1String(verb) + ' ' + text); };
    buttons.setPhrase(2, "Well played");
    buttons.setPhrase(0, "nobody");
    buttons.setPhrase(10, "nobody");
    EXPECT_EQ(buttons.phrase(2), "Well p");
    EXPECT_EQ(buttons.phrases().size(), 9);
    EXPECT_FALSE(buttons.phrases().contains("nobody"));

    auto* pause = buttons.findChild<QTimer*>("phrasepause");
    ASSERT_TRUE(pause);
    buttons.b_phrase1Click(2);
    EXPECT_FALSE(buttons.ready());
    EXPECT_TRUE(pause->isActive());
    EXPECT_EQ(pause->interval(), PhraseButtons::kPauseMs);
    buttons.b_phrase1Click(3);
    EXPECT_EQ(said, QStringList{"CMD_action says: Well p"});
    buttons.phrasePauseTimer();
    EXPECT_FALSE(pause->isActive());

    buttons.say = [](const char*, const QString&) { throw std::runtime_error("no connection"); };
    EXPECT_THROW(buttons.b_phrase1Click(1), std::runtime_error);
    EXPECT_TRUE(buttons.ready());
}

TEST(ChatMenusTest, BothScrollEntriesShowOneStateAndASizeChecksOnlyItsOwnEntry)
{
    RecordingMessageBoxes boxes;
    ChatPanel panel(boxes, QPixmap(25, 19));
    ChatMenus& menus = panel.menus();
    menus.setScrollChatOff(true);
    EXPECT_TRUE(menus.scrollChatOffEntry()->isChecked());
    EXPECT_TRUE(panel.findChild<QAction*>("ScrollChatOff2")->isChecked());
    panel.findChild<QAction*>("ScrollChatOff2")->toggle();
    EXPECT_FALSE(menus.scrollChatOff());
    EXPECT_FALSE(menus.scrollChatOffEntry()->isChecked());

    menus.checkTextSize(11);
    menus.checkTextSize(12);
    QStringList checked;
    for (QAction* size : menus.textSizeEntries())
        if (size->isChecked())
            checked.append(size->text());
    EXPECT_EQ(checked, QStringList{"12"});
}
