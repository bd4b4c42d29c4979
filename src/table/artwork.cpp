#include "table/artwork.h"

#include "game/bones.h"
#include "table/artworkpaint.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

// Everything here is drawn pixel by pixel or with QPainter into QImages, then turned into
// pixmaps once. The textures, which take far longer, are drawn apart (artworktextures.cpp); they,
// the bones' pieces and the banner are drawn by the build and embedded, so the start only copies
// them (the banner's title would otherwise load a font the first frame has no other use for).

namespace {

using artwork::clamp01;
using artwork::mix;
using artwork::scaled;

// The ivory of a bone's top; pip faces use the very same colour, so a face laid on a bone shows
// no seam.
const QColor kIvory(0xf4, 0xec, 0xd8);
const QColor kIvoryLight(0xff, 0xfc, 0xf2);
const QColor kIvoryShade(0xd9, 0xcb, 0xa8);
const QColor kBoneEdge(0x6e, 0x5f, 0x48);

QImage blankImage(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// std::hypot guards against overflow that these few pixels' worth of numbers never reach, at
// several times the cost; the bones and faces are drawn at start.
double length(double x, double y) { return std::sqrt(x * x + y * y); }

// Signed distance from (px, py) to a w x h box with corner radius r: negative inside.
double roundedBoxDistance(double px, double py, double w, double h, double r)
{
    const double qx = std::abs(px - w / 2) - (w / 2 - r);
    const double qy = std::abs(py - h / 2) - (h / 2 - r);
    const double outside = length(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - r;
}

// A blank bone: ivory top with a dark rim, a one-pixel bevel lit from the upper left, and the
// engraved line that parts the two halves.
QImage drawBoneBack(int w, int h)
{
    QImage image = blankImage(w, h);
    const double radius = 5.0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double depth = -roundedBoxDistance(px, py, w, h, radius);
            const double coverage = clamp01(depth + 0.5);
            if (coverage <= 0)
                continue;
            QColor c = kIvory;
            if (depth < 2.6) {
                // Which way the edge faces decides whether the light catches it. The lit upper
                // and left edges are one pixel wide; the shaded lower and right ones two, which
                // reads as the thickness of the bone.
                const double e = 0.01;
                const double nx = roundedBoxDistance(px + e, py, w, h, radius) -
                                  roundedBoxDistance(px - e, py, w, h, radius);
                const double ny = roundedBoxDistance(px, py + e, w, h, radius) -
                                  roundedBoxDistance(px, py - e, w, h, radius);
                const double len = length(nx, ny);
                const double lit = len > 0 ? -(nx + ny) / (len * std::sqrt(2.0)) : 0;
                if (depth < 1.0)
                    c = kBoneEdge;
                else if (lit >= 0 && depth < 1.6)
                    c = mix(kIvory, kIvoryLight, 0.4 + 0.6 * lit);
                else if (lit < 0)
                    c = mix(kIvory, kIvoryShade, -lit * (depth < 1.6 ? 1.0 : 0.55));
            }
            c.setAlphaF(float(coverage));
            image.setPixelColor(x, y, c);
        }
    }
    // The dividing line: a dark cut with its lit lower (or right) lip.
    const QColor cut(0x8a, 0x79, 0x5c);
    if (h > w) {
        for (int x = 3; x < w - 3; ++x) {
            image.setPixelColor(x, h / 2 - 1, cut);
            image.setPixelColor(x, h / 2, kIvoryLight);
        }
    } else {
        for (int y = 3; y < h - 3; ++y) {
            image.setPixelColor(w / 2 - 1, y, cut);
            image.setPixelColor(w / 2, y, kIvoryLight);
        }
    }
    return image;
}

constexpr int kFace = 28;

} // namespace

