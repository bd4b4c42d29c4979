#include "table/artwork.h"
#include "table/artworkpaint.h"

#include <QImage>
#include <QResource>
#include <QtDebug>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

// Textures use a fixed hash instead of a random generator, so every start (and every test, and
// the build that embeds them) draws exactly the same pictures.

namespace {

using artwork::mix;
using artwork::scaled;

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

constexpr char kTextureMagic[4] = {'T', 'X', 'R', '1'};
constexpr char kAlphaTextureMagic[4] = {'T', 'X', 'A', '1'};
constexpr qsizetype kTextureHeader = 12;

} // namespace

const ArtworkTexture kBoardTexture{"board.texture", drawBoardBackground};
const ArtworkTexture kHandTexture{"hand.texture", drawHandBackground};
const ArtworkTexture kLinenTexture{"linen.texture", drawTableBackground};

QByteArray textureBytes(const QImage& picture)
{
    const bool alpha = picture.hasAlphaChannel();
    const QImage pixels = picture.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    const std::uint32_t size[2] = {std::uint32_t(pixels.width()), std::uint32_t(pixels.height())};
    QByteArray bytes(alpha ? kAlphaTextureMagic : kTextureMagic, sizeof kTextureMagic);
    bytes.append(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < pixels.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
    return bytes;
}

QImage textureFromBytes(QByteArrayView data)
{
    if (data.size() < kTextureHeader)
        return {};
    const bool alpha = std::memcmp(data.data(), kAlphaTextureMagic, sizeof kAlphaTextureMagic) == 0;
    if (!alpha && std::memcmp(data.data(), kTextureMagic, sizeof kTextureMagic) != 0)
        return {};
    std::uint32_t size[2];
    std::memcpy(size, data.data() + sizeof kTextureMagic, sizeof size);
    // Checked in 64 bits before anything is allocated, so no width and height can overflow.
    const std::uint64_t width = size[0], height = size[1];
    if (width == 0 || height == 0 || width > 16384 || height > 16384 ||
        std::uint64_t(data.size() - kTextureHeader) != width * height * 4)
        return {};
    QImage picture(int(width), int(height), alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
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

