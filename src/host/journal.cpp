// The journal: writing the state of a running game, reading it back as hostile input, and keeping
// the file whole on disk.

#include "host/journal.h"

#include "game/bones.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace host {
namespace {

constexpr std::string_view kHeader = "tilvaro-journal 1\n";
// No game comes near it; it keeps sums of hostile totals far from overflow.
constexpr int kMaxTotal = 1000000;
// Far more moves than a seat makes in any game, tie replays included.
constexpr int kMaxDecisions = 1000000000;

std::uint64_t fnv1a(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string hex64(std::uint64_t value)
{
    char buffer[17];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(value));
    return buffer;
}

// Reads one line's fields, separated by single spaces.
class Fields {
public:
    explicit Fields(std::string_view line) : rest_(line) {}
    std::string_view word()
    {
        const auto space = rest_.find(' ');
        const auto word = rest_.substr(0, space);
        rest_ = space == std::string_view::npos ? std::string_view() : rest_.substr(space + 1);
        return word;
    }
    bool integer(int& out, int low, int high)
    {
        const auto text = word();
        if (text.empty() || text.size() > 11)
            return false;
        long long value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
            return false;
        out = static_cast<int>(value);
        return true;
    }
    bool flag(bool& out)
    {
        int value = 0;
        if (!integer(value, 0, 1))
            return false;
        out = value == 1;
        return true;
    }
    bool unsigned32(std::uint32_t& out)
    {
        const auto text = word();
        if (text.empty() || text.size() > 10 || text.front() == '-' || text.front() == '+')
            return false;
        unsigned long long value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value > 0xFFFFFFFFull)
            return false;
        out = static_cast<std::uint32_t>(value);
        return true;
    }
    std::string_view rest() const { return rest_; }
    bool done() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

int bonesPerSeat(int seats)
{
    static constexpr int kCounts[] = {0, 0, 16, 14, 11, 9, 7};
    return seats >= 2 && seats <= 6 ? kCounts[seats] : 0;
}

bool fail(std::string* why, const std::string& reason)
{
    if (why)
        *why = reason;
    return false;
}

// Everything a live game could hold, and nothing else.
bool plausible(const JournalState& journal, std::string* why)
{
    const HostState& s = journal.state;
    if (!s.gameRunning)
        return fail(why, "no game running");
    if (s.roundsToPlay < 3 || s.roundsToPlay > 10 || s.round < 1 || s.round > s.roundsToPlay)
        return fail(why, "round out of range");
    if (s.gameOption < 1 || s.gameOption > 3)
        return fail(why, "game option out of range");
    if (!s.seat(1).inGame || !s.seat(2).inGame)
        return fail(why, "seats 1 and 2 not in the game");

    // The deck is the whole set, the round's double at its end.
    std::array<bool, game::kBoneCount + 1> seen{};
    for (const int bone : s.deck) {
        if (!game::isValidBone(bone) || seen[bone])
            return fail(why, "deck is not the set of bones");
        seen[bone] = true;
    }
    const int roundDouble = s.deck[game::kBoneCount - 1];
    if (roundDouble != game::spinnerForRound(s.round))
        return fail(why, "deck does not end with the round's double");

    // The hands are what the deal gave, less what was played.
    int inGame = 0;
    std::array<int, kSeats + 1> dealIndex{};
    for (int seat = 1; seat <= kSeats; ++seat) {
        const auto& record = s.seat(seat);
        if (record.inGame)
            dealIndex[seat] = inGame++;
        if (record.inGame && record.waitingNewcomer)
            return fail(why, "a seat both in the game and waiting");
        if (record.waitingNewcomer && (seat < 3 || s.gameOption == 1))
            return fail(why, "a newcomer who cannot be waiting");
        if (!record.inGame && (record.passed || record.passedOn != 0))
            return fail(why, "a pass from a seat not in the game");
        if (record.passedOn > 0x3FF)
            return fail(why, "passes on pips that do not exist");
        if (record.total < -kMaxTotal || record.total > kMaxTotal || record.roundScore < -kMaxTotal ||
            record.roundScore > kMaxTotal)
            return fail(why, "total out of range");
        if (record.holder != cleanPlayerName(record.holder))
            return fail(why, "a player name no login could give");
    }
    const int count = bonesPerSeat(inGame);
    if (s.dealPosition != inGame * count)
        return fail(why, "deal position does not match the seats");
    std::array<bool, game::kBoneCount + 1> inHand{};
    for (int seat = 1; seat <= kSeats; ++seat) {
        const auto& record = s.seat(seat);
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            const int bone = record.hand[slot - 1];
            if (bone == 0)
                continue;
            if (!record.inGame || slot > count || bone != s.deck[(slot - 1) * inGame + dealIndex[seat]])
                return fail(why, "a hand holds a bone the deal did not give it");
            inHand[bone] = true;
        }
    }
    // Dealt and no longer in a hand: played.
    std::array<bool, game::kBoneCount + 1> played{};
    for (int place = 0; place < s.dealPosition; ++place)
        played[s.deck[place]] = !inHand[s.deck[place]];