QColor pipColour(int pips)
{
    switch (pips) {
    case 1: return QColor(0x7c, 0x7c, 0x84);  // grey
    case 2: return QColor(0x1e, 0x9a, 0x34);  // green
    case 3: return QColor(0xd2, 0x1f, 0x26);  // red
    case 4: return QColor(0xc0, 0x1c, 0xb0);  // magenta
    case 5: return QColor(0x1f, 0x4f, 0xd8);  // blue
    case 6: return QColor(0xf0, 0x7a, 0x0e);  // orange
    case 7: return QColor(0xc0, 0x1c, 0xb0);  // magenta
    case 8: return QColor(0x08, 0xaa, 0xc8);  // cyan
    case 9: return QColor(0xe8, 0xc2, 0x00);  // yellow
    default: return kIvory;
    }
}

// Pip places on a 3 x 3 grid (column, row), the way dominoes lay them out: 7 is the six with a
// middle pip, 8 the ring without it, 9 the full square.
std::vector<std::pair<int, int>> pipLayout(int pips)
{
    switch (pips) {
    case 1: return {{1, 1}};
    case 2: return {{0, 0}, {2, 2}};
    case 3: return {{0, 0}, {1, 1}, {2, 2}};
    case 4: return {{0, 0}, {2, 0}, {0, 2}, {2, 2}};
    case 5: return {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}};
    case 6: return {{0, 0}, {0, 1}, {0, 2}, {2, 0}, {2, 1}, {2, 2}};
    case 7: return {{0, 0}, {0, 1}, {0, 2}, {1, 1}, {2, 0}, {2, 1}, {2, 2}};
    case 8: return {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};
    case 9: return {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};
    default: return {};
    }
}

namespace {

// A face: an ivory square with its pips, each a painted hollow, darker at its rim and
// catching the light at its upper left. Coverage is sampled 4 x 4 per pixel for a smooth edge.
QImage drawFace(int pips)
{
    QImage image(kFace, kFace, QImage::Format_ARGB32_Premultiplied);
    image.fill(kIvory);
    const QColor base = pipColour(pips);
    const double radius = 2.9;
    for (const auto& [col, row] : pipLayout(pips)) {
        const double cx = 6.0 + 8.0 * col, cy = 6.0 + 8.0 * row;
        for (int y = int(cy - radius) - 1; y <= int(cy + radius) + 1; ++y) {
            for (int x = int(cx - radius) - 1; x <= int(cx + radius) + 1; ++x) {
                int inside = 0;
                for (int sy = 0; sy < 4; ++sy)
                    for (int sx = 0; sx < 4; ++sx)
                        inside += length(x + (sx + 0.5) / 4 - cx, y + (sy + 0.5) / 4 - cy) <=
                                  radius;
                if (inside == 0)
                    continue;
                const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                const double rim = length(dx, dy) / radius;
                const double glow = clamp01(1.0 - length(dx + 1.1, dy + 1.1) / 2.2);
                QColor c = mix(base, scaled(base, 0.62), clamp01((rim - 0.55) / 0.45));
                c = mix(c, scaled(base, 1.35), glow * 0.6);
                image.setPixelColor(x, y, mix(image.pixelColor(x, y), c, inside / 16.0));
            }
        }
    }
    return image;
}

QImage rotatedQuarter(const QImage& image)
{
    return image.transformed(QTransform().rotate(90));
}

QFont uiFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A raised, rounded button face with its caption, in the given body colour.
QImage drawButton(int w, int h, const QColor& body, const QStringList& lines, int pixelSize)
{
    QImage image = blankImage(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0.5, 0.5, w - 1, h - 1);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0.0, scaled(body, 1.45));
    fill.setColorAt(0.45, scaled(body, 1.08));
    fill.setColorAt(0.55, body);
    fill.setColorAt(1.0, scaled(body, 0.78));
    p.setPen(QPen(scaled(body, 0.45), 1));
    p.setBrush(fill);
    p.drawRoundedRect(outer, 5, 5);
    // A thin gloss just inside the top edge.
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), 4, 4);

    // A caption wider than the face (a longer language) is set smaller rather than cut off.
    const auto widest = [&lines](const QFont& font) {
        int width = 0;
        for (const QString& line : lines)
            width = std::max(width, QFontMetrics(font).horizontalAdvance(line));
        return width;
    };
    while (pixelSize > 7 && widest(uiFont(pixelSize, true)) > w)
        --pixelSize;
    p.setFont(uiFont(pixelSize, true));
    const QFontMetrics metrics(p.font());
    const int lineHeight = metrics.height();
    const int top = (h - lineHeight * int(lines.size())) / 2;
    for (int i = 0; i < lines.size(); ++i) {
        const QRect line(0, top + i * lineHeight, w, lineHeight);
        p.setPen(QColor(0, 0, 0, 110));
        p.drawText(line.translated(1, 1), Qt::AlignCenter, lines[i]);
        p.setPen(QColor(0xff, 0xfb, 0xee));
        p.drawText(line, Qt::AlignCenter, lines[i]);
    }
    return image;
}

