// The host's messages as they change what the table knows. Every field comes from the network and
// is checked before it is used; a message that fails a check changes nothing after that point.
#include "mirror/tablemirror.h"

#include "game/bones.h"
#include "game/text.h"

namespace mirror {

const std::array<TableMirror::Route, 24> TableMirror::kRoutes{{
    {"CMD_sendlogininfo", &TableMirror::sendloginfo},
    {"CMD_chat", &TableMirror::chatrecieved},
    {"CMD_action", &TableMirror::chatrecieved},
    {"CMD_newplayerinfo", &TableMirror::newplayerinfo},
    {"CMD_havewrongversion", &TableMirror::havewrongversion},
    {"CMD_wrongversion", &TableMirror::wrongversion},
    {"CMD_existingplayers", &TableMirror::newplayerinfo},
    {"CMD_playerdisconnected", &TableMirror::playerdisconnected},
    {"CMD_startgame", &TableMirror::startthegame},
    {"CMD_nextplayer", &TableMirror::getnextplayer},
    {"CMD_winner", &TableMirror::winner},
    {"CMD_full", &TableMirror::gameisfull},
    {"CMD_justwatching", &TableMirror::justwatching},
    {"CMD_startround", &TableMirror::startround},
    {"CMD_beginagain", &TableMirror::beginagain},
    {"CMD_dealmybones", &TableMirror::dealmybones},
    {"CMD_hepassed", &TableMirror::hepassed},
    {"CMD_heplayed", &TableMirror::heplayed},
    {"CMD_noplay", &TableMirror::noplay},
    {"CMD_endround", &TableMirror::endround},
    {"CMD_double", &TableMirror::doubleplayed},
    {"CMD_gamestats", &TableMirror::gamestats},
    {"CMD_youplay", &TableMirror::youplay},
    {"CMD_playasound", &TableMirror::playasound},
}};

namespace {

bool isFlagSet(std::string_view field) { return field == "t"; }

bool isPosition(int position) { return game::Board::isValidPosition(position); }

// The fields shared by "CMD_heplayed" and "CMD_double".
std::optional<Played> readPlay(std::string_view payload, bool isDouble, bool& flip, int& left)
{
    game::FieldReader reader(payload);
    const auto seat = reader.nextInt();
    const auto slot = reader.nextInt();
    const auto bone = reader.nextInt();
    const auto toe = reader.nextInt();
    const auto position = reader.nextInt();
    flip = isFlagSet(reader.next());
    const auto count = reader.nextInt();
    if (!seat || !slot || !bone || !toe || !position || !count)
        return std::nullopt;
    if (!isSeat(*seat) || *slot < 1 || *slot > kHandPlaces)
        return std::nullopt;
    // Position 0 puts the bone on the spinner's place; any other names a toe cell.
    if (*position != 0 && (!game::Board::isValidToe(*toe) || !isPosition(*position)))
        return std::nullopt;
    left = *count;
    return Played{*seat, *slot, *bone, *toe, *position, isDouble};
}

} // namespace

std::string computerName(int seat)
{
    static const char* const names[kSeatCount + 1] = {"", "", "Klot", "Klock", "Kling", "Klick", "Krazy"};
    return isSeat(seat) ? names[seat] : "";
}

const SeatState& TableMirror::seat(int seat) const
{
    static const SeatState none = [] {
        SeatState nobody;
        nobody.name.clear();
        return nobody;
    }();
    return isSeat(seat) ? state_.seats[seat] : none;
}

Events TableMirror::handle(std::string_view line)
{
    events_.clear();
    const game::SplitLine split = game::splitLine(line);
    if (split.verb.empty())
        return {};
    for (const Route& route : kRoutes)
        if (route.verb == split.verb)
            (this->*route.handler)(split.payload);
    return std::move(events_);
}

bool TableMirror::isOwnSeat(std::string_view name) const
{
    return isSeat(state_.ownSeat) && state_.seats[state_.ownSeat].name == name;
}

game::SheetSeatNames TableMirror::sheetNames() const
{
    game::SheetSeatNames names;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const std::string& shown = state_.seats[seat].name;
        const bool nobody = shown == "<Waiting>" || shown == computerName(seat) || shown.empty();
        // The sheet keeps UTF-8; names come over the wire in Latin-1.
        names.shown[seat] = game::decodeText(nobody ? computerName(seat) : shown);
        names.player[seat] = !nobody;
    }
    return names;
}

