#pragma once
// The player's record of games, as the tally window keeps it: a grid of texts, 9 columns wide.
// Row 0 is the player's own row (games played, games won); rows 1..N are the opponents the player
// chose to tally, in the order the window lists them:
//   column 0  name
//   1 2 3 4   games together, the opponent's wins, the player's wins, a third player's wins
//   5 6 7 8   the same for this run only (set to "0" whenever the record is loaded)
// Counters are kept as decimal text, so a record read from a file is written back unchanged.
//
// On disk the grid is text, lines ended by CR LF: the column count, the row count, then every
// cell column by column (column 0 of every row, then column 1 ...). Cells are Latin-1, like the
// names on the wire they come from.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>

class TallyRecord {
public:
    static constexpr int kColumns = 9;
    static constexpr int kSessionColumn = 5; // columns 5..8 count this run

    // A grid text that cannot be read; what() says why, in words for the player.
    class FormatError : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    // The empty record: the own row, every cell "0".
    TallyRecord();

    static TallyRecord fromGridText(const QByteArray& text); // throws FormatError
    QByteArray gridText() const;

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // Empty outside the grid.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);

    // The tallied opponents' names, rows 1..N in order.
    QStringList opponents() const;
    // The row of an opponent, letter case ignored; -1 when not tallied.
    int findOpponent(const QString& name) const;
    // Whether a name can be kept in the grid text: a line break would split its line.
    static bool canTally(const QString& name);
    // A new last row: the name and "0" in columns 1 to 8.
    void appendOpponent(const QString& name);

    // Adds 1 to the number in the cell and returns the new value. An empty cell counts as 0.
    qint64 addit(int column, int row);
    // Removes a row, moving every later row up; row 0 stays.
    void moverow(int row);
    // The session columns of every opponent become "0" (a new run starts).
    void clearSession();
    // The own counters (columns 1 to 4) become "0" and nobody is tallied any more.
    void reset();

    // A finished game, for the tallied opponents among `playersInGame`: each counts a game
    // together, and a win for the opponent (the winner's name, letter case counting), for the
    // player, or for a third player. The own row is not touched here.
    void tallyGame(const QStringList& playersInGame, const QString& winner, bool thisPlayerWon);

private:
    QList<QStringList> rows_;
};
