#include "table/chattypesetter.h"

#include "table/smileys.h"

#include <QPainter>
#include <QPalette>
#include <QTextBoundaryFinder>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

bool isPictograph(char32_t c) { return c >= 0x1F000 && c <= 0x1FAFF; }
// Joiner, presentation selector, keycap and tags: they never start an emoji, only go on with one.
bool continuesEmoji(char32_t c) { return c == 0x200D || c == 0xFE0F || c == 0x20E3 || (c >= 0xE0020 && c <= 0xE007F); }

struct Run {
    int from;
    int length;
    bool emoji;
};

// A text cut into runs of emoji and runs of other text.
std::vector<Run> emojiRuns(const QString& text)
{
    std::vector<Run> runs;
    bool afterJoiner = false;
    for (int i = 0; i < text.size();) {
        char32_t c = text[i].unicode();
        int size = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            size = 2;
        }
        const bool inEmoji = !runs.empty() && runs.back().emoji;
        const bool presentation = i + size < text.size() && text[i + size].unicode() == 0xFE0F;
        const bool emoji = isPictograph(c) || presentation || (inEmoji && (continuesEmoji(c) || afterJoiner));
        afterJoiner = c == 0x200D;
        if (runs.empty() || runs.back().emoji != emoji)
            runs.push_back({i, 0, emoji});
        runs.back().length += size;
        i += size;
    }
    return runs;
}

// Whether a text may hold an emoji at all: most chat is Latin-1 and skips the cutting.
bool mayHoldEmoji(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isHighSurrogate() || c.unicode() == 0xFE0F; });
}

enum class Direction { Neutral, Left, Right };

// Right to left when the text has right-to-left letters and no left-to-right ones. A mix reads
// left to right and orders its own parts when drawn.
Direction direction(const QString& text)
{
    bool left = false, right = false;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Direction d = QChar::direction(c);
        left = left || d == QChar::DirL;
        right = right || d == QChar::DirR || d == QChar::DirAL;
    }
    return left ? Direction::Left : right ? Direction::Right : Direction::Neutral;
}

// Where a text may be cut without splitting a character (a surrogate pair, a letter with its
// marks, an emoji sequence): the end of each grapheme cluster, the text's end last.
std::vector<int> clusterEnds(const QString& text)
{
    std::vector<int> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
        ends.push_back(static_cast<int>(at));
    return ends;
}

} // namespace

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
    emojiMetrics_.clear();
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
        QFont emoji(QStringLiteral("Noto Color Emoji"));
        emoji.setPointSize(styles_[n].pointSize);
        emoji.setUnderline(styles_[n].underline);
        emojiFonts_[n] = emoji;
        emojiMetrics_.emplace_back(emoji, &surface_);
    }
}

