#include "table/artwork.h"

#include "game/bones.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QResource>
#include <QTransform>
#include <QtDebug>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

// Everything here is drawn pixel by pixel or with QPainter into QImages, then turned into
// pixmaps once. Textures use a fixed hash instead of a random generator, so every start (and
// every test, and the build that embeds them) draws exactly the same pictures.

namespace {

// The ivory of a bone's top; pip faces use the very same colour, so a face laid on a bone shows
// no seam.
const QColor kIvory(0xf4, 0xec, 0xd8);
const QColor kIvoryLight(0xff, 0xfc, 0xf2);
const QColor kIvoryShade(0xd9, 0xcb, 0xa8);
const QColor kBoneEdge(0x6e, 0x5f, 0x48);

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = clamp01(t);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor scaled(const QColor& c, double factor)
{
    return QColor::fromRgbF(float(clamp01(c.redF() * factor)), float(clamp01(c.greenF() * factor)),
                            float(clamp01(c.blueF() * factor)), c.alphaF());
}

// Hash of a lattice point to [0, 1).
double hash01(int x, int y, int seed)
{
    std::uint32_t h = std::uint32_t(x) * 0x8da6b343u ^ std::uint32_t(y) * 0xd8163841u ^
                      std::uint32_t(seed) * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return double(h & 0xffffff) / double(0x1000000);
}

int wrap(int v, int period) { return period > 0 ? ((v % period) + period) % period : v; }

// Smooth value noise with cells of `cell` pixels; periodX/periodY (in cells, 0 = none) make it
// repeat, so a texture can tile without a seam.
double valueNoise(double x, double y, double cell, int seed, int periodX = 0, int periodY = 0)
{
    const double fx = x / cell, fy = y / cell;
    const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
    const double tx = fx - x0, ty = fy - y0;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    auto at = [&](int cx, int cy) { return hash01(wrap(cx, periodX), wrap(cy, periodY), seed); };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

QImage blankImage(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Signed distance from (px, py) to a w x h box with corner radius r: negative inside.
double roundedBoxDistance(double px, double py, double w, double h, double r)
{
    const double qx = std::abs(px - w / 2) - (w / 2 - r);
    const double qy = std::abs(py - h / 2) - (h / 2 - r);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
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
                const double len = std::hypot(nx, ny);
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
                        inside += std::hypot(x + (sx + 0.5) / 4 - cx, y + (sy + 0.5) / 4 - cy) <=
                                  radius;
                if (inside == 0)
                    continue;
                const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                const double rim = std::hypot(dx, dy) / radius;
                const double glow = clamp01(1.0 - std::hypot(dx + 1.1, dy + 1.1) / 2.2);
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

// The three textures are opaque, so they have no alpha channel: smaller embedded pictures and
// faster blits.

// Green baize for the board. It repeats every 750 pixels across, because the board lays it
// down at x 0, 750 and 1500 and the six overlapping columns must match.
QImage drawBoardBackground()
{
    const int w = 756, h = 312, period = 750;
    const QColor felt(0x2b, 0x6e, 0x3c);
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int px = x % period;
            // Broad, soft patches (cells that divide 750 exactly), then the nap of the cloth.
            const double patches = valueNoise(px, y, 50, 11, period / 50) * 0.6 +
                                   valueNoise(px, y, 15, 12, period / 15) * 0.4;
            const double nap = hash01(px, y, 13) - 0.5;
            const double fibre = valueNoise(px, y * 4.0, 6, 14, period / 6) - 0.5;
            const double factor = 0.90 + patches * 0.16 + nap * 0.10 + fibre * 0.05;
            image.setPixelColor(x, y, scaled(felt, factor));
        }
    }
    return image;
}

// A plank of warm wood for the hand: grain running along the plank, bent by slow noise.
QImage drawHandBackground()
{
    const int w = 774, h = 99;
    const QColor light(0xb0, 0x7a, 0x48), dark(0x7a, 0x4a, 0x26);
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Long, gently drifting grain lines of uneven spacing, and fine streaks along them.
            const double bend = valueNoise(x, 0, 260, 21) * 16 + valueNoise(x, y, 70, 22) * 5;
            const double u = (y + bend) / 6.0 + valueNoise(x * 0.25, y, 9, 26) * 1.2;
            const double ring = 0.5 + 0.5 * std::sin(u * 2.0 * std::numbers::pi);
            const double streak = valueNoise(x, y * 8.0, 40, 24);
            double t = std::pow(ring, 4.0) * 0.5 + streak * 0.4 + (hash01(x, y, 25) - 0.5) * 0.10;
            QColor c = mix(light, dark, t);
            // A rounded edge at the top and bottom of the plank.
            const double edge = std::min(y + 0.5, h - y - 0.5);
            if (edge < 3)
                c = scaled(c, 0.70 + 0.10 * edge);
            image.setPixelColor(x, y, c);
        }
    }
    return image;
}

