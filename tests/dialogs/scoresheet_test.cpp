// The score sheet window's files: CSV that a spreadsheet reads back as the players' names and
// numbers, whatever letters, commas and quotes the names hold.
#include "dialogs/scoresheetform.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Grid = std::vector<std::vector<std::string>>;

// RFC 4180 read on its own terms: quoted fields may hold commas, CR LF and doubled quotes.
Grid readCsv(const std::string& text, bool& wellFormed)
{
    Grid rows(1);
    std::string field;
    bool quoted = false, wasQuoted = false;
    wellFormed = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            wellFormed &= field.empty() && !wasQuoted;
            quoted = wasQuoted = true;
        } else if (c == ',') {
            rows.back().push_back(field);
            field.clear();
            wasQuoted = false;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.back().push_back(field);
            field.clear();
            wasQuoted = false;
            rows.emplace_back();
            ++i;
        } else {
            wellFormed &= c != '\n' && c != '\r';
            field += c;
        }
    }
    wellFormed &= !quoted && field.empty() && rows.back().empty();
    rows.pop_back();
    return rows;
}

game::SheetSeatNames names(std::vector<std::string> players)
{
    game::SheetSeatNames seats;
    for (std::size_t i = 0; i < players.size(); ++i) {
        seats.shown[i + 1] = players[i];
        seats.player[i + 1] = true;
    }
    return seats;
}

} // namespace

TEST(ScoreSheetFile, AwkwardNamesAndEveryNumberSurviveTheTripThroughCsv)
{
    // Latin-1 accents, Cyrillic and Chinese, a comma, quotes, and a line break.
    const std::vector<std::string> players = {"Smith, Jo", "\"Ace\" O'Neil", "Zo\u00eb \u00d8rsted",
                                              "\u041c\u0438\u0445\u0430\u0438\u043b", "\u674e\u5c0f\u9f99",
                                              "two\r\nlines"};
    game::ScoreSheet sheet;
    RecordingMessageBoxes boxes;
    Tscoresheet window(sheet, boxes, QPixmap());
    sheet.startGame("Smith, Jo+3+");
    sheet.startRound("1+55+7+1+t+2+t+3+t+4+t+5+t+6+t", names(players));
    sheet.endRound("5+1+12+12+2+0+0+3+7+7+4+30+30+5+-20+-20+6+9+9", names(players));
    sheet.startRound("2+53+7+1+t+2+t+3+t+4+t+5+t+6+t", names(players));
    sheet.endRound("0+1+3+15+2+4+4+3+5+12+4+6+36+5+7+-13+6+8+17", names(players));
    sheet.startRound("3+50+7+1+t+2+t+3+t+4+t+5+t+6+t", names(players));
    sheet.beginAgain("46+");
    sheet.endRound("4+1+1+16+2+2+6+3+3+15+4+-20+16+5+5+-8+6+6+23", names(players));
    sheet.winner("\u674e\u5c0f\u9f99+");

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.csv"));
    window.chooseFile = [&] { return path; };
    window.button_saveClick();
    EXPECT_TRUE(boxes.shown.isEmpty()) << boxes.shown.join('\n').toStdString();

    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const std::string text = saved.readAll().toStdString();
    bool wellFormed = false;
    const Grid rows = readCsv(text, wellFormed);
    EXPECT_TRUE(wellFormed) << text;
    const Grid expected = {
        {"Round", "Spinner", "End", players[0], "Total", players[1], "Total", players[2], "Total", players[3], "Total",
         players[4], "Total", players[5], "Total"},
        {"1", "9|9", players[4] + " went out", "12", "12", "0", "0", "7", "7", "30", "30", "-20", "-20", "9", "9"},
        {"2", "8|8", "blocked", "3", "15", "4", "4", "5", "12", "6", "36", "7", "-13", "8", "17"},
        {"3", "7|7 then 6|6", players[3] + " went out", "1", "16", "2", "6", "3", "15", "-20", "16", "5", "-8", "6",
         "23"},
        {"Winner", "", players[4]},
    };
    EXPECT_EQ(rows, expected) << text;
    // UTF-8 as it is: no byte order mark in front of the first field.
    EXPECT_EQ(text.substr(0, 6), "Round,");

    // The window's heading names the same players, the winner marked.
    auto* grid = window.findChild<QTableWidget*>(QStringLiteral("grid_sheet"));
    window.refresh();
    ASSERT_EQ(grid->columnCount(), 9);
    EXPECT_EQ(grid->horizontalHeaderItem(6)->text(), QString::fromUtf8("\u041c\u0438\u0445\u0430\u0438\u043b"));
    EXPECT_EQ(grid->horizontalHeaderItem(7)->text(), QString::fromUtf8("\u674e\u5c0f\u9f99 \u2605"));
}

