// Build step: computes the table's textures with the table's own drawing code and writes them
// into the given folder in the form the table loads, with the .qrc that embeds them under
// ":/textures/". (build/bench/art/artwork_sheet shows them as PNGs, to look at.)
//   make_textures FOLDER
#include "table/artwork.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_textures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_textures: cannot make %s\n", argv[1]);
        return 1;
    }
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/textures\">\n";
    for (const ArtworkTexture* texture : kArtworkTextures) {
        QFile file(folder.filePath(QLatin1String(texture->name)));
        const QByteArray bytes = textureBytes(texture->draw());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "make_textures: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
        qrc += QByteArray("    <file>") + texture->name + "</file>\n";
    }
    qrc += "  </qresource>\n</RCC>\n";
    QFile out(folder.filePath(QStringLiteral("textures.qrc")));
    if (!out.open(QIODevice::WriteOnly) || out.write(qrc) != qrc.size()) {
        std::fprintf(stderr, "make_textures: cannot write %s\n", qPrintable(out.fileName()));
        return 1;
    }
    return 0;
}
