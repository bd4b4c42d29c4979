#include "table/chattypesetter.h"

#include "table/smileys.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

ChatTypesetter::ChatTypesetter(const QWidget& surface) : surface_(surface)
{
    styles_[chat::kLinkStyle].colour = QColor(0, 128, 0);
    styles_[chat::kLinkStyle].underline = true;
    metrics_.reserve(chat::kStyleCount);
    updateFonts();
}

// ---- Styles -------------------------------------------------------------------------------------

void ChatTypesetter::updateFonts()
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
        metrics_.emplace_back(font, &surface_);
    }
}

qreal ChatTypesetter::advance(int style, const QString& text) const
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

bool ChatTypesetter::setColour(int n, const QColor& colour)
{
    if (n < 0 || n >= chat::kStyleCount || styles_[static_cast<std::size_t>(n)].colour == colour)
        return false;
    styles_[static_cast<std::size_t>(n)].colour = colour;
    return true;
}

bool ChatTypesetter::setBold(int n, bool bold)
{
    if (n < 0 || n >= chat::kStyleCount || styles_[static_cast<std::size_t>(n)].bold == bold)
        return false;
    styles_[static_cast<std::size_t>(n)].bold = bold;
    // A style turns bold with its first line, so no line laid out before used the other weight.
    updateFonts();
    return true;
}

void ChatTypesetter::setPointSize(int points)
{
    for (Style& style : styles_)
        style.pointSize = points;
    updateFonts();
}

// ---- Layout -------------------------------------------------------------------------------------

int ChatTypesetter::textWidth() const { return std::max(20, surface_.width() - 2 * kMargin); }

ChatTypesetter::Layout ChatTypesetter::layout(const Line& line) const
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

// ---- Painting -----------------------------------------------------------------------------------

const QPixmap& ChatTypesetter::smiley(int picture) const
{
    const qreal ratio = surface_.devicePixelRatioF();
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

void ChatTypesetter::paint(QPainter& painter, const Line& line, qreal y, int selectFrom, int selectTo,
                           const QPalette& colours) const
{
    const Layout laid = layout(line);
    for (const Fragment& fragment : laid.fragments) {
        const Piece& piece = line.pieces[static_cast<std::size_t>(fragment.piece)];
        const Row& row = laid.rows[static_cast<std::size_t>(fragment.row)];
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

// ---- Hit-testing --------------------------------------------------------------------------------

int ChatTypesetter::offsetAt(const Line& line, const QPointF& point) const
{
    const Layout laid = layout(line);
    int row = 0;
    while (row + 1 < static_cast<int>(laid.rows.size()) && point.y() >= laid.rows[row + 1].top)
        ++row;
    const Fragment* last = nullptr;
    for (const Fragment& fragment : laid.fragments) {
        if (fragment.row != row)
            continue;
        if (point.x() < fragment.x && !last)
            return fragment.from;
        last = &fragment;
        if (point.x() >= fragment.x + fragment.width)
            continue;
        const Piece& piece = line.pieces[static_cast<std::size_t>(fragment.piece)];
        if (piece.picture >= 0)
            return point.x() < fragment.x + fragment.width / 2 ? fragment.from : fragment.from + fragment.length;
        qreal previous = fragment.x;
        for (int k = 1; k <= fragment.length; ++k) {
            const qreal next = fragment.x + advance(piece.style, line.text.mid(fragment.from, k));
            if (point.x() < (previous + next) / 2)
                return fragment.from + k - 1;
            previous = next;
        }
        return fragment.from + fragment.length;
    }
    return last ? last->from + last->length : 0;
}

int ChatTypesetter::linkAt(const Line& line, const QPointF& point) const
{
    const Layout laid = layout(line);
    for (const Fragment& fragment : laid.fragments) {
        const Row& row = laid.rows[static_cast<std::size_t>(fragment.row)];
        if (QRectF(fragment.x, row.top, fragment.width, row.height).contains(point))
            return line.pieces[static_cast<std::size_t>(fragment.piece)].link;
    }
    return -1;
}

std::optional<QRectF> ChatTypesetter::pieceBox(const Line& line, int piece) const
{
    const Layout laid = layout(line);
    for (const Fragment& fragment : laid.fragments)
        if (fragment.piece == piece) {
            const Row& row = laid.rows[static_cast<std::size_t>(fragment.row)];
            return QRectF(fragment.x, row.top, fragment.width, row.height);
        }
    return std::nullopt;
}
