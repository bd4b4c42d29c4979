#include "table/chatview.h"

#include "table/smileys.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

ChatView::ChatView(QWidget* parent) : QAbstractScrollArea(parent)
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
    styles_[chat::kLinkStyle].colour = QColor(0, 128, 0);
    styles_[chat::kLinkStyle].underline = true;
    metrics_.reserve(chat::kStyleCount);
    updateFonts();
}

// ---- Styles -------------------------------------------------------------------------------------

void ChatView::updateFonts()
{
    metrics_.clear();
    for (auto& widths : latinWidths_)
        widths.fill(-1);
    for (std::size_t n = 0; n < styles_.size(); ++n) {
        QFont font(QStringLiteral("Arial"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSize(styles_[n].pointSize);
        font.setBold(styles_[n].bold);
        font.setUnderline(styles_[n].underline);
        font.setKerning(false);
        fonts_[n] = font;
        metrics_.emplace_back(font, viewport());
    }
}

qreal ChatView::advance(int style, const QString& text) const
{
    std::array<qreal, 256>& widths = latinWidths_[static_cast<std::size_t>(style)];
    qreal sum = 0;
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            return metrics(style).horizontalAdvance(text);
        qreal& width = widths[c.unicode()];
        if (width < 0)
            width = metrics(style).horizontalAdvance(c);
        sum += width;
    }
    return sum;
}

void ChatView::setStyleColour(int n, const QColor& colour)
{
    if (n < 0 || n >= chat::kStyleCount || styles_[static_cast<std::size_t>(n)].colour == colour)
        return;
    styles_[static_cast<std::size_t>(n)].colour = colour;
    viewport()->update();
}

void ChatView::setStyleBold(int n, bool bold)
{
    if (n < 0 || n >= chat::kStyleCount || styles_[static_cast<std::size_t>(n)].bold == bold)
        return;
    styles_[static_cast<std::size_t>(n)].bold = bold;
    // A style turns bold with its first line, so no line laid out before used the other weight.
    updateFonts();
}

void ChatView::setPointSize(int points)
{
    for (Style& style : styles_)
        style.pointSize = points;
    updateFonts();
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
    line.height = layoutLine(line).height;
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
    anchor_ = cursor_ = Position{};
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
    return n < 0 ? QColor() : styles_[static_cast<std::size_t>(n)].colour;
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

int ChatView::textWidth() const { return std::max(20, viewport()->width() - 2 * kMargin); }

ChatView::Layout ChatView::layoutLine(const Line& line) const
{
    Layout layout;
    const qreal left = kMargin, right = kMargin + textWidth();
    qreal x = left;
    struct Extent {
        qreal ascent = 0, descent = 0;
        bool picture = false;
    };
    std::vector<Extent> extents(1);
    const auto newRow = [&] {
        x = left;
        extents.emplace_back();
    };
    const auto add = [&](int piece, int from, int length, qreal width) {
        layout.fragments.push_back({piece, from, length, x, width, static_cast<int>(extents.size()) - 1});
        x += width;
    };

    for (std::size_t i = 0; i < line.pieces.size(); ++i) {
        const Piece& piece = line.pieces[i];
        const QFontMetricsF& fm = metrics(piece.style);
        if (piece.picture >= 0) {
            if (x + kSmileyWidth > right && x > left)
                newRow();
            extents.back().picture = true;
            extents.back().ascent = std::max(extents.back().ascent, fm.ascent());
            extents.back().descent = std::max(extents.back().descent, fm.descent());
            add(static_cast<int>(i), static_cast<int>(piece.start), piece.length, kSmileyWidth);
            continue;
        }
        const QString word = line.text.mid(piece.start, piece.length);
        QString shown = word;
        while (shown.endsWith(QLatin1Char(' ')))
            shown.chop(1);
        const qreal inked = advance(piece.style, shown);
        if (x + inked > right && x > left)
            newRow();
        int from = static_cast<int>(piece.start), length = piece.length;
        // A word wider than a whole row is broken where the row ends.
        while (left + advance(piece.style, line.text.mid(from, length).trimmed()) > right && length > 1) {
            int fits = 1;
            while (fits < length && x + advance(piece.style, line.text.mid(from, fits + 1)) <= right)
                ++fits;
            extents.back().ascent = std::max(extents.back().ascent, fm.ascent());
            extents.back().descent = std::max(extents.back().descent, fm.descent());
            add(static_cast<int>(i), from, fits, advance(piece.style, line.text.mid(from, fits)));
            from += fits;
            length -= fits;
            newRow();
        }
        extents.back().ascent = std::max(extents.back().ascent, fm.ascent());
        extents.back().descent = std::max(extents.back().descent, fm.descent());
        add(static_cast<int>(i), from, length, advance(piece.style, line.text.mid(from, length)));
    }

    qreal top = 0;
    for (const Extent& extent : extents) {
        qreal height = std::ceil(extent.ascent + extent.descent) + 1;
        qreal ascent = extent.ascent;
        if (extent.picture && height < kSmileyHeight + 1) {
            ascent += (kSmileyHeight + 1 - height) / 2;
            height = kSmileyHeight + 1;
        }
        layout.rows.push_back({top, height, ascent});
        top += height;
    }
    layout.height = static_cast<int>(std::ceil(top));
    return layout;
}

void ChatView::relayoutAll()
{
    // A view that showed the newest line keeps showing it in the new size.
    QScrollBar* bar = verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum();
    laidOutWidth_ = viewport()->width();
    qint64 top = kTopMargin;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i].height = layoutLine(lines_[i]).height;
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

const QPixmap& ChatView::smiley(int picture) const
{
    const qreal ratio = viewport()->devicePixelRatioF();
    if (ratio != smileyRatio_) {
        for (QPixmap& cached : smileys_)
            cached = QPixmap();
        smileyRatio_ = ratio;
    }
    QPixmap& cached = smileys_[static_cast<std::size_t>(std::clamp(picture, 0, kSmileyCount - 1))];
    if (cached.isNull())
        cached = smileyPicture(picture, ratio);
    return cached;
}

void ChatView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    if (lines_.empty())
        return;
    const qint64 top = scrollTop();
    const QRect area = event->rect();
    const QPalette& colours = palette();
    const Position start = std::min(anchor_, cursor_), end = std::max(anchor_, cursor_);
    const bool selection = !(start == end);

    for (int i = lineAtY(top + area.top()); i < lineCount() && tops_[i] - top <= area.bottom(); ++i) {
        const Line& line = lines_[static_cast<std::size_t>(i)];
        const qreal y = static_cast<qreal>(tops_[i] - top);
        int selectFrom = -1, selectTo = -1;
        if (selection && i >= start.line && i <= end.line) {
            selectFrom = i == start.line ? start.offset : 0;
            selectTo = i == end.line ? end.offset : static_cast<int>(line.text.size()) + 1;
        }
        const Layout layout = layoutLine(line);
        for (const Fragment& fragment : layout.fragments) {
            const Piece& piece = line.pieces[static_cast<std::size_t>(fragment.piece)];
            const Row& row = layout.rows[static_cast<std::size_t>(fragment.row)];
            const QRectF box(fragment.x, y + row.top, fragment.width, row.height);
            const int from = std::max(selectFrom, fragment.from);
            const int to = std::min(selectTo, fragment.from + fragment.length);
            QRectF selected;
            if (selectFrom >= 0 && from < to) {
                if (piece.picture >= 0) {
                    selected = box;
                } else {
                    const qreal x0 = fragment.x + advance(piece.style, line.text.mid(fragment.from, from - fragment.from));
                    const qreal x1 = fragment.x + advance(piece.style, line.text.mid(fragment.from, to - fragment.from));
                    selected = QRectF(x0, box.top(), x1 - x0, box.height());
                }
            }
            if (piece.picture >= 0) {
                painter.drawPixmap(QPointF(fragment.x, y + row.top + (row.height - kSmileyHeight) / 2),
                                   smiley(piece.picture));
                if (!selected.isEmpty()) {
                    QColor tint = colours.color(QPalette::Highlight);
                    tint.setAlpha(110);
                    painter.fillRect(selected, tint);
                }
                continue;
            }
            const QString text = line.text.mid(fragment.from, fragment.length);
            const QPointF baseline(fragment.x, y + row.top + row.ascent);
            painter.setFont(font(piece.style));
            painter.setPen(styles_[piece.style].colour);
            painter.drawText(baseline, text);
            if (!selected.isEmpty()) {
                painter.save();
                painter.setClipRect(selected);
                painter.fillRect(selected, colours.color(QPalette::Highlight));
                painter.setPen(colours.color(QPalette::HighlightedText));
                painter.drawText(baseline, text);
                painter.restore();
            }
        }
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
    const Line& line = lines_[static_cast<std::size_t>(index)];
    const Layout layout = layoutLine(line);
    const qreal inLine = static_cast<qreal>(y - tops_[index]);
    int row = 0;
    while (row + 1 < static_cast<int>(layout.rows.size()) && inLine >= layout.rows[row + 1].top)
        ++row;
    const Fragment* last = nullptr;
    for (const Fragment& fragment : layout.fragments) {
        if (fragment.row != row)
            continue;
        if (point.x() < fragment.x && !last)
            return {index, fragment.from};
        last = &fragment;
        if (point.x() >= fragment.x + fragment.width)
            continue;
        const Piece& piece = line.pieces[static_cast<std::size_t>(fragment.piece)];
        if (piece.picture >= 0)
            return {index, point.x() < fragment.x + fragment.width / 2 ? fragment.from : fragment.from + fragment.length};
        qreal previous = fragment.x;
        for (int k = 1; k <= fragment.length; ++k) {
            const qreal next = fragment.x + advance(piece.style, line.text.mid(fragment.from, k));
            if (point.x() < (previous + next) / 2)
                return {index, fragment.from + k - 1};
            previous = next;
        }
        return {index, fragment.from + fragment.length};
    }
    return {index, last ? last->from + last->length : 0};
}

int ChatView::linkAt(const QPoint& point) const
{
    if (lines_.empty())
        return -1;
    const qint64 y = point.y() + scrollTop();
    const int index = lineAtY(y);
    if (index < 0 || y < tops_[index] || y >= tops_[index] + lines_[index].height)
        return -1;
    const Line& line = lines_[static_cast<std::size_t>(index)];
    const Layout layout = layoutLine(line);
    const qreal inLine = static_cast<qreal>(y - tops_[index]);
    for (const Fragment& fragment : layout.fragments) {
        const Row& row = layout.rows[static_cast<std::size_t>(fragment.row)];
        if (QRectF(fragment.x, row.top, fragment.width, row.height).contains(point.x(), inLine))
            return line.pieces[static_cast<std::size_t>(fragment.piece)].link;
    }
    return -1;
}

std::optional<QRect> ChatView::linkRect(int link) const
{
    if (link < 0 || link >= static_cast<int>(links_.size()))
        return std::nullopt;
    const auto [index, piece] = links_[static_cast<std::size_t>(link)];
    const Layout layout = layoutLine(lines_[static_cast<std::size_t>(index)]);
    for (const Fragment& fragment : layout.fragments)
        if (fragment.piece == piece) {
            const Row& row = layout.rows[static_cast<std::size_t>(fragment.row)];
            return QRectF(fragment.x, static_cast<qreal>(tops_[index] - scrollTop()) + row.top, fragment.width,
                          row.height)
                .toAlignedRect()
                .adjusted(1, 1, -1, -1);
        }
    return std::nullopt;
}

void ChatView::selectAll()
{
    if (lines_.empty())
        return;
    anchor_ = {0, 0};
    cursor_ = {lineCount() - 1, static_cast<int>(lines_.back().text.size())};
    viewport()->update();
}

bool ChatView::hasSelection() const { return !(anchor_ == cursor_); }

void ChatView::clearSelection()
{
    anchor_ = cursor_ = Position{};
    viewport()->update();
}

QString ChatView::selectedText() const
{
    if (!hasSelection())
        return QString();
    const Position start = std::min(anchor_, cursor_), end = std::max(anchor_, cursor_);
    QString text;
    for (int i = start.line; i <= end.line && i < lineCount(); ++i) {
        const QString& line = lines_[static_cast<std::size_t>(i)].text;
        const int from = i == start.line ? start.offset : 0;
        const int to = i == end.line ? end.offset : static_cast<int>(line.size());
        if (i != start.line)
            text += QLatin1Char('\n');
        text += line.mid(from, to - from);
    }
    return text;
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
    anchor_ = cursor_ = positionAt(point);
    selecting_ = true;
    viewport()->update();
}

void ChatView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (selecting_ && (event->buttons() & Qt::LeftButton)) {
        if ((point - pressPoint_).manhattanLength() >= QApplication::startDragDistance())
            pressedLink_ = -1; // a drag selects; it does not follow the link it started on
        cursor_ = positionAt(point);
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
        cursor_ = positionAt(event->position().toPoint());
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
    // A word ends at a blank, a full stop, a semicolon, a comma, a colon, a bracket, a brace or a
    // double quote.
    static const QString delimiters = QStringLiteral(" .;,:(){}\"");
    const Position at = positionAt(event->position().toPoint());
    const QString& text = lines_[static_cast<std::size_t>(at.line)].text;
    int from = at.offset, to = at.offset;
    while (from > 0 && !delimiters.contains(text.at(from - 1)))
        --from;
    while (to < text.size() && !delimiters.contains(text.at(to)))
        ++to;
    anchor_ = {at.line, from};
    cursor_ = {at.line, to};
    selecting_ = false;
    pressedLink_ = -1;
    viewport()->update();
}
