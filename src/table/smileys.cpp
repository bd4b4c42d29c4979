#include "table/smileys.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <map>

namespace {

struct Face {
    const char* name;
    QColor skin;
};

const std::array<Face, kSmileyCount> kFaces{{
    {"smile", QColor(0xff, 0xd8, 0x3a)},    {"grin", QColor(0xff, 0xd8, 0x3a)},
    {"wink", QColor(0xff, 0xd8, 0x3a)},     {"sad", QColor(0xff, 0xd8, 0x3a)},
    {"tongue", QColor(0xff, 0xd8, 0x3a)},   {"surprised", QColor(0xff, 0xd8, 0x3a)},
    {"cool", QColor(0xff, 0xd8, 0x3a)},     {"angry", QColor(0xf2, 0x5a, 0x3c)},
    {"crying", QColor(0xff, 0xd8, 0x3a)},   {"laughing", QColor(0xff, 0xd8, 0x3a)},
    {"neutral", QColor(0xff, 0xd8, 0x3a)},  {"confused", QColor(0xff, 0xd8, 0x3a)},
    {"kiss", QColor(0xff, 0xd8, 0x3a)},     {"blushing", QColor(0xff, 0xd8, 0x3a)},
    {"sleeping", QColor(0xff, 0xd8, 0x3a)}, {"devil", QColor(0xb0, 0x4a, 0xd8)},
    {"angel", QColor(0xff, 0xd8, 0x3a)},    {"sick", QColor(0x9c, 0xd6, 0x5a)},
}};

const QColor kInk(0x3a, 0x26, 0x10);
constexpr double kCx = 8.5, kCy = 8.5, kRadius = 6.8;

void dotEyes(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(6.3, 6.8), 1.05, 1.4);
    p.drawEllipse(QPointF(10.7, 6.8), 1.05, 1.4);
}

// Brows slanting down to the nose from (outerX, outerY) and its mirror, over small dot eyes.
void frowningEyes(QPainter& p, double outerX, double outerY)
{
    p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(outerX, outerY), QPointF(7.6, 6.2));
    p.drawLine(QPointF(17.0 - outerX, outerY), QPointF(9.4, 6.2));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(6.4, 7.6), 0.9, 1.0);
    p.drawEllipse(QPointF(10.6, 7.6), 0.9, 1.0);
}

void arcEyes(QPainter& p, bool closedUp)
{
    p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (double x : {6.3, 10.7}) {
        QPainterPath eye;
        eye.moveTo(x - 1.6, 7.3);
        eye.quadTo(x, closedUp ? 5.2 : 9.2, x + 1.6, 7.3);
        p.drawPath(eye);
    }
}

// A curved mouth from x 5 to 12; bend > 0 smiles, < 0 frowns.
void mouth(QPainter& p, double y, double bend, double width = 1.2)
{
    p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(5.2, y);
    path.quadTo(kCx, y + bend, 11.8, y);
    p.drawPath(path);
}

void openMouth(QPainter& p, const QRectF& box, bool teeth)
{
    QPainterPath path;
    path.moveTo(box.left(), box.top());
    path.lineTo(box.right(), box.top());
    path.quadTo(box.center().x(), box.bottom() + box.height() * 0.6, box.left(), box.top());
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(QColor(0x7a, 0x1e, 0x1e));
    p.drawPath(path);
    if (teeth) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(box.left() + 0.8, box.top() + 0.4, box.width() - 1.6, 1.1));
    }
}