qreal ChatTypesetter::advance(int style, const QString& text) const
{
    std::array<qreal, 256>& widths = latinWidths_[static_cast<std::size_t>(style)];
    qreal sum = 0;
    for (QChar c : text) {
        if (c.unicode() > 0xFF) {
            if (!mayHoldEmoji(text))
                return metrics(style).horizontalAdvance(text);
            qreal width = 0;
            for (const Run& run : emojiRuns(text))
                width += (run.emoji ? emojiMetrics_[static_cast<std::size_t>(style)] : metrics(style))
                             .horizontalAdvance(text.mid(run.from, run.length));
            return width;
        }
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
    const auto grow = [&](int style, const QString& text) {
        for (const QFontMetricsF* fm : {&metrics(style), &emojiMetrics_[static_cast<std::size_t>(style)]}) {
            extents.back().ascent = std::max(extents.back().ascent, fm->ascent());
            extents.back().descent = std::max(extents.back().descent, fm->descent());
            if (!mayHoldEmoji(text))
                break;
        }
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
        // A word wider than a whole row is broken where the row ends, between two characters.
        while (left + advance(piece.style, line.text.mid(from, length).trimmed()) > right) {
            const std::vector<int> ends = clusterEnds(line.text.mid(from, length));
            if (ends.size() < 2)
                break;
            int fits = ends.front();
            for (std::size_t k = 1; k + 1 < ends.size() && x + advance(piece.style, line.text.mid(from, ends[k])) <= right; ++k)
                fits = ends[k];
            const QString part = line.text.mid(from, fits);
            grow(piece.style, part);
            add(static_cast<int>(i), from, fits, advance(piece.style, part));
            from += fits;
            length -= fits;
            newRow();
        }
        const QString part = line.text.mid(from, length);
        grow(piece.style, part);
        add(static_cast<int>(i), from, length, advance(piece.style, part));
    }
    reorderRightToLeft(line, layout);

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

void ChatTypesetter::reorderRightToLeft(const Line& line, Layout& layout)
{
    // Right-to-left words in a line that reads left to right: each run of them, with the blanks
    // and smileys between them, is shown in reverse order in the place it takes.
    // No right-to-left letter comes before the Hebrew block: most lines stop here.
    if (std::none_of(line.text.begin(), line.text.end(), [](QChar c) { return c.unicode() >= 0x0590; }))
        return;
    std::vector<Fragment>& fragments = layout.fragments;
    std::vector<Direction> directions;
    directions.reserve(fragments.size());
    bool any = false;
    for (const Fragment& fragment : fragments) {
        const bool picture = line.pieces[static_cast<std::size_t>(fragment.piece)].picture >= 0;
        directions.push_back(picture ? Direction::Neutral : direction(line.text.mid(fragment.from, fragment.length)));
        any = any || directions.back() == Direction::Right;
    }
    if (!any)
        return;
    const auto rightToLeft = [&](std::size_t k) {
        if (directions[k] != Direction::Neutral)
            return directions[k] == Direction::Right;
        // Between two right-to-left words of its row a neutral one goes with them.
        std::size_t before = k, after = k;
        while (before > 0 && fragments[before - 1].row == fragments[k].row && directions[before - 1] == Direction::Neutral)
            --before;
        while (after + 1 < fragments.size() && fragments[after + 1].row == fragments[k].row &&
               directions[after + 1] == Direction::Neutral)
            ++after;
        return before > 0 && fragments[before - 1].row == fragments[k].row && directions[before - 1] == Direction::Right &&
               after + 1 < fragments.size() && fragments[after + 1].row == fragments[k].row &&
               directions[after + 1] == Direction::Right;
    };
    for (std::size_t k = 0; k < fragments.size(); ++k)
        fragments[k].rightToLeft = rightToLeft(k);
    for (std::size_t first = 0; first < fragments.size();) {
        if (!fragments[first].rightToLeft) {
            ++first;
            continue;
        }
        std::size_t last = first;
        while (last + 1 < fragments.size() && fragments[last + 1].rightToLeft && fragments[last + 1].row == fragments[first].row)
            ++last;
        const qreal from = fragments[first].x, to = fragments[last].x + fragments[last].width;
        for (std::size_t k = first; k <= last; ++k)
            fragments[k].x = from + to - fragments[k].x - fragments[k].width;
        first = last + 1;
    }
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
                qreal x0 = fragment.x + advance(piece.style, line.text.mid(fragment.from, from - fragment.from));
                qreal x1 = fragment.x + advance(piece.style, line.text.mid(fragment.from, to - fragment.from));
                if (fragment.rightToLeft) {
                    x0 = 2 * fragment.x + fragment.width - x0;
                    x1 = 2 * fragment.x + fragment.width - x1;
                    std::swap(x0, x1);
                }
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
        painter.setPen(styles_[piece.style].colour);
        drawText(painter, piece.style, baseline, text, fragment.rightToLeft);
        if (!selected.isEmpty()) {
            painter.save();
            painter.setClipRect(selected);
            painter.fillRect(selected, colours.color(QPalette::Highlight));
            painter.setPen(colours.color(QPalette::HighlightedText));
            drawText(painter, piece.style, baseline, text, fragment.rightToLeft);
            painter.restore();
        }
    }
}

void ChatTypesetter::drawText(QPainter& painter, int style, const QPointF& baseline, const QString& text,
                              bool rightToLeft) const
{
    if (!mayHoldEmoji(text)) {
        painter.setFont(font(style));
        painter.drawText(baseline, text);
        return;
    }
    // The runs in reading order: from the right in a right-to-left word.
    qreal x = baseline.x() + (rightToLeft ? advance(style, text) : 0);
    for (const Run& run : emojiRuns(text)) {
        const QString part = text.mid(run.from, run.length);
        const QFont& shown = run.emoji ? emojiFonts_[static_cast<std::size_t>(style)] : font(style);
        const qreal width =
            (run.emoji ? emojiMetrics_[static_cast<std::size_t>(style)] : metrics(style)).horizontalAdvance(part);
        if (rightToLeft)
            x -= width;
        painter.setFont(shown);
        painter.drawText(QPointF(x, baseline.y()), part);
        if (!rightToLeft)
            x += width;
    }
}

// ---- Hit-testing --------------------------------------------------------------------------------

int ChatTypesetter::offsetAt(const Line& line, const QPointF& point) const
{
    const Layout laid = layout(line);
    int row = 0;
    while (row + 1 < static_cast<int>(laid.rows.size()) && point.y() >= laid.rows[row + 1].top)
        ++row;
    // Right-to-left words stand out of order: the fragment under the point is looked for in all.
    const Fragment* first = nullptr;
    const Fragment* last = nullptr;
    for (const Fragment& fragment : laid.fragments) {
        if (fragment.row != row)
            continue;
        first = first ? first : &fragment;
        last = &fragment;
        if (point.x() < fragment.x || point.x() >= fragment.x + fragment.width)
            continue;
        const Piece& piece = line.pieces[static_cast<std::size_t>(fragment.piece)];
        // Measured from the start of the word, which is its right end when it reads right to left.
        const qreal along = fragment.rightToLeft ? 2 * fragment.x + fragment.width - point.x() : point.x();
        if (piece.picture >= 0)
            return along < fragment.x + fragment.width / 2 ? fragment.from : fragment.from + fragment.length;
        qreal previous = fragment.x;
        int before = 0;
        for (const int end : clusterEnds(line.text.mid(fragment.from, fragment.length))) {
            const qreal next = fragment.x + advance(piece.style, line.text.mid(fragment.from, end));
            if (along < (previous + next) / 2)
                return fragment.from + before;
            previous = next;
            before = end;
        }
        return fragment.from + fragment.length;
    }
    if (first && point.x() < first->x)
        return first->from;
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