// ---- The course of a game ------------------------------------------------------------------------

void TableMirror::hideMarkers()
{
    for (int toe = 1; toe <= kToes; ++toe)
        state_.markers[toe].shown = false;
}

// Every marker back at the first position; whether it shows is left as it was.
void TableMirror::resetMarkers()
{
    for (int toe = 1; toe <= kToes; ++toe) {
        state_.markers[toe].position = 1;
        state_.markers[toe].placedAt = 0;
    }
}

// A bone laid on a toe puts its marker on the place beside it. Counting on from where the marker
// was instead would let a host that repeats a play push it any distance past the board.
void TableMirror::advanceMarker(int toe, int position)
{
    state_.markers[toe].position = position + 1;
    state_.markers[toe].placedAt = position;
}

// The bones played before a new spinner stay out of every hand until the round ends.
void TableMirror::newBoard(int spinner)
{
    state_.spinnerBone = spinner;
    state_.board.clear();
    resetMarkers();
    if (game::isValidBone(spinner))
        state_.gone[spinner] = true;
}

void TableMirror::place(int toe, int position, int bone, bool flip)
{
    state_.board.place(toe, position, bone, flip);
    if (game::isValidBone(bone))
        state_.gone[bone] = true;
}

void TableMirror::clearall()
{
    for (SeatState& seat : state_.seats) {
        seat.total = 0;
        seat.roundScore.reset();
        seat.bonesLeft.reset();
        seat.turn = false;
    }
    state_.offeredToes = {};
    state_.passOffered = false;
    state_.board.clear();
    resetMarkers();
    state_.hand.clear();
}

void TableMirror::startthegame(std::string_view payload)
{
    game::FieldReader reader(payload);
    std::string name(reader.next());
    std::string rounds(reader.next());
    clearall();
    state_.sittingOut = false;
    state_.rounds = std::move(rounds);
    state_.ownTurns = 0;
    ++state_.position;
    const bool own = isOwnSeat(name);
    for (int seat = 1; seat <= kSeatCount; ++seat)
        if (state_.seats[seat].name == computerName(seat))
            state_.seats[seat].name = "<Waiting>";
    // Seat 2 always plays: the computer takes it when nobody holds it.
    if (state_.seats[2].name == "<Waiting>")
        state_.seats[2].name = computerName(2);
    scoreSheet_.startGame(payload);
    events_.push_back(GameStarted{std::move(name), own});
}

void TableMirror::startround(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto round = reader.nextInt();
    const auto spinner = reader.nextInt();
    const auto count = reader.nextInt();
    if (!round || !spinner || !count)
        return;
    // The whole message is checked before anything changes: a bad one leaves the table as it was.
    std::array<std::optional<bool>, kSeatCount + 1> dealt{};
    while (!reader.empty()) {
        const auto seat = reader.nextInt();
        if (!seat || !isSeat(*seat) || reader.empty())
            return;
        dealt[*seat] = isFlagSet(reader.next());
    }
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        SeatState& state = state_.seats[seat];
        state.roundScore.reset();
        state.passed = false;
        state.lacks = 0;
        state.inGame = dealt[seat].value_or(false);
        if (!dealt[seat])
            continue;
        if (*dealt[seat])
            state.bonesLeft = *count;
        else
            state.bonesLeft.reset();
    }
    hideMarkers();
    state_.gone.fill(false);
    newBoard(*spinner);
    state_.hand.clear();
    state_.phase = 1;
    state_.round = *round;
    ++state_.position;
    scoreSheet_.startRound(payload, sheetNames());
    events_.push_back(RoundStarted{*round});
}

void TableMirror::beginagain(std::string_view payload)
{
    const auto bone = game::FieldReader(payload).nextInt();
    if (!bone)
        return;
    newBoard(*bone);
    ++state_.position;
    for (SeatState& seat : state_.seats)
        seat.roundScore.reset();
    scoreSheet_.beginAgain(payload);
    events_.push_back(SpinnerReloaded{});
}

