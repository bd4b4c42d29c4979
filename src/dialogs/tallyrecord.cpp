#include "dialogs/tallyrecord.h"

#include "game/text.h"

#include <QSet>

#include <limits>

namespace {

const QByteArray kLineEnd("\r\n");

QStringList zeroRow()
{
    QStringList row;
    for (int column = 0; column < TallyRecord::kColumns; ++column)
        row.append(QStringLiteral("0"));
    return row;
}

// A counter as the grid keeps it: decimal digits, or nothing yet. addit writes up to the largest
// qint64 (19 digits), so every such value is read back.
bool isCounter(const QByteArray& text)
{
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    bool fits = true;
    if (!text.isEmpty())
        text.toLongLong(&fits);
    return fits;
}

// Whether a cell of a read grid must hold a counter. Names are free text, and the session cells
// are set to "0" on every load, so whatever they hold is never used.
bool holdsCounter(int column)
{
    return column > 0 && column < TallyRecord::kSessionColumn;
}

} // namespace

TallyRecord::TallyRecord() : rows_{zeroRow()} {}

TallyRecord TallyRecord::fromGridText(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    // Every line ends with CR LF, the last one included; the piece after it is empty.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (!line.endsWith('\r'))
            throw FormatError("The tally text has a line that does not end with CR LF.");
        line.chop(1);
    }
    if (lines.size() < 2 || lines[0] != QByteArrayLiteral("9"))
        throw FormatError("The tally text does not start with its 9 columns.");
    bool isNumber = false;
    const qint64 rowCount = lines[1].toLongLong(&isNumber);
    if (!isNumber || !isCounter(lines[1]) || rowCount < 1 || rowCount > (lines.size() - 2) / kColumns)
        throw FormatError("The tally text has a wrong row count.");
    if (lines.size() != 2 + kColumns * rowCount)
        throw FormatError("The tally text does not hold as many cells as its rows and columns need.");

    TallyRecord record;
    record.rows_.clear();
    const int rows = static_cast<int>(rowCount);
    for (int row = 0; row < rows; ++row)
        record.rows_.append(QStringList());
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < rows; ++row) {
            const QByteArray& cell = lines[2 + column * rows + row];
            if (holdsCounter(column) && !isCounter(cell))
                throw FormatError("The tally text has a counter that is not a number.");
            const std::string text = game::decodeText(std::string_view(cell.constData(), static_cast<std::size_t>(cell.size())));
            record.rows_[row].append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        }
    }
    return record;
}

QByteArray TallyRecord::gridText() const
{
    QByteArray text = QByteArray::number(kColumns) + kLineEnd + QByteArray::number(rowCount()) + kLineEnd;
    for (int column = 0; column < kColumns; ++column)
        for (const QStringList& row : rows_)
            text += QByteArray::fromStdString(game::encodeText(row[column].toStdString())) + kLineEnd;
    return text;
}

QString TallyRecord::cell(int column, int row) const
{
    if (column < 0 || column >= kColumns || row < 0 || row >= rowCount())
        return {};
    return rows_[row][column];
}

void TallyRecord::setCell(int column, int row, const QString& text)
{
    if (column < 0 || column >= kColumns || row < 0 || row >= rowCount())
        return;
    rows_[row][column] = text;
}

QStringList TallyRecord::opponents() const
{
    QStringList names;
    for (int row = 1; row < rowCount(); ++row)
        names.append(rows_[row][0]);
    return names;
}

int TallyRecord::findOpponent(const QString& name) const
{
    for (int row = 1; row < rowCount(); ++row)
        if (rows_[row][0].compare(name, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

bool TallyRecord::canTally(const QString& name)
{
    return !name.contains(QLatin1Char('\r')) && !name.contains(QLatin1Char('\n'));
}

void TallyRecord::appendOpponent(const QString& name)
{
    QStringList row = zeroRow();
    row[0] = name;
    rows_.append(row);
}

qint64 TallyRecord::addit(int column, int row)
{
    if (column < 0 || column >= kColumns || row < 0 || row >= rowCount())
        return 0;
    qint64 value = rows_[row][column].toLongLong(); // not a number: counts from 0
    // A counter at the top of its range stays there rather than wrapping to a negative number.
    if (value < std::numeric_limits<qint64>::max())
        ++value;
    rows_[row][column] = QString::number(value);
    return value;
}

void TallyRecord::moverow(int row)
{
    if (row >= 1 && row < rowCount())
        rows_.removeAt(row);
}

void TallyRecord::clearSession()
{
    for (int row = 1; row < rowCount(); ++row)
        for (int column = kSessionColumn; column < kColumns; ++column)
            rows_[row][column] = QStringLiteral("0");
}

void TallyRecord::reset()
{
    rows_.resize(1);
    for (int column = 1; column <= 4; ++column)
        rows_[0][column] = QStringLiteral("0");
}

void TallyRecord::tallyGame(const QStringList& playersInGame, const QString& winner, bool thisPlayerWon)
{
    // Two seats of the same name still make one game with that opponent.
    QSet<int> counted;
    for (const QString& name : playersInGame) {
        const int row = findOpponent(name);
        if (row < 0 || counted.contains(row))
            continue;
        counted.insert(row);
        for (int column = 1; column < kColumns; ++column)
            if (rows_[row][column].isEmpty())
                rows_[row][column] = QStringLiteral("0");
        addit(1, row);
        addit(5, row);
        // The flag first: an opponent may well share the player's name.
        int won = 4;
        if (thisPlayerWon)
            won = 3;
        else if (rows_[row][0] == winner)
            won = 2;
        addit(won, row);
        addit(won + 4, row);
    }
}
