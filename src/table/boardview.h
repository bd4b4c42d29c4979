#pragma once
// The board: the spinner standing upright at the left, three toes of lying bones growing to the
// right, and on the player's turn a marker where a bone may go on each toe. Everything is drawn
// from the mirror's board, which only the host's announcements change.

#include "mirror/events.h"
#include "mirror/tablemirror.h"

#include <QObject>
#include <QPoint>

#include <array>
#include <functional>

class AreaContent;
class ClickImage;
class HScrollBox;
class PaintBox;
class QPainter;
class QWidget;
class TiledPicture;
struct Artwork;

class BoardView : public QObject {
public:
    static constexpr int kDrawnPositions = 20; // toe positions the board shows

    BoardView(const mirror::TableMirror& mirror, const Artwork& artwork, QWidget* panel);
    // The toe markers lie over everything else on the board, so they are made last.
    void buildMarkers();

    void react(const mirror::Event& event);
    // Markers where the mirror has them, and the scrolling range to match.
    void syncMarkers();
    // Lights the toe's marker for a hint while it shows; 0 puts the light out.
    void setHintedToe(int toe);
    int hintedToe() const { return hintedToe_; }
    QWidget* hintLight() const { return hintLight_; }

    AreaContent* content() const;
    HScrollBox* area() const { return panel_board; }
    QWidget* surface() const;
    ClickImage* marker(int toe) const { return image_toe[toe]; }
    // A click on a toe's marker.
    std::function<void(int toe)> onMarkerClick;

private:
    static int toeRow(int toe);
    void paintbox_boardPaint(QPainter& painter) const;
    void placeboardbone(QPainter& painter, int bone, int x, bool flip, int y) const;
    void placespinner(QPainter& painter, int bone, int x, int y) const;
    void clearboard();
    void updateCell(int toe, int position);
    void updateSpinner();
    void updateBoardRange();

    const mirror::TableMirror& mirror_;
    const Artwork& artwork_;
    HScrollBox* panel_board = nullptr;
    TiledPicture* image_boardback = nullptr;
    PaintBox* paintbox_board = nullptr;
    std::array<ClickImage*, mirror::kToes + 1> image_toe{};
    QWidget* hintLight_ = nullptr;
    int hintedToe_ = 0;
    const QPoint spinnerPoint_{16, 124};
};