// A soft golden bar behind the seat row whose turn it is; the row's dark text stays readable.
QImage drawTurnIndicator()
{
    const int w = 204, h = 26;
    QImage image = blankImage(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0.0, QColor(0xff, 0xf3, 0xb0));
    fill.setColorAt(0.5, QColor(0xfc, 0xdf, 0x6c));
    fill.setColorAt(1.0, QColor(0xf0, 0xc2, 0x3a));
    p.setPen(QPen(QColor(0xb0, 0x80, 0x10), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), 5, 5);
    return image;
}

// Two watching eyes, looking to the right, on a transparent ground.
QImage drawWatchingMark()
{
    QImage image = blankImage(22, 8);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int left : {0, 12}) {
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(left + 0.5, 0.5, 9, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x10, 0x30, 0x80));
        p.drawEllipse(QRectF(left + 4.5, 2, 4, 4));
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(left + 5.5, 3, 2, 2));
    }
    return image;
}

QImage drawPhraseButton()
{
    QImage image(25, 19, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 24, 18);
    return image;
}

// The pieces the bones are made of, drawn once and shared with the banner.
struct BonePieces {
    QImage backLying;
    std::array<QImage, 10> facesLying;
};

// A small bone for the banner, drawn lying at (x, y) in a 44 x 22 box.
void drawBannerBone(QPainter& p, const BonePieces& pieces, int x, int y, int left, int right)
{
    QImage bone = pieces.backLying;
    QPainter bp(&bone);
    bp.drawImage(3, 3, pieces.facesLying[left]);
    bp.drawImage(35, 3, pieces.facesLying[right]);
    bp.end();
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(x, y, 44, 22), bone);
    p.restore();
}

