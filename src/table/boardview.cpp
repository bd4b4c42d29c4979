#include "table/boardview.h"

#include "game/bones.h"
#include "table/artwork.h"
#include "table/tablewidgets.h"

#include <QPainter>

#include <type_traits>

namespace {

// A glowing frame around the hinted marker; clicks go through it to the marker.
class HintLight : public QWidget {
public:
    explicit HintLight(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("hintlight"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF frame = QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5);
        painter.setPen(QPen(QColor(255, 235, 80, 200), 7));
        painter.drawRoundedRect(frame, 7, 7);
        painter.setPen(QPen(QColor(220, 70, 0), 3));
        painter.drawRoundedRect(frame, 7, 7);
    }
};

constexpr int kLightMargin = 8;

} // namespace

BoardView::BoardView(const mirror::TableMirror& mirror, const Artwork& artwork, QWidget* panel)
    : QObject(panel), mirror_(mirror), artwork_(artwork)
{
    panel_board = new HScrollBox(panel);
    panel_board->setObjectName(QStringLiteral("panel_board"));
    panel_board->setGeometry(3, 3, 774, 262);
    AreaContent* board = panel_board->content();
    board->setObjectName(QStringLiteral("boardcontent"));
    // The felt is laid every 750 pixels, as wiping the board draws it, and never stretched.
    image_boardback = new TiledPicture(artwork_.boardBackground, 750, board);
    image_boardback->setObjectName(QStringLiteral("image_boardback"));
    paintbox_board = new PaintBox([this](QPainter& painter) { paintbox_boardPaint(painter); }, board);
    paintbox_board->setObjectName(QStringLiteral("paintbox_board"));
    board->addFiller(paintbox_board);
    board->addFiller(image_boardback);
}

void BoardView::buildMarkers()
{
    for (int toe = 1; toe <= mirror::kToes; ++toe) {
        auto* marker = new ClickImage(content());
        marker->setObjectName(QStringLiteral("image_toe%1").arg(toe));
        marker->setGeometry(68, toeRow(toe), 66, 34);
        marker->hint = QString::number(toe);
        marker->tag = 1;
        marker->hide();
        connect(marker, &ClickImage::clicked, this, [this, toe] {
            if (onMarkerClick)
                onMarkerClick(toe);
        });
        image_toe[toe] = marker;
    }
    hintLight_ = new HintLight(content());
}

void BoardView::setHintedToe(int toe)
{
    hintedToe_ = game::Board::isValidToe(toe) ? toe : 0;
    syncMarkers();
}

AreaContent* BoardView::content() const { return panel_board->content(); }

QWidget* BoardView::surface() const { return paintbox_board; }

int BoardView::toeRow(int toe)
{
    static constexpr int rows[4] = {0, 68, 128, 192};
    return toe >= 1 && toe <= 3 ? rows[toe] : 0;
}

void BoardView::placeboardbone(QPainter& painter, int bone, int x, bool flip, int y) const
{
    // The left half touches the inner neighbour, so the right half shows the toe's open end.
    const int top = game::gettopnum(bone);
    const int bottom = game::getbotnum(bone);
    painter.drawPixmap(x, y, artwork_.boneBackLying);
    painter.drawPixmap(x + 3, y + 3, artwork_.dotsLying[flip ? bottom : top]);
    painter.drawPixmap(x + 35, y + 3, artwork_.dotsLying[flip ? top : bottom]);
}

void BoardView::placespinner(QPainter& painter, int bone, int x, int y) const
{
    if (bone == -1)
        return;
    painter.drawPixmap(x, y, artwork_.boneBackUpright);
    painter.drawPixmap(x + 2, y + 3, artwork_.dotsUpright[game::gettopnum(bone)]);
    painter.drawPixmap(x + 2, y + 35, artwork_.dotsUpright[game::getbotnum(bone)]);
}

void BoardView::paintbox_boardPaint(QPainter& painter) const
{
    const game::Board& board = mirror_.state().board;
    for (int toe = 1; toe <= 3; ++toe)
        for (int position = 1; position <= kDrawnPositions; ++position) {
            const game::BoardCell& cell = board.cell(toe, position);
            if (cell.bone != 0)
                placeboardbone(painter, cell.bone, 67 * position - 3, cell.flip, toeRow(toe));
        }
    placespinner(painter, mirror_.state().spinnerBone, spinnerPoint_.x(), spinnerPoint_.y());
}

void BoardView::react(const mirror::Event& event)
{
    std::visit(
        [this](const auto& happened) {
            using E = std::decay_t<decltype(happened)>;
            if constexpr (std::is_same_v<E, mirror::GameStarted> || std::is_same_v<E, mirror::RoundStarted> ||
                          std::is_same_v<E, mirror::SpinnerReloaded> || std::is_same_v<E, mirror::GameInProgress>) {
                clearboard();
            } else if constexpr (std::is_same_v<E, mirror::Played>) {
                if (happened.position != 0)
                    updateCell(happened.toe, happened.position);
                else
                    updateSpinner();
            } else if constexpr (std::is_same_v<E, mirror::GameWon>) {
                panel_board->setScrollPosition(0);
            }
        },
        event);
}

void BoardView::clearboard()
{
    paintbox_board->update();
    panel_board->setScrollPosition(0);
}

void BoardView::syncMarkers()
{
    for (int toe = 1; toe <= mirror::kToes; ++toe) {
        const mirror::Marker& marker = mirror_.state().markers[toe];
        ClickImage* image = image_toe[toe];
        // Offered, a marker stands at its position; after a play it stands beside the new bone.
        const int x = marker.placedAt != 0 ? 66 * marker.placedAt + 70 : 66 * marker.position + 2;
        if (image->x() != x)
            image->move(x, toeRow(toe));
        image->tag = marker.position;
        if (marker.shown && image->pixmap().isNull())
            image->setPixmap(artwork_.toeMarker());
        image->setVisible(marker.shown);
    }
    const ClickImage* lit = hintedToe_ != 0 ? image_toe[hintedToe_] : nullptr;
    if (lit && !lit->isHidden()) {
        hintLight_->setGeometry(lit->geometry().adjusted(-kLightMargin, -kLightMargin, kLightMargin, kLightMargin));
        hintLight_->show();
        hintLight_->raise();
    } else {
        hintLight_->hide();
    }
    updateBoardRange();
}

// Only the new bone's place is painted again: a long board is wide.
void BoardView::updateCell(int toe, int position)
{
    paintbox_board->update(67 * position - 3, toeRow(toe), 66, 34);
}

void BoardView::updateSpinner()
{
    paintbox_board->update(spinnerPoint_.x(), spinnerPoint_.y(), 34, 66);
}

void BoardView::updateBoardRange()
{
    // Wide enough for the markers shown and for every bone drawn, so a long toe can be followed
    // on every table, not only on the turn of the player who sees a marker at its end.
    const game::Board& board = mirror_.state().board;
    int right = 0;
    for (int toe = 1; toe <= 3; ++toe) {
        if (!image_toe[toe]->isHidden())
            right = std::max(right, image_toe[toe]->x() + image_toe[toe]->width());
        for (int position = kDrawnPositions; position >= 1; --position)
            if (board.cell(toe, position).bone != 0) {
                right = std::max(right, 67 * position - 3 + 66 + 4);
                break;
            }
    }
    panel_board->setRangeWidth(right);
}