void TableMirror::dealmybones(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto seat = reader.nextInt();
    if (!seat || !isSeat(*seat) || *seat != state_.ownSeat)
        return;
    state_.sittingOut = false;
    ++state_.position;
    events_.push_back(BonesDealt{});
    while (!reader.empty()) {
        const auto slot = reader.nextInt();
        const auto bone = reader.nextInt();
        if (!slot || !bone || *slot < 1 || *slot > kHandPlaces)
            return;
        state_.hand.add(*slot, *bone);
    }
}

void TableMirror::getnextplayer(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto turn = reader.nextInt();
    const auto phase = reader.nextInt();
    bool open[kToes + 1] = {};
    for (int toe = 1; toe <= kToes; ++toe)
        open[toe] = isFlagSet(reader.next());
    std::optional<int> position[kToes + 1];
    for (int toe = 1; toe <= kToes; ++toe)
        position[toe] = reader.nextInt();
    if (!turn || !isSeat(*turn) || !phase)
        return;
    for (int toe = 1; toe <= kToes; ++toe)
        if (!position[toe] || (open[toe] && !isPosition(*position[toe])))
            return;

    state_.turnSeat = *turn;
    state_.phase = *phase;
    state_.passShown = false;
    ++state_.position;
    state_.hand.lowerAll();
    for (SeatState& seat : state_.seats)
        seat.turn = false;
    SeatState& seat = state_.seats[*turn];
    seat.turn = true;
    seat.passed = false;
    if (seat.name == "<Waiting>")
        seat.name = computerName(*turn);
    if (ownTurn()) {
        ++state_.ownTurns;
        state_.passShown = true;
        state_.passOffered = true;
        for (int toe = 1; toe <= kToes; ++toe) {
            state_.offeredToes[toe] = open[toe];
            if (open[toe])
                state_.markers[toe] = {*position[toe], true, 0};
        }
    } else {
        // The player's turn is over, however it ended (the computer may have passed for a seat
        // that just watches): no marker stays up.
        hideMarkers();
        state_.offeredToes = {};
        state_.passOffered = false;
    }
    events_.push_back(TurnChanged{*turn});
}

void TableMirror::heplayed(std::string_view payload)
{
    bool flip = false;
    int left = 0;
    const auto play = readPlay(payload, false, flip, left);
    if (!play)
        return;
    state_.seats[play->seat].bonesLeft = left;
    ++state_.position;
    for (SeatState& seat : state_.seats)
        seat.passed = false;
    if (play->position != 0) {
        place(play->toe, play->position, play->bone, flip);
        advanceMarker(play->toe, play->position);
    } else {
        state_.spinnerBone = play->bone;
    }
    if (play->seat == state_.ownSeat) {
        state_.passShown = false;
        hideMarkers();
        state_.hand.remove(play->slot);
    }
    events_.push_back(*play);
}

void TableMirror::doubleplayed(std::string_view payload)
{
    bool flip = false;
    int left = 0;
    const auto play = readPlay(payload, true, flip, left);
    if (!play)
        return;
    hideMarkers();
    state_.seats[play->seat].bonesLeft = left;
    ++state_.position;
    // Unlike a bone laid on a toe, a double keeps the pass marks: the host clears each one only
    // when that seat's turn comes round on the new board.
    if (play->position != 0)
        place(play->toe, play->position, play->bone, flip);
    else
        state_.spinnerBone = play->bone;
    if (play->seat == state_.ownSeat) {
        state_.passShown = false;
        state_.hand.remove(play->slot);
    }
    events_.push_back(*play);
}

void TableMirror::hepassed(std::string_view payload)
{
    const auto seat = game::FieldReader(payload).nextInt();
    if (!seat || !isSeat(*seat))
        return;
    SeatState& passer = state_.seats[*seat];
    passer.passed = true;
    ++state_.position;
    // Every table sees which ends were open: the seat holds no bone for any of them.
    if (state_.phase == 1 && game::isValidBone(state_.spinnerBone)) {
        passer.lacks |= static_cast<std::uint16_t>(1u << game::gettopnum(state_.spinnerBone));
    } else if (state_.phase == 2) {
        for (int toe = 1; toe <= kToes; ++toe)
            if (const int free = state_.board.firstEmpty(toe); free >= 2)
                passer.lacks |= static_cast<std::uint16_t>(1u << game::outwardPip(state_.board.cell(toe, free - 1)));
    }
    if (*seat == state_.ownSeat) {
        state_.passShown = false;
        hideMarkers();
        state_.hand.lowerAll();
    }
    events_.push_back(Passed{*seat});
}

