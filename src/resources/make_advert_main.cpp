// Build step: paints the download window's advertising picture for the Brisko Lobby, 436 x 360,
// on the board's own baize, and writes it as a JPEG with the .qrc that embeds it as
// ":/advert/lobby.jpg".
//   make_advert FOLDER
#include "table/artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

constexpr int kWidth = 436, kHeight = 360;
const QColor kGold(0xf2, 0xd0, 0x6a);
const QColor kIvory(0xf4, 0xec, 0xd8);

// An upright bone 30 x 60 centred on `centre`, turned by `angle` degrees, `top` pips above.
void drawBone(QPainter& p, QPointF centre, double angle, int top, int bottom)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF body(-15, -30, 30, 60);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(body.translated(2.5, 3), 5, 5);
    QLinearGradient shade(body.topLeft(), body.bottomRight());
    shade.setColorAt(0, QColor(0xff, 0xfc, 0xf2));
    shade.setColorAt(0.6, kIvory);
    shade.setColorAt(1, QColor(0xd9, 0xcb, 0xa8));
    p.setPen(QPen(QColor(0x6e, 0x5f, 0x48), 1));
    p.setBrush(shade);
    p.drawRoundedRect(body, 5, 5);
    p.setPen(QPen(QColor(0x8a, 0x7a, 0x5e), 1.2));
    p.drawLine(QPointF(-11, 0), QPointF(11, 0));
    for (const auto& [half, pips] : {std::pair{-1, top}, std::pair{1, bottom}}) {
        p.setPen(Qt::NoPen);
        p.setBrush(pipColour(pips));
        const double middle = half * 15.0;
        for (const auto& [col, row] : pipLayout(pips))
            p.drawEllipse(QPointF(-8.0 + 8.0 * col, middle - 8.0 + 8.0 * row), 2.7, 2.7);
    }
    p.restore();
}

void drawShadowedText(QPainter& p, const QRect& area, const QString& text, const QFont& font, const QColor& colour)
{
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(area.translated(2, 2), Qt::AlignCenter, text);
    p.setPen(colour);
    p.drawText(area, Qt::AlignCenter, text);
}

QImage paintAdvert()
{
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage baize = kBoardTexture.draw();
    p.drawImage(picture.rect(), baize, QRect(0, 0, kWidth * baize.height() / kHeight, baize.height()));

    // Light falls on the middle of the table; the edges sink into shadow.
    QRadialGradient light(QPointF(kWidth / 2.0, kHeight * 0.55), kWidth * 0.75);
    light.setColorAt(0, QColor(255, 255, 220, 40));
    light.setColorAt(0.55, QColor(0, 0, 0, 0));
    light.setColorAt(1, QColor(0, 0, 0, 150));
    p.fillRect(picture.rect(), light);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 3));
    p.drawRoundedRect(QRectF(7.5, 7.5, kWidth - 15, kHeight - 15), 12, 12);
    p.setPen(QPen(QColor(0xc9, 0xa2, 0x3c, 160), 1));
    p.drawRoundedRect(QRectF(13.5, 13.5, kWidth - 27, kHeight - 27), 9, 9);

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setStyleHint(QFont::Serif);
    title.setPixelSize(35);
    title.setBold(true);
    drawShadowedText(p, QRect(0, 22, kWidth, 50), QStringLiteral("The Brisko Lobby"), title, kGold);
    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setStyleHint(QFont::SansSerif);
    subtitle.setPixelSize(16);
    drawShadowedText(p, QRect(0, 72, kWidth, 24), QStringLiteral("Dominoes with friends, wherever they are"),
                     subtitle, kIvory);

    // A chicken foot: the spinner 9|9 lying across, three toes fanning out below it.
    const QPointF spinner(kWidth / 2.0, 152);
    drawBone(p, spinner, 90, 9, 9);
    drawBone(p, spinner + QPointF(0, 48), 0, 9, 4);
    drawBone(p, spinner + QPointF(0, 112), 0, 4, 2);
    drawBone(p, spinner + QPointF(-40, 42), 38, 9, 6);
    drawBone(p, spinner + QPointF(-77, 89), 38, 6, 1);
    drawBone(p, spinner + QPointF(40, 42), -38, 9, 3);
    drawBone(p, spinner + QPointF(77, 89), -38, 3, 7);
    // Two hands' worth of bones waiting at the sides.
    drawBone(p, QPointF(46, 150), -12, 5, 8);
    drawBone(p, QPointF(76, 176), 8, 2, 2);
    drawBone(p, QPointF(kWidth - 46.0, 150), 12, 0, 6);
    drawBone(p, QPointF(kWidth - 76.0, 176), -8, 1, 5);

    // A ribbon across the foot of the picture.
    const QRectF ribbon(24, 286, kWidth - 48, 50);
    QLinearGradient band(ribbon.topLeft(), ribbon.bottomLeft());
    band.setColorAt(0, QColor(0x2f, 0x7a, 0x45));
    band.setColorAt(1, QColor(0x12, 0x3c, 0x1f));
    p.setPen(QPen(kGold, 2));
    p.setBrush(band);
    p.drawRoundedRect(ribbon, 10, 10);
    QFont offer = subtitle;
    offer.setPixelSize(17);
    offer.setBold(true);
    drawShadowedText(p, QRect(24, 288, kWidth - 48, 26), QStringLiteral("Six seats \u00b7 Chat \u00b7 Free to play"),
                     offer, kGold);
    QFont address = subtitle;
    address.setPixelSize(13);
    drawShadowedText(p, QRect(24, 311, kWidth - 48, 20), QStringLiteral("www.tilvaro.org"), address, kIvory);
    return picture;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_advert FOLDER\n");
        return 2;
    }
    // Text needs fonts, and fonts need a GUI application; the build has no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_advert: cannot make %s\n", argv[1]);
        return 1;
    }
    QImageWriter writer(folder.filePath(QStringLiteral("lobby.jpg")), "jpeg");
    writer.setQuality(90);
    if (!writer.write(paintAdvert())) {
        std::fprintf(stderr, "make_advert: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    const QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/advert\">\n"
                           "    <file>lobby.jpg</file>\n  </qresource>\n</RCC>\n";
    QFile out(folder.filePath(QStringLiteral("advert.qrc")));
    if (!out.open(QIODevice::WriteOnly) || out.write(qrc) != qrc.size()) {
        std::fprintf(stderr, "make_advert: cannot write %s\n", qPrintable(out.fileName()));
        return 1;
    }
    return 0;
}
