#pragma once
// How a chat line is cut into what the view shows: the style of its code, the name part, words,
// links and smileys. Plain text rules, no widgets, so they are tested on their own.

#include <QString>

#include <optional>
#include <vector>

namespace chat {

constexpr int kStyleCount = 15;
constexpr int kNoticeStyle = 0;
constexpr int kLinkStyle = 4;
constexpr int kSmileyCodeLength = 5; // ":)#" and two characters

struct Piece {
    enum Kind { Text, Link, Smiley };
    Kind kind = Text;
    QString text;     // a word with its trailing blank; for a smiley its code, ":)#10" to ":)#27"
    int style = 0;    // the line's style, or the link style
    int picture = -1; // smileys: 0 to 17
};

struct Line {
    int style = 0;
    std::vector<Piece> pieces; // the name part and its blank first
};

// The style of a line's code: 0 for the table's notices, seat + 5 for a connection 1 to 9.
// Nothing for a code that is no connection number (the line is not ours to show).
std::optional<Line> parseLine(const QString& line);
// A notice of the table shown whole, in the notice style: a colon in it ("Game seed: 12") does
// not make a name part of what comes before.
Line parseNotice(const QString& text);

// A word is a link when it holds "http://" or "www." in any letter case.
bool isLinkWord(const QString& word);
// The picture a smiley code's two characters choose: 10 to 27 give 0 to 17, anything else 0.
int smileyPicture(const QString& number);

} // namespace chat