void TableMirror::noplay(std::string_view payload)
{
    const auto seat = game::FieldReader(payload).nextInt();
    if (!seat || !isSeat(*seat) || *seat != state_.ownSeat)
        return;
    // The play was refused: the turn is the player's again, with the markers and Pass the host
    // offered (a Pass clicked while the play was on its way hid them).
    state_.turnSeat = state_.ownSeat;
    for (int toe = 1; toe <= kToes; ++toe)
        if (state_.offeredToes[toe])
            state_.markers[toe].shown = true;
    state_.passShown = state_.passOffered;
    state_.hand.lowerAll();
    events_.push_back(Refused{});
}

void TableMirror::endround(std::string_view payload)
{
    scoreSheet_.endRound(payload, sheetNames());
    game::FieldReader reader(payload);
    const auto out = reader.nextInt();
    if (!out)
        return;
    hideMarkers();
    ++state_.position;
    RoundEnded ended{*out, {}};
    while (!reader.empty()) {
        const auto seat = reader.nextInt();
        const auto score = reader.nextInt();
        const auto total = reader.nextInt();
        if (!seat || !score || !total || !isSeat(*seat))
            break; // the scores read so far stay
        state_.seats[*seat].roundScore = *score;
        state_.seats[*seat].total = *total;
        ended.scores.push_back({*seat, *score, *total});
    }
    events_.push_back(std::move(ended));
}

void TableMirror::winner(std::string_view payload)
{
    std::string name(game::FieldReader(payload).next());
    const bool own = isOwnSeat(name);
    hideMarkers();
    ++state_.position;
    for (SeatState& seat : state_.seats)
        seat.turn = false;
    scoreSheet_.winner(game::decodeText(payload));
    events_.push_back(GameWon{std::move(name), own});
}

void TableMirror::gamestats(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto turn = reader.nextInt();
    const auto round = reader.nextInt();
    const auto rounds = reader.nextInt();
    const auto spinnerPip = reader.nextInt();
    const bool inPlay = isFlagSet(reader.next());
    std::optional<int> totals[kSeatCount + 1];
    for (int seat = 1; seat <= kSeatCount; ++seat)
        totals[seat] = reader.nextInt();
    if (!turn || !round || !rounds || !spinnerPip)
        return;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        if (!totals[seat])
            return;

    scoreSheet_.gameStats(payload, sheetNames(), state_.ownSeat);
    state_.turnSeat = *turn;
    ++state_.position;
    state_.rounds = std::to_string(*rounds);
    state_.round = *round;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        state_.seats[seat].total = *totals[seat];
    resetMarkers();
    state_.hand.clear();
    state_.spinnerBone = *spinnerPip >= 0 && *spinnerPip <= game::kHighestPip ? game::doubleOf(*spinnerPip) : -1;
    if (ownTurn()) {
        for (int toe = 1; toe <= kToes; ++toe)
            state_.markers[toe].shown = true;
        state_.offeredToes = {false, true, true, true};
        state_.passOffered = false;
    }
    if (isSeat(*turn))
        state_.seats[*turn].turn = true;
    state_.sittingOut = !inPlay && state_.ownSeat <= kSeatCount;
    events_.push_back(GameInProgress{ownTurn()});

    if (reader.rest() == "*")
        return;
    while (!reader.empty()) {
        const auto toe = reader.nextInt();
        const auto position = reader.nextInt();
        const auto bone = reader.nextInt();
        const bool flip = isFlagSet(reader.next());
        if (!toe || !position || !bone || !game::Board::isValidToe(*toe) || !isPosition(*position))
            return;
        place(*toe, *position, *bone, flip);
        advanceMarker(*toe, *position);
    }
}

void TableMirror::youplay(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto option = reader.nextInt();
    const auto seat = reader.nextInt();
    if (!option || !seat)
        return;
    if (*seat == state_.ownSeat && (*option == 2 || *option == 3)) {
        state_.waitingForRound = true;
        events_.push_back(RoundInProgress{});
    }
}

} // namespace mirror
