#pragma once
// ChatView (`mainchat`): the chat's scrolling text. Lines keep the style numbers of their pieces;
// the fifteen styles (font size, weight, underline, colour) live in one table that is read when
// the view paints, so a new colour for a style is one change and a repaint, however many lines
// show it. Adding a line lays out that line alone: its cost does not grow with the lines above it.
// The text can be selected with the mouse, selected as a whole and copied as plain text; a single
// click on a link reports the link's number in document order (from 0).

#include "table/chattext.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPixmap>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class ChatView : public QAbstractScrollArea {
    Q_OBJECT
public:
    struct Style {
        QColor colour = Qt::black;
        bool bold = false;
        bool underline = false;
        int pointSize = 10;
    };

    explicit ChatView(QWidget* parent = nullptr);

    // The shared styles. Changing a colour repaints; changing a size lays every line out again.
    const Style& style(int n) const { return styles_[static_cast<std::size_t>(n)]; }
    void setStyleColour(int n, const QColor& colour);
    void setStyleBold(int n, bool bold);
    void setPointSize(int points); // all fifteen styles

    // A new paragraph at the end. Scrolls to the end unless told not to.
    void addLine(const chat::Line& line, bool scrollToEnd);
    void clear();

    int lineCount() const { return static_cast<int>(lines_.size()); }
    int linkCount() const { return linkCount_; }
    // The plain text of every line, one per line of text; a smiley is its code.
    QString toPlainText() const;
    QString lineText(int line) const;
    // The style of the first piece of text after the name part of a line (its own style when the
    // line has nothing after the name), and the colour it paints with now.
    int styleAt(int line, int character) const;
    QColor colourAt(int line, int character) const;
    // What each piece of a line is, in order: 'T' text, 'L' link, 'S' smiley followed by its
    // picture number ("TTLS2T"); for tests and the benchmark.
    QString pieceKinds(int line) const;
    // The text of link n (document order from 0), trailing blank included; empty when there is none.
    QString linkText(int link) const;

    void selectAll();
    bool hasSelection() const;
    QString selectedText() const;
    void clearSelection();

    // Where a link, or a character, sits on screen (viewport coordinates), for clicks in tests.
    std::optional<QRect> linkRect(int link) const;

    std::function<void(int link)> onLinkClicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Piece {
        std::uint32_t start;  // in the line's text
        std::uint16_t length;
        std::uint8_t style;
        std::int8_t picture;  // -1 for text
        std::int32_t link;    // -1 when not a link
    };
    struct Line {
        QString text;
        std::vector<Piece> pieces;
        int height = 0;
    };
    struct Fragment {
        int piece;
        int from;   // in the line's text
        int length;
        qreal x;
        qreal width;
        int row;
    };
    struct Row {
        qreal top;
        qreal height;
        qreal ascent;
    };
    struct Layout {
        std::vector<Fragment> fragments;
        std::vector<Row> rows;
        int height = 0;
    };
    struct Position {
        int line = 0;
        int offset = 0;
        bool operator<(const Position& other) const
        {
            return line < other.line || (line == other.line && offset < other.offset);
        }
        bool operator==(const Position& other) const = default;
    };

    static constexpr int kMargin = 5;
    static constexpr int kTopMargin = 2;

    const QFont& font(int style) const { return fonts_[static_cast<std::size_t>(style)]; }
    const QFontMetricsF& metrics(int style) const { return metrics_[static_cast<std::size_t>(style)]; }
    void updateFonts();
    // A text's width in a style. Chat travels as Latin-1 and the fonts do not kern, so a width is
    // the sum of its characters' advances, each measured once; other text is measured whole.
    qreal advance(int style, const QString& text) const;
    int textWidth() const;
    Layout layoutLine(const Line& line) const;
    void relayoutAll();
    void updateScrollRange();
    int lineAtY(qint64 y) const; // document y to line index (-1 when there are no lines)
    qint64 documentHeight() const;
    Position positionAt(const QPoint& viewportPoint) const;
    int linkAt(const QPoint& viewportPoint) const;
    qint64 scrollTop() const;
    const QPixmap& smiley(int picture) const;

    std::array<Style, chat::kStyleCount> styles_{};
    std::array<QFont, chat::kStyleCount> fonts_{};
    std::vector<QFontMetricsF> metrics_;
    std::vector<Line> lines_;
    std::vector<qint64> tops_; // where each line starts in the document
    int linkCount_ = 0;
    std::vector<std::pair<int, int>> links_; // link number -> (line, piece)
    int laidOutWidth_ = -1;

    Position anchor_, cursor_;
    bool selecting_ = false;
    int pressedLink_ = -1;
    QPoint pressPoint_;

    mutable std::array<std::array<qreal, 256>, chat::kStyleCount> latinWidths_{};
    mutable std::array<QPixmap, 18> smileys_{};
    mutable qreal smileyRatio_ = 0;
};
