#include "dialogs/gamestartform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct GameStart : testing::Test {
    GameStart()
    {
        table.setGeometry(120, 80, 790, 578);
        table.show();
        dialog.setPlayerName("Ann");
        dialog.setStartGame([this](const QStringList& fields) {
            sent.append(fields);
            events.append(dialog.isVisible() ? "send while shown" : "send while hidden");
        });
        dialog.setSettingsChanged([this] { events.append(dialog.isVisible() ? "save while shown" : "save"); });
    }

    template <typename T> T* child(const char* name) { return dialog.findChild<T*>(name); }
    // The number of the option picture showing the check, 0 when none or several do.
    int checkedPicture()
    {
        int checked = 0;
        for (int i = 1; i <= 3; ++i) {
            const QImage shown = child<QLabel>(qPrintable(QString("image_newcomers%1").arg(i)))->pixmap().toImage();
            if (shown == dialog.checkPictures()[1].toImage())
                checked = checked ? -1 : i;
            else if (shown != dialog.checkPictures()[0].toImage())
                return 0;
        }
        return std::max(checked, 0);
    }

    QWidget table;
    Tgamestart dialog{&table, QPixmap()};
    QList<QStringList> sent;
    QStringList events;
};

} // namespace

TEST_F(GameStart, RoundsMoveOnlyWithTheArrowsAndStopAtThreeAndTen)
{
    auto* upDown = child<QSpinBox>("UpDown1");
    auto* shown = child<QLineEdit>("edit_playtoscore");
    ASSERT_TRUE(upDown && shown);
    EXPECT_EQ(shown->text(), "10");

    QTest::keyClick(upDown, Qt::Key_Up);
    EXPECT_EQ(shown->text(), "10");
    QTest::keyClick(upDown, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(upDown, "5");
    QTest::keyClick(upDown, Qt::Key_End);
    QTest::keyClick(upDown, Qt::Key_Backspace);
    EXPECT_EQ(shown->text(), "10");

    for (int i = 0; i < 9; ++i)
        QTest::keyClick(upDown, Qt::Key_Down);
    EXPECT_EQ(shown->text(), "3");
    EXPECT_EQ(dialog.rounds(), 3);
    QTest::keyClick(upDown, Qt::Key_Up);
    EXPECT_EQ(dialog.rounds(), 4);

    dialog.setRounds(2);
    EXPECT_EQ(shown->text(), "3");
    dialog.setRounds(25);
    EXPECT_EQ(shown->text(), "10");
}

TEST_F(GameStart, OnlyTheClickedPictureShowsTheCheckAndKeepsTheOption)
{
    EXPECT_EQ(dialog.newcomers(), 1);
    EXPECT_EQ(checkedPicture(), 1);
    EXPECT_EQ(child<QLabel>("label_newcomers")->property("tag").toInt(), 1);

    QTest::mouseClick(child<QLabel>("image_newcomers3"), Qt::LeftButton);
    EXPECT_EQ(checkedPicture(), 3);
    EXPECT_EQ(dialog.newcomers(), 3);
    QTest::mouseClick(child<QLabel>("image_newcomers2"), Qt::LeftButton);
    EXPECT_EQ(checkedPicture(), 2);
    EXPECT_EQ(dialog.newcomers(), 2);

    // The texts beside the pictures do not choose.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == "Starts with Average")
            QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(dialog.newcomers(), 2);

    // As the settings load them: a stored option is drawn, a damaged one changes nothing.
    dialog.setNewcomers(3);
    EXPECT_EQ(checkedPicture(), 3);
    dialog.setNewcomers(0);
    dialog.setNewcomers(4);
    EXPECT_EQ(checkedPicture(), 3);
    EXPECT_EQ(dialog.newcomers(), 3);
}

TEST_F(GameStart, StartSendsTheFieldsHidesTheDialogThenSavesTheChoices)
{
    dialog.show();
    dialog.setRounds(7);
    dialog.checkit("image_newcomers3");
    QTest::mouseClick(child<QPushButton>("button_start"), Qt::LeftButton);

    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], QStringList({"Ann", "7", "3", ""}));
    EXPECT_EQ(events, QStringList({"send while shown", "save"}));
    EXPECT_FALSE(dialog.isVisible());

    // Opened again, it shows the last choices.
    dialog.show();
    EXPECT_EQ(child<QLineEdit>("edit_playtoscore")->text(), "7");
    EXPECT_EQ(checkedPicture(), 3);
}

TEST_F(GameStart, EnterStartsTheGameAndEscapeOnlyCloses)
{
    dialog.show();
    QTest::keyClick(child<QSpinBox>("UpDown1"), Qt::Key_Return);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], QStringList({"Ann", "10", "1", ""}));
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(sent.size(), 1);
    EXPECT_EQ(events.size(), 2);
}

TEST_F(GameStart, ShowsCentredOnTheTableAtItsFixedSize)
{
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Tilvaro - Game Start");
    EXPECT_EQ(dialog.size(), QSize(257, 260));
    EXPECT_LE((dialog.frameGeometry().center() - table.frameGeometry().center()).manhattanLength(), 2);

    // Centred again after the player moved it and the table moved.
    dialog.move(0, 0);
    dialog.hide();
    table.move(300, 200);
    dialog.show();
    EXPECT_LE((dialog.frameGeometry().center() - table.frameGeometry().center()).manhattanLength(), 2);
}
