#include "table/seatrows.h"

#include "table/artwork.h"
#include "table/tablewidgets.h"
#include "table/wiretext.h"

#include <QLabel>

#include <algorithm>

namespace {

constexpr int kSeatColumnX[2] = {5, 216};
constexpr int kSeatRowY[3] = {398, 428, 458};

QLabel* makePicture(QWidget* parent, const QString& name, const QPixmap& pixmap, QRect geometry)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setPixmap(pixmap);
    picture->setScaledContents(true);
    picture->setGeometry(geometry);
    return picture;
}

// A label is only touched when its text changes: the rows are refreshed after every message.
void setText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

QString signedScore(int score) { return score > 0 ? QStringLiteral("+%1").arg(score) : QString::number(score); }

QString shown(const std::string& wire) { return fromWire(wire); }

SeatRows::SeatRows(const mirror::TableMirror& mirror, const Artwork& artwork, QWidget* panel)
    : QObject(panel), mirror_(mirror)
{
    for (int seat = 1; seat <= mirror::kSeatCount; ++seat)
        buildRow(seat, artwork, panel);
}

void SeatRows::buildRow(int seat, const Artwork& artwork, QWidget* panel)
{
    const int x = kSeatColumnX[(seat - 1) / 3];
    const int y = kSeatRowY[(seat - 1) % 3];
    const auto name = [seat](const char* stem) { return QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(seat); };

    image_turn[seat] = makePicture(panel, name("image_turn"), artwork.turnIndicator, {x, y, 204, 26});
    image_turn[seat]->hide();
    image_eyes[seat] = makePicture(panel, name("image_eyes"), artwork.watchingMark, {x + 1, y + 3, 22, 8});
    image_eyes[seat]->hide();
    label_bones[seat] = new QLabel(panel);
    label_bones[seat]->setGeometry(x + 4, y + 6, 18, 14);
    label_playername[seat] = new QLabel(QStringLiteral("<Waiting>"), panel);
    // A name is the player's own text, never markup; and a right-to-left one starts where the
    // column does, as every other name.
    label_playername[seat]->setTextFormat(Qt::PlainText);
    label_playername[seat]->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
    label_playername[seat]->setGeometry(x + 24, y + 5, 105, 16);
    QFont bold = label_playername[seat]->font();
    bold.setBold(true);
    label_playername[seat]->setFont(bold);
    label_score[seat] = new QLabel(QStringLiteral("0"), panel);
    label_score[seat]->setGeometry(x + 136, y + 5, 30, 16);
    label_bonus[seat] = new QLabel(panel);
    label_bonus[seat]->setGeometry(x + 168, y + 5, 34, 16);
    label_bones[seat]->setObjectName(name("label_bones"));
    label_playername[seat]->setObjectName(name("label_playername"));
    label_score[seat]->setObjectName(name("label_score"));
    label_bonus[seat]->setObjectName(name("label_bonus"));

    QLabel* label = label_playername[seat];
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(label, &QWidget::customContextMenuRequested, this, [this, seat, label](const QPoint& position) {
        if (onSeatMenu)
            onSeatMenu(seat, label->mapToGlobal(position));
    });
}

QString SeatRows::caption(int seat) const { return mirror::isSeat(seat) ? label_playername[seat]->text() : QString(); }

namespace {

bool sameRow(const mirror::SeatState& a, const mirror::SeatState& b)
{
    return a.name == b.name && a.watching == b.watching && a.bonesLeft == b.bonesLeft && a.total == b.total &&
           a.roundScore == b.roundScore && a.turn == b.turn;
}

bool sameSpectators(const std::vector<mirror::Spectator>& a, const std::vector<mirror::Spectator>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.number == y.number && x.name == y.name;
    });
}

} // namespace

void SeatRows::refresh()
{
    for (int seat = 1; seat <= mirror::kSeatCount; ++seat) {
        const mirror::SeatState& state = mirror_.seat(seat);
        if (drawn_[seat] && sameRow(*drawn_[seat], state))
            continue;
        drawn_[seat] = state;
        setText(label_playername[seat], shown(state.name));
        setText(label_bones[seat], state.bonesLeft ? QString::number(*state.bonesLeft) : QString());
        setText(label_score[seat], QString::number(state.total));
        setText(label_bonus[seat], state.roundScore ? signedScore(*state.roundScore) : QString());
        image_turn[seat]->setVisible(state.turn);
        image_eyes[seat]->setVisible(state.watching);
    }
    const std::vector<mirror::Spectator>& spectators = mirror_.state().spectators;
    if (sameSpectators(spectators, drawnSpectators_))
        return;
    drawnSpectators_ = spectators;
    QStringList spies;
    for (const mirror::Spectator& spectator : spectators)
        spies.append(QStringLiteral("%1: %2").arg(spectator.number).arg(shown(spectator.name)));
    spectators_.setStringList(spies);
}
