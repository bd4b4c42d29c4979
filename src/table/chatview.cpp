#include "table/chatview.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

ChatView::ChatView(QWidget* parent) : QAbstractScrollArea(parent), typesetter_(*viewport())
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = viewport()->palette();
    colours.setColor(QPalette::Base, QColor(226, 228, 182));
    colours.setColor(QPalette::Window, QColor(226, 228, 182));
    viewport()->setPalette(colours);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::ClickFocus);
    verticalScrollBar()->setSingleStep(16);
}

// ---- Styles -------------------------------------------------------------------------------------

void ChatView::setStyleColour(int n, const QColor& colour)
{
    if (typesetter_.setColour(n, colour))
        viewport()->update();
}

void ChatView::setStyleBold(int n, bool bold) { typesetter_.setBold(n, bold); }

void ChatView::setPointSize(int points)
{
    typesetter_.setPointSize(points);
    relayoutAll();
}

// ---- Lines --------------------------------------------------------------------------------------

void ChatView::addLine(const chat::Line& parsed, bool scrollToEnd)
{
    Line line;
    const int index = static_cast<int>(lines_.size());
    line.pieces.reserve(parsed.pieces.size());
    for (const chat::Piece& piece : parsed.pieces) {
        Piece stored{static_cast<std::uint32_t>(line.text.size()),
                     static_cast<std::uint16_t>(std::min<qsizetype>(piece.text.size(), 0xFFFF)),
                     static_cast<std::uint8_t>(piece.style), static_cast<std::int8_t>(piece.picture), -1};
        if (piece.kind == chat::Piece::Link) {
            stored.link = linkCount_++;
            links_.emplace_back(index, static_cast<int>(line.pieces.size()));
        }
        line.text += piece.text.left(stored.length);
        line.pieces.push_back(stored);
    }
    line.height = typesetter_.layout(line).height;
    tops_.push_back(lines_.empty() ? kTopMargin : tops_.back() + lines_.back().height);
    lines_.push_back(std::move(line));
    updateScrollRange();
    if (scrollToEnd)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    viewport()->update();
}

void ChatView::clear()
{
    lines_.clear();
    tops_.clear();
    links_.clear();
    linkCount_ = 0;
    selection_.clear();
    selecting_ = false;
    pressedLink_ = -1;
    updateScrollRange();
    viewport()->update();
}

QString ChatView::lineText(int line) const
{
    return line >= 0 && line < lineCount() ? lines_[static_cast<std::size_t>(line)].text : QString();
}

QString ChatView::toPlainText() const
{
    QString text;
    for (const Line& line : lines_) {
        if (&line != &lines_.front())
            text += QLatin1Char('\n');
        text += line.text;
    }
    return text;
}

int ChatView::styleAt(int line, int character) const
{
    if (line < 0 || line >= lineCount())
        return -1;
    for (const Piece& piece : lines_[static_cast<std::size_t>(line)].pieces)
        if (character >= static_cast<int>(piece.start) && character < static_cast<int>(piece.start + piece.length))
            return piece.style;
    return -1;
}

QColor ChatView::colourAt(int line, int character) const
{
    const int n = styleAt(line, character);
    return n < 0 ? QColor() : typesetter_.style(n).colour;
}

QString ChatView::pieceKinds(int line) const
{
    QString kinds;
    if (line < 0 || line >= lineCount())
        return kinds;
    for (const Piece& piece : lines_[static_cast<std::size_t>(line)].pieces)
        if (piece.picture >= 0)
            kinds += QLatin1Char('S') + QString::number(piece.picture);
        else
            kinds += piece.link >= 0 ? QLatin1Char('L') : QLatin1Char('T');
    return kinds;
}

QString ChatView::linkText(int link) const
{
    if (link < 0 || link >= static_cast<int>(links_.size()))
        return QString();
    const auto [line, piece] = links_[static_cast<std::size_t>(link)];
    const Line& holder = lines_[static_cast<std::size_t>(line)];
    const Piece& p = holder.pieces[static_cast<std::size_t>(piece)];
    return holder.text.mid(p.start, p.length);
}

// ---- Layout -------------------------------------------------------------------------------------

void ChatView::relayoutAll()
{
    // A view that showed the newest line keeps showing it in the new size.
    QScrollBar* bar = verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum();
    laidOutWidth_ = viewport()->width();
    qint64 top = kTopMargin;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i].height = typesetter_.layout(lines_[i]).height;
        tops_[i] = top;
        top += lines_[i].height;
    }
    updateScrollRange();
    if (atEnd)
        bar->setValue(bar->maximum());
    viewport()->update();
}

qint64 ChatView::documentHeight() const
{
    return lines_.empty() ? 0 : tops_.back() + lines_.back().height + kTopMargin;
}

