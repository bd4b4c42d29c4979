#include "game/scoresheet.h"

#include "game/bones.h"
#include "game/message.h"

namespace game {
namespace {

bool isSheetSeat(int seat) { return seat >= 1 && seat <= kSheetSeats; }

struct Entry {
    int seat, score, total;
};

std::string columnName(const SheetGame& game, int seat)
{
    return game.names[seat].empty() ? "Seat " + std::to_string(seat) : game.names[seat];
}

} // namespace

std::optional<int> SheetGame::latestTotal(int seat) const
{
    if (!isSheetSeat(seat))
        return std::nullopt;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        if (row->total[seat])
            return row->total[seat];
    return std::nullopt;
}

SheetGame& ScoreSheet::game()
{
    if (!current_) {
        current_.emplace();
        current_->column[1] = current_->column[2] = true;
    }
    return *current_;
}

SheetRow* ScoreSheet::openRow()
{
    if (!current_ || current_->rows.empty() || current_->rows.back().finished())
        return nullptr;
    return &current_->rows.back();
}

void ScoreSheet::noteNames(const SheetSeatNames& names)
{
    SheetGame& sheet = game();
    // A player's name stays on the column when the computer takes the seat over.
    for (int seat = 1; seat <= kSheetSeats; ++seat)
        if (sheet.column[seat] && (names.player[seat] || sheet.names[seat].empty()))
            sheet.names[seat] = names.shown[seat];
}

void ScoreSheet::changed()
{
    if (onChanged)
        onChanged();
}

void ScoreSheet::startGame(std::string_view payload)
{
    FieldReader fields(payload);
    fields.next();
    const std::string rounds(fields.next());
    if (current_)
        previous_ = std::move(current_);
    current_.reset();
    game().rounds = rounds;
    changed();
}

void ScoreSheet::startRound(std::string_view payload, const SheetSeatNames& names)
{
    FieldReader fields(payload);
    const auto round = fields.nextInt();
    const auto spinner = fields.nextInt();
    const auto count = fields.nextInt();
    if (!round || !spinner || !count)
        return;
    SheetRow row;
    while (!fields.empty()) {
        const auto seat = fields.nextInt();
        if (!seat || !isSheetSeat(*seat) || fields.empty())
            return;
        row.dealt[*seat] = fields.next() == "t";
    }
    SheetGame& sheet = game();
    // A round whose end this table missed (it joined in the pause after it) has no scores.
    if (!sheet.rows.empty() && !sheet.rows.back().finished())
        sheet.rows.back().seen = false;
    row.round = *round;
    row.spinner = isValidBone(*spinner) ? *spinner : 0;
    for (const SheetRow& earlier : sheet.rows)
        if (earlier.round == row.round)
            row.replay = true;
    for (int seat = 1; seat <= kSheetSeats; ++seat) {
        // A table that joined late guessed the seats in the game; the deal tells.
        if (sheet.joinedLate && seat > 2 && !row.dealt[seat])
            sheet.column[seat] = sheet.latestTotal(seat).value_or(0) != 0;
        if (row.dealt[seat])
            sheet.column[seat] = true;
    }
    sheet.rows.push_back(std::move(row));
    noteNames(names);
    changed();
}

void ScoreSheet::beginAgain(std::string_view payload)
{
    const auto bone = FieldReader(payload).nextInt();
    SheetRow* row = openRow();
    if (!bone || !isValidBone(*bone) || !row)
        return;
    row->newSpinners.push_back(*bone);
    changed();
}

void ScoreSheet::endRound(std::string_view payload, const SheetSeatNames& names)
{
    FieldReader fields(payload);
    const auto out = fields.nextInt();
    if (!out || *out < 0 || *out > kSheetSeats)
        return;
    std::vector<Entry> entries;
    while (!fields.empty()) {
        const auto seat = fields.nextInt();
        const auto score = fields.nextInt();
        const auto total = fields.nextInt();
        if (!seat || !score || !total || !isSheetSeat(*seat))
            return;
        entries.push_back({*seat, *score, *total});
    }
    SheetGame& sheet = game();
    SheetRow* row = openRow();
    if (!row) {
        // An end without its start: the round after the last one this sheet knows.
        SheetRow added;
        added.round = sheet.rows.empty() ? 1 : sheet.rows.back().round + 1;
        added.spinner = spinnerForRound(added.round);
        sheet.rows.push_back(std::move(added));
        row = &sheet.rows.back();
    }
    row->out = *out;
    for (const Entry& entry : entries) {
        row->score[entry.seat] = entry.score;
        row->total[entry.seat] = entry.total;
        sheet.column[entry.seat] = true;
    }
    noteNames(names);
    changed();
}

void ScoreSheet::winner(std::string_view payload)
{
    SheetGame& sheet = game();
    sheet.winner = std::string(FieldReader(payload).next());
    // The host names the winner; the column is the seat of that name. Two seats of one name
    // (or a name the table shows differently) are told apart by the lowest total, as the host
    // chose.
    int matching = 0;
    for (int seat = 1; seat <= kSheetSeats; ++seat)
        if (sheet.column[seat] && sheet.names[seat] == sheet.winner)
            ++matching;
    int best = 0;
    for (int seat = 1; seat <= kSheetSeats; ++seat) {
        if (!sheet.column[seat] || (matching > 0 && sheet.names[seat] != sheet.winner))
            continue;
        const auto total = sheet.latestTotal(seat);
        if (!total)
            continue;
        if (best == 0 || *total < *sheet.latestTotal(best))
            best = seat;
    }
    sheet.winnerSeat = best;
    changed();
}

void ScoreSheet::gameStats(std::string_view payload, const SheetSeatNames& names, int ownSeat)
{
    FieldReader fields(payload);
    const auto turn = fields.nextInt();
    const auto round = fields.nextInt();
    const auto rounds = fields.nextInt();
    const auto spinner = fields.nextInt();
    const bool inPlay = fields.next() == "t";
    std::array<std::optional<int>, kSheetSeats + 1> totals{};
    for (int seat = 1; seat <= kSheetSeats; ++seat) {
        totals[seat] = fields.nextInt();
        if (!totals[seat])
            return;
    }
    if (!turn || !round || !rounds || !spinner || *round < 1 || *round > 100)
        return;

    if (current_)
        previous_ = std::move(current_);
    current_.reset();
    SheetGame& sheet = game();
    sheet.rounds = std::to_string(*rounds);
    sheet.joinedLate = true;
    // Seats 3 to 6 that have scored or are held by a player are taken to be in the game; the
    // next deal says for certain.
    for (int seat = 3; seat <= kSheetSeats; ++seat)
        sheet.column[seat] = *totals[seat] != 0 || names.player[seat];
    for (int earlier = 1; earlier < *round; ++earlier) {
        SheetRow row;
        row.round = earlier;
        row.seen = false;
        row.spinner = spinnerForRound(earlier);
        sheet.rows.push_back(std::move(row));
    }
    if (!sheet.rows.empty())
        for (int seat = 1; seat <= kSheetSeats; ++seat)
            if (sheet.column[seat])
                sheet.rows.back().total[seat] = totals[seat];
    SheetRow now;
    now.round = *round;
    now.spinner = spinnerForRound(*round);
    now.dealt = sheet.column;
    if (isSheetSeat(ownSeat) && !inPlay)
        now.dealt[ownSeat] = false;
    sheet.rows.push_back(std::move(now));
    noteNames(names);
    changed();
}

std::string boneText(int bone)
{
    if (!isValidBone(bone))
        return {};
    return std::to_string(gettopnum(bone)) + "|" + std::to_string(getbotnum(bone));
}

std::vector<std::vector<std::string>> sheetCells(const SheetGame& game)
{
    std::vector<std::vector<std::string>> cells;
    std::vector<std::string> heading{"Round", "Spinner", "End"};
    for (int seat = 1; seat <= kSheetSeats; ++seat)
        if (game.column[seat]) {
            heading.push_back(columnName(game, seat));
            heading.push_back("Total");
        }
    cells.push_back(std::move(heading));

    const auto number = [](const std::optional<int>& value) { return value ? std::to_string(*value) : std::string(); };
    for (const SheetRow& row : game.rows) {
        std::vector<std::string> line;
        line.push_back(std::to_string(row.round) + (row.replay ? " (tie replay)" : ""));
        std::string spinner = boneText(row.spinner);
        for (const int bone : row.newSpinners)
            spinner += " then " + boneText(bone);
        line.push_back(spinner);
        if (!row.seen)
            line.push_back("not seen");
        else if (!row.finished())
            line.push_back("in play");
        else if (row.out == 0)
            line.push_back("blocked");
        else
            line.push_back(columnName(game, row.out) + " went out");
        for (int seat = 1; seat <= kSheetSeats; ++seat)
            if (game.column[seat]) {
                line.push_back(row.seen ? number(row.score[seat]) : "not seen");
                line.push_back(number(row.total[seat]));
            }
        cells.push_back(std::move(line));
    }
    if (game.over())
        cells.push_back({"Winner", "", game.winner});
    return cells;
}

namespace {

// "-20", "+3", "1.5": what a spreadsheet reads as a number, not as a formula.
bool isPlainNumber(std::string_view cell)
{
    if (!cell.empty() && (cell.front() == '-' || cell.front() == '+'))
        cell.remove_prefix(1);
    bool digits = false, point = false;
    for (const char c : cell) {
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

// A spreadsheet runs a cell that starts like a formula ("=HYPERLINK(...)", "@SUM(...)"); a
// leading apostrophe makes it text again, as spreadsheet users are advised to write such cells.
std::string defused(const std::string& cell)
{
    if (cell.empty() || std::string_view("=+-@\t\r").find(cell.front()) == std::string_view::npos || isPlainNumber(cell))
        return cell;
    return '\'' + cell;
}

} // namespace

std::string toCsv(const std::vector<std::vector<std::string>>& cells)
{
    std::string text;
    for (const auto& line : cells) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i > 0)
                text += ',';
            const std::string cell = defused(line[i]);
            if (cell.find_first_of(",\"\r\n") == std::string::npos) {
                text += cell;
                continue;
            }
            text += '"';
            for (const char c : cell) {
                if (c == '"')
                    text += '"';
                text += c;
            }
            text += '"';
        }
        text += "\r\n";
    }
    return text;
}

std::string toTabText(const std::vector<std::vector<std::string>>& cells)
{
    std::string text;
    for (const auto& line : cells) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i > 0)
                text += '\t';
            for (const char c : line[i])
                text += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
        }
        text += '\n';
    }
    return text;
}

} // namespace game
