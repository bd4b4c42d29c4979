#include "game/bones.h"
#include "table/artwork.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QResource>
#include <QSet>
#include <QTransform>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const Artwork& art()
{
    static const Artwork artwork;
    return artwork;
}

QImage argb(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

struct Blob {
    int size = 0;
    double cx = 0, cy = 0;
};

// The pips of a face: 4-connected areas that stand out from the face's ground colour.
std::vector<Blob> pipsOf(const QImage& face)
{
    const QRgb ground = argb(art().dotsUpright[0]).pixel(0, 0);
    const int w = face.width(), h = face.height();
    std::vector<int> seen(w * h, 0);
    std::vector<Blob> blobs;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (seen[y * w + x] || colourDistance(face.pixel(x, y), ground) < 60)
                continue;
            Blob blob;
            std::vector<std::pair<int, int>> todo{{x, y}};
            seen[y * w + x] = 1;
            while (!todo.empty()) {
                const auto [px, py] = todo.back();
                todo.pop_back();
                ++blob.size;
                blob.cx += px;
                blob.cy += py;
                for (const auto& [nx, ny] : {std::pair{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}}) {
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h || seen[ny * w + nx] ||
                        colourDistance(face.pixel(nx, ny), ground) < 60)
                        continue;
                    seen[ny * w + nx] = 1;
                    todo.push_back({nx, ny});
                }
            }
            blob.cx /= blob.size;
            blob.cy /= blob.size;
            blobs.push_back(blob);
        }
    }
    return blobs;
}