void ChatView::updateScrollRange()
{
    QScrollBar* bar = verticalScrollBar();
    const qint64 range = std::max<qint64>(0, documentHeight() - viewport()->height());
    bar->setRange(0, static_cast<int>(std::min<qint64>(range, INT32_MAX)));
    bar->setPageStep(viewport()->height());
}

void ChatView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (viewport()->width() != laidOutWidth_)
        relayoutAll();
    else
        updateScrollRange();
}

qint64 ChatView::scrollTop() const { return verticalScrollBar()->value(); }

int ChatView::lineAtY(qint64 y) const
{
    if (tops_.empty())
        return -1;
    const auto after = std::upper_bound(tops_.begin(), tops_.end(), y);
    return after == tops_.begin() ? 0 : static_cast<int>(after - tops_.begin()) - 1;
}

// ---- Painting -----------------------------------------------------------------------------------

void ChatView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    if (lines_.empty())
        return;
    const qint64 top = scrollTop();
    const QRect area = event->rect();
    for (int i = lineAtY(top + area.top()); i < lineCount() && tops_[i] - top <= area.bottom(); ++i) {
        const Line& line = lines_[static_cast<std::size_t>(i)];
        const auto [selectFrom, selectTo] = selection_.span(i, static_cast<int>(line.text.size()));
        typesetter_.paint(painter, line, static_cast<qreal>(tops_[i] - top), selectFrom, selectTo, palette());
    }
}

// ---- Selection and links ------------------------------------------------------------------------

ChatView::Position ChatView::positionAt(const QPoint& point) const
{
    if (lines_.empty())
        return {};
    const qint64 y = point.y() + scrollTop();
    if (y < tops_.front())
        return {0, 0};
    if (y >= tops_.back() + lines_.back().height)
        return {lineCount() - 1, static_cast<int>(lines_.back().text.size())};
    const int index = lineAtY(y);
    const QPointF inLine(point.x(), static_cast<qreal>(y - tops_[index]));
    return {index, typesetter_.offsetAt(lines_[static_cast<std::size_t>(index)], inLine)};
}

int ChatView::linkAt(const QPoint& point) const
{
    if (lines_.empty())
        return -1;
    const qint64 y = point.y() + scrollTop();
    const int index = lineAtY(y);
    if (index < 0 || y < tops_[index] || y >= tops_[index] + lines_[index].height)
        return -1;
    const QPointF inLine(point.x(), static_cast<qreal>(y - tops_[index]));
    return typesetter_.linkAt(lines_[static_cast<std::size_t>(index)], inLine);
}

std::optional<QRect> ChatView::linkRect(int link) const
{
    if (link < 0 || link >= static_cast<int>(links_.size()))
        return std::nullopt;
    const auto [index, piece] = links_[static_cast<std::size_t>(link)];
    const std::optional<QRectF> box = typesetter_.pieceBox(lines_[static_cast<std::size_t>(index)], piece);
    if (!box)
        return std::nullopt;
    return box->translated(0, static_cast<qreal>(tops_[index] - scrollTop())).toAlignedRect().adjusted(1, 1, -1, -1);
}

QRect ChatView::lineRect(int line) const
{
    if (line < 0 || line >= lineCount())
        return {};
    return QRect(0, static_cast<int>(tops_[line] - scrollTop()), viewport()->width(), lines_[line].height);
}

void ChatView::selectAll()
{
    if (lines_.empty())
        return;
    selection_.set({0, 0}, {lineCount() - 1, static_cast<int>(lines_.back().text.size())});
    viewport()->update();
}

bool ChatView::hasSelection() const { return !selection_.isEmpty(); }

void ChatView::clearSelection()
{
    selection_.clear();
    viewport()->update();
}

QString ChatView::selectedText() const
{
    return selection_.text(lineCount(), [this](int line) { return lines_[static_cast<std::size_t>(line)].text; });
}

void ChatView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    pressedLink_ = linkAt(point);
    pressPoint_ = point;
    const Position at = positionAt(point);
    selection_.set(at, at);
    selecting_ = true;
    viewport()->update();
}

void ChatView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (selecting_ && (event->buttons() & Qt::LeftButton)) {
        if ((point - pressPoint_).manhattanLength() >= QApplication::startDragDistance())
            pressedLink_ = -1; // a drag selects; it does not follow the link it started on
        selection_.moveCursor(positionAt(point));
        viewport()->update();
    }
    viewport()->setCursor(linkAt(point) >= 0 ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

void ChatView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    if (selecting_)
        selection_.moveCursor(positionAt(event->position().toPoint()));
    selecting_ = false;
    const int link = pressedLink_;
    pressedLink_ = -1;
    if (link >= 0 && linkAt(event->position().toPoint()) == link && onLinkClicked)
        onLinkClicked(link);
}

void ChatView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || lines_.empty()) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    const Position at = positionAt(event->position().toPoint());
    selection_.selectWord(lines_[static_cast<std::size_t>(at.line)].text, at);
    selecting_ = false;
    pressedLink_ = -1;
    viewport()->update();
}
