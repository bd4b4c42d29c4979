// The chat input and the phrases hold what the host relays, counted in bytes on the wire: four an
// emoji, one a Latin-1 letter; nothing is ever cut inside a character. A relayed line shows the
// sender's name and the text each in its own encoding.
#include "tablefixture.h"

#include "platform/messagebox.h"
#include "table/chatinput.h"
#include "table/chatpanel.h"
#include "table/wiretext.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");

QString repeated(const QString& piece, int times)
{
    QString text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

class ChatInputBytesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QPixmap button(25, 19);
        button.fill(Qt::white);
        panel = std::make_unique<ChatPanel>(boxes, button);
        panel->loggedIn = [] { return true; };
        panel->ownSeat = [] { return 3; };
        panel->send = [this](const game::Message& message) { sent.push_back(message.text()); };
        panel->show();
        input()->clear();
    }

    QLineEdit* input() const { return panel->input(); }

    // One key press that types `text`, as a keyboard layout that gives an emoji does.
    void type(const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(input(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(input(), &release);
    }

    RecordingMessageBoxes boxes;
    std::vector<std::string> sent;
    std::unique_ptr<ChatPanel> panel;
};

} // namespace

TEST_F(ChatInputBytesTest, ThreeHundredEmojiTypedOrPastedKeepTwoHundredAndFiftyWhole)
{
    for (int i = 0; i < 300; ++i)
        type(kEmoji);
    EXPECT_EQ(input()->text(), repeated(kEmoji, 250));

    // Composed by an input method, one at a time.
    input()->clear();
    for (int i = 0; i < 300; ++i) {
        QInputMethodEvent composed;
        composed.setCommitString(kEmoji);
        QApplication::sendEvent(input(), &composed);
    }
    EXPECT_EQ(input()->text(), repeated(kEmoji, 250));

    input()->setText(QStringLiteral("a"));
    QApplication::clipboard()->setText(repeated(kEmoji, 300));
    panel->chatInput().Paste1Click();
    EXPECT_EQ(input()->text(), QStringLiteral("a") + repeated(kEmoji, 249)) << "a 250th would take 1,001 bytes";

    // The whole line goes out as UTF-8 and reads back as typed.
    input()->clear();
    panel->chatInput().Paste1Click();
    ASSERT_EQ(input()->text(), repeated(kEmoji, 250));
    QTest::keyClick(input(), Qt::Key_Return);
    ASSERT_EQ(sent.size(), 1u);
    std::string expected = "CMD_chat+3+";
    for (int i = 0; i < 250; ++i)
        expected += "\xF0\x9F\x98\x80";
    EXPECT_EQ(sent[0], expected + "|clBlack");
}

TEST_F(ChatInputBytesTest, AThousandLatin1LettersAreStillAcceptedAsOneByteEach)
{
    for (int i = 0; i < 1005; ++i)
        type(QStringLiteral("\u00E9"));
    EXPECT_EQ(input()->text(), repeated(QStringLiteral("\u00E9"), 1000));
    QTest::keyClick(input(), Qt::Key_Return);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], "CMD_chat+3+" + std::string(1000, '\xE9') + "|clBlack");

    // A smiley's code is appended only while the line stays within the limit.
    input()->setText(repeated(kEmoji, 248));
    panel->chatInput().N271Click(27);
    EXPECT_EQ(input()->text(), repeated(kEmoji, 248) + QStringLiteral(":)#27"));
    input()->setText(repeated(kEmoji, 249));
    panel->chatInput().N271Click(27);
    EXPECT_EQ(input()->text(), repeated(kEmoji, 249));
}

TEST_F(ChatInputBytesTest, APhraseLongerThanTheLimitIsCutBetweenCharacters)
{
    panel->setPhrase(1, QStringLiteral("x") + repeated(kEmoji, 300));
    EXPECT_EQ(panel->phrase(1), QStringLiteral("x") + repeated(kEmoji, 249));
    panel->setPhrase(2, QString(999, QLatin1Char('w')) + QString::fromUtf8("\xD0\x96"));
    EXPECT_EQ(panel->phrase(2), QString(999, QLatin1Char('w'))) << "no half of a two-byte letter";
    panel->setPhrase(3, repeated(QStringLiteral("\u00FC"), 1200));
    EXPECT_EQ(panel->phrase(3), repeated(QStringLiteral("\u00FC"), 1000));

    panel->b_phrase1Click(1);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(fromWire(sent[0]), QStringLiteral("CMD_action+3+says: x") + repeated(kEmoji, 249) + QStringLiteral("|clBlack"));
}

TEST_F(TableTest, ARelayedLineShowsTheSendersNameAndTheTextEachInItsOwnEncoding)
{
    login(3);
    // "Zoë" as one byte a letter, "Миша" in UTF-8, as their tables send their names.
    feed({"CMD_existingplayers+1+Zo\xEB+0+2+\xD0\x9C\xD0\xB8\xD1\x88\xD0\xB0+0"});
    feed({"CMD_chat+1+Zo\xEB chats: \xF0\x9F\x98\x80 hi|clRed"});
    EXPECT_EQ(lastLine(), QString::fromUtf8("Zo\u00EB chats: \xF0\x9F\x98\x80 hi"));
    feed({"CMD_action+2+\xD0\x9C\xD0\xB8\xD1\x88\xD0\xB0 caf\xE9|clBlack"});
    EXPECT_EQ(lastLine(), QString::fromUtf8("\xD0\x9C\xD0\xB8\xD1\x88\xD0\xB0 caf\u00E9"));
    // Both in one encoding, and a line whose name is not the sender's, read as a whole.
    feed({"CMD_chat+1+Zo\xEB chats: caf\xE9|clRed", "CMD_chat+2+Zo\xEB chats: caf\xC3\xA9|clRed"});
    const QStringList lines = chatLines();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.mid(lines.size() - 2),
              (QStringList{QString::fromUtf8("Zo\u00EB chats: caf\u00E9"), QString::fromUtf8("Zo\u00EB chats: caf\u00C3\u00A9")}));
}
