// The phrase editor: the buttons' phrases in, the nine texts out on "Done" only.
#include "dialogs/phrasesform.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct PhrasesTest : testing::Test {
    PhrasesTest()
    {
        table.setGeometry(100, 60, 790, 578);
        table.show();
        QPixmap tile(32, 32);
        tile.fill(QColor(240, 232, 200));
        editor.setBackground(tile);
        editor.setDone([this](const QStringList& texts) {
            done.append(texts);
            shownWhenDone = editor.isVisible();
        });
    }
    QLineEdit* field(int n) { return editor.findChild<QLineEdit*>(QStringLiteral("phrase%1").arg(n)); }

    QWidget table;
    Tphrases editor{&table};
    QList<QStringList> done;
    bool shownWhenDone = false;
    const QStringList phrases{"Way To Go!", "Good One!", "Nice Try!", "Excellent!", "Brilliant!",
                              "Wow, WTG!", "Thanks!", "Way To Go Teamie!", "Good Game Everyone!"};
};

} // namespace

TEST_F(PhrasesTest, DoneHandsOverAllNineTextsAndCloses)
{
    editor.setPhrases(phrases);
    editor.show();
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(field(n)->text(), phrases[n - 1]);
        EXPECT_EQ(editor.findChild<QLabel*>(QStringLiteral("label%1").arg(n))->text(),
                  QStringLiteral("Phrase Button %1:").arg(n));
    }
    field(3)->clear();
    field(9)->setText("/me bows");
    QTest::keyClicks(field(1), QString(60, QLatin1Char('a')));
    QTest::mouseClick(editor.findChild<QPushButton*>("button_done"), Qt::LeftButton);

    QStringList expected = phrases;
    expected[0] = "Way To Go!" + QString(40, QLatin1Char('a')); // at most 50 characters
    expected[2] = "";
    expected[8] = "/me bows";
    ASSERT_EQ(done.size(), 1);
    EXPECT_EQ(done[0], expected);
    EXPECT_TRUE(shownWhenDone);
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(PhrasesTest, ClosingAnyOtherWayHandsOverNothing)
{
    editor.setPhrases(phrases);
    editor.show();
    field(2)->setText("changed");
    editor.close();
    editor.show();
    QTest::keyClick(&editor, Qt::Key_Escape);
    editor.show();
    QTest::keyClick(field(2), Qt::Key_Return);
    EXPECT_TRUE(done.isEmpty());

    // Opened again, the editor shows the buttons' phrases, not what was left in it.
    editor.setPhrases(phrases);
    EXPECT_EQ(field(2)->text(), "Good One!");
}

TEST_F(PhrasesTest, CaptionSizeNoteAndPlaceOverTheTable)
{
    editor.setPhrases(phrases);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), "Tilvaro - Phrase Buttons ");
    EXPECT_EQ(editor.size(), QSize(368, 266));
    auto* note = editor.findChild<QLabel*>("label_note");
    EXPECT_EQ(note->text(), "Buttons can only be used once every 2 seconds");
    EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(editor.frameGeometry().center(), table.frameGeometry().center());
    EXPECT_FALSE(editor.isModal()) << "the table goes on while the editor is open";

    // Every control inside the client area, none on another.
    QList<QRect> taken;
    for (QWidget* child : editor.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(editor.rect().contains(child->geometry())) << child->objectName().toStdString();
        for (const QRect& other : taken)
            EXPECT_FALSE(other.intersects(child->geometry())) << child->objectName().toStdString();
        taken.append(child->geometry());
    }
    for (QLabel* label : editor.findChildren<QLabel*>())
        EXPECT_LE(label->sizeHint().width(), label->width()) << "clipped: " << label->text().toStdString();

    // A picture for a look at it, next to the table's.
    const QString folder = QCoreApplication::applicationDirPath() + "/../../screenshots";
    QDir().mkpath(folder);
    const QString path = QDir(folder).absoluteFilePath("phrase-editor.png");
    ASSERT_TRUE(editor.grab().save(path));
    std::printf("phrase editor screenshot: %s\n", qPrintable(QDir::cleanPath(path)));
}

TEST_F(PhrasesTest, APhraseStoredLongerThanAPlayerMayTypeIsShownWholeAndHandedBackAsGiven)
{
    QStringList given = phrases;
    given[0] = "Well played everyone, that was a close one, see you next time!";
    given[1] = QString(40000, QLatin1Char('y')); // more than any line edit holds
    given[6] = " Thanks! "; // blanks are the phrase's own
    editor.setPhrases(given);
    editor.show();
    EXPECT_EQ(field(1)->text(), given[0]);
    EXPECT_EQ(field(3)->maxLength(), Tphrases::kMaxPhraseLength);

    // Only phrase 5 edited: the others come back exactly as they went in.
    field(5)->selectAll();
    QTest::keyClicks(field(5), "brb");
    QTest::mouseClick(editor.findChild<QPushButton*>("button_done"), Qt::LeftButton);
    QStringList expected = given;
    expected[4] = "brb";
    ASSERT_EQ(done.size(), 1);
    EXPECT_EQ(done[0], expected);

    // An edited long phrase is what the field holds; a short one is limited again when next shown.
    editor.setPhrases(given);
    editor.show();
    field(1)->end(false);
    QTest::keyClick(field(1), Qt::Key_Backspace);
    QTest::mouseClick(editor.findChild<QPushButton*>("button_done"), Qt::LeftButton);
    ASSERT_EQ(done.size(), 2);
    EXPECT_EQ(done[1][0], given[0].chopped(1));
    editor.setPhrases(phrases);
    EXPECT_EQ(field(1)->maxLength(), Tphrases::kMaxPhraseLength);
}
