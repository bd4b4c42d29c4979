#pragma once
// ChatSelection: the part of the chat the player has selected, from where the mouse went down
// (the anchor) to where it is now (the cursor), each a line and a character offset in it.

#include <QString>

#include <algorithm>
#include <functional>
#include <utility>

class ChatSelection {
public:
    struct Position {
        int line = 0;
        int offset = 0;
        bool operator<(const Position& other) const
        {
            return line < other.line || (line == other.line && offset < other.offset);
        }
        bool operator==(const Position& other) const = default;
    };

    void set(Position anchor, Position cursor)
    {
        anchor_ = anchor;
        cursor_ = cursor;
    }
    void moveCursor(Position cursor) { cursor_ = cursor; }
    void clear() { anchor_ = cursor_ = Position{}; }
    bool isEmpty() const { return anchor_ == cursor_; }
    Position start() const { return std::min(anchor_, cursor_); }
    Position end() const { return std::max(anchor_, cursor_); }

    // The selected characters of line n, from and to; {-1, -1} when none of it is selected.
    // lineLength + 1 stands for a selection that runs on past the line's end.
    std::pair<int, int> span(int line, int lineLength) const;
    // The selected text, its lines joined by line breaks; `text(n)` gives line n of `lines`.
    QString text(int lines, const std::function<QString(int)>& text) const;
    // Selects the word of `text` (line `at.line`) around `at`.
    void selectWord(const QString& text, Position at);

private:
    Position anchor_, cursor_;
};