void drawFeatures(QPainter& p, int index)
{
    switch (index) {
    case 0: // smile
        dotEyes(p);
        mouth(p, 10.0, 3.2);
        break;
    case 1: // grin
        dotEyes(p);
        openMouth(p, QRectF(4.8, 9.4, 7.4, 2.4), true);
        break;
    case 2: // wink
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(6.3, 6.8), 1.05, 1.4);
        p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9.2, 7.0), QPointF(12.2, 7.0));
        mouth(p, 10.0, 3.0);
        break;
    case 3: // sad
        dotEyes(p);
        mouth(p, 12.2, -2.8);
        break;
    case 4: // tongue
        dotEyes(p);
        mouth(p, 10.2, 1.6);
        p.setPen(QPen(QColor(0xa0, 0x20, 0x30), 0.7));
        p.setBrush(QColor(0xf0, 0x60, 0x78));
        p.drawChord(QRectF(7.0, 9.4, 4.2, 4.6), 180 * 16, 180 * 16);
        break;
    case 5: // surprised
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(6.3, 6.6), 1.6, 1.9);
        p.drawEllipse(QPointF(10.7, 6.6), 1.6, 1.9);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(6.3, 6.8), 0.8, 0.9);
        p.drawEllipse(QPointF(10.7, 6.8), 0.8, 0.9);
        p.setPen(QPen(kInk, 0.9));
        p.setBrush(QColor(0x7a, 0x1e, 0x1e));
        p.drawEllipse(QPointF(kCx, 11.4), 1.4, 1.7);
        break;
    case 6: // cool: sunglasses
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x15, 0x15, 0x20));
        p.drawRoundedRect(QRectF(3.6, 5.4, 4.4, 2.9), 1.0, 1.0);
        p.drawRoundedRect(QRectF(9.0, 5.4, 4.4, 2.9), 1.0, 1.0);
        p.setPen(QPen(QColor(0x15, 0x15, 0x20), 0.9));
        p.drawLine(QPointF(7.5, 6.0), QPointF(9.5, 6.0));
        p.setPen(QPen(QColor(255, 255, 255, 170), 0.6));
        p.drawLine(QPointF(4.4, 6.1), QPointF(5.6, 6.1));
        p.drawLine(QPointF(9.8, 6.1), QPointF(11.0, 6.1));
        mouth(p, 10.6, 2.2);
        break;
    case 7: // angry
        frowningEyes(p, 4.6, 4.9);
        mouth(p, 12.0, -2.2);
        break;
    case 8: // crying
        dotEyes(p);
        mouth(p, 12.2, -2.6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3a, 0x9a, 0xf0));
        {
            QPainterPath tear;
            tear.moveTo(5.6, 8.2);
            tear.quadTo(4.2, 11.0, 5.4, 11.6);
            tear.quadTo(6.8, 11.0, 5.6, 8.2);
            p.drawPath(tear);
        }
        break;
    case 9: // laughing
        arcEyes(p, true);
        openMouth(p, QRectF(4.6, 9.2, 7.8, 2.8), true);
        break;
    case 10: // neutral
        dotEyes(p);
        p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5.6, 11.0), QPointF(11.4, 11.0));
        break;
    case 11: // confused
        dotEyes(p);
        p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        {
            QPainterPath wave;
            wave.moveTo(5.0, 11.2);
            wave.quadTo(6.6, 9.6, 8.4, 11.0);
            wave.quadTo(10.2, 12.4, 12.0, 10.6);
            p.drawPath(wave);
        }
        break;
    case 12: // kiss
        arcEyes(p, false);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe0, 0x20, 0x40));
        p.drawEllipse(QPointF(8.0, 11.0), 1.3, 1.1);
        p.drawEllipse(QPointF(9.4, 11.0), 1.3, 1.1);
        break;
    case 13: // blushing
        arcEyes(p, true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0x70, 0x70, 190));
        p.drawEllipse(QPointF(4.8, 9.6), 1.5, 1.0);
        p.drawEllipse(QPointF(12.2, 9.6), 1.5, 1.0);
        mouth(p, 10.6, 1.8, 1.0);
        break;
    case 14: // sleeping
        arcEyes(p, false);
        p.setPen(QPen(kInk, 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(kCx, 11.6), 1.0, 0.8);
        p.setPen(QPen(QColor(0x20, 0x40, 0xc0), 0.9));
        p.drawLine(QPointF(12.6, 1.0), QPointF(15.4, 1.0));
        p.drawLine(QPointF(15.4, 1.0), QPointF(12.6, 3.8));
        p.drawLine(QPointF(12.6, 3.8), QPointF(15.4, 3.8));
        break;
    case 15: // devil
        frowningEyes(p, 4.8, 5.2);
        mouth(p, 10.2, 3.0);
        break;
    case 16: // angel
        dotEyes(p);
        mouth(p, 10.2, 2.6);
        break;
    case 17: // sick
        arcEyes(p, false);
        mouth(p, 11.2, -0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4a, 0x90, 0x2a));
        p.drawEllipse(QPointF(5.0, 10.0), 1.0, 0.7);
        break;
    }
}

} // namespace