    const bool pauseForDouble = s.pending == Timer1Action::BeginAgain;
    const bool pauseForRound = s.pending == Timer1Action::StartRound;
    if (s.pending != Timer1Action::None && !pauseForDouble && !pauseForRound)
        return fail(why, "unknown pending action");
    if (s.countdown < 0 || s.countdown > 5 || s.turnOpen != (s.pending == Timer1Action::None))
        return fail(why, "pause out of step");
    if (s.turnSeat < 1 || s.turnSeat > kSeats || !s.seat(s.turnSeat).inGame)
        return fail(why, "turn seat not in the game");
    if (s.phase < 1 || s.phase > 2)
        return fail(why, "phase out of range");

    // Every toe runs from the centre without a gap, each bone matching its neighbour.
    int centre = -1;
    std::array<bool, game::kBoneCount + 1> onBoard{};
    std::array<int, game::kToes + 1> end{-1, -1, -1, -1};
    bool anyEmpty = false;
    for (int toe = 1; toe <= game::kToes; ++toe) {
        int inner = -1;
        bool ended = false;
        for (int position = 1; position <= game::kToePositions; ++position) {
            const auto& cell = s.board.cell(toe, position);
            if (cell.bone == 0) {
                ended = true;
                continue;
            }
            if (ended || !game::isValidBone(cell.bone) || !played[cell.bone] || onBoard[cell.bone] ||
                game::isDouble(cell.bone))
                return fail(why, "a toe holds a bone that cannot be there");
            onBoard[cell.bone] = true;
            if (position == 1) {
                inner = cell.flip ? game::getbotnum(cell.bone) : game::gettopnum(cell.bone);
                if (centre < 0)
                    centre = inner;
                if (inner != centre)
                    return fail(why, "toes around different centres");
            }
            const auto flip = game::matchFlip(cell.bone, inner);
            if (!flip || *flip != cell.flip)
                return fail(why, "a bone does not match its neighbour");
            inner = game::outwardPip(cell);
        }
        anyEmpty |= s.board.isToeEmpty(toe);
        end[toe] = inner;
    }
    // The spinner is a pip while play goes on; after a double on a toe's end it is that double
    // until the board starts again around it (or the round is over).
    const bool asPip = s.spinner >= 0 && s.spinner <= game::kHighestPip && (centre < 0 || centre == s.spinner) &&
                       s.phase == (anyEmpty ? 1 : 2);
    const bool asDouble = game::isValidBone(s.spinner) && game::isDouble(s.spinner) && played[s.spinner] &&
                          s.phase == 1 &&
                          (end[1] == game::gettopnum(s.spinner) || end[2] == game::gettopnum(s.spinner) ||
                           end[3] == game::gettopnum(s.spinner));
    if (pauseForDouble ? !asDouble : pauseForRound ? !(asPip || asDouble) : !asPip)
        return fail(why, "spinner, board and phase do not agree");

