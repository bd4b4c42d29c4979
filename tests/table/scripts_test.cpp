// Names and chat in scripts other than Latin, and emoji: how the chat sets them, what an input
// method types, and pictures of the chat and the seat rows to look at.
#include "tablefixture.h"

#include "table/chatinput.h"
#include "table/chattypesetter.h"

#include <QDir>
#include <QGlyphRun>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTextLayout>

namespace {

// The characters of a text that no font, fallbacks included, has a glyph for (drawn as boxes).
int missingGlyphs(const QFont& font, const QString& text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int missing = 0;
    for (const QGlyphRun& run : layout.glyphRuns())
        for (const quint32 glyph : run.glyphIndexes())
            missing += glyph == 0;
    return missing;
}

// Pixels of a part of the picture far from its commonest colour: the ink of what is drawn there.
int inked(const QImage& picture, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[picture.pixel(x, y)];
    if (counts.empty())
        return 0;
    const QColor ground = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                              return a.second < b.second;
                          })->first;
    int ink = 0;
    for (const auto& [rgb, count] : counts) {
        const QColor c = QColor::fromRgb(rgb);
        ink += std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green()) +
                       std::abs(c.blue() - ground.blue()) > 150
                   ? count
                   : 0;
    }
    return ink;
}

// Pixels of a part of the picture whose colour passes a test.
template <typename Test>
int pixelsWhere(const QImage& picture, const QRect& area, Test test)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(picture.pixelColor(x, y));
    return count;
}

// A warm, saturated colour: the yellow and orange of emoji faces and party poppers.
bool warm(const QColor& c) { return c.hsvSaturation() > 120 && c.value() > 150 && c.hsvHue() >= 20 && c.hsvHue() <= 60; }

const std::array<QString, 6> kNames = {QStringLiteral("Михаил"), QStringLiteral("李小龙"), QStringLiteral("Ann"),
                                       QStringLiteral("דוד"), QStringLiteral("Ελένη"), QStringLiteral("محمد")};

// A chat line of words, each a piece of its own in the style of connection 1.
ChatTypesetter::Line wordsLine(const QStringList& words)
{
    ChatTypesetter::Line line;
    for (const QString& word : words) {
        line.pieces.push_back({static_cast<std::uint32_t>(line.text.size()), static_cast<std::uint16_t>(word.size()), 6, -1, -1});
        line.text += word;
    }
    return line;
}

const ChatTypesetter::Fragment& fragmentOf(const ChatTypesetter::Layout& layout, int piece)
{
    const auto found = std::find_if(layout.fragments.begin(), layout.fragments.end(),
                                    [piece](const auto& fragment) { return fragment.piece == piece; });
    EXPECT_NE(found, layout.fragments.end()) << piece;
    return *found;
}

} // namespace