bool samePixels(const QImage& a, const QImage& b)
{
    return a.size() == b.size() && a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(Artwork, EveryPictureHasTheSizeTheTableLaysOutFor)
{
    const Artwork& a = art();
    EXPECT_EQ(a.boneBackUpright.size(), QSize(34, 66));
    EXPECT_EQ(a.boneBackLying.size(), QSize(66, 34));
    for (int pips = 0; pips <= 9; ++pips) {
        EXPECT_EQ(a.dotsUpright[pips].size(), QSize(28, 28)) << pips;
        EXPECT_EQ(a.dotsLying[pips].size(), QSize(28, 28)) << pips;
    }
    EXPECT_EQ(a.boardBackground.size(), QSize(756, 312));
    EXPECT_EQ(a.handBackground.size(), QSize(774, 99));
    EXPECT_EQ(a.toeMarker().size(), QSize(66, 34));
    EXPECT_EQ(a.passButton.size(), QSize(65, 28));
    EXPECT_EQ(a.startButton.size(), QSize(102, 28));
    EXPECT_EQ(a.turnIndicator.size(), QSize(204, 26));
    EXPECT_EQ(a.watchingMark.size(), QSize(22, 8));
    EXPECT_EQ(a.phraseButton.size(), QSize(25, 19));
    EXPECT_FALSE(a.tableBackground.isNull());
    EXPECT_EQ(a.banner.size(), QSize(280, 40));
    EXPECT_EQ(a.uprightBone(30).size(), QSize(34, 66));
    EXPECT_EQ(a.lyingBone(30, true).size(), QSize(66, 34));
}

TEST(Artwork, EachFaceShowsItsPipsInTheDominoLayout)
{
    for (int pips = 0; pips <= 9; ++pips) {
        const std::vector<Blob> blobs = pipsOf(argb(art().dotsUpright[pips]));
        ASSERT_EQ(int(blobs.size()), pips) << "face " << pips;
        for (const Blob& blob : blobs) {
            EXPECT_GE(blob.size, 16) << "face " << pips; // a round pip, not a stray dot
            // Every pip sits on the 3 x 3 grid of the face, away from its edges.
            EXPECT_GE(blob.cx, 3.0);
            EXPECT_LE(blob.cx, 24.0);
            EXPECT_GE(blob.cy, 3.0);
            EXPECT_LE(blob.cy, 24.0);
        }
    }
    // Seven is the six with a middle pip; eight is the ring without one.
    auto hasMiddle = [](int pips) {
        for (const Blob& b : pipsOf(argb(art().dotsUpright[pips])))
            if (std::abs(b.cx - 13.5) < 1.5 && std::abs(b.cy - 13.5) < 1.5)
                return true;
        return false;
    };
    EXPECT_TRUE(hasMiddle(7));
    EXPECT_FALSE(hasMiddle(8));
    EXPECT_TRUE(hasMiddle(9));
    EXPECT_FALSE(hasMiddle(6));
}

TEST(Artwork, EachCountHasItsOwnColour)
{
    struct Expect {
        int pips;
        bool grey;
        int hueFrom, hueTo; // degrees; red's range runs through 0
    };
    const Expect expected[] = {{1, true, 0, 0},      {2, false, 90, 150},  {3, false, -15, 12},
                               {4, false, 290, 330}, {5, false, 210, 250}, {6, false, 18, 40},
                               {7, false, 290, 330}, {8, false, 175, 200}, {9, false, 44, 66}};
    for (const Expect& e : expected) {
        const QImage face = argb(art().dotsUpright[e.pips]);
        const Blob pip = pipsOf(face).front();
        const QColor colour = face.pixelColor(int(pip.cx + 0.5), int(pip.cy + 0.5));
        if (e.grey) {
            EXPECT_LT(colour.hsvSaturation(), 40) << "face " << e.pips << " should be grey";
            continue;
        }
        EXPECT_GT(colour.hsvSaturation(), 120) << "face " << e.pips;
        int hue = colour.hsvHue();
        if (hue > 180 && e.hueFrom < 0)
            hue -= 360;
        EXPECT_GE(hue, e.hueFrom) << "face " << e.pips;
        EXPECT_LE(hue, e.hueTo) << "face " << e.pips;
    }
}

TEST(Artwork, LyingFacesAreTheUprightOnesTurnedOnTheirSide)
{
    for (int pips = 0; pips <= 9; ++pips) {
        const QImage upright = argb(art().dotsUpright[pips]);
        const QImage lying = argb(art().dotsLying[pips]);
        EXPECT_TRUE(samePixels(lying, upright.transformed(QTransform().rotate(90))) ||
                    samePixels(lying, upright.transformed(QTransform().rotate(270))))
            << "face " << pips;
    }
    // The turn shows for the faces that are not symmetric: six pips stand in columns upright
    // and lie in rows.
    EXPECT_FALSE(samePixels(argb(art().dotsUpright[6]), argb(art().dotsLying[6])));
}

TEST(Artwork, BlankBonesAreIvoryTilesPartedInTheMiddle)
{
    const QImage upright = argb(art().boneBackUpright);
    const QImage lying = argb(art().boneBackLying);
    // Rounded corners let the board show through; the inside is solid.
    EXPECT_LT(qAlpha(upright.pixel(0, 0)), 128);
    EXPECT_LT(qAlpha(lying.pixel(65, 33)), 128);
    EXPECT_EQ(qAlpha(upright.pixel(17, 16)), 255);
    EXPECT_EQ(qAlpha(lying.pixel(16, 17)), 255);
    // The parting line is clearly darker than the ivory beside it.
    const QRgb ivory = upright.pixel(17, 16);
    EXPECT_GT(colourDistance(upright.pixel(17, 32), ivory), 100);
    EXPECT_GT(colourDistance(lying.pixel(32, 17), ivory), 100);
    EXPECT_LT(colourDistance(upright.pixel(17, 45), ivory), 10);
}

TEST(Artwork, WholeBonesShowTheirFacesWhereTheTableExpectsThem)
{
    const Artwork& a = art();
    for (int bone : {1, 6, 30, 54, 55, 0}) {
        const int top = game::gettopnum(bone), bottom = game::getbotnum(bone);
        const QImage upright = argb(a.uprightBone(bone));
        EXPECT_TRUE(samePixels(upright.copy(2, 3, 28, 28), argb(a.dotsUpright[top]))) << bone;
        EXPECT_TRUE(samePixels(upright.copy(2, 35, 28, 28), argb(a.dotsUpright[bottom]))) << bone;
        EXPECT_EQ(upright.pixel(0, 0), argb(a.boneBackUpright).pixel(0, 0));
        EXPECT_EQ(upright.pixel(17, 32), argb(a.boneBackUpright).pixel(17, 32));

        const QImage plain = argb(a.lyingBone(bone, false));
        const QImage flipped = argb(a.lyingBone(bone, true));
        EXPECT_TRUE(samePixels(plain.copy(3, 3, 28, 28), argb(a.dotsLying[top]))) << bone;
        EXPECT_TRUE(samePixels(plain.copy(35, 3, 28, 28), argb(a.dotsLying[bottom]))) << bone;
        EXPECT_TRUE(samePixels(flipped.copy(3, 3, 28, 28), argb(a.dotsLying[bottom]))) << bone;
        EXPECT_TRUE(samePixels(flipped.copy(35, 3, 28, 28), argb(a.dotsLying[top]))) << bone;
        EXPECT_EQ(plain.pixel(32, 17), argb(a.boneBackLying).pixel(32, 17));
    }
    // 0|5 lying unflipped: blank on the left, five pips on the right.
    EXPECT_EQ(pipsOf(argb(a.lyingBone(6, false)).copy(3, 3, 28, 28)).size(), 0u);
    EXPECT_EQ(pipsOf(argb(a.lyingBone(6, false)).copy(35, 3, 28, 28)).size(), 5u);
}

TEST(Artwork, BoardBackgroundRepeatsEvery750Pixels)
{
    // Laid at x 0, 750 and 1500: the six overlapping columns must be the first six again.
    const QImage board = argb(art().boardBackground);
    EXPECT_TRUE(samePixels(board.copy(750, 0, 6, 312), board.copy(0, 0, 6, 312)));
    EXPECT_FALSE(samePixels(board.copy(700, 0, 6, 312), board.copy(0, 0, 6, 312)));
}

TEST(Artwork, MarksAndButtonsCarryTheirLook)
{
    // The phrase button: white with a black border.
    const QImage phrase = argb(art().phraseButton);
    for (const QPoint& p : {QPoint(0, 0), QPoint(24, 18), QPoint(12, 0), QPoint(0, 9)})
        EXPECT_EQ(phrase.pixel(p) & 0xffffff, 0u) << p.x() << "," << p.y();
    EXPECT_EQ(phrase.pixel(12, 9), qRgb(255, 255, 255));

    // The turn bar is light all through its middle, so the seat row's dark text stays readable.
    const QImage turn = argb(art().turnIndicator);
    for (int x = 4; x < 200; x += 7)
        EXPECT_GT(QColor(turn.pixel(x, 13)).lightness(), 150) << x;

    // Buttons carry a light caption over a darker body; the toe marker is green.
    auto lightPixels = [](const QPixmap& pixmap) {
        const QImage image = argb(pixmap);
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += QColor(image.pixel(x, y)).lightness() > 200 && qAlpha(image.pixel(x, y)) == 255;
        return n;
    };
    EXPECT_GT(lightPixels(art().passButton), 30);
    EXPECT_GT(lightPixels(art().startButton), lightPixels(art().passButton));
    EXPECT_GT(lightPixels(art().toeMarker()), 60);
    const QColor body = argb(art().toeMarker()).pixelColor(3, 17);
    EXPECT_GE(body.hsvHue(), 90);
    EXPECT_LE(body.hsvHue(), 150);

    // The watching mark is two eyes on a see-through ground: dark pupils in white.
    const QImage eyes = argb(art().watchingMark);
    EXPECT_EQ(qAlpha(eyes.pixel(10, 0)), 0);
    EXPECT_GT(QColor(eyes.pixel(2, 4)).lightness(), 200);
    EXPECT_LT(QColor(eyes.pixel(6, 4)).lightness(), 80);
    EXPECT_LT(QColor(eyes.pixel(18, 4)).lightness(), 80);
}

TEST(Artwork, EmbeddedTexturesAreThePicturesTheDrawingMakes)
{
    // Board and hand as the table lays them out; the linen is a square tile.
    struct Expect {
        const ArtworkTexture* texture;
        QSize size;
        const QPixmap* shown;
    };
    const Expect expected[] = {{&kBoardTexture, QSize(756, 312), &art().boardBackground},
                               {&kHandTexture, QSize(774, 99), &art().handBackground},
                               {&kLinenTexture, QSize(128, 128), &art().tableBackground}};
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.texture->name);
        const QResource resource(QStringLiteral(":/textures/") + QLatin1String(e.texture->name));
        ASSERT_TRUE(resource.isValid()) << "not embedded";
        const QImage embedded = textureFromBytes(resource.uncompressedData());
        ASSERT_EQ(embedded.size(), e.size);
        EXPECT_TRUE(samePixels(embedded, e.texture->draw()));
        EXPECT_TRUE(samePixels(argb(*e.shown), embedded));
        // A texture, not a flat fill: cloth, grain and weave give dozens of shades, all opaque.
        QSet<QRgb> shades;
        bool opaque = true;
        const QImage pixels = embedded.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x) {
                shades.insert(pixels.pixel(x, y));
                opaque = opaque && qAlpha(pixels.pixel(x, y)) == 255;
            }
        EXPECT_GT(shades.size(), 20);
        EXPECT_TRUE(opaque);
    }
}

