#include "table/tablewidgets.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <QScrollBar>

ClickImage::ClickImage(QWidget* parent) : QLabel(parent)
{
    setScaledContents(true);
    setCursor(Qt::PointingHandCursor);
}

void ClickImage::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickImage::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release on the picture, as with any button.
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked(this);
}

BoneImage::BoneImage(int slot, int bone, QWidget* parent) : QLabel(parent), tag(slot), hint(bone)
{
    setObjectName(QStringLiteral("bone%1").arg(slot));
    setScaledContents(true);
}

void BoneImage::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseDown(this, event->button());
}

PaintBox::PaintBox(PaintHandler handler, QWidget* parent) : QWidget(parent), handler_(std::move(handler))
{
    // Clicks go to the markers above it or to nothing; never to the drawing.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (handler_)
        handler_(painter);
}

TiledPicture::TiledPicture(const QPixmap& picture, int step, QWidget* parent)
    : QWidget(parent), picture_(picture), step_(std::max(step, 1))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TiledPicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    for (int x = (dirty.left() / step_) * step_ - step_; x <= dirty.right(); x += step_)
        if (x >= 0)
            painter.drawPixmap(x, 0, picture_);
}

void AreaContent::addFiller(QWidget* child)
{
    fillers_.push_back(child);
    child->setGeometry(rect());
    child->lower();
}

void AreaContent::resizeEvent(QResizeEvent* event)
{
    for (QWidget* filler : fillers_)
        filler->setGeometry(rect());
    QWidget::resizeEvent(event);
}

HScrollBox::HScrollBox(QWidget* parent) : QScrollArea(parent), content_(new AreaContent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The content follows the visible height; its minimum width is the scroll range.
    setWidgetResizable(true);
    setWidget(content_);
}

void HScrollBox::setRangeWidth(int width)
{
    if (width == rangeWidth_)
        return;
    rangeWidth_ = width;
    content_->setMinimumWidth(width);
}

int HScrollBox::scrollPosition() const { return horizontalScrollBar()->value(); }

void HScrollBox::setScrollPosition(int x) { horizontalScrollBar()->setValue(x); }
