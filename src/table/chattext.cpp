#include "table/chattext.h"

#include "game/message.h"


namespace chat {

namespace {

const QString kSmileyMark = QStringLiteral(":)#");

void addWords(QString text, int style, std::vector<Piece>& pieces)
{
    text += QLatin1Char(' ');
    while (!text.isEmpty()) {
        const int blank = text.indexOf(QLatin1Char(' '));
        const QString word = text.left(blank + 1);
        text.remove(0, word.size());
        if (isLinkWord(word))
            pieces.push_back({Piece::Link, word, kLinkStyle, -1});
        else
            pieces.push_back({Piece::Text, word, style, -1});
    }
}

// The name part and its blank, then the words and smileys of the rest.
void addRest(const QString& namePart, QString rest, Line& line)
{
    line.pieces.push_back({Piece::Text, namePart + QLatin1Char(' '), line.style, -1});
    for (int mark = rest.indexOf(kSmileyMark); mark >= 0; mark = rest.indexOf(kSmileyMark)) {
        const QString segment = rest.left(mark);
        rest.remove(0, mark + kSmileyMark.size());
        const QString number = rest.left(2);
        rest.remove(0, number.size());
        addWords(segment, line.style, line.pieces);
        const int picture = smileyPicture(number);
        line.pieces.push_back({Piece::Smiley, kSmileyMark + QString::number(picture + 10), line.style, picture});
    }
    if (!rest.isEmpty())
        addWords(rest, line.style, line.pieces);
}

} // namespace

bool isLinkWord(const QString& word)
{
    return word.contains(QLatin1String("http://"), Qt::CaseInsensitive) ||
           word.contains(QLatin1String("www."), Qt::CaseInsensitive);
}

int smileyPicture(const QString& number)
{
    const auto value = game::parseInt(number.toStdString());
    if (!value || *value - 10 < 0 || *value - 10 > 17)
        return 0;
    return *value - 10;
}

std::optional<Line> parseLine(const QString& text)
{
    const int plus = text.indexOf(QLatin1Char('+'));
    if (plus < 0)
        return std::nullopt;
    const auto code = game::parseInt(text.left(plus).toStdString());
    if (!code || *code < 0 || *code > 9)
        return std::nullopt; // a relayed line names a connection 1 to 9; notices are 0
    Line line;
    line.style = *code > 0 ? *code + 5 : kNoticeStyle;
    QString rest = text.mid(plus + 1);
    const int colon = rest.indexOf(QLatin1Char(':'));
    const QString namePart = colon < 0 ? QString() : rest.left(colon + 1);
    rest.remove(0, namePart.size());
    addRest(namePart, rest, line);
    return line;
}

Line parseNotice(const QString& text)
{
    Line line;
    line.style = kNoticeStyle;
    addRest(QString(), text, line);
    return line;
}

} // namespace chat