QString smileyName(int index)
{
    if (index < 0 || index >= kSmileyCount)
        index = 0;
    return QString::fromLatin1(kFaces[static_cast<std::size_t>(index)].name);
}

QPixmap smileyPicture(int index, qreal devicePixelRatio)
{
    if (index < 0 || index >= kSmileyCount)
        index = 0;
    if (devicePixelRatio <= 0)
        devicePixelRatio = 1.0;
    const Face& face = kFaces[static_cast<std::size_t>(index)];
    QPixmap picture(qRound(kSmileyWidth * devicePixelRatio), qRound(kSmileyHeight * devicePixelRatio));
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    // Horns and halo sit behind or above the head.
    if (index == 15) {
        p.setPen(QPen(QColor(0x5a, 0x14, 0x6a), 0.7));
        p.setBrush(QColor(0x8a, 0x20, 0x9a));
        QPainterPath horns;
        horns.moveTo(3.2, 5.0);
        horns.lineTo(2.4, 0.6);
        horns.lineTo(6.0, 2.6);
        horns.moveTo(13.8, 5.0);
        horns.lineTo(14.6, 0.6);
        horns.lineTo(11.0, 2.6);
        p.drawPath(horns);
    }
    const double top = index == 16 ? 1.2 : 0.0; // the angel's head sits lower, under its halo
    QRadialGradient shade(QPointF(kCx - 2, kCy - 2 + top), kRadius * 1.3);
    shade.setColorAt(0.0, face.skin.lighter(125));
    shade.setColorAt(1.0, face.skin.darker(112));
    p.setPen(QPen(face.skin.darker(190), 0.9));
    p.setBrush(shade);
    p.drawEllipse(QPointF(kCx, kCy + top * 0.4), kRadius - top * 0.3, kRadius - top * 0.3);
    if (index == 16) {
        p.setPen(QPen(QColor(0xe8, 0xb0, 0x10), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(kCx, 1.4), 4.0, 1.1);
    }
    drawFeatures(p, index);
    return picture;
}

namespace {

// Draws a smiley only when a menu first needs it, at the size and pixel ratio it is asked for, so
// the eighteen entries cost nothing until the smiley menu opens.
class SmileyIconEngine : public QIconEngine {
public:
    explicit SmileyIconEngine(int index) : index_(index) {}

    QIconEngine* clone() const override { return new SmileyIconEngine(index_); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return QSize(kSmileyWidth, kSmileyHeight).scaled(size, Qt::KeepAspectRatio);
    }

    // `size` is in device pixels here (QIcon has already multiplied it by the screen's ratio).
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal) override
    {
        const QSize fitted = QSize(kSmileyWidth, kSmileyHeight).scaled(size, Qt::KeepAspectRatio);
        const qreal ratio = std::max<qreal>(1.0, qreal(fitted.width()) / kSmileyWidth);
        const auto key = qRound(ratio * 100);
        auto found = cache_.find(key);
        if (found == cache_.end())
            found = cache_.emplace(key, smileyPicture(index_, ratio)).first;
        return found->second;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture = scaledPixmap(size, mode, state, 1.0);
        picture.setDevicePixelRatio(1.0);
        return picture;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size() * scale, mode, state, scale));
    }

private:
    int index_;
    std::map<int, QPixmap> cache_;
};

} // namespace

QIcon smileyIcon(int index)
{
    if (index < 0 || index >= kSmileyCount)
        index = 0;
    return QIcon(new SmileyIconEngine(index));
}