TEST(ScoreSheetFile, TheWinnerIsTheSeatOfTheAnnouncedNameOrTheLowestTotalAmongNamesakes)
{
    game::ScoreSheet sheet;
    sheet.startGame("Al+3+");
    const auto seats = names({"Al", "Al", "Bea"});
    sheet.startRound("3+50+14+1+t+2+t+3+t+4+f+5+f+6+f", seats);
    sheet.endRound("1+1+-20+30+2+5+12+3+9+40", seats);
    sheet.winner("Al+");
    ASSERT_NE(sheet.current(), nullptr);
    EXPECT_EQ(sheet.current()->winnerSeat, 2);
    // A name no column shows (the host's own record of a seat) falls back on the lowest total.
    sheet.startGame("Al+3+");
    sheet.startRound("1+55+14+1+t+2+t+3+t+4+f+5+f+6+f", seats);
    sheet.endRound("3+1+8+8+2+9+9+3+-20+-20", seats);
    sheet.winner("Klock+");
    EXPECT_EQ(sheet.current()->winnerSeat, 3);
    EXPECT_EQ(sheet.previous()->winnerSeat, 2);
    // A player who leaves keeps the column's name; a seat nobody ever held shows its computer.
    game::SheetSeatNames later = seats;
    later.shown[2] = "Klot";
    later.player[2] = false;
    sheet.startRound("2+53+14+1+t+2+t+3+t+4+f+5+f+6+f", later);
    EXPECT_EQ(sheet.current()->names[2], "Al");
}

TEST(ScoreSheetFile, NamesThatStartLikeAFormulaAreTextInCsvButAsTheyAreWhenCopied)
{
    const std::vector<std::string> players = {"=HYPERLINK(\"http://x.example\",\"Win\")", "@SUM(A1:A9)", "+1+2",
                                              "-cmd", "\tTabby", "Ann=Bob"};
    game::ScoreSheet sheet;
    RecordingMessageBoxes boxes;
    Tscoresheet window(sheet, boxes, QPixmap());
    sheet.startGame("Ann+3+");
    sheet.startRound("1+55+7+1+t+2+t+3+t+4+t+5+t+6+t", names(players));
    sheet.endRound("1+1+0+0+2+-20+-20+3+7+7+4+30+30+5+5+5+6+12+12", names(players));
    sheet.winner("@SUM(A1:A9)+");

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.csv"));
    ASSERT_TRUE(window.saveTo(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const std::string text = saved.readAll().toStdString();
    bool wellFormed = false;
    const Grid rows = readCsv(text, wellFormed);
    EXPECT_TRUE(wellFormed) << text;
    const auto asText = [](const std::string& name) { return "'" + name; };
    const Grid expected = {
        {"Round", "Spinner", "End", asText(players[0]), "Total", asText(players[1]), "Total", asText(players[2]),
         "Total", asText(players[3]), "Total", asText(players[4]), "Total", players[5], "Total"},
        {"1", "9|9", asText(players[0] + " went out"), "0", "0", "-20", "-20", "7", "7", "30", "30", "5", "5", "12", "12"},
        {"Winner", "", asText(players[1])},
    };
    EXPECT_EQ(rows, expected) << text;

    // Copy is for pasting as it is: the names keep their first character, the tab becomes a blank.
    window.button_copyClick();
    const QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_GE(copied.size(), 3);
    EXPECT_EQ(copied[0].split(QLatin1Char('\t')),
              (QStringList{"Round", "Spinner", "End", QString::fromStdString(players[0]), "Total", "@SUM(A1:A9)",
                           "Total", "+1+2", "Total", "-cmd", "Total", " Tabby", "Total", "Ann=Bob", "Total"}));
    EXPECT_EQ(copied[1].split(QLatin1Char('\t')).mid(5, 2), (QStringList{"-20", "-20"}));
    EXPECT_EQ(copied[2], "Winner\t\t@SUM(A1:A9)");
}

TEST(ScoreSheetFile, OnlyTextThatStartsLikeAFormulaGetsTheApostrophe)
{
    const Grid cells = {{"-20", "+3", "1.5", "-0.5", "-", "+", "=1", "@", "\rx", "-1-1", "a-b", "", "'q"}};
    EXPECT_EQ(game::toCsv(cells), "-20,+3,1.5,-0.5,'-,'+,'=1,'@,\"'\rx\",'-1-1,a-b,,'q\r\n");
}
