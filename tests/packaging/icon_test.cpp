// The window's icon comes from the pictures the program embeds: each size is there, is the size
// its name says, and is the same picture the desktop's menu shows from packaging/icons.

#include <QFile>
#include <QImage>
#include <QResource>
#include <QString>

#include "table/artwork.h"

#include <gtest/gtest.h>

TEST(WindowIcon, EverySizeIsEmbeddedAtItsSizeAndMatchesTheInstalledIcon)
{
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QString embedded = QStringLiteral(":/icon/%1.png").arg(size);
        const QImage image(embedded);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), size);
        EXPECT_EQ(image.height(), size);
        // Opaque felt at the centre-left edge, transparent in the rounded corner.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size / 16 + 1, size / 2)), 255);

        QFile inTree(QStringLiteral(TILVARO_SOURCE_DIR "/packaging/icons/%1x%1/tilvaro.png").arg(size));
        QFile inProgram(embedded);
        ASSERT_TRUE(inTree.open(QIODevice::ReadOnly));
        ASSERT_TRUE(inProgram.open(QIODevice::ReadOnly));
        EXPECT_EQ(inTree.readAll(), inProgram.readAll());
    }
}

TEST(WindowIcon, TheSizesTheWindowSendsAreEmbeddedAsTheSamePixels)
{
    for (const int size : {16, 32, 48, 64}) {
        SCOPED_TRACE(size);
        const QResource raw(QStringLiteral(":/textures/icon%1.texture").arg(size));
        ASSERT_TRUE(raw.isValid());
        const QImage pixels = textureFromBytes(raw.uncompressedData());
        const QImage decoded = QImage(QStringLiteral(":/icon/%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(pixels, decoded);
    }
}
