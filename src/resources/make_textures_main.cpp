// Build step: computes the table's textures with the table's own drawing code and writes them
// into the given folder in the form the table loads, with the .qrc that embeds them under
// ":/textures/". (build/bench/art/artwork_sheet shows them as PNGs, to look at.) Each icon PNG
// given after the folder goes in the same form, as "icon<width>.texture": the window's icon.
//   make_textures FOLDER [ICON.png...]
#include "table/artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_textures FOLDER [ICON.png...]\n");
        return 2;
    }
    // The banner's title needs fonts, and fonts need a GUI application; the build has no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_textures: cannot make %s\n", argv[1]);
        return 1;
    }
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/textures\">\n";
    const auto write = [&](const QString& name, const QImage& picture) {
        QFile file(folder.filePath(name));
        const QByteArray bytes = textureBytes(picture);
        if (picture.isNull() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "make_textures: cannot write %s\n", qPrintable(file.fileName()));
            return false;
        }
        qrc += "    <file>" + name.toUtf8() + "</file>\n";
        return true;
    };
    for (const ArtworkTexture* texture : kArtworkTextures)
        if (!write(QLatin1String(texture->name), texture->draw()))
            return 1;
    for (int i = 2; i < argc; ++i) {
        const QImage icon(QString::fromLocal8Bit(argv[i]));
        if (icon.isNull()) {
            std::fprintf(stderr, "make_textures: cannot read %s\n", argv[i]);
            return 1;
        }
        if (!write(QStringLiteral("icon%1.texture").arg(icon.width()), icon))
            return 1;
    }
    qrc += "  </qresource>\n</RCC>\n";
    QFile out(folder.filePath(QStringLiteral("textures.qrc")));
    if (!out.open(QIODevice::WriteOnly) || out.write(qrc) != qrc.size()) {
        std::fprintf(stderr, "make_textures: cannot write %s\n", qPrintable(out.fileName()));
        return 1;
    }
    return 0;
}