    int outSeats = 0;
    for (int seat = 1; seat <= kSeats; ++seat)
        outSeats += s.seat(seat).inGame && s.seat(seat).bonesLeft() == 0;
    if (outSeats > (pauseForRound ? 1 : 0))
        return fail(why, "a seat out of bones while the round goes on");
    if (s.turnOpen && s.seat(s.turnSeat).passed)
        return fail(why, "the seat to move has passed");
    return true;
}

} // namespace

std::string writeJournal(const JournalState& journal)
{
    const HostState& s = journal.state;
    std::string text(kHeader);
    text.reserve(2048);
    const auto number = [&text](long long value) {
        text += ' ';
        text += std::to_string(value);
    };
    text += "random";
    number(journal.random);
    number(journal.gameSeed);
    text += "\ngame";
    for (const long long value : {static_cast<long long>(s.round), static_cast<long long>(s.roundsToPlay),
                                  static_cast<long long>(s.gameOption), static_cast<long long>(s.turnSeat),
                                  static_cast<long long>(s.turnOpen), static_cast<long long>(s.phase),
                                  static_cast<long long>(s.spinner), static_cast<long long>(s.dealPosition),
                                  static_cast<long long>(s.pending), static_cast<long long>(s.countdown)})
        number(value);
    text += "\ndeck";
    for (const int bone : s.deck)
        number(bone);
    for (int seat = 1; seat <= kSeats; ++seat) {
        const auto& record = s.seat(seat);
        text += "\nseat";
        number(seat);
        number(record.inGame);
        number(record.waitingNewcomer);
        number(record.passed);
        number(record.passedOn);
        number(record.total);
        number(record.roundScore);
        number(static_cast<long long>(journal.strongDecisions[seat]));
        for (const int bone : record.hand)
            number(bone);
        text += ' ';
        text += record.holder;
    }
    for (int toe = 1; toe <= game::kToes; ++toe) {
        text += "\ntoe";
        number(toe);
        for (int position = 1; position <= game::kToePositions; ++position) {
            const auto& cell = s.board.cell(toe, position);
            if (cell.bone == 0)
                break;
            number(cell.bone);
            number(cell.flip);
        }
    }
    text += '\n';
    return sealJournal(std::move(text));
}

std::string sealJournal(std::string body)
{
    body += "sum " + hex64(fnv1a(body)) + '\n';
    return body;
}

