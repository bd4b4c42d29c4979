// The board: bones and spinner drawn where the board table says, toe markers offered and followed,
// and the click that plays the raised bone.
#include "tablefixture.h"

#include "table/artwork.h"
#include "table/tablewidgets.h"

#include <QPainter>
#include <QScrollBar>

namespace {

class BoardTest : public TableTest {
protected:
    // The drawing surface as painted now, on a transparent ground.
    QImage board()
    {
        auto* surface = find(QStringLiteral("paintbox_board"));
        QImage image(surface->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        surface->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        return image;
    }
    static QImage picture(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); }
    ClickImage* marker(int toe) { return find<ClickImage>(QStringLiteral("image_toe%1").arg(toe)); }
    int markerLeft(int toe) { return visibleLeft(marker(toe), QStringLiteral("panel_board")); }
};

} // namespace

TEST_F(BoardTest, BonesLieOnTheirToeWithTheTouchingHalfInward)
{
    const Artwork& art = table->artwork();
    feed({"CMD_startround+1+55+7+1+t+2+t+3+f+4+f+5+f+6+f", "CMD_heplayed+2+1+6+2+1+f+6+"});
    EXPECT_EQ(table->mirror().state().board.cell(2, 1).bone, 6);
    EXPECT_EQ(board().copy(64, 128, 66, 34), picture(art.lyingBone(6, false)));
    EXPECT_EQ(board().copy(16, 124, 34, 66), picture(art.uprightBone(55)));
    EXPECT_EQ(markerLeft(2), 136);
    EXPECT_EQ(marker(2)->tag, 2);

    feed({"CMD_heplayed+2+2+6+1+1+t+5+"});
    EXPECT_EQ(board().copy(64, 68, 66, 34), picture(art.lyingBone(6, true)));
    EXPECT_NE(art.lyingBone(6, true).toImage(), art.lyingBone(6, false).toImage());

    // A new spinner wipes the toes: only the new spinner is drawn.
    feed({"CMD_beginagain+50+"});
    const QImage wiped = board();
    QImage nothing(66, 34, QImage::Format_ARGB32_Premultiplied);
    nothing.fill(Qt::transparent);
    EXPECT_EQ(wiped.copy(64, 68, 66, 34), nothing);
    EXPECT_EQ(wiped.copy(64, 128, 66, 34), nothing);
    EXPECT_EQ(wiped.copy(16, 124, 34, 66), picture(art.uprightBone(50)));
    EXPECT_EQ(text("label_status"), QStringLiteral("New Spinner Loaded!"));
}

TEST_F(BoardTest, MarkersFollowTheOfferAndAClickPlaysTheRaisedBoneOnce)
{
    login(4);
    feed({"CMD_dealmybones+4+6+12+7+30", "CMD_nextplayer+4+2+t+t+t+1+4+2+"});
    EXPECT_EQ(QList<int>({markerLeft(1), markerLeft(2), markerLeft(3)}), (QList<int>{68, 266, 134}));
    EXPECT_EQ(QList<int>({marker(1)->tag, marker(2)->tag, marker(3)->tag}), (QList<int>{1, 4, 2}));
    EXPECT_EQ(visibility({"image_toe1", "image_toe2", "image_toe3"}), QStringLiteral("+++"));
    for (int toe = 1; toe <= 3; ++toe)
        EXPECT_EQ(picture(marker(toe)->pixmap()), picture(table->artwork().toeMarker())) << toe;

    QTest::mouseClick(table->findChild<BoneImage*>(QStringLiteral("bone7")), Qt::LeftButton);
    QTest::mouseClick(marker(3), Qt::LeftButton);
    ASSERT_TRUE(host.waitForMessage("CMD_playbone+4+7+3+2+"));
    QTest::mouseClick(marker(1), Qt::LeftButton); // no answer yet: nothing goes out
    QTest::mouseClick(table->findChild<BoneImage*>(QStringLiteral("bone6")), Qt::LeftButton);
    EXPECT_EQ(table->mirror().state().hand.selectedSlot(), 7);

    // The host refuses: the turn comes back, markers stay, the selection is gone.
    feed({"CMD_noplay+4+"});
    EXPECT_EQ(text("label_status"), QStringLiteral("That is not a valid play"));
    EXPECT_EQ(sounds.played.last(), QStringLiteral("invalid"));
    EXPECT_EQ(table->mirror().state().turnSeat, 4);
    EXPECT_TRUE(marker(1)->isVisible());
    QTest::mouseClick(marker(1), Qt::LeftButton);
    ASSERT_TRUE(host.waitForMessage("CMD_playbone+4+-1+1+1+"));
    EXPECT_EQ(host.received, QByteArray("CMD_playbone+4+7+3+2+\xFF" "CMD_playbone+4+-1+1+1+\xFF"));
}

TEST_F(BoardTest, MarkersStandInTheVisiblePartOfAScrolledBoard)
{
    login(1);
    feed({"CMD_nextplayer+1+2+t+f+f+12+1+1+"});
    auto* bar = find<QScrollArea>(QStringLiteral("panel_board"))->horizontalScrollBar();
    bar->setValue(40);
    ASSERT_EQ(bar->value(), 40) << "a marker at position 12 makes the board wider than its area";
    feed({"CMD_nextplayer+1+2+f+t+f+1+3+1+"});
    EXPECT_EQ(markerLeft(2), 160);

    // A play moves its toe's marker past the new bone; a new round scrolls home.
    feed({"CMD_heplayed+2+1+20+1+12+f+6+"});
    EXPECT_EQ(marker(1)->tag, 13);
    EXPECT_EQ(markerLeft(1), 66 * 12 + 70 - 40);
    feed({"CMD_startround+2+53+7+1+t+2+t+3+f+4+f+5+f+6+f"});
    EXPECT_EQ(bar->value(), 0);
    EXPECT_FALSE(marker(1)->isVisible());
    EXPECT_EQ(markerLeft(1), 68);
    EXPECT_EQ(marker(1)->tag, 1);

    // Off turn, without markers, a long toe can still be scrolled into view.
    for (int position = 1; position <= 14; ++position)
        feed({"CMD_heplayed+2+1+1+3+" + std::to_string(position) + "+f+5+"});
    bar->setValue(bar->maximum());
    EXPECT_GE(bar->value() + 774, 67 * 14 - 3 + 66);
}
