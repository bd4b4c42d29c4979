// The chat view: one paragraph per line, the name part first, each line in the style of its code
// (0 for the table's own notices, seat + 5 for what a seat says). A style is shared: a new line in
// another colour recolours every earlier line of that seat.
#include "table/chatform.h"
#include "table/colourtext.h"
#include "table/wiretext.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Which style a piece of text was written in, kept with the text itself.
constexpr int kStyleProperty = QTextFormat::UserProperty + 1;

QColor fromColourValue(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

} // namespace

void Tchat::addlinetochat(const QString& line, const QColor& colour)
{
    const int plus = line.indexOf(QLatin1Char('+'));
    if (plus < 0)
        return;
    const auto code = game::parseInt(toWire(line.left(plus)));
    if (!code || *code < 0 || *code > kMaxConnection)
        return; // not a line of ours: a relayed line names a connection 1 to 9
    const int style = *code > 0 ? *code + 5 : 0;
    QString rest = line.mid(plus + 1);
    const int colon = rest.indexOf(QLatin1Char(':'));
    const QString namePart = colon < 0 ? QString() : rest.left(colon + 1);
    rest.remove(0, namePart.size());

    ChatStyle& chosen = chatStyles_[style];
    chosen.bold = true;
    if (chosen.colour != colour) {
        chosen.colour = colour;
        recolourStyle(style);
    }

    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(chosen.pointSize);
    format.setFontWeight(chosen.bold ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(chosen.underline);
    format.setForeground(chosen.colour);
    format.setProperty(kStyleProperty, style);

    QTextDocument* document = mainchat->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    if (!document->isEmpty())
        cursor.insertBlock();
    cursor.insertText(namePart + QLatin1Char(' '), format);
    if (!rest.isEmpty())
        cursor.insertText(rest + QLatin1Char(' '), format);

    if (!scrollChatOff_) {
        document->documentLayout()->documentSize(); // lays the new line out, so the range is known
        QScrollBar* bar = mainchat->verticalScrollBar();
        bar->setValue(bar->maximum());
    }
}

void Tchat::recolourStyle(int style)
{
    QTextDocument* document = mainchat->document();
    QTextCursor cursor(document);
    QTextCharFormat colour;
    colour.setForeground(chatStyles_[style].colour);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(kStyleProperty) || format.intProperty(kStyleProperty) != style)
                continue;
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(colour);
        }
}

void Tchat::chatrecieved(std::string_view payload)
{
    // "<seat>+<name> chats: <text>|<colour>"; a missing or unreadable colour shows red.
    QColor colour(255, 0, 0);
    std::string_view line = payload;
    const auto bar = payload.find('|');
    if (bar != std::string_view::npos) {
        line = payload.substr(0, bar);
        if (const auto value = readColourText(payload.substr(bar + 1)))
            colour = fromColourValue(*value);
    }
    addlinetochat(fromWire(line), colour);
}
