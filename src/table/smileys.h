#pragma once
// The chat's eighteen smileys (imagelist_smilies), drawn by our own code as vector shapes, so a
// picture is crisp at whatever pixel ratio the screen has. Each is 17 x 16 device-independent
// pixels; picture n is what the code ":)#" followed by n + 10 shows.

#include <QIcon>
#include <QPixmap>

constexpr int kSmileyCount = 18;
constexpr int kSmileyWidth = 17;
constexpr int kSmileyHeight = 16;

// Picture `index` (0 to 17; anything else draws picture 0) for a screen of that pixel ratio:
// 17 x 16 logical pixels, ratio times as many real ones.
QPixmap smileyPicture(int index, qreal devicePixelRatio = 1.0);
// The same picture as an icon for menu entries, drawn when first shown, at the size and pixel
// ratio asked for.
QIcon smileyIcon(int index);
// What each picture shows ("smile", "wink" ...), for the menu's tooltips and for tests.
QString smileyName(int index);
