#pragma once
// ChatView (`mainchat`): the chat's scrolling text. Lines keep the style numbers of their pieces;
// the fifteen styles (font size, weight, underline, colour) live in one table that is read when
// the view paints, so a new colour for a style is one change and a repaint, however many lines
// show it. Adding a line lays out that line alone: its cost does not grow with the lines above it.
// The text can be selected with the mouse, selected as a whole and copied as plain text; a single
// click on a link reports the link's number in document order (from 0).

#include "table/chatselection.h"
#include "table/chattext.h"
#include "table/chattypesetter.h"

#include <QAbstractScrollArea>
#include <QColor>

#include <functional>
#include <optional>
#include <vector>

class ChatView : public QAbstractScrollArea {
    Q_OBJECT
public:
    using Style = ChatTypesetter::Style;

    explicit ChatView(QWidget* parent = nullptr);

    // The shared styles. Changing a colour repaints; changing a size lays every line out again.
    const Style& style(int n) const { return typesetter_.style(n); }
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
    QRect lineRect(int line) const;

    std::function<void(int link)> onLinkClicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    using Line = ChatTypesetter::Line;
    using Piece = ChatTypesetter::Piece;
    using Position = ChatSelection::Position;

    static constexpr int kTopMargin = 2;

    void relayoutAll();
    void updateScrollRange();
    int lineAtY(qint64 y) const; // document y to line index (-1 when there are no lines)
    qint64 documentHeight() const;
    Position positionAt(const QPoint& viewportPoint) const;
    int linkAt(const QPoint& viewportPoint) const;
    qint64 scrollTop() const;

    ChatTypesetter typesetter_;
    std::vector<Line> lines_;
    std::vector<qint64> tops_; // where each line starts in the document
    int linkCount_ = 0;
    std::vector<std::pair<int, int>> links_; // link number -> (line, piece)
    int laidOutWidth_ = -1;

    ChatSelection selection_;
    bool selecting_ = false;
    int pressedLink_ = -1;
    QPoint pressPoint_;
};
