#include "dialogs/gamestartform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct GameStart : testing::Test {
    GameStart()
    {
        table.setGeometry(120, 80, 790, 578);
        table.show();
        dialog.setPlayerName("Ann");
        dialog.setStartGame([this](const QStringList& fields) { sent.append(fields); });
        dialog.setSettingsChanged([this] { savedWhileShown.append(dialog.isVisible()); });
    }

    template <typename T> T* child(const QString& name) { return dialog.findChild<T*>(name); }
    QList<int> checkedPictures()
    {
        QList<int> checked;
        for (int i = 1; i <= 3; ++i)
            if (child<QLabel>(QString("image_newcomers%1").arg(i))->pixmap().toImage() ==
                dialog.checkPictures()[1].toImage())
                checked.append(i);
        return checked;
    }

    QWidget table;
    Tgamestart dialog{&table, QPixmap()};
    QList<QStringList> sent;
    QList<bool> savedWhileShown;
};

} // namespace

TEST_F(GameStart, RoundsMoveOnlyWithTheArrowsAndStopAtThreeAndTen)
{
    auto* upDown = child<QSpinBox>("UpDown1");
    auto* shown = child<QLineEdit>("edit_playtoscore");
    QTest::keyClick(upDown, Qt::Key_Up);
    EXPECT_EQ(shown->text(), "10");
    QTest::keyClick(upDown, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(upDown, "5");
    QTest::keyClick(upDown, Qt::Key_Backspace);
    EXPECT_EQ(shown->text(), "10");

    for (int i = 0; i < 9; ++i)
        QTest::keyClick(upDown, Qt::Key_Down);
    EXPECT_EQ(shown->text(), "3");
    dialog.setRounds(25);
    EXPECT_EQ(dialog.rounds(), 10);
}

TEST_F(GameStart, OnlyTheClickedPictureShowsTheCheck)
{
    EXPECT_EQ(checkedPictures(), QList<int>({1}));
    QTest::mouseClick(child<QLabel>("image_newcomers3"), Qt::LeftButton);
    EXPECT_EQ(checkedPictures(), QList<int>({3}));
    EXPECT_EQ(child<QLabel>("label_newcomers")->property("tag").toInt(), 3);

    // The texts beside the pictures do not choose; a damaged stored option changes nothing.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == "Cannot Play")
            QTest::mouseClick(label, Qt::LeftButton);
    dialog.setNewcomers(4);
    EXPECT_EQ(dialog.newcomers(), 3);
    dialog.setNewcomers(2);
    EXPECT_EQ(checkedPictures(), QList<int>({2}));
}

TEST_F(GameStart, StartSendsTheFieldsHidesThenSavesAndEnterStartsToo)
{
    dialog.show();
    dialog.setRounds(7);
    dialog.checkit("image_newcomers3");
    QTest::mouseClick(child<QPushButton>("button_start"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    QTest::keyClick(child<QSpinBox>("UpDown1"), Qt::Key_Return);
    EXPECT_EQ(sent, QList<QStringList>({{"Ann", "7", "3", ""}, {"Ann", "7", "3", ""}}));
    EXPECT_EQ(savedWhileShown, QList<bool>({false, false}));

    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(sent.size(), 2);
}

TEST_F(GameStart, ShowsCentredOnTheTableEvenAfterThePlayerMovedIt)
{
    dialog.show();
    dialog.move(0, 0);
    dialog.hide();
    table.move(300, 200);
    dialog.show();
    EXPECT_LE((dialog.frameGeometry().center() - table.frameGeometry().center()).manhattanLength(), 2);
}

TEST(GameStartLocale, RoundsGoOutInPlainDigitsWhateverThePlayersLanguage)
{
    // As under LANG=ar_EG.UTF-8: the spin box shows Arabic-Indic digits.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    QWidget table;
    Tgamestart dialog(&table, QPixmap());
    QList<QStringList> sent;
    dialog.setStartGame([&](const QStringList& fields) { sent.append(fields); });
    dialog.setPlayerName("Ann");
    dialog.setRounds(10);
    const QString shown = dialog.findChild<QLineEdit*>("edit_playtoscore")->text();
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("button_start"), Qt::LeftButton);
    QLocale::setDefault(before);

    EXPECT_NE(shown, QStringLiteral("10")) << "the test needs a locale with digits of its own";
    EXPECT_EQ(sent, QList<QStringList>({{"Ann", "10", "1", ""}}));
}