std::optional<JournalState> readJournal(std::string_view text, std::string* why)
{
    if (text.substr(0, kHeader.size()) != kHeader) {
        fail(why, "not a journal of this version");
        return std::nullopt;
    }
    // The sum covers every byte before its own line.
    const auto sumAt = text.rfind("sum ");
    if (sumAt == std::string_view::npos || (sumAt > 0 && text[sumAt - 1] != '\n') ||
        text.substr(sumAt) != "sum " + hex64(fnv1a(text.substr(0, sumAt))) + '\n') {
        fail(why, "checksum does not match");
        return std::nullopt;
    }
    std::vector<std::string_view> lines;
    for (std::string_view body = text.substr(kHeader.size(), sumAt - kHeader.size()); !body.empty();) {
        const auto end = body.find('\n');
        lines.push_back(body.substr(0, end));
        body = end == std::string_view::npos ? std::string_view() : body.substr(end + 1);
    }
    if (lines.size() != 3 + kSeats + game::kToes) {
        fail(why, "wrong number of lines");
        return std::nullopt;
    }

    JournalState journal;
    HostState& s = journal.state;
    s.gameRunning = true;
    bool ok = true;
    std::size_t line = 0;
    {
        Fields f(lines[line++]);
        ok &= f.word() == "random" && f.unsigned32(journal.random) && f.unsigned32(journal.gameSeed) && f.done();
    }
    {
        Fields f(lines[line++]);
        int pending = 0;
        ok &= f.word() == "game" && f.integer(s.round, 0, 100) && f.integer(s.roundsToPlay, 0, 100) &&
              f.integer(s.gameOption, 0, 9) && f.integer(s.turnSeat, 0, kSeats) && f.flag(s.turnOpen) &&
              f.integer(s.phase, 0, 9) && f.integer(s.spinner, 0, game::kBoneCount) &&
              f.integer(s.dealPosition, 0, game::kBoneCount) && f.integer(pending, 0, 3) &&
              f.integer(s.countdown, 0, 100) && f.done();
        s.pending = static_cast<Timer1Action>(pending);
    }
    {
        Fields f(lines[line++]);
        ok &= f.word() == "deck";
        for (int& bone : s.deck)
            ok = ok && f.integer(bone, 0, game::kBoneCount);
        ok &= f.done();
    }
    for (int seat = 1; seat <= kSeats && ok; ++seat) {
        Fields f(lines[line++]);
        auto& record = s.seat(seat);
        int number = 0, passedOn = 0, decisions = 0;
        ok &= f.word() == "seat" && f.integer(number, seat, seat) && f.flag(record.inGame) &&
              f.flag(record.waitingNewcomer) && f.flag(record.passed) && f.integer(passedOn, 0, 0xFFFF) &&
              f.integer(record.total, -kMaxTotal, kMaxTotal) && f.integer(record.roundScore, -kMaxTotal, kMaxTotal) &&
              f.integer(decisions, 0, kMaxDecisions);
        journal.strongDecisions[seat] = static_cast<std::uint64_t>(decisions);
        for (int& bone : record.hand)
            ok = ok && f.integer(bone, 0, game::kBoneCount);
        record.passedOn = static_cast<std::uint16_t>(passedOn);
        record.holder = std::string(f.rest());
    }
    for (int toe = 1; toe <= game::kToes && ok; ++toe) {
        Fields f(lines[line++]);
        int number = 0;
        ok &= f.word() == "toe" && f.integer(number, toe, toe);
        for (int position = 1; ok && !f.done(); ++position) {
            int bone = 0;
            bool flip = false;
            ok &= position <= game::kToePositions && f.integer(bone, 1, game::kBoneCount) && f.flag(flip);
            if (ok)
                s.board.place(toe, position, bone, flip);
        }
    }
    if (!ok) {
        fail(why, "malformed line");
        return std::nullopt;
    }
    if (!plausible(journal, why))
        return std::nullopt;
    return journal;
}

std::vector<std::string> journalPlayers(const HostState& state)
{
    std::vector<std::string> players;
    for (int seat = 1; seat <= kSeats; ++seat)
        if (const auto& record = state.seat(seat); !record.holder.empty() && (record.inGame || record.waitingNewcomer))
            players.push_back(record.holder);
    return players;
}

// --- The engine's side ---

JournalState Engine::journalState() const
{
    JournalState journal;
    journal.state = state_;
    journal.random = random_->state();
    journal.gameSeed = gameSeed_;
    journal.strongDecisions = strongDecisions_;
    return journal;
}