TEST(Artwork, TheBonesPiecesAndTheBannerShownAreTheEmbeddedDrawings)
{
    for (const ArtworkTexture* piece : {&kUprightBoneTexture, &kLyingBoneTexture, &kFacesTexture, &kBannerTexture}) {
        SCOPED_TRACE(piece->name);
        const QResource resource(QStringLiteral(":/textures/") + QLatin1String(piece->name));
        ASSERT_TRUE(resource.isValid()) << "not embedded";
        EXPECT_TRUE(samePixels(textureFromBytes(resource.uncompressedData()), piece->draw()));
    }
    EXPECT_TRUE(samePixels(argb(art().boneBackUpright), kUprightBoneTexture.draw()));
    EXPECT_TRUE(samePixels(argb(art().boneBackLying), kLyingBoneTexture.draw()));
    EXPECT_TRUE(samePixels(argb(art().banner), kBannerTexture.draw()));
    const QImage faces = kFacesTexture.draw();
    for (int pips = 0; pips <= 9; ++pips) {
        const QImage face = faces.copy(pips * 28, 0, 28, 28);
        EXPECT_TRUE(samePixels(argb(art().dotsUpright[pips]), face)) << pips;
        EXPECT_TRUE(samePixels(argb(art().dotsLying[pips]), face.transformed(QTransform().rotate(90)))) << pips;
    }
}