// Pale linen for the window and dialogs: light enough for black text, and it tiles both ways.
QImage drawTableBackground()
{
    const int size = 128;
    const QColor linen(0xea, 0xe1, 0xcb);
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double weave = ((x + y) % 2 == 0 ? 0.012 : -0.012) +
                                 (valueNoise(x, y * 8.0, 4, 31, size / 4, size * 8 / 4) - 0.5) * 0.03 +
                                 (valueNoise(x * 8.0, y, 4, 32, size * 8 / 4, size / 4) - 0.5) * 0.03;
            const double cloud = (valueNoise(x, y, 32, 33, size / 32, size / 32) - 0.5) * 0.04;
            image.setPixelColor(x, y, scaled(linen, 1.0 + weave + cloud));
        }
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

constexpr char kTextureMagic[4] = {'T', 'X', 'R', '1'};
constexpr qsizetype kTextureHeader = 12;

} // namespace

const ArtworkTexture kBoardTexture{"board.texture", drawBoardBackground};
const ArtworkTexture kHandTexture{"hand.texture", drawHandBackground};
const ArtworkTexture kLinenTexture{"linen.texture", drawTableBackground};

QByteArray textureBytes(const QImage& picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const std::uint32_t size[2] = {std::uint32_t(pixels.width()), std::uint32_t(pixels.height())};
    QByteArray bytes(kTextureMagic, sizeof kTextureMagic);
    bytes.append(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < pixels.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
    return bytes;
}

QImage textureFromBytes(QByteArrayView data)
{
    if (data.size() < kTextureHeader || std::memcmp(data.data(), kTextureMagic, sizeof kTextureMagic) != 0)
        return {};
    std::uint32_t size[2];
    std::memcpy(size, data.data() + sizeof kTextureMagic, sizeof size);
    // Checked in 64 bits before anything is allocated, so no width and height can overflow.
    const std::uint64_t width = size[0], height = size[1];
    if (width == 0 || height == 0 || width > 16384 || height > 16384 ||
        std::uint64_t(data.size() - kTextureHeader) != width * height * 4)
        return {};
    QImage picture(int(width), int(height), QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    const char* row = data.data() + kTextureHeader;
    for (int y = 0; y < picture.height(); ++y, row += width * 4)
        std::memcpy(picture.scanLine(y), row, width * 4);
    return picture;
}

QImage embeddedTexture(const ArtworkTexture& texture)
{
    const QResource resource(QStringLiteral(":/textures/") + QLatin1String(texture.name));
    QImage picture = resource.isValid() ? textureFromBytes(resource.uncompressedData()) : QImage();
    if (picture.isNull()) {
        qWarning("tilvaro: texture %s is not embedded; drawing it instead", texture.name);
        picture = texture.draw();
    }
    return picture;
}

Artwork::Artwork()
{
    BonePieces pieces;
    boneBackUpright = QPixmap::fromImage(drawBoneBack(34, 66));
    pieces.backLying = drawBoneBack(66, 34);
    boneBackLying = QPixmap::fromImage(pieces.backLying);
    for (int pips = 0; pips <= game::kHighestPip; ++pips) {
        const QImage face = drawFace(pips);
        dotsUpright[pips] = QPixmap::fromImage(face);
        pieces.facesLying[pips] = rotatedQuarter(face);
        dotsLying[pips] = QPixmap::fromImage(pieces.facesLying[pips]);
    }
    boardBackground = QPixmap::fromImage(embeddedTexture(kBoardTexture));
    handBackground = QPixmap::fromImage(embeddedTexture(kHandTexture));
    toeMarker = QPixmap::fromImage(drawButton(66, 34, QColor(0x2a, 0xa8, 0x45),
                                              {QStringLiteral("place bone"), QStringLiteral("here")}, 10));
    passButton = QPixmap::fromImage(drawButton(65, 28, QColor(0x9a, 0x22, 0x22),
                                               {QStringLiteral("pass")}, 13));
    startButton = QPixmap::fromImage(drawButton(102, 28, QColor(0x1d, 0x5e, 0xa8),
                                                {QStringLiteral("start game")}, 13));
    turnIndicator = QPixmap::fromImage(drawTurnIndicator());
    watchingMark = QPixmap::fromImage(drawWatchingMark());
    tableBackground = QPixmap::fromImage(embeddedTexture(kLinenTexture));
    phraseButton = QPixmap::fromImage(drawPhraseButton());
    banner = QPixmap::fromImage(drawBanner(pieces));
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