bool Engine::resume(const JournalState& journal)
{
    for (int n = 1; n <= kConnections; ++n)
        if (state_.records[n].open)
            return false;
    if (!plausible(journal, nullptr))
        return false;
    const HostState& from = journal.state;
    for (int seat = 1; seat <= kSeats; ++seat) {
        auto& record = state_.seat(seat);
        const auto& saved = from.seat(seat);
        record.holder = saved.holder;
        record.total = saved.total;
        record.roundScore = saved.roundScore;
        record.hand = saved.hand;
        record.passed = saved.passed;
        record.passedOn = saved.passedOn;
        record.inGame = saved.inGame;
        record.waitingNewcomer = saved.waitingNewcomer;
        record.watching = false;
    }
    state_.gameRunning = true;
    state_.turnSeat = from.turnSeat;
    state_.turnOpen = from.turnOpen;
    state_.round = from.round;
    state_.roundsToPlay = from.roundsToPlay;
    state_.gameOption = from.gameOption;
    state_.deck = from.deck;
    state_.dealPosition = from.dealPosition;
    state_.phase = from.phase;
    state_.spinner = from.spinner;
    state_.board = from.board;
    state_.countdown = from.countdown;
    state_.pending = from.pending;
    // What is in no hand: the round's double and whatever was dealt and played.
    state_.gone.fill(false);
    state_.gone[state_.deck[game::kBoneCount - 1]] = true;
    for (int place = 0; place < state_.dealPosition; ++place)
        state_.gone[state_.deck[place]] = true;
    for (int seat = 1; seat <= kSeats; ++seat)
        for (const int bone : state_.seat(seat).hand)
            if (bone != 0)
                state_.gone[bone] = false;
    random_->seed(journal.random);
    gameSeed_ = journal.gameSeed;
    strongDecisions_ = journal.strongDecisions;

    // The clocks start again where the game stood: a pause runs its course, a computer moves.
    if (state_.pending != Timer1Action::None) {
        timer1Running_ = true;
        io_.startTimer1(timer1Interval_);
    } else if (state_.turnOpen) {
        // Players need a moment to come back before the computer takes a seat's turn.
        computertimerRunning_ = true;
        io_.startComputertimer(std::max(kResumeGrace, io_.botSpeed()));
    }
    return true;
}

void Engine::flushJournal()
{
    if (!std::exchange(journalDue_, false) || !journal_)
        return;
    if (state_.gameRunning)
        journal_->save(writeJournal(journalState()));
    else
        journal_->finished();
}

// --- The file ---

void JournalFile::save(const std::string& text)
{
    if (!healthy_)
        return;
    const std::string temporary = path_.string() + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    bool written = fd >= 0;
    for (std::size_t done = 0; written && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        done += written ? static_cast<std::size_t>(n) : 0;
    }
    if (fd >= 0 && ::close(fd) != 0)
        written = false;
    if (written && std::rename(temporary.c_str(), path_.c_str()) == 0)
        return;
    // A full disk or a folder taken away: the game goes on without a journal, and says so once.
    std::fprintf(stderr, "host: the game's journal cannot be written to %s: %s\n", path_.c_str(), std::strerror(errno));
    ::unlink(temporary.c_str());
    healthy_ = false;
}

std::optional<std::string> JournalFile::load() const
{
    std::ifstream in(path_, std::ios::binary);
    if (!in)
        return std::nullopt;
    // Anything longer than a journal can be is damaged; read no more of it than that.
    constexpr std::size_t kLongest = 64 * 1024;
    std::string buffer(kLongest + 1, '\0');
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    buffer.resize(static_cast<std::size_t>(in.gcount()));
    return buffer;
}

std::optional<std::chrono::seconds> JournalFile::age() const
{
    std::error_code error;
    const auto written = std::filesystem::last_write_time(path_, error);
    if (error)
        return std::nullopt;
    const auto now = std::filesystem::file_time_type::clock::now();
    return std::chrono::duration_cast<std::chrono::seconds>(now - written);
}

void JournalFile::remove()
{
    std::error_code error;
    std::filesystem::remove(path_, error);
}

std::filesystem::path JournalFile::setAside(const std::string& suffix)
{
    std::error_code error;
    std::filesystem::path target = path_.string() + "." + suffix;
    for (int k = 1; std::filesystem::exists(target, error) && k < 1000; ++k)
        target = path_.string() + "." + suffix + "." + std::to_string(k);
    std::filesystem::rename(path_, target, error);
    return error ? std::filesystem::path() : target;
}

} // namespace host
