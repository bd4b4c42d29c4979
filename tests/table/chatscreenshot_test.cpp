// A picture of the table with a busy chat, for a look at it as a player sees it: notices, seats in
// their colours, smileys, links, an action line, and the phrase buttons under the chat.
#include "tablefixture.h"

#include "table/smileys.h"

#include <QDir>

namespace {

// How many pixels of that part of the picture are close to this colour.
int pixelsNear(const QImage& picture, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                         std::abs(c.blue() - colour.blue()) < 60;
        }
    return count;
}

} // namespace

TEST_F(TableTest, ScreenshotOfABusyChat)
{
    login(3);
    feed({"CMD_existingplayers+1+Hal+0+2+Bob+0+4+Di+0", "CMD_newplayerinfo+3+Ann+0",
          "CMD_chat+1+Hal chats: welcome all :)#10 good luck|clNavy",
          "CMD_chat+2+Bob chats: rules at www.example.com/chickenfoot :)#19|clMaroon",
          "CMD_action+4+Di says: Way To Go!|clTeal", "CMD_action+3+Ann dances|clPurple",
          "CMD_chat+4+Di chats: lol :)#11:)#12 that was close :)#25|clTeal",
          "CMD_chat+1+Hal chats: scores are on http://example.org/tally too|clNavy"});

    QDir().mkpath(QStringLiteral(TILVARO_SCREENSHOT_DIR));
    const QString path = QStringLiteral(TILVARO_SCREENSHOT_DIR "/table-chat.png");
    const QImage shot = table->grab().toImage();
    ASSERT_TRUE(shot.save(path)) << path.toStdString();
    std::printf("chat screenshot: %s\n", qPrintable(path));

    // What a player sees in the chat: Bob's maroon, the green of the links, and the yellow of
    // the smileys; and the nine white phrase buttons.
    const QImage picture = shot.scaled(table->size());
    const ChatView* view = table->chatPanel().view();
    const QRect chatArea(view->mapTo(table.get(), QPoint(0, 0)), view->viewport()->size());
    EXPECT_GT(pixelsNear(picture, chatArea, QColor(128, 0, 0)), 20);
    EXPECT_GT(pixelsNear(picture, chatArea, QColor(0, 128, 0)), 20);
    EXPECT_GT(pixelsNear(picture, chatArea, QColor(0xff, 0xd8, 0x3a)), 40);
    for (int n = 1; n <= 9; ++n) {
        QWidget* button = find(QStringLiteral("b_phrase%1").arg(n));
        const QRect face(button->mapTo(table.get(), QPoint(3, 3)), button->size() - QSize(6, 6));
        EXPECT_GT(pixelsNear(picture, face, Qt::white), face.width() * face.height() / 2) << n;
    }
}
