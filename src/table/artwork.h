#pragma once
// The table's pictures, drawn by our own code: bones and their pip faces, the board and hand
// backgrounds, the toe marker, buttons and seat-row marks.

#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <QImage>
#include <QPixmap>

#include <array>
#include <utility>
#include <vector>

// The board's cloth, the hand's wood and the windows' linen are value noise worked out pixel by
// pixel, which takes far longer than all the rest. So the build runs these very functions once
// (src/resources/make_textures_main.cpp) and embeds the results as ":/textures/<name>", and the
// program only loads them.
struct ArtworkTexture {
    const char* name;
    QImage (*draw)(); // the picture, opaque (RGB32) or with transparency
};
extern const ArtworkTexture kBoardTexture;
extern const ArtworkTexture kHandTexture;
extern const ArtworkTexture kLinenTexture;
// The blank bones, the ten upright pip faces in a row, and the banner (whose title needs a font:
// the program that draws it at build time makes a QGuiApplication first).
extern const ArtworkTexture kUprightBoneTexture;
extern const ArtworkTexture kLyingBoneTexture;
extern const ArtworkTexture kFacesTexture;
extern const ArtworkTexture kBannerTexture;
inline const std::array<const ArtworkTexture*, 7> kArtworkTextures = {
    &kBoardTexture,       &kHandTexture,  &kLinenTexture, &kUprightBoneTexture,
    &kLyingBoneTexture, &kFacesTexture, &kBannerTexture};

// The embedded form of a texture: "TXR1", width and height (32-bit, in this machine's byte
// order, as the build machine is the one that runs it), then the RGB32 pixels row by row; a
// picture with transparency (the window's icon) is "TXA1" with premultiplied ARGB32 pixels.
// Loading it is one copy, where even an uncompressed PNG takes milliseconds to decode, and
// decoding the first one loads all of Qt's picture format plugins.
QByteArray textureBytes(const QImage& picture);
// The picture held in data, or a null image if the bytes are not a whole texture.
QImage textureFromBytes(QByteArrayView data);
// The embedded texture; drawn on the spot (with a warning) if the program lacks it.
QImage embeddedTexture(const ArtworkTexture& texture);

// A bone face's pips: their colour for each count, and their places on a 3 x 3 grid (column, row).
QColor pipColour(int pips);
std::vector<std::pair<int, int>> pipLayout(int pips);

struct Artwork {
    Artwork(); // draws the bones and marks, loads the textures; needs a QGuiApplication

    QPixmap boneBackUpright;             // imagelist_back_v: 34 x 66, cream tile, line across the middle
    QPixmap boneBackLying;               // imagelist_back_h: 66 x 34
    std::array<QPixmap, 10> dotsUpright; // imagelist_dots_v: 28 x 28 faces for 0..9 pips
    std::array<QPixmap, 10> dotsLying;   // imagelist_dots_h: the same faces lying on their side
    QPixmap boardBackground;             // 756 x 312, tiled at x 0, 750, 1500
    QPixmap handBackground;              // stretched over the 774 x 99 hand area
    QPixmap passButton;                  // 65 x 28
    QPixmap startButton;                 // 102 x 28
    QPixmap turnIndicator;               // 204 x 26, behind a seat row
    QPixmap watchingMark;                // 22 x 8
    QPixmap tableBackground;             // 128 x 128 tile for the table window and the dialogs; tiles both ways
    QPixmap phraseButton;                // 25 x 19, white with a black border
    QPixmap banner;                      // 280 x 40, the game's name at the table's lower left

    // 66 x 34 "place bone here". No marker shows before the first deal, and its caption needs a
    // font size the first frame has no other use for: drawn the first time it is asked for.
    const QPixmap& toeMarker() const;

    // A whole bone: upright (34 x 66, top pip above) or lying (66 x 34; flip swaps the halves).
    QPixmap uprightBone(int bone) const;
    QPixmap lyingBone(int bone, bool flip) const;

private:
    mutable QPixmap toeMarker_;
};
