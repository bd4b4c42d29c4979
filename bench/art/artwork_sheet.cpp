// Draws the table's artwork into two PNGs for looking it over: <prefix>-table.png, a mock table
// laid out as the window shows it, and <prefix>-pieces.png, every picture at its own size and
// the bones enlarged four times, so the pixels can be judged.
#include "game/bones.h"
#include "table/artwork.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

namespace {

void caption(QPainter& p, int x, int y, const QString& text)
{
    p.setPen(Qt::black);
    p.drawText(x, y, text);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("artwork");
    const Artwork art;

    QImage table(780, 540, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&table);
    p.drawTiledPixmap(table.rect(), art.tableBackground);

    // The table: board area 774 x 262 at (3, 3), hand 774 x 99 at (3, 268).
    const QPoint board(3, 3);
    p.save();
    p.setClipRect(QRect(board, QSize(774, 262)));
    for (int x : {0, 750})
        p.drawPixmap(board + QPoint(x, 0), art.boardBackground);
    p.drawPixmap(board + QPoint(16, 124), art.uprightBone(55));
    const int toeRow[3] = {68, 128, 192};
    const int toes[3][4] = {{54, 48, 0, 0}, {47, 20, 2, 0}, {50, 41, 37, 34}};
    for (int t = 0; t < 3; ++t)
        for (int pos = 1; pos <= 4 && toes[t][pos - 1]; ++pos)
            p.drawPixmap(board + QPoint(67 * pos - 3, toeRow[t]), art.lyingBone(toes[t][pos - 1], pos > 1));
    p.drawPixmap(board + QPoint(66 * 3 + 2, toeRow[0]), art.toeMarker());
    p.drawPixmap(board + QPoint(66 * 4 + 2, toeRow[1]), art.toeMarker());
    p.drawPixmap(board + QPoint(10, 26), art.startButton);
    p.restore();
    p.drawPixmap(QRect(3, 268, 774, 99), art.handBackground);
    const int hand[8] = {1, 11, 20, 30, 38, 44, 52, 55};
    for (int i = 0; i < 8; ++i)
        p.drawPixmap(3 + 40 * (i + 1) - 36, 268 + (i == 3 ? 4 : 12), art.uprightBone(hand[i]));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8, QFont::Bold));
    caption(p, 100, 389, QStringLiteral("Your Turn."));
    p.drawPixmap(358, 368, art.passButton);
    const char* names[6] = {"Ann", "Klot", "Klock", "Kling", "Klick", "Krazy"};
    for (int seat = 0; seat < 6; ++seat) {
        const QPoint row(seat < 3 ? 5 : 216, 398 + 30 * (seat % 3));
        if (seat == 1)
            p.drawPixmap(row, art.turnIndicator);
        if (seat == 4)
            p.drawPixmap(row + QPoint(1, 3), art.watchingMark);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
        caption(p, row.x() + 4, row.y() + 17, QStringLiteral("7"));
        caption(p, row.x() + 24, row.y() + 17, QString::fromLatin1(names[seat]));
        caption(p, row.x() + 136, row.y() + 17, QStringLiteral("42"));
        caption(p, row.x() + 168, row.y() + 17, QStringLiteral("+12"));
    }
    for (int i = 0; i < 10; ++i)
        p.drawPixmap(292 + 26 * (i % 5), 488 + 20 * (i / 5), art.phraseButton);
    p.drawPixmap(5, 490, art.banner);
    p.end();

    // Every picture by itself, at its own size, then the bones enlarged.
    QImage sheet(1000, 1100, QImage::Format_ARGB32_Premultiplied);
    p.begin(&sheet);
    p.drawTiledPixmap(sheet.rect(), art.tableBackground);
    const int x = 10;
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    for (int pips = 0; pips <= 9; ++pips) {
        p.drawPixmap(x + 34 * pips, 10, art.dotsUpright[pips]);
        p.drawPixmap(x + 34 * pips, 44, art.dotsLying[pips]);
    }
    p.drawPixmap(x, 80, art.boneBackUpright);
    p.drawPixmap(x + 40, 80, art.boneBackLying);
    p.drawPixmap(x + 40, 120, art.toeMarker());
    p.drawPixmap(x + 120, 80, art.passButton);
    p.drawPixmap(x + 120, 115, art.startButton);
    p.drawPixmap(x + 240, 80, art.turnIndicator);
    p.drawPixmap(x + 240, 115, art.watchingMark);
    p.drawPixmap(x + 270, 115, art.phraseButton);
    p.drawPixmap(x, 160, art.banner);
    p.drawPixmap(x + 300, 160, art.tableBackground);
    // The seam where the board background is laid again at x 750.
    p.drawPixmap(QPoint(x, 300), art.boardBackground, QRect(700, 0, 56, 100));
    p.drawPixmap(QPoint(x + 50, 300), art.boardBackground, QRect(0, 0, 56, 100));

    // Enlarged four times, without smoothing, to judge the pixels.
    p.save();
    p.translate(0, 420);
    p.scale(4, 4);
    for (int i = 0; i < 5; ++i) {
        p.drawPixmap(70 + 36 * i, 0, art.uprightBone(1 + 11 * i + (i < 4 ? 5 : 0)));
        p.drawPixmap(70 + 36 * i, 68, art.uprightBone(46 + 2 * i));
    }
    for (int i = 0; i < 3; ++i)
        p.drawPixmap(1, 36 * i, art.lyingBone(i == 0 ? 10 : (i == 1 ? 29 : 45), i == 2));
    p.drawPixmap(1, 108, art.toeMarker());
    p.drawPixmap(1, 146, art.watchingMark);
    p.drawPixmap(30, 146, art.phraseButton);
    p.restore();
    p.end();

    for (const auto& [image, suffix] : {std::pair{&table, "-table.png"}, std::pair{&sheet, "-pieces.png"}}) {
        const QString file = out + QString::fromLatin1(suffix);
        if (!image->save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