TEST_F(TableTest, ScreenshotsOfChatAndSeatsInManyScriptsShowEveryCharacter)
{
    login(3);
    feed({"CMD_existingplayers+1+Михаил+0+2+李小龙+0+4+דוד+0+5+Ελένη+0+6+محمد+0", "CMD_newplayerinfo+3+Ann+0",
          "CMD_chat+1+Михаил chats: Привет всем! 😀 :)#10|clNavy",
          "CMD_chat+2+李小龙 chats: 大家好，我们开始吧 🎉👍|clMaroon",
          "CMD_chat+4+דוד chats: שלום לכולם, בהצלחה|clTeal",
          "CMD_chat+5+Ελένη chats: Καλημέρα σε όλους|clPurple",
          "CMD_chat+6+محمد chats: مرحبا بالجميع|clGreen",
          "CMD_chat+1+Михаил chats: 😀🎉👍❤️|clNavy"});

    QDir().mkpath(QStringLiteral(TILVARO_SCREENSHOT_DIR));
    const QImage shot = table->grab().toImage().scaled(table->size());
    ChatView* view = table->chatPanel().view();
    const QRect chatArea(view->mapTo(table.get(), QPoint(0, 0)), view->viewport()->size());
    const QString chatPath = QStringLiteral(TILVARO_SCREENSHOT_DIR "/chat-scripts.png");
    ASSERT_TRUE(shot.copy(chatArea).save(chatPath)) << chatPath.toStdString();
    QRect seatArea;
    for (int seat = 1; seat <= 6; ++seat) {
        auto* label = find<QLabel>(QStringLiteral("label_playername%1").arg(seat));
        seatArea |= QRect(label->mapTo(table.get(), QPoint(-24, -5)), QSize(204, 26));
    }
    const QString seatsPath = QStringLiteral(TILVARO_SCREENSHOT_DIR "/seats-scripts.png");
    ASSERT_TRUE(shot.copy(seatArea).save(seatsPath)) << seatsPath.toStdString();
    std::printf("screenshots: %s %s\n", qPrintable(chatPath), qPrintable(seatsPath));

    // The names arrive whole, and every letter of them is drawn with a glyph of some font.
    for (int seat = 1; seat <= 6; ++seat) {
        auto* label = find<QLabel>(QStringLiteral("label_playername%1").arg(seat));
        EXPECT_EQ(label->text(), kNames[static_cast<std::size_t>(seat - 1)]) << seat;
        EXPECT_EQ(missingGlyphs(label->font(), label->text()), 0) << seat;
        const QRect box(label->mapTo(table.get(), QPoint(0, 0)), label->size());
        EXPECT_GT(inked(shot, box), 15) << seat;
        // Hebrew and Arabic names start at the left of the column, where the others do.
        EXPECT_GT(inked(shot, box.adjusted(0, 0, -box.width() / 2, 0)), 15) << seat;
    }

    // The six chat lines follow the table's notices of who sat down.
    const int first = view->lineCount() - 6;
    ASSERT_GE(first, 0);
    QString text;
    for (int line = first; line < view->lineCount(); ++line)
        text += view->lineText(line) + QLatin1Char('\n');
    EXPECT_FALSE(text.contains(QLatin1Char('?'))) << text.toStdString();
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("שלום לכולם, בהצלחה")));
    EXPECT_TRUE(view->lineText(first + 5).contains(QStringLiteral("😀🎉👍❤️")));
    EXPECT_TRUE(view->pieceKinds(first).endsWith(QStringLiteral("TS0"))) << "the smiley code keeps its picture";
    for (int line = first; line < view->lineCount(); ++line) {
        EXPECT_EQ(missingGlyphs(QFont(QStringLiteral("Arial")), view->lineText(line)), 0) << line;
        const QRect box = view->lineRect(line).translated(chatArea.topLeft()).intersected(chatArea);
        EXPECT_GT(inked(shot, box), 100) << line;
    }
    // The emoji are drawn in colour, not in the navy of the line's text.
    const QRect emojiLine = view->lineRect(first + 5).translated(chatArea.topLeft());
    EXPECT_GT(pixelsWhere(shot, emojiLine, warm), 30);
}

TEST_F(TableTest, ANameThatLooksLikeMarkupIsShownAsItsLetters)
{
    login(3);
    feed({"CMD_existingplayers+1+<font color=red>Red</font>+0", "CMD_newplayerinfo+3+Ann+0"});
    auto* label = find<QLabel>(QStringLiteral("label_playername1"));
    EXPECT_EQ(label->text(), QStringLiteral("<font color=red>Red</font>"));
    const QImage picture = label->grab().toImage();
    const auto red = [](const QColor& c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; };
    EXPECT_EQ(pixelsWhere(picture, picture.rect(), red), 0) << "the name was read as markup";
    EXPECT_GT(inked(picture, picture.rect()), 30);
}

