#pragma once
// The small widgets the table window is built from: pictures that react to the mouse, the bone
// images of the hand, the board's drawing surface and the horizontally scrolling areas.

#include <QLabel>
#include <QScrollArea>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;

// A picture that reports clicks (toe markers, the pass and start buttons, the banner).
// Tag and hint play the parts the table gives them: a toe marker's tag is the position it
// offers and its hint the toe number.
class ClickImage : public QLabel {
    Q_OBJECT
public:
    explicit ClickImage(QWidget* parent = nullptr);

    int tag = 0;
    QString hint;

signals:
    void clicked(ClickImage* self);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// One bone of the player's hand, named "bone<slot>". Tag is the hand slot, hint the bone number.
class BoneImage : public QLabel {
    Q_OBJECT
public:
    BoneImage(int slot, int bone, QWidget* parent);

    // A bone stands lower in the row until it is raised as the selection.
    static constexpr int kLoweredTop = 12;
    static constexpr int kRaisedTop = 4;
    bool raised() const { return y() == kRaisedTop; }

    int tag;  // hand slot
    int hint; // bone number

signals:
    void mouseDown(BoneImage* self, Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// A transparent surface whose painting is done by its owner (the board's paint handler).
class PaintBox : public QWidget {
public:
    using PaintHandler = std::function<void(QPainter&)>;
    PaintBox(PaintHandler handler, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PaintHandler handler_;
};

// A picture repeated to the right every `step` pixels from x 0, as the board is wiped to.
class TiledPicture : public QWidget {
public:
    TiledPicture(const QPixmap& picture, int step, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    int step_;
};

// The content of a scrolling area: children registered as fillers always cover all of it
// (background pictures, drawing surfaces).
class AreaContent : public QWidget {
public:
    using QWidget::QWidget;
    void addFiller(QWidget* child);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<QWidget*> fillers_;
};

// A box that scrolls horizontally only. Its content is as high as the visible area and as wide
// as the larger of the visible width and the range its owner asks for.
class HScrollBox : public QScrollArea {
public:
    explicit HScrollBox(QWidget* parent);

    AreaContent* content() const { return content_; }
    void setRangeWidth(int width);
    int rangeWidth() const { return rangeWidth_; }
    int scrollPosition() const;
    void setScrollPosition(int x);

private:
    AreaContent* content_;
    int rangeWidth_ = 0;
};
