#pragma once
// ChatTypesetter: how the chat view sets one line of text. It keeps the fifteen shared styles with
// their fonts, breaks a line into rows for the surface's width, paints a line, and finds the
// character or link under a point of a line. It knows nothing of scrolling or of other lines.

#include "table/chattext.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPixmap>
#include <QPointF>
#include <QRectF>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QPainter;
class QPalette;
class QWidget;

class ChatTypesetter {
public:
    struct Style {
        QColor colour = Qt::black;
        bool bold = false;
        bool underline = false;
        int pointSize = 10;
    };
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
        bool rightToLeft = false; // shown right to left, among the right-to-left words beside it
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

    static constexpr int kMargin = 5;

    // Lines are set for the width of `surface` and measured with its fonts; it outlives this.
    explicit ChatTypesetter(const QWidget& surface);

    const Style& style(int n) const { return styles_[static_cast<std::size_t>(n)]; }
    // Each tells whether anything changed.
    bool setColour(int n, const QColor& colour);
    bool setBold(int n, bool bold);
    void setPointSize(int points); // all fifteen styles

    Layout layout(const Line& line) const;
    // Paints a line whose top is at y; characters from selectFrom up to selectTo are shown
    // selected (selectFrom -1: none).
    void paint(QPainter& painter, const Line& line, qreal y, int selectFrom, int selectTo,
               const QPalette& colours) const;
    // The character offset nearest to a point given in the line's own coordinates.
    int offsetAt(const Line& line, const QPointF& point) const;
    // The link under a point of the line, -1 for none.
    int linkAt(const Line& line, const QPointF& point) const;
    // Where piece n of the line is first shown, in the line's own coordinates.
    std::optional<QRectF> pieceBox(const Line& line, int piece) const;

private:
    const QFont& font(int style) const { return fonts_[static_cast<std::size_t>(style)]; }
    const QFontMetricsF& metrics(int style) const { return metrics_[static_cast<std::size_t>(style)]; }
    void updateFonts();
    // A text's width in a style. Latin-1 text is the sum of its characters' advances, each
    // measured once (the fonts do not kern); other text is measured whole, its emoji in the
    // colour emoji font.
    qreal advance(int style, const QString& text) const;
    static void reorderRightToLeft(const Line& line, Layout& layout);
    // Draws a text at a baseline, its emoji in the colour emoji font.
    void drawText(QPainter& painter, int style, const QPointF& baseline, const QString& text, bool rightToLeft) const;
    int textWidth() const;
    const QPixmap& smiley(int picture) const;

    const QWidget& surface_;
    std::array<Style, chat::kStyleCount> styles_{};
    std::array<QFont, chat::kStyleCount> fonts_{};
    std::vector<QFontMetricsF> metrics_;
    // The text fonts of some systems carry black-and-white emoji, which fallback would pick first.
    std::array<QFont, chat::kStyleCount> emojiFonts_{};
    std::vector<QFontMetricsF> emojiMetrics_;
    mutable std::array<std::array<qreal, 256>, chat::kStyleCount> latinWidths_{};
    mutable std::array<QPixmap, 18> smileys_{};
    mutable qreal smileyRatio_ = 0;
};