TEST(Artwork, TextureBytesHoldExactlyOnePictureAndNothingElseLoads)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    const QRgb colours[6] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                             qRgb(1, 2, 3),   qRgb(250, 251, 252), qRgb(0, 0, 0)};
    for (int i = 0; i < 6; ++i)
        picture.setPixel(i % 3, i / 3, colours[i]);
    const QByteArray bytes = textureBytes(picture);
    // A 12-byte header, then four bytes a pixel.
    ASSERT_EQ(bytes.size(), 12 + 6 * 4);
    EXPECT_EQ(bytes.left(4), QByteArray("TXR1"));
    const QImage back = textureFromBytes(bytes);
    ASSERT_EQ(back.size(), QSize(3, 2));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(back.pixel(i % 3, i / 3), colours[i]) << i;

    EXPECT_TRUE(textureFromBytes(QByteArray()).isNull());
    EXPECT_TRUE(textureFromBytes(bytes.left(11)).isNull());
    EXPECT_TRUE(textureFromBytes(bytes.chopped(1)).isNull());
    EXPECT_TRUE(textureFromBytes(bytes + '\0').isNull());
    QByteArray wrongMagic = bytes;
    wrongMagic[3] = '2';
    EXPECT_TRUE(textureFromBytes(wrongMagic).isNull());
    // Sizes whose product overflows 32 bits, or is zero, are refused before anything is read.
    auto withSize = [&](std::uint32_t w, std::uint32_t h) {
        QByteArray b = bytes;
        std::memcpy(b.data() + 4, &w, 4);
        std::memcpy(b.data() + 8, &h, 4);
        return b;
    };
    EXPECT_TRUE(textureFromBytes(withSize(0xffffffffu, 0xffffffffu)).isNull());
    EXPECT_TRUE(textureFromBytes(withSize(0x40000000u, 4)).isNull());
    EXPECT_TRUE(textureFromBytes(withSize(0, 2)).isNull());
    EXPECT_TRUE(textureFromBytes(withSize(4, 2)).isNull());
    // Only the pixel count can be checked: the same six pixels in one row still load.
    EXPECT_FALSE(textureFromBytes(withSize(6, 1)).isNull());
}

TEST(Artwork, APictureWithTransparencyKeepsItsAlphaThroughItsBytes)
{
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(200, 100, 50, 0));
    picture.setPixel(1, 0, qRgba(200, 100, 50, 128));
    const QByteArray bytes = textureBytes(picture);
    EXPECT_EQ(bytes.left(4), QByteArray("TXA1"));
    const QImage back = textureFromBytes(bytes);
    ASSERT_TRUE(back.hasAlphaChannel());
    EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32), picture.convertToFormat(QImage::Format_ARGB32_Premultiplied).convertToFormat(QImage::Format_ARGB32));
}

TEST(Artwork, AMissingEmbeddedTextureIsDrawnInstead)
{
    const ArtworkTexture missing{"no-such.texture", [] {
                                     QImage picture(2, 2, QImage::Format_RGB32);
                                     picture.fill(qRgb(10, 20, 30));
                                     return picture;
                                 }};
    const QImage picture = embeddedTexture(missing);
    ASSERT_EQ(picture.size(), QSize(2, 2));
    EXPECT_EQ(picture.pixel(1, 1), qRgb(10, 20, 30));
}
