// The people at the table as the host announces them: this table's login, who sits where, who
// watches, who left, the spectators; and what passes through to the chat and the sounds.
#include "mirror/tablemirror.h"

namespace mirror {

namespace {

bool isConnection(std::optional<int> number) { return number && *number >= 1 && *number <= kMaxConnection; }

// Spectators are compared without regard to case, as the host names them as they logged in.
char folded(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 0x20);
    return c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (folded(a[i]) != folded(b[i]))
            return false;
    return true;
}

} // namespace

void TableMirror::sendloginfo(std::string_view payload)
{
    const auto number = game::parseInt(payload);
    if (!isConnection(number))
        return;
    state_.ownSeat = *number;
    state_.loggedIn = true;
    events_.push_back(LoggedIn{*number});
}

void TableMirror::chatrecieved(std::string_view payload)
{
    std::string sender;
    if (const auto number = game::FieldReader(payload).nextInt(); number && isSeat(*number)) {
        sender = state_.seats[*number].name;
    } else if (number) {
        for (const Spectator& spectator : state_.spectators)
            if (spectator.number == *number)
                sender = spectator.name;
    }
    events_.push_back(ChatLine{std::string(payload), std::move(sender)});
}

void TableMirror::newplayerinfo(std::string_view payload)
{
    game::FieldReader reader(payload);
    // An empty list announces nobody.
    bool anyone = false;
    while (!reader.empty()) {
        const auto number = reader.nextInt();
        if (!isConnection(number))
            return;
        anyone = true;
        std::string name(reader.next());
        const bool watch = reader.next() == "1";
        const int n = *number;
        if (isSeat(n)) {
            state_.seats[n].name = name;
            if (watch)
                state_.seats[n].watching = true;
        } else {
            state_.spectators.push_back({n, name});
        }
        events_.push_back(Connected{n, std::move(name), n == state_.ownSeat});
    }
    if (anyone)
        events_.push_back(ArrivalsDone{});
}

void TableMirror::playerdisconnected(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto number = reader.nextInt();
    if (!isConnection(number))
        return;
    std::string name(reader.next());
    const int n = *number;
    if (isSeat(n)) {
        SeatState& seat = state_.seats[n];
        std::string before = std::move(seat.name);
        seat.name = computerName(n);
        seat.watching = false;
        events_.push_back(SeatLeft{n, std::move(before)});
        return;
    }
    const std::string entry = std::to_string(n) + ": " + name;
    auto& spies = state_.spectators;
    for (auto it = spies.begin(); it != spies.end(); ++it)
        if (sameIgnoringCase(std::to_string(it->number) + ": " + it->name, entry)) {
            spies.erase(it);
            events_.push_back(SpectatorLeft{n, std::move(name)});
            return;
        }
}

void TableMirror::justwatching(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto number = reader.nextInt();
    if (!number || !isSeat(*number))
        return;
    const bool watching = reader.next() == "1";
    state_.seats[*number].watching = watching;
    events_.push_back(WatchChanged{*number, watching});
}

void TableMirror::havewrongversion(std::string_view payload) { events_.push_back(OtherVersion{std::string(payload)}); }

void TableMirror::wrongversion(std::string_view) { events_.push_back(WrongVersion{}); }

void TableMirror::gameisfull(std::string_view) { events_.push_back(GameFull{}); }

void TableMirror::playasound(std::string_view payload)
{
    game::FieldReader reader(payload);
    const auto seat = reader.nextInt();
    if (!seat)
        return;
    events_.push_back(ChatterSound{*seat, std::string(reader.next())});
}

} // namespace mirror