TEST(ChatTypesetter, RightToLeftWordsReadFromTheRightWithinALeftToRightLine)
{
    QWidget surface;
    surface.resize(600, 100);
    const ChatTypesetter typesetter(surface);
    // A name part, two Hebrew words with a smiley between them, then a Latin word.
    ChatTypesetter::Line line = wordsLine({"Dov chats: ", "שלום ", ":)#10", "עולם ", "end"});
    line.pieces[2].picture = 0;
    const ChatTypesetter::Layout laid = typesetter.layout(line);
    ASSERT_EQ(laid.rows.size(), 1u);
    const auto& name = fragmentOf(laid, 0);
    const auto& first = fragmentOf(laid, 1);
    const auto& smiley = fragmentOf(laid, 2);
    const auto& second = fragmentOf(laid, 3);
    const auto& last = fragmentOf(laid, 4);
    EXPECT_FALSE(name.rightToLeft);
    EXPECT_TRUE(first.rightToLeft && smiley.rightToLeft && second.rightToLeft);
    EXPECT_FALSE(last.rightToLeft);
    EXPECT_LT(name.x, second.x);
    EXPECT_LT(second.x, smiley.x);
    EXPECT_LT(smiley.x, first.x);
    EXPECT_LT(first.x, last.x);
    EXPECT_NEAR(first.x + first.width, last.x, 0.01) << "the run keeps the place it took";

    // A click at the right end of the first Hebrew word is at its start.
    const QPointF nearItsStart(first.x + first.width - 1, laid.rows[0].top + 2);
    EXPECT_EQ(typesetter.offsetAt(line, nearItsStart), static_cast<int>(line.pieces[1].start));

    // Left-to-right text alone stays in order.
    const ChatTypesetter::Layout latin = typesetter.layout(wordsLine({"Ann chats: ", "one ", "two"}));
    EXPECT_LT(fragmentOf(latin, 1).x, fragmentOf(latin, 2).x);
    EXPECT_FALSE(fragmentOf(latin, 1).rightToLeft);
}

TEST(ChatTypesetter, AWordWiderThanTheRowBreaksBetweenCharactersNeverInsideOne)
{
    QWidget surface;
    surface.resize(80, 100);
    const ChatTypesetter typesetter(surface);
    QString emoji, accented;
    for (int i = 0; i < 30; ++i) {
        emoji += QStringLiteral("😀");
        accented += QStringLiteral("e\u0301");
    }
    for (const QString& word : {emoji, accented, QStringLiteral("👍🏽") + emoji}) {
        const ChatTypesetter::Line line = wordsLine({word});
        const ChatTypesetter::Layout laid = typesetter.layout(line);
        ASSERT_GT(laid.rows.size(), 2u);
        int covered = 0;
        for (const auto& fragment : laid.fragments) {
            EXPECT_EQ(fragment.from, covered);
            EXPECT_GT(fragment.length, 0);
            const QChar opening = line.text.at(fragment.from);
            EXPECT_FALSE(opening.isLowSurrogate()) << fragment.from;
            EXPECT_NE(opening.category(), QChar::Mark_NonSpacing) << fragment.from;
            covered += fragment.length;
        }
        EXPECT_EQ(covered, line.text.size());
    }
}

TEST_F(TableTest, AnInputMethodsTextLandsInTheChatInputAndEnterSendsItAsUtf8)
{
    login(3);
    auto* input = find<QLineEdit>(QStringLiteral("mychat"));
    input->setFocus();
    ASSERT_EQ(input->text(), ChatInput::prompt());

    // Composing shows the text being typed without the prompt; the commit replaces it.
    QInputMethodEvent composing(QStringLiteral("Прив"), {});
    QApplication::sendEvent(input, &composing);
    EXPECT_FALSE(input->text().contains(QStringLiteral("Enter Chat"))) << input->text().toStdString();
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("Привет 😀"));
    QApplication::sendEvent(input, &committed);
    EXPECT_EQ(input->text(), QStringLiteral("Привет 😀"));
    QInputMethodEvent more;
    more.setCommitString(QStringLiteral(" 你好"));
    QApplication::sendEvent(input, &more);
    EXPECT_EQ(input->text(), QStringLiteral("Привет 😀 你好"));

    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_TRUE(host.waitForMessage("CMD_chat+3+Привет 😀 你好|clBlack")) << host.received.toStdString();
    EXPECT_TRUE(input->text().isEmpty());
}
