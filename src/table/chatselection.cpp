#include "table/chatselection.h"

std::pair<int, int> ChatSelection::span(int line, int lineLength) const
{
    const Position from = start(), to = end();
    if (isEmpty() || line < from.line || line > to.line)
        return {-1, -1};
    return {line == from.line ? from.offset : 0, line == to.line ? to.offset : lineLength + 1};
}

QString ChatSelection::text(int lines, const std::function<QString(int)>& text) const
{
    if (isEmpty())
        return QString();
    const Position from = start(), to = end();
    QString selected;
    for (int i = from.line; i <= to.line && i < lines; ++i) {
        const QString line = text(i);
        const int first = i == from.line ? from.offset : 0;
        const int last = i == to.line ? to.offset : static_cast<int>(line.size());
        if (i != from.line)
            selected += QLatin1Char('\n');
        selected += line.mid(first, last - first);
    }
    return selected;
}

void ChatSelection::selectWord(const QString& text, Position at)
{
    // A word ends at a blank, a full stop, a semicolon, a comma, a colon, a bracket, a brace or a
    // double quote.
    static const QString delimiters = QStringLiteral(" .;,:(){}\"");
    int from = at.offset, to = at.offset;
    while (from > 0 && !delimiters.contains(text.at(from - 1)))
        --from;
    while (to < text.size() && !delimiters.contains(text.at(to)))
        ++to;
    set({at.line, from}, {at.line, to});
}
