// The board: the spinner standing upright at the left, three toes of lying bones growing to the
// right, and on the player's turn a marker where a bone may go on each toe. Everything is drawn
// from the board table, which only the host's announcements change.
#include "game/bones.h"
#include "table/artwork.h"
#include "table/chatform.h"
#include "table/tablewidgets.h"

#include <QPainter>

int Tchat::toeRow(int toe)
{
    static constexpr int rows[4] = {0, 68, 128, 192};
    return toe >= 1 && toe <= 3 ? rows[toe] : 0;
}

void Tchat::placeboardbone(QPainter& painter, int bone, int x, bool flip, int y) const
{
    // The left half touches the inner neighbour, so the right half shows the toe's open end.
    const int top = game::gettopnum(bone);
    const int bottom = game::getbotnum(bone);
    painter.drawPixmap(x, y, artwork_->boneBackLying);
    painter.drawPixmap(x + 3, y + 3, artwork_->dotsLying[flip ? bottom : top]);
    painter.drawPixmap(x + 35, y + 3, artwork_->dotsLying[flip ? top : bottom]);
}

void Tchat::placespinner(QPainter& painter, int bone, int x, int y) const
{
    if (bone == -1)
        return;
    painter.drawPixmap(x, y, artwork_->boneBackUpright);
    painter.drawPixmap(x + 2, y + 3, artwork_->dotsUpright[game::gettopnum(bone)]);
    painter.drawPixmap(x + 2, y + 35, artwork_->dotsUpright[game::getbotnum(bone)]);
}

void Tchat::paintbox_boardPaint(QPainter& painter) const
{
    for (int toe = 1; toe <= 3; ++toe)
        for (int position = 1; position <= kDrawnPositions; ++position) {
            const game::BoardCell& cell = board_.cell(toe, position);
            if (cell.bone != 0)
                placeboardbone(painter, cell.bone, 67 * position - 3, cell.flip, toeRow(toe));
        }
    placespinner(painter, spinnerBone_, spinnerPoint_.x(), spinnerPoint_.y());
}

void Tchat::clearboard()
{
    paintbox_board->update();
    scrollBoardHome();
    for (int toe = 1; toe <= 3; ++toe) {
        image_toe[toe]->tag = 1;
        image_toe[toe]->move(68, toeRow(toe));
    }
    updateBoardRange();
}

void Tchat::scrollBoardHome() { panel_board->setScrollPosition(0); }

void Tchat::updateBoardRange()
{
    // Wide enough for the markers shown and for every bone drawn, so a long toe can be followed
    // on every table, not only on the turn of the player who sees a marker at its end.
    int right = 0;
    for (int toe = 1; toe <= 3; ++toe) {
        if (!image_toe[toe]->isHidden())
            right = std::max(right, image_toe[toe]->x() + image_toe[toe]->width());
        for (int position = kDrawnPositions; position >= 1; --position)
            if (board_.cell(toe, position).bone != 0) {
                right = std::max(right, 67 * position - 3 + 66 + 4);
                break;
            }
    }
    panel_board->setRangeWidth(right);
}

void Tchat::image_toe1Click(ClickImage* marker)
{
    if (turnSeat_ != ownSeat_)
        return;
    if (loggedIn_)
        sendToHost(game::Message("CMD_playbone")
                       .field(ownSeat_)
                       .field(selectedSlot_)
                       .field(marker->hint.toStdString())
                       .field(marker->tag)
                       .raw("+"));
    // Nothing more is accepted until the host answers with the play or with a refusal.
    turnSeat_ = 0;
}

// Only the new bone's place is painted again: a long board is wide.
void Tchat::updateCell(int toe, int position)
{
    paintbox_board->update(67 * position - 3, toeRow(toe), 66, 34);
}

void Tchat::updateSpinner()
{
    paintbox_board->update(spinnerPoint_.x(), spinnerPoint_.y(), 34, 66);
}

void Tchat::boardToeBone(int toe, int position, int bone, bool flip)
{
    board_.place(toe, position, bone, flip);
    ClickImage* marker = image_toe[toe];
    marker->move(66 * position + 70, toeRow(toe));
    marker->tag += 1;
    updateCell(toe, position);
    updateBoardRange();
}

void Tchat::boardDoubleOnToe(int toe, int position, int bone, bool flip)
{
    board_.place(toe, position, bone, flip);
    updateCell(toe, position);
    updateBoardRange();
}

void Tchat::boardSpinnerFromPlay(int bone)
{
    spinnerBone_ = bone;
    updateSpinner();
}

void Tchat::offerToe(int toe, int position)
{
    ClickImage* marker = image_toe[toe];
    marker->move(66 * position + 2, marker->y());
    marker->tag = position;
    marker->show();
    updateBoardRange();
}

void Tchat::showAllMarkers()
{
    for (int toe = 1; toe <= 3; ++toe)
        image_toe[toe]->show();
    updateBoardRange();
}

void Tchat::hideMarkers()
{
    for (int toe = 1; toe <= 3; ++toe)
        image_toe[toe]->hide();
    updateBoardRange();
}

void Tchat::clearToes()
{
    board_.clear();
    paintbox_board->update();
    updateBoardRange();
}