// The game's name on a dark green plaque with a pair of bones, for the table's lower left.
QImage drawBanner(const BonePieces& pieces)
{
    const int w = 280, h = 40;
    QImage image = blankImage(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0.0, QColor(0x2f, 0x7a, 0x45));
    fill.setColorAt(1.0, QColor(0x16, 0x46, 0x25));
    p.setPen(QPen(QColor(0xc9, 0xa2, 0x3c), 2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 7, 7);

    drawBannerBone(p, pieces, 10, 9, 6, 6);
    drawBannerBone(p, pieces, 56, 9, 6, 9);

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setStyleHint(QFont::Serif);
    title.setPixelSize(24);
    title.setBold(true);
    p.setFont(title);
    const QRect titleRect(110, 0, w - 116, h);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(titleRect.translated(1, 2), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tilvaro"));
    p.setPen(QColor(0xf2, 0xd0, 0x6a));
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tilvaro"));
    return image;
}

QImage drawUprightBoneBack() { return drawBoneBack(34, 66); }
QImage drawLyingBoneBack() { return drawBoneBack(66, 34); }

// The ten upright faces side by side, 0 to 9 pips.
QImage drawFaceStrip()
{
    QImage strip(kFace * (game::kHighestPip + 1), kFace, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (int pips = 0; pips <= game::kHighestPip; ++pips)
        p.drawImage(pips * kFace, 0, drawFace(pips));
    return strip;
}

QImage drawBannerPicture()
{
    BonePieces pieces;
    pieces.backLying = drawLyingBoneBack();
    for (int pips = 0; pips <= game::kHighestPip; ++pips)
        pieces.facesLying[pips] = rotatedQuarter(drawFace(pips));
    return drawBanner(pieces);
}

} // namespace

const ArtworkTexture kUprightBoneTexture{"upright-bone.texture", drawUprightBoneBack};
const ArtworkTexture kLyingBoneTexture{"lying-bone.texture", drawLyingBoneBack};
const ArtworkTexture kFacesTexture{"faces.texture", drawFaceStrip};
const ArtworkTexture kBannerTexture{"banner.texture", drawBannerPicture};

Artwork::Artwork()
{
    boneBackUpright = QPixmap::fromImage(embeddedTexture(kUprightBoneTexture));
    boneBackLying = QPixmap::fromImage(embeddedTexture(kLyingBoneTexture));
    const QImage faces = embeddedTexture(kFacesTexture);
    for (int pips = 0; pips <= game::kHighestPip; ++pips) {
        const QImage face = faces.copy(pips * kFace, 0, kFace, kFace);
        dotsUpright[pips] = QPixmap::fromImage(face);
        dotsLying[pips] = QPixmap::fromImage(rotatedQuarter(face));
    }
    boardBackground = QPixmap::fromImage(embeddedTexture(kBoardTexture));
    handBackground = QPixmap::fromImage(embeddedTexture(kHandTexture));
    passButton = QPixmap::fromImage(drawButton(65, 28, QColor(0x9a, 0x22, 0x22),
                                               //: A small button, 65 pixels wide
                                               {QCoreApplication::translate("Artwork", "pass")}, 13));
    startButton = QPixmap::fromImage(drawButton(102, 28, QColor(0x1d, 0x5e, 0xa8),
                                                //: A button, 102 pixels wide
                                                {QCoreApplication::translate("Artwork", "start game")}, 13));
    turnIndicator = QPixmap::fromImage(drawTurnIndicator());
    watchingMark = QPixmap::fromImage(drawWatchingMark());
    tableBackground = QPixmap::fromImage(embeddedTexture(kLinenTexture));
    phraseButton = QPixmap::fromImage(drawPhraseButton());
    banner = QPixmap::fromImage(embeddedTexture(kBannerTexture));
}

const QPixmap& Artwork::toeMarker() const
{
    if (toeMarker_.isNull())
        toeMarker_ = QPixmap::fromImage(drawButton(66, 34, QColor(0x2a, 0xa8, 0x45),
                                                   //: Two short lines on a small green marker on the board
                                                   {QCoreApplication::translate("Artwork", "place bone"),
                                                    QCoreApplication::translate("Artwork", "here")},
                                                   10));
    return toeMarker_;
}

QPixmap Artwork::uprightBone(int bone) const
{
    QPixmap picture = boneBackUpright;
    QPainter p(&picture);
    p.drawPixmap(2, 3, dotsUpright[game::gettopnum(bone)]);
    p.drawPixmap(2, 35, dotsUpright[game::getbotnum(bone)]);
    return picture;
}

QPixmap Artwork::lyingBone(int bone, bool flip) const
{
    const int top = game::gettopnum(bone), bottom = game::getbotnum(bone);
    QPixmap picture = boneBackLying;
    QPainter p(&picture);
    p.drawPixmap(3, 3, dotsLying[flip ? bottom : top]);
    p.drawPixmap(35, 3, dotsLying[flip ? top : bottom]);
    return picture;
}
